// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/platform.h"
#include "shell/start_folder.h"
#include "support/scratch_game.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

namespace psn {
namespace {

namespace stdfs = std::filesystem;

void Write(const stdfs::path& path, const std::string& text) {
    stdfs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// A path as the program spells it (UTF-8, forward slashes on every system).
std::string Str(const stdfs::path& path) {
    return platform::FromPath(path);
}

std::string Read(const stdfs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// An installation (program folder and shared data, laid out as the install rules do), a user
// data home and an unrelated folder to start from.
struct Places {
    test::TempDir dir;
    stdfs::path program = dir.path() / "usr/bin";
    stdfs::path shared = dir.path() / "usr/share/psniaed/DATA";
    stdfs::path dataHome = dir.path() / "home/.local/share";
    stdfs::path user = dataHome / "psniaed";
    stdfs::path elsewhere = dir.path() / "elsewhere";

    Places() {
        stdfs::create_directories(program);
        stdfs::create_directories(elsewhere);
        Write(shared / "PSN.PAL", "palette 1");
        Write(shared / "PLT.DAT", "patches 1");
        Write(shared / "BT_EXIT.BMP", "exit 1");
    }
    StartPlaces From(const stdfs::path& current) const {
        return {Str(current), Str(program), Str(dataHome), "", ""};
    }
    // A newer package: every shipped file changes, and its time moves on as an upgrade's would.
    void Upgrade(const std::string& version) {
        for (const char* name : {"PSN.PAL", "PLT.DAT", "BT_EXIT.BMP"}) {
            const stdfs::path file = shared / name;
            const auto before = stdfs::last_write_time(file);
            std::string text = Read(file);
            text.back() = version.back();
            Write(file, text);
            stdfs::last_write_time(file, before + std::chrono::seconds(10));
        }
    }
};

TEST(StartFolder, AnEditorFolderIsUsedAsItIsAndNothingIsMadeElsewhere) {
    Places places;
    stdfs::create_directories(places.elsewhere / "DATA");
    const StartFolder start = ChooseStartFolder(places.From(places.elsewhere));
    EXPECT_EQ(start.path, Str(places.elsewhere));
    EXPECT_FALSE(stdfs::exists(places.dataHome));
    EXPECT_FALSE(stdfs::exists(places.elsewhere / "TEMP"));
}

TEST(StartFolder, StartedElsewhereTheUserFolderIsMadeAndFilledAndTheStartFolderStaysEmpty) {
    Places places;
    const StartFolder start = ChooseStartFolder(places.From(places.elsewhere));
    ASSERT_EQ(start.path, Str(places.user)) << English(start.error);
    EXPECT_TRUE(stdfs::is_directory(places.user / "TEMP"));
    EXPECT_EQ(Read(places.user / "DATA/PSN.PAL"), "palette 1");
    EXPECT_EQ(Read(places.user / "DATA/PLT.DAT"), "patches 1");
    EXPECT_EQ(Read(places.user / "DATA/BT_EXIT.BMP"), "exit 1");
    EXPECT_TRUE(stdfs::is_empty(places.elsewhere));

    // Started again from inside that folder, it is still kept up to date.
    places.Upgrade("2");
    EXPECT_EQ(ChooseStartFolder(places.From(places.user)).path, Str(places.user));
    EXPECT_EQ(Read(places.user / "DATA/PSN.PAL"), "palette 2");
}

TEST(StartFolder, UserFolderFollowsTheDataHomeThenTheHomeFolder) {
#ifdef _WIN32
    const std::string root = "C:", variable = "APPDATA";
#else
    const std::string root, variable = "HOME";
#endif
    EXPECT_EQ(UserEditorFolder({"", "", root + "/data", root + "/home/u", ""}),
              root + "/data/psniaed");
    // A relative data home is invalid and ignored.
    EXPECT_EQ(UserEditorFolder({"", "", "data", root + "/home/u", ""}),
              root + "/home/u/.local/share/psniaed");
    EXPECT_EQ(UserEditorFolder({"", "", "", root + "/home/u", ""}),
              root + "/home/u/.local/share/psniaed");
    EXPECT_EQ(UserEditorFolder({"", "", "", "", ""}), "");
    EXPECT_EQ(UserEditorFolder({"", "", root + "/data", "", root + "/roaming"}),
              root + "/roaming/psniaed");

    Places places;
    const StartFolder start = ChooseStartFolder({Str(places.elsewhere), "", "", "", ""});
    EXPECT_TRUE(start.path.empty());
    EXPECT_NE(English(start.error).find(variable), std::string::npos);
}

TEST(StartFolder, SharedDataIsTheInstalledOneElseTheOneBesideTheProgram) {
    Places places;
    EXPECT_EQ(SharedDataDir(Str(places.program)), Str(places.shared));
    const stdfs::path build = places.dir.path() / "build/app";
    stdfs::create_directories(build / "DATA");
    EXPECT_EQ(SharedDataDir(Str(build)), Str(build / "DATA"));
    EXPECT_EQ(SharedDataDir((places.dir.path() / "nowhere").string()), "");
}

// What the user put or changed stays through every later start and upgrade; shipped files they
// left alone follow the installation; a shipped file they removed comes back.
TEST(StartFolder, UpgradesReplaceOnlyShippedFilesTheUserLeftAlone) {
    Places places;
    Write(places.user / "DATA/PLT.DAT", "the user's own patch list");
    Write(places.user / "DATA/ORIGIN.SET", "snapshot");
    Write(places.user / "PSNJAM.EXE", "real converter");
    Message error;
    ASSERT_TRUE(PrepareUserFolder(Str(places.user), Str(places.shared), error)) << English(error);
    EXPECT_EQ(Read(places.user / "DATA/PLT.DAT"), "the user's own patch list");
    EXPECT_EQ(Read(places.user / "DATA/PSN.PAL"), "palette 1");

    Write(places.user / "DATA/BT_EXIT.BMP", "the user's button");
    places.Upgrade("2");
    ASSERT_TRUE(PrepareUserFolder(Str(places.user), Str(places.shared), error)) << English(error);
    EXPECT_EQ(Read(places.user / "DATA/PSN.PAL"), "palette 2");
    EXPECT_EQ(Read(places.user / "DATA/BT_EXIT.BMP"), "the user's button");
    EXPECT_EQ(Read(places.user / "DATA/PLT.DAT"), "the user's own patch list");
    EXPECT_EQ(Read(places.user / "DATA/ORIGIN.SET"), "snapshot");
    EXPECT_EQ(Read(places.user / "PSNJAM.EXE"), "real converter");

    stdfs::remove(places.user / "DATA/PSN.PAL");
    places.Upgrade("3");
    ASSERT_TRUE(PrepareUserFolder(Str(places.user), Str(places.shared), error)) << English(error);
    EXPECT_EQ(Read(places.user / "DATA/PSN.PAL"), "palette 3");
    EXPECT_EQ(Read(places.user / "DATA/BT_EXIT.BMP"), "the user's button");
    EXPECT_EQ(Read(places.user / "DATA/PLT.DAT"), "the user's own patch list");
    for (const auto& entry : stdfs::directory_iterator(places.user / "DATA"))
        EXPECT_NE(entry.path().extension(), ".part") << entry.path();
}

// A user who puts the shipped version back gets later updates again.
TEST(StartFolder, AFileEqualToTheShippedOneIsTakenAsShipped) {
    Places places;
    Write(places.user / "DATA/PSN.PAL", "palette 1");
    Message error;
    ASSERT_TRUE(PrepareUserFolder(Str(places.user), Str(places.shared), error)) << English(error);
    places.Upgrade("2");
    ASSERT_TRUE(PrepareUserFolder(Str(places.user), Str(places.shared), error)) << English(error);
    EXPECT_EQ(Read(places.user / "DATA/PSN.PAL"), "palette 2");
}

// The README links the sample converter into the user's folder; once the program is removed that
// link leads nowhere and goes at the next start. Other links, and working ones, stay.
TEST(StartFolder, AConverterLinkIntoTheRemovedProgramGoesAtTheNextStart) {
#ifdef _WIN32
    GTEST_SKIP() << "the sample converter is linked in only on Linux";
#endif
    struct Case {
        const char* what;
        bool intoProgram, targetExists, removed;
    };
    const Case cases[] = {
        {"into the removed program", true, false, true},
        {"into the program, still there", true, true, false},
        {"elsewhere, gone", false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Places places;
        const stdfs::path target =
            (c.intoProgram ? places.program : places.elsewhere) / "psniaed-sample-converter";
        if (c.targetExists)
            Write(target, "converter");
        const stdfs::path link = places.user / "PSNJAM.EXE";
        stdfs::create_directories(places.user);
        stdfs::create_symlink(target, link);
        const StartFolder chosen = ChooseStartFolder(places.From(places.elsewhere));
        EXPECT_EQ(chosen.path, Str(places.user));
        std::error_code ec;
        EXPECT_EQ(!stdfs::is_symlink(link, ec), c.removed);
    }
}

TEST(StartFolder, AFolderThatCannotBeMadeIsReportedByName) {
    Places places;
    Write(places.dataHome, "a file where the folder should be");
    const StartFolder start = ChooseStartFolder(places.From(places.elsewhere));
    EXPECT_TRUE(start.path.empty());
    EXPECT_NE(English(start.error).find(Str(places.user)), std::string::npos)
        << English(start.error);
}

} // namespace
} // namespace psn
