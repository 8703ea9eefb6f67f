// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/commit.h"

#include "core/checksum.h"
#include "core/editions.h"
#include "core/fs.h"
#include "core/game_file.h"
#include "core/game_layout.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <span>
#include <sstream>
#include <utility>

namespace psn {
namespace stdfs = std::filesystem;
namespace {

constexpr std::size_t kChunk = 1 << 20;
constexpr const char* kRecordHeader = "psniaed commit record";
constexpr const char* kProgramLine = "by ";
constexpr std::size_t kMaxProgramName = 32;

// The program a record names, as it may be shown: a record may come with any game folder, so
// the name is cut short and holds nothing but printable ASCII.
std::string ShownProgram(std::string_view name) {
    std::string shown(name.substr(0, kMaxProgramName));
    for (char& c : shown)
        if (c < 0x21 || c > 0x7E)
            c = '?';
    return shown;
}

// The game's executable is about 5.7 MB; far larger is something else (a disk image, say).
constexpr std::uint64_t kMaxExeSize = 16u << 20;
constexpr std::uint64_t kTrailerSize = 4;
constexpr std::int64_t kNanoseconds = 1'000'000'000;
// Times far beyond any file's (the year 2255) would not fit in nanoseconds.
constexpr long long kMaxSeconds = 9'000'000'000;

std::string Upper(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return result;
}

std::string BaseName(std::string_view path) {
    const auto cut = path.find_last_of('/');
    return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

std::vector<std::string> Components(std::string_view relative) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    while (true) {
        const std::size_t cut = relative.find('/', from);
        parts.emplace_back(relative.substr(from, cut == std::string_view::npos ? cut : cut - from));
        if (cut == std::string_view::npos)
            return parts;
        from = cut + 1;
    }
}

bool IsTrackFileName(std::string_view upper) {
    if (upper.size() != 10 || !upper.starts_with("F1CT") || !upper.ends_with(".DAT") ||
        !std::isdigit(static_cast<unsigned char>(upper[4])) ||
        !std::isdigit(static_cast<unsigned char>(upper[5])))
        return false;
    const int number = (upper[4] - '0') * 10 + (upper[5] - '0');
    return number >= 1 && number <= 16;
}

// Whether `path` lies inside the folder `root` (both absolute and normal).
bool Inside(const std::string& path, const std::string& root) {
    if (root.empty())
        return false;
    if (root == "/")
        return path.size() > 1 && path.front() == '/';
    return path.size() > root.size() && path.compare(0, root.size(), root) == 0 &&
           path[root.size()] == '/';
}

std::string RealPath(const std::string& path) {
    std::error_code ec;
    const stdfs::path real = stdfs::weakly_canonical(platform::ToPath(path), ec);
    return ec ? std::string() : platform::FromPath(real);
}

// Whether a file's last four bytes are the checksum trailer over its start.
bool TrailerFits(platform::Handle fd, std::uint64_t size) {
    if (size <= kTrailerSize)
        return false;
    std::vector<std::uint8_t> head(
        static_cast<std::size_t>(std::min<std::uint64_t>(size, kChecksumReadLimit)));
    std::array<std::uint8_t, kTrailerSize> trailer{};
    if (platform::ReadAt(fd, head.data(), head.size(), 0) !=
            static_cast<std::int64_t>(head.size()) ||
        platform::ReadAt(fd, trailer.data(), trailer.size(), size - kTrailerSize) !=
            static_cast<std::int64_t>(trailer.size()))
        return false;
    const ChecksumTrailer sums = ComputeChecksum(head);
    return trailer[0] == (sums.byteSum & 0xFF) && trailer[1] == (sums.byteSum >> 8) &&
           trailer[2] == (sums.rotatingSum & 0xFF) && trailer[3] == (sums.rotatingSum >> 8);
}

[[noreturn]] void Raise(const std::string& path, int error) {
    throw FileAccessError(kFileAccessError, path, SystemReason(error));
}

std::string Folder(const std::string& path) {
    const std::string parent = platform::FromPath(platform::ToPath(path).parent_path());
    return parent.empty() ? "." : parent;
}

bool Exists(const std::string& path) {
    platform::Info info;
    return platform::DescribePath(path, info);
}

// The system calls of a commit, each one a transfer that tests can make fail. `shown` is the file
// the user knows (the game file, not its scratch copy).
class Steps {
public:
    explicit Steps(std::shared_ptr<TransferFaults> faults) : faults_(std::move(faults)) {}

