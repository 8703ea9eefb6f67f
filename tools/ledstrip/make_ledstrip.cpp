// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the 100 x 59 rev-light strip picture: a cockpit panel with four unlit lights rising from
// left to right, and at its right edge the lit green, yellow and red sprites that the car tuning
// window copies onto the lights. Written as a 256-colour bitmap in the game palette.
#include "game_palette.h"

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

namespace {

using namespace psn::assets;

constexpr int kWidth = 100;
constexpr int kHeight = 59;
const QColor kBand(18, 18, 20);

// Light k's place and the sprites, as the window copies them (left, top, width, height).
QRectF Place(int light) {
    return QRectF(10 + 17 * light, 34 - 5 * light, 11, 11);
}
QRectF Sprite(int colour) {
    return QRectF(85, 12 * (colour - 1), 10, 10);
}

void Lamp(QPainter& painter, const QRectF& box, QColor centre, QColor edge) {
    const QRectF lens = box.adjusted(1, 1, -1, -1);
    QRadialGradient glow(lens.center() - QPointF(1, 1), lens.width() / 2);
    glow.setColorAt(0, centre);
    glow.setColorAt(1, edge);
    painter.setPen(QPen(QColor(10, 10, 10), 1));
    painter.setBrush(glow);
    painter.drawEllipse(lens);
}

QImage Draw() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient panel(0, 0, 0, kHeight);
    panel.setColorAt(0, QColor(72, 72, 76));
    panel.setColorAt(1, QColor(36, 36, 40));
    painter.fillRect(image.rect(), panel);

    // The bezel: one dark band through the four lights, rising with them.
    QPainterPath band;
    band.moveTo(5, 50);
    band.lineTo(5, 36);
    band.lineTo(76, 14);
    band.lineTo(76, 28);
    band.closeSubpath();
    painter.setPen(QPen(QColor(120, 120, 124), 1));
    painter.setBrush(kBand);
    painter.drawPath(band);

    for (int light = 0; light < 4; ++light)
        Lamp(painter, Place(light), QColor(90, 90, 90), QColor(30, 30, 30));

    // Tick marks under the band, one per light.
    painter.setPen(QPen(QColor(200, 200, 200), 1));
    for (int light = 0; light < 4; ++light) {
        const QPointF c = Place(light).center();
        painter.drawLine(QPointF(c.x(), c.y() + 9), QPointF(c.x(), c.y() + 12));
    }

    // The sprites sit on the band's colour, so that a copied sprite blends into the band.
    painter.fillRect(QRectF(82, 0, 18, 37), kBand);
    Lamp(painter, Sprite(1), QColor(200, 255, 200), QColor(20, 170, 40));
    Lamp(painter, Sprite(2), QColor(255, 255, 210), QColor(230, 200, 20));
    Lamp(painter, Sprite(3), QColor(255, 210, 200), QColor(210, 20, 20));
    painter.end();
    return image;
}

std::uint8_t Nearest(const Palette& palette, QRgb colour) {
    int best = 0;
    long bestDistance = std::numeric_limits<long>::max();
    for (int i = 0; i < 256; ++i) {
        const long dr = palette[i].r - qRed(colour);
        const long dg = palette[i].g - qGreen(colour);
        const long db = palette[i].b - qBlue(colour);
        const long distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return static_cast<std::uint8_t>(best);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: psn_make_ledstrip OUTPUT.BMP\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QImage image = Draw();
    const Palette& palette = GamePalette();
    std::vector<std::uint8_t> pixels;
    pixels.reserve(kWidth * kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            pixels.push_back(Nearest(palette, image.pixel(x, y)));
    if (!WriteFile(argv[1], BitmapFileBytes(kWidth, kHeight, pixels, palette))) {
        std::fprintf(stderr, "psn_make_ledstrip: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
