// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The recipes of docs/design.md name the files a change touches. A file that moves or vanishes
// would leave a recipe that sends the next developer to the wrong place, so each item is checked
// against the tree, and each heading's count against its list. An item marked "(one step)" names
// several files one command fills (the translations), and counts once.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kRoot = PSN_SOURCE_DIR;

struct Item {
    std::string path; // as written, with "<topic>" and at most one "*" in its file name
    bool oneStep = false;
};

constexpr std::string_view kOneStep = "(one step)";

struct Recipe {
    std::string title;
    int count = 0;       // as the heading states it, in files or steps
    std::string example; // what "<topic>" stands for
    std::vector<Item> items;
};

// "### Recipe: adding a game field (5 files)" (or "(10 steps)"), then "Example: `<topic>` is
// `pitline`." and a numbered list whose items each begin with one backquoted path.
std::vector<Recipe> ReadRecipes(std::istream& in) {
    static const std::regex heading(R"(^###\s+Recipe:\s*(.+?)\s*\((\d+) (?:files?|steps?)\)\s*$)");
    static const std::regex example(R"(^Example:\s*`<topic>` is `([^`]+)`)");
    static const std::regex item(R"(^\d+\.\s+`([^`]+)`(.*)$)");
    std::vector<Recipe> recipes;
    std::string line;
    std::smatch match;
    while (std::getline(in, line)) {
        if (line.starts_with("#")) {
            if (!std::regex_search(line, match, heading)) {
                if (!recipes.empty() && !recipes.back().title.empty())
                    recipes.push_back({}); // a later heading ends the recipe
                continue;
            }
            recipes.push_back({match[1], std::stoi(match[2]), {}, {}});
        } else if (recipes.empty() || recipes.back().title.empty()) {
            continue;
        } else if (std::regex_search(line, match, example)) {
            recipes.back().example = match[1];
        } else if (std::regex_search(line, match, item)) {
            recipes.back().items.push_back(
                {match[1], match[2].str().find(kOneStep) != std::string::npos});
        }
    }
    std::erase_if(recipes, [](const Recipe& r) { return r.title.empty(); });
    return recipes;
}

std::string WithExample(std::string path, const std::string& example) {
    for (std::size_t at; (at = path.find("<topic>")) != std::string::npos;)
        path.replace(at, 7, example);
    return path;
}

// The files an item names: itself, or those its "*" matches in its folder.
std::vector<fs::path> FilesOf(const std::string& path) {
    const fs::path full = kRoot / path;
    const std::string name = full.filename().string();
    const std::size_t star = name.find('*');
    if (star == std::string::npos)
        return fs::is_regular_file(full) ? std::vector<fs::path>{full} : std::vector<fs::path>{};
    std::vector<fs::path> files;
    if (!fs::is_directory(full.parent_path()))
        return files;
    const std::string head = name.substr(0, star), tail = name.substr(star + 1);
    for (const auto& entry : fs::directory_iterator(full.parent_path())) {
        const std::string candidate = entry.path().filename().string();
        if (entry.is_regular_file() && candidate.size() >= head.size() + tail.size() &&
            candidate.starts_with(head) && candidate.ends_with(tail))
            files.push_back(entry.path());
    }
    return files;
}

// Problems of one recipe, one line each; empty when it matches the tree.
std::vector<std::string> Check(const Recipe& recipe) {
    std::vector<std::string> problems;
    if (recipe.example.empty())
        problems.push_back(recipe.title + ": no example for <topic>");
    int files = 0;
    for (const Item& item : recipe.items) {
        const std::string path = WithExample(item.path, recipe.example);
        const std::size_t found = FilesOf(path).size();
        if (found == 0)
            problems.push_back(recipe.title + ": " + path + " is not in the tree");
        files += item.oneStep ? std::min<int>(static_cast<int>(found), 1) : static_cast<int>(found);
    }
    if (files != recipe.count)
        problems.push_back(recipe.title + ": the heading says " + std::to_string(recipe.count) +
                           " files, the list names " + std::to_string(files));
    return problems;
}

Recipe Parsed(const std::string& text) {
    std::istringstream in(text);
    const auto recipes = ReadRecipes(in);
    EXPECT_EQ(recipes.size(), 1u) << text;
    return recipes.empty() ? Recipe{} : recipes.front();
}

TEST(DesignRecipes, EveryFileARecipeNamesIsInTheTreeAndCounted) {
    std::ifstream in(kRoot / "docs" / "design.md");
    ASSERT_TRUE(in) << "docs/design.md is missing";
    const std::vector<Recipe> recipes = ReadRecipes(in);
    std::vector<std::string> titles;
    for (const Recipe& recipe : recipes)
        titles.push_back(recipe.title);
    EXPECT_EQ(titles, (std::vector<std::string>{"adding a game field", "adding a window"}));
    for (const Recipe& recipe : recipes)
        for (const std::string& problem : Check(recipe))
            ADD_FAILURE() << problem;
    ASSERT_EQ(recipes.size(), 2u);
    // The limits the recipes are kept within.
    EXPECT_LE(recipes[0].count, 5);
    EXPECT_LE(recipes[1].count, 10);
}

// The check itself finds what rots: a missing file, a wrong count, a mark left on a file that
// exists, a glob over several files, counted each or once.
TEST(DesignRecipes, TheCheckNamesWhatDoesNotMatchTheTree) {
    const struct {
        const char* text;
        std::vector<std::string> problems;
    } cases[] = {
        {"### Recipe: r (2 files)\nExample: `<topic>` is `pitline`.\n"
         "1. `core/record_map.h` — x\n2. `editors/<topic>_blocks.cpp` — y\n",
         {}},
        {"### Recipe: r (2 files)\nExample: `<topic>` is `pitline`.\n"
         "1. `core/record_map.h`\n2. `editors/<topic>_nowhere.cpp`\n",
         {"r: editors/pitline_nowhere.cpp is not in the tree",
          "r: the heading says 2 files, the list names 1"}},
        {"### Recipe: r (3 files)\nExample: `<topic>` is `pitline`.\n"
         "1. `editors/<topic>_blocks.*`\n",
         {"r: the heading says 3 files, the list names 2"}},
        {"### Recipe: r (1 files)\n1. `core/record_map.h`\n## Next\n2. `core/nowhere.h`\n",
         {"r: no example for <topic>"}},
        {"### Recipe: r (2 steps)\nExample: `<topic>` is `pitline`.\n"
         "1. `core/record_map.h`\n2. `editors/<topic>_blocks.*` (one step) — both\n",
         {}},
        {"### Recipe: r (3 steps)\nExample: `<topic>` is `pitline`.\n"
         "1. `editors/<topic>_blocks.*` (one step)\n2. `editors/<topic>_blocks.*`\n",
         {}},
        {"### Recipe: r (1 steps)\nExample: `<topic>` is `pitline`.\n"
         "1. `editors/<topic>_nowhere.*` (one step)\n",
         {"r: editors/pitline_nowhere.* is not in the tree",
          "r: the heading says 1 files, the list names 0"}},
        // The mark counts only on the item's own line.
        {"### Recipe: r (1 steps)\nExample: `<topic>` is `pitline`.\n"
         "1. `editors/<topic>_blocks.*` — x\n   (one step)\n",
         {"r: the heading says 1 files, the list names 2"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Check(Parsed(c.text)), c.problems) << c.text;
}

} // namespace
