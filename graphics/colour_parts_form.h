// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the cockpit and pit crew colour windows share: a picture with a swatch grid below it, a
// list of the teams in use, one radio button per part, the detail label, and picking a part by
// mouse or button and a colour from the grid, and the four buttons. Each window supplies its
// parts, where a part's colour lives in the record, how its blocks are read and written, and its
// layout.
#pragma once

#include "graphics/colour_parts_model.h"
#include "graphics/wing_image.h"
#include "ui/app_context.h"
#include "ui/window_transfers.h"

#include <QDialog>
#include <span>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace psn {

// What sets one colour window apart from the other, but for its layout.
struct ColourWindow {
    const char* pictureFile;
    std::span<const colours::PartRange> parts;
    ColourRows rows;
    // Run once the game's executable is open.
    BlockOperation read;
    BlockOperation write;
};

class ColourPartsForm : public QDialog {
    Q_OBJECT
public:
    TWinGImage* Image() const { return image_; }
    int CurrentTeam() const { return model_.Team(); }
    int CurrentPart() const { return model_.Part(); }

    void BitBtn2Click();
    void BitBtn6Click();
    // Restores like every other editor window, and shows the restored colours at once.
    void BitBtn3Click();

protected:
    ColourPartsForm(AppContext& context, QWidget* parent, const ColourWindow& window);

    // Copies the picture rows into the reference picture; run once the window is laid out.
    void TakeReference();
    void ClearPicture();
    void FillPicture();
    void MarkCurrentPart(bool highlight);
    void ShowElement(int x, int y);
    void GetColor(int x, int y);
    void SetColor(int x, int y);
    // The teams in use, in team order; a row stands for the team it shows.
    void FillTeamList();
    void FormActivate();
    void ListBox1Click();
    void RadioButtonClick();
    void WinGImage1MouseMove(int x, int y);
    void WinGImage1MouseDown(int x, int y);
    void FormClick() { image_->Repaint(); }
    // The creation event of both windows: reference picture, team 1, the picture coloured.
    void FormCreate();
    // Repaints the picture for the record as it is now: after a restore or an import.
    void Redraw();

    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

    AppContext& context_;
    TWinGImage* image_;
    QListWidget* list_;
    std::vector<QRadioButton*> radios_;
    QLabel* label_;
    QPushButton* back_;
    QPushButton* import_;
    QPushButton* export_;
    QPushButton* restore_;

private:
    std::span<std::uint8_t> Surface();

    ColourPartsModel model_;
    BlockOperation read_;
    BlockOperation write_;
};

} // namespace psn
