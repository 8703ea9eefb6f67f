// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Which folder the editor runs from. Started from an editor folder (one that holds DATA) it runs
// there; started anywhere else (a desktop menu, a terminal in the home folder) it runs from the
// user's own editor folder, which is made on first use and whose DATA is kept up to date with
// the data installed beside the program. Plain C++, so it tests without a display.
#pragma once

#include "core/messages.h"

#include <string>

namespace psn {

// What the choice depends on, gathered by the caller from the process.
struct StartPlaces {
    std::string current;    // the current directory
    std::string programDir; // the folder that holds the running program
    std::string dataHome;   // $XDG_DATA_HOME, possibly empty
    std::string home;       // $HOME, possibly empty
    std::string appData;    // %APPDATA% on Windows, possibly empty
};

// The places of the running process.
StartPlaces CurrentStartPlaces(const std::string& programDir);

struct StartFolder {
    std::string path; // the folder to run from; empty when it could not be made ready
    Message error;    // why not, naming the file or folder
};

// The record, in the user's editor folder, of what was copied into its DATA and as what.
inline constexpr const char* kShippedRecord = "shipped-data.lst";

// The installed shared data for a program in `programDir`: the data folder of the installation
// prefix, else a DATA folder beside the program (the build's own folder). Empty when neither
// exists.
std::string SharedDataDir(const std::string& programDir);

// The user's editor folder: %APPDATA%\psniaed on Windows, else $XDG_DATA_HOME/psniaed or
// ~/.local/share/psniaed. Empty when no variable gives an absolute path.
std::string UserEditorFolder(const StartPlaces& places);

// Makes `folder` an editor folder: creates it with DATA and TEMP, copies into DATA every shipped
// file it lacks, and replaces a shipped file by its newer version only when the user has not
// changed it since it was copied. Files the user put there are never touched.
[[nodiscard]] bool PrepareUserFolder(const std::string& folder, const std::string& sharedData,
                                     Message& error);

// The current directory when it is an editor folder; otherwise the user's editor folder, ready.
[[nodiscard]] StartFolder ChooseStartFolder(const StartPlaces& places);

} // namespace psn
