// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Language editions of the game and the file offsets of every block per edition.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace psn {

constexpr int kEditionCount = 7;
constexpr std::uint32_t kEditionByteOffset = 0x569973;

// Rows of the edition offset table, named after the block they locate.
enum class ExeRow : int {
    DriverNames = 0,
    CarNumbers = 1,
    CockpitColours = 2,
    EngineNames = 3,
    TeamNames = 4,
    FirstDriverSwitch = 5,
    EnginePower = 6,
    Grip = 7,
    GripRange = 8,
    Failures = 9,
    HumanPowerOther = 10,
    HumanPowerQual = 11,
    PitLine = 12,
    RandomPowerPatch = 13,
    SpeedCheckSwitch = 14,
    FuelDisplay = 15,
    // Rows 16 and 17 hold offsets that nothing reads.
    PitSpeed = 18,
    HumanWeight = 19,
    NoseCones = 20,
    PitCrewColours = 21,
    Cameras = 22,
    LightColours = 23,
    LightSpeeds = 24,
    PracticeFuel = 25,
    QualifyingFuel = 26,
    ComputerWeight = 27,
    TyreTable = 28,
    TeamPerformance1 = 29,
    TeamPerformance2 = 30,
    TrackNames = 31,
    TrackManager32 = 32,
    TrackManager33 = 33,
    TrackManager34 = 34,
};
constexpr int kExeRowCount = 35;

// File offset of a block row in an edition (0..6).
std::uint32_t ExeOffset(ExeRow row, int edition);

// Offsets into F1GSTATE.SAV, the same for every edition.
namespace state {
constexpr std::uint16_t kCarNumbers = 0x37F2;
constexpr std::uint16_t kCockpitColours = 0x381A;
constexpr std::uint16_t kDriverNames = 0x387E;
constexpr std::uint16_t kTeamNames = 0x3C3E;
constexpr std::uint16_t kEngineNames = 0x3D42;
} // namespace state

// The display name of an edition, as bytes (edition 3's name holds F3h and A5h).
const std::string& EditionName(int edition);

// Maps an edition byte to its edition; any unknown byte leaves `current` unchanged.
int EditionFromByte(std::uint8_t byte, int current);

// The edition letter each edition's files are named with (cockpit data, for instance).
char EditionByte(int edition);

} // namespace psn
