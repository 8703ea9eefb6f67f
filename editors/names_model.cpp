// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/names_model.h"

#include "editors/lineup.h"

namespace psn {

void NamesModel::EditTeam(int team) {
    team_ = team >= 1 && team <= kTeamCount ? team : 1;
}

std::string NamesModel::TeamField(Field field, int team) const {
    return record_.str(field(team), rec::kTeamNameCapacity);
}

void NamesModel::SetTeamField(Field field, const std::string& text) {
    record_.setStr(field(team_), rec::kTeamNameCapacity, text);
}

int NamesModel::NumberIndex(int slot) const {
    const int number = SlotNumber(record_, slot);
    return IsCarNumber(number) ? number - 1 : -1;
}

void NamesModel::ChooseNumber(int slot, int index) {
    if (index >= 0 && index < kCarNumberCount)
        record_.setU8(rec::SlotNumber(slot), static_cast<std::uint8_t>(index + 1));
}

void NamesModel::SetDriverName(int slot, const std::string& text) {
    if (const int number = SlotNumber(record_, slot); IsCarNumber(number))
        record_.setStr(rec::DriverName(number), rec::kDriverNameCapacity, text);
}

void NamesModel::SetSlotMark(int slot, bool selected) {
    record_.setU8(rec::SlotMark(slot), selected ? 1 : 0);
}

void NamesModel::SetTeamInUse(int team, bool inUse) {
    record_.setU8(rec::TeamInUse(team), inUse ? 1 : 0);
}

bool NamesModel::FirstDriverSwitch() const {
    return record_.u8(rec::kFirstDriverSwitch) != 0;
}

void NamesModel::SetFirstDriverSwitch(bool on) {
    record_.setU8(rec::kFirstDriverSwitch, on ? 1 : 0);
}

} // namespace psn
