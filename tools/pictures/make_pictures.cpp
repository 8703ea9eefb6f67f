// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the main window's picture buttons and the progress window's picture as 256-colour
// bitmaps. All share one palette (a colour cube plus a fine grey ramp), so they sit together on
// a 256-colour display; labels are mapped without dithering so they stay crisp. Each is drawn a
// second time at twice the size, NAME@2x.BMP, for screens at twice the density, and the labelled
// buttons once more in each language the editor speaks, NAME-de.BMP and NAME-de@2x.BMP.
#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <cstdio>
#include <functional>
#include <iterator>

namespace {

QList<QRgb> SharedPalette() {
    QList<QRgb> colours;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                colours << qRgb(r * 51, g * 51, b * 51);
    for (int i = 0; i < 40; ++i) {
        const int level = 4 + i * 251 / 39;
        colours << qRgb(level, level, level);
    }
    return colours;
}

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kRed(204, 0, 0);
const QColor kYellow(255, 204, 0);

QFont LabelFont(qreal pixels) {
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setItalic(true);
    font.setPixelSize(qRound(pixels));
    return font;
}

// White italic text with a black outline, as painted on a racing car.
void DrawLabel(QPainter& p, const QRectF& box, const QString& text, qreal maxPixels) {
    const QStringList lines = text.split('\n');
    qreal size = maxPixels;
    for (;; size -= 0.5) {
        const QFontMetricsF metrics(LabelFont(size));
        qreal widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, metrics.horizontalAdvance(line));
        if ((widest <= box.width() && metrics.height() * lines.size() <= box.height()) || size < 8)
            break;
    }
    const QFont font = LabelFont(size);
    const QFontMetricsF metrics(font);
    QPainterPath path;
    const qreal lineHeight = metrics.height() * 0.95;
    qreal y = box.center().y() - lineHeight * lines.size() / 2 + metrics.ascent();
    for (const QString& line : lines) {
        path.addText(box.left(), y, font, line);
        y += lineHeight;
    }
    p.setRenderHint(QPainter::Antialiasing, true);
    p.strokePath(path, QPen(kBlack, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(path, kWhite);
}

void Kerb(QPainter& p, const QRect& band, int step) {
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int x = band.left() - band.height(), i = 0; x < band.right(); x += step, ++i) {
        QPolygon block;
        block << QPoint(x, band.bottom() + 1) << QPoint(x + band.height(), band.top())
              << QPoint(x + band.height() + step, band.top())
              << QPoint(x + step, band.bottom() + 1);
        p.setPen(Qt::NoPen);
        p.setBrush(i % 2 ? kWhite : kRed);
        p.drawPolygon(block);
    }
}

// Asphalt with speed streaks, a coloured stripe on the left and a kerb along the bottom.
void Background(QPainter& p, const QSize& size, const QColor& accent) {
    QLinearGradient asphalt(0, 0, 0, size.height());
    asphalt.setColorAt(0, QColor(70, 72, 76));
    asphalt.setColorAt(1, QColor(22, 22, 24));
    p.fillRect(QRect(QPoint(0, 0), size), asphalt);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(95, 95, 100), 1));
    for (int i = 0; i < 6; ++i) {
        const int y = 6 + i * size.height() / 7;
        p.drawLine(QPointF(size.width() * 0.35 + i * 7, y), QPointF(size.width() * 0.62, y - 3));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawPolygon(QPolygon(
        {QPoint(0, 0), QPoint(12, 0), QPoint(4, size.height()), QPoint(0, size.height())}));
    Kerb(p, QRect(0, size.height() - 5, size.width(), 5), 10);
    p.setPen(QPen(QColor(140, 140, 145), 1));
    p.setBrush(Qt::NoBrush);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawRect(0, 0, size.width() - 1, size.height() - 1);
}

using Icon = std::function<void(QPainter&, const QRectF&, const QColor&)>;

void Wheel(QPainter& p, const QPointF& c, qreal r) {
    p.setPen(QPen(QColor(25, 25, 25), 1));
    p.setBrush(QColor(30, 30, 30));
    p.drawEllipse(c, r, r);
    p.setBrush(QColor(170, 170, 175));
    p.drawEllipse(c, r * 0.45, r * 0.45);
}

