// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/scratch_game.h"
#include "tracks/cockpit_format.h"
#include "tracks/cockpit_table.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace psn::test {
namespace {

const std::vector<int> kDistinctEditions = {0, 1, 2, 3, 4, 6};

bool SharedRow(int row) {
    static const std::set<int> rows = {1,  8,  29, 30, 31, 38,  39,  40,  41,  48,  49, 52,
                                       57, 58, 77, 78, 84, 104, 105, 106, 107, 108, 109};
    return rows.count(row) > 0;
}

const CockpitRow& Row(int edition, int row) {
    return CockpitTable(edition)[static_cast<std::size_t>(row - 1)];
}

using Four = std::array<std::uint32_t, 4>;

TEST(CockpitTable, TellingRowsHoldInEveryEdition) {
    const std::map<int, Four> row2 = {
        {0, {1431245, 1431246, 1431247, 1431248}}, {1, {1431335, 1431336, 1431337, 1431338}},
        {2, {1431250, 1431251, 1431252, 1431253}}, {3, {1431310, 1431311, 1431312, 1431313}},
        {4, {1431306, 1431307, 1431308, 1431309}}, {5, {1431245, 1431246, 1431247, 1431248}},
        {6, {1431291, 1431292, 1431293, 1431294}}};
    for (int e = 0; e < kEditionCount; ++e) {
        EXPECT_EQ(Row(e, 1).primary, (Four{937521, 937534, 937541, 937548})) << e;
        EXPECT_EQ(Row(e, 1).secondary, (Four{937552, 937565, 937572, 937579})) << e;
        EXPECT_EQ(Row(e, 2).primary, row2.at(e)) << e;
        EXPECT_EQ(Row(e, 8).primary, (Four{937693, 937700, 937707, 937714})) << e;
        EXPECT_EQ(Row(e, 48).primary, (Four{937174, 937189, 937176, 937202})) << e;
    }
    for (int e : {0, 5}) {
        EXPECT_EQ(Row(e, 90).primary, (Four{1430400, 1430408, 938680, 938687}));
        EXPECT_EQ(Row(e, 96).primary, (Four{1430407, 1430414, 938680, 938687}));
        EXPECT_EQ(Row(e, 121).primary, (Four{1430602, 1430599, 1430603, 1430600}));
    }
}

TEST(CockpitTable, OffsetsFollowTheSharedAndShiftedRanges) {
    for (int e = 0; e < kEditionCount; ++e) {
        ASSERT_EQ(CockpitTable(e).size(), 121u);
        for (int r = 1; r <= 121; ++r) {
            const CockpitRow& row = Row(e, r);
            const CockpitRow& base = Row(0, r);
            if (r != 1) {
                EXPECT_EQ(row.secondary, Four{}) << "row " << r;
            }
            for (std::size_t k = 0; k < 4; ++k) {
                const std::uint32_t p = row.primary[k];
                EXPECT_NE(p, 0u);
                const bool shared = SharedRow(r) || (r >= 90 && r <= 96 && k >= 2);
                if (shared) {
                    EXPECT_LT(p, 1000000u) << "row " << r;
                    EXPECT_EQ(p, base.primary[k]) << "edition " << e << " row " << r;
                } else {
                    EXPECT_GE(p, 1430400u) << "row " << r;
                    EXPECT_LE(p, 1431960u) << "row " << r;
                    EXPECT_LE(p - base.primary[k], 110u) << "edition " << e << " row " << r;
                }
                if (r >= 90 && r <= 96 && k >= 2) {
                    EXPECT_EQ(p, k == 2 ? 938680u : 938687u);
                }
            }
        }
    }
    for (int r = 1; r <= 121; ++r)
        EXPECT_EQ(Row(5, r).primary, Row(0, r).primary);
    for (int e : kDistinctEditions)
        if (e != 0) {
            EXPECT_NE(Row(e, 3).primary, Row(0, 3).primary) << "edition " << e;
        }

    int consecutive = 0;
    for (const CockpitRow& row : CockpitTable(0))
        consecutive += row.primary[1] == row.primary[0] + 1 &&
                       row.primary[2] == row.primary[0] + 2 && row.primary[3] == row.primary[0] + 3;
    EXPECT_EQ(consecutive, 61);
}

std::string Line(const std::string& f1, const std::string& f2 = "  0",
                 const std::string& f3 = "  0", const std::string& f4 = "  0") {
    std::string line = "free text of the data file line :";
    line.resize(56, ' ');
    line.replace(33, 3, f1);
    line.replace(39, 3, f2);
    line.replace(46, 3, f3);
    line.replace(53, 3, f4);
    return line + " comment";
}

std::string Num(int value) {
    std::string text = std::to_string(value);
    return std::string(3 - std::min<std::size_t>(3, text.size()), ' ') + text;
}

// A file whose line n carries the fields n % 251, +1, +2, +3 (kept to three characters).
std::vector<std::string> NumberedFile() {
    std::vector<std::string> lines;
    for (int n = 1; n <= 190; ++n)
        lines.push_back(
            Line(Num(n % 251), Num((n + 1) % 251), Num((n + 2) % 251), Num((n + 3) % 251)));
    return lines;
}

TEST(CockpitData, FieldsAreStrictIntegersInFixedColumns) {
    const std::vector<std::pair<std::string, std::optional<int>>> cases = {
        {"  7", 7},   {"7  ", std::nullopt}, {"   ", std::nullopt}, {" -1", -1},
        {"300", 300}, {"$1F", 31},           {"+12", 12},           {"1 2", std::nullopt}};
    for (const auto& [field, expected] : cases) {
        auto lines = NumberedFile();
        lines[0] = Line(field);
        if (expected) {
            const auto writes = CockpitDataReader(lines, 0).Read();
            EXPECT_EQ(writes.front(), (PatchWrite{0xEA3A2, 1, *expected})) << field;
        } else {
            try {
                CockpitDataReader(lines, 0).Read();
                ADD_FAILURE() << "accepted '" << field << "'";
            } catch (const DataFileError& e) {
                EXPECT_EQ(std::string(e.what()), "'" + field + "' is not a valid integer value");
            }
        }
    }
    EXPECT_EQ(CockpitField("short", 1), "");
    EXPECT_EQ(CockpitField(std::string(34, ' ') + "5", 1), " 5");
}

TEST(CockpitData, WritesEveryTargetInOrder) {
    const auto writes = CockpitDataReader(NumberedFile(), 3).Read();
    ASSERT_EQ(writes.size(), 1 + 121 * 4 + 4 + 6 + 56 + 6 + 56);
    std::size_t i = 0;
    EXPECT_EQ(writes[i++], (PatchWrite{0xEA3A2, 1, 1}));
    // Row 1 (line 2): each field at its primary, then 31 bytes on.
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(writes[i++], (PatchWrite{Row(3, 1).primary[k], 1, 2 + k}));
        EXPECT_EQ(writes[i++], (PatchWrite{Row(3, 1).primary[k] + 31, 1, 2 + k}));
    }
    for (int r = 2; r <= 121; ++r)
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(writes[i++], (PatchWrite{Row(3, r).primary[k], 1, r + 1 + k}));
    const std::vector<PatchWrite> svga = {{955133, 2, 125}, {955159, 2, 125}, {955153, 2, 126},
                                          {955122, 2, 127}, {955148, 2, 127}, {955142, 2, 128}};
    for (const PatchWrite& w : svga)
        EXPECT_EQ(writes[i++], w);
    for (int n = 0; n < 28; ++n) {
        EXPECT_EQ(writes[i++], (PatchWrite{1285244u + 8 * n, 2, 129 + n}));
        EXPECT_EQ(writes[i++], (PatchWrite{1285244u + 8 * n + 4, 2, 130 + n}));
    }
    const std::vector<PatchWrite> vga = {{955063, 1, 159}, {955086, 1, 159}, {955080, 2, 160},
                                         {955051, 2, 161}, {955075, 2, 161}, {955069, 2, 162}};
    for (const PatchWrite& w : vga)
        EXPECT_EQ(writes[i++], w);
    for (int n = 0; n < 28; ++n) {
        EXPECT_EQ(writes[i++], (PatchWrite{1283960u + 8 * n, 2, (163 + n) % 251}));
        EXPECT_EQ(writes[i++], (PatchWrite{1283960u + 8 * n + 4, 2, (164 + n) % 251}));
    }
}

