// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Block operations. Car tuning: rev lights, fuel loads, weights and switches, and the patch list.
// They need the game files open and leave them open; a failed transfer raises FileAccessError.
#pragma once

#include "core/app_state.h"

#include <cstdint>
#include <vector>

namespace psn {

void ReadLightColours(AppState& state);
void WriteLightColours(AppState& state);
void ReadLightSpeeds(AppState& state);
void WriteLightSpeeds(AppState& state);
void ReadFuelLoads(AppState& state);
void WriteFuelLoads(AppState& state);
void ReadHumanWeight(AppState& state);
void WriteHumanWeight(AppState& state);
void ReadComputerWeight(AppState& state);
void WriteComputerWeight(AppState& state);
void ReadFuelDisplay(AppState& state);
void WriteFuelDisplay(AppState& state);
void ReadTeamPerformance(AppState& state);
void WriteTeamPerformance(AppState& state);
// Both walk ".\DATA\PLT.DAT"; the whole list is validated before the first byte is transferred,
// so a missing or damaged list raises DataFileError and leaves the record and the game untouched.
void ReadPatchList(AppState& state);
void WritePatchList(AppState& state);

inline constexpr const char* kPatchListFile = ".\\DATA\\PLT.DAT";

struct PatchRecord {
    std::uint32_t offset; // into the game executable
    std::uint8_t offByte;
    std::uint8_t onByte;
};

// Reads and validates the patch list: its size must be a multiple of 6 and, when the game
// executable is open, every offset must lie inside it. Raises DataFileError otherwise.
std::vector<PatchRecord> LoadPatchList(const AppState& state);
// LoadPatchList, and then every record's offset in the open executable must hold its off byte or
// its on byte; otherwise the list was made for another game (the shipped one is made for the
// sample game) and DataFileError names the first record that does not fit. Every command that
// writes through the list calls this before its first write.
std::vector<PatchRecord> LoadFittingPatchList(AppState& state);

// The import and export of the car tuning window (and of every export) use the patch list only
// in this edition, whose executable it was made for.
inline constexpr int kPatchListEdition = 0;

// The car tuning read and write operations in their fixed order; the patch list is included
// when `withPatchList` (validated, and on writing checked to fit, before anything else is
// transferred).
void ReadCarTuning(AppState& state, bool withPatchList);
void WriteCarTuning(AppState& state, bool withPatchList);

inline constexpr int kLightCount = 4;
inline constexpr int kLightSpeedBase = 6154; // the stored speeds count RPM above this
// A speed typed into the window keeps its low 16 bits, so no speed the window keeps is higher.
inline constexpr std::int32_t kLightSpeedMaxRpm = 0xFFFF;

// The names of the light colours 1, 2 and 3.
inline constexpr const char* kLightColourNames[] = {"Green", "Yellow", "Red"};

// Record offsets of light k's colour (k = 0..3) and speed (k = 1..3).
constexpr std::size_t LightColour(int light) {
    return rec::kLight0Colour + 3 * static_cast<std::size_t>(light);
}
constexpr std::size_t LightSpeed(int light) {
    return rec::kLight0Colour - 2 + 3 * static_cast<std::size_t>(light);
}

// Kilograms for a weight in pounds: pounds x 0.45359, rounded half to even.
int PoundsToKilograms(int pounds);
// The stored speed for an entered RPM: its low 16 bits above 6154, at least 0.
std::uint16_t StoredLightSpeed(std::int32_t rpm);
// The RPM a stored light speed switches at.
constexpr std::int32_t LightSpeedRpm(std::uint16_t stored) {
    return stored + kLightSpeedBase;
}
// The game counts the qualifying fuel load from the second lap on: laps shown = stored + 1.
constexpr int QualifyingFuelLaps(std::uint8_t stored) {
    return stored + 1;
}
// The stored qualifying load for entered laps, low 8 bits, no range check.
constexpr std::uint8_t StoredQualifyingFuel(std::int32_t laps) {
    return static_cast<std::uint8_t>(static_cast<std::uint32_t>(laps) - 1);
}

} // namespace psn
