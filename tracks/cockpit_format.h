// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Cockpit data files: the text files that ship beside each replacement cockpit's pictures, read
// into the list of writes that patch the game executable for the cockpit.
#pragma once

#include "core/app_state.h"
#include "tracks/cockpit_table.h"

#include <cstdint>
#include <string>
#include <vector>

namespace psn {

constexpr std::size_t kCockpitDataLines = 190;

struct PatchWrite {
    std::uint32_t offset = 0;
    int width = 1; // bytes: 1, or 2 low byte first
    std::int32_t value = 0;
    friend bool operator==(const PatchWrite&, const PatchWrite&) = default;
};

// The data file's name for an edition: editions 1, 2, 3, 4 and 6 read it with its last character
// replaced by their letter ("M197.DAT" is "M197.DAg" for edition 1).
std::string CockpitDataFileName(const std::string& path, int edition);

// Field 1..4 of a line (columns 34-36, 40-42, 47-49, 54-56); whatever of it the line holds.
std::string CockpitField(const std::string& line, int field);

// Turns the lines of a cockpit data file into its writes, in the order they are made. Every line
// is checked before any write exists, so a damaged file patches nothing: a field that is no
// integer raises DataFileError "'<field>' is not a valid integer value"; too few lines raise
// DataFileError too.
class CockpitDataReader {
public:
    CockpitDataReader(std::vector<std::string> lines, int edition);
    std::vector<PatchWrite> Read();

private:
    const std::string& NextLine();
    std::int32_t Field(const std::string& line, int field) const;
    void Write(std::uint32_t offset, int width, std::int32_t value);
    void ReadYLimit();
    void ReadXYData();
    void GetXYData(const CockpitRow& row);
    void ReadScreenData_SVGA();
    void ReadScreenData_VGA();
    void GetScreenData(const std::string& line, bool twoBytes);
    void ReadTXT();

    std::vector<std::string> lines_;
    int edition_;
    std::size_t next_ = 0;
    std::uint32_t target_ = 0; // the current target offset of the screen data and text runs
    std::vector<PatchWrite> writes_;
};

// Reads the file (its edition name) into its writes; a missing or damaged file raises
// DataFileError, which names the file.
std::vector<PatchWrite> ReadCockpitData(const std::string& path, int edition);

// Makes the writes into the open game executable, each after seeking to its offset.
void ApplyCockpitPatch(AppState& state, const std::vector<PatchWrite>& writes);

} // namespace psn
