// Starts the program: one window, the event loop, and the end when it closes.
#include "window/MainWindow.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {

bool isSet(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value;
}

// Qt aborts with a plugin trace when it finds no display; say it plainly instead.
bool displayAvailable() {
    return isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char** argv) {
    if (!displayAvailable()) {
        std::fputs("tabrel: no display found; Tabrel is a desktop program: start it in a "
                   "graphical session, or under a virtual display with xvfb-run build/tabrel\n",
                   stderr);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(ProgramTitle);
    QtShell shell;
    MainWindow window(shell);
    window.show();
    return QApplication::exec();
}