    // Counts the step; an injected failure is the reason given.
    void Tick(const std::string& shown) {
        if (faults_ && faults_->Tick())
            Raise(shown, EIO);
    }
    platform::Handle Open(const std::string& path, unsigned flags, const std::string& shown,
                          unsigned mode = 0600) {
        Tick(shown);
        const platform::Handle fd = platform::OpenFile(path, flags, mode);
        if (fd == platform::kNoHandle)
            Raise(shown, errno);
        return fd;
    }
    void Write(platform::Handle fd, const std::uint8_t* data, std::size_t length,
               const std::string& shown) {
        Tick(shown);
        while (length > 0) {
            const std::int64_t n = platform::Write(fd, data, length);
            if (n <= 0)
                Raise(shown, n < 0 ? errno : ENOSPC);
            data += n;
            length -= static_cast<std::size_t>(n);
        }
    }
    void WriteAt(platform::Handle fd, const std::uint8_t* data, std::size_t length,
                 std::uint64_t at, const std::string& shown) {
        Tick(shown);
        while (length > 0) {
            const std::int64_t n = platform::WriteAt(fd, data, length, at);
            if (n <= 0)
                Raise(shown, n < 0 ? errno : ENOSPC);
            data += n;
            at += static_cast<std::uint64_t>(n);
            length -= static_cast<std::size_t>(n);
        }
    }
    void Read(platform::Handle fd, std::uint8_t* data, std::size_t length, std::uint64_t at,
              const std::string& shown) {
        while (length > 0) {
            const std::int64_t n = platform::ReadAt(fd, data, length, at);
            if (n <= 0)
                throw FileAccessError(kFileAccessError, shown,
                                      n < 0 ? Message(SystemReason(errno))
                                            : Message(MessageKind::EndedEarly, {}));
            data += n;
            at += static_cast<std::uint64_t>(n);
            length -= static_cast<std::size_t>(n);
        }
    }
    void Flush(platform::Handle fd, const std::string& shown) {
        Tick(shown);
        if (!platform::Flush(fd))
            Raise(shown, errno);
    }
    void Close(platform::Handle fd, const std::string& shown) {
        const bool injected = faults_ && faults_->Tick();
        const bool closed = platform::CloseFile(fd);
        if (injected)
            Raise(shown, EIO);
        if (!closed)
            Raise(shown, errno);
    }
    void Rename(const std::string& from, const std::string& to, const std::string& shown) {
        Tick(shown);
        if (!platform::Replace(from, to))
            Raise(shown, errno);
    }
    void FlushFolder(const std::string& folder) {
        Tick(folder);
        if (!platform::FlushFolder(folder))
            Raise(folder, errno);
    }
    // Counts a clean-up step after the commit's point of no return: it is not allowed to fail.
    void Pass() {
        if (faults_)
            faults_->Tick();
    }

private:
    std::shared_ptr<TransferFaults> faults_;
};

// Closes a descriptor on the way out of a failed step.
struct FdGuard {
    platform::Handle fd = platform::kNoHandle;
    ~FdGuard() { platform::CloseFile(fd); }
    platform::Handle Release() { return std::exchange(fd, platform::kNoHandle); }
};

// Writes the staged content of a file (its base with the dirty pages on top) to `temp`, flushed.
void WriteStaged(Steps& steps, const StagedFile& file, const std::string& temp, unsigned mode) {
    FdGuard in, out;
    Message reason;
    in.fd = fs::OpenRegular(file.base, platform::kRead, reason);
    if (in.fd == platform::kNoHandle)
        throw FileAccessError(kFileAccessError, file.base, reason);
    out.fd = steps.Open(temp, platform::kWrite | platform::kCreate | platform::kTruncate,
                        file.target, mode);
    std::vector<std::uint8_t> chunk;
    for (std::uint64_t at = 0; at < file.size; at += kChunk) {
        const std::size_t length =
            static_cast<std::size_t>(std::min<std::uint64_t>(kChunk, file.size - at));
        chunk.assign(length, 0);
        if (at < file.baseSize)
            steps.Read(
                in.fd, chunk.data(),
                static_cast<std::size_t>(std::min<std::uint64_t>(length, file.baseSize - at)), at,
                file.base);
        const auto first = file.pages.lower_bound(at / StagedFile::kPageSize);
        for (auto page = first; page != file.pages.end(); ++page) {
            const std::uint64_t start = page->first * StagedFile::kPageSize;
            if (start >= at + length)
                break;
            if (!page->second.dirty)
                continue;
            const std::size_t n = static_cast<std::size_t>(
                std::min<std::uint64_t>(StagedFile::kPageSize, at + length - start));
            std::copy_n(page->second.data.begin(), n,
                        chunk.begin() + static_cast<std::ptrdiff_t>(start - at));
        }
        steps.Write(out.fd, chunk.data(), chunk.size(), file.target);
    }
    platform::SetMode(out.fd, mode);
    steps.Flush(out.fd, file.target);
    steps.Close(out.Release(), file.target);
}

// Calls `visit(start, disk, page)` for each page the command wrote, with the bytes the file holds
// under it; false when one cannot be read or `visit` says to stop.
template <typename Visit>
bool EachWrittenPage(platform::Handle fd, const StagedFile& file, Visit&& visit) {
    std::vector<std::uint8_t> disk(StagedFile::kPageSize);
    for (const auto& [index, page] : file.pages) {
        if (!page.dirty)
            continue;
        const std::uint64_t start = index * StagedFile::kPageSize;
        const std::size_t length = static_cast<std::size_t>(
            std::min<std::uint64_t>(StagedFile::kPageSize, file.size - start));
        if (platform::ReadAt(fd, disk.data(), length, start) != static_cast<std::int64_t>(length) ||
            !visit(start, std::span<const std::uint8_t>(disk.data(), length), page))
            return false;
    }
    return true;
}

// Whether the staged content differs from what is on disk: pages written with the values they
// already held change nothing, and such a file is not rewritten.
bool DiffersFromDisk(const StagedFile& file) {
    if (file.copied || file.size != file.baseSize)
        return true;
    FdGuard in;
    std::string reason;
    in.fd = fs::OpenRegular(file.base, platform::kRead, reason);
    return in.fd == platform::kNoHandle ||
           !EachWrittenPage(
               in.fd, file,
               [](std::uint64_t, std::span<const std::uint8_t> disk, const StagedPage& page) {
                   return std::equal(disk.begin(), disk.end(), page.data.begin());
               });
}

// Keeps the user's first original as "<name>.bak"; an existing backup is never replaced. Returns
// whether a backup was made.
bool EnsureDurableBackup(Steps& steps, const std::string& target) {
    const std::string backup = target + ".bak";
    if (Exists(backup) || !Exists(target))
        return false;
    StagedFile whole;
    whole.target = backup;
    whole.base = target;
    platform::Info info;
    if (!platform::DescribePath(target, info, true))
        Raise(target, errno);
    whole.baseSize = whole.size = info.size;
    const std::string temp = backup + kNewSuffix;
    try {
        WriteStaged(steps, whole, temp, info.mode);
        steps.Rename(temp, backup, backup);
    } catch (...) {
        platform::Remove(temp);
        throw;
    }
    return true;
}

// Why a staged file must not be written. A file changed in place must be what its name says; a
// whole-file copy (a restore, an install) may replace a damaged file of the game, but through a
// link it replaces only the game file it claims to be.
// `trailer`: the file on disk is the one the command started from, so its trailer must fit; a
// file committed alone may be one that an earlier commit of the same action left for its trailer
// to be renewed.
Message TargetProblem(const StagedFile& file, const std::string& key, const std::string& real,
                      bool trailer) {
    const std::string claimed = BaseName(key);
    if (!file.copied)
        return ClaimProblemSaid(real, claimed, trailer);
    platform::Info info;
    if (!platform::DescribePath(real, info, true))
        return errno == ELOOP ? Message(MessageKind::LinkLoops, {}) : Message();
    const std::string folder = RealPath(Folder(key));
    const bool linked = !folder.empty() && real != fs::Join(folder, claimed);
    if (!linked)
        return info.kind == platform::Kind::Regular ? Message() : ClaimProblemSaid(real, claimed);
    if (Message problem = ClaimProblemSaid(real, claimed); !problem.Empty())
        return problem;
    if (Upper(BaseName(real)) != Upper(claimed))
        return {MessageKind::LinkToOtherFile, {real}};
    return {};
}

// Bytes changed in place, with what they held before.
struct Run {
    std::uint64_t at = 0;
    std::vector<std::uint8_t> now, before;
};

struct Entry {
    Entry(std::string name, std::string target, bool created)
        : name(std::move(name)), target(std::move(target)), created(created) {}

