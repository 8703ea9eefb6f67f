// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Byte offsets of every block in the 2846-byte settings record. Each offset is named once here;
// block operations and windows address the record only through these names.
#pragma once

#include <cstddef>

namespace psn::rec {

constexpr std::size_t kSize = 2846;

// Names and numbers.
constexpr std::size_t kDriverNames = 1; // 40 entries, car number n at kDriverNames + 25*(n-1)
constexpr std::size_t kDriverNameStride = 25;
constexpr std::size_t kDriverNameCapacity = 24;
constexpr std::size_t kTeamNames = 1001; // 14 entries, team t at kTeamNames + 14*(t-1)
constexpr std::size_t kEngineNames = 1197;
constexpr std::size_t kTeamNameStride = 14;
constexpr std::size_t kTeamNameCapacity = 13;
constexpr std::size_t kCarSlots = 1393;  // 40 slots: number byte, selected-mark byte
constexpr std::size_t kTeamInUse = 1833; // one byte per team
constexpr std::size_t kTeamInUseEnd = kTeamInUse + 14;
constexpr std::size_t kFirstDriverSwitch = 2342;

// Performance.
constexpr std::size_t kEnginePowerQual = 1473;  // 20 team words
constexpr std::size_t kEnginePowerOther = 1513; // 20 team words
constexpr std::size_t kGripQual = 1553;         // 40 words by car number
constexpr std::size_t kGripOther = 1633;        // 40 words by car number
constexpr std::size_t kFailures = 1713;         // 20 words
constexpr std::size_t kGripRange = 1753;        // 40 words by car number
constexpr std::size_t kHumanPowerQual = 2338;
constexpr std::size_t kHumanPowerOther = 2340;
constexpr std::size_t kRandomPowerSwitch = 2343;

// Pit line.
constexpr std::size_t kPitOrder = 1853; // position p (1..14) at kPitOrder + p - 1
constexpr std::size_t kPitOrderEnd = kPitOrder + 14;
constexpr std::size_t kSpeedCheckSwitch = 2344;
constexpr std::size_t kPitSpeed = 2348;

// Car tuning.
constexpr std::size_t kFuelDisplaySwitch = 2345;
constexpr std::size_t kTeamPerformanceSwitch = 2346;
constexpr std::size_t kPatchListSwitch = 2347;
constexpr std::size_t kHumanWeight = 2350;
constexpr std::size_t kComputerWeight = 2352;
constexpr std::size_t kPracticeFuel = 2354;
constexpr std::size_t kQualifyingFuel = 2355;
constexpr std::size_t kLight0Colour = 2836;
constexpr std::size_t kLight1Speed = 2837;
constexpr std::size_t kLight1Colour = 2839;
constexpr std::size_t kLight2Speed = 2840;
constexpr std::size_t kLight2Colour = 2842;
constexpr std::size_t kLight3Speed = 2843;
constexpr std::size_t kLight3Colour = 2845;

// Pictures.
constexpr std::size_t kCockpitColours = 1878; // 20 teams x 3 bytes
constexpr std::size_t kCockpitColourStride = 3;
constexpr std::size_t kPitCrewColours = 1938; // 14 teams x 16 bytes
constexpr std::size_t kPitCrewColourStride = 16;
constexpr std::size_t kCameras = 2162; // 11 rows x 8 signed words
constexpr std::size_t kCameraRowStride = 16;

// Settings description: length byte + 255 characters.
constexpr std::size_t kDescription = 2356;
constexpr std::size_t kDescriptionCapacity = 255;

constexpr std::size_t kNoseCones = 2612;    // one byte per team
constexpr std::size_t kTrackEntries = 2626; // 16 tracks x 13 bytes
constexpr std::size_t kTrackEntryStride = 13;
constexpr std::size_t kTrackEntriesEnd = 2834; // one past the last track entry byte

// The bytes no block operation writes; a settings file carries them all the same. A new field
// takes its bytes out of these.
struct ByteRange {
    std::size_t begin, end;
};
inline constexpr ByteRange kUnused[] = {{0, kDriverNames},
                                        {kTeamInUseEnd, kPitOrder},
                                        {kPitOrderEnd, kCockpitColours},
                                        {kTrackEntriesEnd, kLight0Colour}};

constexpr std::size_t DriverName(int number) {
    return kDriverNames + kDriverNameStride * (number - 1);
}
constexpr std::size_t TeamName(int team) {
    return kTeamNames + kTeamNameStride * (team - 1);
}
constexpr std::size_t EngineName(int team) {
    return kEngineNames + kTeamNameStride * (team - 1);
}
constexpr std::size_t SlotNumber(int slot) {
    return kCarSlots + 2 * (slot - 1);
}
constexpr std::size_t SlotMark(int slot) {
    return kCarSlots + 2 * (slot - 1) + 1;
}
constexpr std::size_t TeamInUse(int team) {
    return kTeamInUse + (team - 1);
}
// Per car number 1..40.
constexpr std::size_t GripQual(int number) {
    return kGripQual + 2 * (number - 1);
}
constexpr std::size_t GripOther(int number) {
    return kGripOther + 2 * (number - 1);
}
constexpr std::size_t GripRange(int number) {
    return kGripRange + 2 * (number - 1);
}
// Per team 1..20.
constexpr std::size_t EnginePowerQual(int team) {
    return kEnginePowerQual + 2 * (team - 1);
}
constexpr std::size_t EnginePowerOther(int team) {
    return kEnginePowerOther + 2 * (team - 1);
}
constexpr std::size_t Failure(int team) {
    return kFailures + 2 * (team - 1);
}

} // namespace psn::rec
