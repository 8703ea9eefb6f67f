// Converters for tests: the stand-in converter copied into a scratch editor folder, or a small
// shell script in its place that misbehaves on purpose.
#pragma once

#include "support/scratch_game.h"

#include <filesystem>
#include <string>

namespace psn::test {

#ifndef PSN_APP_DIR
#error "PSN_APP_DIR must name the folder the stand-in converter is built into"
#endif

inline std::string InstallScript(const std::string& folder, const std::string& name,
                                 const std::string& body) {
    const std::string path = folder + "/" + name;
    WriteFileBytes(path, std::vector<std::uint8_t>(body.begin(), body.end()));
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    return path;
}

// A converter that runs `commands` under /bin/sh.
inline std::string InstallFakeConverter(const std::string& folder, const std::string& commands,
                                        const std::string& name = "PSNJAM.EXE") {
    return InstallScript(folder, name, "#!/bin/sh\n" + commands + "\n");
}

// The stand-in converter the build puts beside the editor.
inline std::string InstallStandIn(const std::string& folder) {
    const std::string path = folder + "/PSNJAM.EXE";
    std::filesystem::copy_file(std::string(PSN_APP_DIR) + "/PSNJAM.EXE", path,
                               std::filesystem::copy_options::overwrite_existing);
    return path;
}

} // namespace psn::test
