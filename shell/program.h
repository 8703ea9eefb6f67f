// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The editor's whole run, from the application object to the end of the message loop, as a
// function, so that a measuring launcher runs exactly what the program runs.
#pragma once

#include <functional>
#include <string>

class QWidget;

namespace psn {

// The window class every window carries on X11: Qt takes WM_CLASS's class from the application
// name (and its instance from the program's file name, "psniaed" as well); the desktop entry's
// StartupWMClass names it, so that docks tie the windows to the entry and its icon. On Wayland
// the desktop file name is the windows' app id instead.
inline constexpr const char* kWindowClass = "psniaed";

// Names the application and gives it the icon that every window shows and the desktop entry it
// belongs to.
void SetUpApplication();

// The settings file named on the command line ("psniaed FILE", as a file manager opens one),
// absolute against `launchDir`, the folder the program was started from; empty when none is
// named. Options are left out, and so is everything after the first file.
[[nodiscard]] std::string SettingsFileArgument(int argc, char** argv, const std::string& launchDir);

// `shown`, when given, runs once the main window has been shown (before the loop starts).
[[nodiscard]] int RunEditor(int argc, char** argv, const std::function<void(QWidget&)>& shown = {});

} // namespace psn
