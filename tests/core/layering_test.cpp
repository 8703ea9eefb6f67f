#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>

namespace {

// The game-data core and the block operations stay plain C++, so they test and fuzz without a
// display.
TEST(Layering, CoreAndBlockOperationsIncludeNoQtHeader) {
    const std::regex qtInclude(R"(#\s*include\s*[<"]Q)");
    const std::filesystem::path root = PSN_SOURCE_DIR;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(root / "core"))
        files.push_back(entry.path());
    for (const char* dir : {"editors", "graphics", "tracks"})
        for (const auto& entry : std::filesystem::directory_iterator(root / dir))
            if (entry.path().filename().string().find("_blocks.") != std::string::npos)
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
