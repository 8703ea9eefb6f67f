// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Helmets": the helmet sheet of the game's helmet archive, one cell per driver, edited by
// swapping cells, pasting single helmets and loading or saving bitmaps, and written back into
// the game through the bitmap converter.
#pragma once

#include "graphics/bitmap_form.h"
#include "graphics/helmet_model.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace psn {

class PictureView;

class THelmetForm : public BitmapForm {
    Q_OBJECT
public:
    explicit THelmetForm(AppContext& context, QWidget* parent = nullptr);

    enum class Mode { Show = 0, Paste = 1, Swap = 2 };
    void SelHel(Mode mode);

    // Why the start-up extraction left no sheet, shown when the window first finds none.
    void SetStartupProblem(const QString& problem) { startupProblem_ = problem; }
    int DragSource() const { return drag_.Source(); }

    void FormShow();
    void FormActivate();
    void ListBox1Click();
    void Image1MouseDown(Qt::MouseButton button, int x, int y);
    void Image1MouseUp(Qt::MouseButton button, int x, int y);
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn4Click();
    void BitBtn6Click();
    void BitBtn7Click();
    void BitBtn5Click();
    void BitBtn3Click();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void CreateLayout();
    void RebuildDriverList();
    int SelectedCell() const;
    // Chooses the cell's list row first.
    void SelHel(Mode mode, int cell);
    bool LoadSheet(const std::string& path);
    // Has the converter extract the sheet; false, with the reason shown, when it cannot.
    bool ExtractSheet();
    void SheetUnavailable(const QString& reason);
    QString Unavailable() const;

    HelmetDrag drag_;
    bool pendingSheet_ = true;
    bool lookedForSheet_ = false; // in this opening of the window
    QString startupProblem_;

    PictureView* Image1 = nullptr;
    PictureView* Image2 = nullptr;
    PictureView* Image3 = nullptr;
    QListWidget* ListBox1 = nullptr;
};

} // namespace psn
