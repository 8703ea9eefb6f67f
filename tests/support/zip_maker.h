// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tools/samplegame/stored_zip.h"

namespace psn::test {
using sample::MakeZip;
using sample::ZipEntry;
} // namespace psn::test
