#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>

namespace {

// Files beside the windows that build without Qt (the build collects them the same way).
bool IsWidgetFree(const std::string& name) {
    for (const char* suffix :
         {"_blocks.cpp", "_blocks.h", "_format.cpp", "_format.h", "_table.cpp", "_table.h"})
        if (name.size() > std::strlen(suffix) &&
            name.compare(name.size() - std::strlen(suffix), std::string::npos, suffix) == 0)
            return true;
    for (const char* file : {"dib256", "lineup", "start_folder"})
        if (name == std::string(file) + ".cpp" || name == std::string(file) + ".h")
            return true;
    return false;
}

// The game-data core and the block operations stay plain C++, so they test and fuzz without a
// display.
TEST(Layering, CoreAndBlockOperationsIncludeNoQtHeader) {
    const std::regex qtInclude(R"(#\s*include\s*[<"]Q)");
    const std::filesystem::path root = PSN_SOURCE_DIR;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(root / "core"))
        files.push_back(entry.path());
    for (const char* dir : {"editors", "graphics", "tracks", "shell"})
        for (const auto& entry : std::filesystem::directory_iterator(root / dir))
            if (IsWidgetFree(entry.path().filename().string()))
                files.push_back(entry.path());
    // The command-line companion has no widgets and no Qt at all.
    for (const auto& entry : std::filesystem::directory_iterator(root / "cli"))
        files.push_back(entry.path());
    ASSERT_FALSE(files.empty());
    for (const auto& file : files) {
        std::ifstream in(file);
        std::string line;
        while (std::getline(in, line))
            EXPECT_FALSE(std::regex_search(line, qtInclude)) << file << ": " << line;
    }
}

} // namespace
