// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The record's change history for undo and redo, what the record was last read from or written
// to (the game, the current settings file) for the modified mark, and the file that keeps unsaved
// edits over a crash. Whole copies of the record: one is 2846 bytes, so a thousand steps stay a
// few megabytes and a step is a copy, never a computation.
#pragma once

#include "core/record.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace psn {

class RecordHistory {
public:
    // Steps beyond this forget the oldest.
    static constexpr std::size_t kDefaultLimit = 1000;

    explicit RecordHistory(const SettingsRecord& start = {}, std::size_t limit = kDefaultLimit);

    // The record as the last step (or undo, redo or Absorb) left it.
    const SettingsRecord& Current() const { return states_[position_]; }
    // Records the move from Current() to `record` as one step and drops what could be redone.
    // Nothing is recorded, and false returned, when the record is unchanged.
    bool Record(const SettingsRecord& record, std::string name);
    // Takes `record` as the current state without a step: a change that undo must not take back.
    void Absorb(const SettingsRecord& record) { states_[position_] = record; }

    bool CanUndo() const { return position_ > 0; }
    bool CanRedo() const { return position_ + 1 < states_.size(); }
    // The name of the step that Undo or Redo would take back or do again; empty when none.
    std::string UndoName() const;
    std::string RedoName() const;
    // The record to put in place, or nothing when there is no step.
    [[nodiscard]] std::optional<SettingsRecord> Undo();
    [[nodiscard]] std::optional<SettingsRecord> Redo();

    std::size_t Steps() const { return names_.size(); }
    // The memory the history holds, for the measurement of its cost.
    std::size_t MemoryBytes() const;

private:
    // states_[i] is the record before step i (named names_[i]) and after step i - 1.
    std::deque<SettingsRecord> states_;
    std::deque<std::string> names_;
    std::size_t position_ = 0;
    std::size_t limit_;
};

// What the record was last read from or written to. The record counts as modified while it
// differs from the game's values as last read or written and from the current settings file.
struct SavedRecords {
    using Same = std::function<bool(const SettingsRecord&, const SettingsRecord&)>;
    std::optional<SettingsRecord> game;
    std::optional<SettingsRecord> file; // none while there is no current settings file

    // `sameInGame` compares with the game only what the game holds; without it, every byte.
    bool Modified(const SettingsRecord& record, const Same& sameInGame = {}) const {
        const bool gameDiffers =
            !game || (record != *game && (!sameInGame || !sameInGame(record, *game)));
        return gameDiffers && (!file || record != *file);
    }
};

// The file that keeps unsaved edits, in the editor folder, while the editor runs.
inline constexpr const char* kUnsavedEditsFile = "psniaed.unsaved";
// Its bytes: a fixed signature, then the record.
std::vector<std::uint8_t> UnsavedEditsBytes(const SettingsRecord& record);
// The record such a file holds; nothing for any other content.
[[nodiscard]] std::optional<SettingsRecord>
RecordFromUnsavedEdits(std::span<const std::uint8_t> bytes);

} // namespace psn
