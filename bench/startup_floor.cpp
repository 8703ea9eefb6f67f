// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor of the editor's start-up: an empty window of the main window's client size, shown
// and painted once, then the program ends.
#include "quit_when_shown.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(521, 363);
    window.setWindowTitle("psn startup floor"); // found by this title on an X server
    QuitWhenShown quit;
    window.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}
