// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts the editor headlessly in the current folder (an editor folder whose psniaed.set points
// at a game), then renders the main window, every window of the window set, the comparison and
// the Seasons window into PNG files.
// Messages and file dialogs are answered by the scripted seam, so nothing waits for a user.
// With a look (dark, 2x, 16pt or a language code the editor speaks, such as de) it renders only
// the main window and two editors, in a dark colour scheme, at twice the pixel density, with a
// 16 pt font or in that language, into NAME-LOOK.png; in a language also the main window with its
// Edit menu open after a change, main-edit-LOOK.png.
#include "core/record_map.h"
#include "shell/compare_form.h"
#include "shell/languages.h"
#include "shell/main_form.h"
#include "shell/path_form.h"
#include "shell/seasons_form.h"
#include "shell/start_form.h"
#include "tests/support/scripted_dialogs.h"
#include "ui/readable_colours.h"
#include "ui/record_steps.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

bool Save(QWidget* window, const QString& folder, const QString& name) {
    if (!window)
        return false;
    window->show();
    QApplication::processEvents();
    const bool saved = window->grab().save(folder + "/" + name + ".png");
    window->hide();
    std::printf("%s %s\n", saved ? "wrote" : "failed", qPrintable(name));
    return saved;
}

// The main window with its Edit menu open, after a change to a team name, so that the menu names
// the step it undoes.
bool SaveWithEditMenu(psn::TMainForm& main, psn::AppState& state, const QString& folder,
                      const QString& name) {
    main.show();
    QApplication::processEvents();
    state.record.setStr(psn::rec::TeamName(3), psn::rec::kTeamNameCapacity, "Vantor GP");
    if (main.Steps())
        main.Steps()->Flush();
    auto* edit = main.menuBar()->findChild<QMenu*>("Edit1");
    if (!edit)
        return false;
    const QPoint at = main.menuBar()->mapTo(
        &main, main.menuBar()->actionGeometry(edit->menuAction()).bottomLeft());
    edit->popup(main.mapToGlobal(at));
    QApplication::processEvents();
    const QPixmap window = main.grab();
    const QPixmap menu = edit->grab();
    QPixmap shot(window.size().expandedTo(QSize(at.x() + menu.width(), at.y() + menu.height())));
    shot.fill(Qt::transparent);
    {
        QPainter painter(&shot);
        painter.drawPixmap(0, 0, window);
        painter.drawPixmap(at, menu);
    }
    edit->hide();
    main.hide();
    const bool saved = shot.save(folder + "/" + name + ".png");
    std::printf("%s %s\n", saved ? "wrote" : "failed", qPrintable(name));
    return saved;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const char* look = argc == 3 ? argv[2] : "";
    if (std::strcmp(look, "2x") == 0)
        qputenv("QT_SCALE_FACTOR", "2"); // read only when the application starts
    QApplication app(argc, argv);
    const bool language = psn::TranslatedLanguages().contains(QString::fromLatin1(look));
    const bool known = !*look || std::strcmp(look, "dark") == 0 || std::strcmp(look, "2x") == 0 ||
                       std::strcmp(look, "16pt") == 0 || language;
    if ((argc != 2 && argc != 3) || !known) {
        std::fprintf(stderr, "usage: psn_screenshots OUTPUT-FOLDER [dark|2x|16pt|%s]\n",
                     qPrintable(psn::TranslatedLanguages().join('|')));
        return 2;
    }
    std::unique_ptr<psn::Language> translation;
    if (language)
        translation = std::make_unique<psn::Language>(QString::fromLatin1(look));
    if (std::strcmp(look, "dark") == 0)
        QApplication::setPalette(psn::DarkDesktopPalette());
    if (std::strcmp(look, "16pt") == 0) {
        QFont large = QApplication::font();
        large.setPointSize(16);
        QApplication::setFont(large);
    }
    const QString out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(out);

    psn::AppState state;
    psn::ScriptedDialogs dialogs;
    psn::AppContext context{state, dialogs, [&dialogs](int code) {
                                std::fprintf(stderr,
                                             "psn_screenshots: the game could not be read (%s)\n",
                                             qPrintable(dialogs.Messages().join("; ")));
                                std::exit(code);
                            }};
    psn::TMainForm mainForm(context);
    if (mainForm.StartupResult() != psn::TMainForm::Startup::Loaded) {
        std::fprintf(stderr, "psn_screenshots: start-up did not load the game (%s)\n",
                     qPrintable(dialogs.Messages().join("; ")));
        return 1;
    }
    for (const QString& message : dialogs.Messages())
        std::fprintf(stderr, "message: %s\n", qPrintable(message));
    if (*look) {
        mainForm.CreateOtherWindows();
        const QString suffix = QString("-") + look;
        Save(&mainForm, out, "main" + suffix);
        Save(mainForm.Windows().names, out, "names" + suffix);
        Save(mainForm.Windows().cockpitManager, out, "cockpit_manager" + suffix);
        if (language)
            SaveWithEditMenu(mainForm, state, out, "main-edit" + suffix);
        context.ended = true;
        return 0;
    }
    Save(mainForm.StartForm(), out, "progress");
    mainForm.CreateOtherWindows();
    Save(&mainForm, out, "main");
    {
        psn::TPathForm locate(context);
        Save(&locate, out, "locate");
    }
    for (const psn::WindowRow& row : psn::WindowRows())
        Save(row.window(mainForm.Windows()), out, row.name);
    {
        // A few settings changed and not yet exported, so the comparison has something to list.
        state.record.setStr(psn::rec::TeamName(3), psn::rec::kTeamNameCapacity, "Vantor GP");
        state.record.setU16(psn::rec::EnginePowerQual(2), 760);
        state.record.setU16(psn::rec::kHumanWeight, 1600);
        psn::TCompareForm compare(context);
        Save(&compare, out, "compare_with_game");
    }
    {
        // The seasons kept in the store XDG_DATA_HOME names (the demo's, from prepare-demo).
        psn::TSeasonsForm seasons(context);
        Save(&seasons, out, "seasons");
    }
    // Leave the game's configuration as it was found.
    context.ended = true;
    return 0;
}
