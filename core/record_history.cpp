// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/record_history.h"

#include <algorithm>
#include <cstring>

namespace psn {
namespace {

constexpr char kSignature[8] = {'P', 'S', 'N', 'E', 'D', 'I', 'T', '1'};

} // namespace

RecordHistory::RecordHistory(const SettingsRecord& start, std::size_t limit)
    : states_{start}, limit_(std::max<std::size_t>(limit, 1)) {}

bool RecordHistory::Record(const SettingsRecord& record, std::string name) {
    if (record == Current())
        return false;
    states_.resize(position_ + 1);
    names_.resize(position_);
    states_.push_back(record);
    names_.push_back(std::move(name));
    ++position_;
    while (names_.size() > limit_) {
        states_.pop_front();
        names_.pop_front();
        --position_;
    }
    return true;
}

std::string RecordHistory::UndoName() const {
    return CanUndo() ? names_[position_ - 1] : std::string();
}

std::string RecordHistory::RedoName() const {
    return CanRedo() ? names_[position_] : std::string();
}

std::optional<SettingsRecord> RecordHistory::Undo() {
    if (!CanUndo())
        return std::nullopt;
    return states_[--position_];
}

std::optional<SettingsRecord> RecordHistory::Redo() {
    if (!CanRedo())
        return std::nullopt;
    return states_[++position_];
}

std::size_t RecordHistory::MemoryBytes() const {
    std::size_t bytes = sizeof(*this) + states_.size() * sizeof(SettingsRecord);
    for (const std::string& name : names_)
        bytes += sizeof(std::string) + name.capacity();
    return bytes;
}

std::vector<std::uint8_t> UnsavedEditsBytes(const SettingsRecord& record) {
    std::vector<std::uint8_t> bytes(sizeof kSignature + rec::kSize);
    std::memcpy(bytes.data(), kSignature, sizeof kSignature);
    std::copy(record.bytes().begin(), record.bytes().end(), bytes.begin() + sizeof kSignature);
    return bytes;
}

std::optional<SettingsRecord> RecordFromUnsavedEdits(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != sizeof kSignature + rec::kSize ||
        std::memcmp(bytes.data(), kSignature, sizeof kSignature) != 0)
        return std::nullopt;
    SettingsRecord record;
    std::copy(bytes.begin() + sizeof kSignature, bytes.end(), record.bytes().begin());
    return record;
}

} // namespace psn
