// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Car JAMs": a team's car painting moved between its game archive and a bitmap file through
// the bitmap converter.
#pragma once

#include "graphics/bitmap_form.h"

class QListWidget;

namespace psn {

class PictureView;

class TJamForm : public BitmapForm {
    Q_OBJECT
public:
    explicit TJamForm(AppContext& context, QWidget* parent = nullptr);

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
    void Closing() override { FormClose(); }

private:
    void CreateLayout();
    // The selected archive's name.
    QString SelectedArchive() const;
    ConverterOutcome ConvertCar(bool extract, const QString& jam);

    QListWidget* ListBox1 = nullptr;
    QListWidget* ListBox2 = nullptr;
    PictureView* Image1 = nullptr;
};

} // namespace psn
