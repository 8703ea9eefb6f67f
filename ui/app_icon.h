// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The editor's application icon, drawn by code at any size: a racing helmet on a red tile above a
// chequered strip. The program draws it when the desktop asks for it; the build draws the sizes
// of the desktop's icon theme from the same code.
#pragma once

#include <QIcon>
#include <QImage>
#include <QList>
#include <QString>

namespace psn {

// The name under which the icon, the desktop entry and the metainfo are installed.
inline const QString kAppId = QStringLiteral("org.brenwick.psniaed");

// The sizes installed into the icon theme.
QList<int> AppIconSizes();

// The sizes every window hands the window system. Each is copied into every new window, twice,
// on the way to the screen; desktops that show larger icons take them from the icon theme.
QList<int> WindowIconSizes();

// The icon as a square, transparent-cornered picture of `size` pixels.
QImage DrawAppIcon(int size);

// The name of the settings files' icon in the icon theme, and the icon: a sheet of paper with a
// folded corner that carries the application icon.
inline const QString kSettingsFileIcon = QStringLiteral("application-x-psniaed-settings");
QImage DrawSettingsFileIcon(int size);

// An icon that draws itself at whatever size is asked for.
QIcon AppIcon();

// Starts drawing the window sizes on a worker thread, for the icons of the first windows.
void DrawWindowIconsAhead();

} // namespace psn
