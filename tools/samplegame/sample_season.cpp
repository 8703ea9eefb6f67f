// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/samplegame/sample_game.h"
#include "tools/samplegame/sample_images.h"
#include "tools/samplegame/stored_zip.h"

#include <algorithm>
#include <cctype>

namespace psn::sample {
namespace {

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

} // namespace

std::vector<std::uint8_t> SeasonPack(int edition) {
    // Folders and letter case as a player's pack has them, not the game's.
    const std::string folder = "Nightfall Sample Season/";
    std::vector<ZipEntry> entries;
    const std::string note =
        "Nightfall: a fictional second season for the psniaed sample game.\r\n"
        "Every name, livery, helmet and cockpit in it is invented; it is no data of the real "
        "game\r\nand belongs to the sample installation " +
        std::string(kSampleInstallationId) + ", edition " + std::to_string(edition) + ".\r\n";
    entries.push_back(
        {folder + "README-SAMPLE.TXT", std::vector<std::uint8_t>(note.begin(), note.end())});
    const SettingsRecord settings = SeasonPackSettings(edition);
    entries.push_back(
        {folder + "nightfall.gia",
         std::vector<std::uint8_t>(settings.bytes().begin(), settings.bytes().end())});
    for (int t = 1; t <= kTeams; ++t)
        entries.push_back(
            {folder + "Cars/" + Lower(CarArchiveNames()[t - 1]), JamArchive(Livery(t, 1))});
    entries.push_back({folder + "Helmets/Helmets1.jam", JamArchive(HelmetSheet(1))});
    entries.push_back(
        {folder + "Cockpit/CPITHI.PCX", EncodePcx8(CockpitPicture(640, 480, 1), SamplePalette())});
    entries.push_back(
        {folder + "Cockpit/cpitlow.pcx", EncodePcx8(CockpitPicture(320, 200, 1), SamplePalette())});
    return MakeZip(entries);
}

} // namespace psn::sample
