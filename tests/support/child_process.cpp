// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/child_process.h"

#include "core/game_file.h"
#include "core/platform.h"

#include <cstdio>
#include <cstdlib>
#include <optional>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
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

// The variables set for the life of the object, so that a child started meanwhile inherits them.
class VariablesSet {
public:
    explicit VariablesSet(const ChildEnvironment& variables) {
        for (const auto& [name, value] : variables) {
            saved_.emplace_back(name, platform::Environment(name.c_str()));
            platform::SetEnvironment(name.c_str(), value);
        }
    }
    ~VariablesSet() {
        for (const auto& [name, value] : saved_)
            platform::SetEnvironment(name.c_str(), value);
    }
    VariablesSet(const VariablesSet&) = delete;
    VariablesSet& operator=(const VariablesSet&) = delete;

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

void EndChild(int code, std::string_view errors) {
#ifdef _WIN32
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    std::fwrite(errors.data(), 1, errors.size(), stderr);
    std::fflush(stderr);
    std::_Exit(code);
}

#ifdef _WIN32

struct ChildTest::Process {
    PROCESS_INFORMATION info{};
    HANDLE out = nullptr, err = nullptr;
    // Anonymous pipes cannot be waited on with a time limit: a thread drains each.
    std::thread outReader, errReader;
    ChildOutcome outcome;
};

void EndAbruptly() {
    ::TerminateProcess(::GetCurrentProcess(), kEndedAbruptly);
    for (;;)
        ::Sleep(1000);
}

ChildTest::ChildTest(const std::string& test, const ChildEnvironment& environment)
    : process_(std::make_unique<Process>()) {
    std::wstring self(32768, L'\0');
    self.resize(::GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
    std::wstring command = L"\"" + self + L"\" --gtest_also_run_disabled_tests --gtest_filter=" +
                           platform::ToPath(test).wstring();
    // The pipes' writing ends go to the child alone, so ours end when the child does.
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE writeOut = nullptr, writeErr = nullptr;
    if (!::CreatePipe(&process_->out, &writeOut, &inherited, 0) ||
        !::CreatePipe(&process_->err, &writeErr, &inherited, 0)) {
        process_->outcome.err = "no pipe for the child";
        return;
    }
    ::SetHandleInformation(process_->out, HANDLE_FLAG_INHERIT, 0);
    ::SetHandleInformation(process_->err, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeOut;
    startup.hStdError = writeErr;
    bool started = false;
    {
        const VariablesSet variables(environment);
        started = ::CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                   nullptr, &startup, &process_->info);
    }
    ::CloseHandle(writeOut);
    ::CloseHandle(writeErr);
    if (!started) {
        process_->outcome.err = "the child did not start";
        return;
    }
    const auto drain = [](HANDLE from, std::string* into) {
        char buffer[4096];
        DWORD n = 0;
        while (::ReadFile(from, buffer, sizeof buffer, &n, nullptr) && n > 0)
            into->append(buffer, n);
    };
    process_->outReader = std::thread(drain, process_->out, &process_->outcome.out);
    process_->errReader = std::thread(drain, process_->err, &process_->outcome.err);
}

ChildOutcome ChildTest::Wait(std::chrono::milliseconds limit) {
    Process& child = *process_;
    if (child.info.hProcess) {
        if (::WaitForSingleObject(child.info.hProcess, static_cast<DWORD>(limit.count())) ==
            WAIT_TIMEOUT) {
            ::TerminateProcess(child.info.hProcess, 124);
            ::WaitForSingleObject(child.info.hProcess, INFINITE);
            child.outcome.timedOut = true;
        }
        child.outReader.join();
        child.errReader.join();
        DWORD code = 0;
        ::GetExitCodeProcess(child.info.hProcess, &code);
        child.outcome.code = static_cast<int>(code);
        ::CloseHandle(child.info.hThread);
        ::CloseHandle(child.info.hProcess);
        child.info = {};
    }
    for (HANDLE* pipe : {&child.out, &child.err})
        if (*pipe) {
            ::CloseHandle(*pipe);
            *pipe = nullptr;
        }
    return child.outcome;
}

#else

struct ChildTest::Process {
    pid_t pid = -1;
    int out = -1, err = -1;
    ChildOutcome outcome;
};

void EndAbruptly() {
    ::_exit(kEndedAbruptly);
}

ChildTest::ChildTest(const std::string& test, const ChildEnvironment& environment)
    : process_(std::make_unique<Process>()) {
    char self[4096];
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
    int outPipe[2], errPipe[2];
    if (length <= 0 || ::pipe(outPipe) != 0) {
        process_->outcome.err = "no pipe for the child";
        return;
    }
    if (::pipe(errPipe) != 0) {
        ::close(outPipe[0]);
        ::close(outPipe[1]);
        process_->outcome.err = "no pipe for the child";
        return;
    }
    self[length] = '\0';
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], 1);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], 2);
    for (const int fd : {outPipe[0], outPipe[1], errPipe[0], errPipe[1]})
        posix_spawn_file_actions_addclose(&actions, fd);
    std::string disabled = "--gtest_also_run_disabled_tests";
    std::string filter = "--gtest_filter=" + test;
    char* argv[] = {self, disabled.data(), filter.data(), nullptr};
    int spawned = 0;
    {
        const VariablesSet variables(environment);
        spawned = ::posix_spawn(&process_->pid, self, &actions, nullptr, argv, environ);
    }
    posix_spawn_file_actions_destroy(&actions);
    ::close(outPipe[1]);
    ::close(errPipe[1]);
    process_->out = outPipe[0];
    process_->err = errPipe[0];
    if (spawned != 0) {
        process_->pid = -1;
        process_->outcome.err = "the child did not start";
    }
}

ChildOutcome ChildTest::Wait(std::chrono::milliseconds limit) {
    Process& child = *process_;
    if (child.pid > 0) {
        pollfd open[] = {{child.out, POLLIN, 0}, {child.err, POLLIN, 0}};
        std::string* into[] = {&child.outcome.out, &child.outcome.err};
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (open[0].fd >= 0 || open[1].fd >= 0) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            const int ready =
                left.count() > 0 ? ::poll(open, 2, static_cast<int>(left.count())) : 0;
            if (ready < 0 && errno == EINTR)
                continue;
            if (ready <= 0) {
                ::kill(child.pid, SIGKILL);
                child.outcome.timedOut = true;
                break;
            }
            for (int i = 0; i < 2; ++i) {
                if (open[i].fd < 0 || open[i].revents == 0)
                    continue;
                char buffer[4096];
                const ssize_t n = ::read(open[i].fd, buffer, sizeof buffer);
                if (n > 0)
                    into[i]->append(buffer, static_cast<std::size_t>(n));
                else
                    open[i].fd = -1;
            }
        }
        // A child that closed its output may still run: it gets the rest of its time.
        int status = 0;
        for (;;) {
            const pid_t ended = ::waitpid(child.pid, &status, WNOHANG);
            if (ended == child.pid || (ended < 0 && errno != EINTR))
                break;
            if (std::chrono::steady_clock::now() >= deadline && !child.outcome.timedOut) {
                ::kill(child.pid, SIGKILL);
                child.outcome.timedOut = true;
            }
            ::usleep(10000);
        }
        child.outcome.code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        child.pid = -1;
    }
    for (int* pipe : {&child.out, &child.err})
        if (*pipe >= 0) {
            ::close(*pipe);
            *pipe = -1;
        }
    return child.outcome;
}

#endif

ChildTest::~ChildTest() {
    Kill();
}

} // namespace psn::test
