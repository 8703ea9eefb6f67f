// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "seasons/season_store.h"

#include "core/commit.h"
#include "core/editions.h"
#include "core/fs.h"
#include "core/game_file.h"
#include "core/game_layout.h"
#include "core/game_lock.h"
#include "core/platform.h"
#include "core/sha256.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <set>
#include <sstream>

namespace psn::seasons {
namespace stdfs = std::filesystem;
namespace {

constexpr const char* kManifestHeader = "psniaed season 1";
constexpr const char* kManifestSuffix = ".season";
constexpr const char* kKnownHashesName = "game-hashes.txt";
constexpr const char* kKnownHashesHeader = "psniaed game hashes 1";

std::string Upper(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

std::string Now() {
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
#ifdef _WIN32
    gmtime_s(&utc, &now);
#else
    gmtime_r(&now, &utc);
#endif
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

// Reads a whole regular file of at most `limit` bytes; the reason in `problem` otherwise.
std::optional<std::vector<std::uint8_t>> ReadRegular(const std::string& path, std::uint64_t limit,
                                                     Message& problem) {
    std::vector<std::uint8_t> bytes;
    if (!fs::ReadWholeFile(path, bytes, problem, limit))
        return std::nullopt;
    return bytes;
}

std::string Escape(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

bool Unescape(std::string_view text, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size())
            return false;
        if (text[i] == '\\')
            out += '\\';
        else if (text[i] == 'n')
            out += '\n';
        else if (text[i] == 'r')
            out += '\r';
        else
            return false;
    }
    return true;
}

// Why a file operation failed, as data when it was said as "<file>: <reason>".
Message SaidReason(const FileResult& result) {
    return result.said.kind == MessageKind::FileAndReason && result.said.args.size() == 2
               ? result.said.args[1]
               : Message(result.reason);
}

void WriteDurably(const std::string& path, std::span<const std::uint8_t> bytes,
                  TransferFaults* faults) {
    const FileResult result = fs::WriteFileDurably(path, bytes, 0644, faults);
    if (!result)
        throw SeasonError(
            Message(MessageKind::SeasonStoreCannotWrite, {result.path, SaidReason(result)}),
            result.path, SaidReason(result));
}

void MakeFolder(const std::string& dir) {
    std::error_code ec;
    stdfs::create_directories(platform::ToPath(dir), ec);
    if (ec || !fs::IsDirectory(dir))
        throw SeasonError(Message(MessageKind::SeasonStoreCannotMake,
                                  {dir, ec ? Message(ec.message())
                                           : Message(MessageKind::SeasonStoreNotFolder, {})}),
                          dir, ec.message());
}

// The store's own lock: two programs never write one store at the same time.
GameLock LockStore(const std::string& dir) {
    try {
        return GameLock::Acquire(dir);
    } catch (const GameLockError& error) {
        throw SeasonError(Message(MessageKind::SeasonStoreInUse, {error.Said()}), dir);
    }
}

// Locks the game and completes a commit a crash interrupted, so that it is read whole.
GameLock LockGame(const std::string& gameDir) {
    GameLock lock = GameLock::Acquire(gameDir);
    std::vector<std::string> folders{gameDir};
    std::error_code ec;
    for (stdfs::directory_iterator it(platform::ToPath(gameDir), ec), end; !ec && it != end;
         it.increment(ec))
        if (it->symlink_status(ec).type() == stdfs::file_type::directory)
            folders.push_back(platform::FromPath(it->path()));
    RecoverInterruptedCommit(gameDir, folders, gameDir);
    return lock;
}

std::string Folder(const std::string& path) {
    return platform::FromPath(platform::ToPath(path).parent_path());
}

std::string BaseName(std::string_view path) {
    const auto cut = path.find_last_of('/');
    return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

// Where the game keeps a season file; its folder keeps the spelling of the one there.
std::string GamePath(const std::string& gameDir, const std::string& name) {
    return fs::ResolveCase(platform::FromPath(platform::ToPath(gameDir) / name));
}

} // namespace

const std::vector<std::string>& SeasonFiles() {
    static const std::vector<std::string> files = [] {
        std::vector<std::string> list{"PSN.EXE", "F1GSTATE.SAV"};
        for (int track = 1; track <= 16; ++track)
            list.push_back(std::string("CIRCUITS/F1CT") + (track < 10 ? "0" : "") +
                           std::to_string(track) + ".DAT");
        list.push_back("BITMAPS/CPITHI.PCX");
        list.push_back("BITMAPS/CPITLOW.PCX");
        for (const char* archive : kCarSetArchives)
            list.push_back(std::string("GAMEJAMS/") + archive);
        list.push_back("GAMEJAMS/HELMETS1.JAM");
        return list;
    }();
    return files;
}

std::string SeasonFileName(std::string_view name) {
    std::string upper = Upper(name);
    std::replace(upper.begin(), upper.end(), '\\', '/');
    const auto& files = SeasonFiles();
    return std::find(files.begin(), files.end(), upper) != files.end() ? upper : std::string();
}

const FileRef* Season::Find(std::string_view file) const {
    for (const FileRef& ref : files)
        if (ref.name == file)
            return &ref;
    return nullptr;
}

Message NameProblem(std::string_view name) {
    if (name.empty() || name.find_first_not_of(' ') == std::string_view::npos)
        return Message(MessageKind::SeasonNeedsName, {});
    if (name.size() > kMaxNameLength)
        return Message(MessageKind::SeasonNameTooLong, {std::to_string(kMaxNameLength)});
    if (std::any_of(name.begin(), name.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 32 || c == 127; }))
        return Message(MessageKind::SeasonNameControl, {});
    return {};
}

std::string ManifestText(const Season& season) {
    std::ostringstream out;
    out << kManifestHeader << "\nname " << season.name << "\nedition " << season.edition
        << "\nkept " << season.kept << "\ndescription " << Escape(season.description) << "\n";
    for (const FileRef& file : season.files)
        out << "file " << file.hash << " " << file.size << " " << file.name << "\n";
    out << "end\n";
    return out.str();
}

Season ParseManifest(std::string_view text, const std::string& source) {
    Season season;
    std::istringstream in{std::string(text)};
    std::string line;
    int number = 0;
    const auto bad = [&](const Message& why) -> Season {
        throw SeasonError(
            Message(MessageKind::SeasonManifestBad, {source, std::to_string(number), why}), source,
            why);
    };
    std::set<std::string> seen;
    bool ended = false, named = false, dated = false, edition = false;
    while (std::getline(in, line)) {
        ++number;
        if (ended)
            return bad(Message(MessageKind::ManifestFollowsEnd, {}));
        if (number == 1) {
            if (line != kManifestHeader)
                return bad(Message(MessageKind::ManifestNoHeader, {std::string(kManifestHeader)}));
            continue;
        }
        const auto space = line.find(' ');
        const std::string key = line.substr(0, space);
        const std::string value =
            space == std::string::npos ? std::string() : line.substr(space + 1);
        if (key == "end" && space == std::string::npos) {
            ended = true;
        } else if (key == "name" && !named) {
            if (const Message problem = NameProblem(value); !problem.Empty())
                return bad(Message(MessageKind::ManifestNamesNoSeason, {problem}));
            season.name = value;
            named = true;
        } else if (key == "edition" && !edition) {
            if (value.size() != 1 || value[0] < '0' || value[0] >= '0' + kEditionCount)
                return bad(Message(MessageKind::ManifestNoEdition, {value}));
            season.edition = value[0] - '0';
            edition = true;
        } else if (key == "kept" && !dated) {
            season.kept = value;
            dated = true;
        } else if (key == "description") {
            if (!Unescape(value, season.description) ||
                season.description.size() > kMaxDescriptionLength)
                return bad(Message(MessageKind::ManifestBadDescription, {}));
        } else if (key == "file") {
            std::istringstream fields(value);
            FileRef ref;
            std::string size, rest;
            if (!(fields >> ref.hash >> size >> ref.name) || (fields >> rest) ||
                !IsSha256Hex(ref.hash) || size.empty() || size.size() > 9 ||
                size.find_first_not_of("0123456789") != std::string::npos)
                return bad(Message(MessageKind::ManifestNoFileEntry, {}));
            ref.size = std::stoull(size);
            if (ref.size > kMaxGameFileSize)
                return bad(Message(MessageKind::ManifestFileTooLarge, {}));
            if (SeasonFileName(ref.name) != ref.name)
                return bad(Message(MessageKind::ManifestNotSeasonFile, {ref.name}));
            if (!seen.insert(ref.name).second)
                return bad(Message(MessageKind::ManifestFileTwice, {ref.name}));
            season.files.push_back(std::move(ref));
        } else {
            return bad(Message(MessageKind::ManifestStrayLine, {line.substr(0, 60)}));
        }
    }
    if (!ended || !named || !edition)
        return bad(Message(MessageKind::ManifestEndsEarly, {}));
    const auto& order = SeasonFiles();
    std::sort(season.files.begin(), season.files.end(), [&](const FileRef& a, const FileRef& b) {
        return std::find(order.begin(), order.end(), a.name) <
               std::find(order.begin(), order.end(), b.name);
    });
    if (!season.Find("PSN.EXE"))
        return bad(Message(MessageKind::ManifestNoExecutable, {}));
    return season;
}

std::string DefaultStoreDir() {
    std::string base;
#ifdef _WIN32
    // In the editor's per-user folder, %APPDATA%\psniaed.
    base = platform::Environment("APPDATA").value_or(".");
#else
    const std::string data = platform::Environment("XDG_DATA_HOME").value_or("");
    if (data.starts_with('/'))
        base = data;
    else
        base = platform::Environment("HOME").value_or(".") + "/.local/share";
#endif
    return platform::FromPath(platform::ToPath(base) / "psniaed" / "seasons");
}

Store::Store(std::string dir, std::shared_ptr<TransferFaults> faults)
    : dir_(std::move(dir)), faults_(std::move(faults)) {}

std::string Store::PathOf(const std::string& hash) const {
    return platform::FromPath(platform::ToPath(dir_) / "files" / hash.substr(0, 2) / hash);
}

std::string Store::ManifestPath(std::string_view name) const {
    const std::string key =
        Sha256Hex({reinterpret_cast<const std::uint8_t*>(name.data()), name.size()});
    return platform::FromPath(platform::ToPath(dir_) / "seasons" / (key + kManifestSuffix));
}

std::vector<Season> Store::List(std::vector<Message>* damaged) const {
    std::vector<Season> seasons;
    std::error_code ec;
    for (stdfs::directory_iterator it(platform::ToPath(dir_) / "seasons", ec), end;
         !ec && it != end; it.increment(ec)) {
        const std::string path = platform::FromPath(it->path());
        if (it->path().extension() != kManifestSuffix)
            continue;
        Message problem;
        const auto bytes = ReadRegular(path, 1 << 20, problem);
        try {
            if (!bytes)
                throw SeasonError(Message(MessageKind::FileAndReason, {path, problem}), path,
                                  problem);
            Season season = ParseManifest(
                std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()),
                path);
            // A manifest is found by its name's hash: one under another name was not put there by
            // this store.
            if (ManifestPath(season.name) != path)
                throw SeasonError(Message(MessageKind::SeasonManifestMisplaced, {path}), path);
            seasons.push_back(std::move(season));
        } catch (const SeasonError& error) {
            if (damaged)
                damaged->push_back(error.Said());
        }
    }
    std::sort(seasons.begin(), seasons.end(),
              [](const Season& a, const Season& b) { return a.name < b.name; });
    return seasons;
}

std::optional<Season> Store::Find(std::string_view name) const {
    const std::string path = ManifestPath(name);
    if (!fs::Exists(path))
        return std::nullopt;
    Message problem;
    const auto bytes = ReadRegular(path, 1 << 20, problem);
    if (!bytes)
        throw SeasonError(
            Message(MessageKind::SeasonUnreadable, {std::string(name), path, problem}), path,
            problem);
    Season season = ParseManifest(
        std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()), path);
    if (season.name != name)
        throw SeasonError(Message(MessageKind::SeasonHoldsAnother, {std::string(name), path}),
                          path);
    return season;
}

