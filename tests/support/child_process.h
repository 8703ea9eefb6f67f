// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A test run in a process of its own, on every system: the test program runs itself again with
// one child-only test. Tests use it for what must happen in another process: a command that ends
// abruptly half way (as when it is killed), a lock held by a process that dies, a command that
// might block for ever and must not hang the suite.
//
// Child-only tests are named DISABLED_..., so a normal run skips them; they take their parameters
// from environment variables the parent sets (ChildParameter).
#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace psn {
struct TransferFaults;
}

namespace psn::test {

// The exit code of a child that ended itself through EndAbruptly.
inline constexpr int kEndedAbruptly = 86;

struct ChildOutcome {
    int code = -1;         // the exit code (on POSIX 128 + the signal when a signal ended it)
    bool timedOut = false; // killed because it outlived its time limit
    std::string out, err;  // its standard output and error
};

using ChildEnvironment = std::vector<std::pair<std::string, std::string>>;

// The test `test` ("Suite.DISABLED_Name") of this program, started in a child process with the
// variables of `environment` set. Killed when it is destroyed still running.
class ChildTest {
public:
    ChildTest(const std::string& test, const ChildEnvironment& environment);
    ~ChildTest();
    ChildTest(const ChildTest&) = delete;
    ChildTest& operator=(const ChildTest&) = delete;

    // Waits for the child to end, killing it once it has run `limit` more. On POSIX its output is
    // read only here, so a child that writes more than a pipe holds must not be left unwaited.
    ChildOutcome Wait(std::chrono::milliseconds limit = std::chrono::seconds(60));
    // Kills the child now, as a crash or the user would.
    ChildOutcome Kill() { return Wait(std::chrono::milliseconds(0)); }

private:
    struct Process; // what each system needs to know of it
    std::unique_ptr<Process> process_;
};

// Runs a child test to its end, killing it after `limit`.
inline ChildOutcome RunChildTest(const std::string& test, const ChildEnvironment& environment,
                                 std::chrono::milliseconds limit = std::chrono::seconds(60)) {
    return ChildTest(test, environment).Wait(limit);
}

// The value of a variable the parent set for a child test; an empty string when missing.
std::string ChildParameter(const char* name);

// Ends this process at once, as a kill does: no destructor, no buffered output, no clean-up.
[[noreturn]] void EndAbruptly();

// Makes `faults` end this process abruptly at the `step`-th transfer it counts from now (1-based).
void EndAbruptlyAt(TransferFaults& faults, long step);

// Ends a child test with exit code `code` and `errors`, unchanged, on its standard error, without
// the test framework's report.
[[noreturn]] void EndChild(int code, std::string_view errors);

} // namespace psn::test
