// Putting back the backups "<name>.bak" that the editor keeps of a game file's original before
// its first change. All-or-nothing: every backup is copied beside its file first, then all are
// renamed into place; a failure before the last rename puts back what was replaced.
#pragma once

#include <string>
#include <vector>

namespace psn {

// Game files under the folder (and its subfolders) that have a backup, relative to it, sorted.
std::vector<std::string> FindBackups(const std::string& gameDir);

struct RestoreOutcome {
    bool ok = true;
    std::string error; // names the file and the system's reason
    std::vector<std::string> restored;
};

// Restores the named files (relative to the game folder, any letter case), or every file that
// has a backup when `files` is empty. The backups stay.
RestoreOutcome RestoreBackups(const std::string& gameDir, const std::vector<std::string>& files);

} // namespace psn
