// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/converter.h"

#include "core/fs.h"

namespace psn {
namespace {

std::string ArchivePath(const std::string& gameDir, const std::string& jam) {
    return fs::ResolveCase(fs::Join(gameDir, "GAMEJAMS\\" + jam));
}

ConverterCommand Make(std::string first, std::string second) {
    ConverterCommand command;
    command.arguments = {std::move(first), std::move(second), "-y"};
    return command;
}

} // namespace

std::string ConverterCommand::Display() const {
    std::string line = program;
    for (const auto& argument : arguments)
        line += " " + argument;
    return line;
}

ConverterCommand ExtractHelmetsCommand(const std::string& gameDir) {
    return Make("-j" + ArchivePath(gameDir, kHelmetsArchive), "-b" + fs::Native(kHelmetsBitmap));
}

ConverterCommand WriteHelmetsCommand(const std::string& gameDir) {
    return Make("-b" + fs::Native(kHelmetsBitmap), "-j" + ArchivePath(gameDir, kHelmetsArchive));
}

ConverterCommand ExtractCarCommand(const std::string& gameDir, const std::string& jam) {
    return Make("-j" + ArchivePath(gameDir, jam), "-b" + fs::Native(kTeamBitmap));
}

ConverterCommand WriteCarCommand(const std::string& gameDir, const std::string& jam) {
    return Make("-b" + fs::Native(kTeamBitmap), "-j" + ArchivePath(gameDir, jam));
}

} // namespace psn
