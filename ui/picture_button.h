// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A flat button that shows one of the shipped pictures, its label drawn into it; without the
// picture it shows the label on a plain face.
#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace psn {

class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    PictureButton(const QString& label, const QPixmap& picture, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

} // namespace psn
