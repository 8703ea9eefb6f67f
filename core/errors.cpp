// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/errors.h"

#include "core/platform.h"

#include <cstring>
#include <utility>

namespace psn {

std::string SystemReason(int error) {
    return platform::ErrorText(error);
}

FileError::FileError(std::string path, std::string reason)
    : Error(reason.empty() ? path : path + ": " + reason), path_(std::move(path)),
      reason_(std::move(reason)) {}

FileError::FileError(const std::string& message, std::string path, std::string reason)
    : Error(message), path_(std::move(path)), reason_(std::move(reason)), saidReason_(reason_) {}

FileError::FileError(Message message, std::string path, Message reason)
    : Error(std::move(message)), path_(std::move(path)), reason_(English(reason)),
      saidReason_(std::move(reason)) {}

bool FileError::AddsWhere() const {
    const std::string where = reason_.empty() ? path_ : path_ + ": " + reason_;
    return !path_.empty() && std::string(what()).find(where) == std::string::npos;
}

std::string FileError::Text() const {
    std::string text = what();
    if (AddsWhere())
        text += "\n" + (reason_.empty() ? path_ : path_ + ": " + reason_);
    return text;
}

FileResult FileResult::Failure(Status status, std::string path, const Message& reason) {
    Message message(MessageKind::FileAndReason, {path, reason});
    return Failure(status, std::move(path), reason, std::move(message));
}

FileResult FileResult::Failure(Status status, std::string path, const Message& reason,
                               Message message) {
    std::string english = English(message);
    return {status, std::move(english), std::move(path), English(reason), std::move(message)};
}

} // namespace psn
