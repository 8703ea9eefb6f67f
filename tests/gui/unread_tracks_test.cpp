// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The track block never reaches the game unread: every start reads it, a damaged track file keeps
// only its own entry unread (and never written), and entries without data are left as they were.
#include "e2e_fixture.h"
#include "track_fixture.h"

#include <QAction>
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace psn::test {
namespace {

using Kind = ScriptedDialogs::Kind;

constexpr std::uint32_t kTyreTable = 0x138A48;

SettingsRecord WithoutEntry(SettingsRecord record, int track) {
    const auto first =
        record.bytes().begin() + static_cast<std::ptrdiff_t>(TrackEntryOffset(track, 0));
    std::fill(first, first + rec::kTrackEntryStride, std::uint8_t{0});
    return record;
}

TEST(UnreadTracks, DamagedTrackFileIsReportedAtStartAndNeverWritten) {
    E2EGame game(0, true);
    // Track 5 cut short, as an interrupted copy leaves it: too short for its set-up pointer.
    const std::string damaged = game.inst.TrackPath(5);
    Bytes cut = ReadFileBytes(damaged);
    cut.resize(0x1000);
    WriteFileBytes(damaged, cut);

    EXPECT_EQ(game.Start().StartupResult(), TMainForm::Startup::Loaded);
    ASSERT_EQ(game.dialogs.Messages().size(), 1);
    EXPECT_EQ(game.dialogs.Count(Kind::Warning), 1);
    const QString warning = game.dialogs.Messages().front();
    EXPECT_TRUE(warning.contains(QString::fromStdString(damaged))) << warning.toStdString();
    EXPECT_TRUE(warning.contains("cut short")) << warning.toStdString();
    EXPECT_TRUE(game.exits.empty());
    // Every other entry is read; the damaged one stays empty and unread, and the snapshot of the
    // originals waits for it.
    EXPECT_EQ(game.state.record, WithoutEntry(StartRecord(game, 1, 1), 4));
    EXPECT_FALSE(game.state.trackEntryKnown[4]);
    EXPECT_TRUE(game.state.trackEntryKnown[5]);
    EXPECT_TRUE(OriginalTracksPending(game.state));

    // Everything else works.
    game.dialogs.Clear();
    E2EGame::Click(game.main->Windows().names, "Export data");
    EXPECT_EQ(game.dialogs.Messages(), QStringList{"Data has been exported!"});

    // A command that needs that file ends with the numbered text before it writes anything.
    const auto before = game.ReadGameFiles();
    game.dialogs.Clear();
    game.ExportAll();
    ASSERT_EQ(game.dialogs.Messages().size(), 1);
    EXPECT_TRUE(game.dialogs.Messages().front().startsWith("2) File access error! "))
        << game.dialogs.Messages().front().toStdString();
    EXPECT_EQ(game.exits, std::vector<int>{1});
    EXPECT_TRUE(game.ReadGameFiles() == before) << "a game file changed";
}

// A settings file saved before its track data was read holds zero entries: those tracks keep
// their bytes and trailers, and the closing message names them.
TEST(UnreadTracks, EntriesWithoutTrackDataAreLeftAsTheyWere) {
    E2EGame game(2, true);
    game.Start();
    SettingsRecord old = WithoutEntry(WithoutEntry(game.state.record, 2), 6);
    old.setU16(TrackEntryOffset(0, trackentry::kFuel), 4321);
    WriteFileBytes(game.editorDir + "/OLD.GIA", Bytes(old.bytes().begin(), old.bytes().end()));
    game.dialogs.fileAnswers = {QString::fromStdString(game.editorDir + "/OLD.GIA")};
    game.main->findChild<QAction*>("Loadsettings1")->trigger();
    ASSERT_EQ(game.state.record, old);
    const auto before = game.ReadGameFiles();

    game.dialogs.Clear();
    game.ExportAll();
    ASSERT_EQ(game.dialogs.Messages().size(), 1);
    const QString message = game.dialogs.Messages().front();
    EXPECT_TRUE(message.startsWith("All data has been exported!")) << message.toStdString();
    EXPECT_TRUE(message.contains("F1CT03.DAT and F1CT07.DAT")) << message.toStdString();

    const auto after = game.ReadGameFiles();
    for (const int track : {3, 7})
        EXPECT_TRUE(after.at(game.inst.TrackPath(track)) == before.at(game.inst.TrackPath(track)))
            << "track " << track;
    const Bytes& exe = after.at(game.inst.exePath);
    const Bytes& exeBefore = before.at(game.inst.exePath);
    for (const int track : {3, 7}) {
        const std::size_t word = kTyreTable + 2 * static_cast<std::size_t>(track - 1);
        EXPECT_EQ(exe[word], exeBefore[word]) << "tyre word of track " << track;
        EXPECT_EQ(exe[word + 1], exeBefore[word + 1]) << "tyre word of track " << track;
    }
    const Bytes& first = after.at(game.inst.TrackPath(1));
    const std::size_t fuel = game.inst.values->tracks[0].setupOffset + trackfile::kFuelOffset;
    EXPECT_EQ(first[fuel] + 256 * first[fuel + 1], 4321);
    EXPECT_TRUE(TrailerValid(first));

    // The track editor's own export leaves them too, and says so.
    game.dialogs.Clear();
    E2EGame::Click(game.main->Windows().trackEditor, "Export data");
    ASSERT_EQ(game.dialogs.Messages().size(), 1);
    EXPECT_TRUE(game.dialogs.Messages().front().startsWith("Tracks data has been exported!"));
    EXPECT_TRUE(game.dialogs.Messages().front().contains("F1CT03.DAT and F1CT07.DAT"));
    EXPECT_TRUE(ReadFileBytes(game.inst.TrackPath(7)) == before.at(game.inst.TrackPath(7)));
}

// Track files installed after the start: the export reads the block before writing it, so the
// track files come back exactly as they were.
TEST(UnreadTracks, ExportReadsAPendingTrackBlockFirst) {
    E2EGame game(4, true);
    const std::string circuits = game.inst.gameDir + "CIRCUITS";
    std::filesystem::rename(circuits, game.dir.str() + "/aside");
    game.Start();
    EXPECT_TRUE(TrackDataPending(game.state));
    std::filesystem::rename(game.dir.str() + "/aside", circuits);
    const auto before = game.ReadGameFiles();

    game.ExportAll();
    EXPECT_EQ(game.dialogs.Messages(), QStringList{"All data has been exported!"});
    EXPECT_FALSE(TrackDataPending(game.state));
    const auto after = game.ReadGameFiles();
    for (int t = 1; t <= sample::kTracks; ++t)
        EXPECT_TRUE(after.at(game.inst.TrackPath(t)) == before.at(game.inst.TrackPath(t)))
            << "track " << t;
    EXPECT_EQ(game.state.record, StartRecord(game, 1, 1));
}

#ifndef _WIN32
// A FIFO in place of a track file must not stop the start: it is refused unopened, the start
// ends with the main window and a warning that names the file. Should the start hang in an open
// of the FIFO, a watchdog plays its writer after a while, so the test fails instead of hanging.
TEST(UnreadTracks, AFifoInPlaceOfATrackFileIsNamedAndTheStartGoesOn) {
    E2EGame game(0, true);
    const std::string fifo = game.inst.TrackPath(9);
    std::filesystem::remove(fifo);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);

    std::atomic<bool> started{false}, hung{false};
    std::thread watchdog([&] {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!started) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            if (std::chrono::steady_clock::now() < deadline)
                continue;
            // A reader blocked in open() is let through (and then reads nothing).
            if (const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK); writer >= 0) {
                hung = true;
                ::close(writer);
            }
        }
    });
    const auto result = game.Start().StartupResult();
    started = true;
    watchdog.join();

    EXPECT_FALSE(hung) << "the start waited on the FIFO";
    EXPECT_EQ(result, TMainForm::Startup::Loaded);
    ASSERT_NE(game.main, nullptr);
    EXPECT_TRUE(game.exits.empty());
    ASSERT_EQ(game.dialogs.Messages().size(), 1);
    const QString warning = game.dialogs.Messages().front();
    EXPECT_TRUE(warning.contains(QString::fromStdString(fifo))) << warning.toStdString();
    EXPECT_TRUE(warning.contains("named pipe")) << warning.toStdString();
    EXPECT_FALSE(game.state.trackEntryKnown[8]);
    EXPECT_TRUE(game.state.trackEntryKnown[7]);
}
#endif

} // namespace
} // namespace psn::test
