#include "core/converter.h"
#include "graphics/bitmap8_format.h"
#include "shell/converter_runner.h"
#include "support/fake_converter.h"
#include "support/scratch_game.h"

#include <QElapsedTimer>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

namespace psn {
namespace {

using namespace std::chrono_literals;
using test::InstallFakeConverter;
using test::ReadFileBytes;

Bitmap8 Sheet(int width, int height, std::uint8_t seed) {
    return test::PatternPicture(width, height, seed);
}

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

    const ConverterOutcome outcome = runner.Run(ExtractHelmetsCommand(blankDir), "extract");
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
        {"non-zero exit", "echo 'archive is damaged' >&2; exit 3", "failed (exit code 3)"},
        {"hangs", "sleep 20", "did not finish within 0.3 seconds"},
        {"no output", "exit 0", "ended without writing .\\TEMP\\HELMETS.BMP"},
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
            runner.Run(ExtractHelmetsCommand(game.gameDir), "extract the helmets", kHelmetsBitmap);
        EXPECT_LT(clock.elapsed(), 5000);
        EXPECT_FALSE(outcome.ok);
        const std::string error = outcome.error.toStdString();
        EXPECT_NE(error.find("PSNJAM.EXE"), std::string::npos) << error;
        EXPECT_NE(error.find("extract the helmets"), std::string::npos) << error;
        EXPECT_NE(error.find(c.expectedText), std::string::npos) << error;
        EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(game.editorDir));
    }
}

// The start-up lets the converter work while it creates its windows: the bound counts from the
// start, and a conversion dropped unwaited (the editor closing) does not leave it running.
TEST_F(ConverterRunnerTest, AStartedConversionIsBoundedAndStoppedWhenDropped) {
    InstallFakeConverter(game.editorDir, "sleep 30");
    QElapsedTimer clock;
    clock.start();
    auto dropped = runner.Start(ExtractHelmetsCommand(game.gameDir), "extract the helmets");
    ASSERT_TRUE(dropped);
    dropped.reset();
    EXPECT_LT(clock.elapsed(), 5000);

    runner.timeout = 300ms;
    auto slow = runner.StartExtract(ExtractHelmetsCommand(game.gameDir), "extract the helmets",
                                    kHelmetsBitmap);
    std::this_thread::sleep_for(400ms);
    clock.restart();
    const ConverterOutcome outcome = runner.Wait(*slow);
    EXPECT_LT(clock.elapsed(), 2500);
    EXPECT_FALSE(outcome.ok);
    EXPECT_NE(outcome.error.toStdString().find("did not finish"), std::string::npos);
}

TEST_F(ConverterRunnerTest, StandInExtractsAndWritesBackSameSizedBitmapsOnly) {
    test::InstallStandIn(game.editorDir);
    const Bitmap8 original = Sheet(256, 180, 3);
    test::WriteArchive(game.gameDir, "HELMETS1.JAM", original);

    ASSERT_TRUE(runner.Run(ExtractHelmetsCommand(game.gameDir), "extract", kHelmetsBitmap).ok);
    EXPECT_EQ(ReadFileBytes(helmetsBmp), EncodeBmp(original));

    const Bitmap8 changed = Sheet(256, 180, 9);
    SaveBmpFile(changed, helmetsBmp);
    ASSERT_TRUE(runner.Run(WriteHelmetsCommand(game.gameDir), "write back").ok);
    auto bytes = ReadFileBytes(archive);
    bytes.erase(bytes.begin(), bytes.begin() + 8);
    EXPECT_EQ(bytes, EncodeBmp(changed));

    SaveBmpFile(Sheet(255, 180, 1), helmetsBmp);
    const ConverterOutcome wrongSize = runner.Run(WriteHelmetsCommand(game.gameDir), "write back");
    EXPECT_FALSE(wrongSize.ok);
    EXPECT_NE(wrongSize.error.toStdString().find("255 x 180"), std::string::npos);
    bytes = ReadFileBytes(archive);
    bytes.erase(bytes.begin(), bytes.begin() + 8);
    EXPECT_EQ(bytes, EncodeBmp(changed));

    test::WriteFileBytes(archive, {'n', 'o', 't'});
    std::filesystem::remove(helmetsBmp);
    EXPECT_FALSE(runner.Run(ExtractHelmetsCommand(game.gameDir), "extract", kHelmetsBitmap).ok);
    EXPECT_FALSE(std::filesystem::exists(helmetsBmp));
}

} // namespace
} // namespace psn