    std::string name;     // as the record names it: relative to the game folder
    std::string target;   // the file acted on, where it really is
    bool created = false; // the file did not exist before the command
    bool patched = false; // changed in place by `runs` instead of replaced whole
    std::vector<Run> runs;
    std::optional<std::int64_t> modifiedNs; // a patched file's time of change, put back by an undo
};

// A change of a few bytes is written in place, journalled in the commit record, rather than
// copying a 5.6 MB executable beside itself. Past this many changed bytes the whole file is
// written; the record stays far below its size limit.
constexpr std::size_t kMaxPatchBytes = 64 << 10;
// Changed bytes closer than this are one run: fewer record lines and writes.
constexpr std::uint64_t kRunGap = 16;

std::string Hex(const std::vector<std::uint8_t>& bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const std::uint8_t byte : bytes) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 15];
    }
    return text;
}

bool FromHex(std::string_view text, std::vector<std::uint8_t>& bytes) {
    if (text.empty() || text.size() % 2 != 0)
        return false;
    bytes.clear();
    for (std::size_t i = 0; i < text.size(); i += 2) {
        int value = 0;
        for (const char c : text.substr(i, 2)) {
            const int digit = c >= '0' && c <= '9'   ? c - '0'
                              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                                     : -1;
            if (digit < 0)
                return false;
            value = value * 16 + digit;
        }
        bytes.push_back(static_cast<std::uint8_t>(value));
    }
    return true;
}

std::string& ProgramName() {
    static std::string name;
    return name;
}

std::string RecordText(const std::vector<Entry>& entries, bool forward) {
    std::ostringstream out;
    out << kRecordHeader << "\n" << (forward ? "complete" : "undo") << "\n";
    if (!CommittingProgram().empty())
        out << kProgramLine << CommittingProgram() << "\n";
    for (const Entry& entry : entries) {
        out << (entry.patched   ? "patch "
                : entry.created ? "create "
                                : "replace ")
            << entry.name << "\n";
        for (const Run& run : entry.runs)
            out << "at " << run.at << " " << Hex(run.now) << " " << Hex(run.before) << "\n";
        if (entry.modifiedNs) {
            // Whole seconds rounded down, so the nanoseconds are never negative.
            const std::int64_t seconds =
                *entry.modifiedNs / kNanoseconds - (*entry.modifiedNs % kNanoseconds < 0 ? 1 : 0);
            out << "modified " << seconds << " " << *entry.modifiedNs - seconds * kNanoseconds
                << "\n";
        }
    }
    out << "end\n";
    return out.str();
}

// Writes a patched file's runs, new or old, and flushes them. Safe to repeat.
void ApplyRuns(Steps& steps, const Entry& entry, bool forward) {
    FdGuard out;
    out.fd = steps.Open(entry.target, platform::kWrite | platform::kNoFollow, entry.target);
    for (const Run& run : entry.runs) {
        const std::vector<std::uint8_t>& bytes = forward ? run.now : run.before;
        steps.WriteAt(out.fd, bytes.data(), bytes.size(), run.at, entry.target);
    }
    // Undone, the file is as it was, its time of change too.
    if (!forward && entry.modifiedNs)
        platform::SetModified(out.fd, *entry.modifiedNs);
    steps.Flush(out.fd, entry.target);
    steps.Close(out.Release(), entry.target);
}

