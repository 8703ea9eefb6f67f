// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The pit line window's rules: the pit order listed by the teams that take part, two rows
// exchanged by a drag, the speed check switch and the pit speed on a slider.
#pragma once

#include "editors/pitline_blocks.h"

#include <string>
#include <vector>

namespace psn {

// The slider's end: it holds half the raw speed, so the window keeps raw speeds up to twice this.
constexpr int kPitSliderMax = 32767;

class PitLineModel {
public:
    explicit PitLineModel(SettingsRecord& record) : record_(record) {}

    // Lists the pit positions whose team takes part; a position holding no team, or one that does
    // not take part, gets no row.
    void MapRows();
    int RowCount() const { return static_cast<int>(rowPositions_.size()); }
    int Position(int row) const { return rowPositions_.at(static_cast<std::size_t>(row)); }
    std::vector<std::string> TeamNames() const;
    // Exchanges the teams of two rows counted from 0; false, changing nothing, when either row is
    // not there or both are the same. The rows stand for the same positions afterwards.
    bool Exchange(int row, int otherRow);

    bool SpeedCheck() const;
    void SetSpeedCheck(bool on);

    // The slider holds half the raw speed: moving it stores position x 2, so an odd raw speed
    // becomes the even one below it.
    int SliderPosition() const;
    void SetSliderPosition(int position);
    PitSpeed Speed() const;

private:
    SettingsRecord& record_;
    std::vector<int> rowPositions_; // row i shows the team at pit position rowPositions_[i]
};

} // namespace psn
