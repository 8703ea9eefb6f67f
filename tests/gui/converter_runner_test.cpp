// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/bitmap8_format.h"
#include "core/converter.h"
#include "core/game_lock.h"
#include "support/fake_converter.h"
#include "support/scratch_game.h"
#include "ui/converter_runner.h"

#include <QElapsedTimer>
#include <QStandardPaths>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <thread>

namespace psn {
namespace {

using namespace std::chrono_literals;
using test::InstallFakeConverter;
using test::ReadFileBytes;

Bitmap8 Sheet(int width, int height, std::uint8_t seed) {
    return test::PatternPicture(width, height, seed);
}

// Whether a process still runs: a killed child of a killed shell may stay a zombie until its new
// parent reaps it, which counts as stopped.
bool Running(int pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line))
        return false;
    const auto close = line.rfind(')');
    return close != std::string::npos && close + 2 < line.size() && line[close + 2] != 'Z';
}

bool StopsWithin(int pid, std::chrono::milliseconds limit) {
    QElapsedTimer clock;
    clock.start();
    while (Running(pid)) {
        if (clock.elapsed() > limit.count())
            return false;
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

// The shell creates the file before it writes the number, so wait for the number itself.
int ReadPid(const std::string& path) {
    int pid = 0;
    for (int tries = 0; tries < 250 && pid <= 0; ++tries) {
        std::ifstream in(path);
        if (!(in >> pid))
            pid = 0;
        if (pid <= 0)
            std::this_thread::sleep_for(20ms);
    }
    return pid;
}

// Sets an environment variable for the scope of one test.
struct ScopedEnv {
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }
    const char* name_;
    std::optional<std::string> old_;
};

struct ConverterRunnerTest : ::testing::Test {
    test::ScratchGame game;
    ConverterRunner runner{game.state};
    std::string helmetsBmp = game.editorDir + "/TEMP/HELMETS.BMP";
    std::string archive = game.gameDir + "GAMEJAMS/HELMETS1.JAM";

    ConverterRunnerTest() { std::filesystem::create_directories(game.gameDir + "GAMEJAMS"); }
    // The runner makes the scratch folder current; leave it before it is removed.
    ~ConverterRunnerTest() override {
        std::filesystem::current_path(std::filesystem::temp_directory_path());
    }
};

TEST_F(ConverterRunnerTest, FindsTheConverterInTheStartDirectoryInAnyCaseThenOnThePath) {
    EXPECT_FALSE(runner.Locate());

    const test::TempDir pathDir;
    const std::string onPath = InstallFakeConverter(pathDir.str(), "exit 0", "psnjam.exe");
    const std::string oldPath = std::getenv("PATH");
    setenv("PATH", ("/nonexistent:" + pathDir.str() + ":" + oldPath).c_str(), 1);
    EXPECT_EQ(runner.Locate(), onPath);

    const std::string local = InstallFakeConverter(game.editorDir, "exit 0", "PsnJam.Exe");
    EXPECT_EQ(runner.Locate(), local);
    setenv("PATH", oldPath.c_str(), 1);
}

TEST_F(ConverterRunnerTest, PassesEachArgumentWholeAndRunsInTheStartDirectory) {
    // A game folder with blanks reaches the converter unquoted, as one argument.
    const std::string blankDir = game.dir.str() + "/my game dir/";
    std::filesystem::create_directories(blankDir + "GAMEJAMS");
    InstallFakeConverter(game.editorDir,
                         "pwd > args.txt; for a in \"$@\"; do echo \"[$a]\" >> args.txt; done");

    const ConverterOutcome outcome = runner.Run(ExtractHelmetsCommand(blankDir));
    ASSERT_TRUE(outcome.ok) << outcome.error.toStdString();
    const auto bytes = ReadFileBytes(game.editorDir + "/args.txt");
    const std::string expected = std::filesystem::canonical(game.editorDir).string() + "\n[-j" +
                                 blankDir +
                                 "GAMEJAMS/HELMETS1.JAM]\n[-b./TEMP/HELMETS.BMP]\n[-y]\n";
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), expected);
}

