// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the generated seed corpus of one target into a folder.
#include "fuzz/harnesses.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "--list") {
        for (const auto& target : psn::fuzz::Targets())
            std::cout << target.name << "\n";
        return 0;
    }
    if (argc != 3) {
        std::cerr << "usage: fuzz_seeds --list | fuzz_seeds TARGET FOLDER\n";
        return 2;
    }
    const auto* target = psn::fuzz::FindTarget(argv[1]);
    if (!target) {
        std::cerr << "unknown target " << argv[1] << "\n";
        return 2;
    }
    std::filesystem::create_directories(argv[2]);
    int n = 0;
    for (const auto& seed : target->seeds()) {
        std::ofstream out(std::filesystem::path(argv[2]) / ("seed-" + std::to_string(n++)),
                          std::ios::binary);
        out.write(reinterpret_cast<const char*>(seed.data()),
                  static_cast<std::streamsize>(seed.size()));
    }
    return 0;
}
