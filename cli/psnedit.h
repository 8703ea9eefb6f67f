// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// psnedit, the editor's command-line companion: saves, applies, shows, compares and restores
// game settings with the same block operations and field table as the windows.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace psn::cli {

enum Exit : int {
    kSuccess = 0,
    kDifferent = 1,   // diff found differences; apply found fields the game did not take
    kBadInput = 2,    // bad usage, or an input that cannot be used; nothing written
    kGameFailure = 3, // a game file could not be read or written, or another program kept the
                      // game locked; nothing written. Also a comparison that left values out.
};

#ifdef PSN_VERSION
inline constexpr const char* kVersion = PSN_VERSION;
#else
inline constexpr const char* kVersion = "unknown";
#endif

std::string HelpText();

// Runs one command line (without the program name). `editorDir` is the folder psnedit was
// installed in, whose DATA holds the shipped patch list. `in` is what "-" reads.
[[nodiscard]] int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                      std::ostream& err, const std::string& editorDir);
// The same with nothing on standard input.
[[nodiscard]] int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                      const std::string& editorDir);

// psnedit season ...: `args` from "season" on.
[[nodiscard]] int RunSeason(const std::vector<std::string>& args, std::istream& in,
                            std::ostream& out, std::ostream& err, const std::string& editorDir);
// The patch list the commands use when none is given.
std::string DefaultPatchList(const std::string& editorDir);
// The game a command without a game folder works on; empty when there is none.
std::string DefaultGameFolder();

} // namespace psn::cli
