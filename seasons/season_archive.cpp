// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every use of the archive library is in this file, so that a build without it leaves season
// files out and keeps everything else.

#include "seasons/season_archive.h"

#include "core/commit.h"
#include "core/fs.h"
#include "core/game_layout.h"
#include "core/game_lock.h"
#include "core/platform.h"
#include "core/sha256.h"

#include <algorithm>
#include <archive.h>
#include <archive_entry.h>
#include <cctype>
#include <clocale>
#include <filesystem>
#include <memory>
#include <random>
#include <set>

// On Windows the archive library's header brings in <windows.h>, whose DeleteFile macro would
// rename fs::DeleteFile.
#ifdef DeleteFile
#undef DeleteFile
#endif

namespace psn::seasons {
namespace {

namespace stdfs = std::filesystem;

std::string Upper(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

std::string BaseName(std::string_view path) {
    const auto cut = path.find_last_of('/');
    return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

[[noreturn]] void Refuse(const std::string& source, const std::string& entry, const Message& why) {
    throw SeasonError(entry.empty()
                          ? Message(MessageKind::ArchiveRefused, {source, why})
                          : Message(MessageKind::ArchiveEntryRefused, {source, entry, why}),
                      source, why);
}

// Why an entry's name is unsafe to take from a stranger, or empty.
Message EntryNameProblem(const std::string& name) {
    if (name.empty())
        return Message(MessageKind::EntryHasNoName, {});
    if (name.front() == '/')
        return Message(MessageKind::EntryAbsolute, {});
    if (name.size() >= 2 && std::isalpha(static_cast<unsigned char>(name[0])) && name[1] == ':')
        return Message(MessageKind::EntryNamesDrive, {});
    if (name.find('\\') != std::string::npos)
        return Message(MessageKind::EntryBackslash, {});
    if (std::any_of(name.begin(), name.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 32 || c == 127; }))
        return Message(MessageKind::EntryControl, {});
    std::size_t from = 0;
    while (from <= name.size()) {
        const std::size_t cut = std::min(name.find('/', from), name.size());
        if (name.substr(from, cut - from) == "..")
            return Message(MessageKind::EntryLeadsOutOfArchive, {});
        from = cut + 1;
    }
    return {};
}

#ifndef _WIN32
// Names in an archive are Unicode, and the library hands them over in the encoding of the
// thread's locale, refusing a name that has none there: in psnedit's "C" locale every name beyond
// ASCII. While an archive is read, the thread's locale spells text in UTF-8, as the program spells
// every path. (Windows needs none of this: the library keeps names in UTF-16 there.)
class Utf8Names {
public:
    Utf8Names() : utf8_(newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{})) {
        if (utf8_)
            before_ = uselocale(utf8_);
    }
    ~Utf8Names() {
        if (utf8_) {
            uselocale(before_);
            freelocale(utf8_);
        }
    }
    Utf8Names(const Utf8Names&) = delete;
    Utf8Names& operator=(const Utf8Names&) = delete;

private:
    locale_t utf8_;
    locale_t before_ = locale_t{};
};
#else
struct Utf8Names {};
#endif

struct ReadHandle {
    archive* a = archive_read_new();
    ~ReadHandle() { archive_read_free(a); }
};

// The library's reason, or a plain one when it gives none.
Message Reason(archive* a) {
    const char* text = archive_error_string(a);
    return text ? Message(text) : Message(MessageKind::ArchiveDamaged, {});
}

struct Entries {
    Files files;                    // by the name as given, normal form
    std::vector<std::string> order; // as they come
};

Entries ReadEntries(std::span<const std::uint8_t> bytes, const std::string& source) {
    [[maybe_unused]] const Utf8Names utf8;
    ReadHandle handle;
    archive_read_support_format_zip(handle.a);
    archive_read_support_format_7zip(handle.a);
    if (archive_read_open_memory(handle.a, bytes.data(), bytes.size()) != ARCHIVE_OK)
        Refuse(source, {}, Message(MessageKind::ArchiveNotZip, {Reason(handle.a)}));
    Entries entries;
    std::set<std::string> seen;
    std::uint64_t total = 0;
    archive_entry* entry = nullptr;
    while (true) {
        const int status = archive_read_next_header(handle.a, &entry);
        if (status == ARCHIVE_EOF)
            break;
        if (status != ARCHIVE_OK)
            Refuse(source, {}, Message(MessageKind::ArchiveCannotRead, {Reason(handle.a)}));
        // A ZIP name not flagged UTF-8, in some old Windows archiver's code page, may have no
        // UTF-8 form on POSIX: it is taken byte for byte.
        const char* raw = archive_entry_pathname_utf8(entry);
        if (!raw)
            raw = archive_entry_pathname(entry);
        std::string name = raw ? raw : "";
        if (const Message problem = EntryNameProblem(name); !problem.Empty())
            Refuse(source, name, problem);
        const mode_t type = archive_entry_filetype(entry);
        if (type == AE_IFDIR)
            continue;
        if (type != AE_IFREG || archive_entry_hardlink(entry) || archive_entry_symlink(entry))
            Refuse(source, name, Message(MessageKind::EntryLinkOrDevice, {}));
        while (name.starts_with("./"))
            name.erase(0, 2);
        if (!seen.insert(Upper(name)).second)
            Refuse(source, name, Message(MessageKind::EntryTwice, {}));
        // Empty files and folders cost no bytes but still memory: their number is bounded too.
        if (seen.size() > kMaxEntries)
            Refuse(source, name, Message(MessageKind::EntryTooMany, {std::to_string(kMaxEntries)}));
        if (archive_entry_size_is_set(entry) &&
            static_cast<std::uint64_t>(archive_entry_size(entry)) > kMaxGameFileSize)
            Refuse(source, name, Message(MessageKind::EntryTooLarge, {}));
        std::vector<std::uint8_t> data;
        std::uint8_t chunk[1 << 16];
        while (true) {
            const la_ssize_t n = archive_read_data(handle.a, chunk, sizeof chunk);
            if (n < 0)
                Refuse(source, name, Message(MessageKind::EntryCannotUnpack, {Reason(handle.a)}));
            if (n == 0)
                break;
            data.insert(data.end(), chunk, chunk + n);
            total += static_cast<std::uint64_t>(n);
            if (data.size() > kMaxGameFileSize)
                Refuse(source, name, Message(MessageKind::EntryTooLarge, {}));
            if (total > kMaxUnpacked)
                Refuse(source, name, Message(MessageKind::ArchiveTooLarge, {}));
        }
        entries.order.push_back(name);
        entries.files[name] = std::move(data);
    }
    return entries;
}

// A folder inside the store for the checks that need a file, removed with the object.
class Checking {
public:
    explicit Checking(const Store& store) {
        std::random_device random;
        dir_ =
            platform::FromPath(platform::ToPath(store.Dir()) /
                               ("incoming-" + std::to_string(random()) + std::to_string(random())));
        std::error_code ec;
        stdfs::create_directories(platform::ToPath(dir_), ec);
    }
    ~Checking() {
        std::error_code ec;
        stdfs::remove_all(platform::ToPath(dir_), ec);
    }
    // Why `bytes` are not the game file `name` claims to be (the commit's checks), or empty.
    Message Problem(const std::string& name, const std::vector<std::uint8_t>& bytes,
                    bool trailer) const {
        const std::string path = platform::FromPath(platform::ToPath(dir_) / BaseName(name));
        if (const FileResult written = fs::WriteFileDurably(path, bytes); !written)
            return written.reason;
        Message problem = ClaimProblemSaid(path, BaseName(name), trailer);
        fs::DeleteFile(path);
        return problem;
    }

private:
    std::string dir_;
};

// The season file a pack's entry replaces, by its file name alone; empty when none.
std::string PackTarget(const std::string& entry) {
    const std::string base = Upper(BaseName(entry));
    if (base == "PSN.EXE" || base == "F1GSTATE.SAV")
        return {};
    for (const std::string& file : SeasonFiles())
        if (BaseName(file) == base)
            return file;
    return {};
}

ImportResult ImportSeasonFile(Store& store, Entries& entries, const ImportOptions& options) {
    const std::string& source = options.source;
    const std::vector<std::uint8_t>& text = entries.files.at(kManifestEntry);
    ImportResult result;
    result.season =
        ParseManifest(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()),
                      source + ": " + kManifestEntry);
    std::set<std::string> named{kManifestEntry};
    for (const FileRef& file : result.season.files) {
        const std::string entry = kGameFolderEntry + file.name;
        named.insert(entry);
        const auto found = entries.files.find(entry);
        if (found == entries.files.end())
            Refuse(source, entry, Message(MessageKind::EntryMissing, {}));
        if (found->second.size() != file.size || Sha256Hex(found->second) != file.hash)
            Refuse(source, entry, Message(MessageKind::EntryHashMismatch, {}));
    }
    for (const std::string& entry : entries.order)
        if (!named.contains(entry))
            Refuse(source, entry, Message(MessageKind::EntryNotInManifest, {}));
    const Checking checking(store);
    for (const FileRef& file : result.season.files)
        if (const Message problem =
                checking.Problem(file.name, entries.files.at(kGameFolderEntry + file.name), false);
            !problem.Empty())
            Refuse(source, kGameFolderEntry + file.name, problem);
    if (!options.name.empty())
        result.season.name = options.name;
    result.season.name = store.FreeName(result.season.name);
    for (const FileRef& file : result.season.files)
        store.Put(entries.files.at(kGameFolderEntry + file.name));
    store.Save(result.season);
    return result;
}

ImportResult ImportPack(Store& store, Entries& entries, const ImportOptions& options) {
    const std::string& source = options.source;
    ImportResult result;
    result.pack = true;
    Files given;
    std::string settingsEntry;
    const Checking checking(store);
    for (const std::string& entry : entries.order) {
        const std::string base = Upper(BaseName(entry));
        if (base.size() > 4 && base.ends_with(".GIA")) {
            if (!settingsEntry.empty())
                Refuse(source, entry, Message(MessageKind::EntrySecondSettings, {settingsEntry}));
            if (entries.files.at(entry).size() != kSettingsFileSize)
                Refuse(source, entry, Message(MessageKind::EntryNotSettings, {}));
            settingsEntry = entry;
            continue;
        }
        const std::string target = PackTarget(entry);
        if (target.empty()) {
            result.leftOut.push_back(entry + " (no game file a season holds)");
            continue;
        }
        if (given.contains(target))
            Refuse(source, entry, Message(MessageKind::EntrySecondFile, {BaseName(target)}));
        if (const Message problem = checking.Problem(target, entries.files.at(entry), true);
            !problem.Empty())
            Refuse(source, entry, problem);
        given[target] = entries.files.at(entry);
        result.fromPack.push_back(target);
    }
    if (given.empty() && settingsEntry.empty())
        Refuse(source, {}, Message(MessageKind::ArchiveNoGameFile, {}));
    if (!options.game)
        Refuse(source, {}, Message(MessageKind::ArchiveLoosePack, {}));
    result.gameDir = options.game();
    // Read only: a commit a crash interrupted is left for the editor or psnedit to complete.
    GameSnapshot game;
    {
        GameLock lock = GameLock::Acquire(result.gameDir);
        if (fs::Exists(platform::FromPath(platform::ToPath(result.gameDir) / kCommitRecordName)))
            throw SeasonError(Message(MessageKind::ArchiveInterrupted, {result.gameDir}),
                              result.gameDir);
        game = ReadGame(result.gameDir);
    }
    for (auto& [name, bytes] : given) {
        game.files[name] = std::move(bytes);
        game.hashes.erase(name);
    }
    if (!settingsEntry.empty() && options.applySettings) {
        game.files = options.applySettings(game.files, entries.files.at(settingsEntry));
        game.hashes.clear();
    }
    std::string name = options.name;
    if (name.empty()) {
        name = platform::FromPath(platform::ToPath(source).stem());
        if (!seasons::NameProblem(name).Empty())
            name = "Imported pack";
    }
    result.season =
        KeepSnapshot(store, game, store.FreeName(name), "Imported from " + BaseName(source) + ".");
    return result;
}

// Collects what the archive library writes.
la_ssize_t Append(archive*, void* data, const void* bytes, size_t length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(data);
    const auto* from = static_cast<const std::uint8_t*>(bytes);
    out->insert(out->end(), from, from + length);
    return static_cast<la_ssize_t>(length);
}

void AddEntry(archive* a, const std::string& name, const std::vector<std::uint8_t>& bytes) {
    std::unique_ptr<archive_entry, void (*)(archive_entry*)> entry(archive_entry_new(),
                                                                   archive_entry_free);
    archive_entry_set_pathname(entry.get(), name.c_str());
    archive_entry_set_filetype(entry.get(), AE_IFREG);
    archive_entry_set_perm(entry.get(), 0644);
    archive_entry_set_size(entry.get(), static_cast<la_int64_t>(bytes.size()));
    if (archive_write_header(a, entry.get()) != ARCHIVE_OK ||
        archive_write_data(a, bytes.data(), bytes.size()) != static_cast<la_ssize_t>(bytes.size()))
        throw SeasonError(Message(MessageKind::SeasonFileCannotWrite, {Reason(a)}));
}

} // namespace

