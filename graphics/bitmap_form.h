// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the helmet and car painting windows share: bitmaps loaded from and saved to files the
// user chooses, with every failure shown, and conversions through the bitmap converter, during
// which the window stays open because its temporary bitmap must outlive the converter.
#pragma once

#include "core/bitmap8_format.h"
#include "graphics/user_bitmap.h"
#include "ui/app_context.h"
#include "ui/converter_runner.h"

#include <QDialog>
#include <functional>
#include <optional>

namespace psn {

class BitmapForm : public QDialog {
    Q_OBJECT
public:
    ConverterRunner& Converter() { return converter_; }

protected:
    BitmapForm(AppContext& context, QWidget* parent);

    // Runs a conversion under the hourglass.
    ConverterOutcome Convert(const std::function<ConverterOutcome(ConverterRunner&)>& run);
    // The dialog for a BMP file in the editor's folder.
    static FileDialogRequest BitmapRequest(const QString& title);
    // A bitmap of any kind the user chooses; nothing when cancelled or after its failure is shown.
    std::optional<UserBitmap> OpenUserBitmap(const QString& title);
    // Saves the picture as a file the user chooses.
    void SaveChosen(const Bitmap8& picture, const FileDialogRequest& request);
    // A 256-colour bitmap such as the converter writes; nothing after its failure is shown.
    std::optional<Bitmap8> Load(const std::string& path);
    // Returns false after the failure is shown.
    bool Save(const Bitmap8& picture, const std::string& path);
    // The sunken frame around a picture's place.
    void Bevel(const QRect& inner);
    // The window closes; no conversion runs.
    virtual void Closing() {}

    void closeEvent(QCloseEvent* event) override;
    void reject() override;

    AppContext& context_;

private:
    void ShowError(const GraphicError& error);

    ConverterRunner converter_;
    bool busy_ = false;
};

} // namespace psn
