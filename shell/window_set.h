// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every window the main window opens, created once at start-up, hidden, and reused for the run.
// A window that does not exist yet stays null and its picture button does nothing.
#pragma once

#include "ui/app_context.h"

#include <span>
#include <vector>

class QWidget;

namespace psn {

class TDesForm;

// A new window is a member here and a row in window_set.cpp; the build fails while the two
// disagree in number.
struct WindowSet {
    QWidget* names = nullptr;          // "Names and numbers"
    QWidget* enginePower = nullptr;    // "Engine power"
    QWidget* grip = nullptr;           // "Computer cars grip"
    QWidget* pitLine = nullptr;        // "Pit line settings"
    QWidget* failures = nullptr;       // "Car failure"
    QWidget* noses = nullptr;          // "Nose cones "
    QWidget* tuning = nullptr;         // "Car tuning"
    QWidget* cockpitManager = nullptr; // "Cockpit manager"
    QWidget* trackManager = nullptr;   // "Track manager"
    QWidget* cameras = nullptr;        // "Cameras editor"
    QWidget* carSets = nullptr;        // car set installer
    QWidget* cockpitColours = nullptr; // "Cockpit colors"
    QWidget* pitCrewColours = nullptr; // "Pit crew colors"
    QWidget* importExport = nullptr;   // "Import data"
    TDesForm* description = nullptr;   // "Settings description"
    QWidget* helmets = nullptr;        // "Helmets"
    QWidget* carJams = nullptr;        // "Car JAMs"
    QWidget* trackEditor = nullptr;    // "Track editor"

    // Every window in creation order; null before CreateWindows.
    std::vector<QWidget*> All() const;
};

// A picture button on the main window.
struct WindowButton {
    const char* name = nullptr;  // its object name; null: the window has no plain button
    const char* label = nullptr; // translated in the main window's context
    const char* picture = nullptr;
    int left = 0, top = 0;
    bool hideMain = false; // the main window hides while the window is open
};

// One window of the set.
struct WindowRow {
    const char* name; // in file names, such as the screenshots'
    QWidget* (*window)(const WindowSet&);
    void (*create)(WindowSet&, AppContext&, QWidget* owner);
    WindowButton button;
};

// The windows' rows in creation order.
std::span<const WindowRow> WindowRows();

// Creates the windows hidden, in the rows' order, each owned by `owner`.
void CreateWindows(WindowSet& windows, AppContext& context, QWidget* owner);

// Shows a window modally and returns when it is closed again.
void ShowModal(QWidget* window);

} // namespace psn