// Whether a file may be changed in place, and its runs when it may: only a file this command
// read, of unchanged size, with nothing else sharing its bytes (a hard link would carry the change
// out of the game folder) and writable as it is (a read-only one is replaced whole, which leaves
// it writable for the game). Everything else is written whole.
bool PatchRuns(const StagedFile& file, Entry& entry, std::size_t& budget) {
    if (file.copied || file.size != file.baseSize || entry.created)
        return false;
    FdGuard in;
    in.fd = platform::OpenFile(entry.target, platform::kRead | platform::kNoFollow, 0);
    platform::Info info;
    if (in.fd == platform::kNoHandle || !platform::Describe(in.fd, info) || info.links != 1 ||
        !(info.mode & 0200) || info.size != file.size)
        return false;
    std::vector<Run> runs;
    std::size_t total = 0;
    const auto changes = [&](std::uint64_t start, std::span<const std::uint8_t> disk,
                             const StagedPage& page) {
        for (std::size_t i = 0; i < disk.size(); ++i) {
            if (disk[i] == page.data[i])
                continue;
            const std::uint64_t at = start + i;
            if (runs.empty() || at - (runs.back().at + runs.back().now.size()) > kRunGap)
                runs.push_back({at, {}, {}});
            Run& run = runs.back();
            // Bytes in the gap are unchanged; they are written again with what they hold.
            while (run.at + run.now.size() < at) {
                const std::uint64_t gap = run.at + run.now.size();
                std::uint8_t held = 0;
                if (gap >= start)
                    held = disk[gap - start];
                else if (platform::ReadAt(in.fd, &held, 1, gap) != 1)
                    return false;
                run.now.push_back(held);
                run.before.push_back(held);
                ++total;
            }
            run.now.push_back(page.data[i]);
            run.before.push_back(disk[i]);
            ++total;
        }
        return total <= budget;
    };
    if (!EachWrittenPage(in.fd, file, changes))
        return false;
    budget -= total;
    entry.patched = true;
    entry.modifiedNs = info.modifiedNs;
    entry.runs = std::move(runs);
    return true;
}

void WriteRecord(Steps& steps, const std::string& path, const std::string& text) {
    const std::string temp = path + kNewSuffix;
    FdGuard out;
    out.fd =
        steps.Open(temp, platform::kWrite | platform::kCreate | platform::kTruncate, path, 0644);
    steps.Write(out.fd, reinterpret_cast<const std::uint8_t*>(text.data()), text.size(), path);
    steps.Flush(out.fd, path);
    steps.Close(out.Release(), path);
    steps.Rename(temp, path, path);
    steps.FlushFolder(Folder(path));
}

// Puts the files of a commit back as they were: the old content over the target, a created
// target removed, the new content dropped. Safe to repeat.
void Undo(const std::vector<Entry>& entries) {
    for (const Entry& entry : entries) {
        if (entry.patched) {
            Steps quiet({});
            ApplyRuns(quiet, entry, false);
            continue;
        }
        const std::string old = entry.target + kOldSuffix;
        platform::Info oldInfo, targetInfo;
        if (platform::DescribePath(old, oldInfo)) {
            // A link to the target itself: renaming it would do nothing.
            if (platform::DescribePath(entry.target, targetInfo) && oldInfo.id == targetInfo.id &&
                oldInfo.volume == targetInfo.volume)
                platform::Remove(old);
            else if (!platform::Replace(old, entry.target))
                Raise(entry.target, errno);
        } else if (entry.created) {
            platform::Remove(entry.target);
        }
        platform::Remove(entry.target + kNewSuffix);
    }
}

// Puts every new content in place and drops the old ones. Safe to repeat.
void Complete(const std::vector<Entry>& entries) {
    for (const Entry& entry : entries) {
        if (entry.patched) {
            Steps quiet({});
            ApplyRuns(quiet, entry, true);
            continue;
        }
        const std::string temp = entry.target + kNewSuffix;
        if (Exists(temp) && !platform::Replace(temp, entry.target))
            Raise(entry.target, errno);
    }
}

void RemoveOld(const std::vector<Entry>& entries) {
    for (const Entry& entry : entries)
        platform::Remove(entry.target + kOldSuffix);
}

void FlushFolders(const std::vector<Entry>& entries, const std::string& recordDir) {
    std::set<std::string> folders{recordDir};
    for (const Entry& entry : entries)
        folders.insert(Folder(entry.target));
    for (const std::string& folder : folders)
        platform::FlushFolder(folder);
}