TEST(CockpitData, DamagedFilesYieldNoWrites) {
    auto shortFile = NumberedFile();
    shortFile.pop_back();
    EXPECT_THROW(CockpitDataReader(shortFile, 0).Read(), DataFileError);
    auto blankField = NumberedFile();
    blankField[180] = Line("  1", "   ");
    EXPECT_THROW(CockpitDataReader(blankField, 0).Read(), DataFileError);
    auto truncated = NumberedFile();
    truncated[60] = truncated[60].substr(0, 50); // field 4 missing
    EXPECT_THROW(CockpitDataReader(truncated, 0).Read(), DataFileError);
    EXPECT_THROW(ReadCockpitData("/nonexistent/M197.DAT", 0), DataFileError);
}

TEST(CockpitData, EditionLetterNamesTheFile) {
    const std::vector<std::pair<int, std::string>> cases = {
        {0, "M197.DAT"}, {1, "M197.DAg"}, {2, "M197.DAi"}, {3, "M197.DAs"},
        {4, "M197.DAf"}, {5, "M197.DAT"}, {6, "M197.DAd"}};
    for (const auto& [edition, name] : cases)
        EXPECT_EQ(CockpitDataFileName(".\\DATA\\M197.DAT", edition), ".\\DATA\\" + name);
}

TEST(CockpitData, PatchWritesLowBytesAndLeavesSlotGaps) {
    ScratchGame game(0, false);
    game.PokeExe(1285244, std::vector<std::uint8_t>(16, 0xEE));
    auto lines = NumberedFile();
    lines[0] = Line(" -1");
    lines[128] = Line("300", "$FF");
    lines[96] = Line("  1", "  2", "  9", "  8"); // row 96 decides the shared bytes
    const std::string path = game.editorDir + "/DATA/T.DAT";
    {
        std::ofstream out(path, std::ios::binary);
        for (const std::string& line : lines)
            out << line << "\r\n";
    }
    game.state.OpenGameExe();
    ApplyCockpitPatch(game.state, ReadCockpitData(path, 0));
    game.state.CloseGameFiles();
    const auto exe = game.Exe();
    EXPECT_EQ(exe[0xEA3A2], 255);
    const std::vector<std::uint8_t> slot(exe.begin() + 1285244, exe.begin() + 1285244 + 8);
    EXPECT_EQ(slot, (std::vector<std::uint8_t>{44, 1, 0xEE, 0xEE, 0xFF, 0, 0xEE, 0xEE}));
    EXPECT_EQ(exe[938680], 9);
    EXPECT_EQ(exe[938687], 8);
}

} // namespace
} // namespace psn::test