Season Store::Get(std::string_view name) const {
    std::optional<Season> season = Find(name);
    if (!season)
        throw SeasonError(Message(MessageKind::SeasonNoSuch, {std::string(name)}));
    return *season;
}

std::string Store::Put(std::span<const std::uint8_t> bytes, std::string hash) {
    const bool given = !hash.empty();
    if (!given)
        hash = Sha256Hex(bytes);
    const std::string path = PathOf(hash);
    Message problem;
    // A stored copy that holds the same bytes is right: comparing costs far less than hashing.
    if (const auto stored = ReadRegular(path, kMaxGameFileSize, problem);
        stored && std::equal(stored->begin(), stored->end(), bytes.begin(), bytes.end()))
        return hash;
    // A hash given by the caller may be remembered from an earlier run; it must never put other
    // bytes under a stored copy's name.
    if (given)
        if (const std::string actual = Sha256Hex(bytes); actual != hash)
            return Put(bytes, actual);
    MakeFolder(Folder(path));
    WriteDurably(path, bytes, faults_.get());
    return hash;
}

std::vector<std::uint8_t> Store::Read(const FileRef& file) const {
    const std::string path = PathOf(file.hash);
    Message problem;
    auto bytes = ReadRegular(path, kMaxGameFileSize, problem);
    if (bytes && Sha256Hex(*bytes) != file.hash)
        problem = Message(MessageKind::StoredCopyDamaged, {});
    if (!bytes || !problem.Empty())
        throw SeasonError(
            Message(MessageKind::StoredCopyUnusable,
                    {file.name, path,
                     problem.Empty() ? Message(MessageKind::StoredCopyUnreadable, {}) : problem}),
            path, problem);
    return std::move(*bytes);
}