TEST_F(ConverterRunnerTest, ReportsEveryWayTheConverterCanFailWithWhatItWasAskedToDo) {
    struct Case {
        const char* name;
        const char* script; // nullptr: no converter at all
        const char* expectedText;
    };
    const Case cases[] = {
        {"missing", nullptr, "was not found"},
        {"not a program", "#!/nonexistent/interpreter\n", "could not be started"},
        {"not executable", "", "was not found"},
        {"non-zero exit", "echo 'archive is damaged' >&2; exit 3",
         "ended with exit code 3 without writing .\\TEMP\\HELMETS.BMP"},
        {"hangs", "sleep 20", "did not finish within 0.3 seconds"},
        {"no output", "exit 0", "ended with exit code 0 without writing .\\TEMP\\HELMETS.BMP"},
        {"damaged output", "echo BM > TEMP/HELMETS.BMP",
         "the .\\TEMP\\HELMETS.BMP it wrote cannot be loaded"},
    };
    runner.timeout = 300ms;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(game.editorDir + "/PSNJAM.EXE");
        const std::string name = c.name;
        if (name == "not a program") {
            test::InstallScript(game.editorDir, "PSNJAM.EXE", c.script);
        } else if (c.script) {
            const auto path = InstallFakeConverter(game.editorDir, c.script);
            if (name == "not executable")
                std::filesystem::permissions(path, std::filesystem::perms::owner_read);
        }
        QElapsedTimer clock;
        clock.start();
        const ConverterOutcome outcome =
            runner.Run(ExtractHelmetsCommand(game.gameDir), kHelmetsBitmap);
        EXPECT_LT(clock.elapsed(), 5000);
        EXPECT_FALSE(outcome.ok);
        const std::string error = outcome.error.toStdString();
        EXPECT_NE(error.find("PSNJAM.EXE"), std::string::npos) << error;
        EXPECT_NE(error.find("extract the helmets"), std::string::npos) << error;
        EXPECT_NE(error.find(c.expectedText), std::string::npos) << error;
        if (name == "non-zero exit") {
            EXPECT_NE(error.find("archive is damaged"), std::string::npos) << error;
        }
        EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(game.editorDir));
    }
}

// The start-up lets the converter work while it creates its windows: the bound counts from the
// start, and a conversion dropped unwaited (the editor closing) does not leave it running.
TEST_F(ConverterRunnerTest, AStartedConversionIsBoundedAndStoppedWhenDropped) {
    InstallFakeConverter(game.editorDir, "sleep 30");
    QElapsedTimer clock;
    clock.start();
    auto dropped = runner.Start(ExtractHelmetsCommand(game.gameDir));
    ASSERT_TRUE(dropped);
    dropped.reset();
    EXPECT_LT(clock.elapsed(), 5000);

    runner.timeout = 300ms;
    auto slow = runner.StartExtract(ExtractHelmetsCommand(game.gameDir), kHelmetsBitmap);
    std::this_thread::sleep_for(400ms);
    clock.restart();
    const ConverterOutcome outcome = runner.Wait(*slow);
    EXPECT_LT(clock.elapsed(), 2500);
    EXPECT_FALSE(outcome.ok);
    EXPECT_NE(outcome.error.toStdString().find("did not finish"), std::string::npos);
}

// An extraction is judged by its bitmap: once it is complete, the conversion has succeeded
// whatever the exit code, and a converter still waiting then is stopped with all it started.
TEST_F(ConverterRunnerTest, AnExtractionSucceedsByItsBitmapAndStopsALingeringConverter) {
    const std::string source = game.dir.str() + "/sheet.bmp";
    SaveBmpFile(Sheet(64, 30, 5), source);
    struct Case {
        const char* name;
        std::string script;
    };
    const Case cases[] = {
        {"waits for a key",
         "cp '" + source + "' TEMP/HELMETS.BMP; sleep 60 & echo $! > child.pid; wait"},
        {"fails after writing", "cp '" + source + "' TEMP/HELMETS.BMP; exit 4"},
        {"writes slowly", "head -c 600 '" + source +
                              "' > TEMP/HELMETS.BMP; sleep 0.5; tail -c +601 '" + source +
                              "' >> TEMP/HELMETS.BMP; sleep 60"},
    };
    runner.timeout = 20s;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(game.editorDir + "/child.pid");
        InstallFakeConverter(game.editorDir, c.script);
        QElapsedTimer clock;
        clock.start();
        const ConverterOutcome outcome =
            runner.Extract(ExtractHelmetsCommand(game.gameDir), kHelmetsBitmap);
        EXPECT_LT(clock.elapsed(), 5000);
        EXPECT_TRUE(outcome.ok) << outcome.error.toStdString();
        EXPECT_EQ(ReadFileBytes(helmetsBmp), ReadFileBytes(source));
        if (std::filesystem::exists(game.editorDir + "/child.pid")) {
            EXPECT_TRUE(StopsWithin(ReadPid(game.editorDir + "/child.pid"), 2s));
        }
    }
}

