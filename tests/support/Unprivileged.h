// Runs a check as a user the permission bits bind: an administrator's writes pass through them.
#pragma once

#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

// The user the checks run as when the tests run as root.
inline constexpr uid_t UnprivilegedId = 65534;

// In a child process: becomes UnprivilegedId when running as root; false when
// that failed.
inline bool becomeUnprivileged() {
    return geteuid() != 0 || (setgroups(0, nullptr) == 0 && setgid(UnprivilegedId) == 0 &&
                              setuid(UnprivilegedId) == 0);
}

// Runs `check` in a child process, as UnprivilegedId when the tests run as root
// (else as the user running them), and returns the text it returned. The child
// sees the files the parent made, so they must be readable by that user.
inline std::string asUnprivilegedUser(const std::function<std::string()>& check) {
    int channel[2];
    EXPECT_EQ(pipe(channel), 0);
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        if (!becomeUnprivileged())
            _exit(2);
        const std::string result = check();
        const auto size = static_cast<ssize_t>(result.size());
        _exit(write(channel[1], result.data(), result.size()) == size ? 0 : 3);
    }
    close(channel[1]);
    std::string result;
    char buffer[4096];
    for (ssize_t got; (got = read(channel[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, static_cast<std::size_t>(got));
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "the unprivileged check did not finish: status " << status;
    return result;
}
