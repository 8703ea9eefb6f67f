// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's line-up as the editors list it: 14 teams, each with two car slots (2t-1 and 2t),
// shown as team name + "-" + engine name. Driver names and the grip tables are indexed by the car
// number that stands in a slot, not by the slot.
#pragma once

#include "core/record.h"

#include <string>
#include <vector>

namespace psn {

constexpr int kTeamCount = 14;
constexpr int kCarNumberCount = 40; // car numbers and slots 1..40; slots 29..40 are never shown
constexpr int kTeamWordCount = 20;  // per-team value tables hold 20 entries; 15..20 are unused

constexpr int FirstSlot(int team) {
    return 2 * team - 1;
}
constexpr int SecondSlot(int team) {
    return 2 * team;
}
// Numbers up to 128 can stand in a slot, but only 1..40 have a name and grip entries; a higher
// byte in the game is a number with the selected mark.
constexpr int kSlotNumberMax = 128;
constexpr bool IsCarNumber(int number) {
    return number >= 1 && number <= kCarNumberCount;
}
constexpr int TeamOfSlot(int slot) {
    return (slot + 1) / 2;
}

// Team name + "-" + engine name, as game bytes.
std::string TeamEngineLabel(const SettingsRecord& record, int team);
bool TeamInUse(const SettingsRecord& record, int team);
// Teams 1..14 that take part, in order.
std::vector<int> TeamsInUse(const SettingsRecord& record);

int SlotNumber(const SettingsRecord& record, int slot);
bool SlotSelected(const SettingsRecord& record, int slot);
// The driver name of a car number 1..40; empty for any other number (0 means no driver).
std::string DriverName(const SettingsRecord& record, int number);

} // namespace psn