// A Formula car seen from the side.
void Car(QPainter& p, const QRectF& r, const QColor& colour) {
    const qreal w = r.width(), h = r.height(), x = r.left(), y = r.top();
    QPainterPath body;
    body.moveTo(x, y + h * 0.72);
    body.lineTo(x + w * 0.05, y + h * 0.5);
    body.lineTo(x + w * 0.45, y + h * 0.42);
    body.lineTo(x + w * 0.55, y + h * 0.22);
    body.lineTo(x + w * 0.68, y + h * 0.22);
    body.lineTo(x + w * 0.8, y + h * 0.4);
    body.lineTo(x + w * 0.88, y + h * 0.4);
    body.lineTo(x + w * 0.9, y + h * 0.05);
    body.lineTo(x + w, y + h * 0.05);
    body.lineTo(x + w, y + h * 0.72);
    body.closeSubpath();
    p.setPen(QPen(kBlack, 1));
    p.setBrush(colour);
    p.drawPath(body);
    p.setBrush(kYellow);
    p.drawEllipse(QPointF(x + w * 0.6, y + h * 0.3), w * 0.035, h * 0.09);
    Wheel(p, QPointF(x + w * 0.2, y + h * 0.7), h * 0.27);
    Wheel(p, QPointF(x + w * 0.82, y + h * 0.68), h * 0.3);
}

void Helmet(QPainter& p, const QRectF& r, const QColor& colour) {
    QPainterPath shell;
    shell.moveTo(r.left() + r.width() * 0.1, r.bottom());
    shell.arcTo(r.adjusted(0, 0, 0, r.height() * 0.4), 200, -250);
    shell.lineTo(r.right(), r.bottom());
    shell.closeSubpath();
    p.setPen(QPen(kBlack, 1.2));
    p.setBrush(colour);
    p.drawPath(shell);
    p.setBrush(QColor(40, 60, 90));
    p.drawRoundedRect(QRectF(r.left() + r.width() * 0.5, r.top() + r.height() * 0.35,
                             r.width() * 0.48, r.height() * 0.25),
                      3, 3);
    p.setPen(QPen(kWhite, 2.5));
    p.drawLine(QPointF(r.left() + r.width() * 0.15, r.top() + r.height() * 0.75),
               QPointF(r.right() - 3, r.top() + r.height() * 0.75));
}

void SteeringWheel(QPainter& p, const QRectF& r, const QColor& colour) {
    const QPointF c = r.center();
    const qreal rad = std::min(r.width(), r.height()) / 2 - 1;
    p.setPen(QPen(kBlack, 1));
    p.setBrush(QColor(35, 35, 35));
    p.drawRoundedRect(QRectF(c.x() - rad, c.y() - rad * 0.7, rad * 2, rad * 1.4), 8, 8);
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(c.x() - rad * 0.5, c.y() - rad * 0.45, rad, rad * 0.6), 3, 3);
    p.setBrush(QColor(0, 204, 0));
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(c.x() - rad * 0.4 + i * rad * 0.2, c.y() - rad * 0.58), 1.6, 1.6);
    p.setBrush(kYellow);
    p.drawEllipse(QPointF(c.x() - rad * 0.7, c.y() + rad * 0.35), 3, 3);
    p.setBrush(kRed);
    p.drawEllipse(QPointF(c.x() + rad * 0.7, c.y() + rad * 0.35), 3, 3);
}

void Tyre(QPainter& p, const QRectF& r, const QColor& colour) {
    const QPointF c = r.center();
    const qreal rad = std::min(r.width(), r.height()) / 2 - 1;
    p.setPen(QPen(kBlack, 1));
    p.setBrush(QColor(28, 28, 28));
    p.drawEllipse(c, rad, rad);
    p.setPen(QPen(colour, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, rad * 0.78, rad * 0.78);
    p.setPen(QPen(kBlack, 1));
    p.setBrush(QColor(190, 190, 195));
    p.drawEllipse(c, rad * 0.5, rad * 0.5);
    for (int i = 0; i < 5; ++i) {
        const qreal a = i * 2 * M_PI / 5;
        p.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * rad * 0.3, 1.5, 1.5);
    }
}

