// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace {

namespace fs = std::filesystem;

const fs::path kRoot = PSN_SOURCE_DIR;

// The floors, lowest first. A file includes only from its own floor or one below; psnedit stands
// beside the shell on the widget-free files alone. The generators, tests, benchmarks and fuzz
// targets stand on top of everything: nothing of the program includes them.
constexpr int kTop = 4;
const std::map<std::string, int> kFloor = {
    {"core", 0},  {"ui", 1},  {"editors", 2},  {"graphics", 2}, {"tracks", 2},   {"seasons", 2},
    {"shell", 3}, {"cli", 3}, {"tools", kTop}, {"tests", kTop}, {"bench", kTop}, {"fuzz", kTop}};

bool IsSource(const fs::path& file) {
    return file.extension() == ".cpp" || file.extension() == ".h";
}

// A folder's sources, its subfolders' included (tools/ keeps one generator per subfolder).
std::vector<fs::path> SourcesIn(const std::string& dir) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(kRoot / dir))
        if (IsSource(entry.path()))
            files.push_back(entry.path());
    return files;
}

// The project's own headers a file includes, as written ("core/fs.h").
std::vector<std::string> ProjectIncludes(const fs::path& file) {
    static const std::regex include(R"re(^\s*#\s*include\s*"([^"]+)")re");
    std::vector<std::string> found;
    std::ifstream in(file);
    std::string line;
    std::smatch match;
    while (std::getline(in, line))
        if (std::regex_search(line, match, include))
            found.push_back(match[1]);
    return found;
}

// Files that build without Qt: all of core/ and cli/, and the sources each folder's CMakeLists.txt
// lists in its widget-free block library, so the test follows what the build declares.
std::set<std::string> WidgetFreeFiles() {
    std::set<std::string> files;
    for (const char* dir : {"core", "cli"})
        for (const auto& file : SourcesIn(dir))
            files.insert(std::string(dir) + "/" + file.filename().string());
    static const std::regex library(R"(add_library\(psn_\w+_blocks\s+STATIC([^)]*)\))");
    for (const char* dir : {"editors", "graphics", "tracks", "seasons", "shell"}) {
        std::ifstream in(kRoot / dir / "CMakeLists.txt");
        std::stringstream text;
        text << in.rdbuf();
        const std::string content = text.str();
        std::smatch match;
        EXPECT_TRUE(std::regex_search(content, match, library)) << dir << " has no block library";
        std::istringstream sources(match[1]);
        std::string source;
        while (sources >> source)
            files.insert(std::string(dir) + "/" + source);
    }
    return files;
}

// The game-data core and the block operations stay plain C++, so they test and fuzz without a
// display.
TEST(Layering, CoreAndBlockOperationsIncludeNoQtHeader) {
    const std::regex qtInclude(R"(#\s*include\s*[<"]Q)");
    const std::set<std::string> files = WidgetFreeFiles();
    ASSERT_FALSE(files.empty());
    for (const auto& file : files) {
        std::ifstream in(kRoot / file);
        ASSERT_TRUE(in) << file;
        std::string line;
        while (std::getline(in, line))
            EXPECT_FALSE(std::regex_search(line, qtInclude)) << file << ": " << line;
        // A widget-free file that includes a window's header would bring Qt in through it.
        for (const auto& header : ProjectIncludes(kRoot / file)) {
            if (kFloor.contains(header.substr(0, header.find('/')))) {
                EXPECT_TRUE(files.contains(header)) << file << " includes " << header;
            }
        }
    }
}

// Data crosses each floor once: nothing reaches up to the floor above, so a window never depends
// on the shell that opens it, and the foundation never on a window.
TEST(Layering, NoFileIncludesFromAHigherFloor) {
    int checked = 0;
    for (const auto& [dir, floor] : kFloor)
        for (const auto& file : SourcesIn(dir))
            for (const auto& header : ProjectIncludes(file)) {
                const std::string target = header.substr(0, header.find('/'));
                const auto found = kFloor.find(target);
                if (found == kFloor.end())
                    continue;
                ++checked;
                EXPECT_LE(found->second, floor) << fs::relative(file, kRoot).string()
                                                << " includes " << header << " from a higher floor";
                // psnedit stands beside the shell: nothing of the editor's stands on it.
                EXPECT_TRUE(target != "cli" || dir == "cli" || floor == kTop)
                    << fs::relative(file, kRoot).string() << " includes " << header;
            }
    EXPECT_GT(checked, 100);
}

// A new top-level folder of sources gets a floor before anything in it is built, so that no
// include can pass the check above unseen. Build folders (with a CMakeCache.txt) are not sources.
TEST(Layering, EveryFolderOfSourcesHasAFloor) {
    for (const auto& folder : fs::directory_iterator(kRoot)) {
        const std::string name = folder.path().filename().string();
        if (!folder.is_directory() || name.starts_with(".") ||
            fs::exists(folder.path() / "CMakeCache.txt"))
            continue;
        const bool hasSources = std::any_of(
            fs::recursive_directory_iterator(folder.path()), fs::recursive_directory_iterator(),
            [](const auto& entry) { return IsSource(entry.path()); });
        EXPECT_TRUE(!hasSources || kFloor.contains(name)) << name << "/ holds sources but no floor";
    }
}

// The program's text without its comments, line by line (a comment may name a call).
std::vector<std::string> CodeLines(const fs::path& file) {
    std::ifstream in(file);
    std::vector<std::string> lines;
    std::string line;
    bool inComment = false;
    while (std::getline(in, line)) {
        std::string code;
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (inComment) {
                if (line.compare(i, 2, "*/") == 0) {
                    inComment = false;
                    ++i;
                }
            } else if (line.compare(i, 2, "//") == 0) {
                break;
            } else if (line.compare(i, 2, "/*") == 0) {
                inComment = true;
                ++i;
            } else {
                code += line[i];
            }
        }
        lines.push_back(code);
    }
    return lines;
}

