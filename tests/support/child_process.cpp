// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/child_process.h"

#include "core/game_file.h"
#include "core/platform.h"

#include <optional>

#ifdef _WIN32
#include <thread>
#include <windows.h>
#else
#include <cerrno>
#include <csignal>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;
#endif

namespace psn::test {

namespace {

// The variables set for the life of the object, so that a started child inherits them.
class ChildEnvironment {
public:
    explicit ChildEnvironment(const std::vector<std::pair<std::string, std::string>>& variables) {
        for (const auto& [name, value] : variables) {
            saved_.emplace_back(name, platform::Environment(name.c_str()));
            platform::SetEnvironment(name.c_str(), value);
        }
    }
    ~ChildEnvironment() {
        for (const auto& [name, value] : saved_)
            platform::SetEnvironment(name.c_str(), value);
    }
    ChildEnvironment(const ChildEnvironment&) = delete;
    ChildEnvironment& operator=(const ChildEnvironment&) = delete;

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

long gEndAt = 0;

} // namespace

std::string ChildParameter(const char* name) {
    return platform::Environment(name).value_or(std::string());
}

void EndAbruptlyAt(TransferFaults& faults, long step) {
    gEndAt = faults.count + step;
    faults.observe = [](long count) {
        if (count == gEndAt)
            EndAbruptly();
    };
}

#ifdef _WIN32

void EndAbruptly() {
    ::TerminateProcess(::GetCurrentProcess(), kEndedAbruptly);
    for (;;)
        ::Sleep(1000);
}

ChildOutcome RunChildTest(const std::string& test,
                          const std::vector<std::pair<std::string, std::string>>& environment,
                          std::chrono::milliseconds limit) {
    ChildOutcome outcome;
    std::wstring self(32768, L'\0');
    self.resize(::GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
    std::wstring command = L"\"" + self + L"\" --gtest_also_run_disabled_tests --gtest_filter=" +
                           platform::ToPath(test).wstring();
    // The pipes' writing ends go to the child; ours end when the child and its copies are gone.
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE readOut = nullptr, writeOut = nullptr, readErr = nullptr, writeErr = nullptr;
    if (!::CreatePipe(&readOut, &writeOut, &inherited, 0) ||
        !::CreatePipe(&readErr, &writeErr, &inherited, 0)) {
        outcome.err = "no pipe for the child";
        return outcome;
    }
    ::SetHandleInformation(readOut, HANDLE_FLAG_INHERIT, 0);
    ::SetHandleInformation(readErr, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeOut;
    startup.hStdError = writeErr;
    PROCESS_INFORMATION child{};
    bool started = false;
    {
        const ChildEnvironment variables(environment);
        started = ::CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                   nullptr, &startup, &child);
    }
    ::CloseHandle(writeOut);
    ::CloseHandle(writeErr);
    if (!started) {
        ::CloseHandle(readOut);
        ::CloseHandle(readErr);
        outcome.err = "the child did not start";
        return outcome;
    }
    // Anonymous pipes cannot be waited on with a time limit: one thread drains each.
    const auto drain = [](HANDLE from, std::string& into) {
        char buffer[4096];
        DWORD n = 0;
        while (::ReadFile(from, buffer, sizeof buffer, &n, nullptr) && n > 0)
            into.append(buffer, n);
    };
    std::thread out(drain, readOut, std::ref(outcome.out));
    std::thread err(drain, readErr, std::ref(outcome.err));
    if (::WaitForSingleObject(child.hProcess, static_cast<DWORD>(limit.count())) == WAIT_TIMEOUT) {
        ::TerminateProcess(child.hProcess, 124);
        ::WaitForSingleObject(child.hProcess, INFINITE);
        outcome.timedOut = true;
    }
    out.join();
    err.join();
    DWORD code = 0;
    ::GetExitCodeProcess(child.hProcess, &code);
    outcome.code = static_cast<int>(code);
    ::CloseHandle(child.hThread);
    ::CloseHandle(child.hProcess);
    ::CloseHandle(readOut);
    ::CloseHandle(readErr);
    return outcome;
}

#else

void EndAbruptly() {
    ::_exit(kEndedAbruptly);
}

ChildOutcome RunChildTest(const std::string& test,
                          const std::vector<std::pair<std::string, std::string>>& environment,
                          std::chrono::milliseconds limit) {
    ChildOutcome outcome;
    char self[4096];
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) {
        outcome.err = "this program's path is unknown";
        return outcome;
    }
    self[length] = '\0';
    int outPipe[2], errPipe[2];
    if (::pipe(outPipe) != 0 || ::pipe(errPipe) != 0) {
        outcome.err = "no pipe for the child";
        return outcome;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], 1);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], 2);
    for (const int fd : {outPipe[0], outPipe[1], errPipe[0], errPipe[1]})
        posix_spawn_file_actions_addclose(&actions, fd);
    std::string filter = "--gtest_filter=" + test;
    std::string disabled = "--gtest_also_run_disabled_tests";
    char* argv[] = {self, disabled.data(), filter.data(), nullptr};
    pid_t pid = -1;
    int spawned = 0;
    {
        const ChildEnvironment variables(environment);
        spawned = ::posix_spawn(&pid, self, &actions, nullptr, argv, environ);
    }
    posix_spawn_file_actions_destroy(&actions);
    ::close(outPipe[1]);
    ::close(errPipe[1]);
    if (spawned != 0) {
        ::close(outPipe[0]);
        ::close(errPipe[0]);
        outcome.err = "the child did not start";
        return outcome;
    }
    pollfd open[] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
    std::string* into[] = {&outcome.out, &outcome.err};
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (open[0].fd >= 0 || open[1].fd >= 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        const int ready = left.count() > 0 ? ::poll(open, 2, static_cast<int>(left.count())) : 0;
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0) {
            ::kill(pid, SIGKILL);
            outcome.timedOut = true;
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (open[i].fd < 0 || open[i].revents == 0)
                continue;
            char buffer[4096];
            const ssize_t n = ::read(open[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                into[i]->append(buffer, static_cast<std::size_t>(n));
            } else {
                ::close(open[i].fd);
                open[i].fd = -1;
            }
        }
    }
    for (const pollfd& stream : open)
        if (stream.fd >= 0)
            ::close(stream.fd);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    outcome.code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return outcome;
}

#endif

} // namespace psn::test