void Store::Save(const Season& season, bool replace) {
    if (const Message problem = NameProblem(season.name); !problem.Empty())
        throw SeasonError(Message(MessageKind::SeasonNameRefused, {season.name, problem}));
    MakeFolder(dir_);
    GameLock lock = LockStore(dir_);
    const std::string path = ManifestPath(season.name);
    if (!replace && fs::Exists(path))
        throw SeasonError(Message(MessageKind::SeasonExists, {season.name}));
    for (const FileRef& file : season.files)
        if (!fs::Exists(PathOf(file.hash)))
            throw SeasonError(Message(MessageKind::SeasonFilesNotStored, {season.name, file.name}));
    MakeFolder(Folder(path));
    const std::string text = ManifestText(season);
    WriteDurably(path, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()},
                 faults_.get());
}

void Store::Rename(std::string_view from, std::string_view to) {
    Season season = Get(from);
    if (from == to)
        return;
    season.name = std::string(to);
    Save(season);
    GameLock lock = LockStore(dir_);
    fs::DeleteFile(ManifestPath(from));
}

void Store::Delete(std::string_view name) {
    Get(name);
    GameLock lock = LockStore(dir_);
    if (!fs::DeleteFile(ManifestPath(name)))
        throw SeasonError(Message(MessageKind::SeasonCannotDelete,
                                  {std::string(name), ManifestPath(name), SystemReason(errno)}),
                          ManifestPath(name));
    RemoveUnnamedFiles();
}