// The entries of a commit, one per file. Nothing is written unless every file is what its name
// says it is. A game file reached through a link is replaced where it really is, the link kept.
std::vector<Entry> CheckedTargets(const std::vector<StagedFile*>& files,
                                  const std::string& recordDir) {
    const std::string root = recordDir.empty() ? std::string() : Staging::Key(recordDir);
    std::vector<Entry> entries;
    for (StagedFile* file : files) {
        const std::string key = file->target;
        std::string real = RealPath(key);
        if (real.empty())
            real = key;
        if (Message problem = TargetProblem(*file, key, real, !recordDir.empty()); !problem.Empty())
            throw RefusedFileError(kFileAccessError, key,
                                   Message(MessageKind::LeftAlone, {std::move(problem)}));
        file->target = real;
        // The record names files relative to the game folder, which may travel; a file
        // elsewhere (an executable's folder of its own) is named in full.
        entries.push_back(
            {Inside(key, root) ? key.substr(root.size() + (root == "/" ? 0 : 1)) : key, real,
             !psn::Exists(real)});
    }
    return entries;
}

// One commit on its way: the new contents are staged beside their files, then published over
// them; a failure on the way rolls everything back, the backups made on the way too.
class CommitRun {
public:
    CommitRun(std::shared_ptr<TransferFaults> faults, std::vector<Entry> entries,
              std::string recordDir, bool inPlace)
        : steps_(std::move(faults)), entries_(std::move(entries)), recordDir_(std::move(recordDir)),
          record_(fs::Join(recordDir_, kCommitRecordName)), inPlace_(inPlace) {}

    // Writes everything new beside its file, or keeps the few bytes to change in place; a failure
    // here changes no game file.
    void Stage(const std::vector<StagedFile*>& files) {
        std::size_t budget = kMaxPatchBytes;
        for (std::size_t i = 0; i < files.size(); ++i) {
            const StagedFile* file = files[i];
            if (EnsureDurableBackup(steps_, file->target))
                backups_.push_back(file->target + ".bak");
            // Changing in place needs the record to finish or undo it after a crash.
            if (inPlace_ && PatchRuns(*file, entries_[i], budget))
                continue;
            // The game writes its save state, so a written file keeps its owner's write access
            // even where the original came read-only (from a CD).
            platform::Info info;
            const unsigned mode =
                (platform::DescribePath(file->target, info, true) ? info.mode : 0644u) | 0200u;
            WriteStaged(steps_, *file, file->target + kNewSuffix, mode);
        }
    }

    void Publish() {
        if (entries_.size() == 1 && !entries_.front().patched) {
            // One file needs no record: its rename is all-or-nothing by itself.
            const Entry& entry = entries_.front();
            steps_.Rename(entry.target + kNewSuffix, entry.target, entry.target);
            return;
        }
        phase_ = Phase::Recording;
        WriteRecord(steps_, record_, RecordText(entries_, true));
        phase_ = Phase::Replacing;
        std::set<std::string> folders;
        for (const Entry& entry : entries_) {
            if (entry.patched) {
                ApplyRuns(steps_, entry, true);
                continue;
            }
            const std::string old = entry.target + kOldSuffix;
            // The old content stays reachable under a second name until the commit ends; a link
            // keeps the file in place meanwhile, where the file system has links.
            if (!entry.created) {
                platform::Remove(old);
                steps_.Tick(entry.target);
                if (!platform::Link(entry.target, old) && !platform::Replace(entry.target, old))
                    Raise(entry.target, errno);
            }
            steps_.Rename(entry.target + kNewSuffix, entry.target, entry.target);
            folders.insert(Folder(entry.target));
        }
        for (const std::string& folder : folders)
            steps_.FlushFolder(folder);
    }

    // Puts every file back as it was, without the scratch files and backups of this commit.
    void RollBack() {
        if (phase_ == Phase::Replacing) {
            // The record says "undo" before anything is put back, so a crash meanwhile is undone
            // too. When the files cannot be put back, the record stays for the next start.
            try {
                Steps quiet({});
                WriteRecord(quiet, record_, RecordText(entries_, false));
                Undo(entries_);
                FlushFolders(entries_, recordDir_);
            } catch (const FileAccessError&) {
                return;
            }
        }
        for (const Entry& entry : entries_)
            platform::Remove(entry.target + kNewSuffix);
        if (phase_ != Phase::Staging) {
            platform::Remove(record_);
            platform::Remove(record_ + kNewSuffix);
        }
        for (const std::string& backup : backups_)
            platform::Remove(backup);
    }

    // Past the publication the commit stands: clean-up failures only leave scratch files that
    // the next start removes.
    void Finish() {
        steps_.Pass();
        if (phase_ == Phase::Staging) {
            FlushFolders(entries_, Folder(entries_.front().target));
            return;
        }
        platform::Remove(record_);
        FlushFolders({}, recordDir_);
        steps_.Pass();
        RemoveOld(entries_);
    }

private:
    // How far the publication got: the record is written in Recording, files are replaced
    // in Replacing.
    enum class Phase { Staging, Recording, Replacing };

    Steps steps_;
    std::vector<Entry> entries_;
    std::string recordDir_;
    std::string record_;
    std::vector<std::string> backups_;
    bool inPlace_;
    Phase phase_ = Phase::Staging;
};

} // namespace

bool IsWrittenGameFile(std::string_view relative) {
    const std::vector<std::string> parts = Components(Upper(relative));
    if (parts.size() == 1)
        return parts[0] == "PSN.EXE" || parts[0] == "F1GSTATE.SAV";
    if (parts.size() != 2)
        return false;
    if (parts[0] == "CIRCUITS")
        return IsTrackFileName(parts[1]);
    if (parts[0] == "BITMAPS")
        return parts[1] == "CPITHI.PCX" || parts[1] == "CPITLOW.PCX";
    // The helmet archive is the converter's, but a season switch writes it with the rest.
    return parts[0] == "GAMEJAMS" &&
           (parts[1] == "HELMETS1.JAM" || std::find(kCarSetArchives.begin(), kCarSetArchives.end(),
                                                    parts[1]) != kCarSetArchives.end());
}

