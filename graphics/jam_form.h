// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Car JAMs": a team's car painting moved between its game archive and a bitmap file through
// the bitmap converter.
#pragma once

#include "ui/app_context.h"
#include "ui/converter_runner.h"

#include <QDialog>

class QListWidget;

namespace psn {

class PictureView;

class TJamForm : public QDialog {
    Q_OBJECT
public:
    explicit TJamForm(AppContext& context, QWidget* parent = nullptr);

    ConverterRunner& Converter() { return converter_; }

    void FormShow();
    void FormClose();
    void ListBox1Click();
    void ListBox2Click();
    void Button951Click();
    void Button952Click();
    void Button953Click();
    void Button954Click();
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void CreateLayout();
    FileDialogRequest Request(const QString& title) const;
    // The selected archive's name and its path in the game.
    QString SelectedArchive() const;
    std::string ArchivePath(const QString& jam) const;
    ConverterOutcome Convert(bool extract, const QString& jam);

    AppContext& context_;
    ConverterRunner converter_;
    bool busy_ = false;

    QListWidget* ListBox1 = nullptr;
    QListWidget* ListBox2 = nullptr;
    PictureView* Image1 = nullptr;
};

} // namespace psn
