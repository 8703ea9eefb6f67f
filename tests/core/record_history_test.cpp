// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/record_history.h"
#include "core/settings_files.h"
#include "shell/step_names.h"

#include <gtest/gtest.h>

namespace psn {
namespace {

SettingsRecord With(std::uint8_t value) {
    SettingsRecord record;
    record.setU8(rec::kPitSpeed, value);
    return record;
}

std::uint8_t ValueOf(const SettingsRecord& record) {
    return record.u8(rec::kPitSpeed);
}

// Each case is a script: "r<value>" records a step to that value, "u" undoes, "d" redoes, "a<v>"
// absorbs; then the record put in place by the last undo or redo, what undo and redo would name,
// and how many steps are kept.
struct Script {
    const char* name;
    std::vector<std::string> actions;
    int last;          // value of the record the last undo/redo gave; -1: none was given
    std::string undo;  // name of the step undo would take back
    std::string redo;  // name of the step redo would do again
    std::size_t steps; // steps held
};

TEST(RecordHistory, UndoAndRedoGiveBackEveryRecordOfTheScript) {
    const std::vector<Script> scripts = {
        {"unchanged record is no step", {"r0"}, -1, "", "", 0},
        {"undo then redo", {"r1", "r2", "u", "u", "d"}, 1, "set 1", "set 2", 2},
        {"undo past the first step gives nothing", {"r1", "u", "u"}, 0, "", "set 1", 1},
        {"a new step drops what could be redone", {"r1", "r2", "u", "r3", "d"}, 1, "set 3", "", 2},
        {"an absorbed change is no step, undo goes past it", {"r1", "a5", "u"}, 0, "", "set 1", 1},
        {"redo after an absorbed change gives the step", {"r1", "u", "a5", "d"}, 1, "set 1", "", 1},
    };
    for (const Script& script : scripts) {
        RecordHistory history(With(0));
        int last = -1;
        for (const std::string& action : script.actions) {
            const int value = action.size() > 1 ? std::stoi(action.substr(1)) : 0;
            std::optional<SettingsRecord> put;
            switch (action[0]) {
            case 'r':
                history.Record(With(static_cast<std::uint8_t>(value)),
                               "set " + std::to_string(value));
                break;
            case 'a':
                history.Absorb(With(static_cast<std::uint8_t>(value)));
                break;
            case 'u':
                put = history.Undo();
                break;
            case 'd':
                put = history.Redo();
                break;
            }
            if (put)
                last = ValueOf(*put);
        }
        EXPECT_EQ(last, script.last) << script.name;
        EXPECT_EQ(history.UndoName(), script.undo) << script.name;
        EXPECT_EQ(history.RedoName(), script.redo) << script.name;
        EXPECT_EQ(history.Steps(), script.steps) << script.name;
    }
}

TEST(RecordHistory, AThousandStepsAreKeptInFewMegabytesAndOnlyTheOldestAreForgotten) {
    RecordHistory history(With(0));
    for (int i = 1; i <= 1100; ++i) {
        SettingsRecord record;
        record.setU16(rec::kPitSpeed, static_cast<std::uint16_t>(i));
        ASSERT_TRUE(history.Record(record, "Pit line settings: pit speed"));
    }
    EXPECT_EQ(history.Steps(), RecordHistory::kDefaultLimit);
    EXPECT_LT(history.MemoryBytes(), std::size_t{4} << 20);
    int undone = 0;
    std::optional<SettingsRecord> oldest;
    while (auto record = history.Undo()) {
        oldest = record;
        ++undone;
    }
    EXPECT_EQ(undone, 1000);
    ASSERT_TRUE(oldest);
    EXPECT_EQ(oldest->u16(rec::kPitSpeed), 100);
}

TEST(SavedRecords, TheRecordIsModifiedOnlyWhenItDiffersFromGameAndFile) {
    struct Case {
        std::optional<int> game, file;
        int record;
        bool modified;
    };
    const Case cases[] = {
        {0, std::nullopt, 0, false},
        {0, std::nullopt, 1, true},
        {0, 1, 1, false},
        {0, 1, 0, false},
        {0, 1, 2, true},
        {std::nullopt, std::nullopt, 0, true},
    };
    for (const Case& c : cases) {
        SavedRecords saved;
        if (c.game)
            saved.game = With(static_cast<std::uint8_t>(*c.game));
        if (c.file)
            saved.file = With(static_cast<std::uint8_t>(*c.file));
        EXPECT_EQ(saved.Modified(With(static_cast<std::uint8_t>(c.record))), c.modified)
            << c.record;
    }
}

TEST(SavedRecords, WhatTheGameDoesNotHoldNeverCountsAgainstIt) {
    // Here the game holds only whether the value is odd.
    const auto sameInGame = [](const SettingsRecord& a, const SettingsRecord& b) {
        return ValueOf(a) % 2 == ValueOf(b) % 2;
    };
    SavedRecords saved;
    saved.game = With(0);
    EXPECT_FALSE(saved.Modified(With(2), sameInGame));
    EXPECT_TRUE(saved.Modified(With(1), sameInGame));
    saved.file = With(5);
    EXPECT_FALSE(saved.Modified(With(5), sameInGame));
    EXPECT_TRUE(saved.Modified(With(3), sameInGame));
}

TEST(UnsavedEdits, TheFileGivesBackTheRecordAndNothingElse) {
    SettingsRecord record;
    for (std::size_t i = 0; i < rec::kSize; ++i)
        record.setU8(i, static_cast<std::uint8_t>(i * 7));
    const auto bytes = UnsavedEditsBytes(record);
    EXPECT_EQ(RecordFromUnsavedEdits(bytes), record);

    const std::span<const std::uint8_t> all(bytes);
    std::vector<std::uint8_t> longFile(bytes.begin(), bytes.end());
    longFile.push_back(0);
    std::vector<std::uint8_t> foreign(bytes.begin(), bytes.end());
    foreign[0] ^= 1;
    const std::span<const std::uint8_t> bad[] = {
        all.first(all.size() - 1), longFile, all.subspan(8), foreign, {}};
    for (const auto& file : bad)
        EXPECT_FALSE(RecordFromUnsavedEdits(file)) << file.size();
}

TEST(StepNames, AStepIsNamedForTheWindowAndTheFieldsItChanged) {
    SettingsRecord before;
    SettingsRecord one = before;
    one.setU16(rec::EnginePowerQual(3), 700);
    SettingsRecord three = one;
    three.setU16(rec::EnginePowerOther(3), 700);
    three.setU16(rec::EnginePowerOther(4), 700);
    SettingsRecord unused = before;
    unused.setU8(rec::TeamName(1) + 5, 'x'); // a byte beyond the name's length
    EXPECT_EQ(StepName(before, one), "Engine power: team 3 qualification");
    EXPECT_EQ(StepName(before, three), "Engine power: team 3 qualification and 2 more");
    EXPECT_EQ(StepName(before, unused), "Change");
}

TEST(StepNames, AWindowCopiesOnlyItsOwnFields) {
    SettingsRecord game;
    SettingsRecord record;
    record.setU16(rec::EnginePowerQual(3), 700);
    record.setU16(rec::kPitSpeed, 80);
    EXPECT_TRUE(CopyWindowFields(game, record, "Engine power"));
    EXPECT_EQ(game.u16(rec::EnginePowerQual(3)), 700);
    EXPECT_EQ(game.u16(rec::kPitSpeed), 0);
    EXPECT_FALSE(CopyWindowFields(game, record, "Helmets"));
}

TEST(StepNames, TheDescriptionIsNoGameValue) {
    SettingsRecord a;
    SettingsRecord b = a;
    SetSettingsDescription(b, "my tweaks");
    EXPECT_TRUE(SameInGame(a, b));
    b.setU16(rec::kPitSpeed, 80);
    EXPECT_FALSE(SameInGame(a, b));
}

} // namespace
} // namespace psn
