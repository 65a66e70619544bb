// table1 and the newest-first set of stored games over it.
#include "store/GameStore.h"

#include <algorithm>
#include <cctype>
#include <ctime>

namespace {

constexpr const char* CreateTable = "create table if not exists table1 ("
                                    "id integer primary key autoincrement, date text, d1 text)";

// The label is id-day/month/yy: no leading zero on day and month, the year's
// third and fourth digits. Its column comes first and bookmarks read the second.
constexpr std::string_view GameSet = "select id || '-' || cast(strftime('%d', date) as integer)"
                                     " || '/' || cast(strftime('%m', date) as integer)"
                                     " || '/' || substr(strftime('%Y', date), 3, 2) as Game,"
                                     " id, date, d1 from table1 order by id desc";
constexpr int LabelColumn = 0;
constexpr int IdColumn = 1;
constexpr int BoardColumn = 3;

bool sameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

std::string localDateTime(std::chrono::system_clock::time_point when) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

GameStore::GameStore(const std::filesystem::path& file, Database::Access access)
    : db_(file, access) {
    if (!db_.readOnly())
        db_.exec(CreateTable);
    requery();
}

void GameStore::addNew(std::string_view date, std::string_view d1) {
    addAll(date, {std::string(d1)});
}

void GameStore::addAll(std::string_view date, const std::vector<std::string>& d1s) {
    Transaction transaction(db_);
    Statement insert(db_, "insert into table1 (date, d1) values (?1, ?2)");
    insert.bind(1, date);
    for (const std::string& d1 : d1s) {
        insert.bind(2, d1);
        insert.step();
        insert.reset();
    }
    transaction.commit();
}

void GameStore::requery() {
    Statement select(db_, GameSet);
    std::vector<std::string> columns;
    for (int col = 0; col < select.columnCount(); ++col)
        columns.push_back(select.columnName(col));
    std::vector<Row> rows;
    while (select.step()) {
        Row row{select.integer(IdColumn), {}};
        for (int col = 0; col < select.columnCount(); ++col)
            row.values.push_back(select.text(col));
        rows.push_back(std::move(row));
    }
    columns_ = std::move(columns);
    rows_ = std::move(rows);
    current_ = rows_.empty() ? -1 : 0;
}

bool GameStore::moveTo(Bookmark bookmark) {
    const auto found = std::find_if(rows_.begin(), rows_.end(),
                                    [&](const Row& row) { return row.bookmark == bookmark; });
    if (found == rows_.end())
        return false;
    current_ = static_cast<int>(found - rows_.begin());
    return true;
}

bool GameStore::moveFirst() {
    current_ = rows_.empty() ? -1 : 0;
    return current_ == 0;
}

std::optional<std::string> GameStore::field(std::string_view name) const {
    if (current_ < 0)
        return std::nullopt;
    const auto column =
        std::find_if(columns_.begin(), columns_.end(),
                     [&](const std::string& column) { return sameName(column, name); });
    if (column == columns_.end())
        return std::nullopt;
    return rows_[static_cast<std::size_t>(current_)]
        .values[static_cast<std::size_t>(column - columns_.begin())];
}

void GameStore::deleteCurrent() {
    if (current_ < 0)
        return;
    Transaction transaction(db_);
    Statement remove(db_, "delete from table1 where id = ?1");
    remove.bind(1, rows_[static_cast<std::size_t>(current_)].bookmark);
    remove.step();
    transaction.commit();
    rows_.erase(rows_.begin() + current_);
    current_ = -1;
}

std::vector<GameEntry> GameStore::entries() const {
    std::vector<GameEntry> entries;
    for (const Row& row : rows_)
        entries.push_back({row.values[LabelColumn], row.bookmark});
    return entries;
}

std::vector<std::string> GameStore::boards() const {
    std::vector<std::string> boards;
    boards.reserve(rows_.size());
    for (const Row& row : rows_)
        boards.push_back(row.values[BoardColumn]);
    return boards;
}
