// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The record's fields and the windows that edit them, named in the user's language, for the undo
// steps and the compare window. psnedit and the settings document keep the fields' keys, which
// are their names there.
#pragma once

#include "core/record.h"
#include "shell/record_fields_table.h"

#include <QString>
#include <string>
#include <vector>

namespace psn {

// The title of the window that edits a group, as that window shows it; the group's key for the
// bytes no window shows.
QString WindowTitle(fields::Group group);
// A field's name: the translation of its key's wording with the key's numbers put in
// ("team 3 qualification" is "Team 3 Qualifikation" in German).
QString FieldName(const fields::Field& field);
// The same with the track's name after its number where the context knows it ("track 3 'Monza'
// front wing"), as the compare window lists a field.
QString FieldName(const fields::Field& field, const fields::Context& context);
// An undo step's name from the fields it changed: "Engine power: team 3 qualification", with
// "and 2 more" when more changed; "Change" when no listed field did.
QString StepTitle(const SettingsRecord& before, const SettingsRecord& after);

// The wording a key is translated by: each number that stands as a word of its own becomes %1,
// %2, … in order ("team 3 1st driver number" is "team %1 1st driver number"); the numbers go to
// `numbers`.
std::string FieldWording(const std::string& key, std::vector<std::string>* numbers = nullptr);
// Every wording of the fields' keys, as the translations hold them.
const std::vector<std::string>& FieldWordings();

} // namespace psn