void Gauge(QPainter& p, const QRectF& r, const QColor& colour) {
    const QPointF c(r.center().x(), r.bottom() - 6);
    const qreal rad = std::min(r.width() / 2, r.height() - 8);
    p.setPen(QPen(kBlack, 1));
    p.setBrush(QColor(20, 20, 22));
    p.drawPie(QRectF(c.x() - rad, c.y() - rad, rad * 2, rad * 2), 0, 180 * 16);
    for (int i = 0; i <= 8; ++i) {
        const qreal a = M_PI - i * M_PI / 8;
        p.setPen(QPen(i >= 6 ? kRed : kWhite, 1.5));
        p.drawLine(c + QPointF(std::cos(a), -std::sin(a)) * rad * 0.75,
                   c + QPointF(std::cos(a), -std::sin(a)) * rad * 0.95);
    }
    p.setPen(QPen(colour, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(std::cos(0.6), -std::sin(0.6)) * rad * 0.85);
    p.setBrush(colour);
    p.drawEllipse(c, 3, 3);
}

void Warning(QPainter& p, const QRectF& r, const QColor&) {
    QPolygonF triangle({QPointF(r.center().x(), r.top() + 1),
                        QPointF(r.right() - 2, r.bottom() - 2),
                        QPointF(r.left() + 2, r.bottom() - 2)});
    p.setPen(QPen(kRed, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kWhite);
    p.drawPolygon(triangle);
    p.setPen(QPen(kBlack, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(r.center().x(), r.top() + r.height() * 0.35),
               QPointF(r.center().x(), r.top() + r.height() * 0.65));
    p.drawPoint(QPointF(r.center().x(), r.bottom() - 9));
}

void Gear(QPainter& p, const QRectF& r, const QColor& colour) {
    const QPointF c = r.center();
    const qreal rad = std::min(r.width(), r.height()) / 2 - 1;
    QPainterPath gear;
    for (int i = 0; i < 24; ++i) {
        const qreal a = i * 2 * M_PI / 24;
        const qreal reach = (i / 2) % 2 ? rad : rad * 0.78;
        const QPointF point = c + QPointF(std::cos(a), std::sin(a)) * reach;
        i ? gear.lineTo(point) : gear.moveTo(point);
    }
    gear.closeSubpath();
    gear.addEllipse(c, rad * 0.35, rad * 0.35);
    p.setPen(QPen(kBlack, 1));
    p.setBrush(colour);
    p.drawPath(gear);
}

void NoseCone(QPainter& p, const QRectF& r, const QColor& colour) {
    QPainterPath nose;
    nose.moveTo(r.left() + r.width() * 0.35, r.top());
    nose.lineTo(r.left() + r.width() * 0.65, r.top());
    nose.lineTo(r.left() + r.width() * 0.56, r.bottom() - 6);
    nose.lineTo(r.left() + r.width() * 0.44, r.bottom() - 6);
    nose.closeSubpath();
    p.setPen(QPen(kBlack, 1));
    p.setBrush(QColor(230, 230, 230));
    p.drawRect(QRectF(r.left(), r.bottom() - 12, r.width(), 7));
    p.setBrush(colour);
    p.drawPath(nose);
    p.setBrush(kBlack);
    p.drawRect(QRectF(r.left(), r.bottom() - 14, 4, 11));
    p.drawRect(QRectF(r.right() - 4, r.bottom() - 14, 4, 11));
}

void PitBoard(QPainter& p, const QRectF& r, const QColor& colour) {
    p.setPen(QPen(kBlack, 1));
    p.setBrush(QColor(120, 120, 125));
    p.drawRect(QRectF(r.center().x() - 2, r.top() + r.height() * 0.5, 4, r.height() * 0.5));
    p.setBrush(colour);
    const QRectF board(r.left() + 2, r.top() + 2, r.width() - 4, r.height() * 0.55);
    p.drawRoundedRect(board, 4, 4);
    p.setPen(kWhite);
    QFont font = LabelFont(board.height() * 0.7);
    font.setItalic(false);
    p.setFont(font);
    p.drawText(board, Qt::AlignCenter, "PIT");
}

void Mechanic(QPainter& p, const QRectF& r, const QColor& colour) {
    p.setPen(QPen(kBlack, 1));
    p.setBrush(colour);
    const qreal cx = r.center().x();
    p.drawRoundedRect(QRectF(cx - r.width() * 0.3, r.top() + r.height() * 0.42, r.width() * 0.6,
                             r.height() * 0.58),
                      6, 6);
    Helmet(p, QRectF(cx - r.width() * 0.22, r.top(), r.width() * 0.44, r.height() * 0.42), kWhite);
}

void Camera(QPainter& p, const QRectF& r, const QColor& colour) {
    p.setPen(QPen(kBlack, 1));
    p.setBrush(QColor(40, 40, 45));
    const QRectF body(r.left() + 2, r.top() + r.height() * 0.3, r.width() * 0.7, r.height() * 0.5);
    p.drawRoundedRect(body, 4, 4);
    p.drawPolygon(QPolygonF({QPointF(body.right(), body.center().y() - 3),
                             QPointF(r.right(), body.top()), QPointF(r.right(), body.bottom()),
                             QPointF(body.right(), body.center().y() + 3)}));
    p.setBrush(colour);
    p.drawEllipse(QPointF(body.left() + body.width() * 0.3, body.top() - 6), 7, 7);
    p.drawEllipse(QPointF(body.left() + body.width() * 0.72, body.top() - 6), 7, 7);
    p.setBrush(kRed);
    p.drawEllipse(QPointF(body.left() + 7, body.center().y()), 2.5, 2.5);
}

void TrackOutline(QPainter& p, const QRectF& r, const QColor& colour) {
    QPainterPath track;
    const qreal x = r.left(), y = r.top(), w = r.width(), h = r.height();
    track.moveTo(x + w * 0.15, y + h * 0.85);
    track.cubicTo(x - w * 0.1, y + h * 0.4, x + w * 0.2, y, x + w * 0.45, y + h * 0.2);
    track.cubicTo(x + w * 0.6, y + h * 0.35, x + w * 0.7, y + h * 0.05, x + w * 0.9, y + h * 0.15);
    track.cubicTo(x + w * 1.05, y + h * 0.3, x + w * 0.95, y + h * 0.8, x + w * 0.7, y + h * 0.85);
    track.closeSubpath();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kBlack, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(track);
    p.setPen(QPen(colour, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(track);
    p.setPen(QPen(kWhite, 2));
    p.drawLine(QPointF(x + w * 0.4, y + h * 0.78), QPointF(x + w * 0.4, y + h * 0.92));
}

void Flag(QPainter& p, const QRectF& r, const QColor&) {
    const int cells = 6;
    const qreal cell = std::min(r.width(), r.height()) / cells;
    p.setPen(Qt::NoPen);
    for (int row = 0; row < cells; ++row)
        for (int col = 0; col < cells; ++col) {
            p.setBrush((row + col) % 2 ? kBlack : kWhite);
            const qreal wave = std::sin(col * 0.9) * 2;
            p.drawRect(QRectF(r.left() + col * cell, r.top() + row * cell + wave, cell, cell));
        }
}

void CarAndCd(QPainter& p, const QRectF& r, const QColor& colour) {
    p.setPen(QPen(kBlack, 1));
    QRadialGradient disc(r.center(), r.height() / 2);
    disc.setColorAt(0, kWhite);
    disc.setColorAt(1, QColor(150, 170, 200));
    p.setBrush(disc);
    const qreal rad = r.height() / 2 - 1;
    p.drawEllipse(QPointF(r.right() - rad, r.center().y()), rad, rad);
    p.setBrush(QColor(60, 60, 60));
    p.drawEllipse(QPointF(r.right() - rad, r.center().y()), rad * 0.2, rad * 0.2);
    TrackOutline(p, QRectF(r.left(), r.top() + 4, r.width() * 0.55, r.height() - 8), colour);
}

struct Button {
    const char* file;
    QString label;
    QColor accent;
    Icon icon;
};

// The image for a picture of `size` at `scale`, and a painter on it that draws in the picture's
// own units.
struct Canvas {
    Canvas(const QSize& size, int scale) : image(size * scale, QImage::Format_RGB32), p(&image) {
        p.scale(scale, scale);
    }
    QImage image;
    QPainter p;
};

QString FileName(const QString& folder, const QString& name, int scale) {
    return folder + "/" + name + (scale == 1 ? QString() : QString("@%1x").arg(scale)) + ".BMP";
}

void Save(Canvas& canvas, const QString& path, const QList<QRgb>& palette) {
    canvas.p.end();
    canvas.image.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither)
        .save(path, "BMP");
}

void DrawButton(const QString& folder, const Button& b, const QString& label,
                const QString& language, const QList<QRgb>& palette, int scale) {
    const QSize size(173, 59);
    Canvas canvas(size, scale);
    QPainter& p = canvas.p;
    Background(p, size, b.accent);
    p.setRenderHint(QPainter::Antialiasing, true);
    b.icon(p, QRectF(114, 6, 52, 42), b.accent);
    DrawLabel(p, QRectF(16, 3, 100, 48), label, 21);
    const QString name = QString("BT_") + b.file + (language.isEmpty() ? "" : "-" + language);
    Save(canvas, FileName(folder, name, scale), palette);
}

// The buttons' labels in the other languages, in the order of the buttons, as the main window's
// translated captions say them, broken where they fit.
struct Labels {
    const char* language;
    const char* labels[16];
};
const Labels kTranslated[] = {
    {"de",
     {"Namen +\nNummern", "Motor-\nleistung", "Haftung\nComputer", "Fahrzeug-\ndefekte",
      "Fahrzeug-\nabstimmung", "Fahrzeug-\nnasen", "Boxen-\ngasse", "Cockpit-\nfarben",
      "Farben der\nBoxencrew", "Fahrzeug-\nJAMs", "Helme", "Kameras", "Strecken-\neditor",
      "Cockpit-\nverwaltung", "Strecken-\nverwaltung", "ENDE"}},
    {"fr",
     {"Noms +\nnuméros", "Puissance\nmoteur", "Adhérence\nIA", "Pannes", "Réglages\nvoiture",
      "Museaux", "Voie des\nstands", "Couleurs\ncockpit", "Couleurs\nmécaniciens",
      "JAM des\nvoitures", "Casques", "Caméras", "Éditeur\ncircuits", "Gestion\ncockpits",
      "Gestion\ncircuits", "QUITTER"}},
    {"it",
     {"Nomi +\nnumeri", "Potenza\nmotore", "Aderenza\ncomputer", "Guasti", "Assetto\nvettura",
      "Musetti", "Corsia\nbox", "Colori\nabitacolo", "Colori\nmeccanici", "JAM\nvetture", "Caschi",
      "Telecamere", "Editor\ncircuiti", "Gestione\nabitacoli", "Gestione\ncircuiti", "ESCI"}},
    {"es",
     {"Nombres +\nnúmeros", "Potencia\nmotor", "Adherencia\nCPU", "Averías", "Reglajes", "Morros",
      "Carril de\nboxes", "Colores\ncabina", "Colores\nmecánicos", "JAM de\ncoches", "Cascos",
      "Cámaras", "Editor de\ncircuitos", "Gestor de\ncabinas", "Gestor de\ncircuitos", "SALIR"}},
    {"nl",
     {"Namen +\nnummers", "Motor-\nvermogen", "Grip\ncomputer", "Defecten", "Afstelling", "Neuzen",
      "Pitstraat", "Cockpit-\nkleuren", "Kleuren\npitploeg", "Auto-\nJAM's", "Helmen", "Camera's",
      "Circuit-\neditor", "Cockpit-\nbeheer", "Circuit-\nbeheer", "AFSLUITEN"}},
};

void DrawCarSets(const QString& folder, const QList<QRgb>& palette, int scale) {
    Canvas canvas(QSize(27, 20), scale);
    QPainter& p = canvas.p;
    Background(p, QSize(27, 20), kRed);
    p.setRenderHint(QPainter::Antialiasing, true);
    Car(p, QRectF(4, 3, 21, 11), QColor(0, 102, 204));
    Save(canvas, FileName(folder, "BT_CARSETS", scale), palette);
}

void DrawStart(const QString& folder, const QList<QRgb>& palette, int scale) {
    const QSize size(400, 179);
    Canvas canvas(size, scale);
    QPainter& p = canvas.p;
    QLinearGradient sky(0, 0, 0, 90);
    sky.setColorAt(0, QColor(0, 51, 153));
    sky.setColorAt(1, QColor(102, 153, 204));
    p.fillRect(0, 0, 400, 90, sky);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 102, 51));
    p.drawPolygon(QPolygon({QPoint(0, 90), QPoint(400, 80), QPoint(400, 179), QPoint(0, 179)}));
    QPolygon road({QPoint(0, 179), QPoint(0, 140), QPoint(400, 96), QPoint(400, 179)});
    p.setBrush(QColor(55, 55, 58));
    p.drawPolygon(road);
    p.setPen(QPen(kWhite, 2, Qt::DashLine));
    p.drawLine(QPoint(0, 165), QPoint(400, 132));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        p.setBrush(i % 2 ? kWhite : kRed);
        const qreal x0 = i * 10.0, x1 = x0 + 10;
        p.drawPolygon(QPolygonF({QPointF(x0, 140 - x0 * 0.11), QPointF(x1, 140 - x1 * 0.11),
                                 QPointF(x1, 134 - x1 * 0.11), QPointF(x0, 134 - x0 * 0.11)}));
    }
    Car(p, QRectF(215, 100, 150, 50), kRed);
    Flag(p, QRectF(18, 14, 48, 48), {});
    DrawLabel(p, QRectF(84, 8, 300, 46), "Brenwick PSN Editor", 34);
    DrawLabel(p, QRectF(86, 54, 200, 24), "Pistonia settings", 18);
    Save(canvas, FileName(folder, "START", scale), palette);
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: psn_make_pictures DATA-FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    const QList<QRgb> palette = SharedPalette();
    const QColor blue(0, 102, 204), green(0, 153, 51), orange(255, 102, 0), purple(153, 51, 204),
        cyan(0, 153, 204), yellow = kYellow, red = kRed;
    const Button buttons[] = {
        {"NAMES", "Names +\nNumbers", red,
         [](QPainter& p, const QRectF& r, const QColor&) {
             p.setPen(QPen(kBlack, 1.5));
             p.setBrush(kWhite);
             p.drawRoundedRect(r.adjusted(4, 4, -4, -4), 8, 8);
             p.setPen(kBlack);
             QFont font = LabelFont(r.height() * 0.62);
             p.setFont(font);
             p.drawText(r.adjusted(4, 4, -4, -4), Qt::AlignCenter, "27");
         }},
        {"POWER", "Engine\nPower", orange, Gauge},
        {"GRIP", "CC Grip", green, Tyre},
        {"FAILURE", "Car\nFailure", yellow, Warning},
        {"TUNING", "Car\nTuning", cyan, Gear},
        {"NOSES", "Nose\nCones", blue, NoseCone},
        {"PITLANE", "Pit Lane\nSettings", yellow, PitBoard},
        {"COCKPIT", "Cockpit\nColours", purple, SteeringWheel},
        {"PITCREW", "Pit Crew\nColours", orange, Mechanic},
        {"CARJAMS", "Car Jams", blue,
         [](QPainter& p, const QRectF& r, const QColor& c) {
             Car(p, r.adjusted(-8, 4, 4, -2), c);
         }},
        {"HELMETS", "Helmets", red,
         [](QPainter& p, const QRectF& r, const QColor& c) {
             Helmet(p, r.adjusted(4, 2, -4, -2), c);
         }},
        {"CAMERAS", "Cameras", cyan, Camera},
        {"TRACKED", "Track\nEditor", green, TrackOutline},
        {"COCKPITM", "Cockpit\nManager", purple,
         [](QPainter& p, const QRectF& r, const QColor& c) {
             SteeringWheel(p, r.adjusted(0, 0, -12, -8), c);
             Gear(p, QRectF(r.right() - 22, r.bottom() - 22, 22, 22), QColor(204, 204, 204));
         }},
        {"TRACKM", "Track\nManager", green, CarAndCd},
        {"EXIT", "EXIT", red, Flag},
    };
    static_assert(sizeof(buttons) / sizeof(buttons[0]) == std::size(kTranslated[0].labels));
    for (const int scale : {1, 2}) {
        for (const Button& b : buttons)
            DrawButton(folder, b, b.label, {}, palette, scale);
        for (const Labels& language : kTranslated)
            for (std::size_t i = 0; i < std::size(buttons); ++i)
                DrawButton(folder, buttons[i], QString::fromUtf8(language.labels[i]),
                           language.language, palette, scale);
        DrawCarSets(folder, palette, scale);
        DrawStart(folder, palette, scale);
    }
    return 0;
}
