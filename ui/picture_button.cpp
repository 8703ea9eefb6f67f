// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/picture_button.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

namespace psn {

PictureButton::PictureButton(const QString& label, const QPixmap& picture, QWidget* parent)
    : QAbstractButton(parent), picture_(picture) {
    setText(label);
    setToolTip(label);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

QSize PictureButton::sizeHint() const {
    return picture_.isNull() ? QSize(173, 59) : picture_.deviceIndependentSize().toSize();
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = rect();
    if (picture_.isNull()) {
        painter.fillRect(area, palette().button());
        painter.setPen(palette().buttonText().color());
        QFont bold = font();
        bold.setBold(true);
        painter.setFont(bold);
        painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text());
    } else {
        // Pressed pictures shift by a pixel, like a flat speed button.
        const int shift = isDown() ? 1 : 0;
        painter.drawPixmap(area.translated(shift, shift), picture_);
    }
    if (hasFocus()) {
        // A solid frame in the palette's highlight, plain to see on any picture.
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(QRectF(area).adjusted(1, 1, -1, -1));
    }
    if (isDown()) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(area.adjusted(3, 3, -4, -4));
    }
}

} // namespace psn
