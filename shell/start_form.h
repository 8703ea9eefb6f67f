// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The progress window shown while the start-up load fills the settings record.
#pragma once

#include "core/app_state.h"

#include <QElapsedTimer>
#include <QWidget>

class QLabel;
class QProgressBar;

namespace psn {

class TStartForm : public QWidget {
    Q_OBJECT
public:
    explicit TStartForm(const AppState& state, QWidget* parent = nullptr);

    void Advance(int step);
    void SetPosition(int position);
    int Position() const;

private:
    QLabel* Image1;
    QProgressBar* ProgressBar1;
    QElapsedTimer painted_; // since the bar was last painted
};

} // namespace psn
