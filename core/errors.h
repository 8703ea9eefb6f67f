// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The errors of files: every one names the file and says why, in the system's words where the
// system refused. Exceptions derive from FileError; operations whose failure the caller handles
// in line return a FileResult, which cannot be ignored.
#pragma once

#include <stdexcept>
#include <string>

namespace psn {

// The system's text for an error number ("No space left on device").
std::string SystemReason(int error);

class FileError : public std::runtime_error {
public:
    // what() is "<path>: <reason>".
    FileError(std::string path, std::string reason);
    // what() is `message`, a fixed first line the user is shown; Text() adds the file and reason.
    FileError(const std::string& message, std::string path, std::string reason);

    // The file concerned; empty when the error is about no one file.
    const std::string& Path() const { return path_; }
    // Why: the system's reason, or what is wrong with the file's content.
    const std::string& Reason() const { return reason_; }
    // what(), then "<path>: <reason>" on a second line when what() does not say it already.
    std::string Text() const;

private:
    std::string path_;
    std::string reason_;
};

// The outcome of a file operation that reports rather than raises.
struct [[nodiscard]] FileResult {
    enum class Status {
        Ok,
        NoFileName, // no file was named
        NotOpened,  // missing, unreadable, not creatable or not replaceable: nothing was touched
        Failed,     // opened, but short, long, unreadable or not fully written
    };
    Status status = Status::Ok;
    std::string message; // for the user: names the file, says why and what to do
    std::string path;
    std::string reason;

    bool Ok() const { return status == Status::Ok; }
    explicit operator bool() const { return Ok(); }

    static FileResult Failure(Status status, std::string path, std::string reason);
    // The same with a message of the caller's words instead of "<path>: <reason>".
    static FileResult Failure(Status status, std::string path, std::string reason,
                              std::string message);
};

} // namespace psn