// Calls `check(name, file)` for every source below the top floor but those in `skip`, and checks
// that the walk found the tree.
template <typename Check>
void EachSourceBelowTheTop(const std::set<std::string>& skip, Check check) {
    int checked = 0;
    for (const auto& [dir, floor] : kFloor) {
        if (floor == kTop)
            continue;
        for (const auto& file : SourcesIn(dir)) {
            const std::string name = fs::relative(file, kRoot).generic_string();
            if (skip.contains(name))
                continue;
            ++checked;
            check(name, file);
        }
    }
    EXPECT_GT(checked, 100);
}

// Every game, settings or data file is opened by core's file layer, which refuses FIFOs, devices
// and folders before they can block or feed the program; the operating system is called from the
// platform files alone. Anything else that opens a file by its path is a way round both.
TEST(Layering, OnlyTheFileLayerOpensFiles) {
    const std::regex opens(
        R"re((^|[^.>\w])(::)?(open|fopen|_wfopen|_wopen|freopen|CreateFileW?|creat)\s*\()re"
        R"re(|std::(i|o)?fstream|\bQ(Save)?File\s+[A-Za-z_]\w*\s*[({;=]|\.load\s*\()re");
    EachSourceBelowTheTop({"core/platform_posix.cpp", "core/platform_win.cpp"},
                          [&](const std::string& name, const fs::path& file) {
                              int number = 0;
                              for (const std::string& line : CodeLines(file)) {
                                  ++number;
                                  EXPECT_FALSE(std::regex_search(line, opens))
                                      << name << ":" << number
                                      << " opens a file past core's file layer: " << line;
                              }
                          });
}

// The system's headers for files, locks and processes belong to the platform layer alone.
TEST(Layering, OnlyThePlatformLayerIncludesSystemHeaders) {
    const std::regex system(
        R"re(#\s*include\s*<(unistd|fcntl|dirent|io|windows|spawn|poll|sys/\w+)\.h>)re");
    // The converter runner names one Windows process flag that only that header gives.
    EachSourceBelowTheTop(
        {"core/platform_posix.cpp", "core/platform_win.cpp", "ui/converter_runner.cpp"},
        [&](const std::string& name, const fs::path& file) {
            for (const std::string& line : CodeLines(file))
                EXPECT_FALSE(std::regex_search(line, system)) << name << ": " << line;
        });
}

} // namespace
