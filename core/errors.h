// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's errors. Every one says what is wrong in words the user can act on: a file's
// error names the file and says why, in the system's words where the system refused; an input
// error names the part of the input. Exceptions derive from Error; operations whose failure the
// caller handles in line return a FileResult, which cannot be ignored.
#pragma once

#include "core/messages.h"

#include <stdexcept>
#include <string>

namespace psn {

// The system's text for an error number ("No space left on device").
std::string SystemReason(int error);

class Error : public std::runtime_error {
public:
    explicit Error(const std::string& text) : std::runtime_error(text), said_(text) {}
    explicit Error(const char* text) : Error(std::string(text)) {}
    // what() is the message in English; the windows word Said() in the user's language.
    explicit Error(Message said) : std::runtime_error(English(said)), said_(std::move(said)) {}

    const Message& Said() const { return said_; }

private:
    Message said_;
};

// Input that is not what it must be (a settings document, a value given on the command line):
// what() says which part and why.
class InputError : public Error {
public:
    using Error::Error;
};

// Text that is not a well-formed document: what() names the line and what was expected.
class ParseError : public InputError {
public:
    using InputError::InputError;
};

class FileError : public Error {
public:
    // what() is "<path>: <reason>".
    FileError(std::string path, std::string reason);
    // what() is `message`, a fixed first line the user is shown; Text() adds the file and reason.
    FileError(const std::string& message, std::string path, std::string reason);
    // The same with the message and the reason as data.
    FileError(Message message, std::string path, Message reason);

    // The file concerned; empty when the error is about no one file.
    const std::string& Path() const { return path_; }
    // Why: the system's reason, or what is wrong with the file's content.
    const std::string& Reason() const { return reason_; }
    const Message& SaidReason() const { return saidReason_; }
    // what(), then "<path>: <reason>" on a second line when what() does not say it already.
    std::string Text() const;
    // Whether Text() adds the file and reason below what().
    bool AddsWhere() const;

private:
    std::string path_;
    std::string reason_;
    Message saidReason_;
};

// The outcome of a file operation that reports rather than raises.
struct [[nodiscard]] FileResult {
    enum class Status {
        Ok,
        NoFileName, // no file was named
        NotOpened,  // missing, unreadable, not creatable or not replaceable: nothing was touched
        Failed,     // opened, but short, long, unreadable or not fully written
        Refused,    // something that is no regular file is in the way: nothing was touched
    };
    Status status = Status::Ok;
    std::string message; // for the user, in English: names the file, says why and what to do
    std::string path;
    std::string reason;
    Message said; // the message as data, for the windows to word

    bool Ok() const { return status == Status::Ok; }
    explicit operator bool() const { return Ok(); }

    static FileResult Failure(Status status, std::string path, const Message& reason);
    // The same with a message of the caller's words instead of "<path>: <reason>".
    static FileResult Failure(Status status, std::string path, const Message& reason,
                              Message message);
};

} // namespace psn
