// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/app_icon.h"

#include "core/beside.h"

#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>
#include <future>
#include <map>

namespace psn {
namespace {

// Drawn on a 256-unit square; the smallest sizes leave out details that would only blur.
void Paint(QPainter& p, int size) {
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);
    const bool detailed = size >= 32;

    QPainterPath tile;
    tile.addRoundedRect(QRectF(8, 8, 240, 240), 44, 44);
    QLinearGradient red(0, 8, 0, 248);
    red.setColorAt(0, QColor(226, 48, 32));
    red.setColorAt(1, QColor(122, 12, 8));
    p.fillPath(tile, red);

    p.save();
    p.setClipPath(tile);
    if (detailed) {
        // Two rows of the chequered flag along the bottom edge.
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < 16; ++column)
                p.fillRect(QRectF(column * 16, 212 + row * 16, 16, 16),
                           (row + column) % 2 ? QColor(20, 20, 20) : QColor(250, 250, 250));
    }
    p.restore();

    QPainterPath helmet;
    helmet.moveTo(52, 176);
    helmet.cubicTo(46, 98, 100, 44, 150, 44);
    helmet.cubicTo(200, 44, 218, 96, 218, 138);
    helmet.lineTo(218, 176);
    helmet.quadTo(218, 194, 200, 194);
    helmet.lineTo(70, 194);
    helmet.quadTo(52, 194, 52, 176);
    QLinearGradient shell(0, 44, 0, 194);
    shell.setColorAt(0, QColor(255, 255, 255));
    shell.setColorAt(1, QColor(206, 212, 222));
    p.fillPath(helmet, shell);

    p.save();
    p.setClipPath(helmet);
    // A yellow stripe round the shell and the dark visor at the front.
    p.fillRect(QRectF(40, 150, 200, detailed ? 16 : 22), QColor(255, 204, 0));
    QLinearGradient visor(0, 96, 0, 142);
    visor.setColorAt(0, QColor(40, 64, 110));
    visor.setColorAt(1, QColor(6, 10, 20));
    QPainterPath visorShape;
    visorShape.addRoundedRect(QRectF(132, 94, 100, 48), 16, 16);
    p.fillPath(visorShape, visor);
    if (detailed) {
        p.setPen(QPen(QColor(150, 190, 255, 170), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(146, 106), QPointF(200, 106));
    }
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 8, 4), detailed ? 6 : 14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(helmet);
}

// The window sizes, when drawn ahead on a worker thread; read only by the thread that runs the
// windows, once the drawing is done.
std::shared_future<std::map<int, QImage>> drawnAhead;

QImage DrawnOnce(int side) {
    if (drawnAhead.valid()) {
        const std::map<int, QImage>& ahead = drawnAhead.get();
        if (const auto found = ahead.find(side); found != ahead.end())
            return found->second;
    }
    return DrawAppIcon(side);
}

class AppIconEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        painter->drawImage(rect, DrawAppIcon(std::min(rect.width(), rect.height())));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min(size.width(), size.height());
        // The X window system is handed every available size twice for each new window, and
        // drawing them takes milliseconds: the sizes of the icon theme are drawn once.
        if (!AppIconSizes().contains(side) && !WindowIconSizes().contains(side))
            return QPixmap::fromImage(DrawAppIcon(side));
        QPixmap& drawn = drawn_[side];
        if (drawn.isNull())
            drawn = QPixmap::fromImage(DrawnOnce(side));
        return drawn;
    }
    QIconEngine* clone() const override { return new AppIconEngine(*this); }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int size : WindowIconSizes())
            sizes << QSize(size, size);
        return sizes;
    }

private:
    std::map<int, QPixmap> drawn_;
};

} // namespace

QList<int> AppIconSizes() {
    return {16, 32, 48, 64, 128, 256};
}

QList<int> WindowIconSizes() {
    return {16, 24, 32, 48, 64};
}

QImage DrawAppIcon(int size) {
    size = std::max(size, 1);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    Paint(painter, size);
    painter.end();
    return image;
}

QImage DrawSettingsFileIcon(int size) {
    size = std::max(size, 1);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.save();
    p.scale(size / 256.0, size / 256.0);
    QPainterPath sheet;
    sheet.moveTo(40, 8);
    sheet.lineTo(168, 8);
    sheet.lineTo(216, 56);
    sheet.lineTo(216, 248);
    sheet.lineTo(40, 248);
    sheet.closeSubpath();
    p.fillPath(sheet, QColor(250, 250, 248));
    QPainterPath corner;
    corner.moveTo(168, 8);
    corner.lineTo(168, 56);
    corner.lineTo(216, 56);
    corner.closeSubpath();
    p.fillPath(corner, QColor(210, 212, 218));
    p.setPen(
        QPen(QColor(90, 90, 96), size >= 32 ? 6 : 14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(sheet);
    p.restore();
    // The application's tile on the sheet, drawn at its own size so that small sizes stay sharp.
    const int tile = size * 5 / 8;
    p.drawImage(QPoint((size - tile) / 2, size - tile - size / 10), DrawAppIcon(tile));
    p.end();
    return image;
}

void DrawWindowIconsAhead() {
    // Without a thread to spare, each size is drawn when first asked for.
    drawnAhead = StartBeside([] {
        std::map<int, QImage> drawn;
        for (int size : WindowIconSizes())
            drawn[size] = DrawAppIcon(size);
        return drawn;
    });
}

QIcon AppIcon() {
    return QIcon(new AppIconEngine);
}

} // namespace psn
