// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/fs.h"

#include "core/game_file.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

namespace psn::fs {
namespace stdfs = std::filesystem;

bool Exists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && stdfs::exists(platform::ToPath(path), ec);
}

bool IsDirectory(const std::string& path) {
    std::error_code ec;
    return stdfs::is_directory(platform::ToPath(path), ec);
}

std::optional<std::uintmax_t> FileSize(const std::string& path) {
    std::error_code ec;
    const auto size = stdfs::file_size(platform::ToPath(path), ec);
    if (ec)
        return std::nullopt;
    return size;
}

bool SetNormalAttributes(const std::string& path) {
    return platform::MakeWritable(path);
}

namespace {

Message KindOfNonRegular(platform::Kind kind) {
    switch (kind) {
    case platform::Kind::Folder:
        return {MessageKind::IsFolder, {}};
    case platform::Kind::Link:
        return {MessageKind::IsLink, {}};
    case platform::Kind::Pipe:
        return {MessageKind::IsPipe, {}};
    case platform::Kind::Socket:
        return {MessageKind::IsSocket, {}};
    case platform::Kind::Device:
        return {MessageKind::IsDevice, {}};
    default:
        return {MessageKind::IsNotRegular, {}};
    }
}

// The regular file a link leads to, so that a user's link (dotfiles kept elsewhere) is written
// through and stays a link. Empty, with `why` said, when it leads to anything else or nowhere.
std::string RegularLinkTarget(const std::string& link, Message& why) {
    std::error_code ec;
    const stdfs::path text = stdfs::read_symlink(platform::ToPath(link), ec);
    const stdfs::path real = stdfs::canonical(platform::ToPath(link), ec);
    if (ec) {
        why = ec.value() == ELOOP ? Message(MessageKind::LinkLoops, {})
                                  : Message(MessageKind::LinkToMissing, {platform::FromPath(text)});
        return {};
    }
    const std::string target = platform::FromPath(real);
    platform::Info info;
    if (!platform::DescribePath(target, info, true)) {
        why = {MessageKind::LinkUnreachable, {target, SystemReason(errno)}};
        return {};
    }
    if (info.kind != platform::Kind::Regular) {
        why = {MessageKind::LinkToNonRegular, {target, KindOfNonRegular(info.kind)}};
        return {};
    }
    return target;
}

} // namespace

platform::Handle OpenRegular(const std::string& path, unsigned flags, Message& reason) {
    platform::Kind found = platform::Kind::Other;
    const platform::Handle file = platform::OpenFile(path, flags, 0600, &found);
    if (file == platform::kNoHandle) {
        const int error = errno;
        reason = error == EINVAL ? KindOfNonRegular(found)
                 : error == ELOOP && !(flags & platform::kNoFollow)
                     ? Message(MessageKind::LinkLoops, {})
                     : Message(SystemReason(error));
        errno = error;
    }
    return file;
}

