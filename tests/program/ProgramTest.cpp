// The installed program run by an unprivileged user: its games folder, and signals ending it.
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
        if (!becomeUnprivileged())
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

    // True once the program catches SIGTERM: its handlers are installed, and the
    // first events it runs, a message box's included, act on a signal.
    bool catchesSignals() const {
        std::ifstream status("/proc/" + std::to_string(program) + "/status");
        for (std::string line; std::getline(status, line);)
            if (line.starts_with("SigCgt:"))
                return (std::stoull(line.substr(7), nullptr, 16) >> (SIGTERM - 1)) & 1;
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

    TempFolder root;
    const fs::path bin = root.path() / "bin";
    const fs::path home = root.path() / "home";
    const fs::path data = home / "share" / "tabrel";
    const fs::path database = data / GameStoreFileName;
    pid_t program = 0;
};

// The start-up message about an unusable file waits for an answer; a signal then
// ends the program instead of showing the window after the box. That file is
// closed before the box shows, so there the handlers tell how far start-up came.
TEST_F(InstalledProgram, EndsCleanlyOnEachSignalTheSystemSendsToEndIt) {
    const struct {
        int signal;
        bool usable;
    } cases[] = {{SIGTERM, true}, {SIGINT, true}, {SIGHUP, true}, {SIGTERM, false}};
    for (const auto& [signal, usable] : cases) {
        SCOPED_TRACE(std::string(strsignal(signal)) + (usable ? "" : " at the start-up message"));
        if (!usable) {
            fs::remove(database);
            std::ofstream(database) << "a file of another format";
            handOver(home);
        }
        const std::string before = contentsOf(database);
        start();
        ASSERT_TRUE(withinAMinute([&] { return usable ? holdsDatabase() : catchesSignals(); }))
            << "start-up never came that far";
        kill(program, signal);
        const int status = endStatus();
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "wait status " << status;
        EXPECT_EQ(contentsOf(database), before) << "every stored game stays whole";
        EXPECT_FALSE(fs::exists(bin / GameStoreFileName)) << "nothing beside the program";
    }
}

} // namespace
