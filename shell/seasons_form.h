// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Seasons…": the seasons kept in the user's folder, how each differs from the game now, and the
// commands on them. A switch writes the game as one command and reads it again as one undoable
// step; import and export move a season as one file. The work is psnedit's (seasons/ and
// shell/season_blocks.h); this window asks and shows.
#pragma once

#include "ui/app_context.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace psn {

class TSeasonsForm : public QDialog {
    Q_OBJECT
public:
    explicit TSeasonsForm(AppContext& context, QWidget* parent = nullptr);

    // Lists the seasons again, each compared with the game.
    void Refresh();

    void KeepClick();
    void SwitchClick();
    void ExportClick();
    void ImportClick();
    void RenameClick();
    void DeleteClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString Selected() const;
    void Failed(const std::exception& error);

    AppContext& context_;
    QTreeWidget* SeasonList;
    QLineEdit* NameEdit;
    QLineEdit* DescriptionEdit;
    QLabel* StatusLabel;
    QPushButton* SwitchButton;
    QPushButton* ExportButton;
    QPushButton* RenameButton;
    QPushButton* DeleteButton;
};

} // namespace psn
