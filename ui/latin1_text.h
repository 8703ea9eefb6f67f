// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Game strings in the windows: bytes shown one to one as Latin-1.
#pragma once

#include <QString>
#include <string>

class QLineEdit;

namespace psn {

QString FromGameBytes(const std::string& bytes);
std::string ToGameBytes(const QString& text);
// Limits a line edit to Latin-1 characters and `maxLength` bytes.
void RestrictToGameBytes(QLineEdit* edit, int maxLength);

// The widest "team-engine" label two full-length names make, for HoldText.
QString AnyTeamEngine();

} // namespace psn
