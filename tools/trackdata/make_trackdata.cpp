// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the install data packs into the DATA folder given as the argument, with the manifest
// that marks them as made for the sample game.
#include "cockpit_pack.h"
#include "core/sample_packs.h"
#include "game_palette.h"
#include "tools/samplegame/sample_game.h"
#include "track_pack.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: psn_make_trackdata <DATA folder>\n");
        return 2;
    }
    const std::string dir = argv[1];
    psn::trackdata::PackFiles written;
    bool ok = psn::trackdata::WriteTrackPack(dir, written) &
              psn::trackdata::WriteCockpitPack(dir, written) &
              psn::trackdata::WriteCarSetPack(dir, written);
    const std::string manifest =
        psn::SamplePackManifest(psn::sample::kSampleInstallationId, written);
    ok = psn::assets::WriteFile(dir + "/" + psn::kSamplePackManifest,
                                psn::trackdata::Bytes(manifest.begin(), manifest.end())) &&
         ok;
    if (!ok)
        std::fprintf(stderr, "psn_make_trackdata: cannot write into %s\n", dir.c_str());
    return ok ? 0 : 1;
}
