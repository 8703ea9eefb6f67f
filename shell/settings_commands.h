// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings-file commands of the main menu and the description window: save (asking for a name
// when there is none), save as, load, and the window title that names the current settings file.
#pragma once

#include "ui/app_context.h"

#include <QString>

class QWidget;

namespace psn {

inline constexpr const char* kMainTitle = "* Brenwick PSN Editor * DEMO *";

// The main window's title for the current settings file: the bare title while there is none.
QString SettingsTitle(const AppState& state);

FileDialogRequest SaveSettingsRequest();
FileDialogRequest LoadSettingsRequest();

// The description box's text as the record stores it: lines joined by CR LF, Latin-1 bytes.
std::string DescriptionBytes(const QString& text);

// Stores `description`, then writes the current settings file; without one (or when it names the
// shipped originals, which must not be overwritten by accident) or when it cannot be created,
// asks for a file name. Returns true when a new settings file was chosen and written, so the
// title changes; a failed save keeps the current settings file.
[[nodiscard]] bool SaveSettings(AppContext& context, QWidget* parent, const QString& description,
                                bool alwaysAsk);

// Asks for a settings file and loads it. Returns true when it was loaded (the title then names
// it); a file that cannot be opened or is no settings file is reported by name, and the record
// and the current settings file stay as they were.
[[nodiscard]] bool LoadSettings(AppContext& context, QWidget* parent);
// Loads the settings file `path` as "Load settings" does once the file is chosen: one undoable
// step, and a file that does not load is reported and changes nothing.
[[nodiscard]] bool LoadSettingsFile(AppContext& context, QWidget* parent, const std::string& path);

} // namespace psn
