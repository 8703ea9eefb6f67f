// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tracks/cockpit_manager_model.h"
#include "tracks/track_manager_model.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace psn {
namespace {

using Files = std::vector<std::string>;

TEST(InstallerModel, CockpitPacksNameTheEditionsDataFile) {
    struct Case {
        std::size_t choice;
        int edition;
        const char* caption;
        Files names;
    };
    const Case cases[] = {
        {9, 0, "Minardi M197", {"M197HI.PCX", "M197LO.PCX", "M197.DAT"}},
        {9, 1, "Minardi M197", {"M197HI.PCX", "M197LO.PCX", "M197.DAg"}},
        {0, 6, "Arrows A18", {"A18HI.PCX", "A18LO.PCX", "A18.DAd"}},
        {10, 5, "Tyrrell 0-25", {"025HI.PCX", "025LO.PCX", "025.DAT"}},
    };
    for (const Case& c : cases) {
        const CockpitChoice& choice = CockpitChoices()[c.choice];
        EXPECT_STREQ(choice.caption, c.caption);
        const CockpitPack pack = CockpitPackOf(choice, c.edition);
        EXPECT_EQ(pack.names, c.names) << c.caption << " " << c.edition;
        const std::string stem = std::string(".\\DATA\\") + choice.stem;
        // The data file is opened by its plain name; reading it picks the edition's own.
        EXPECT_EQ(pack.data, stem + ".DAT");
        EXPECT_EQ(pack.hiPicture, stem + "HI.PCX");
        EXPECT_EQ(pack.loPicture, stem + "LO.PCX");
    }
    std::set<std::string> stems;
    for (const CockpitChoice& choice : CockpitChoices())
        stems.insert(choice.stem);
    EXPECT_EQ(stems.size(), CockpitChoices().size()) << "each cockpit its own files";
}

TEST(InstallerModel, TrackPacksBringTheirStretches) {
    EXPECT_EQ(TrackPackFiles(false), (Files{"ENGTN_O.DAT", "TRK_O.DAT", "TRKLO.DAT"}));
    EXPECT_EQ(TrackPackFiles(true), (Files{"F1CT07.DAT", "ENGTN.DAT", "TRK_N.DAT", "TRKL.DAT"}));
}

} // namespace
} // namespace psn
