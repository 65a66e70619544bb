// Starts the program: one window, the event loop, and the end when the window
// closes or the system asks the program to end.
#include "store/GameFolder.h"
#include "window/MainWindow.h"
#include "window/SignalEnd.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

bool isSet(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value;
}

// Qt aborts with a plugin trace when it finds no display; say it plainly instead.
bool displayAvailable() {
    return isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
}

// The identity the desktop knows the program by: its menu entry, its icon, and
// the data folder ~/.local/share/tabrel (an organisation name would nest it).
void nameTheProgram() {
    QApplication::setApplicationName("tabrel");
    QApplication::setOrganizationDomain("tabrel.org");
    QGuiApplication::setDesktopFileName("org.tabrel.Tabrel");
    QApplication::setWindowIcon(QIcon::fromTheme("org.tabrel.Tabrel"));
}

std::filesystem::path toPath(const QString& folder) {
    return QFile::encodeName(folder).toStdString();
}

// Beside the executable, or in the user's data folder when the program is
// installed where the user cannot write.
QString gamesFolder() {
    const std::filesystem::path folder =
        gameFolder(toPath(QCoreApplication::applicationDirPath()),
                   toPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    return QFile::decodeName(folder.c_str());
}

// With TABREL_QUIT_AFTER_FIRST_PAINT set, the program says "painted" on its
// standard output once its window has been painted the first time, then closes
// it: the start-up benchmark times the start to that line.
class FirstPaintQuit : public QObject {
public:
    explicit FirstPaintQuit(QWidget& window) : window_(window) { window.installEventFilter(this); }

private:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            window_.removeEventFilter(this);
            // The children paint in the same pass; the line comes after them.
            QTimer::singleShot(0, &window_, [this] {
                std::puts("painted");
                std::fflush(stdout);
                window_.close();
            });
        }
        return false;
    }

    QWidget& window_;
};

} // namespace

int main(int argc, char** argv) {
    if (!displayAvailable()) {
        std::fputs("tabrel: no display found; Tabrel is a desktop program: start it in a "
                   "graphical session, or under a virtual display with xvfb-run build/tabrel\n",
                   stderr);
        return 2;
    }
    QApplication app(argc, argv);
    SignalEnd ending;
    nameTheProgram();
    QtShell shell;
    MainWindow window(shell, gamesFolder());
    // A signal answered during start-up (a message box runs events) ends it here.
    if (ending.requested())
        return 0;
    std::optional<FirstPaintQuit> timing;
    if (isSet("TABREL_QUIT_AFTER_FIRST_PAINT"))
        timing.emplace(window);
    window.show();
    return QApplication::exec();
}
