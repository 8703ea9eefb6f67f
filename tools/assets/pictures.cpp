// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The pictures are painted with Qt's painter into an RGB image whose red channel is the palette
// index, with antialiasing off, so every pixel is exactly the index a shape was given; gradients
// between two indices of one shade run give shaded surfaces. The camera views are painted in
// true colour and mapped to the nearest picture colour.
#include "pictures.h"

#include "game_palette.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <cmath>

namespace psn::assets {

namespace {

class IndexCanvas {
public:
    IndexCanvas(int width, int height) : image_(width, height, QImage::Format_RGB32) {
        image_.fill(qRgb(kGridBackground, 0, 0));
        painter_.begin(&image_);
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.setPen(Qt::NoPen);
    }

    void Fill(const QPainterPath& path, int index) { painter_.fillPath(path, QColor(index, 0, 0)); }
    void Fill(const QRectF& rect, int index) { painter_.fillRect(rect, QColor(index, 0, 0)); }
    void Fill(const QPolygonF& polygon, int index) {
        QPainterPath path;
        path.addPolygon(polygon);
        Fill(path, index);
    }
    // A linear shade between two indices of one run, from point a to point b.
    void Shade(const QPainterPath& path, QPointF a, QPointF b, int from, int to) {
        QLinearGradient gradient(a, b);
        gradient.setColorAt(0, QColor(from, 0, 0));
        gradient.setColorAt(1, QColor(to, 0, 0));
        painter_.fillPath(path, gradient);
    }
    void Shade(const QRectF& rect, QPointF a, QPointF b, int from, int to) {
        QPainterPath path;
        path.addRect(rect);
        Shade(path, a, b, from, to);
    }
    void Shade(const QPolygonF& polygon, QPointF a, QPointF b, int from, int to) {
        QPainterPath path;
        path.addPolygon(polygon);
        Shade(path, a, b, from, to);
    }
    // A round shade: light at the centre, darker outwards.
    void Round(const QPainterPath& path, QPointF centre, double radius, int light, int dark) {
        QRadialGradient gradient(centre, radius);
        gradient.setColorAt(0, QColor(light, 0, 0));
        gradient.setColorAt(1, QColor(dark, 0, 0));
        painter_.fillPath(path, gradient);
    }
    void Line(QPointF a, QPointF b, double width, int index) {
        painter_.setPen(QPen(QColor(index, 0, 0), width, Qt::SolidLine, Qt::FlatCap));
        painter_.drawLine(a, b);
        painter_.setPen(Qt::NoPen);
    }

