// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A child process for the kill test: from the editor folder given, it starts as the editor does
// (an interrupted commit is dealt with first, then the edition is read), loads the record from
// a settings file and runs "Export all data". With a kill point it stops itself with SIGKILL at
// that transfer (the commit's steps count as transfers), or with -1 once the export has ended,
// as a power cut would stop it.
#include "core/fs.h"
#include "core/settings_files.h"
#include "shell/ie_form.h"
#include "tests/support/scripted_dialogs.h"
#include "ui/game_transfer.h"
#include "ui/recovery.h"

#include <QApplication>
#include <QPushButton>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace {

long gKillAt = 0;
long gCommitStart = 0;
const psn::AppState* gState = nullptr;

void StopHere(long count) {
    // The staging is handed to the commit when it starts: later steps are the commit's.
    if (!gState->command && gCommitStart == 0)
        gCommitStart = count;
    if (count == gKillAt)
        ::kill(::getpid(), SIGKILL);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: export_child EDITOR_DIR SETTINGS_FILE KILL_AT\n");
        return 2;
    }
    QApplication app(argc, argv);
    if (!psn::fs::SetCurrentDirectory(argv[1]))
        return 2;
    psn::AppState state;
    state.startDir = argv[1];
    if (!psn::ReadConfig(state))
        return 3;
    std::ifstream in(argv[2], std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    if (!psn::SettingsFromBytes(state.record, bytes, argv[2]).Ok())
        return 4;
    state.trackEntryKnown.fill(true); // as a loaded settings file leaves them

    psn::ScriptedDialogs dialogs;
    psn::AppContext context{state, dialogs, [](int code) { std::_Exit(code); }};
    // A refusal (another program holds the game) is told the parent as the export's messages are.
    const auto stopped = [&dialogs](int code) {
        std::printf("0 0 %s\n", dialogs.Messages().join("|").toStdString().c_str());
        return code;
    };
    if (!psn::RecoverInterruptedCommand(context, nullptr))
        return stopped(5);
    if (!psn::RunGameTransfer(context, nullptr, [&] {
            state.OpenGameExe();
            state.DetectEdition();
        }))
        return stopped(6);

    gKillAt = std::atol(argv[3]);
    state.faults->count = 0;
    gState = &state;
    state.faults->observe = StopHere;
    psn::TIEForm form(context);
    form.show();
    for (QPushButton* button : form.findChildren<QPushButton*>())
        if (button->text() == "Export all data")
            button->click();
    if (gKillAt < 0)
        ::kill(::getpid(), SIGKILL);
    // The parent learns how many transfers a whole export takes, where its commit starts, and
    // what it showed.
    std::printf("%ld %ld %s\n", state.faults->count, gCommitStart,
                dialogs.Messages().join("|").toStdString().c_str());
    return dialogs.Messages() == QStringList{"All data has been exported!"} ? 0 : 7;
}
