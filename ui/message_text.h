// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's messages (core/messages.h) in the user's language: each kind's wording through
// the translations, its arguments put in whole. File names and the system's words are shown as
// the system gives them.
#pragma once

#include "core/errors.h"
#include "core/messages.h"

#include <QString>

namespace psn {

QString Worded(const Message& message);
// A file operation's failure.
QString Worded(const FileResult& result);
// what(), then "<file>: <reason>" below it when what() does not name them, as FileError::Text().
QString WordedText(const FileError& error);
// "<file>: <reason>".
QString WordedWhere(const FileError& error);

} // namespace psn