TEST_F(ConverterRunnerTest, ATimeoutStopsEverythingTheConverterStarted) {
    InstallFakeConverter(game.editorDir, "sleep 60 & echo $! > child.pid; sh -c 'sleep 60' & wait");
    runner.timeout = 500ms;
    const ConverterOutcome outcome =
        runner.Run(ExtractHelmetsCommand(game.gameDir), kHelmetsBitmap);
    EXPECT_FALSE(outcome.ok);
    EXPECT_NE(outcome.error.toStdString().find("did not finish"), std::string::npos);
    const int child = ReadPid(game.editorDir + "/child.pid");
    ASSERT_GT(child, 0);
    EXPECT_TRUE(StopsWithin(child, 2s));

    // So does dropping a conversion that was never waited for.
    std::filesystem::remove(game.editorDir + "/child.pid");
    auto dropped = runner.Start(ExtractHelmetsCommand(game.gameDir));
    const int second = ReadPid(game.editorDir + "/child.pid");
    ASSERT_GT(second, 0);
    dropped.reset();
    EXPECT_TRUE(StopsWithin(second, 2s));
}

// A converter file starting with "MZ" is a Windows program: it runs through Wine, with its path
// options as Wine sees them, or is refused with a message saying what runs it.
TEST_F(ConverterRunnerTest, AWindowsConverterRunsThroughWineWithWinePaths) {
    const std::string exe = game.editorDir + "/PSNJAM.EXE";
    // Copied from a Windows disk, without the executable bit.
    test::WriteFileBytes(exe, {'M', 'Z', 0x90, 0});
    std::filesystem::permissions(exe, std::filesystem::perms::owner_read |
                                          std::filesystem::perms::owner_write);

    const test::TempDir bin;
    {
        const ScopedEnv path("PATH", bin.str());
        const ConverterOutcome refused = runner.Run(ExtractHelmetsCommand(game.gameDir));
        EXPECT_FALSE(refused.ok);
        const std::string error = refused.error.toStdString();
        EXPECT_NE(error.find("is a Windows program"), std::string::npos) << error;
        EXPECT_NE(error.find("Debian's wine package"), std::string::npos) << error;
    }

    // Stand-ins for Wine: winepath prints each path in Wine's spelling, wine records its call.
    test::InstallScript(bin.str(), "winepath",
                        "#!/bin/sh\n[ \"$1\" = -w ] || exit 1; shift\n"
                        "for p in \"$@\"; do echo \"Z:$p\" | tr / '\\\\'; done\n");
    test::InstallScript(
        bin.str(), "wine",
        "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]\\n' \"$a\" >> wine-args.txt; done\n");
    const ScopedEnv path("PATH", bin.str() + ":/usr/bin:/bin");
    const ConverterOutcome outcome = runner.Run(ExtractHelmetsCommand(game.gameDir));
    ASSERT_TRUE(outcome.ok) << outcome.error.toStdString();
    const auto bytes = ReadFileBytes(game.editorDir + "/wine-args.txt");
    const auto windows = [](std::string p) {
        std::replace(p.begin(), p.end(), '/', '\\');
        return "Z:" + p;
    };
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()),
              "[" + exe + "]\n[-j" + windows(game.gameDir + "GAMEJAMS/HELMETS1.JAM") + "]\n[-b" +
                  windows(game.editorDir + "/TEMP/HELMETS.BMP") + "]\n[-y]\n");
}

