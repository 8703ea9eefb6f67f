// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The editing rules of the cockpit and pit crew colour windows, without widgets: which team each
// list row stands for, the chosen team and part, the part under a point of the picture, the
// swatches a part may take, and the picture recoloured for the chosen team. The windows show it.
#pragma once

#include "core/record.h"
#include "core/record_map.h"
#include "graphics/colour_parts_table.h"

#include <optional>
#include <span>
#include <vector>

namespace psn {

// Where a window keeps a team's part colours: part p of team t is the byte at
// first + stride * (t - 1) + skip + p.
struct ColourRows {
    std::size_t first;
    std::size_t stride;
    std::size_t skip;
};

inline constexpr ColourRows kCockpitColourRows{rec::kCockpitColours, rec::kCockpitColourStride, 0};
// Bytes 0 and 1 of a team's pit crew row are never shown.
inline constexpr ColourRows kCrewColourRows{rec::kPitCrewColours, rec::kPitCrewColourStride,
                                            colours::kFirstCrewPart};

class ColourPartsModel {
public:
    ColourPartsModel(SettingsRecord& record, std::span<const colours::PartRange> parts,
                     ColourRows rows);

    std::span<const colours::PartRange> Parts() const { return parts_; }
    int Team() const { return team_; }
    int Part() const { return part_; }
    std::size_t Offset(int team, int part) const;
    // The chosen team's base colour of a part.
    std::uint8_t Colour(int part) const;

    // Lists the teams in use, in team order, and chooses the first (team 1 when none is).
    const std::vector<int>& ListTeams();
    const std::vector<int>& RowTeams() const { return rowTeams_; }
    // Chooses the team a list row stands for; false, changing nothing, for a row of none.
    bool ChooseRow(int row);
    void ChooseTeam(int team) { team_ = team; }
    void ChoosePart(int part) { part_ = part; }

    // Keeps the picture rows of a freshly loaded surface as the reference for recolouring.
    void TakeReference(std::span<const std::uint8_t> surface);
    // The picture rows as loaded, and as the chosen team's colours paint them.
    void Clear(std::span<std::uint8_t> surface) const;
    void Recolour(std::span<std::uint8_t> surface) const;
    // Marks (or unmarks) the chosen part's shade run in the swatch grid.
    void MarkPart(std::span<std::uint8_t> surface, const GamePalette& palette,
                  bool highlight) const;

    // The part the picture shows at a point, if the point is in the picture and shows one.
    std::optional<int> PartAt(int x, int y) const;
    // A click on the swatch grid: the swatch's colour becomes the chosen part's base colour when
    // the part's whole shade run stays within the swatches. Returns whether it did.
    bool PickSwatch(int x, int y);

private:
    SettingsRecord& record_;
    std::span<const colours::PartRange> parts_;
    ColourRows rows_;
    std::vector<std::uint8_t> reference_;
    std::vector<int> rowTeams_;
    int team_ = 1;
    int part_ = 0;
};

} // namespace psn
