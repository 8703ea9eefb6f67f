// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The track editor's editing rules, without widgets: the chosen track, the values its fields
// show, and what typed text stores. There is no range check: a value keeps its low 8 bits (a
// set-up byte) or 16 bits (a consumption), and text that is no integer stores nothing.
#pragma once

#include "core/record.h"

#include <array>
#include <string_view>

namespace psn {

class TrackEntryModel {
public:
    explicit TrackEntryModel(SettingsRecord& record) : record_(record) {}

    // What the fields show of the chosen track.
    struct Shown {
        std::array<unsigned, 8> bytes; // front wing, rear wing, 1st .. 6th gear
        unsigned fuel;
        unsigned tyres;
        int compound; // the tyre type row; -1 for a stored value beyond the list's `rows`
    };

    int Track() const { return track_; }
    // Chooses a list row's track; false, changing nothing, for a row that is no track.
    bool ChooseTrack(int row);
    Shown Values(int compoundRows) const;

    // Each returns whether the text was an integer and stored.
    bool SetByte(std::size_t field, std::string_view text);
    bool SetFuel(std::string_view text);
    bool SetTyres(std::string_view text);
    void SetCompound(int row);

private:
    bool SetWord(std::size_t field, std::string_view text);

    SettingsRecord& record_;
    int track_ = 0;
};

} // namespace psn
