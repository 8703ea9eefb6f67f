// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Compare with game...": reads the game into a scratch record, never into the settings record,
// and lists every field where the two differ, grouped by the window that edits it. Nothing is
// written. The comparison is the companion's "psnedit diff".
#pragma once

#include "ui/app_context.h"

#include <QDialog>

class QLabel;
class QTreeWidget;

namespace psn {

class TCompareForm : public QDialog {
    Q_OBJECT
public:
    explicit TCompareForm(AppContext& context, QWidget* parent = nullptr);

    // Reads the game again and refills the list.
    void Refresh();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Widens the window, as far as the screen allows, until every column shows its rows whole.
    void FitColumns();

    AppContext& context_;
    QLabel* Label1;
    QTreeWidget* TreeView1;
};

} // namespace psn
