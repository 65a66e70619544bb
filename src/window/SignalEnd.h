// Ends the program through its event loop when the system asks it to (SIGTERM,
// SIGINT, SIGHUP), as closing its window does.
#pragma once

#include <QObject>

class QSocketNotifier;

// The handlers only write the signal's number down a pipe; the event loop reads
// it between two events, so the end never falls inside a handler's work, such
// as a write to the stored games, and a run of "Auto Play" stops at its next
// yield. At most one SignalEnd exists.
class SignalEnd : public QObject {
public:
    // Installs the handlers. A signal that comes before the event loop runs is
    // acted on once events are processed.
    SignalEnd();
    ~SignalEnd() override;
    SignalEnd(const SignalEnd&) = delete;
    SignalEnd& operator=(const SignalEnd&) = delete;

    // True once a signal has asked the program to end: a window shown after it
    // would keep the program running, so none may be.
    bool requested() const { return requested_; }

private:
    void end();

    QSocketNotifier* notifier_ = nullptr;
    bool requested_ = false;
};
