// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings description window: free text stored with every settings file.
#pragma once

#include "ui/app_context.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace psn {

class TDesForm : public QDialog {
    Q_OBJECT
public:
    explicit TDesForm(AppContext& context, QWidget* parent = nullptr);

    QString Text() const;
    // Shows the record's settings description (after a load).
    void ShowRecordDescription();

signals:
    // A save chose a new settings file, so the main window's title must name it.
    void SettingsFileChosen();

private:
    void Button1Click();
    void Memo1Change();

    AppContext& context_;
    QPlainTextEdit* Memo1;
    QPushButton* Button1;
    QPushButton* BitBtn1;
};

} // namespace psn
