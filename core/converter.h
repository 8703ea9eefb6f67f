// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The command lines of the external bitmap converter PSNJAM.EXE. Each is a program name plus an
// argument list, so a game folder with blanks reaches the converter as one argument.
#pragma once

#include <string>
#include <vector>

namespace psn {

inline constexpr const char* kConverterProgram = "PSNJAM.EXE";
inline constexpr const char* kHelmetsBitmap = ".\\TEMP\\HELMETS.BMP";
inline constexpr const char* kTeamBitmap = ".\\TEMP\\TEMPTEAM.BMP";
inline constexpr const char* kHelmetsArchive = "HELMETS1.JAM";

// What a command asks the converter to do, so that its messages can say so in whole sentences.
enum class ConverterTask : unsigned char { ExtractHelmets, WriteHelmets, ExtractCar, WriteCar };

struct ConverterCommand {
    std::string program = kConverterProgram;
    std::vector<std::string> arguments;
    ConverterTask task = ConverterTask::ExtractHelmets;
    std::string archive; // the game archive it reads or writes
    // The whole line as the game's own tools would see it, for messages.
    std::string Display() const;
};

// Archive to bitmap and back, for the helmet sheet.
ConverterCommand ExtractHelmetsCommand(const std::string& gameDir);
ConverterCommand WriteHelmetsCommand(const std::string& gameDir);
// Archive to bitmap and back, for one car archive (a name out of the car bitmap window's list).
ConverterCommand ExtractCarCommand(const std::string& gameDir, const std::string& jam);
ConverterCommand WriteCarCommand(const std::string& gameDir, const std::string& jam);

} // namespace psn
