// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Cameras editor": position, angles and image tuning of the nine car cameras, with a preview
// of each camera's default view.
#pragma once

#include "graphics/camera_model.h"
#include "graphics/wing_image.h"
#include "ui/app_context.h"

#include <QDialog>
#include <array>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace psn {

class TCameraForm : public QDialog {
    Q_OBJECT
public:
    explicit TCameraForm(AppContext& context, QWidget* parent = nullptr);

    TWinGImage* Image() const { return image_; }
    int CurrentCamera() const { return model_.Camera(); }

    void PutValues();
    void ListBox1Click();
    void BitBtn2Click();
    void BitBtn6Click();
    void BitBtn3Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void SetView(int camera);
    void StoreInteger(int word);
    void StoreAngle(int word);

    AppContext& context_;
    QListWidget* list_;
    TWinGImage* image_;
    std::array<QLineEdit*, 8> edits_{}; // by word
    CameraModel model_;
};

} // namespace psn
