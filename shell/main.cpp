// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/program.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    // Answered before the window system starts, so they work without a display.
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            std::fputs("Usage: psniaed [--help] [--version] [FILE.GIA]\n\n"
                       "The Pistonia settings editor. It starts in its editor folder and asks\n"
                       "for the game's PSN.EXE on its first start; a settings file named on\n"
                       "the command line is loaded as \"Load settings\" does. psnedit(1) is\n"
                       "its command-line companion.\n",
                       stdout);
            return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 2;
        }
        if (!std::strcmp(argv[i], "--version")) {
            std::printf("psniaed %s\n", PSN_VERSION);
            return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 2;
        }
    }
    return psn::RunEditor(argc, argv);
}
