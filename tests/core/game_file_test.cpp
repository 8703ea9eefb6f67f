// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/app_state.h"
#include "core/commit.h"
#include "core/editions.h"
#include "core/game_file.h"
#include "support/scratch_game.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace psn {
namespace {

using test::ReadFileBytes;
using test::ScratchGame;
using test::TempDir;
using test::WriteFileBytes;

TEST(Editions, DetectionIsExactAndUnknownBytesLeaveTheEdition) {
    struct Case {
        std::uint8_t byte;
        int expected;
    };
    for (const Case c : {Case{'J', 0}, Case{'o', 1}, Case{'i', 2}, Case{'E', 3}, Case{'a', 4},
                         Case{'e', 6}, Case{'j', 0}, Case{'A', 0}, Case{0, 0}, Case{0xFF, 0}}) {
        ScratchGame game;
        game.PokeExe(kEditionByteOffset, {c.byte});
        game.state.edition = 0;
        game.state.OpenGameExe();
        EXPECT_TRUE(game.state.DetectEdition());
        game.state.CloseGameFiles();
        EXPECT_EQ(game.state.edition, c.expected) << "edition byte " << int(c.byte);
    }
}

TEST(Editions, TooShortExecutableIsNotDetected) {
    ScratchGame game;
    WriteFileBytes(game.ExePath(), std::vector<std::uint8_t>(kEditionByteOffset, 'J'));
    game.state.edition = 0;
    game.state.OpenGameExe();
    EXPECT_FALSE(game.state.DetectEdition());
    EXPECT_EQ(game.state.edition, 0);
}

TEST(Editions, OffsetTableColumnsFiveAndSixRepeatZeroAndFour) {
    for (int row = 0; row < kExeRowCount; ++row) {
        const auto r = static_cast<ExeRow>(row);
        EXPECT_EQ(ExeOffset(r, 5), ExeOffset(r, 0)) << row;
        if (r == ExeRow::TrackNames || r == ExeRow::TrackManager32)
            continue;
        EXPECT_EQ(ExeOffset(r, 6), ExeOffset(r, 4)) << row;
    }
    EXPECT_EQ(ExeOffset(ExeRow::TrackNames, 6), 0x56BE32u);
    EXPECT_EQ(ExeOffset(ExeRow::TrackManager32, 6), 0x56BE31u);
    EXPECT_EQ(ExeOffset(ExeRow::TrackNames, 4), 0x56C59Bu);
    EXPECT_EQ(ExeOffset(ExeRow::Grip, 3), 0x1D7890u);
    EXPECT_EQ(ExeOffset(ExeRow::Cameras, 2), 0x13735Au);
    EXPECT_EQ(EditionName(3), std::string("Versi\xF3n en espa\xA5ol 1.0b"));
    EXPECT_EQ(EditionName(3).size(), 23u);
    EXPECT_EQ(EditionName(5), "English Ver.ion 1.0b");
}

TEST(GameFile, WordsAreLowByteFirstAndSkipsLeaveBytesAlone) {
    TempDir dir;
    const std::string path = dir.str() + "/f.bin";
    WriteFileBytes(path, {0x34, 0x12, 0xAA, 0xBB, 0xCC, 0xDD});
    GameFile file;
    ASSERT_TRUE(file.Open(path));
    EXPECT_EQ(file.ReadWord(), 0x1234);
    file.Skip(2);
    file.WriteWord(0xBEEF);
    file.Check();
    file.Close();
    EXPECT_EQ(ReadFileBytes(path), (std::vector<std::uint8_t>{0x34, 0x12, 0xAA, 0xBB, 0xEF, 0xBE}));
}

TEST(GameFile, OnlyClosingWritesAndAFailedCloseIsRaised) {
    struct Case {
        const char* name;
        bool close;
        bool occupy; // a folder holds the name the commit writes beside the target
        std::vector<std::uint8_t> expected;
        bool raises;
    };
    for (const Case& c : {Case{"closed", true, false, {9, 2, 3}, false},
                          Case{"destroyed open", false, false, {1, 2, 3}, false},
                          Case{"closed with the name beside taken", true, true, {1, 2, 3}, true}}) {
        TempDir dir;
        const std::string path = dir.str() + "/f.bin";
        WriteFileBytes(path, {1, 2, 3});
        bool raised = false;
        {
            GameFile file;
            ASSERT_TRUE(file.Open(path)) << c.name;
            file.WriteByte(9);
            if (c.occupy) {
                std::filesystem::create_directory(path + kNewSuffix);
                WriteFileBytes(path + kNewSuffix + "/x", {0});
            }
            if (c.close) {
                file.Close();
                try {
                    file.Check();
                } catch (const FileAccessError& error) {
                    raised = true;
                    EXPECT_EQ(error.Path(), path) << c.name;
                    EXPECT_FALSE(error.Reason().empty()) << c.name;
                }
            }
        }
        EXPECT_EQ(ReadFileBytes(path), c.expected) << c.name;
        EXPECT_EQ(raised, c.raises) << c.name;
        if (!c.occupy) {
            EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.str()), {}),
                      c.close ? 2 : 1)
                << c.name << ": only the target (and its backup once written) is left";
        }
    }
}

