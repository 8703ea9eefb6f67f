// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/start_folder.h"

#include "core/fs.h"
#include "core/platform.h"

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <system_error>
#include <vector>

#ifndef PSN_SHARED_DATA_FROM_PROGRAM
#define PSN_SHARED_DATA_FROM_PROGRAM "../share/psniaed/DATA"
#endif

namespace psn {
namespace {

namespace stdfs = std::filesystem;

// What the record holds per shipped file name: the shipped content last copied (none when the
// user's own file was there first) and the size and time of the installed file last looked at,
// so that an unchanged installation costs one look per file and no reading.
struct Shipped {
    std::optional<std::uint64_t> copied;
    std::uintmax_t size = 0;
    std::int64_t time = 0;
};
using Record = std::map<std::string, Shipped>;

std::optional<std::uint64_t> ContentHash(const stdfs::path& path) {
    std::vector<std::uint8_t> bytes;
    Message reason;
    if (!fs::ReadWholeFile(platform::FromPath(path), bytes, reason))
        return std::nullopt;
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (const std::uint8_t byte : bytes)
        hash = (hash ^ byte) * 1099511628211ull;
    return hash;
}

Record ReadRecord(const stdfs::path& path) {
    Record record;
    std::vector<std::uint8_t> bytes;
    Message reason;
    if (!fs::ReadWholeFile(platform::FromPath(path), bytes, reason))
        return record;
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string copied;
        Shipped entry;
        std::string name;
        if (!(fields >> copied >> entry.size >> entry.time) || fields.get() != ' ' ||
            !std::getline(fields, name) || name.empty())
            continue; // a damaged line only costs a fresh look at that file
        if (copied != "-")
            entry.copied = std::stoull(copied, nullptr, 16);
        record[name] = entry;
    }
    return record;
}

FileResult WriteRecord(const stdfs::path& path, const Record& record) {
    std::ostringstream out;
    for (const auto& [name, entry] : record) {
        std::ostringstream copied;
        if (entry.copied)
            copied << std::hex << *entry.copied;
        else
            copied << '-';
        out << copied.str() << ' ' << entry.size << ' ' << entry.time << ' ' << name << '\n';
    }
    const std::string text = out.str();
    return fs::WriteFileDurably(platform::FromPath(path),
                                {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

// Replaces the target only once the whole copy is on disk.
FileResult CopyWhole(const stdfs::path& from, const stdfs::path& to) {
    std::vector<std::uint8_t> bytes;
    Message reason;
    if (!fs::ReadWholeFile(platform::FromPath(from), bytes, reason))
        return FileResult::Failure(FileResult::Status::NotOpened, platform::FromPath(from), reason);
    return fs::WriteFileDurably(platform::FromPath(to), bytes);
}

Message Failure(MessageKind what, const stdfs::path& path) {
    return Message(what, {platform::FromPath(path)});
}

Message Failure(MessageKind what, const stdfs::path& path, const FileResult& why) {
    if (why.reason.empty())
        return Failure(what, path);
    return Message(MessageKind::FileAndReason, {Failure(what, path), why.reason});
}

} // namespace

std::string SharedDataDir(const std::string& programDir) {
    std::error_code ec;
    for (const stdfs::path& candidate :
         {platform::ToPath(programDir) / PSN_SHARED_DATA_FROM_PROGRAM,
          platform::ToPath(programDir) / "DATA"})
        if (stdfs::is_directory(candidate, ec))
            return platform::FromPath(candidate.lexically_normal());
    return {};
}

std::string UserEditorFolder(const StartPlaces& places) {
    // Relative values are invalid for these variables and are ignored.
    const auto absolute = [](const std::string& path) {
        return !path.empty() && platform::ToPath(path).is_absolute();
    };
    if (absolute(places.appData))
        return fs::Join(places.appData, "psniaed");
    if (absolute(places.dataHome))
        return fs::Join(places.dataHome, "psniaed");
    if (absolute(places.home))
        return fs::Join(places.home, ".local/share/psniaed");
    return {};
}

namespace {

bool Prepare(const std::string& folder, const std::string& sharedData, Message& error) {
    const stdfs::path root = platform::ToPath(folder);
    const stdfs::path data = root / "DATA";
    std::error_code ec;
    for (const stdfs::path& dir : {data, root / "TEMP"}) {
        stdfs::create_directories(dir, ec);
        if (!stdfs::is_directory(dir, ec)) {
            error = Failure(MessageKind::StartCannotCreateFolder, dir);
            return false;
        }
    }
    if (sharedData.empty())
        return true;
    const stdfs::path recordPath = root / kShippedRecord;
    Record record = ReadRecord(recordPath);
    bool changed = false;
    std::error_code listing;
    stdfs::directory_iterator items(platform::ToPath(sharedData), listing);
    if (listing) {
        error = Failure(MessageKind::StartCannotList, sharedData);
        return false;
    }
    for (const auto& item : items) {
        if (!item.is_regular_file(ec))
            continue;
        const std::string name = platform::FromPath(item.path().filename());
        const stdfs::path target = data / name;
        Shipped now;
        now.size = item.file_size(ec);
        now.time = item.last_write_time(ec).time_since_epoch().count();
        const auto known = record.find(name);
        // A link the user put in place of a shipped file is theirs, like any file of their own.
        const bool present = stdfs::exists(stdfs::symlink_status(target, ec));
        if (present && known != record.end() && known->second.size == now.size &&
            known->second.time == now.time)
            continue; // the installation has not changed since the last look
        const auto shipped = ContentHash(item.path());
        if (!shipped) {
            error = Failure(MessageKind::StartCannotReadInstalled, item.path());
            return false;
        }
        std::optional<std::uint64_t> mine;
        if (present && stdfs::is_regular_file(stdfs::symlink_status(target, ec)))
            mine = ContentHash(target);
        changed = true;
        if (present && mine != shipped) {
            const bool unchangedCopy = known != record.end() && known->second.copied && mine &&
                                       *known->second.copied == *mine;
            if (!unchangedCopy) {
                // The user's own file, or their change to a shipped one, stays.
                now.copied = known != record.end() ? known->second.copied : std::nullopt;
                record[name] = now;
                continue;
            }
            if (const FileResult copied = CopyWhole(item.path(), target); !copied) {
                error = Failure(MessageKind::StartCannotUpdate, target, copied);
                return false;
            }
        } else if (!present) {
            if (const FileResult copied = CopyWhole(item.path(), target); !copied) {
                error = Failure(MessageKind::StartCannotCopyInstalled, target, copied);
                return false;
            }
        }
        now.copied = shipped;
        record[name] = now;
    }
    if (changed) {
        if (const FileResult written = WriteRecord(recordPath, record); !written) {
            error = Failure(MessageKind::StartCannotWrite, recordPath, written);
            return false;
        }
    }
    return true;
}

// A converter link into the program's own folder (to the sample converter, as the README shows)
// that no longer resolves was left by removing the program: taken for a converter it would only
// fail. A link elsewhere, or one that resolves, is the user's and stays.
void RemoveDanglingConverterLink(const stdfs::path& folder, const std::string& programDir) {
    if (programDir.empty())
        return;
    std::error_code ec;
    const stdfs::path link = folder / "PSNJAM.EXE";
    if (!stdfs::is_symlink(link, ec) || stdfs::exists(link, ec) || ec)
        return;
    stdfs::path target = stdfs::read_symlink(link, ec);
    if (ec)
        return;
    if (target.is_relative())
        target = folder / target;
    const stdfs::path own = (stdfs::path(programDir) / "").lexically_normal();
    const stdfs::path in = (target.lexically_normal().parent_path() / "").lexically_normal();
    if (in == own)
        stdfs::remove(link, ec);
}

} // namespace

bool PrepareUserFolder(const std::string& folder, const std::string& sharedData, Message& error) {
    try {
        return Prepare(folder, sharedData, error);
    } catch (const stdfs::filesystem_error& e) {
        error = Message(MessageKind::FileAndReason,
                        {Failure(MessageKind::StartCannotPrepare, folder), e.what()});
        return false;
    }
}

StartFolder ChooseStartFolder(const StartPlaces& places) {
    const std::string folder = UserEditorFolder(places);
    std::error_code ec;
    // Started from the user's own folder, it still gets the installation's updates.
    const bool inUserFolder = !folder.empty() && stdfs::equivalent(platform::ToPath(places.current),
                                                                   platform::ToPath(folder), ec);
    if (!inUserFolder && stdfs::is_directory(platform::ToPath(places.current) / "DATA", ec))
        return {places.current, {}};
    if (folder.empty())
        return {{}, Message(MessageKind::NoUserFolder, {})};
    Message error;
    if (!PrepareUserFolder(folder, SharedDataDir(places.programDir), error))
        return {{}, Message(MessageKind::StartFolderNotReady, {error})};
    RemoveDanglingConverterLink(folder, places.programDir);
    return {folder, {}};
}

StartPlaces CurrentStartPlaces(const std::string& programDir) {
    StartPlaces places;
    places.current = platform::CurrentDirectory();
    places.programDir = programDir;
#ifdef _WIN32
    // The per-user folder of a Windows program; HOME and XDG_DATA_HOME belong to other systems.
    places.appData = platform::Environment("APPDATA").value_or("");
#else
    places.dataHome = platform::Environment("XDG_DATA_HOME").value_or("");
    places.home = platform::Environment("HOME").value_or("");
#endif
    return places;
}

} // namespace psn