void Store::RemoveUnnamedFiles() {
    std::vector<Message> damaged;
    const std::vector<Season> seasons = List(&damaged);
    // A manifest that cannot be read may still name files: nothing is removed then.
    if (!damaged.empty())
        return;
    std::set<std::string> named;
    for (const Season& season : seasons)
        for (const FileRef& file : season.files)
            named.insert(file.hash);
    std::error_code ec;
    for (stdfs::recursive_directory_iterator it(platform::ToPath(dir_) / "files", ec), end;
         !ec && it != end; it.increment(ec)) {
        const std::string leaf = it->path().filename().string();
        if (IsSha256Hex(leaf) && !named.contains(leaf))
            fs::DeleteFile(platform::FromPath(it->path()));
    }
}

std::string Store::FreeName(const std::string& base) const {
    std::string name = base.substr(0, kMaxNameLength - 6);
    for (int n = 2; Find(name); ++n)
        name = base.substr(0, kMaxNameLength - 6) + " (" + std::to_string(n) + ")";
    return name;
}

std::string GameSnapshot::Hash(const std::string& name) const {
    const auto known = hashes.find(name);
    return known != hashes.end() ? known->second : Sha256Hex(files.at(name));
}

std::map<std::string, Store::KnownFile> Store::KnownHashes() const {
    std::map<std::string, KnownFile> known;
    Message problem;
    const auto bytes = ReadRegular(platform::FromPath(platform::ToPath(dir_) / kKnownHashesName),
                                   4 << 20, problem);
    if (!bytes)
        return known;
    std::istringstream in{std::string(bytes->begin(), bytes->end())};
    std::string line;
    if (!std::getline(in, line) || line != kKnownHashesHeader)
        return known;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        KnownFile file;
        std::string path;
        if (!(fields >> file.hash >> file.size >> file.volume >> file.id >> file.modifiedNs >>
              file.changedNs) ||
            !IsSha256Hex(file.hash) || fields.get() != ' ' || !std::getline(fields, path) ||
            path.empty())
            return {}; // not written by this store: trust none of it
        known[path] = file;
    }
    return known;
}

