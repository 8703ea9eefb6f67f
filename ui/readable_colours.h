// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Text colours that stay readable under any colour scheme: a window's own accent colours keep
// their hue and take the lightness that gives enough contrast against the background they are
// actually drawn on, light or dark.
#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

namespace psn {

// The contrast ratio between two colours, from 1 (equal) to 21 (black on white), by their
// relative luminance as the sRGB standard weighs the channels.
double ContrastRatio(const QColor& a, const QColor& b);

// `design` with its hue and saturation kept and its lightness moved as little as possible to
// reach `minimum` contrast against `background`.
QColor ReadableOn(const QColor& design, const QColor& background, double minimum = 4.5);

// Draws the widget's text in `design`, made readable against the widget's own background, and
// keeps it so when the palette changes.
void KeepDesignColour(QWidget* widget, const QColor& design);

// Draws the widget's text in its window's text colour, even inside a container whose text has
// a colour of its own.
void KeepWindowTextColour(QWidget* widget);

// A common dark desktop scheme's main colours (Breeze Dark: light text on dark grey), the palette
// the editor's own looks are checked and shown under besides the light one.
QPalette DarkDesktopPalette();

// Makes the widget's font bold, and `pointSize` large when given; the rest follows the window.
void SetBoldFont(QWidget* widget, int pointSize = 0);

} // namespace psn
