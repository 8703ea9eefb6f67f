// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Numbers typed into a window's boxes, converted with a message for text that is no number.
#pragma once

#include "ui/app_context.h"

#include <QString>
#include <optional>

class QWidget;

namespace psn {

// Converts a box's text with the runtime's integer rules; on failure shows
// "'<text>' is not a valid integer value" and returns nothing.
[[nodiscard]] std::optional<int> ConvertInteger(AppContext& context, QWidget* parent,
                                                const QString& text);
// Converts a box's decimal text, "." or "," as the decimal mark, whatever the locale; on failure
// shows "'<text>' is not a valid floating point value" and returns nothing.
[[nodiscard]] std::optional<double> ConvertDecimal(AppContext& context, QWidget* parent,
                                                   const QString& text);
// The decimal mark of the user's locale, for numbers that boxes show.
char DecimalMark();

} // namespace psn