// The stand-in converter built for Windows, run under Debian's wine (scripts/test-wine installs
// both and runs this test).
TEST_F(ConverterRunnerTest, TheWindowsStandInRunsUnderWine) {
    const std::string windowsStandIn = PSN_WIN_STANDIN;
    if (windowsStandIn.empty() || !std::filesystem::exists(windowsStandIn))
        GTEST_SKIP() << "the stand-in converter was not built for Windows: Debian's "
                        "g++-mingw-w64-x86-64 is not installed (scripts/test-wine installs it)";
    if (QStandardPaths::findExecutable("wine").isEmpty())
        GTEST_SKIP() << "wine is not on the program search path: Debian's wine package is not "
                        "installed (scripts/test-wine installs it)";
    std::filesystem::copy_file(windowsStandIn, game.editorDir + "/PSNJAM.EXE");
    const ScopedEnv quiet("WINEDEBUG", "-all");
    // A first run in a fresh Wine prefix sets the prefix up, which takes a while.
    runner.timeout = 180s;

    const Bitmap8 original = Sheet(256, 180, 3);
    test::WriteArchive(game.gameDir, "HELMETS1.JAM", original);
    const ConverterOutcome extracted =
        runner.Extract(ExtractHelmetsCommand(game.gameDir), kHelmetsBitmap);
    ASSERT_TRUE(extracted.ok) << extracted.error.toStdString();
    EXPECT_EQ(ReadFileBytes(helmetsBmp), EncodeBmp(original));

    const Bitmap8 changed = Sheet(256, 180, 9);
    SaveBmpFile(changed, helmetsBmp);
    const ConverterOutcome written = runner.Run(WriteHelmetsCommand(game.gameDir));
    ASSERT_TRUE(written.ok) << written.error.toStdString();
    auto bytes = ReadFileBytes(archive);
    bytes.erase(bytes.begin(), bytes.begin() + 8);
    EXPECT_EQ(bytes, EncodeBmp(changed));
}

TEST_F(ConverterRunnerTest, StandInExtractsAndWritesBackSameSizedBitmapsOnly) {
    test::InstallStandIn(game.editorDir);
    const Bitmap8 original = Sheet(256, 180, 3);
    test::WriteArchive(game.gameDir, "HELMETS1.JAM", original);

    ASSERT_TRUE(runner.Run(ExtractHelmetsCommand(game.gameDir), kHelmetsBitmap).ok);
    EXPECT_EQ(ReadFileBytes(helmetsBmp), EncodeBmp(original));

    const Bitmap8 changed = Sheet(256, 180, 9);
    SaveBmpFile(changed, helmetsBmp);
    ASSERT_TRUE(runner.Run(WriteHelmetsCommand(game.gameDir)).ok);
    auto bytes = ReadFileBytes(archive);
    bytes.erase(bytes.begin(), bytes.begin() + 8);
    EXPECT_EQ(bytes, EncodeBmp(changed));

    SaveBmpFile(Sheet(255, 180, 1), helmetsBmp);
    const ConverterOutcome wrongSize = runner.Run(WriteHelmetsCommand(game.gameDir));
    EXPECT_FALSE(wrongSize.ok);
    EXPECT_NE(wrongSize.error.toStdString().find("255 x 180"), std::string::npos);
    bytes = ReadFileBytes(archive);
    bytes.erase(bytes.begin(), bytes.begin() + 8);
    EXPECT_EQ(bytes, EncodeBmp(changed));

    test::WriteFileBytes(archive, {'n', 'o', 't'});
    std::filesystem::remove(helmetsBmp);
    EXPECT_FALSE(runner.Run(ExtractHelmetsCommand(game.gameDir), kHelmetsBitmap).ok);
    EXPECT_FALSE(std::filesystem::exists(helmetsBmp));
}

// Writing an archive back changes the game: while another program holds the game's lock, the
// converter is not started and the archive keeps its bytes.
TEST_F(ConverterRunnerTest, AWriteBackWaitsForTheGamesLockAndGivesUpWithoutTouchingTheArchive) {
    InstallFakeConverter(game.editorDir,
                         "for a; do case $a in -j*) echo changed > \"${a#-j}\";; esac; done");
    test::WriteFileBytes(archive, {'o', 'l', 'd'});
    game.state.lockWait = 50ms;
    {
        const GameLock other = GameLock::Acquire(game.gameDir);
        const ConverterOutcome refused =
            runner.WriteBack(WriteHelmetsCommand(game.gameDir), archive);
        EXPECT_FALSE(refused.ok);
        EXPECT_NE(refused.error.toStdString().find("Another program"), std::string::npos)
            << refused.error.toStdString();
        EXPECT_EQ(ReadFileBytes(archive), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
        EXPECT_FALSE(std::filesystem::exists(archive + ".bak"));
    }
    const ConverterOutcome done = runner.WriteBack(WriteHelmetsCommand(game.gameDir), archive);
    ASSERT_TRUE(done.ok) << done.error.toStdString();
    EXPECT_EQ(ReadFileBytes(archive + ".bak"), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
    EXPECT_NE(ReadFileBytes(archive), ReadFileBytes(archive + ".bak"));
}

} // namespace
} // namespace psn
