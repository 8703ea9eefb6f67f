// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The windows are laid out in fixed geometry for a desktop font of ordinary size. With a larger
// font they grow as a whole: every placed control and the window by one factor taken from the
// font's metrics, then any text that still does not fit widens its control.
#pragma once

#include <cstddef>

class QAbstractButton;
class QChar;
class QFont;
class QString;
class QWidget;

namespace psn {

// How many times wider and taller the font's text is than the font the windows were laid out
// for; exactly 1 up to that font.
double FontScale(const QFont& font);

// Grows the window and its placed controls by FontScale(window->font()) and widens controls
// whose text still does not fit, moving aside what stands beside them. At the font the layout
// was drawn with every text fits and nothing changes. Controls that show pictures pixel for
// pixel keep their size.
void FitToFont(QWidget* window);

// A length of the fixed layout at the widget's font, for what a window places after FitToFont
// has grown it (rows filled in when it is shown, for instance).
int ToFont(const QWidget* widget, int length);

// Grows a button whose caption does not fit its width, never its font below the window's: the
// controls to its right in the same row move along and the window grows to hold them.
void FitCaption(QAbstractButton* button, int padding = 10);

// Keeps a box or list as wide as `widest`, the widest value it can show ("-180.000"), whatever
// it shows now: FitToFont widens it at any font, TextOverflow and ItemOverflow measure it.
void HoldText(QWidget* box, const QString& widest);

// A name of `length` characters for HoldText: each stands for the widest letter a game name can
// hold in the font it is measured in ("W" in most fonts, "Æ" in some).
QString AnyName(std::size_t length);

// The widest letter of the game's character set in the widget's font.
QChar WidestLetter(const QWidget* widget);

// How many pixels the widget's one-line text needs beyond the room it has: above 0 when the
// text is cut. Covers labels, push, check and radio buttons, group titles and line boxes (their
// text and the widest they hold); 0 for others.
int TextOverflow(const QWidget* widget);

// The same for the rows of a list (and the widest row it holds) and the sections of a header:
// the largest overflow of any.
int ItemOverflow(const QWidget* widget);

} // namespace psn
