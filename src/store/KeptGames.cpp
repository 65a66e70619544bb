// The kept game's tables (kept_game, one row; kept_slot, one row a history
// slot) and the games played (game_record).
#include "store/KeptGames.h"

#include "store/GameStore.h"

#include <algorithm>

namespace {

constexpr const char* CreateTables =
    "create table if not exists kept_game (id integer primary key check (id = 1),"
    " givens text, grid1 text, grid3 text, candidates text, hist_idx integer,"
    " last_recorded integer, dropped integer, level text, seconds integer, hints integer,"
    " helped integer, solved integer, record integer);"
    "create table if not exists kept_slot (seq integer primary key, grid1 text, grid3 text,"
    " label text);"
    "create table if not exists game_record (id integer primary key autoincrement,"
    " level text, started text, seconds integer default 0, hints integer default 0,"
    " helped integer default 0, solved integer default 0)";

constexpr std::string_view GameColumns =
    "givens, grid1, grid3, candidates, hist_idx, last_recorded, dropped, level, seconds, hints,"
    " helped, solved, record";

KeptGame gameOf(const Statement& row) {
    KeptGame game;
    game.givens = row.text(0);
    game.grid1 = row.text(1);
    game.grid3 = row.text(2);
    game.candidates = row.text(3);
    game.histIdx = static_cast<int>(row.integer(4));
    game.lastRecorded = static_cast<int>(row.integer(5));
    game.dropped = row.integer(6);
    game.level = row.text(7);
    game.seconds = row.integer(8);
    game.hints = static_cast<int>(row.integer(9));
    game.helped = row.integer(10) != 0;
    game.solved = row.integer(11) != 0;
    game.record = row.integer(12);
    return game;
}

struct Played {
    std::int64_t seconds;
    bool clean;
    bool solved;
};

} // namespace

std::string packTexts(const std::vector<std::string>& texts) {
    std::string packed;
    for (const std::string& text : texts) {
        for (const char ch : text)
            packed += ch == '%' ? "%%" : ch == '\n' ? "%n" : std::string(1, ch);
        packed += '\n';
    }
    return packed;
}

std::vector<std::string> unpackTexts(std::string_view packed) {
    std::vector<std::string> texts(1);
    for (std::size_t i = 0; i < packed.size(); ++i) {
        if (packed[i] == '\n')
            texts.emplace_back();
        else if (packed[i] == '%' && i + 1 < packed.size())
            texts.back() += packed[++i] == 'n' ? '\n' : packed[i];
        else
            texts.back() += packed[i];
    }
    texts.pop_back();
    return texts;
}

// The tables come with the first write: a program started only to look leaves
// the file as it found it.
KeptGames::KeptGames(const std::filesystem::path& file) : db_(file, Database::Access::ReadWrite) {}

bool KeptGames::hasTables() {
    Statement select(db_, "select count(*) from sqlite_master where name = 'game_record'");
    select.step();
    return select.integer(0) != 0;
}

bool KeptGames::hasGame() {
    if (!hasTables())
        return false;
    Statement select(db_, "select count(*) from kept_game");
    select.step();
    return select.integer(0) != 0;
}

std::optional<KeptGame> KeptGames::load() {
    if (!hasTables())
        return std::nullopt;
    Statement select(db_, "select " + std::string(GameColumns) + " from kept_game where id = 1");
    if (!select.step())
        return std::nullopt;
    KeptGame game = gameOf(select);
    Statement rows(db_, "select seq, grid1, grid3, label from kept_slot order by seq");
    while (rows.step())
        game.history.push_back({rows.integer(0), rows.text(1), rows.text(2), rows.text(3)});
    return game;
}

void KeptGames::replace(const KeptGame& game) {
    Transaction transaction(db_);
    db_.exec(CreateTables);
    db_.exec("delete from kept_slot");
    writeGame(game);
    writeSlots(game.history);
    transaction.commit();
}

void KeptGames::update(const KeptGame& game, const std::vector<KeptSlot>& changed) {
    Transaction transaction(db_);
    writeGame(game);
    Statement forget(db_, "delete from kept_slot where seq < ?1 or seq > ?2");
    forget.bind(1, game.dropped);
    forget.bind(2, game.dropped + game.lastRecorded);
    forget.step();
    writeSlots(changed);
    transaction.commit();
}

