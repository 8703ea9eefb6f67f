// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The names window's rules: the team whose name, engine and drivers the boxes edit, the car
// numbers standing in its two slots, the selected marks and which teams take part. Texts are game
// bytes.
#pragma once

#include "core/record.h"

#include <cstddef>
#include <string>

namespace psn {

// The names window shows the marks of the 28 slots of the 14 teams.
constexpr int kShownSlotCount = 28;

class NamesModel {
public:
    using Field = std::size_t (*)(int team);

    explicit NamesModel(SettingsRecord& record) : record_(record) {}

    // The team the boxes edit; another number than 1..14 edits team 1.
    int EditedTeam() const { return team_; }
    void EditTeam(int team);

    std::string TeamField(Field field, int team) const;
    // The team or engine name of the edited team, cut to the field's capacity.
    void SetTeamField(Field field, const std::string& text);

    // A number box's entry for a slot: the car number - 1, or -1 for none; a number beyond the
    // box's 1..40 selects none too.
    int NumberIndex(int slot) const;
    // The entry chosen in a number box of a slot: entry i stands for car number i + 1.
    void ChooseNumber(int slot, int index);
    // What is typed for a driver without a car number 1..40 is dropped: he has no name entry.
    void SetDriverName(int slot, const std::string& text);

    void SetSlotMark(int slot, bool selected);
    void SetTeamInUse(int team, bool inUse);
    bool FirstDriverSwitch() const;
    void SetFirstDriverSwitch(bool on);

private:
    SettingsRecord& record_;
    int team_ = 1;
};

} // namespace psn
