// The built program run as an unprivileged user runs an installed copy: it keeps
// its games in the user's data folder, and SIGTERM, SIGINT and SIGHUP end it
// cleanly, with exit status 0 and every stored game whole.
#include "store/GameStore.h"
#include "support/TempFolder.h"
#include "support/Unprivileged.h"

#include <chrono>
#include <csignal>
#include <fstream>
#include <functional>
#include <sys/stat.h>
#include <thread>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Gives the tree to the unprivileged user, who runs the program.
void handOver(const fs::path& tree) {
    if (geteuid() != 0)
        return;
    for (const auto& entry : fs::recursive_directory_iterator(tree))
        EXPECT_EQ(lchown(entry.path().c_str(), UnprivilegedId, UnprivilegedId), 0);
    EXPECT_EQ(lchown(tree.c_str(), UnprivilegedId, UnprivilegedId), 0);
}

// A copy of the program in a folder its user cannot write, as an installed
// program is, with a home of that user's own.
class InstalledProgram : public ::testing::Test {
protected:
    InstalledProgram() {
        fs::permissions(root.path(), fs::perms(0755));
        fs::create_directories(bin);
        fs::copy_file(TABREL_PROGRAM, bin / "tabrel");
        fs::create_directories(data);
        for (const char* board : {"1", "2", "3"})
            GameStore(database).addNew("2026-12-05 10:00:00", std::string(81, board[0]));
        handOver(home);
        // As root the folder's bits do not bind; as any other user they must.
        fs::permissions(bin, fs::perms(geteuid() == 0 ? 0755 : 0555));
    }
    ~InstalledProgram() override {
        if (program > 0) {
            kill(program, SIGKILL);
            waitpid(program, nullptr, 0);
        }
        fs::permissions(bin, fs::perms(0755));
    }

    void start() {
        program = fork();
        if (program != 0)
            return;
        if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(UnprivilegedId) != 0 ||
                               setuid(UnprivilegedId) != 0))
            _exit(126);
        const fs::path runtime = home / "run";
        mkdir(runtime.c_str(), 0700);
        setenv("HOME", home.c_str(), 1);
        setenv("XDG_DATA_HOME", (home / "share").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        const std::string path = (bin / "tabrel").string();
        execl(path.c_str(), path.c_str(), nullptr);
        _exit(127);
    }

    // Polls `done` until it holds, for up to a minute; false when it never did.
    static bool withinAMinute(const std::function<bool()>& done) {
        for (auto deadline = std::chrono::steady_clock::now() + 60s;
             std::chrono::steady_clock::now() < deadline; std::this_thread::sleep_for(10ms))
            if (done())
                return true;
        return false;
    }

    // True once the program holds the database open: its start-up has come that far.
    bool holdsDatabase() const {
        std::error_code error;
        const fs::path fds = fs::path("/proc") / std::to_string(program) / "fd";
        for (const auto& fd : fs::directory_iterator(fds, error))
            if (fs::read_symlink(fd.path(), error) == database)
                return true;
        return false;
    }

    // The wait status once the program has ended; -1 when it had not within a minute.
    int endStatus() {
        int status = 0;
        if (!withinAMinute([&] { return waitpid(program, &status, WNOHANG) == program; }))
            return -1;
        program = 0;
        return status;
    }

    // "ok" when SQLite finds the file whole, then the boards stored, newest first.
    std::string databaseState() const {
        Database db(database, Database::Access::ReadOnly);
        Statement check(db, "pragma integrity_check");
        std::string state = check.step() ? check.text(0) : "no answer";
        Statement boards(db, "select substr(d1, 1, 1) from table1 order by id desc");
        while (boards.step())
            state += " " + boards.text(0);
        return state;
    }

    TempFolder root;
    const fs::path bin = root.path() / "bin";
    const fs::path home = root.path() / "home";
    const fs::path data = home / "share" / "tabrel";
    const fs::path database = data / GameStoreFileName;
    pid_t program = 0;
};

TEST_F(InstalledProgram, EndsCleanlyOnEachSignalTheSystemSendsToEndIt) {
    const struct {
        int signal;
        std::chrono::milliseconds after; // from the database being open
    } cases[] = {{SIGTERM, 0ms}, {SIGINT, 300ms}, {SIGHUP, 600ms}};
    for (const auto& [signal, after] : cases) {
        SCOPED_TRACE(strsignal(signal));
        start();
        ASSERT_TRUE(withinAMinute([&] { return holdsDatabase(); }))
            << "the data folder's database was not opened";
        std::this_thread::sleep_for(after);
        kill(program, signal);
        const int status = endStatus();
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "wait status " << status;
        EXPECT_EQ(databaseState(), "ok 3 2 1");
        EXPECT_FALSE(fs::exists(bin / GameStoreFileName)) << "nothing beside the program";
    }
}

// The start-up message about an unusable file waits for an answer; a signal
// then ends the program instead of showing the window after the box.
TEST_F(InstalledProgram, ASignalDuringTheStartUpMessageEndsTheProgram) {
    fs::remove(database);
    std::ofstream(database) << "a file of another format";
    handOver(home);
    start();
    // No file stays open to tell when the box is up; the handlers are set long before.
    std::this_thread::sleep_for(3s);
    kill(program, SIGTERM);
    const int status = endStatus();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "wait status " << status;
    std::ifstream file(database);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), "a file of another format");
}

} // namespace