void Store::RememberHashes(const std::map<std::string, KnownFile>& known) {
    std::ostringstream out;
    out << kKnownHashesHeader << "\n";
    for (const auto& [path, file] : known)
        if (path.find_first_of("\r\n") == std::string::npos)
            out << file.hash << " " << file.size << " " << file.volume << " " << file.id << " "
                << file.modifiedNs << " " << file.changedNs << " " << path << "\n";
    const std::string text = out.str();
    MakeFolder(dir_);
    GameLock lock = LockStore(dir_);
    WriteDurably(platform::FromPath(platform::ToPath(dir_) / kKnownHashesName),
                 {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}, faults_.get());
}

GameSnapshot ReadGame(const std::string& gameDir, Store* remember) {
    GameSnapshot game;
    auto known = remember ? remember->KnownHashes() : std::map<std::string, Store::KnownFile>{};
    bool learned = false;
    const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                         std::chrono::system_clock::now().time_since_epoch())
                         .count();
    const std::string root = platform::FromPath(stdfs::weakly_canonical(platform::ToPath(gameDir)));
    for (const std::string& name : SeasonFiles()) {
        const std::string path = GamePath(gameDir, name);
        if (!fs::Exists(path))
            continue;
        Message problem;
        // A link may lead to the game file where it really is, never to anything else.
        std::error_code ec;
        const std::string real =
            platform::FromPath(stdfs::weakly_canonical(platform::ToPath(path), ec));
        const bool inside = !ec && real.size() > root.size() && real.starts_with(root + "/");
        if (!inside && Upper(BaseName(real)) != BaseName(name))
            problem = Message(MessageKind::SeasonLinkNotGameFile, {real});
        std::vector<std::uint8_t> bytes;
        platform::Info info;
        if (problem.Empty())
            (void)fs::ReadWholeFile(path, bytes, problem, kMaxGameFileSize, &info);
        if (!problem.Empty())
            throw SeasonError(Message(MessageKind::SeasonFileUnusable, {path, problem}), path,
                              problem);
        const auto remembered = known.find(real);
        const bool whole = bytes.size() == info.size;
        std::string hash;
        if (whole && remembered != known.end() && remembered->second.size == info.size &&
            remembered->second.volume == info.volume && remembered->second.id == info.id &&
            remembered->second.modifiedNs == info.modifiedNs &&
            remembered->second.changedNs == info.changedNs) {
            hash = remembered->second.hash;
        } else {
            hash = Sha256Hex(bytes);
            // A file changed within the same tick of the file system's clock would look the same,
            // so a recent one is hashed again next time.
            if (whole && info.modifiedNs < now - 2'000'000'000) {
                known[real] = {hash,    info.size,       info.volume,
                               info.id, info.modifiedNs, info.changedNs};
                learned = true;
            } else if (remembered != known.end()) {
                known.erase(remembered);
            }
        }
        game.hashes[name] = std::move(hash);
        game.files[name] = std::move(bytes);
    }
    const auto exe = game.files.find("PSN.EXE");
    const int edition = exe == game.files.end() || exe->second.size() <= kEditionByteOffset
                            ? -1
                            : EditionFromByte(exe->second[kEditionByteOffset], -1);
    if (edition < 0)
        throw SeasonError(Message(MessageKind::SeasonNoKnownEdition, {gameDir}), gameDir);
    game.edition = edition;
    if (remember && learned)
        remember->RememberHashes(known);
    return game;
}

