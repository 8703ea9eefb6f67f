// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tracks/cockpit_manager_model.h"

#include "core/fs.h"
#include "tracks/cockpit_format.h"

namespace psn {

const std::array<CockpitChoice, 11>& CockpitChoices() {
    static const std::array<CockpitChoice, 11> choices = {{
        {"Arrows A18", "A18"},
        {"Williams FW19", "FW19"},
        {"Ferrari F310B", "F310B"},
        {"Benetton B197", "B197"},
        {"Mc Laren MP 4/12", "MP412"},
        {"Jordan J-197", "J197"},
        {"Ligier Js45", "JS45"},
        {"Sauber C-16", "C16"},
        {"Stewart SF-1", "SF1"},
        {"Minardi M197", "M197"},
        {"Tyrrell 0-25", "025"},
    }};
    return choices;
}

CockpitPack CockpitPackOf(const CockpitChoice& choice, int edition) {
    const std::string name = choice.stem;
    const std::string stem = ".\\DATA\\" + name;
    return {stem + "HI.PCX",
            stem + "LO.PCX",
            stem + ".DAT",
            {name + "HI.PCX", name + "LO.PCX",
             fs::FileNamePart(CockpitDataFileName(name + ".DAT", edition))}};
}

} // namespace psn
