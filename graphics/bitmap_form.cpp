// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/bitmap_form.h"

#include "ui/busy_cursor.h"
#include "ui/message_text.h"

#include <QCloseEvent>
#include <QFrame>

namespace psn {

BitmapForm::BitmapForm(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context), converter_(context.state) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint |
                   Qt::WindowTitleHint);
}

void BitmapForm::Bevel(const QRect& inner) {
    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setGeometry(inner.adjusted(-2, -2, 2, 2));
}

ConverterOutcome BitmapForm::Convert(const std::function<ConverterOutcome(ConverterRunner&)>& run) {
    const BusyCursor cursor;
    busy_ = true;
    const ConverterOutcome outcome = run(converter_);
    busy_ = false;
    return outcome;
}

FileDialogRequest BitmapForm::BitmapRequest(const QString& title) {
    FileDialogRequest request;
    request.title = title;
    request.filter = tr("BMP files") + "|*.BMP";
    request.initialDir = ".";
    request.defaultExt = "BMP";
    return request;
}

std::optional<UserBitmap> BitmapForm::OpenUserBitmap(const QString& title) {
    const auto path = context_.dialogs.OpenFile(this, BitmapRequest(title));
    std::optional<UserBitmap> file;
    if (path) {
        try {
            file = ReadUserBitmap(*path);
        } catch (const GraphicError& error) {
            ShowError(error);
        }
    }
    context_.state.RestoreStartDir();
    return file;
}

void BitmapForm::SaveChosen(const Bitmap8& picture, const FileDialogRequest& request) {
    if (const auto path = context_.dialogs.SaveFile(this, request))
        Save(picture, path->toStdString());
    context_.state.RestoreStartDir();
}

std::optional<Bitmap8> BitmapForm::Load(const std::string& path) {
    try {
        return LoadBmpFile(path);
    } catch (const GraphicError& error) {
        ShowError(error);
        return std::nullopt;
    }
}

bool BitmapForm::Save(const Bitmap8& picture, const std::string& path) {
    try {
        SaveBmpFile(picture, path);
        return true;
    } catch (const GraphicError& error) {
        ShowError(error);
        return false;
    }
}

void BitmapForm::ShowError(const GraphicError& error) {
    context_.dialogs.Error(this, WordedText(error));
}

void BitmapForm::closeEvent(QCloseEvent* event) {
    if (busy_) {
        event->ignore();
        return;
    }
    Closing();
    QDialog::closeEvent(event);
}

void BitmapForm::reject() {
    if (busy_)
        return;
    Closing();
    QDialog::reject();
}

} // namespace psn