Season KeepSnapshot(Store& store, const GameSnapshot& game, const std::string& name,
                    const std::string& description, bool replace) {
    if (const Message problem = NameProblem(name); !problem.Empty())
        throw SeasonError(Message(MessageKind::SeasonNameRefused, {name, problem}));
    if (description.size() > kMaxDescriptionLength)
        throw SeasonError(Message(MessageKind::SeasonDescriptionTooLong,
                                  {std::to_string(kMaxDescriptionLength)}));
    if (!replace && store.Find(name))
        throw SeasonError(Message(MessageKind::SeasonExists, {name}));
    Season season;
    season.name = name;
    season.description = description;
    season.kept = Now();
    season.edition = game.edition;
    for (const std::string& file : SeasonFiles()) {
        const auto found = game.files.find(file);
        if (found != game.files.end())
            season.files.push_back(
                {file, store.Put(found->second, game.Hash(file)), found->second.size()});
    }
    store.Save(season, replace);
    return season;
}

std::vector<FileChange> DiffFiles(const Season& season, const GameSnapshot& game) {
    std::vector<FileChange> changes;
    for (const std::string& name : SeasonFiles()) {
        const FileRef* ref = season.Find(name);
        const auto found = game.files.find(name);
        if (!ref && found != game.files.end())
            changes.push_back({name, FileChange::Kind::NotInSeason});
        else if (ref && found == game.files.end())
            changes.push_back({name, FileChange::Kind::Added});
        else if (ref && (found->second.size() != ref->size || game.Hash(name) != ref->hash))
            changes.push_back({name, FileChange::Kind::Changed});
    }
    return changes;
}

Season Keep(Store& store, const std::string& gameDir, const std::string& name,
            const std::string& description) {
    if (const Message problem = NameProblem(name); !problem.Empty())
        throw SeasonError(Message(MessageKind::SeasonNameRefused, {name, problem}));
    GameLock lock = LockGame(gameDir);
    return KeepSnapshot(store, ReadGame(gameDir, &store), name, description);
}

SwitchResult Switch(Store& store, const std::string& gameDir, const std::string& name, bool dryRun,
                    std::shared_ptr<TransferFaults> faults) {
    const Season season = store.Get(name);
    GameLock lock = LockGame(gameDir);
    const GameSnapshot game = ReadGame(gameDir, &store);
    if (season.edition != game.edition)
        throw SeasonError(
            Message(MessageKind::SeasonOtherEdition,
                    {name, EditionName(season.edition), gameDir, EditionName(game.edition)}));
    SwitchResult result;
    result.changes = DiffFiles(season, game);
    // Every stored file is read and checked before anything is kept or written.
    std::map<std::string, std::vector<std::uint8_t>> wanted;
    for (const FileChange& change : result.changes) {
        if (change.kind == FileChange::Kind::NotInSeason)
            continue;
        const FileRef& ref = *season.Find(change.name);
        wanted[change.name] = store.Read(ref);
        if (const Message problem =
                ClaimProblemSaid(store.PathOf(ref.hash), BaseName(change.name), false);
            !problem.Empty())
            throw SeasonError(
                Message(MessageKind::SeasonHoldsBadFile, {name, change.name, problem}),
                store.PathOf(ref.hash), problem);
    }
    if (dryRun || wanted.empty())
        return result;
    result.before = store.FreeName("Before switching to " + name);
    KeepSnapshot(store, game, result.before,
                 "The game as it was before the switch to \"" + name + "\".");
    Staging staging(faults, gameDir);
    for (const auto& [file, bytes] : wanted) {
        const std::string target = GamePath(gameDir, file);
        const auto current = game.files.find(file);
        if (current != game.files.end() && current->second.size() == bytes.size() &&
            ClaimProblem(target, BaseName(file)).empty()) {
            // Same size: only the pages that differ, so a few changed bytes go in place.
            StagedFile& staged = staging.Add(target, bytes.size());
            for (std::size_t at = 0; at < bytes.size(); at += StagedFile::kPageSize) {
                const std::size_t length = std::min(StagedFile::kPageSize, bytes.size() - at);
                const auto from = bytes.begin() + static_cast<std::ptrdiff_t>(at);
                if (std::equal(from, from + static_cast<std::ptrdiff_t>(length),
                               current->second.begin() + static_cast<std::ptrdiff_t>(at)))
                    continue;
                staged.pages[at / StagedFile::kPageSize] = {
                    std::vector<std::uint8_t>(from, from + static_cast<std::ptrdiff_t>(length)),
                    true};
            }
            continue;
        }
        if (!fs::IsDirectory(Folder(target)))
            MakeFolder(Folder(target));
        staging.Copy(store.PathOf(season.Find(file)->hash), target);
    }
    staging.Commit();
    return result;
}

} // namespace psn::seasons
