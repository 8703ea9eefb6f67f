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
    if (isDown() || hasFocus()) {
        painter.setPen(QPen(isDown() ? Qt::black : QColor(255, 220, 0), 1, Qt::DotLine));
        painter.drawRect(area.adjusted(1, 1, -2, -2));
    }
}

} // namespace psn
