// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/converter.h"

#include "core/fs.h"

namespace psn {
namespace {

std::string ArchivePath(const std::string& gameDir, const std::string& jam) {
    return fs::ResolveCase(fs::Join(gameDir, "GAMEJAMS\\" + jam));
}

ConverterCommand Make(ConverterTask task, std::string archive, std::string first,
                      std::string second) {
    ConverterCommand command;
    command.arguments = {std::move(first), std::move(second), "-y"};
    command.task = task;
    command.archive = std::move(archive);
    return command;
}

ConverterCommand Extract(ConverterTask task, std::string archive, const char* bitmap) {
    std::string from = "-j" + archive;
    return Make(task, std::move(archive), std::move(from), "-b" + fs::Native(bitmap));
}

ConverterCommand Write(ConverterTask task, std::string archive, const char* bitmap) {
    std::string into = "-j" + archive;
    return Make(task, std::move(archive), "-b" + fs::Native(bitmap), std::move(into));
}

} // namespace

std::string ConverterCommand::Display() const {
    std::string line = program;
    for (const auto& argument : arguments)
        line += " " + argument;
    return line;
}

ConverterCommand ExtractHelmetsCommand(const std::string& gameDir) {
    return Extract(ConverterTask::ExtractHelmets, ArchivePath(gameDir, kHelmetsArchive),
                   kHelmetsBitmap);
}

ConverterCommand WriteHelmetsCommand(const std::string& gameDir) {
    return Write(ConverterTask::WriteHelmets, ArchivePath(gameDir, kHelmetsArchive),
                 kHelmetsBitmap);
}

ConverterCommand ExtractCarCommand(const std::string& gameDir, const std::string& jam) {
    return Extract(ConverterTask::ExtractCar, ArchivePath(gameDir, jam), kTeamBitmap);
}

ConverterCommand WriteCarCommand(const std::string& gameDir, const std::string& jam) {
    return Write(ConverterTask::WriteCar, ArchivePath(gameDir, jam), kTeamBitmap);
}

} // namespace psn
