// A self-pipe from the signal handlers to the event loop.
#include "window/SignalEnd.h"

#include <QApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int EndingSignals[] = {SIGTERM, SIGINT, SIGHUP};

int pipeEnds[2] = {-1, -1}; // read, write: the handlers can reach nothing else

// Async-signal-safe: one write, errno kept for the code it interrupted.
extern "C" void noteSignal(int signal) {
    const int saved = errno;
    const char number = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = write(pipeEnds[1], &number, 1);
    errno = saved;
}

void setHandler(int signal, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(signal, &action, nullptr);
}

} // namespace

SignalEnd::SignalEnd() {
    if (pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        return; // without a pipe the signals keep their default: the program ends at once
    notifier_ = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SignalEnd::end);
    for (int signal : EndingSignals)
        setHandler(signal, noteSignal);
}

SignalEnd::~SignalEnd() {
    if (!notifier_)
        return;
    for (int signal : EndingSignals)
        setHandler(signal, SIG_DFL);
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
}

// Closing every window answers an open message box as its Escape key would (No
// to a question), stops a run of "Auto Play" and, with the last window gone,
// ends the event loop.
void SignalEnd::end() {
    char numbers[16];
    while (read(pipeEnds[0], numbers, sizeof numbers) > 0) {
    }
    requested_ = true;
    QApplication::closeAllWindows();
}