Files ReadArchive(std::span<const std::uint8_t> archive, const std::string& source) {
    return ReadEntries(archive, source).files;
}

std::vector<std::uint8_t> WriteSeasonFile(const Store& store, const Season& season) {
    std::vector<std::uint8_t> out;
    std::unique_ptr<archive, int (*)(archive*)> a(archive_write_new(), archive_write_free);
    archive_write_set_format_zip(a.get());
    archive_write_zip_set_compression_deflate(a.get());
    archive_write_set_bytes_in_last_block(a.get(), 1);
    if (archive_write_open2(a.get(), &out, nullptr, Append, nullptr, nullptr) != ARCHIVE_OK)
        throw SeasonError(Message(MessageKind::SeasonFileCannotWrite, {Reason(a.get())}));
    const std::string manifest = ManifestText(season);
    AddEntry(a.get(), kManifestEntry, {manifest.begin(), manifest.end()});
    for (const FileRef& file : season.files)
        AddEntry(a.get(), kGameFolderEntry + file.name, store.Read(file));
    if (archive_write_close(a.get()) != ARCHIVE_OK)
        throw SeasonError(Message(MessageKind::SeasonFileCannotWrite, {Reason(a.get())}));
    return out;
}

ImportResult ImportSeason(Store& store, std::span<const std::uint8_t> archive,
                          const ImportOptions& options) {
    if (!options.name.empty())
        if (const Message problem = seasons::NameProblem(options.name); !problem.Empty())
            throw SeasonError(Message(MessageKind::SeasonNameRefused, {options.name, problem}));
    Entries entries = ReadEntries(archive, options.source);
    return entries.files.contains(kManifestEntry) ? ImportSeasonFile(store, entries, options)
                                                  : ImportPack(store, entries, options);
}

} // namespace psn::seasons
