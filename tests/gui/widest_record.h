// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A record whose every value is the widest the game can hold, for tests that look whether the
// windows show values whole.
#pragma once

#include "core/record.h"
#include "shell/record_fields_table.h"

#include <QApplication>
#include <QFontMetrics>
#include <string>

namespace psn::test {

// Every number at the end of its range with the longer text (-32768, 65535); every name at its
// full length in the widest letter of the application's font that a game text can hold; every
// team in use, so that the windows list them all.
inline SettingsRecord WidestRecord(SettingsRecord record) {
    const QFontMetrics metrics(QApplication::font());
    QChar widest = 'W';
    for (char16_t code = u'A'; code <= 0xFF; ++code)
        if (QChar(code).isLetter() &&
            metrics.horizontalAdvance(QChar(code)) > metrics.horizontalAdvance(widest))
            widest = QChar(code);
    for (const fields::Field& field : fields::Fields()) {
        if (field.kind == fields::Kind::Text) {
            const QString name(static_cast<qsizetype>(field.capacity), widest);
            field.set(record, {0, name.toStdString()});
        }
        if (field.kind == fields::Kind::Switch && field.key.ends_with(" in use"))
            field.set(record, {1, {}});
        if (field.kind != fields::Kind::Number)
            continue;
        const bool low = std::to_string(field.min).size() > std::to_string(field.max).size();
        field.set(record, {low ? field.min : field.max, {}});
    }
    return record;
}

} // namespace psn::test
