// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/psnedit.h"
#include "core/fs.h"
#include "core/platform.h"

#include <iostream>

int main(int argc, char** argv) {
    // Settings pass through standard input and output as bytes (`save GAME -`).
    psn::platform::PrepareStandardStreams();
    return psn::cli::Run(psn::platform::Arguments(argc, argv), std::cin, std::cout, std::cerr,
                         psn::fs::ProgramDirectory(argv[0]));
}
