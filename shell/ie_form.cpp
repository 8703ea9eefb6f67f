// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/ie_form.h"

#include "shell/all_data_blocks.h"
#include "shell/game_read_blocks.h"
#include "tracks/track_blocks.h"
#include "tracks/track_install.h"
#include "ui/game_command.h"
#include "ui/game_transfer.h"
#include "ui/message_text.h"
#include "ui/record_steps.h"

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace psn {

inline constexpr const char* kAllImported =
    QT_TRANSLATE_NOOP("psn::TIEForm", "All data has been imported!");
inline constexpr const char* kAllExported =
    QT_TRANSLATE_NOOP("psn::TIEForm", "All data has been exported!");

TIEForm::TIEForm(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    setObjectName("IEForm");
    setWindowTitle(tr("Import data"));
    setFixedSize(311, 202);
    names_ = MakeGroup("RadioGroup1", tr("Names and numbers"), QRect(3, 11, 185, 61));
    cockpit_ = MakeGroup("RadioGroup2", tr("Cockpit colors"), QRect(4, 72, 185, 61));
    aids_ = MakeGroup("RadioGroup3", tr("Aids"), QRect(4, 133, 185, 61));
    aids_.box->hide();

    importButton_ = new QPushButton(tr("Import all data"), this);
    importButton_->setObjectName("Button1");
    importButton_->setGeometry(195, 20, 107, 38);
    exportButton_ = new QPushButton(tr("Export all data"), this);
    exportButton_->setObjectName("Button2");
    exportButton_->setGeometry(195, 156, 107, 38);
    auto* back = new QPushButton(tr("Back"), this);
    back->setObjectName("BitBtn1");
    back->setGeometry(213, 86, 75, 38);
    QFont bold = back->font();
    bold.setBold(true);
    back->setFont(bold);

    connect(names_.exe, &QRadioButton::clicked, this, &TIEForm::RadioGroup1Click);
    connect(names_.state, &QRadioButton::clicked, this, &TIEForm::RadioGroup1Click);
    connect(cockpit_.exe, &QRadioButton::clicked, this, &TIEForm::RadioGroup2Click);
    connect(cockpit_.state, &QRadioButton::clicked, this, &TIEForm::RadioGroup2Click);
    connect(importButton_, &QPushButton::clicked, this, &TIEForm::ImportAllClick);
    connect(exportButton_, &QPushButton::clicked, this, &TIEForm::ExportAllClick);
    connect(back, &QPushButton::clicked, this, &QDialog::accept);
}

TIEForm::ChoiceGroup TIEForm::MakeGroup(const char* name, const QString& caption,
                                        const QRect& geometry) {
    ChoiceGroup group;
    group.box = new QGroupBox(caption, this);
    group.box->setObjectName(name);
    group.box->setGeometry(geometry);
    group.exe = new QRadioButton(tr("PSN.EXE file"), group.box);
    group.exe->setGeometry(8, 18, 170, 18);
    group.state = new QRadioButton(tr("F1GPSTATE.SAV file"), group.box);
    group.state->setGeometry(8, 38, 170, 18);
    group.state->setChecked(true);
    return group;
}

void TIEForm::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

// The groups show the sources in force, also those stored by an earlier run.
void TIEForm::FormShow() {
    (context_.state.config.NamesSource() == 1 ? names_.state : names_.exe)->setChecked(true);
    (context_.state.config.CockpitSource() == 1 ? cockpit_.state : cockpit_.exe)->setChecked(true);
}

void TIEForm::RadioGroup1Click() {
    context_.state.config.SetNamesSource(names_.state->isChecked() ? 1 : 0);
}

void TIEForm::RadioGroup2Click() {
    context_.state.config.SetCockpitSource(cockpit_.state->isChecked() ? 1 : 0);
}

bool TIEForm::TrackFilesReady() {
    return EnsureTrackFiles(context_, this);
}

void TIEForm::ImportAllClick() {
    AppState& state = context_.state;
    StepScope step(context_, tr("Import all data"));
    GameReadResult read;
    // A damaged patch list is shown as an error, with every other block in.
    const auto importAll = [&] {
        if (!RunGameTransfer(context_, this, [&] { read = ReadWholeGame(state, kImportAllRead); }))
            return false;
        if (read.dataFileProblem.Empty())
            return true;
        context_.dialogs.Error(this, Worded(read.dataFileProblem));
        return false;
    };
    if (!importAll())
        return;
    // The blocks are in; the track files are offered and, once there, the game read again whole.
    if (!read.tracksRead && (!TrackFilesReady() || !importAll()))
        return;
    if (context_.steps)
        context_.steps->GameMatches();
    context_.dialogs.Information(this, tr(kAllImported));
}

// One command: the executable, the save state and the track files change together or not at all,
// and the executable is written once with both its blocks and its tyre table.
void TIEForm::ExportAllClick() {
    AppState& state = context_.state;
    // Writing the game is no step (the backups take it back); reading pending track data neither.
    StepScope step(context_, {});
    GameCommand command(context_);
    exportButton_->setCursor(Qt::WaitCursor);
    GameWriteResult written;
    const bool ok = RunGameTransfer(context_, this, [&] {
        written = WriteWholeGame(state, kExportAllWrite, [this] {
            exportButton_->unsetCursor();
            return TrackFilesReady();
        });
    });
    exportButton_->unsetCursor();
    // Without track files the blocks still go in, though without the closing message.
    if (!ok || !command.Commit(this) || !written.tracks)
        return;
    if (context_.steps)
        context_.steps->GameMatches();
    if (ReportNotTaken(context_, this))
        return;
    const Message note = TracksLeftNote(state);
    context_.dialogs.Information(this, note.Empty() ? tr(kAllExported)
                                                    : tr(kAllExported) + "\n\n" + Worded(note));
}

} // namespace psn
