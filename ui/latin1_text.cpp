// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/latin1_text.h"

#include "core/record_map.h"
#include "ui/font_scale.h"

#include <QLineEdit>
#include <QValidator>

namespace psn {

namespace {

class Latin1Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        for (const QChar c : input)
            if (c.unicode() > 0xFF)
                return Invalid;
        return Acceptable;
    }
};

} // namespace

QString FromGameBytes(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string ToGameBytes(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void RestrictToGameBytes(QLineEdit* edit, int maxLength) {
    edit->setMaxLength(maxLength);
    edit->setValidator(new Latin1Validator(edit));
}

QString AnyTeamEngine() {
    return AnyName(rec::kTeamNameCapacity) + "-" + AnyName(rec::kTeamNameCapacity);
}

} // namespace psn