    IndexedPicture Picture() {
        painter_.end();
        IndexedPicture p;
        p.width = image_.width();
        p.height = image_.height();
        for (int y = 0; y < p.height; ++y)
            for (int x = 0; x < p.width; ++x)
                p.pixels.push_back(static_cast<std::uint8_t>(qRed(image_.pixel(x, y))));
        return p;
    }

private:
    QImage image_;
    QPainter painter_;
};

QPainterPath Ellipse(double x, double y, double w, double h) {
    QPainterPath p;
    p.addEllipse(QRectF(x, y, w, h));
    return p;
}
QPainterPath Rounded(double x, double y, double w, double h, double r) {
    QPainterPath p;
    p.addRoundedRect(QRectF(x, y, w, h), r, r);
    return p;
}
QPolygonF Mirrored(const QPolygonF& polygon, double axis) {
    QPolygonF m;
    for (const QPointF& p : polygon)
        m << QPointF(2 * axis - p.x(), p.y());
    return m;
}

// Shade runs of the game palette (see game_palette.h).
constexpr int kRed = 42, kOrange = 58, kYellow = 74, kLime = 90, kGreen = 106, kTeal = 122,
              kCyan = 138, kBlue = 154, kNavy = 170, kViolet = 186, kMagenta = 202, kPink = 218,
              kBrown = 234;
constexpr int Grey(int level) {
    return kGreyFirst + level;
} // 0 black .. 31 white

} // namespace

IndexedPicture DrawCockpit() {
    IndexCanvas c(kColourPictureWidth, kColourPictureHeight);
    const double w = kColourPictureWidth, rows = kPictureRows, horizon = 76;
    // Sky, trees and grass: none of them belongs to a car part.
    c.Shade(QRectF(0, 0, w, horizon), {0, 0}, {0, horizon}, kCyan + 9, kCyan + 15);
    QPainterPath trees;
    trees.moveTo(0, horizon);
    for (int x = 0; x <= 500; x += 25)
        trees.quadTo(x + 12, horizon - 14 - (x * 7 % 9), x + 25, horizon - 4);
    trees.lineTo(500, horizon);
    trees.closeSubpath();
    c.Fill(trees, kGreen + 3);
    c.Shade(QRectF(0, horizon, w, rows - horizon), {0, horizon}, {0, rows}, kGreen + 6,
            kGreen + 11);
    // The track runs towards the horizon, with kerbs and a dashed centre line.
    const QPolygonF track{{226, horizon}, {274, horizon}, {640, rows}, {-140, rows}};
    c.Shade(track, {0, horizon}, {0, rows}, Grey(12), Grey(17));
    for (int side : {-1, 1})
        for (int i = 0; i < 12; ++i) {
            const double t0 = std::pow(i / 12.0, 2), t1 = std::pow((i + 0.5) / 12.0, 2);
            auto edge = [&](double t, double out) {
                return QPointF(250 + side * (24 + 366 * t + out * t),
                               horizon + (rows - horizon) * t);
            };
            c.Fill(QPolygonF{edge(t0, 0), edge(t1, 0), edge(t1, 40), edge(t0, 40)},
                   i % 2 ? Grey(31) : kPink + 8);
        }
    for (int i = 0; i < 6; ++i) {
        const double t0 = std::pow((2 * i + 0.2) / 12.0, 2), t1 = std::pow((2 * i + 1) / 12.0, 2);
        c.Fill(QPolygonF{{250 - 1 - 6 * t0, horizon + (rows - horizon) * t0},
                         {250 + 1 + 6 * t0, horizon + (rows - horizon) * t0},
                         {250 + 1 + 6 * t1, horizon + (rows - horizon) * t1},
                         {250 - 1 - 6 * t1, horizon + (rows - horizon) * t1}},
               Grey(29));
    }
    // Front wheels either side of the nose.
    for (double x : {70.0, 352.0}) {
        c.Fill(Rounded(x, 92, 78, 62, 12), Grey(2));
        c.Shade(Rounded(x + 6, 96, 66, 10, 4), {0, 96}, {0, 106}, Grey(6), Grey(3));
    }
    // Front wing: main plane and endplates.
    const QPolygonF wing{{132, 118}, {368, 118}, {380, 134}, {120, 134}};
    c.Shade(wing, {0, 118}, {0, 134}, kBlue + 13, kBlue + 2);
    c.Shade(QRectF(140, 121, 220, 5), {0, 121}, {0, 126}, kBlue + 6, kBlue + 9);
    for (double x : {112.0, 378.0})
        c.Shade(QRectF(x, 104, 10, 34), {x, 0}, {x + 10, 0}, kBlue + 3, kBlue + 8);
    // Nose cone, lit from above.
    const QPolygonF nose{{238, 110}, {262, 110}, {310, rows}, {190, rows}};
    c.Shade(nose, {190, 0}, {250, 0}, kRed + 2, kRed + 12);
    c.Shade(QPolygonF{{250, 110}, {262, 110}, {310, rows}, {250, rows}}, {250, 0}, {310, 0},
            kRed + 12, kRed + 1);
    c.Fill(QRectF(246, 140, 8, 40), kRed + 14);
    // Cockpit surround: the tub's sides rising to the left and right, padded rim inside.
    const QPolygonF side{{0, rows}, {0, 104}, {46, 110}, {120, 132}, {176, 164}, {204, rows}};
    for (const QPolygonF& s : {side, Mirrored(side, 250)}) {
        c.Shade(s, {0, 104}, {0, rows}, kRed + 13, kRed);
    }
    const QPolygonF rim{{100, 128}, {120, 132}, {176, 164}, {204, rows}, {188, rows}, {160, 170}};
    for (const QPolygonF& r : {rim, Mirrored(rim, 250)})
        c.Fill(r, Grey(4));
    // Mirrors on their stalks, grey glass showing the track behind.
    for (double x : {22.0, 398.0}) {
        c.Line({x + 40, 118}, {x + 40 + (x < 250 ? 16 : -16), 106}, 5, kOrange + 4);
        QPainterPath housing = Rounded(x, 76, 80, 36, 12);
        c.Shade(housing, {0, 76}, {0, 112}, kOrange + 14, kOrange + 1);
        c.Shade(Rounded(x + 7, 82, 66, 24, 8), {0, 82}, {0, 106}, Grey(22), Grey(14));
        c.Fill(QPolygonF{{x + 30, 106}, {x + 50, 106}, {x + 58, 96}, {x + 22, 96}}, Grey(9));
    }
    // Steering wheel with display, rev lights and gloved hands on the grips.
    QPainterPath wheel;
    wheel.moveTo(160, rows);
    wheel.lineTo(168, 160);
    wheel.quadTo(250, 138, 332, 160);
    wheel.lineTo(340, rows);
    wheel.closeSubpath();
    c.Shade(wheel, {0, 140}, {0, rows}, Grey(7), Grey(2));
    c.Fill(Rounded(214, 162, 72, 28, 4), kNavy + 2);
    c.Fill(QRectF(222, 168, 30, 6), kLime + 10);
    c.Fill(QRectF(222, 178, 18, 6), kLime + 10);
    c.Fill(QRectF(258, 168, 20, 16), kNavy + 12);
    for (int i = 0; i < 9; ++i)
        c.Fill(Ellipse(203 + 10.5 * i, 151, 7, 6), i < 3   ? kGreen + 12
                                                   : i < 6 ? kYellow + 12
                                                           : kMagenta + 13);
    for (double x : {148.0, 322.0}) {
        c.Round(Ellipse(x, 162, 32, 40), {x + 14, 172}, 24, kNavy + 10, kNavy + 3);
        c.Fill(Rounded(x + 2, 170, 28, 5, 2), kNavy + 1);
    }
    return c.Picture();
}

IndexedPicture DrawPitCrew() {
    IndexCanvas c(kColourPictureWidth, kColourPictureHeight);
    const double rows = kPictureRows;
    // The garage behind: a panelled wall and the floor, all in greys.
    c.Shade(QRectF(0, 0, 500, 150), {0, 0}, {0, 150}, Grey(26), Grey(21));
    for (int x = 0; x < 500; x += 62)
        c.Fill(QRectF(x, 0, 2, 150), Grey(18));
    c.Fill(QRectF(0, 146, 500, 4), Grey(14));
    c.Shade(QRectF(0, 150, 500, rows - 150), {0, 150}, {0, rows}, Grey(10), Grey(15));
    c.Fill(QRectF(0, 184, 500, 3), Grey(28));

    const double cx = 190;
    // Lollipop sign held up in the mechanic's left hand.
    c.Fill(QRectF(95, 44, 5, 118), Grey(6));
    c.Round(Ellipse(67, 6, 60, 60), {90, 26}, 34, kGreen + 13, kGreen + 2);
    c.Fill(Ellipse(79, 18, 36, 36), kGreen + 14);
    c.Fill(QRectF(86, 33, 22, 6), Grey(2));
    // Pit monitor on its stand, its screen showing lap times.
    c.Fill(QRectF(394, 110, 8, 70), Grey(6));
    c.Fill(QRectF(370, 178, 56, 6), Grey(5));
    c.Shade(Rounded(334, 34, 128, 84, 6), {334, 0}, {462, 0}, kOrange + 12, kOrange + 2);
    c.Fill(QRectF(344, 44, 108, 64), Grey(3));
    for (int i = 0; i < 5; ++i)
        c.Fill(QRectF(352, 52 + 11 * i, 40 + (i * 23) % 50, 5), Grey(27 - 2 * i));
    // Car jack on the floor: lifting head, frame and long handle.
    c.Shade(QRectF(250, 168, 72, 12), {0, 168}, {0, 180}, kCyan + 13, kCyan + 3);
    c.Shade(Rounded(246, 156, 22, 16, 4), {0, 156}, {0, 172}, kCyan + 14, kCyan + 5);
    for (double x : {262.0, 306.0})
        c.Fill(Ellipse(x, 178, 12, 12), Grey(3));
    c.Line({320, 172}, {372, 150}, 6, kCyan + 8);
    c.Fill(Rounded(366, 140, 26, 12, 5), Grey(4));

    // The mechanic, front view: boots, trousers, belt, stripe, chest halves, epaulettes, arms,
    // gloves, helmet and the team logo on the chest.
    for (double x : {cx - 30, cx + 3}) {
        c.Shade(Rounded(x - 2, 176, 30, 16, 5), {0, 176}, {0, 192}, kRed + 13, kRed + 2);
        c.Fill(QRectF(x - 2, 189, 30, 3), kRed);
    }
    for (double x : {cx - 28, cx + 4})
        c.Shade(QRectF(x, 120, 24, 58), {x, 0}, {x + 24, 0}, kOrange + 12, kOrange + 3);
    c.Fill(QRectF(cx - 2, 126, 4, 50), kOrange + 1);
    c.Shade(QRectF(cx - 32, 110, 64, 14), {0, 110}, {0, 124}, kYellow + 12, kYellow + 3);
    c.Fill(QRectF(cx - 6, 112, 12, 10), kYellow + 15);
    const QPolygonF leftChest{{cx - 38, 54}, {cx, 50}, {cx, 110}, {cx - 32, 110}};
    c.Shade(leftChest, {cx - 38, 0}, {cx, 0}, kGreen + 4, kGreen + 12);
    c.Shade(Mirrored(leftChest, cx), {cx, 0}, {cx + 38, 0}, kTeal + 12, kTeal + 4);
    c.Shade(QRectF(cx - 36, 90, 72, 6), {cx - 36, 0}, {cx + 36, 0}, kLime + 6, kLime + 13);
    // Team logo: values 250 .. 255 (logo colour + 0 .. 5).
    c.Fill(Rounded(cx + 8, 60, 24, 20, 3), 250);
    c.Fill(QRectF(cx + 11, 63, 18, 4), 253);
    c.Fill(QRectF(cx + 11, 69, 18, 4), 255);
    c.Fill(QRectF(cx + 11, 75, 10, 3), 251);
    for (double x : {cx - 50, cx + 30})
        c.Shade(Rounded(x, 48, 20, 14, 5), {0, 48}, {0, 62}, kCyan + 14, kCyan + 4);
    // Arms: the left one raised to hold the sign, the right one hanging.
    c.Shade(QPolygonF{{cx - 40, 54}, {cx - 52, 56}, {cx - 82, 92}, {cx - 70, 102}}, {cx - 80, 0},
            {cx - 40, 0}, kBlue + 3, kBlue + 12);
    c.Shade(QPolygonF{{cx - 82, 92}, {cx - 70, 102}, {cx - 84, 150}, {cx - 98, 146}}, {cx - 98, 0},
            {cx - 70, 0}, kNavy + 5, kNavy + 13);
    c.Round(Ellipse(cx - 104, 138, 22, 24), {cx - 92, 146}, 14, kPink + 12, kPink + 3);
    c.Shade(QPolygonF{{cx + 38, 54}, {cx + 52, 58}, {cx + 56, 104}, {cx + 42, 104}}, {cx + 38, 0},
            {cx + 56, 0}, kViolet + 12, kViolet + 3);
    c.Shade(QPolygonF{{cx + 42, 104}, {cx + 56, 104}, {cx + 58, 146}, {cx + 44, 146}}, {cx + 42, 0},
            {cx + 58, 0}, kMagenta + 12, kMagenta + 3);
    c.Round(Ellipse(cx + 40, 144, 20, 22), {cx + 49, 152}, 13, kPink + 12, kPink + 3);
    // Helmet with its dark visor.
    c.Fill(QRectF(cx - 9, 42, 18, 10), Grey(8));
    c.Round(Ellipse(cx - 22, 4, 44, 44), {cx - 6, 16}, 32, kBrown + 11, kBrown);
    c.Shade(Rounded(cx - 17, 20, 34, 12, 5), {0, 20}, {0, 32}, Grey(7), Grey(2));
    c.Fill(QRectF(cx - 12, 22, 12, 2), Grey(16));
    return c.Picture();
}

namespace {

constexpr int kViewW = 100, kViewH = 67;

void Ground(QPainter& p, double horizon, double trackTop, double trackBottom) {
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, QColor(70, 140, 220));
    sky.setColorAt(1, QColor(190, 225, 245));
    p.fillRect(QRectF(0, 0, kViewW, horizon), sky);
    p.fillRect(QRectF(0, horizon, kViewW, kViewH - horizon), QColor(60, 140, 50));
    p.setBrush(QColor(95, 95, 100));
    p.drawPolygon(QPolygonF{{50 - trackTop, horizon},
                            {50 + trackTop, horizon},
                            {50 + trackBottom, double(kViewH)},
                            {50 - trackBottom, double(kViewH)}});
}

// A car seen from behind, centred at x with its base at y, `s` its width.
void CarFromBehind(QPainter& p, double x, double y, double s) {
    p.setBrush(QColor(20, 20, 20));
    p.drawRoundedRect(QRectF(x - s / 2, y - s * 0.42, s * 0.26, s * 0.42), s * 0.05, s * 0.05);
    p.drawRoundedRect(QRectF(x + s * 0.24, y - s * 0.42, s * 0.26, s * 0.42), s * 0.05, s * 0.05);
    p.setBrush(QColor(200, 20, 20));
    p.drawRect(QRectF(x - s * 0.24, y - s * 0.34, s * 0.48, s * 0.26));
    p.drawRect(QRectF(x - s * 0.42, y - s * 0.72, s * 0.84, s * 0.12));
    p.setBrush(QColor(30, 30, 30));
    p.drawRect(QRectF(x - s * 0.03, y - s * 0.62, s * 0.06, s * 0.3));
    p.setBrush(QColor(240, 210, 20));
    p.drawEllipse(QRectF(x - s * 0.09, y - s * 0.52, s * 0.18, s * 0.18));
}

void Cockpit(QPainter& p, double wheelTop) {
    p.setBrush(QColor(200, 20, 20));
    p.drawPolygon(QPolygonF{{0, 67}, {0, 40}, {30, 50}, {40, 67}});
    p.drawPolygon(QPolygonF{{100, 67}, {100, 40}, {70, 50}, {60, 67}});
    p.setBrush(QColor(30, 30, 35));
    p.drawRoundedRect(QRectF(30, wheelTop, 40, 30), 6, 6);
    p.setBrush(QColor(60, 200, 80));
    p.drawRect(QRectF(42, wheelTop + 5, 16, 6));
}

QImage CameraView(int camera) {
    QImage view(kViewW, kViewH, QImage::Format_RGB32);
    QPainter p(&view);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    switch (camera) {
    case 1: // in the cockpit
        Ground(p, 26, 3, 80);
        Cockpit(p, 50);
        break;
    case 2: // above the driver's head: nose and front wheels ahead
        Ground(p, 22, 3, 70);
        p.setBrush(QColor(20, 20, 20));
        p.drawRoundedRect(QRectF(14, 30, 16, 22), 3, 3);
        p.drawRoundedRect(QRectF(70, 30, 16, 22), 3, 3);
        p.setBrush(QColor(200, 20, 20));
        p.drawPolygon(QPolygonF{{46, 30}, {54, 30}, {64, 67}, {36, 67}});
        p.setBrush(QColor(60, 110, 220));
        p.drawRect(QRectF(24, 28, 52, 4));
        p.setBrush(QColor(240, 210, 20));
        p.drawEllipse(QRectF(36, 54, 28, 22));
        break;
    case 3: // behind the car
        Ground(p, 24, 4, 70);
        CarFromBehind(p, 50, 60, 50);
        break;
    case 4: // on the nose, low
        Ground(p, 34, 2, 90);
        p.setBrush(QColor(60, 110, 220));
        p.drawRect(QRectF(0, 56, 100, 6));
        p.setBrush(QColor(200, 20, 20));
        p.drawPolygon(QPolygonF{{44, 50}, {56, 50}, {60, 67}, {40, 67}});
        break;
    case 5: // far behind
        Ground(p, 20, 3, 60);
        CarFromBehind(p, 50, 48, 26);
        break;
    case 6: // looking back over the rear wing
        Ground(p, 22, 3, 70);
        CarFromBehind(p, 50, 40, 14);
        p.setBrush(QColor(200, 20, 20));
        p.drawRect(QRectF(8, 52, 84, 10));
        p.setBrush(QColor(30, 30, 30));
        p.drawRect(QRectF(8, 50, 5, 17));
        p.drawRect(QRectF(87, 50, 5, 17));
        break;
    case 7: { // high above
        p.fillRect(view.rect(), QColor(60, 140, 50));
        p.fillRect(QRectF(28, 0, 44, 67), QColor(95, 95, 100));
        p.setBrush(QColor(20, 20, 20));
        for (double x : {40.0, 56.0})
            for (double y : {22.0, 44.0})
                p.drawRect(QRectF(x, y, 5, 8));
        p.setBrush(QColor(200, 20, 20));
        p.drawRoundedRect(QRectF(45, 18, 10, 38), 3, 3);
        p.drawRect(QRectF(41, 52, 18, 4));
        p.setBrush(QColor(240, 210, 20));
        p.drawEllipse(QRectF(47, 34, 6, 6));
        break;
    }
    case 8: // beside the side pod, rear wheel in view
        Ground(p, 24, 3, 70);
        p.setBrush(QColor(200, 20, 20));
        p.drawPolygon(QPolygonF{{0, 40}, {40, 46}, {40, 67}, {0, 67}});
        p.setBrush(QColor(20, 20, 20));
        p.drawEllipse(QRectF(-14, 28, 36, 40));
        break;
    default: // facing the driver
        Ground(p, 20, 3, 60);
        p.setBrush(QColor(20, 20, 20));
        p.drawRoundedRect(QRectF(10, 36, 18, 24), 3, 3);
        p.drawRoundedRect(QRectF(72, 36, 18, 24), 3, 3);
        p.setBrush(QColor(200, 20, 20));
        p.drawPolygon(QPolygonF{{36, 30}, {64, 30}, {56, 60}, {44, 60}});
        p.setBrush(QColor(60, 110, 220));
        p.drawRect(QRectF(12, 58, 76, 6));
        p.setBrush(QColor(240, 210, 20));
        p.drawEllipse(QRectF(42, 18, 16, 16));
        p.setBrush(QColor(30, 30, 40));
        p.drawRect(QRectF(44, 23, 12, 4));
        break;
    }
    return view;
}

std::uint8_t Nearest(QRgb colour) {
    const Palette& palette = GamePalette();
    int best = kGreyFirst, bestDistance = 1 << 30;
    for (int i = kGreyFirst; i <= 245; ++i) {
        const int dr = palette[i].r - qRed(colour), dg = palette[i].g - qGreen(colour),
                  db = palette[i].b - qBlue(colour);
        const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (d < bestDistance)
            best = i, bestDistance = d;
    }
    return static_cast<std::uint8_t>(best);
}

} // namespace

IndexedPicture DrawCameraViews() {
    // Camera 1 sits at (401, 68); 2-6 along the top row from x = 101; 7-9 below from x = 101.
    constexpr int kLeft[] = {401, 101, 201, 301, 401, 501, 101, 201, 301};
    constexpr int kTop[] = {68, 0, 0, 0, 0, 0, 68, 68, 68};
    QImage sheet(601, 135, QImage::Format_RGB32);
    sheet.fill(QColor(40, 40, 40));
    {
        QPainter p(&sheet);
        for (int camera = 1; camera <= 9; ++camera)
            p.drawImage(kLeft[camera - 1], kTop[camera - 1], CameraView(camera));
    }
    IndexedPicture picture;
    picture.width = sheet.width();
    picture.height = sheet.height();
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            picture.pixels.push_back(Nearest(sheet.pixel(x, y)));
    return picture;
}

} // namespace psn::assets