TEST(GameFile, FailureInTheMiddleOfAGroupIsStickyAndRaisesOnce) {
    TempDir dir;
    const std::string path = dir.str() + "/f.bin";
    WriteFileBytes(path, {1, 2, 3});
    GameFile file;
    ASSERT_TRUE(file.Open(path));
    file.Seek(2);
    EXPECT_EQ(file.ReadByte(), 3);
    EXPECT_EQ(file.ReadByte(), 0); // past the end
    file.Seek(0);                  // without effect after the failure
    file.WriteByte(9);
    EXPECT_EQ(file.Position(), 3u);
    EXPECT_THROW(file.Check(), FileAccessError);
    try {
        file.Check("2) File access error! ");
    } catch (const FileAccessError& e) {
        EXPECT_STREQ(e.what(), "2) File access error! ");
    }
    file.Close();
    EXPECT_EQ(ReadFileBytes(path), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_FALSE(std::filesystem::exists(path + ".bak")) << "nothing was written";
}

TEST(GameFile, SeekBeyondTheEndFailsButWritingAtTheEndExtends) {
    TempDir dir;
    const std::string path = dir.str() + "/f.bin";
    WriteFileBytes(path, {1, 2});
    GameFile file;
    ASSERT_TRUE(file.Open(path));
    file.Seek(2);
    file.WriteByte(3);
    file.Check();
    file.Seek(4);
    EXPECT_TRUE(file.Failed());
    file.Close();
    EXPECT_EQ(ReadFileBytes(path), (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST(GameFile, WritesAcrossPagesReachTheFileAndKeepTheRest) {
    TempDir dir;
    const std::string path = dir.str() + "/f.bin";
    std::vector<std::uint8_t> bytes(20000);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7);
    WriteFileBytes(path, bytes);
    GameFile file;
    ASSERT_TRUE(file.Open(path));
    file.Seek(4090);
    for (int i = 0; i < 10; ++i)
        file.WriteByte(0xEE);
    file.Seek(16383);
    EXPECT_EQ(file.ReadByte(), bytes[16383]);
    file.Close();
    for (int i = 0; i < 10; ++i)
        bytes[4090 + i] = 0xEE;
    EXPECT_EQ(ReadFileBytes(path), bytes);
}

TEST(GameFile, ReadOnlyFileIsMadeWritableAndBackedUpOnceBeforeTheFirstChange) {
    TempDir dir;
    // An install target: a file whose content the commit does not check.
    const std::string path = dir.str() + "/CPITHI.PCX";
    WriteFileBytes(path, {1, 2, 3, 4});
    ::chmod(path.c_str(), 0444);
    {
        GameFile file;
        ASSERT_TRUE(file.Open(path));
        EXPECT_EQ(file.ReadByte(), 1);
        file.Close();
        EXPECT_FALSE(std::filesystem::exists(path + ".bak")) << "reading changes nothing";
    }
    for (std::uint8_t value : {7, 8}) {
        GameFile file;
        ASSERT_TRUE(file.Open(path));
        file.WriteByte(value);
        file.Close();
    }
    EXPECT_EQ(ReadFileBytes(path), (std::vector<std::uint8_t>{8, 2, 3, 4}));
    EXPECT_EQ(ReadFileBytes(path + ".bak"), (std::vector<std::uint8_t>{1, 2, 3, 4}))
        << "the first backup stays the user's original";
}

TEST(GameFile, InjectedFaultFailsTheNthTransferOnly) {
    TempDir dir;
    const std::string path = dir.str() + "/f.bin";
    WriteFileBytes(path, {1, 2, 3, 4});
    auto faults = std::make_shared<TransferFaults>();
    faults->failAt = 4; // open, seek, read, READ
    GameFile file(faults);
    ASSERT_TRUE(file.Open(path));
    file.Seek(1);
    EXPECT_EQ(file.ReadByte(), 2);
    EXPECT_EQ(file.ReadByte(), 0);
    EXPECT_THROW(file.Check(), FileAccessError);
}

TEST(AppState, MissingGameFilesRaiseTheFileAccessError) {
    ScratchGame game(0, false);
    EXPECT_FALSE(game.state.StateFileExists());
    EXPECT_THROW(game.state.OpenStateFile(), FileAccessError);
    std::filesystem::remove(game.ExePath());
    try {
        game.state.OpenGameExe();
        FAIL();
    } catch (const FileAccessError& e) {
        EXPECT_STREQ(e.what(), " File access error! ");
    }
}

TEST(AppState, GameFilesAreFoundWhateverTheirLetterCase) {
#ifdef _WIN32
    GTEST_SKIP() << "the file system there ignores letter case by itself";
#endif
    ScratchGame game;
    std::filesystem::rename(game.StatePath(), game.gameDir + "f1gstate.sav");
    std::filesystem::create_directories(game.gameDir + "circuits");
    WriteFileBytes(game.gameDir + "circuits/f1ct01.dat", {5});
    EXPECT_TRUE(game.state.StateFileExists());
    EXPECT_EQ(game.state.GamePath("CIRCUITS\\F1CT01.DAT"), game.gameDir + "circuits/f1ct01.dat");
    // A name that matches nothing keeps its spelling, so callers can still create it.
    EXPECT_EQ(game.state.GamePath("CIRCUITS\\F1CT02.DAT"), game.gameDir + "circuits/F1CT02.DAT");
}

} // namespace
} // namespace psn
