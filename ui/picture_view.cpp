// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/picture_view.h"

#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <cstring>

namespace psn {

QImage ToImage(const Bitmap8& picture) {
    if (picture.Empty())
        return {};
    QImage image(picture.width, picture.height, QImage::Format_Indexed8);
    QList<QRgb> table(256);
    for (int i = 0; i < 256; ++i)
        table[i] =
            qRgb(picture.colours[4 * i + 2], picture.colours[4 * i + 1], picture.colours[4 * i]);
    image.setColorTable(table);
    for (int y = 0; y < picture.height; ++y)
        std::memcpy(image.scanLine(y), &picture.pixels[static_cast<std::size_t>(y) * picture.width],
                    static_cast<std::size_t>(picture.width));
    return image;
}

PictureView::PictureView(QWidget* parent)
    : QWidget(parent), noteArea_(new QScrollArea(this)), noteLabel_(new QLabel) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    noteLabel_->setObjectName("Note");
    noteLabel_->setWordWrap(true);
    noteLabel_->setAlignment(Qt::AlignCenter);
    noteLabel_->setTextFormat(Qt::PlainText);
    noteLabel_->setMargin(4);
    noteArea_->setObjectName("NoteArea");
    noteArea_->setFrameShape(QFrame::NoFrame);
    noteArea_->setWidgetResizable(true);
    noteArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    noteArea_->setWidget(noteLabel_);
    // The mouse wheel scrolls it; the keys stay with the window's controls.
    noteArea_->setFocusPolicy(Qt::NoFocus);
    noteArea_->hide();
}

void PictureView::SetPicture(Bitmap8 picture) {
    picture_ = std::move(picture);
    ShowNote();
    update();
}

void PictureView::SetNote(const QString& note) {
    note_ = note;
    noteLabel_->setText(note);
    ShowNote();
    update();
}

void PictureView::ShowNote() {
    noteArea_->setVisible(picture_.Empty() && !note_.isEmpty());
}

void PictureView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    noteArea_->setGeometry(rect().adjusted(2, 2, -2, -2));
}

void PictureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (!picture_.Empty())
        painter.drawImage(0, 0, ToImage(picture_));
}

void PictureView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit MouseDown(event->button(), at.x(), at.y());
}

void PictureView::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit MouseUp(event->button(), at.x(), at.y());
}

} // namespace psn
