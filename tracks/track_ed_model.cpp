// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tracks/track_ed_model.h"

#include "core/int_conv.h"
#include "tracks/track_blocks.h"

namespace psn {

bool TrackEntryModel::ChooseTrack(int row) {
    if (row < 0 || row >= kTrackCount)
        return false;
    track_ = row;
    return true;
}

TrackEntryModel::Shown TrackEntryModel::Values(int compoundRows) const {
    Shown shown{};
    for (std::size_t f = 0; f < shown.bytes.size(); ++f)
        shown.bytes[f] = record_.u8(TrackEntryOffset(track_, f));
    shown.fuel = record_.u16(TrackEntryOffset(track_, trackentry::kFuel));
    shown.tyres = record_.u16(TrackEntryOffset(track_, trackentry::kTyres));
    const int compound = record_.u8(TrackEntryOffset(track_, trackentry::kCompound));
    shown.compound = compound < compoundRows ? compound : -1;
    return shown;
}

bool TrackEntryModel::SetByte(std::size_t field, std::string_view text) {
    const auto value = StrToInt(text);
    if (value)
        record_.setU8(TrackEntryOffset(track_, field), static_cast<std::uint8_t>(*value));
    return value.has_value();
}

bool TrackEntryModel::SetWord(std::size_t field, std::string_view text) {
    const auto value = StrToInt(text);
    if (value)
        record_.setU16(TrackEntryOffset(track_, field), static_cast<std::uint16_t>(*value));
    return value.has_value();
}

bool TrackEntryModel::SetFuel(std::string_view text) {
    return SetWord(trackentry::kFuel, text);
}

bool TrackEntryModel::SetTyres(std::string_view text) {
    return SetWord(trackentry::kTyres, text);
}

void TrackEntryModel::SetCompound(int row) {
    if (row >= 0)
        record_.setU8(TrackEntryOffset(track_, trackentry::kCompound),
                      static_cast<std::uint8_t>(row));
}

} // namespace psn
