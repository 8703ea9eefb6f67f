// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Helmets": the helmet sheet of the game's helmet archive, one cell per driver, edited by
// swapping cells, pasting single helmets and loading or saving bitmaps, and written back into
// the game through the bitmap converter.
#pragma once

#include "core/bitmap8_format.h"
#include "graphics/user_bitmap.h"
#include "ui/app_context.h"
#include "ui/converter_runner.h"

#include <QDialog>
#include <optional>

class QLabel;
class QListWidget;
class QPushButton;

namespace psn {

class PictureView;

class THelmetForm : public QDialog {
    Q_OBJECT
public:
    explicit THelmetForm(AppContext& context, QWidget* parent = nullptr);

    enum class Mode { Show = 0, Paste = 1, Swap = 2 };
    void SelHel(Mode mode);

    // Why the start-up extraction left no sheet, shown when the window first finds none.
    void SetStartupProblem(const QString& problem) { startupProblem_ = problem; }
    ConverterRunner& Converter() { return converter_; }
    int DragSource() const { return dragSource_; }

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
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void CreateLayout();
    void RebuildDriverList();
    int SelectedCell() const;
    bool LoadInto(PictureView* view, const QString& path);
    // A user's bitmap, or nothing after its failure has been shown.
    std::optional<UserBitmap> ReadChosen(const QString& path);
    void SheetUnavailable(const QString& reason);
    FileDialogRequest Request(const QString& title) const;

    AppContext& context_;
    ConverterRunner converter_;
    bool pendingSheet_ = true;
    bool busy_ = false;
    int dragSource_ = -1;
    QString startupProblem_;

    PictureView* Image1 = nullptr;
    PictureView* Image2 = nullptr;
    PictureView* Image3 = nullptr;
    QListWidget* ListBox1 = nullptr;
};

} // namespace psn
