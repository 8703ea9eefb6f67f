// Writes the install data packs into the DATA folder given as the argument.
#include "cockpit_pack.h"
#include "track_pack.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: psn_make_trackdata <DATA folder>\n");
        return 2;
    }
    const std::string dir = argv[1];
    const bool ok = psn::trackdata::WriteTrackPack(dir) & psn::trackdata::WriteCockpitPack(dir) &
                    psn::trackdata::WriteCarSetPack(dir);
    if (!ok)
        std::fprintf(stderr, "psn_make_trackdata: cannot write into %s\n", dir.c_str());
    return ok ? 0 : 1;
}
