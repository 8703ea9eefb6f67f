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
    : Error(message), path_(std::move(path)), reason_(std::move(reason)) {}

std::string FileError::Text() const {
    std::string text = what();
    const std::string where = reason_.empty() ? path_ : path_ + ": " + reason_;
    if (!path_.empty() && text.find(where) == std::string::npos)
        text += "\n" + where;
    return text;
}

FileResult FileResult::Failure(Status status, std::string path, std::string reason) {
    std::string message = path + ": " + reason;
    return Failure(status, std::move(path), std::move(reason), std::move(message));
}

FileResult FileResult::Failure(Status status, std::string path, std::string reason,
                               std::string message) {
    return {status, std::move(message), std::move(path), std::move(reason)};
}

} // namespace psn
