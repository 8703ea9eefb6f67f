// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window that lets the user point to the game executable when no configuration exists.
#pragma once

#include "ui/app_context.h"

#include <QDialog>
#include <string>

class QPushButton;

namespace psn {

class TPathForm : public QDialog {
    Q_OBJECT
public:
    explicit TPathForm(AppContext& context, QWidget* parent = nullptr);

    bool Found() const { return found_; }
    // Runs the window; false when the user cancelled, which ends the program.
    [[nodiscard]] bool Locate();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormShow();
    void Button1Click();
    void Button2Click();
    void reject() override;

    AppContext& context_;
    QPushButton* Button1;
    QPushButton* Button2;
    std::string chosenPath_;
    bool found_ = false;
    bool cancelled_ = false;
};

} // namespace psn