std::string ClaimProblem(const std::string& path, std::string_view claimed, bool trailer) {
    return English(ClaimProblemSaid(path, claimed, trailer));
}

Message ClaimProblemSaid(const std::string& path, std::string_view claimed, bool trailer) {
    Message reason;
    FdGuard in;
    in.fd = fs::OpenRegular(path, platform::kRead, reason);
    if (in.fd == platform::kNoHandle)
        return reason;
    platform::Info info;
    if (!platform::Describe(in.fd, info))
        return SystemReason(errno);
    const std::uint64_t size = info.size;
    const std::string name = Upper(claimed);
    if (name == "PSN.EXE") {
        std::uint8_t edition = 0;
        if (size <= kEditionByteOffset || size > kMaxExeSize)
            return {MessageKind::NotTheExeSize, {std::to_string(size)}};
        if (platform::ReadAt(in.fd, &edition, 1, kEditionByteOffset) != 1 ||
            EditionFromByte(edition, -1) < 0)
            return {MessageKind::NotTheExeEdition, {}};
        return {};
    }
    if (name == "F1GSTATE.SAV")
        return !trailer || TrailerFits(in.fd, size) ? Message()
                                                    : Message(MessageKind::NotTheSaveState, {});
    if (IsTrackFileName(name)) {
        std::array<std::uint8_t, 2> pointer{};
        if (size < trackfile::kSetupPointer + pointer.size() + kTrailerSize ||
            platform::ReadAt(in.fd, pointer.data(), pointer.size(), trackfile::kSetupPointer) != 2)
            return {MessageKind::TrackTooShort, {}};
        const std::uint16_t setup =
            static_cast<std::uint16_t>((pointer[0] | (pointer[1] << 8)) + trackfile::kSetupBase);
        if (setup + trackfile::kBlockEnd + kTrailerSize > size)
            return {MessageKind::TrackSetupBeyondEnd, {}};
        if (trailer && !TrailerFits(in.fd, size))
            return {MessageKind::TrackTrailer, {}};
    }
    return {};
}

bool StagedFile::Touched() const {
    return copied || size != baseSize ||
           std::any_of(pages.begin(), pages.end(), [](const auto& p) { return p.second.dirty; });
}

Staging::Staging(std::shared_ptr<TransferFaults> faults, std::string recordDir)
    : faults_(std::move(faults)), recordDir_(std::move(recordDir)) {}

// Lexical, so that opening a file costs no extra system call; links are resolved only for the
// files a commit renames.
std::string Staging::Key(const std::string& path) {
    std::error_code ec;
    const stdfs::path absolute = stdfs::absolute(platform::ToPath(path), ec);
    std::string key = ec ? path : platform::FromPath(absolute.lexically_normal());
    while (key.size() > 1 && key.back() == '/')
        key.pop_back(); // a folder named with and without its trailing separator is one folder
    return key;
}

StagedFile* Staging::Find(const std::string& path) {
    const auto found = files_.find(Key(path));
    return found == files_.end() ? nullptr : &found->second;
}

StagedFile& Staging::Add(const std::string& path, std::uint64_t size) {
    const std::string key = Key(path);
    StagedFile& file = files_[key];
    file = StagedFile{};
    file.target = key;
    file.base = key;
    file.baseSize = file.size = size;
    return file;
}

void Staging::Copy(const std::string& source, const std::string& target) {
    platform::Info info;
    if (!platform::DescribePath(source, info, true))
        Raise(source, errno);
    if (info.kind != platform::Kind::Regular)
        Raise(source, EISDIR);
    // Readable: the copy is read at the commit, and a source that cannot be is refused now.
    std::string reason;
    platform::Handle readable = fs::OpenRegular(source, platform::kRead, reason);
    if (readable == platform::kNoHandle)
        Raise(source, errno);
    platform::CloseFile(readable);
    const std::string key = Key(target);
    if (Key(source) == key)
        return;
    platform::Info folder;
    if (!platform::DescribePath(Folder(key), folder, true) || folder.kind != platform::Kind::Folder)
        Raise(target, ENOENT);
    StagedFile& file = files_[key];
    file = StagedFile{};
    file.target = key;
    file.base = source;
    file.copied = true;
    file.baseSize = file.size = info.size;
}

bool Staging::Exists(const std::string& path) {
    return Find(path) || psn::Exists(path);
}

std::vector<std::string> Staging::Changed() const {
    std::vector<std::string> changed;
    for (const auto& [key, file] : files_)
        if (file.Touched() && DiffersFromDisk(file))
            changed.push_back(key);
    return changed;
}

std::vector<std::string> Staging::Copies() const {
    std::vector<std::string> copies;
    for (const auto& [key, file] : files_)
        if (file.copied)
            copies.push_back(key);
    return copies;
}

