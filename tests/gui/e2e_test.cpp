// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole program on generated sample installations of every edition: the start-up load, the
// import and export of all data and every editor window's own import and export must agree with
// each other and with the game files.
#include "e2e_fixture.h"
#include "editors/tuning_blocks.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <utility>

namespace psn::test {
namespace {

using Kind = ScriptedDialogs::Kind;
using Range = std::pair<std::size_t, std::size_t>; // [first, end)
using Ranges = std::vector<Range>;

std::string FileDifferences(const Bytes& actual, const Bytes& expected) {
    if (actual.size() != expected.size())
        return " size " + std::to_string(actual.size()) + "!=" + std::to_string(expected.size());
    std::string out;
    int shown = 0;
    char text[48];
    for (std::size_t i = 0; i < actual.size() && shown < 12; ++i)
        if (actual[i] != expected[i]) {
            std::snprintf(text, sizeof text, " @%zX:%02X!=%02X", i, actual[i], expected[i]);
            out += text;
            ++shown;
        }
    return out;
}

std::string Differences(const SettingsRecord& actual, const SettingsRecord& expected) {
    std::string out;
    int shown = 0;
    for (std::size_t i = 0; i < rec::kSize && shown < 12; ++i)
        if (actual.u8(i) != expected.u8(i)) {
            out += " @" + std::to_string(i) + ":" + std::to_string(actual.u8(i)) +
                   "!=" + std::to_string(expected.u8(i));
            ++shown;
        }
    return out;
}

// The bytes each editor window owns; the all-data commands own all of them.
const std::vector<std::pair<QWidget * WindowSet::*, Ranges>>& WindowBlocks() {
    static const std::vector<std::pair<QWidget * WindowSet::*, Ranges>> blocks = {
        {&WindowSet::names, {{1, 1473}, {1833, 1847}, {2342, 2343}}},
        {&WindowSet::enginePower, {{1473, 1553}, {2338, 2342}, {2343, 2344}}},
        {&WindowSet::grip, {{1553, 1713}, {1753, 1833}}},
        {&WindowSet::failures, {{1713, 1753}}},
        {&WindowSet::pitLine, {{1853, 1867}, {2344, 2345}, {2348, 2350}}},
        {&WindowSet::cockpitColours, {{1878, 1938}}},
        {&WindowSet::pitCrewColours, {{1938, 2162}}},
        {&WindowSet::cameras, {{2162, 2338}}},
        {&WindowSet::tuning, {{2345, 2348}, {2350, 2356}, {2836, 2846}}},
        {&WindowSet::noses, {{2612, 2626}}},
        {&WindowSet::trackEditor, {{rec::kTrackEntries, rec::kTrackEntriesEnd}}},
    };
    return blocks;
}

void CopyRanges(SettingsRecord& to, const SettingsRecord& from, const Ranges& ranges) {
    for (const auto& [first, end] : ranges)
        std::copy(from.bytes().begin() + static_cast<std::ptrdiff_t>(first),
                  from.bytes().begin() + static_cast<std::ptrdiff_t>(end),
                  to.bytes().begin() + static_cast<std::ptrdiff_t>(first));
}

SettingsRecord WithTracks(int edition) {
    SettingsRecord record = sample::ExpectedRecord(edition, true, 1, 1);
    const auto tracks = sample::ExpectedTrackEntries(edition);
    std::copy(tracks.begin(), tracks.end(), record.bytes().begin() + rec::kTrackEntries);
    return record;
}

bool SameInRanges(const SettingsRecord& a, const SettingsRecord& b, const Ranges& ranges) {
    for (const auto& [first, end] : ranges)
        for (std::size_t i = first; i < end; ++i)
            if (a.u8(i) != b.u8(i))
                return false;
    return true;
}

// A record changed in every block, with values the game files can hold: each window's blocks
// from the first other edition whose sample values differ there, over the bytes that no block
// owns of `loaded`.
SettingsRecord ChangedRecord(int edition, const SettingsRecord& loaded) {
    SettingsRecord changed = loaded;
    for (const auto& [member, ranges] : WindowBlocks()) {
        bool found = false;
        for (int k = 1; k < 7 && !found; ++k) {
            const SettingsRecord other = WithTracks((edition + k) % 7);
            if (!SameInRanges(other, loaded, ranges)) {
                CopyRanges(changed, other, ranges);
                found = true;
            }
        }
        EXPECT_TRUE(found) << "no sample edition changes block " << ranges.front().first;
    }
    // Showing the pit line window stores the slider's even raw speed.
    changed.setU16(rec::kPitSpeed, changed.u16(rec::kPitSpeed) & 0xFFFE);
    // Export can switch random engine power off in the game but not back on.
    if (loaded.u8(rec::kRandomPowerSwitch) == 0)
        changed.setU8(rec::kRandomPowerSwitch, 0);
    // Only edition 0 applies the patch list on export; the others keep what the game holds.
    if (edition != kPatchListEdition)
        changed.setU8(rec::kPatchListSwitch, loaded.u8(rec::kPatchListSwitch));
    return changed;
}

// Reads leave the characters of a longer earlier name behind a shorter one, as a string
// assignment into the record does; only the characters within the length count.
SettingsRecord Significant(SettingsRecord record) {
    const auto clearTail = [&](std::size_t at, std::size_t capacity) {
        for (std::size_t i = at + 1 + std::min<std::size_t>(record.u8(at), capacity);
             i <= at + capacity; ++i)
            record.setU8(i, 0);
    };
    for (int n = 1; n <= 40; ++n)
        clearTail(rec::DriverName(n), rec::kDriverNameCapacity);
    for (int t = 1; t <= 14; ++t) {
        clearTail(rec::TeamName(t), rec::kTeamNameCapacity);
        clearTail(rec::EngineName(t), rec::kTeamNameCapacity);
    }
    return record;
}

#define EXPECT_SAME_RECORD(actual, expected, what)                                                 \
    EXPECT_EQ(Significant(actual), Significant(expected))                                          \
        << what << Differences(Significant(actual), Significant(expected))

struct StartCase {
    int edition;
    bool withState;
    int namesSource, cockpitSource;
};

std::vector<StartCase> StartCases() {
    std::vector<StartCase> cases;
    for (int e = 0; e < 7; ++e)
        cases.push_back({e, true, 1, 1});
    cases.push_back({3, false, 1, 1});
    cases.push_back({2, true, 0, 0});
    cases.push_back({4, true, 0, 1});
    cases.push_back({6, true, 1, 0});
    return cases;
}

TEST(EndToEnd, StartUpLoadsThePredictedRecord) {
    for (const StartCase& c : StartCases()) {
        E2EGame game(c.edition, c.withState, c.namesSource, c.cockpitSource);
        EXPECT_EQ(game.Start().StartupResult(), TMainForm::Startup::Loaded);
        EXPECT_TRUE(game.dialogs.shown.empty()) << game.dialogs.Messages().join("|").toStdString();
        EXPECT_EQ(game.state.edition, c.edition == 5 ? 0 : c.edition);
        const SettingsRecord expected = StartRecord(game, c.namesSource, c.cockpitSource);
        EXPECT_EQ(game.state.record, expected)
            << "edition " << c.edition << Differences(game.state.record, expected);
        EXPECT_FALSE(TrackDataPending(game.state));

        // A later start (the snapshot of the originals exists now) gives the same record.
        game.main.reset();
        game.state.record = SettingsRecord{};
        game.Start();
        EXPECT_EQ(game.state.record, expected)
            << "second start, edition " << c.edition << Differences(game.state.record, expected);
    }
}

// The generated executable as an export of its unchanged record must leave it: bytes that the game
// reads in more than one encoding (the switches, the two nose tables, a driver name with a zero
// byte inside) are written in their one canonical form. Worked out from the sample values and the
// encodings alone, so that a wrong writer cannot also make the expectation.
Bytes CanonicalExe(const sample::Installation& inst, Bytes exe) {
    const sample::SampleValues& v = *inst.values;
    const auto at = [&](int row) { return sample::Offset(row, inst.edition); };
    exe[at(5)] = v.firstDriverByte == 0xFF ? 0xFF : 0xDE;
    if (v.randomPowerBytes[0] != 0xE8) // switched off: all five bytes become NOPs
        std::fill_n(exe.begin() + at(13), 5, std::uint8_t{0x90});
    exe[at(14)] = v.speedCheckByte == 116 ? 116 : 235;
    exe[at(15)] = v.fuelDisplayByte == 116 ? 116 : 235;
    // The second team performance byte decides; both are written from it.
    const std::uint8_t performance = v.teamPerformance2 == 255 ? 255 : 0;
    exe[at(29)] = performance;
    exe[at(30)] = performance;
    for (int t = 0; t < sample::kTeams; ++t) {
        const bool raised = v.noseSecondBytes[static_cast<std::size_t>(t)] != 0;
        exe[at(20) + 4 * t] = raised ? 0 : 2;
        exe[at(20) + 53 + 4 * t] = raised ? 1 : 0;
    }
    // Names are written as their characters followed by zero bytes.
    for (int n = 0; n < sample::kSlots; ++n) {
        const std::string& name = v.exeNames.driverNames[static_cast<std::size_t>(n)];
        const std::size_t field = at(0) + 24 * static_cast<std::size_t>(n);
        std::fill_n(exe.begin() + static_cast<std::ptrdiff_t>(field), 24, std::uint8_t{0});
        std::copy(name.begin(), name.end(), exe.begin() + static_cast<std::ptrdiff_t>(field));
    }
    return exe;
}

TEST(EndToEnd, ExportOfTheUnchangedRecordLeavesEveryGameFileAsItWas) {
    // With both sources on the executable the record holds exactly what the files hold, on a
    // later start as on the first. The first export may only bring non-canonical encodings into
    // their canonical form; a second leaves every byte, the renewed checksum trailers too, as the
    // first left it.
    for (int e = 0; e < 7; ++e)
        for (const bool withState : {true, false}) {
            if (!withState && e % 3 != 0)
                continue;
            E2EGame game(e, withState, 0, 0);
            game.Start();
            // A later start (the snapshot of the originals exists) must not export less.
            game.main.reset();
            game.state.record = SettingsRecord{};
            game.Start();
            const auto generated = game.ReadGameFiles();
            game.ExportAll();
            const auto first = game.ReadGameFiles();
            game.ExportAll();
            EXPECT_EQ(game.dialogs.Messages(), QStringList(2, "All data has been exported!"));
            EXPECT_TRUE(game.exits.empty());
            for (const auto& [path, bytes] : game.ReadGameFiles()) {
                EXPECT_TRUE(bytes == first.at(path))
                    << "edition " << e << ": " << path << FileDifferences(bytes, first.at(path));
                const Bytes expected = path == game.inst.exePath
                                           ? CanonicalExe(game.inst, generated.at(path))
                                           : generated.at(path);
                EXPECT_TRUE(bytes == expected)
                    << "edition " << e << ": " << path << FileDifferences(bytes, expected);
            }
        }
}

// A new run finds every change in the game, the track block included.
void RestartAndExpect(E2EGame& game, const SettingsRecord& exported, int edition) {
    game.main.reset();
    game.state.record = SettingsRecord{};
    game.Start();
    EXPECT_SAME_RECORD(game.state.record, exported, "restart, edition " << edition);
}

TEST(EndToEnd, ChangedRecordComesBackFromExportAndImportAndAfterRestart) {
    for (int e = 0; e < 7; ++e) {
        E2EGame game(e, true);
        game.Start();
        const SettingsRecord loaded = game.state.record;
        const SettingsRecord changed = ChangedRecord(e, loaded);
        game.state.record = changed;
        game.ExportAll();
        game.state.record = loaded;
        game.ImportAll();
        EXPECT_EQ(game.dialogs.Messages(),
                  (QStringList{"All data has been exported!", "All data has been imported!"}));
        EXPECT_SAME_RECORD(game.state.record, changed, "edition " << e);

        RestartAndExpect(game, changed, e);
    }
}

TEST(EndToEnd, EveryWindowsImportAndExportAgreeWithTheAllDataCommands) {
    for (int e = 0; e < 7; ++e) {
        E2EGame game(e, true);
        WindowSet& windows = game.Start().Windows();
        const SettingsRecord loaded = game.state.record;
        const SettingsRecord changed = ChangedRecord(e, loaded);
        const auto original = game.ReadGameFiles();

        // Import: each window takes exactly its own blocks of what the export of all data wrote.
        game.state.record = changed;
        game.ExportAll();
        SettingsRecord allExported = loaded;
        for (const auto& [member, ranges] : WindowBlocks()) {
            QWidget* window = windows.*member;
            if (!window)
                continue;
            game.state.record = loaded;
            E2EGame::Click(window, "Import data");
            SettingsRecord expected = loaded;
            CopyRanges(expected, changed, ranges);
            CopyRanges(allExported, changed, ranges);
            EXPECT_SAME_RECORD(game.state.record, expected,
                               "edition " << e << " " << window->objectName().toStdString());
        }

        // Export: the windows' exports together write what the import of all data reads back.
        for (const auto& [path, bytes] : original)
            WriteFileBytes(path, bytes);
        game.state.record = changed;
        for (const auto& [member, ranges] : WindowBlocks())
            if (QWidget* window = windows.*member)
                E2EGame::Click(window, "Export data");
        game.state.record = loaded;
        game.ImportAll();
        EXPECT_SAME_RECORD(game.state.record, allExported, "edition " << e);
        EXPECT_EQ(game.dialogs.Count(Kind::Warning), 0);
        EXPECT_EQ(game.dialogs.Count(Kind::Error), 0)
            << game.dialogs.Messages().join("|").toStdString();
        EXPECT_TRUE(game.exits.empty());
    }
}

// A number box of a window given another value within its range: one less, or one more from 0.
void ChangeNumberBox(QWidget* window, const char* name) {
    QLineEdit* edit = window->findChild<QLineEdit*>(name);
    ASSERT_NE(edit, nullptr) << name;
    // Some boxes show their unit after the number ("1530 lb").
    bool isNumber = false;
    const int value = edit->text().section(' ', 0, 0).toInt(&isNumber);
    ASSERT_TRUE(isNumber) << name << " shows '" << edit->text().toStdString() << "'";
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, QString::number(value == 0 ? 1 : value - 1));
    QTest::keyClick(edit, Qt::Key_Return);
}

void ClickRow(QWidget* window, int row) {
    auto* list = window->findChild<QListWidget*>("ListBox1");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

void ClickUnchecked(QWidget* window, const char* group) {
    for (QRadioButton* radio : window->findChild<QWidget*>(group)->findChildren<QRadioButton*>())
        if (!radio->isChecked()) {
            QTest::mouseClick(radio, Qt::LeftButton);
            return;
        }
    ADD_FAILURE() << "every choice of " << group << " is checked";
}

// Swatch of a colour in the colour windows' palette strip below the picture.
QPoint SwatchOf(int colour) {
    const int s = colour - 11;
    return {20 * (s % 25) + 10, 198 + 15 * (s / 25) + 7};
}

// What a user does: import all data, change something in every editor through its own controls,
// export all data, start the editor again and find every change in place.
TEST(EndToEnd, AUsersChangesInEveryEditorAreInPlaceAfterExportAndRestart) {
    for (const int e : {0, 4}) {
        E2EGame game(e, true);
        WindowSet& w = game.Start().Windows();
        // Showing the main window closes the progress window, as the program does.
        game.main->show();
        game.ImportAll();
        const SettingsRecord imported = game.state.record;

        const auto in = [](QWidget* window, const std::function<void()>& change) {
            // Boxes take what is typed when the focus leaves them, which needs the window active;
            // the headless platform does not activate a window shown after another was hidden.
            window->show();
            QApplication::setActiveWindow(window);
            change();
            window->hide();
        };
        const auto click = [](QWidget* window, const char* button) {
            QTest::mouseClick(window->findChild<QAbstractButton*>(button), Qt::LeftButton);
        };
        in(w.names, [&] {
            QComboBox* team = w.names->findChild<QComboBox*>("ComboBox5");
            team->setFocus();
            team->lineEdit()->selectAll();
            QTest::keyClicks(team, "Zed Motors");
            QTest::keyClick(team, Qt::Key_Tab);
        });
        // The "+" buttons step the shown values by the step box's amount.
        in(w.enginePower, [&] { click(w.enginePower, "Button1"); });
        in(w.grip, [&] { click(w.grip, "Button1"); });
        in(w.failures, [&] { click(w.failures, "Button1"); });
        in(w.pitLine, [&] { click(w.pitLine, "CheckBox951"); });
        in(w.noses, [&] { ClickUnchecked(w.noses, "RadioGroup1"); });
        in(w.tuning, [&] {
            QTest::keyClick(w.tuning->findChild<QScrollBar*>("ScrollBar1"), Qt::Key_PageUp);
        });
        in(w.cameras, [&] {
            ClickRow(w.cameras, 1);
            ChangeNumberBox(w.cameras, "Edit1");
        });
        for (QWidget* colours : {w.cockpitColours, w.pitCrewColours})
            in(colours, [&] {
                QTest::mouseClick(colours->findChild<QWidget*>("WinGImage1"), Qt::LeftButton, {},
                                  SwatchOf(150));
            });
        in(w.trackEditor, [&] {
            ClickRow(w.trackEditor, 2);
            ChangeNumberBox(w.trackEditor, "Edit1");
        });
        const SettingsRecord edited = game.state.record;
        for (const auto& [member, ranges] : WindowBlocks())
            EXPECT_FALSE(SameInRanges(edited, imported, ranges))
                << "edition " << e << ": nothing changed in "
                << (w.*member)->metaObject()->className();

        game.ExportAll();
        RestartAndExpect(game, edited, e);
        game.ImportAll();
        EXPECT_SAME_RECORD(game.state.record, edited, "import after restart, edition " << e);
        EXPECT_EQ(game.dialogs.Count(Kind::Warning) + game.dialogs.Count(Kind::Error), 0)
            << game.dialogs.Messages().join("|").toStdString();
        EXPECT_TRUE(game.exits.empty());
    }
}

} // namespace
} // namespace psn::test
