// What a run needs around it without a window: nothing to wait for, the system's clock.
#pragma once

#include "controls/Shell.h"

class HeadlessHost : public RunHost {
public:
    void yield() override {}
    std::chrono::system_clock::time_point now() override {
        return std::chrono::system_clock::now();
    }
};
