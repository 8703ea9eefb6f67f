// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/psnedit.h"
#include "core/fs.h"

#include <iostream>

int main(int argc, char** argv) {
    return psn::cli::Run(std::vector<std::string>(argv + 1, argv + argc), std::cin, std::cout,
                         std::cerr, psn::fs::ProgramDirectory(argv[0]));
}
