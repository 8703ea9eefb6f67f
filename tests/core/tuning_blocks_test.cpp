// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/editions.h"
#include "editors/tuning_blocks.h"
#include "support/file_poke.h"
#include "support/scratch_game.h"

#include <gtest/gtest.h>
#include <map>

namespace psn {
namespace {

using test::Changes;
using test::Peek;
using test::Poke;
using test::ScratchGame;
using test::WriteFileBytes;

constexpr std::uint32_t kColours = 0x139934;
constexpr std::uint32_t kSpeeds = 0x139958;

void WritePatchFile(ScratchGame& game, const std::vector<PatchRecord>& list) {
    std::vector<std::uint8_t> bytes;
    for (const PatchRecord& r : list) {
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<std::uint8_t>(r.offset >> shift));
        bytes.push_back(r.offByte);
        bytes.push_back(r.onByte);
    }
    WriteFileBytes(game.state.StartPath(kPatchListFile), bytes);
}

TEST(TuningBlocks, LightsReadTheirBytesAndSkipTheRest) {
    ScratchGame game;
    std::vector<std::uint8_t> colours(16, 0xAA);
    for (int k = 0; k < 4; ++k)
        colours[4 * k] = static_cast<std::uint8_t>(k + 1);
    Poke(game.ExePath(), kColours, colours);
    Poke(game.ExePath(), kSpeeds,
         {0x34, 0x12, 0xAA, 0xAA, 0x10, 0x27, 0xAA, 0xAA, 0xFF, 0xFF, 0xAA});
    game.state.OpenGameExe();
    ReadLightColours(game.state);
    ReadLightSpeeds(game.state);
    game.state.CloseGameFiles();
    const auto& r = game.state.record;
    EXPECT_EQ(r.u8(rec::kLight0Colour), 1);
    EXPECT_EQ(r.u8(rec::kLight1Colour), 2);
    EXPECT_EQ(r.u8(rec::kLight2Colour), 3);
    EXPECT_EQ(r.u8(rec::kLight3Colour), 4);
    EXPECT_EQ(r.u16(rec::kLight1Speed), 0x1234);
    EXPECT_EQ(r.u16(rec::kLight2Speed), 10000);
    EXPECT_EQ(r.u16(rec::kLight3Speed), 0xFFFF);
}

TEST(TuningBlocks, WriteTouchesExactlyTheBlockBytes) {
    ScratchGame game;
    auto& r = game.state.record;
    for (int k = 0; k < 4; ++k)
        r.setU8(LightColour(k), static_cast<std::uint8_t>(0x11 * (k + 1)));
    r.setU16(rec::kLight1Speed, 0x0102);
    r.setU16(rec::kLight2Speed, 0x0304);
    r.setU16(rec::kLight3Speed, 0x0506);
    r.setU8(rec::kPracticeFuel, 7);
    r.setU8(rec::kQualifyingFuel, 9);
    r.setU16(rec::kHumanWeight, 1530);
    r.setU16(rec::kComputerWeight, 0xBEEF);
    r.setU8(rec::kFuelDisplaySwitch, 1);
    r.setU8(rec::kTeamPerformanceSwitch, 1);
    const auto before = game.Exe();
    game.state.OpenGameExe();
    WriteCarTuning(game.state, false);
    game.state.CloseGameFiles();
    const std::map<std::size_t, std::uint8_t> expected{
        {kColours, 0x11},        {kColours + 4, 0x22},  {kColours + 8, 0x33}, {kColours + 12, 0x44},
        {kSpeeds, 0x02},         {kSpeeds + 1, 0x01},   {kSpeeds + 4, 0x04},  {kSpeeds + 5, 0x03},
        {kSpeeds + 8, 0x06},     {kSpeeds + 9, 0x05},   {0xA4798, 7},         {0xABFD0, 9},
        {0x1390C8, 1530 & 0xFF}, {0x1390C9, 1530 >> 8}, {0x1390CC, 0xEF},     {0x1390CD, 0xBE},
        {0xE4F02, 235}};
    // Both team-performance bytes "on" are 0, which the zero-filled file already holds.
    EXPECT_EQ(Changes(before, game.Exe()), expected);
    EXPECT_EQ(game.Exe()[0xA5A8B], 0);
    EXPECT_EQ(game.Exe()[0xA5BF8], 0);
}

TEST(TuningBlocks, ReadThenWriteKeepsTheGameAsItWas) {
    ScratchGame game;
    std::vector<std::uint8_t> noise(0x60);
    for (std::size_t i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<std::uint8_t>(i * 37 + 5);
    Poke(game.ExePath(), kColours, noise);
    Poke(game.ExePath(), 0xA4798, {12});
    Poke(game.ExePath(), 0xABFD0, {4});
    Poke(game.ExePath(), 0x1390C8, {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC});
    Poke(game.ExePath(), 0xE4F02, {235});
    Poke(game.ExePath(), 0xA5A8B, {255});
    Poke(game.ExePath(), 0xA5BF8, {255});
    const auto before = game.Exe();
    game.state.OpenGameExe();
    ReadCarTuning(game.state, false);
    WriteCarTuning(game.state, false);
    game.state.CloseGameFiles();
    EXPECT_TRUE(Changes(before, game.Exe()).empty());
    EXPECT_EQ(game.state.record.u8(rec::kPracticeFuel), 12);
    EXPECT_EQ(game.state.record.u8(rec::kQualifyingFuel), 4);
}

TEST(TuningBlocks, SwitchEncodings) {
    struct Case {
        std::uint8_t fuelByte, firstPerf, secondPerf;
        std::uint8_t fuelFlag, perfFlag;
        std::uint8_t fuelWritten, perfWritten;
    };
    ScratchGame game;
    for (const Case c : {Case{116, 255, 255, 0, 0, 116, 255}, Case{235, 0, 0, 1, 1, 235, 0},
                         Case{0, 0, 255, 1, 0, 235, 255}, Case{117, 255, 0, 1, 1, 235, 0},
                         Case{0xEB, 255, 254, 1, 1, 235, 0}}) {
        Poke(game.ExePath(), 0xE4F02, {c.fuelByte});
        Poke(game.ExePath(), 0xA5A8B, {c.firstPerf});
        Poke(game.ExePath(), 0xA5BF8, {c.secondPerf});
        game.state.OpenGameExe();
        ReadFuelDisplay(game.state);
        ReadTeamPerformance(game.state);
        EXPECT_EQ(game.state.record.u8(rec::kFuelDisplaySwitch), c.fuelFlag) << int(c.fuelByte);
        EXPECT_EQ(game.state.record.u8(rec::kTeamPerformanceSwitch), c.perfFlag)
            << int(c.secondPerf);
        WriteFuelDisplay(game.state);
        WriteTeamPerformance(game.state);
        game.state.CloseGameFiles();
        EXPECT_EQ(Peek(game.ExePath(), 0xE4F02, 1)[0], c.fuelWritten);
        EXPECT_EQ(Peek(game.ExePath(), 0xA5A8B, 1)[0], c.perfWritten);
        EXPECT_EQ(Peek(game.ExePath(), 0xA5BF8, 1)[0], c.perfWritten);
    }
}

TEST(TuningBlocks, PatchListLastMatchingRecordDecides) {
    struct Case {
        std::vector<std::uint8_t> exeBytes; // at 0x1000, 0x1001, 0x1002
        std::uint8_t flagBefore, flagAfter;
    };
    ScratchGame game;
    // off/on bytes: 1/2, 4/5, 8/7.
    WritePatchFile(game, {{0x1000, 1, 2}, {0x1001, 4, 5}, {0x1002, 8, 7}});
    for (const Case& c : {Case{{1, 5, 9}, 0, 1}, Case{{2, 5, 9}, 1, 1}, Case{{2, 4, 8}, 1, 0},
                          Case{{9, 9, 9}, 1, 1}, Case{{9, 9, 9}, 0, 0}, Case{{2, 4, 7}, 0, 1}}) {
        Poke(game.ExePath(), 0x1000, c.exeBytes);
        game.state.record.setU8(rec::kPatchListSwitch, c.flagBefore);
        game.state.OpenGameExe();
        ReadPatchList(game.state);
        game.state.CloseGameFiles();
        EXPECT_EQ(game.state.record.u8(rec::kPatchListSwitch), c.flagAfter);
    }
}

TEST(TuningBlocks, PatchListWritesOnlyItsOffsets) {
    for (const std::uint8_t flag : {0, 1}) {
        ScratchGame game;
        WritePatchFile(game, {{0x2000, 0x11, 0x22}, {0x56FFFF, 0x33, 0x44}});
        game.state.record.setU8(rec::kPatchListSwitch, flag);
        const auto before = game.Exe();
        game.state.OpenGameExe();
        WritePatchList(game.state);
        game.state.CloseGameFiles();
        const std::map<std::size_t, std::uint8_t> expected{{0x2000, flag ? 0x22 : 0x11},
                                                           {0x56FFFF, flag ? 0x44 : 0x33}};
        EXPECT_EQ(Changes(before, game.Exe()), expected);
    }
}

TEST(TuningBlocks, BadPatchListWritesNothing) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> file; // empty: no file
        bool present;
    };
    const std::vector<std::uint8_t> good{0x00, 0x20, 0, 0, 0x11, 0x22};
    std::vector<std::uint8_t> truncated = good;
    truncated.push_back(0x00);
    std::vector<std::uint8_t> beyond = good;
    // Offset 0x570000 is one past the end of the scratch executable.
    beyond.insert(beyond.end(), {0x00, 0x00, 0x57, 0x00, 0x01, 0x02});
    for (const Case& c : {Case{"missing", {}, false}, Case{"not a multiple of 6", truncated, true},
                          Case{"offset beyond the executable", beyond, true}}) {
        ScratchGame game;
        if (c.present)
            WriteFileBytes(game.state.StartPath(kPatchListFile), c.file);
        game.state.record.setU16(rec::kHumanWeight, 1000);
        game.state.record.setU8(rec::kPatchListSwitch, 1);
        const auto before = game.Exe();
        const auto record = game.state.record;
        game.state.OpenGameExe();
        EXPECT_THROW(WriteCarTuning(game.state, true), DataFileError) << c.what;
        EXPECT_THROW(ReadCarTuning(game.state, true), DataFileError) << c.what;
        game.state.CloseGameFiles();
        EXPECT_EQ(game.Exe(), before) << c.what;
        EXPECT_EQ(game.state.record, record) << c.what;
    }
}

