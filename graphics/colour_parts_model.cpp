// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/colour_parts_model.h"

#include <algorithm>

namespace psn {
namespace {

constexpr int kTeamCount = 14;
// A part's shade run must end at colour 245, the last swatch, or below.

} // namespace

ColourPartsModel::ColourPartsModel(SettingsRecord& record,
                                   std::span<const colours::PartRange> parts, ColourRows rows)
    : record_(record), parts_(parts), rows_(rows) {}

std::size_t ColourPartsModel::Offset(int team, int part) const {
    return rows_.first + rows_.stride * static_cast<std::size_t>(team - 1) + rows_.skip +
           static_cast<std::size_t>(part);
}

std::uint8_t ColourPartsModel::Colour(int part) const {
    return record_.u8(Offset(team_, part));
}

const std::vector<int>& ColourPartsModel::ListTeams() {
    rowTeams_.clear();
    for (int t = 1; t <= kTeamCount; ++t)
        if (record_.u8(rec::TeamInUse(t)) != 0)
            rowTeams_.push_back(t);
    team_ = rowTeams_.empty() ? 1 : rowTeams_.front();
    return rowTeams_;
}

bool ColourPartsModel::ChooseRow(int row) {
    if (row < 0 || row >= static_cast<int>(rowTeams_.size()))
        return false;
    team_ = rowTeams_[static_cast<std::size_t>(row)];
    return true;
}

void ColourPartsModel::TakeReference(std::span<const std::uint8_t> surface) {
    reference_.assign(surface.begin(), surface.begin() + colours::kPicturePixels);
}

void ColourPartsModel::Clear(std::span<std::uint8_t> surface) const {
    std::copy(reference_.begin(), reference_.end(), surface.begin());
}

void ColourPartsModel::Recolour(std::span<std::uint8_t> surface) const {
    std::vector<colours::PartColour> colours;
    for (std::size_t p = 0; p < parts_.size(); ++p)
        colours.push_back({parts_[p], Colour(static_cast<int>(p))});
    colours::Recolour(reference_, surface, colours);
}

void ColourPartsModel::MarkPart(std::span<std::uint8_t> surface, const GamePalette& palette,
                                bool highlight) const {
    colours::DoRect(surface, palette, Colour(part_), parts_[static_cast<std::size_t>(part_)].count,
                    highlight);
}

std::optional<int> ColourPartsModel::PartAt(int x, int y) const {
    if (x < 0 || x >= colours::kSurfaceWidth || y < 0 || y >= colours::kPictureRows ||
        reference_.empty())
        return std::nullopt;
    return colours::PartOf(parts_,
                           reference_[static_cast<std::size_t>(y) * colours::kSurfaceWidth + x]);
}

bool ColourPartsModel::PickSwatch(int x, int y) {
    if (x < 0 || x >= colours::kSurfaceWidth)
        return false;
    const int c = colours::SwatchAt(x, y);
    if (c < colours::kFirstSwatch ||
        c > colours::LastBaseColour(parts_[static_cast<std::size_t>(part_)]))
        return false;
    record_.setU8(Offset(team_, part_), static_cast<std::uint8_t>(c));
    return true;
}

} // namespace psn
