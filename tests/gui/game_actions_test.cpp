// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor_fixture.h"
#include "editors/tuning_blocks.h"
#include "shell/all_data_blocks.h"
#include "ui/window_transfers.h"

#include <QApplication>
#include <QDialog>
#include <QShowEvent>
#include <QTimer>

namespace psn::test {
namespace {

class CountingDialog : public QDialog {
public:
    int shows = 0;

protected:
    void showEvent(QShowEvent* event) override {
        QDialog::showEvent(event);
        ++shows;
    }
};

// An editor shown modally stays modal after "Import data from game", and refills itself.
TEST(EditorImport, RefreshKeepsTheModalLoopRunning) {
    EditorSession session;
    CountingDialog dialog;
    bool stillRunning = false;
    QTimer::singleShot(0, &dialog, [&] {
        EXPECT_TRUE(ImportIntoWindow(session.context, &dialog, [] {}));
        QTimer::singleShot(0, &dialog, [&] {
            // Only a dialog still in its own modal loop is the active modal widget here.
            stillRunning = dialog.isVisible() && QApplication::activeModalWidget() == &dialog;
            dialog.done(QDialog::Accepted);
        });
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_TRUE(stillRunning);
    EXPECT_EQ(dialog.shows, 2);
    EXPECT_EQ(session.dialogs.Messages(), QStringList{"Data has been imported!"});
}

} // namespace
} // namespace psn::test

namespace psn::test {
namespace {

// The export of all data refuses a bad patch list before the first byte reaches either file.
void ExpectExportRefusedWritingNothing(ScratchGame& game) {
    const auto exe = game.Exe();
    const auto state = game.State();
    game.state.OpenStateFile();
    game.state.OpenGameExe();
    EXPECT_THROW(WriteAllBlocks(game.state, true), DataFileError);
    game.state.CloseGameFiles();
    EXPECT_TRUE(game.Exe() == exe);
    EXPECT_TRUE(game.State() == state);
}

TEST(AllDataExport, MissingPatchListWritesNothing) {
    ScratchGame game;
    game.state.record.setU16(rec::kHumanWeight, 1530);
    game.state.record.setU8(rec::kPitOrder, 3);
    ExpectExportRefusedWritingNothing(game);
}

// A patch list made for another game stops the export of all data before its first byte.
TEST(AllDataExport, PatchListThatDoesNotFitWritesNothing) {
    ScratchGame game;
    WriteFileBytes(game.state.StartPath(kPatchListFile), {0x00, 0x30, 0, 0, 0x11, 0x22});
    game.state.record.setU16(rec::kHumanWeight, 1530);
    ExpectExportRefusedWritingNothing(game);
}

} // namespace
} // namespace psn::test
