// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tracks/track_manager_model.h"

#include "core/fs.h"
#include "tracks/track_manager_blocks.h"

namespace psn {

std::vector<std::string> TrackPackFiles(bool bonus) {
    std::vector<std::string> files;
    if (bonus)
        files.push_back(kBonusTrackFile);
    for (const StretchFile& file : Stretches())
        files.push_back(fs::FileNamePart(bonus ? file.bonus : file.original));
    return files;
}

} // namespace psn
