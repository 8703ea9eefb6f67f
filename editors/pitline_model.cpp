// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/pitline_model.h"

#include "editors/lineup.h"

namespace psn {
namespace {

std::size_t OrderEntry(int position) {
    return rec::kPitOrder + static_cast<std::size_t>(position) - 1;
}

} // namespace

void PitLineModel::MapRows() {
    rowPositions_.clear();
    for (int p = 1; p <= kPitPositions; ++p) {
        const int team = record_.u8(OrderEntry(p));
        if (team >= 1 && team <= kTeamCount && TeamInUse(record_, team))
            rowPositions_.push_back(p);
    }
}

std::vector<std::string> PitLineModel::TeamNames() const {
    std::vector<std::string> names;
    for (const int p : rowPositions_)
        names.push_back(
            record_.str(rec::TeamName(record_.u8(OrderEntry(p))), rec::kTeamNameCapacity));
    return names;
}

bool PitLineModel::Exchange(int row, int otherRow) {
    const int rows = RowCount();
    if (row < 0 || otherRow < 0 || row >= rows || otherRow >= rows || row == otherRow)
        return false;
    const std::size_t a = OrderEntry(Position(row));
    const std::size_t b = OrderEntry(Position(otherRow));
    const std::uint8_t team = record_.u8(a);
    record_.setU8(a, record_.u8(b));
    record_.setU8(b, team);
    return true;
}

bool PitLineModel::SpeedCheck() const {
    return record_.u8(rec::kSpeedCheckSwitch) == 1;
}

void PitLineModel::SetSpeedCheck(bool on) {
    record_.setU8(rec::kSpeedCheckSwitch, on ? 1 : 0);
}

int PitLineModel::SliderPosition() const {
    return record_.u16(rec::kPitSpeed) >> 1;
}

void PitLineModel::SetSliderPosition(int position) {
    record_.setU16(rec::kPitSpeed, static_cast<std::uint16_t>(position * 2));
}

PitSpeed PitLineModel::Speed() const {
    return PitSpeedUnits(record_.u16(rec::kPitSpeed));
}

} // namespace psn
