// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A picture control for a 256-colour picture that the window owns as palette indices: drawn 1:1
// from the control's top-left corner through the picture's own colour table, so mouse points
// over the control are picture coordinates. An empty picture shows a note instead, every line of
// it: a note longer than the control scrolls.
#pragma once

#include "core/bitmap8_format.h"

#include <QString>
#include <QWidget>

class QLabel;
class QScrollArea;

namespace psn {

class PictureView : public QWidget {
    Q_OBJECT
public:
    explicit PictureView(QWidget* parent = nullptr);

    const Bitmap8& Picture() const { return picture_; }
    // Change pixels through this, then call Changed().
    Bitmap8& Picture() { return picture_; }
    void SetPicture(Bitmap8 picture);
    void Changed() { update(); }

    void SetNote(const QString& note);
    QString Note() const { return note_; }

signals:
    void MouseDown(Qt::MouseButton button, int x, int y);
    void MouseUp(Qt::MouseButton button, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowNote();

    Bitmap8 picture_;
    QString note_;
    QScrollArea* noteArea_;
    QLabel* noteLabel_;
};

// The picture as a displayable image through its colour table.
QImage ToImage(const Bitmap8& picture);

} // namespace psn
