// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/jam_model.h"

namespace psn {

int TeamRowBeside(int archiveRow, int teamRows) {
    return archiveRow >= 0 && archiveRow < teamRows ? archiveRow : -1;
}

int ArchiveRowBeside(int teamRow, int archiveRows) {
    return teamRow >= 0 && teamRow < archiveRows ? teamRow : -1;
}

} // namespace psn
