#pragma once

// Runs a piece of a test in a forked child, so that whatever it changes
// about its process (its user, limits or signal handling) stays there.

#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace lumbrant::testing {

// Answers what body answers (0 to 253), 254 when it threw, or -1 when the
// child did not end normally.
inline int RunInForkedChild(const std::function<int()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        // The child must never return into the test program's own run.
        int answer = 254;
        try {
            answer = body();
        } catch (...) {
        }
        ::_exit(answer);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

} // namespace lumbrant::testing
