// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Track editor": per-track car set-up of the computer cars, fuel and tyre consumption.
#pragma once

#include "tracks/track_ed_model.h"
#include "ui/app_context.h"

#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace psn {

class TTrackEdForm : public QDialog {
    Q_OBJECT
public:
    explicit TTrackEdForm(AppContext& context, QWidget* parent = nullptr);

    void FormShow();
    void ObjectUpdate();
    void ListBox1Click();
    // Leaving one of the eight byte fields (0: front wing .. 7: 6th gear).
    void ByteEditExit(int field);
    void Edit9Change();
    void Edit10Change();
    void ComboBox1Change(int row);
    void BitBtn1Click(); // "Export data into game"
    void BitBtn2Click(); // "Import data from game"
    void BitBtn3Click(); // "Back"
    void BitBtn4Click(); // "Restore original data"

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* AddField(const QString& name, const QString& caption, int left, int top,
                        int labelWidth, int editWidth);
    void SetText(QLineEdit* edit, unsigned value);

    AppContext& context_;
    TrackEntryModel model_;
    QListWidget* ListBox1;
    std::array<QLineEdit*, 8> byteEdits_{};
    QLineEdit* Edit9;  // fuel consumption
    QLineEdit* Edit10; // tyre consumption
    QComboBox* ComboBox1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;
    QPushButton* BitBtn4;
};

} // namespace psn
