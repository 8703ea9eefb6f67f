// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes a sample installation of the game:
//   make_sample_game --edition N --out GAMEDIR [--cd CDDIR] [--no-state] [--lower-case]
//   make_sample_game --patch-list FILE
//   make_sample_game --edition N --season-pack FILE.zip
#include "tools/samplegame/sample_game.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <fstream>
#include <string>

namespace {

// The name the program was started as: installed, it is psniaed-sample-game.
const char* gName = "make_sample_game";

int Usage() {
    std::fprintf(stderr,
                 "usage: %s --edition N --out GAMEDIR [--cd CDDIR] [--no-state] [--lower-case]\n"
                 "       %s --patch-list FILE\n"
                 "       %s --edition N --season-pack FILE.zip\n",
                 gName, gName, gName);
    return 2;
}

bool Write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        std::fprintf(stderr, "%s: cannot write %s\n", gName, path.c_str());
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 0 && argv[0][0] != '\0') {
        const char* slash = std::strrchr(argv[0], '/');
        gName = slash ? slash + 1 : argv[0];
    }
    psn::sample::Options options;
    std::string patchList, seasonPack;
    bool editionGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--edition" && hasValue) {
            const std::string value = argv[++i];
            if (value.size() != 1 || value[0] < '0' || value[0] > '6') {
                std::fprintf(stderr, "%s: edition must be 0..6, not '%s'\n", gName, value.c_str());
                return 2;
            }
            options.edition = value[0] - '0';
            editionGiven = true;
        } else if (arg == "--out" && hasValue) {
            options.gameDir = argv[++i];
        } else if (arg == "--cd" && hasValue) {
            options.cdDir = argv[++i];
        } else if (arg == "--no-state") {
            options.withState = false;
        } else if (arg == "--lower-case") {
            options.lowerCase = true;
        } else if (arg == "--patch-list" && hasValue) {
            patchList = argv[++i];
        } else if (arg == "--season-pack" && hasValue) {
            seasonPack = argv[++i];
        } else {
            return Usage();
        }
    }
    try {
        if (!patchList.empty()) {
            if (!Write(patchList, psn::sample::PatchListBytes()))
                return 1;
            if (options.gameDir.empty())
                return 0;
        }
        if (!seasonPack.empty()) {
            if (!editionGiven)
                return Usage();
            if (!Write(seasonPack, psn::sample::SeasonPack(options.edition)))
                return 1;
            if (options.gameDir.empty())
                return 0;
        }
        if (!editionGiven || options.gameDir.empty())
            return Usage();
        psn::sample::MakeInstallation(options);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", gName, e.what());
        return 1;
    }
    return 0;
}
