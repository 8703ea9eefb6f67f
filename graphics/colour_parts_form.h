// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the cockpit and pit crew colour windows share: a picture with a swatch grid below it, a
// list of the teams in use, one radio button per part, the detail label, and picking a part by
// mouse or button and a colour from the grid. Each window supplies its parts, where a part's
// colour lives in the record, its layout and its four buttons.
#pragma once

#include "graphics/colour_parts_table.h"
#include "graphics/wing_image.h"
#include "ui/app_context.h"

#include <QDialog>
#include <span>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace psn {

class ColourPartsForm : public QDialog {
    Q_OBJECT
public:
    TWinGImage* Image() const { return image_; }
    int CurrentTeam() const { return currentTeam_; }
    int CurrentPart() const { return currentPart_; }

protected:
    ColourPartsForm(AppContext& context, QWidget* parent, const char* pictureFile,
                    std::span<const colours::PartRange> parts);

    // The record offset of part p's base colour for team t.
    virtual std::size_t ColourOffset(int team, int part) const = 0;

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
    int PartColourOf(int part) const;

    std::span<const colours::PartRange> parts_;
    std::vector<std::uint8_t> reference_;
    std::vector<int> rowTeams_;
    int currentPart_ = 0;
    int currentTeam_ = 1;
};

} // namespace psn
