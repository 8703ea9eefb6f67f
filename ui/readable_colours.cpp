// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/readable_colours.h"

#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>
#include <cmath>
#include <optional>

namespace psn {
namespace {

double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * Linear(rgb.redF()) + 0.7152 * Linear(rgb.greenF()) +
           0.0722 * Linear(rgb.blueF());
}

// The background the widget's text is drawn on, where it is hardest to read: a button's face is
// the style's shaded bevel, whose lightest part is the worst for light text on a dark face and
// its darkest part for dark text on a light one. Other widgets show their palette's background.
QColor Backdrop(const QWidget* widget) {
    const QColor plain = widget->palette().color(widget->backgroundRole());
    const auto* button = qobject_cast<const QPushButton*>(widget);
    if (!button || button->isFlat())
        return plain;
    const QSize size = widget->size().isEmpty() ? QSize(100, 30) : widget->size();
    QImage face(size, QImage::Format_RGB32);
    face.fill(plain);
    QStyleOptionButton option;
    option.initFrom(button);
    option.rect = QRect(QPoint(0, 0), size);
    option.state |= QStyle::State_Raised;
    option.state &= ~QStyle::State_HasFocus;
    {
        QPainter painter(&face);
        widget->style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, widget);
    }
    QColor darkest = Qt::white, lightest = Qt::black;
    for (int y = size.height() / 4; y <= size.height() * 3 / 4; ++y) {
        const QColor pixel = face.pixelColor(size.width() / 2, y);
        if (Luminance(pixel) < Luminance(darkest))
            darkest = pixel;
        if (Luminance(pixel) > Luminance(lightest))
            lightest = pixel;
    }
    const bool dark = ContrastRatio(plain, Qt::white) > ContrastRatio(plain, Qt::black);
    return dark ? lightest : darkest;
}

// Sets the text roles of the widget from its design colour, or from its window's text colour,
// again whenever a palette change reaches it. Setting them raises a palette change of its own,
// which then finds nothing to do.
class TextColour : public QObject {
public:
    TextColour(QWidget* widget, std::optional<QColor> design)
        : QObject(widget), widget_(widget), design_(design) {
        widget->installEventFilter(this);
        Apply();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::PaletteChange || type == QEvent::ApplicationPaletteChange ||
            type == QEvent::ParentChange) {
            Apply();
            // The window may take a new scheme only after its controls heard of it: once the
            // change has gone round, look again.
            if (!queued_) {
                queued_ = true;
                QMetaObject::invokeMethod(
                    this,
                    [this] {
                        queued_ = false;
                        Apply();
                    },
                    Qt::QueuedConnection);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void Apply() {
        QColor colour;
        if (design_) {
            colour = ReadableOn(*design_, Backdrop(widget_));
        } else {
            const QWidget* window = widget_->window();
            colour = window == widget_ ? QColor() : window->palette().color(QPalette::WindowText);
            if (!colour.isValid())
                return;
        }
        const QPalette current = widget_->palette();
        constexpr QPalette::ColorRole kRoles[] = {QPalette::WindowText, QPalette::Text,
                                                  QPalette::ButtonText};
        constexpr QPalette::ColorGroup kGroups[] = {QPalette::Active, QPalette::Inactive};
        bool same = true;
        for (QPalette::ColorGroup group : kGroups)
            for (QPalette::ColorRole role : kRoles)
                same = same && current.color(group, role) == colour;
        if (same)
            return;
        // Only the text roles are set; everything else keeps following the parent.
        QPalette palette;
        for (QPalette::ColorGroup group : kGroups)
            for (QPalette::ColorRole role : kRoles)
                palette.setColor(group, role, colour);
        widget_->setPalette(palette);
    }

    QWidget* widget_;
    std::optional<QColor> design_;
    bool queued_ = false;
};

} // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& design, const QColor& background, double minimum) {
    if (ContrastRatio(design, background) >= minimum)
        return design;
    const QColor hsl = design.toHsl();
    const double hue = std::max<double>(0, hsl.hslHueF()); // achromatic: -1
    const double saturation = hsl.hslSaturationF(), lightness = hsl.lightnessF();
    // Toward white on a dark background, toward black on a light one; the other way only when
    // that cannot reach the contrast.
    const bool darkBackground =
        ContrastRatio(background, Qt::white) > ContrastRatio(background, Qt::black);
    for (const double step : {darkBackground ? 0.005 : -0.005, darkBackground ? -0.005 : 0.005}) {
        for (double l = lightness + step; l >= 0 && l <= 1; l += step) {
            const QColor candidate = QColor::fromHslF(hue, saturation, l);
            if (ContrastRatio(candidate, background) >= minimum)
                return candidate;
        }
    }
    return darkBackground ? QColor(Qt::white) : QColor(Qt::black);
}

void KeepDesignColour(QWidget* widget, const QColor& design) {
    new TextColour(widget, design);
}

void KeepWindowTextColour(QWidget* widget) {
    new TextColour(widget, std::nullopt);
}

void SetBoldFont(QWidget* widget, int pointSize) {
    QFont font; // only what is set here; family and size follow the window
    font.setBold(true);
    if (pointSize > 0)
        font.setPointSize(pointSize);
    widget->setFont(font);
}

QPalette DarkDesktopPalette() {
    QPalette dark(QColor(49, 54, 59), QColor(42, 46, 50));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(252, 252, 252));
    dark.setColor(QPalette::Base, QColor(27, 30, 32));
    return dark;
}

} // namespace psn
