// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/number_input.h"

#include "core/int_conv.h"
#include "core/number_text.h"

#include <QCoreApplication>
#include <QLocale>

namespace psn {

std::optional<int> ConvertInteger(AppContext& context, QWidget* parent, const QString& text) {
    if (const auto value = StrToInt(text.toLatin1().toStdString()))
        return *value;
    context.dialogs.Error(
        parent, QCoreApplication::translate("psn::GameActions", "'%1' is not a valid integer value")
                    .arg(text));
    return std::nullopt;
}

std::optional<double> ConvertDecimal(AppContext& context, QWidget* parent, const QString& text) {
    if (const auto value = StrToFloat(text.toLatin1().toStdString()))
        return *value;
    context.dialogs.Error(
        parent,
        QCoreApplication::translate("psn::GameActions", "'%1' is not a valid floating point value")
            .arg(text));
    return std::nullopt;
}

char DecimalMark() {
    // A mark outside Latin-1 (as in Arabic) cannot be typed into a game-byte box.
    const QString mark = QLocale().decimalPoint();
    return mark.size() == 1 && mark[0].unicode() < 0x80 ? mark[0].toLatin1() : '.';
}

} // namespace psn