// A list made for another game (the shipped one is made for the sample game) must not put its
// bytes into this one: each offset must hold the record's off or on byte, or nothing is written.
TEST(TuningBlocks, PatchListThatDoesNotFitTheGameWritesNothing) {
    ScratchGame game;
    WritePatchFile(game, {{0x2000, 0x00, 0x01}, {0x3000, 0x11, 0x22}, {0x4000, 0x00, 0x05}});
    game.state.record.setU16(rec::kHumanWeight, 1000);
    game.state.record.setU8(rec::kPatchListSwitch, 1);
    const auto before = game.Exe();
    game.state.OpenGameExe();
    try {
        WriteCarTuning(game.state, true);
        ADD_FAILURE() << "a list that does not fit was written";
    } catch (const DataFileError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("record 2 (offset 3000h)"), std::string::npos) << message;
        EXPECT_NE(message.find("PLT.DAT"), std::string::npos) << message;
    }
    game.state.CloseGameFiles();
    EXPECT_EQ(game.Exe(), before);

    // Once every offset holds one of its two bytes, the list fits.
    Poke(game.ExePath(), 0x3000, {0x22});
    const auto fitting = game.Exe();
    game.state.OpenGameExe();
    EXPECT_NO_THROW(WriteCarTuning(game.state, true));
    game.state.CloseGameFiles();
    const auto changes = Changes(fitting, game.Exe());
    EXPECT_EQ(changes.at(0x2000), 0x01);
    EXPECT_EQ(changes.at(0x4000), 0x05);
}

