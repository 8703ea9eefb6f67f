// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/compare_form.h"

#include "shell/field_names.h"
#include "shell/game_read_blocks.h"
#include "shell/record_fields_table.h"
#include "tracks/track_blocks.h"
#include "ui/accessibility.h"
#include "ui/message_text.h"
#include "ui/recovery.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace psn {

TCompareForm::TCompareForm(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName("CompareForm");
    setWindowTitle(tr("Compare with game"));
    resize(640, 440);
    auto* layout = new QVBoxLayout(this);
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    layout->addWidget(Label1);
    TreeView1 = new QTreeWidget(this);
    TreeView1->setObjectName("TreeView1");
    TreeView1->setHeaderLabels({tr("Field"), tr("Settings"), tr("Game")});
    TreeView1->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(TreeView1);
    auto* back = new QPushButton(tr("Back"), this);
    back->setObjectName("BitBtn1");
    layout->addWidget(back, 0, Qt::AlignRight);
    connect(back, &QPushButton::clicked, this, &QDialog::accept);

    // The label above the list is a changing summary, not the list's name.
    TreeView1->setAccessibleName(tr("Differences between the settings and the game"));
    MakeAccessibleWhenShown(this);
}

void TCompareForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Refresh();
}

void TCompareForm::Refresh() {
    TreeView1->clear();
    const AppState& state = context_.state;
    // The scratch state reads the game as start-up does, from a start folder of its own, so
    // not even the originals snapshot is touched.
    ScratchStartDir start(state.StartPath(".\\DATA\\PLT.DAT"));
    AppState game;
    game.startDir = start.path();
    game.config = state.config;
    game.edition = state.edition;
    game.lockWait = state.lockWait;
    GameReadResult read;
    try {
        read = ReadWholeGame(game, kCheckRead);
    } catch (const GameLockError& error) {
        Label1->setText(tr("Another program is changing the game; nothing was compared."));
        context_.dialogs.Warning(this, Worded(error.Said()));
        return;
    } catch (const FileAccessError& error) {
        // Only reading went wrong: nothing was written, so the program goes on.
        Label1->setText(tr("The game could not be read; nothing was compared."));
        context_.dialogs.Warning(this, Worded(error.Said()) + "\n" +
                                           QString::fromLocal8Bit(state.config.GameDir().c_str()));
        return;
    }
    ReportRecovery(context_, this, read.recovered);
    if (!read.isGameExe) {
        Label1->setText(tr("The game executable could not be read; nothing was compared."));
        return;
    }
    fields::Context names;
    names.trackNames = read.trackNames;
    auto differences = fields::Compare(state.record, game.record, names, true);
    // A track block not read in this run is no setting of the user's: the track editor reads
    // the game's before it shows one, so listing it would only show zeros against the game.
    if (TrackDataPending(state))
        std::erase_if(differences, [](const fields::Difference& d) {
            return d.field->group == fields::Group::Tracks;
        });

    QTreeWidgetItem* group = nullptr;
    const fields::GroupInfo* current = nullptr;
    int groups = 0;
    for (const fields::Difference& difference : differences) {
        const fields::GroupInfo& info = fields::Info(difference.field->group);
        if (&info != current) {
            current = &info;
            ++groups;
            group = new QTreeWidgetItem(
                TreeView1, {tr("%1 (open \"%2\")")
                                .arg(QString::fromUtf8(info.key),
                                     *info.window ? WindowTitle(info.group) : QString())});
            group->setData(0, Qt::UserRole, QString::fromUtf8(info.window));
            group->setExpanded(true);
        }
        new QTreeWidgetItem(group, {FieldName(*difference.field, names),
                                    QString::fromStdString(difference.before),
                                    QString::fromStdString(difference.after)});
    }
    QString summary =
        differences.empty()
            ? tr("The settings and the game agree in every field.")
            : tr("%1 fields differ in %2 windows.").arg(differences.size()).arg(groups);
    if (!read.tracksRead)
        summary += tr(" The track files are not all installed: the track set-ups were not read.");
    else if (TrackDataPending(state))
        summary += tr(" The track set-ups have not been read in this run and are not compared.");
    if (!read.dataFileProblem.Empty())
        summary += " " + Worded(read.dataFileProblem);
    Label1->setText(summary);
    FitColumns();
}

void TCompareForm::FitColumns() {
    TreeView1->header()->resizeSections(QHeaderView::ResizeToContents);
    const int columns = TreeView1->header()->length();
    const QMargins margins = layout()->contentsMargins();
    const int needed = columns + 2 * TreeView1->frameWidth() +
                       style()->pixelMetric(QStyle::PM_ScrollBarExtent) + margins.left() +
                       margins.right();
    int most = needed;
    if (const QScreen* screen = this->screen())
        most = screen->availableGeometry().width() - (frameGeometry().width() - width());
    if (needed > width())
        resize(std::min(needed, most), height());
}

} // namespace psn