void KeptGames::writeGame(const KeptGame& game) {
    Statement write(db_,
                    "insert or replace into kept_game (id, " + std::string(GameColumns) +
                        ") values (1, ?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13)");
    write.bind(1, game.givens);
    write.bind(2, game.grid1);
    write.bind(3, game.grid3);
    write.bind(4, game.candidates);
    write.bind(5, std::int64_t{game.histIdx});
    write.bind(6, std::int64_t{game.lastRecorded});
    write.bind(7, game.dropped);
    write.bind(8, game.level);
    write.bind(9, game.seconds);
    write.bind(10, std::int64_t{game.hints});
    write.bind(11, std::int64_t{game.helped});
    write.bind(12, std::int64_t{game.solved});
    write.bind(13, game.record);
    write.step();
}

void KeptGames::writeSlots(const std::vector<KeptSlot>& rows) {
    Statement write(db_, "insert or replace into kept_slot (seq, grid1, grid3, label)"
                         " values (?1, ?2, ?3, ?4)");
    for (const KeptSlot& slot : rows) {
        write.bind(1, slot.seq);
        write.bind(2, slot.grid1);
        write.bind(3, slot.grid3);
        write.bind(4, slot.label);
        write.step();
        write.reset();
    }
}

std::int64_t KeptGames::beginRecord(const std::string& level,
                                    std::chrono::system_clock::time_point when) {
    Transaction transaction(db_);
    db_.exec(CreateTables);
    Statement insert(db_, "insert into game_record (level, started) values (?1, ?2)");
    insert.bind(1, level);
    insert.bind(2, localDateTime(when));
    insert.step();
    Statement id(db_, "select last_insert_rowid()");
    id.step();
    const std::int64_t row = id.integer(0);
    transaction.commit();
    return row;
}

void KeptGames::updateRecord(std::int64_t id, const KeptGame& game) {
    Transaction transaction(db_);
    Statement write(db_, "update game_record set level = ?2, seconds = ?3, hints = ?4,"
                         " helped = ?5, solved = ?6 where id = ?1");
    write.bind(1, id);
    write.bind(2, game.level);
    write.bind(3, game.seconds);
    write.bind(4, std::int64_t{game.hints});
    write.bind(5, std::int64_t{game.helped});
    write.bind(6, std::int64_t{game.solved});
    write.step();
    transaction.commit();
}

std::vector<LevelRecord> KeptGames::records(const std::vector<std::string>& levels,
                                            const std::string& other, std::int64_t playing) {
    std::vector<LevelRecord> records;
    for (const std::string& level : levels)
        records.push_back({level});
    records.push_back({other});
    if (!hasTables())
        return records;
    std::vector<std::vector<Played>> byLevel(records.size());
    Statement select(db_, "select id, level, seconds, hints, helped, solved from game_record"
                          " order by id");
    while (select.step()) {
        const auto known = std::find(levels.begin(), levels.end(), select.text(1));
        const auto at = static_cast<std::size_t>(known - levels.begin());
        ++records[at].played;
        if (select.integer(0) != playing)
            byLevel[at].push_back({select.integer(2),
                                   select.integer(3) == 0 && select.integer(4) == 0,
                                   select.integer(5) != 0});
    }
    for (std::size_t at = 0; at < records.size(); ++at) {
        LevelRecord& record = records[at];
        std::int64_t total = 0;
        for (const Played& game : byLevel[at]) {
            record.solved += game.solved;
            record.streak = game.solved ? record.streak + 1 : 0;
            if (!game.solved || !game.clean)
                continue;
            ++record.clean;
            total += game.seconds;
            if (record.bestSeconds == 0 || game.seconds < record.bestSeconds)
                record.bestSeconds = game.seconds;
        }
        record.averageSeconds = record.clean > 0 ? total / record.clean : 0;
    }
    return records;
}

void KeptGames::resetRecords() {
    if (!hasTables())
        return;
    Transaction transaction(db_);
    db_.exec("delete from game_record");
    transaction.commit();
}
