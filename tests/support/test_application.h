// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window tests' application: an event whose handler took the fatal path ends there, as the
// program would have ended, and the test goes on to look at what the program left behind.
#pragma once

#include "support/program_end.h"

#include <QApplication>
#include <QThread>
#include <vector>

namespace psn::test {

class TestApplication : public QApplication {
public:
    using QApplication::QApplication;

    // The end is caught by the outermost delivery of the event loop it happened in: an event sent
    // from within a handler (a show event that refills a window) must not let that handler go on
    // after the fatal path, and an event loop of a modal window is not unwound, as Qt's own
    // frames in between run no cleanups for a throw.
    bool notify(QObject* receiver, QEvent* event) override {
        const int level = QThread::currentThread()->loopLevel();
        const bool outermost = levels_.empty() || levels_.back() < level;
        levels_.push_back(level);
        try {
            const bool result = QApplication::notify(receiver, event);
            levels_.pop_back();
            return result;
        } catch (const ProgramEnded&) {
            levels_.pop_back();
            if (!outermost)
                throw;
            return true;
        }
    }

private:
    std::vector<int> levels_; // the event loop level of each delivery in progress
};

} // namespace psn::test