void Staging::Commit() {
    // The staging is empty afterwards, whatever happens.
    struct ClearAtEnd {
        std::map<std::string, StagedFile>& files;
        ~ClearAtEnd() { files.clear(); }
    } clear{files_};
    std::vector<StagedFile*> files;
    for (const std::string& key : Changed())
        files.push_back(&files_.at(key));
    if (files.empty())
        return;
    std::vector<Entry> entries = CheckedTargets(files, recordDir_);
    const std::string recordDir = recordDir_.empty() ? Folder(entries.front().target) : recordDir_;
    // Without a game folder to hold the record, every change is a whole file renamed into place.
    CommitRun run(faults_, std::move(entries), recordDir, !recordDir_.empty());
    try {
        run.Stage(files);
        run.Publish();
    } catch (...) {
        run.RollBack();
        throw;
    }
    run.Finish();
}

namespace {

constexpr std::size_t kMaxRecordSize = 1 << 20;

// The folder a record's names are relative to, and the same with its links resolved.
struct Root {
    std::string lexical, real;
    bool exeOnly = false; // the executable's own folder holds only the executable
};

// Reads the record without waiting on it (it may be anything a game folder holds).
std::string ReadRecordText(const std::string& record) {
    Message reason;
    FdGuard in;
    in.fd = fs::OpenRegular(record, platform::kRead, reason);
    if (in.fd == platform::kNoHandle)
        throw FileAccessError(kFileAccessError, record, reason);
    std::string text(kMaxRecordSize + 1, '\0');
    std::size_t done = 0;
    while (done < text.size()) {
        const std::int64_t n = platform::Read(in.fd, text.data() + done, text.size() - done);
        if (n < 0)
            Raise(record, errno);
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    text.resize(done);
    return text;
}

// The file a record's entry lets recovery act on. Everything else refuses the whole record.
Entry CheckedEntry(const std::string& record, const std::string& name, bool created,
                   const std::vector<Root>& roots) {
    const auto refuse = [&](MessageKind why, std::string arg = {}) -> Entry {
        Message reason(why, {});
        if (!arg.empty())
            reason.args.emplace_back(std::move(arg));
        throw RefusedFileError(kFileAccessError, record,
                               Message(MessageKind::RecordNames, {name, reason}));
    };
    if (name.empty())
        return refuse(MessageKind::EntryEmptyName);
    const Root* root = &roots.front();
    std::string relative = name;
    if (name.front() == '/') {
        // A record of an earlier version names files in full.
        const std::string normal = stdfs::path(name).lexically_normal().string();
        root = nullptr;
        for (const Root& candidate : roots)
            for (const std::string& form : {candidate.lexical, candidate.real})
                if (!root && !form.empty() && Inside(normal, form)) {
                    root = &candidate;
                    relative = normal.substr(form.size() + (form == "/" ? 0 : 1));
                }
        if (!root)
            return refuse(MessageKind::EntryOutside);
    }
    for (const std::string& part : Components(relative)) {
        if (part == "..")
            return refuse(MessageKind::EntryLeadsOut);
        if (part.empty() || part == ".")
            return refuse(MessageKind::EntryNotPlain);
    }
    if (Upper(relative).ends_with(".BAK"))
        return refuse(MessageKind::EntryBackup);
    if (Upper(BaseName(relative)) == Upper(kCommitRecordName))
        return refuse(MessageKind::EntryRecordItself);
    if (root->exeOnly ? Upper(relative) != "PSN.EXE" : !IsWrittenGameFile(relative))
        return refuse(MessageKind::EntryNotGameFile);
    const std::string path = fs::Join(root->lexical, relative);
    const std::string folder = RealPath(Folder(path));
    if (folder.empty() || (folder != root->real && !Inside(folder, root->real)))
        return refuse(MessageKind::EntryBehindLink);
    platform::Info info;
    if (!platform::DescribePath(path, info) || info.kind != platform::Kind::Link)
        return {relative, path, created};
    // The user's own link to the real game file elsewhere: the commit replaced that file.
    const std::string real = RealPath(path);
    if (created)
        return refuse(MessageKind::EntryLinkForCreated);
    if (real.empty() || Upper(BaseName(real)) != Upper(BaseName(relative)))
        return real.empty() ? refuse(MessageKind::EntryLinkNowhere)
                            : refuse(MessageKind::EntryLinkElsewhere, real);
    return {relative, real, created};
}

// "at OFFSET NEW OLD": a run of a patched file, its new and old bytes in hexadecimal.
bool ParseRun(const std::string& line, Run& run) {
    std::istringstream in(line);
    std::string at, offset, now, before, rest;
    if (!(in >> at >> offset >> now >> before) || (in >> rest) || at != "at" ||
        offset.find_first_not_of("0123456789") != std::string::npos || offset.size() > 12 ||
        !FromHex(now, run.now) || !FromHex(before, run.before) ||
        run.now.size() != run.before.size())
        return false;
    run.at = std::stoull(offset);
    return true;
}

// "modified SECONDS NANOSECONDS": a patched file's time of change before the commit.
std::optional<std::int64_t> ParseTime(const std::string& line) {
    std::istringstream in(line);
    std::string word, rest;
    long long seconds = 0, nanoseconds = 0;
    if (!(in >> word >> seconds >> nanoseconds) || (in >> rest) || word != "modified" ||
        nanoseconds < 0 || nanoseconds >= kNanoseconds || seconds < -kMaxSeconds ||
        seconds > kMaxSeconds)
        return std::nullopt;
    return seconds * kNanoseconds + nanoseconds;
}

// A patch may only change bytes of the regular game file it names, within its length, and only
// where nothing else shares them: the commit never patches anything else.
void CheckPatch(const std::string& record, const std::string& name, Entry& entry,
                std::vector<Run> runs, std::optional<std::int64_t> modified) {
    const auto refuse = [&](MessageKind why) {
        throw RefusedFileError(kFileAccessError, record,
                               Message(MessageKind::RecordPatches, {name, Message(why, {})}));
    };
    platform::Info info;
    if (!platform::DescribePath(entry.target, info) || info.kind != platform::Kind::Regular)
        refuse(MessageKind::PatchNotRegular);
    if (info.links != 1)
        refuse(MessageKind::PatchHardLink);
    std::size_t total = 0;
    for (const Run& run : runs) {
        total += run.now.size();
        if (run.at > info.size || run.now.size() > info.size - run.at)
            refuse(MessageKind::PatchBeyondEnd);
    }
    if (runs.empty() || total > kMaxPatchBytes)
        refuse(MessageKind::PatchTooLarge);
    entry.patched = true;
    entry.runs = std::move(runs);
    entry.modifiedNs = modified;
}

} // namespace

void SetCommittingProgram(std::string name) {
    ProgramName() = std::move(name);
}

const std::string& CommittingProgram() {
    return ProgramName();
}

Message RecoveryMessage(const RecoveryReport& report) {
    if (report.program == "psniaed")
        return {report.completed ? MessageKind::CompletedByEditor : MessageKind::UndoneByEditor,
                {}};
    if (report.program.empty())
        return {report.completed ? MessageKind::CompletedByUnknown : MessageKind::UndoneByUnknown,
                {}};
    return {report.completed ? MessageKind::CompletedByProgram : MessageKind::UndoneByProgram,
            {report.program}};
}

RecoveryReport RecoverInterruptedCommit(const std::string& recordDir,
                                        const std::vector<std::string>& folders,
                                        const std::string& exeDir) {
    RecoveryReport report;
    const std::string record = (stdfs::path(recordDir) / kCommitRecordName).string();
    if (Exists(record)) {
        std::istringstream in(ReadRecordText(record));
        std::string line, mode;
        struct Named {
            std::string name;
            bool created = false, patched = false;
            std::vector<Run> runs = {};
            std::optional<std::int64_t> modifiedNs = {};
        };
        std::vector<Named> names;
        bool ended = false;
        std::getline(in, line);
        const bool valid = line == kRecordHeader && std::getline(in, mode) &&
                           (mode == "complete" || mode == "undo");
        bool first = true;
        while (valid && std::getline(in, line)) {
            // "by PROGRAM" may follow the mode; records of earlier versions have none.
            if (std::exchange(first, false) && line.starts_with(kProgramLine)) {
                report.program = ShownProgram(line.substr(std::strlen(kProgramLine)));
                continue;
            }
            if (line == "end") {
                ended = true;
                break;
            }
            Run run;
            if (line.rfind("create ", 0) == 0)
                names.push_back({line.substr(7), true});
            else if (line.rfind("replace ", 0) == 0)
                names.push_back({line.substr(8), false});
            else if (line.rfind("patch ", 0) == 0)
                names.push_back({line.substr(6), false, true});
            else if (!names.empty() && names.back().patched && ParseRun(line, run))
                names.back().runs.push_back(std::move(run));
            else if (!names.empty() && names.back().patched && !names.back().modifiedNs &&
                     (names.back().modifiedNs = ParseTime(line)))
                continue;
            else
                throw RefusedFileError(kFileAccessError, record,
                                       Message(MessageKind::RecordStrayLine, {line}));
        }
        // The record is renamed into place whole, so a damaged one is not ours to act on.
        if (!valid || !ended)
            throw RefusedFileError(kFileAccessError, record,
                                   Message(MessageKind::RecordDamaged, {}));
        std::vector<Root> roots{{Staging::Key(recordDir), RealPath(recordDir)}};
        if (!exeDir.empty())
            roots.push_back({Staging::Key(exeDir), RealPath(exeDir), true});
        std::vector<Entry> entries;
        for (Named& named : names) {
            entries.push_back(CheckedEntry(record, named.name, named.created, roots));
            if (named.patched)
                CheckPatch(record, named.name, entries.back(), std::move(named.runs),
                           named.modifiedNs);
        }
        report.found = true;
        report.completed = mode == "complete";
        for (const Entry& entry : entries)
            report.files.push_back(entry.target);
        if (report.completed)
            Complete(entries);
        else
            Undo(entries);
        FlushFolders(entries, recordDir);
        RemoveOld(entries);
        platform::Remove(record);
        FlushFolders({}, recordDir);
    }
    std::set<std::string> seen;
    for (const std::string& folder : folders) {
        const std::string key = folder.empty() ? folder : Staging::Key(folder);
        if (key.empty() || !seen.insert(key).second)
            continue;
        // A folder link may lead anywhere; only the game's own folders hold its scratch files.
        if (platform::Info info;
            key != Staging::Key(recordDir) &&
            (!platform::DescribePath(key, info) || info.kind != platform::Kind::Folder))
            continue;
        std::vector<platform::Entry> entries;
        platform::ListFolder(folder, entries);
        for (const platform::Entry& item : entries) {
            const std::string& name = item.name;
            for (const std::string suffix : {kNewSuffix, kOldSuffix})
                if (name.size() > suffix.size() &&
                    name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0 &&
                    platform::Remove(fs::Join(folder, name)))
                    ++report.scratchRemoved;
        }
    }
    return report;
}

} // namespace psn
