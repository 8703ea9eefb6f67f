// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The editor's run through on one system, built for Linux and for Windows alike so that a test
// can compare what the two write: starts headlessly in the current folder (an editor folder whose
// psniaed.set points at a game, with a converter), opens every window, exports the helmets
// through the converter, loads the settings file given and runs "Export all data". Messages are
// answered by the scripted seam and printed; the exit code says which step failed.
#include "core/settings_files.h"
#include "shell/ie_form.h"
#include "shell/main_form.h"
#include "shell/window_set.h"
#include "tests/support/scripted_dialogs.h"

#include <QApplication>
#include <QPushButton>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {

bool Click(QWidget& window, const QString& text) {
    for (QPushButton* button : window.findChildren<QPushButton*>())
        if (button->text() == text) {
            button->click();
            return true;
        }
    return false;
}

int Fail(int code, const char* step, const psn::ScriptedDialogs& dialogs) {
    std::fprintf(stderr, "editor_check: %s failed (%s)\n", step,
                 qPrintable(dialogs.Messages().join("; ")));
    return code;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: psn_editor_check SETTINGS_FILE\n");
        return 2;
    }
    psn::AppState state;
    psn::ScriptedDialogs dialogs;
    psn::AppContext context{state, dialogs, [&dialogs](int code) {
                                std::fprintf(stderr, "editor_check: fatal (%s)\n",
                                             qPrintable(dialogs.Messages().join("; ")));
                                std::exit(code);
                            }};
    psn::TMainForm mainForm(context);
    if (mainForm.StartupResult() != psn::TMainForm::Startup::Loaded)
        return Fail(3, "start-up", dialogs);
    std::printf("started\n");

    mainForm.CreateOtherWindows();
    mainForm.show();
    for (const psn::WindowRow& row : psn::WindowRows()) {
        QWidget* window = row.window(mainForm.Windows());
        window->show();
        QApplication::processEvents();
        if (!window->isVisible())
            return Fail(4, row.name, dialogs);
        window->hide();
        std::printf("opened %s\n", row.name);
    }

    // The helmets go back into the game through the converter, as they came out at the start.
    const qsizetype before = dialogs.Messages().size();
    QWidget* helmets = mainForm.Windows().helmets;
    helmets->show();
    if (!Click(*helmets, "Export into game") ||
        dialogs.Messages().mid(before) != QStringList{"Data has been exported!"})
        return Fail(5, "helmet export", dialogs);
    helmets->hide();
    std::printf("helmets exported\n");

    std::ifstream in(argv[1], std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    if (!in || !psn::SettingsFromBytes(state.record, bytes, argv[1]).Ok())
        return Fail(6, "reading the settings file", dialogs);
    state.trackEntryKnown.fill(true); // as a loaded settings file leaves them
    const qsizetype beforeExport = dialogs.Messages().size();
    psn::TIEForm form(context);
    form.show();
    if (!Click(form, "Export all data") ||
        dialogs.Messages().mid(beforeExport) != QStringList{"All data has been exported!"})
        return Fail(7, "Export all data", dialogs);
    std::printf("all data exported\n");
    context.ended = true;
    return 0;
}
