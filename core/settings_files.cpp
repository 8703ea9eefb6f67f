// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settings_files.h"

#include "core/fs.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

namespace psn {
namespace {

constexpr const char* kTracksPendingMarker = "./DATA/ORIGIN.TRK";

// The failure of a system call on `path`, in the system's words.
FileResult Describe(FileResult::Status status, const std::string& path, MessageKind cannot) {
    const std::string reason = SystemReason(errno);
    return FileResult::Failure(status, path, reason, {cannot, {path, reason}});
}

// A file without any write permission counts as read-only, also for a user (root) whom the
// system would let write it anyway, so the editor behaves the same for everyone.
bool IsReadOnly(const std::string& path) {
    platform::Info info;
    return platform::DescribePath(path, info, true) && (info.mode & 0222) == 0;
}

// A read-only file is refused, also for a user whom the system would let replace it.
FileResult WriteWhole(const std::string& path, const std::uint8_t* data, std::size_t size) {
    if (IsReadOnly(path))
        return FileResult::Failure(
            FileResult::Status::NotOpened, path, {MessageKind::IsReadOnly, {}},
            {MessageKind::CannotWrite, {path, Message(MessageKind::IsReadOnly, {})}});
    if (fs::Exists(path) && !platform::CanWrite(path))
        return Describe(FileResult::Status::NotOpened, path, MessageKind::CannotWrite);
    return fs::WriteFileDurably(path, {data, size});
}

// Reads up to `size` bytes of a file opened for reading only, so a read-only file (from a CD, a
// download, another user) can be loaded. It is opened without blocking, so that a named pipe
// cannot stop the program in open(), and only a regular file is read: a pipe or a device such
// as /dev/zero may never end.
FileResult ReadWhole(const std::string& path, std::vector<std::uint8_t>& out, std::size_t size) {
    Message reason;
    platform::Handle file = fs::OpenRegular(path, platform::kRead, reason);
    if (file == platform::kNoHandle && errno != EINVAL)
        return Describe(FileResult::Status::NotOpened, path, MessageKind::CannotOpen);
    if (file == platform::kNoHandle)
        return FileResult::Failure(FileResult::Status::Failed, path, reason,
                                   {MessageKind::NotASettingsFileIt, {path, reason}});
    out.assign(size, 0);
    const fs::FileCloser closer(file);
    std::size_t done = 0;
    while (done < size) {
        const std::int64_t n = platform::Read(file, out.data() + done, size - done);
        if (n < 0)
            return Describe(FileResult::Status::Failed, path, MessageKind::CannotRead);
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    out.resize(done);
    return {};
}

std::string SettingsPath(const AppState& state, std::string_view name) {
    // Relative names are relative to the start directory, whatever is current.
    const std::string native = fs::Native(name);
    if (fs::IsAbsolute(native))
        return native;
    return state.StartPath(native);
}

} // namespace

FileResult ReadSettingsFile(AppState& state) {
    if (state.currentSettingsFile.empty())
        return {FileResult::Status::NoFileName, {}, {}, {}, {}};
    const std::string path = SettingsPath(state, state.currentSettingsFile);
    std::vector<std::uint8_t> bytes;
    // One byte more than a record tells a longer file, which is no settings file, from a whole one.
    FileResult result = ReadWhole(path, bytes, rec::kSize + 1);
    if (!result.Ok())
        return result;
    // The originals' track entries are zero until the game's have been read: they are not loaded,
    // and the game's own are read again before anything writes them.
    const bool tracksPending =
        IsOriginalSettingsFile(state, state.currentSettingsFile) && OriginalTracksPending(state);
    const SettingsRecord before = state.record;
    result = SettingsFromBytes(state.record, bytes, path);
    if (!result.Ok())
        return result;
    if (!tracksPending) {
        state.trackEntryKnown.fill(true);
        return result;
    }
    std::copy(before.bytes().begin() + rec::kTrackEntries,
              before.bytes().begin() + rec::kTrackEntriesEnd,
              state.record.bytes().begin() + rec::kTrackEntries);
    state.trackEntryKnown.fill(false);
    return result;
}

FileResult ReadSettingsBytes(const std::string& path, std::size_t limit,
                             std::vector<std::uint8_t>& out) {
    // One byte more than the limit tells a longer file from one that just fits.
    FileResult result = ReadWhole(path, out, limit + 1);
    if (result.Ok() && out.size() > limit) {
        out.clear();
        const Message reason(MessageKind::HoldsMoreThan, {std::to_string(limit)});
        return FileResult::Failure(FileResult::Status::Failed, path, reason,
                                   {MessageKind::NotASettingsFile, {path, reason}});
    }
    return result;
}

FileResult SettingsFromBytes(SettingsRecord& record, std::span<const std::uint8_t> bytes,
                             const std::string& path) {
    if (bytes.size() < rec::kSize)
        return FileResult::Failure(
            FileResult::Status::Failed, path,
            {MessageKind::HoldsBytesInsteadOf,
             {std::to_string(bytes.size()), std::to_string(rec::kSize)}},
            {MessageKind::SettingsFileShort,
             {path, std::to_string(bytes.size()), std::to_string(rec::kSize)}});
    if (bytes.size() > rec::kSize)
        return FileResult::Failure(
            FileResult::Status::Failed, path,
            {MessageKind::HoldsMoreThan, {std::to_string(rec::kSize)}},
            {MessageKind::NotASettingsFileTooLong, {path, std::to_string(rec::kSize)}});
    std::copy_n(bytes.begin(), rec::kSize, record.bytes().begin());
    return {};
}

FileResult WriteSettingsFile(AppState& state) {
    if (state.currentSettingsFile.empty())
        return {FileResult::Status::NoFileName, {}, {}, {}, {}};
    const auto& bytes = state.record.bytes();
    return WriteWhole(SettingsPath(state, state.currentSettingsFile), bytes.data(), bytes.size());
}

FileResult WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
    return WriteWhole(path, bytes.data(), bytes.size());
}

void SetCurrentSettingsFile(AppState& state, std::string_view path) {
    state.currentSettingsFile = std::string(path.substr(0, 255));
}

FileResult RestoreOriginal(AppState& state) {
    SetCurrentSettingsFile(state, kOriginalSettings);
    return ReadSettingsFile(state);
}

bool IsOriginalSettingsFile(const AppState& state, std::string_view path) {
    if (path.empty())
        return false;
    const std::string a = SettingsPath(state, path);
    const std::string b = SettingsPath(state, kOriginalSettings);
    std::error_code ec;
    if (fs::Exists(a) && fs::Exists(b))
        return std::filesystem::equivalent(platform::ToPath(a), platform::ToPath(b), ec);
    return platform::ToPath(a).lexically_normal() == platform::ToPath(b).lexically_normal();
}

std::string SettingsDescription(const SettingsRecord& record) {
    return record.str(rec::kDescription, rec::kDescriptionCapacity);
}

void SetSettingsDescription(SettingsRecord& record, std::string_view text) {
    record.setStr(rec::kDescription, rec::kDescriptionCapacity, text);
}

bool ReadConfig(AppState& state) {
    std::vector<std::uint8_t> bytes;
    if (!ReadWhole(state.StartPath(kConfigFile), bytes, ConfigRecord::kSize).Ok())
        return false;
    ConfigFromBytes(state.config, bytes);
    return true;
}

void ConfigFromBytes(ConfigRecord& config, std::span<const std::uint8_t> bytes) {
    // A short file fills what it holds; the rest keeps its zero bytes.
    std::copy_n(bytes.begin(), std::min(bytes.size(), ConfigRecord::kSize), config.Bytes().begin());
}

FileResult WriteConfig(const AppState& state) {
    const auto& bytes = state.config.Bytes();
    return WriteWhole(state.StartPath(kConfigFile), bytes.data(), bytes.size());
}

void SetGameLocation(ConfigRecord& config, std::string_view exePath) {
    const auto cut = exePath.find_last_of("\\/:");
    std::string dir =
        cut == std::string_view::npos ? std::string() : std::string(exePath.substr(0, cut + 1));
    config.SetGameDir(dir.substr(0, ConfigRecord::kPathCapacity));
    config.SetNamesSource(1);
    config.SetCockpitSource(1);
}

bool OriginalSettingsExist(const AppState& state) {
    return fs::Exists(state.StartPath(kOriginalSettings));
}

FileResult WriteOriginalSnapshot(const AppState& state, bool withTrackEntries) {
    const auto& bytes = state.record.bytes();
    if (FileResult written =
            WriteWhole(state.StartPath(kOriginalSettings), bytes.data(), bytes.size());
        !written)
        return written;
    const std::string marker = state.StartPath(kTracksPendingMarker);
    if (!withTrackEntries) {
        static const std::uint8_t kNote[] = "track entries of ORIGIN.SET not read yet\n";
        return WriteWhole(marker, kNote, sizeof kNote - 1);
    }
    // A marker left behind would later overwrite these track entries with others.
    if (fs::Exists(marker) && !fs::DeleteFile(marker))
        return Describe(FileResult::Status::Failed, marker, MessageKind::CannotRemove);
    return {};
}

bool OriginalTracksPending(const AppState& state) {
    return fs::Exists(state.StartPath(kTracksPendingMarker));
}

FileResult CompleteOriginalTracks(const AppState& state) {
    const auto& read = state.trackEntryFirstRead;
    if (!OriginalTracksPending(state) ||
        !std::all_of(read.begin(), read.end(), [](const auto& entry) { return entry.has_value(); }))
        return {};
    const std::string path = state.StartPath(kOriginalSettings);
    std::vector<std::uint8_t> bytes;
    if (FileResult read = ReadWhole(path, bytes, rec::kSize); !read)
        return read;
    if (bytes.size() < rec::kSize)
        return FileResult::Failure(FileResult::Status::Failed, path,
                                   {MessageKind::HoldsBytesInsteadOf,
                                    {std::to_string(bytes.size()), std::to_string(rec::kSize)}});
    for (std::size_t t = 0; t < read.size(); ++t)
        std::copy(read[t]->begin(), read[t]->end(),
                  bytes.begin() +
                      static_cast<std::ptrdiff_t>(rec::kTrackEntries + t * rec::kTrackEntryStride));
    if (FileResult written = WriteWhole(path, bytes.data(), bytes.size()); !written)
        return written;
    const std::string marker = state.StartPath(kTracksPendingMarker);
    if (!fs::DeleteFile(marker))
        return Describe(FileResult::Status::Failed, marker, MessageKind::CannotRemove);
    return {};
}

} // namespace psn