platform::Handle OpenRegular(const std::string& path, unsigned flags, std::string& reason) {
    Message said;
    const platform::Handle file = OpenRegular(path, flags, said);
    if (file == platform::kNoHandle) {
        const int error = errno;
        reason = English(said);
        errno = error;
    }
    return file;
}

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes, std::string& reason,
                   std::uint64_t limit, platform::Info* described) {
    Message said;
    const bool read = ReadWholeFile(path, bytes, said, limit, described);
    if (!read)
        reason = English(said);
    return read;
}

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes, Message& reason,
                   std::uint64_t limit, platform::Info* described) {
    bytes.clear();
    platform::Handle file = OpenRegular(path, platform::kRead, reason);
    if (file == platform::kNoHandle)
        return false;
    const FileCloser closer(file);
    platform::Info info;
    if (!platform::Describe(file, info)) {
        reason = SystemReason(errno);
        return false;
    }
    if (described)
        *described = info;
    if (info.size > limit) {
        reason = {MessageKind::TooLarge, {std::to_string(info.size)}};
        return false;
    }
    bytes.resize(static_cast<std::size_t>(info.size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::int64_t n = platform::Read(file, bytes.data() + done, bytes.size() - done);
        if (n <= 0) {
            // A file that shrank while it was read is read as far as it goes.
            if (n == 0) {
                bytes.resize(done);
                return true;
            }
            reason = SystemReason(errno);
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool IsLinkLoop(const std::string& path) {
    platform::Info info;
    if (!platform::DescribePath(path, info) || info.kind != platform::Kind::Link)
        return false;
    return !platform::DescribePath(path, info, true) && errno == ELOOP;
}

bool CreateFolder(const std::string& path) {
    return platform::CreateFolder(path);
}

bool DeleteFile(const std::string& path) {
    std::error_code ec;
    return stdfs::remove(platform::ToPath(path), ec) && !ec;
}

std::optional<std::uintmax_t> FreeSpace(const std::string& path) {
    std::error_code ec;
    stdfs::path p = stdfs::absolute(platform::ToPath(path.empty() ? "." : path), ec);
    while (!p.empty() && !stdfs::exists(p, ec) && p.has_parent_path() && p != p.parent_path())
        p = p.parent_path();
    return platform::FreeSpace(platform::FromPath(p));
}

std::string CurrentDirectory() {
    return platform::CurrentDirectory();
}

bool SetCurrentDirectory(const std::string& path) {
    return platform::SetCurrentDirectory(path);
}

std::string ProgramDirectory(const char* argv0) {
    return platform::ProgramDirectory(argv0);
}

std::string Native(std::string_view path) {
    std::string result(path);
    std::replace(result.begin(), result.end(), '\\', kSeparator);
    return result;
}

bool IsAbsolute(std::string_view path) {
    return platform::ToPath(Native(path)).has_root_directory();
}

std::string Join(std::string_view dir, std::string_view relative) {
    std::string result = Native(dir);
    std::string rel = Native(relative);
    if (!result.empty() && result.back() != kSeparator && !rel.empty() && rel.front() != kSeparator)
        result += kSeparator;
    if (!result.empty() && result.back() == kSeparator && !rel.empty() && rel.front() == kSeparator)
        rel.erase(0, 1);
    return result + rel;
}

namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

} // namespace

std::string ResolveCase(const std::string& path) {
    if (path.empty() || Exists(path))
        return path;
    const std::string native = Native(path);
    std::string resolved;
    std::size_t pos = 0;
    if (!native.empty() && native.front() == kSeparator) {
        resolved = "/";
        pos = 1;
    }
    bool matching = true;
    while (pos <= native.size()) {
        std::size_t next = native.find(kSeparator, pos);
        if (next == std::string::npos)
            next = native.size();
        const std::string component = native.substr(pos, next - pos);
        std::string chosen = component;
        const std::string folder = resolved.empty() ? "." : resolved;
        if (matching && !component.empty() && component != "." && component != ".." &&
            !Exists(Join(folder, component))) {
            bool found = false;
            std::vector<platform::Entry> entries;
            platform::ListFolder(folder, entries);
            for (const platform::Entry& entry : entries) {
                if (EqualsIgnoringCase(entry.name, component)) {
                    chosen = entry.name;
                    found = true;
                    break;
                }
            }
            matching = found;
        }
        if (!resolved.empty() && resolved.back() != kSeparator)
            resolved += kSeparator;
        resolved += chosen;
        if (next == native.size())
            break;
        pos = next + 1;
        if (pos == native.size()) {
            resolved += kSeparator; // keep a trailing separator
            break;
        }
    }
    return resolved;
}

std::string FileNamePart(std::string_view path) {
    const auto cut = path.find_last_of("\\/:");
    return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

bool EnsureBackup(const std::string& path) {
    const std::string backup = path + ".bak";
    if (Exists(backup) || !Exists(path))
        return true;
    // Copying a FIFO or a device would wait or never end.
    std::string reason;
    platform::Handle file = OpenRegular(path, platform::kRead, reason);
    if (file == platform::kNoHandle)
        return false;
    const FileCloser closer(file);
    platform::Info info;
    std::vector<std::uint8_t> bytes;
    bool read = platform::Describe(file, info);
    if (read) {
        bytes.resize(static_cast<std::size_t>(info.size));
        std::size_t done = 0;
        while (read && done < bytes.size()) {
            const std::int64_t n = platform::Read(file, bytes.data() + done, bytes.size() - done);
            read = n > 0;
            done += read ? static_cast<std::size_t>(n) : 0;
        }
    }
    return read && WriteFileDurably(backup, bytes, info.mode).Ok();
}

namespace {

// One attempt at a durable write; `temp` is set once the file beside the target exists.
class DurableWrite {
public:
    DurableWrite(const std::string& path, TransferFaults* faults)
        : path_(path), target_(path), faults_(faults) {}
    ~DurableWrite() {
        platform::CloseFile(file_);
        if (!temp_.empty())
            platform::Remove(temp_);
    }

    FileResult Run(std::span<const std::uint8_t> bytes, unsigned mode) {
        platform::Info info;
        if (platform::DescribePath(path_, info) && info.kind == platform::Kind::Link) {
            Message why;
            target_ = RegularLinkTarget(path_, why);
            if (target_.empty())
                return Refuse(why);
        }
        const bool exists = platform::DescribePath(target_, info);
        if (exists) {
            if (info.kind != platform::Kind::Regular)
                return Refuse(KindOfNonRegular(info.kind));
            mode = info.mode;
        } else if (errno != ENOENT) {
            return NotOpened(errno);
        }
        if (!Create(mode))
            return NotOpened(errno);
        // A file that came without the owner's write access keeps it too, so setting the mode
        // after the umask-limited create gives an existing file's mode back exactly.
        if (exists && (Injected(EIO) || !platform::SetMode(file_, mode)))
            return Failed(errno);
        const std::uint8_t* data = bytes.data();
        std::size_t left = bytes.size();
        if (Injected(ENOSPC))
            return Failed(errno);
        while (left > 0) {
            const std::int64_t n = platform::Write(file_, data, left);
            if (n <= 0)
                return Failed(n < 0 ? errno : ENOSPC);
            data += n;
            left -= static_cast<std::size_t>(n);
        }
        if (Injected(EIO) || !platform::Flush(file_))
            return Failed(errno);
        const platform::Handle file = std::exchange(file_, platform::kNoHandle);
        if (!platform::CloseFile(file) || Injected(EIO))
            return Failed(errno);
        if (Injected(EIO) || !platform::Replace(temp_, target_))
            return Failed(errno);
        temp_.clear();
        return FlushFolder();
    }

private:
    bool Injected(int error) {
        if (!faults_ || !faults_->Tick())
            return false;
        errno = error;
        return true;
    }

    // A name of its own beside the target, so two writers never share a scratch file.
    bool Create(unsigned mode) {
        static std::atomic<unsigned> serial{0};
        if (Injected(EIO))
            return false;
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::string temp = target_ + ".psn-" + std::to_string(platform::ProcessId()) +
                                     "-" + std::to_string(serial++);
            file_ = platform::OpenFile(
                temp, platform::kWrite | platform::kCreate | platform::kExclusive, mode);
            if (file_ != platform::kNoHandle) {
                temp_ = temp;
                return true;
            }
            if (errno != EEXIST)
                return false;
        }
        return false;
    }

    FileResult FlushFolder() {
        std::string folder = platform::FromPath(platform::ToPath(target_).parent_path());
        if (folder.empty())
            folder = ".";
        if (Injected(EIO) || !platform::FlushFolder(folder))
            return Failed(errno);
        return {};
    }

    FileResult Refuse(const Message& why) {
        return FileResult::Failure(FileResult::Status::Refused, path_, why,
                                   {MessageKind::CannotWriteRefused, {path_, why}});
    }
    FileResult NotOpened(int error) { return Fail(FileResult::Status::NotOpened, error); }
    FileResult Failed(int error) { return Fail(FileResult::Status::Failed, error); }
    FileResult Fail(FileResult::Status status, int error) {
        const std::string reason = SystemReason(error);
        return FileResult::Failure(status, path_, reason,
                                   {MessageKind::CannotWrite, {path_, reason}});
    }

    std::string path_;
    std::string target_; // the file written: the path, or the regular file a link leads to
    TransferFaults* faults_;
    std::string temp_;
    platform::Handle file_ = platform::kNoHandle;
};

} // namespace

FileResult WriteFileDurably(const std::string& path, std::span<const std::uint8_t> bytes,
                            unsigned mode, TransferFaults* faults) {
    DurableWrite write(path, faults);
    return write.Run(bytes, mode);
}

} // namespace psn::fs
