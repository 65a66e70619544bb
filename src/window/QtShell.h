// The window services the form calls out to, done with Qt.
#pragma once

#include "controls/Shell.h"
#include "window/BackgroundRunner.h"

class QTabWidget;
class QWidget;

class QtShell : public Shell {
public:
    // The window that owns message boxes and the tab area that showTab turns.
    void attach(QWidget* window, QTabWidget* tabs);

    MsgAnswer msgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                     const std::string& caption) override;
    void yield() override;
    void beep() override;
    void showTab(Page page) override;
    Runner& runner() override { return runner_; }
    void later(std::chrono::milliseconds delay, std::function<void()> call) override;
    std::chrono::system_clock::time_point now() override;

protected:
    QWidget* window() const { return window_; }

private:
    QWidget* window_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    BackgroundRunner runner_;
};
