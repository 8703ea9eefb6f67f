// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/help_texts.h"

#include "core/app_state.h"
#include "core/converter.h"
#include "core/fs.h"
#include "ui/converter_runner.h"

#include <QCoreApplication>
#include <QFile>
#include <QtGlobal>

namespace psn {
namespace {

QString Native(const std::string& path) {
    return QFile::decodeName(path.c_str());
}

QString GameFolder(const AppState& state) {
    const std::string dir = state.config.GameDir();
    return dir.empty() ? QCoreApplication::translate("psn::HelpTexts", "(not located yet)")
                       : Native(dir);
}

} // namespace

QString AboutText(const AppState& state) {
    return QCoreApplication::translate(
               "psn::HelpTexts",
               "Brenwick PSN Editor %1\n"
               "A settings editor for the racing game Pistonia.\n\n"
               "Licence: GPL-3.0-or-later (GNU General Public License, version 3 or later). "
               "This program comes with no warranty.\n"
               "Qt %2\n\n"
               "Editor folder: %3\n"
               "Game folder: %4")
        .arg(PSN_VERSION, qVersion(), Native(state.startDir), GameFolder(state));
}

QString GettingStartedText(const AppState& state) {
    const QString editor = Native(state.startDir);
    return QCoreApplication::translate(
               "psn::HelpTexts",
               "The editor changes an installed copy of the game: at the first start it asks "
               "for the game's PSN.EXE.\n\n"
               "Without the game, generate a sample game and locate its PSN.EXE:\n"
               "    psniaed-sample-game --edition 0 --out ~/pistonia-sample\n\n"
               "Pictures, helmets and liveries need the game's bitmap converter %1: put it "
               "into the editor folder %2.\n"
               "Install packs (track, cockpit and car set files) go into %3.\n\n"
               "Game folder: %4")
               .arg(kConverterProgram, editor, Native(fs::Join(state.startDir, "DATA")),
                    GameFolder(state)) +
           "\n\n" + SampleConverterHint(state.startDir);
}

} // namespace psn