TEST(TuningBlocks, EmptyPatchListIsNoPatch) {
    ScratchGame game;
    WriteFileBytes(game.state.StartPath(kPatchListFile), {});
    game.state.record.setU8(rec::kPatchListSwitch, 1);
    game.state.OpenGameExe();
    EXPECT_NO_THROW(ReadPatchList(game.state));
    EXPECT_NO_THROW(WritePatchList(game.state));
    game.state.CloseGameFiles();
    EXPECT_EQ(game.state.record.u8(rec::kPatchListSwitch), 1);
}

TEST(TuningBlocks, EveryFailedTransferIsFatal) {
    using Operation = void (*)(AppState&, bool);
    for (const Operation operation : {Operation{WriteCarTuning}, Operation{ReadCarTuning}}) {
        ScratchGame probe;
        // The scratch executable holds 0 there, the list's off byte: the list fits.
        WritePatchFile(probe, {{0x3000, 0, 2}});
        probe.state.OpenGameExe();
        const long before = probe.state.faults->count;
        operation(probe.state, true);
        const long transfers = probe.state.faults->count - before;
        probe.state.CloseGameFiles();
        ASSERT_GT(transfers, 30);
        ScratchGame game;
        WritePatchFile(game, {{0x3000, 0, 2}});
        for (long n = 1; n <= transfers; ++n) {
            game.state.OpenGameExe();
            game.state.faults->count = 0;
            game.state.faults->failAt = n;
            EXPECT_THROW(operation(game.state, true), FileAccessError) << n;
            game.state.faults->failAt = 0;
            game.state.CloseGameFiles();
        }
    }
}

TEST(TuningBlocks, Conversions) {
    struct Weight {
        int pounds, kilograms;
    };
    // 1530 lb = 693.99 kg; 10 lb = 4.5359; 0.5 boundaries need exact arithmetic.
    for (const Weight w : {Weight{0, 0}, Weight{1530, 694}, Weight{10, 5}, Weight{1, 0},
                           Weight{10000, 4536}, Weight{65535, 29726}, Weight{100000, 45359}})
        EXPECT_EQ(PoundsToKilograms(w.pounds), w.kilograms) << w.pounds;
    struct Speed {
        std::int32_t rpm;
        std::uint16_t stored;
    };
    for (const Speed s : {Speed{6000, 0}, Speed{6154, 0}, Speed{6155, 1}, Speed{17000, 10846},
                          Speed{-1, 65535 - 6154}, Speed{65536 + 7000, 846}, Speed{0, 0}})
        EXPECT_EQ(StoredLightSpeed(s.rpm), s.stored) << s.rpm;
}

} // namespace
} // namespace psn
