// Message boxes, the event loop, the beep, the tab area and the clock.
#include "window/QtShell.h"

#include <QApplication>
#include <QMessageBox>
#include <QTabWidget>
#include <QTimer>

void QtShell::attach(QWidget* window, QTabWidget* tabs) {
    window_ = window;
    tabs_ = tabs;
}

MsgAnswer QtShell::msgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                          const std::string& caption) {
    const QMessageBox::Icon shown = icon == MsgIcon::Warning    ? QMessageBox::Warning
                                    : icon == MsgIcon::Question ? QMessageBox::Question
                                                                : QMessageBox::NoIcon;
    const QMessageBox::StandardButtons offered =
        buttons == MsgButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
    QMessageBox box(shown, QString::fromStdString(caption.empty() ? ProgramTitle : caption),
                    QString::fromStdString(text), offered, window_);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    default:
        return MsgAnswer::Ok;
    }
}

void QtShell::yield() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtShell::beep() {
    QApplication::beep();
}

void QtShell::showTab(Page page) {
    if (tabs_)
        tabs_->setCurrentIndex(static_cast<int>(page));
}

// Timed on the runner, so nothing fires once the shell has gone.
void QtShell::later(std::chrono::milliseconds delay, std::function<void()> call) {
    QTimer::singleShot(delay, &runner_, std::move(call));
}

std::chrono::system_clock::time_point QtShell::now() {
    return std::chrono::system_clock::now();
}
