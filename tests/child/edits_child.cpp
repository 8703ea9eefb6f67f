// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A child process for the recovery test: from the editor folder given, it starts the editor as
// the program does, changes a value through the engine power window, waits until the unsaved
// edits are kept, prints its process id and the record in hex, and then waits to be killed.
#include "core/fs.h"
#include "core/record_history.h"
#include "shell/main_form.h"
#include "tests/support/scripted_dialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: edits_child EDITOR_DIR POWER\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (!psn::fs::SetCurrentDirectory(argv[1]))
        return 2;
    psn::AppState state;
    psn::ScriptedDialogs dialogs;
    psn::AppContext context{state, dialogs, [](int code) { std::_Exit(code); }};
    psn::TMainForm main(context);
    if (main.StartupResult() != psn::TMainForm::Startup::Loaded)
        return 3;
    main.show();
    main.CreateOtherWindows();

    QWidget* power = main.Windows().enginePower;
    power->show();
    power->activateWindow();
    QApplication::processEvents();
    auto* edit = power->findChild<QLineEdit*>("Edit16");
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, argv[2]);
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Tab);

    const std::string kept = psn::fs::Join(state.startDir, psn::kUnsavedEditsFile);
    QElapsedTimer waited;
    waited.start();
    while (!psn::fs::Exists(kept) && waited.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!psn::fs::Exists(kept))
        return 4;
    std::printf("%d ", static_cast<int>(::getpid()));
    for (const std::uint8_t byte : state.record.bytes())
        std::printf("%02x", byte);
    std::printf("\n");
    std::fflush(stdout);
    for (;;)
        ::pause();
}
