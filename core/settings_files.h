// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Settings files (the 2846-byte record as a GIA file), the configuration file psniaed.set and the
// snapshot of the user's own game values in "./DATA/ORIGIN.SET".
#pragma once

#include "core/app_state.h"
#include "core/errors.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace psn {

// Reads the current settings file, opened for reading only, into the record; its track entries
// then count as known. The originals snapshot whose track entries are still to come leaves the
// record's track entries as they were, unknown, so that they are read from the game again. The file
// is read whole into a buffer first, so a short, long or unreadable file leaves the record exactly
// as it was.
FileResult ReadSettingsFile(AppState& state);
// A settings document in its text form is far shorter than this; anything longer is refused
// before it fills the memory.
inline constexpr std::size_t kSettingsDocumentLimit = std::size_t{1} << 20;
// Reads a whole settings file of at most `limit` bytes, opened for reading only and without
// blocking. A path that is not a regular file (a named pipe, a device, a folder) and a file longer
// than `limit` are refused with Failed and a message that names the file.
FileResult ReadSettingsBytes(const std::string& path, std::size_t limit,
                             std::vector<std::uint8_t>& out);
// The same from bytes already in memory (`path` names the file in the message); only exactly
// 2846 bytes are a settings file.
FileResult SettingsFromBytes(SettingsRecord& record, std::span<const std::uint8_t> bytes,
                             const std::string& path);
// Writes the record into the current settings file durably (fs::WriteFileDurably), so a failed
// write (a full disk) never leaves a half-written settings file behind. A read-only file is
// refused, also for a user whom the system would let replace it.
FileResult WriteSettingsFile(AppState& state);
// Writes any small file the same way.
FileResult WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

// The current settings file becomes "./DATA/ORIGIN.SET", which is then loaded.
FileResult RestoreOriginal(AppState& state);
// Whether a settings file name names the shipped originals (saving there needs a new name).
[[nodiscard]] bool IsOriginalSettingsFile(const AppState& state, std::string_view path);
void SetCurrentSettingsFile(AppState& state, std::string_view path);
// The settings description text (length byte + up to 255 bytes in the record).
std::string SettingsDescription(const SettingsRecord& record);
void SetSettingsDescription(SettingsRecord& record, std::string_view text);

[[nodiscard]] bool ReadConfig(AppState& state);
// The configuration from bytes in memory: at most its 515 bytes, a shorter buffer fills what it
// holds.
void ConfigFromBytes(ConfigRecord& config, std::span<const std::uint8_t> bytes);
FileResult WriteConfig(const AppState& state);

// Game directory = the path up to and including its last "\", "/" or ":"; both sources = 1.
void SetGameLocation(ConfigRecord& config, std::string_view exePath);

// The snapshot of the user's unchanged game values. When it is written without the track block
// (track files not installed yet), a marker remembers that its track entries are still to come;
// they are completed once every track entry has been read from the game in this run
// (AppState::trackEntryFirstRead), whatever read that was.
[[nodiscard]] bool OriginalSettingsExist(const AppState& state);
// A failure's message names the file and the system's reason.
FileResult WriteOriginalSnapshot(const AppState& state, bool withTrackEntries);
[[nodiscard]] bool OriginalTracksPending(const AppState& state);
// Copies the track entries as first read into the snapshot when they are pending and all 16 have
// been read; no-op otherwise.
FileResult CompleteOriginalTracks(const AppState& state);

} // namespace psn
