// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Converters for tests: the stand-in converter copied into a scratch editor folder, or a small
// shell script in its place that misbehaves on purpose.
#pragma once

#include "core/bitmap8_format.h"
#include "support/scratch_game.h"

#include <filesystem>
#include <string>

namespace psn::test {

#ifndef PSN_APP_DIR
#error "PSN_APP_DIR must name the folder the stand-in converter is built into"
#endif

inline std::string InstallScript(const std::string& folder, const std::string& name,
                                 const std::string& body) {
    const std::string path = folder + "/" + name;
    WriteFileBytes(path, std::vector<std::uint8_t>(body.begin(), body.end()));
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    return path;
}

// A converter that runs `commands` under /bin/sh.
inline std::string InstallFakeConverter(const std::string& folder, const std::string& commands,
                                        const std::string& name = "PSNJAM.EXE") {
    return InstallScript(folder, name, "#!/bin/sh\n" + commands + "\n");
}

// The stand-in converter the build puts beside the editor.
inline std::string InstallStandIn(const std::string& folder) {
    const std::string path = folder + "/PSNJAM.EXE";
    std::filesystem::copy_file(std::string(PSN_APP_DIR) + "/PSNJAM.EXE", path,
                               std::filesystem::copy_options::overwrite_existing);
    return path;
}

// A picture whose pixels and colours follow from the seed, so two seeds differ everywhere.
inline Bitmap8 PatternPicture(int width, int height, std::uint8_t seed) {
    Bitmap8 picture = MakeBitmap8(width, height);
    for (std::size_t i = 0; i < picture.pixels.size(); ++i)
        picture.pixels[i] = static_cast<std::uint8_t>(i * 7 + i / width * 3 + seed);
    for (std::size_t i = 0; i < picture.colours.size(); ++i)
        picture.colours[i] = i % 4 == 3 ? 0 : static_cast<std::uint8_t>(i + seed);
    return picture;
}

inline std::vector<std::uint8_t> ArchiveBytes(const Bitmap8& picture) {
    std::vector<std::uint8_t> bytes{'P', 'S', 'N', 'J', 'A', 'M', '0', '1'};
    const auto bmp = EncodeBmp(picture);
    bytes.insert(bytes.end(), bmp.begin(), bmp.end());
    return bytes;
}

// An archive of the stand-in converter's kind in the game's GAMEJAMS folder.
inline std::string WriteArchive(const std::string& gameDir, const std::string& name,
                                const Bitmap8& picture) {
    std::filesystem::create_directories(gameDir + "GAMEJAMS");
    const std::string path = gameDir + "GAMEJAMS/" + name;
    WriteFileBytes(path, ArchiveBytes(picture));
    return path;
}

} // namespace psn::test
