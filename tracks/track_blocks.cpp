// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tracks/track_blocks.h"

#include "core/checksum.h"
#include "core/fs.h"
#include "core/settings_files.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <memory>

namespace psn {
namespace {

constexpr const char* kSeekTableError = "0) File access error! ";
constexpr const char* kTableError = "1) File access error! ";
constexpr const char* kLocateError = "2) File access error! ";
constexpr const char* kSetupError = "3) File access error! ";

constexpr int kSetupBytes = 8;

// Opens a track file and positions it at its set-up block. The pointer is added without the
// 16-bit wrap-around: a wrapped sum would land in the file's header and overwrite it. A block that
// does not lie wholly before the checksum trailer counts as a failed positioning.
std::uint32_t LocateSetup(GameFile& file, const std::string& path) {
    file.Open(path);
    file.Seek(trackfile::kSetupPointer);
    const std::uint32_t start = file.ReadWord() + trackfile::kSetupBase;
    file.Check(kLocateError);
    if (start + trackfile::kBlockEnd + 4 > file.Size())
        throw FileAccessError(kLocateError, path,
                              "its set-up block would lie beyond the file's end");
    file.Seek(start);
    file.Check(kLocateError);
    return start;
}

} // namespace

const std::array<std::string, kTrackCount>& TrackFileNames() {
    static const std::array<std::string, kTrackCount> names = [] {
        std::array<std::string, kTrackCount> list;
        for (int t = 0; t < kTrackCount; ++t)
            list[static_cast<std::size_t>(t)] = TrackFileName(t);
        return list;
    }();
    return names;
}

bool TrackFilesInstalled(const AppState& state) {
    for (const std::string& name : TrackFileNames()) {
        const std::string path = state.GamePath(name);
        // Files staged by the open command (a CD copy inside Export all data) count as there.
        if (!(state.command ? state.command->Exists(path) : fs::Exists(path)))
            return false;
    }
    return true;
}

std::array<std::string, kTrackCount> ReadTrackNames(AppState& state) {
    // Only so much of a name is kept, so that a block without its zero bytes cannot grow a name
    // without bound; the reading still goes on to the zero byte, where the next name starts.
    constexpr std::size_t kNameLimit = 255;
    std::array<std::string, kTrackCount> names;
    state.SeekExe(ExeRow::TrackNames);
    for (std::string& name : names) {
        // A failed read gives 0, which ends the name; the check below reports it.
        for (std::uint8_t byte = state.exe.ReadByte(); byte != 0; byte = state.exe.ReadByte())
            if (name.size() < kNameLimit)
                name.push_back(static_cast<char>(byte));
        state.exe.Check();
    }
    return names;
}

namespace {

// The tyre table of the open executable, one word per track.
std::array<std::uint16_t, kTrackCount> ReadTyreTable(AppState& state) {
    state.exe.Seek(ExeOffset(ExeRow::TyreTable, state.edition));
    state.exe.Check(kSeekTableError);
    std::array<std::uint16_t, kTrackCount> tyres{};
    for (auto& value : tyres)
        value = state.exe.ReadWord();
    state.exe.Check(kTableError);
    return tyres;
}

using SetupBytes = std::array<std::uint8_t, kSetupBytes + 1>;
using EntryBytes = std::array<std::uint8_t, rec::kTrackEntryStride>;

// A track's entry from its set-up bytes (as the file holds them), fuel and tyre word.
EntryBytes ToEntry(const SetupBytes& setup, std::uint16_t fuel, std::uint16_t tyres) {
    EntryBytes entry{};
    for (int i = 0; i < kSetupBytes; ++i)
        entry[trackentry::kFrontWing + static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>(setup[static_cast<std::size_t>(i)] - trackfile::kSetupBias);
    entry[trackentry::kCompound] =
        static_cast<std::uint8_t>(setup[kSetupBytes] - trackfile::kCompoundBias);
    entry[trackentry::kFuel] = static_cast<std::uint8_t>(fuel & 0xFF);
    entry[trackentry::kFuel + 1] = static_cast<std::uint8_t>(fuel >> 8);
    entry[trackentry::kTyres] = static_cast<std::uint8_t>(tyres & 0xFF);
    entry[trackentry::kTyres + 1] = static_cast<std::uint8_t>(tyres >> 8);
    return entry;
}

// Keeps the first reading of a track's entry in this run for the originals snapshot.
void NoteFirstRead(AppState& state, int t, const EntryBytes& entry) {
    auto& first = state.trackEntryFirstRead[static_cast<std::size_t>(t)];
    if (!first)
        first = entry;
}

// Stores a track's entry as read from the game, which then is known.
void StoreTrackEntry(AppState& state, int t, const SetupBytes& setup, std::uint16_t fuel,
                     std::uint16_t tyres) {
    const EntryBytes entry = ToEntry(setup, fuel, tyres);
    std::copy(entry.begin(), entry.end(),
              state.record.bytes().begin() + static_cast<std::ptrdiff_t>(TrackEntryOffset(t, 0)));
    state.trackEntryKnown[static_cast<std::size_t>(t)] = true;
    NoteFirstRead(state, t, entry);
}

// The set-up bytes and fuel word of a track file positioned at its set-up block `start`.
std::pair<SetupBytes, std::uint16_t> ReadSetupBlock(GameFile& file, std::uint32_t start) {
    SetupBytes setup{};
    for (auto& byte : setup)
        byte = file.ReadByte();
    file.Seek(start + trackfile::kFuelOffset);
    const std::uint16_t fuel = file.ReadWord();
    file.Check(kSetupError);
    return {setup, fuel};
}

// Reads track file t through the game-file layer, with its numbered checks. A failure stores
// nothing of the entry, so an unread entry stays as it was.
void ReadTrackFile(AppState& state, int t, std::uint16_t tyres) {
    GameFile file(state.faults, state.command.get());
    const std::uint32_t start =
        LocateSetup(file, state.GamePath(TrackFileNames()[static_cast<std::size_t>(t)]));
    const auto [setup, fuel] = ReadSetupBlock(file, start);
    file.Close();
    StoreTrackEntry(state, t, setup, fuel, tyres);
}

// The start-up's read of one track file: opened for reading only, its pointer and its set-up
// block taken with one read each (a start-up must stay cheap). False when the file cannot be
// read or its block does not lie wholly before the checksum trailer.
bool ReadTrackFileAtStartup(AppState& state, int t, const std::string& path, std::uint16_t tyres) {
    // A FIFO or a device in its place must not stop the start: it is refused unopened.
    Message reason;
    platform::Handle file = fs::OpenRegular(path, platform::kRead, reason);
    if (file == platform::kNoHandle)
        return false;
    const fs::FileCloser closer(file);
    std::array<std::uint8_t, 2> pointer{};
    std::array<std::uint8_t, trackfile::kBlockEnd + 4> block{};
    bool read = platform::ReadAt(file, pointer.data(), pointer.size(), trackfile::kSetupPointer) ==
                static_cast<std::int64_t>(pointer.size());
    if (read) {
        const std::uint32_t start = pointer[0] + 256u * pointer[1] + trackfile::kSetupBase;
        read = platform::ReadAt(file, block.data(), block.size(), start) ==
               static_cast<std::int64_t>(block.size());
    }
    if (!read)
        return false;
    SetupBytes setup{};
    std::copy_n(block.begin(), setup.size(), setup.begin());
    const auto fuel = static_cast<std::uint16_t>(block[trackfile::kFuelOffset] +
                                                 256 * block[trackfile::kFuelOffset + 1]);
    StoreTrackEntry(state, t, setup, fuel, tyres);
    return true;
}

// The 16 track files as the game spells them, found with one listing of its CIRCUITS folder in
// any letter case; empty where a file is not there.
std::array<std::string, kTrackCount> ListTrackFiles(const AppState& state) {
    const auto upper = [](std::string text) {
        for (char& c : text)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return text;
    };
    std::array<std::string, kTrackCount> paths;
    const std::string folder = state.GamePath("CIRCUITS");
    std::vector<platform::Entry> entries;
    platform::ListFolder(folder, entries);
    for (const platform::Entry& entry : entries) {
        const std::string& name = entry.name;
        for (std::size_t t = 0; t < paths.size(); ++t) {
            const std::string wanted = fs::FileNamePart(TrackFileNames()[t]);
            // The name as spelled wins over one that matches only ignoring case.
            if (upper(name) == wanted && (paths[t].empty() || name == wanted))
                paths[t] = fs::Join(folder, name);
        }
    }
    return paths;
}

bool AllKnown(const AppState& state) {
    return std::all_of(state.trackEntryKnown.begin(), state.trackEntryKnown.end(),
                       [](bool known) { return known; });
}

// What keeps a track file from being read, found without changing it.
Message TrackFileProblem(const std::string& path) {
    using K = MessageKind;
    if (!fs::Exists(path))
        return {K::TrackFileMissing, {}};
    Message reason;
    platform::Handle file = fs::OpenRegular(path, platform::kRead, reason);
    if (file == platform::kNoHandle)
        return {errno == EINVAL ? K::TrackFileIs : K::TrackFileCannotOpen, {reason}};
    const fs::FileCloser closer(file);
    platform::Info info;
    if (!platform::Describe(file, info))
        return {K::TrackFileCannotOpen, {SystemReason(errno)}};
    const std::string size = std::to_string(info.size);
    if (info.size < trackfile::kSetupPointer + 2)
        return {K::TrackFileTooShortForPointer, {size}};
    std::array<std::uint8_t, 2> pointer{};
    if (platform::ReadAt(file, pointer.data(), pointer.size(), trackfile::kSetupPointer) != 2)
        return {K::TrackFileReadFailed, {}};
    const std::uint32_t start = pointer[0] + 256u * pointer[1] + trackfile::kSetupBase;
    if (start + trackfile::kBlockEnd + 4 > info.size)
        return {K::TrackFileSetupBeyondEnd, {size}};
    return {K::TrackFileReadFailed, {}};
}

// The originals snapshot takes the track entries once every one has been read. A snapshot that
// cannot take them keeps its marker and is completed by a later read, so this read goes on and
// leaves the failure for whoever ran the command to show.
void CompleteOriginalSnapshot(AppState& state) {
    if (const FileResult result = CompleteOriginalTracks(state); !result.Ok())
        state.unreported.push_back(
            Message(MessageKind::OriginalTracksNotAdded,
                    {result.said.Empty() ? Message(result.message) : result.said}));
}

} // namespace

void ReadTrackData(AppState& state) {
    const auto tyres = ReadTyreTable(state);
    for (int t = 0; t < kTrackCount; ++t)
        ReadTrackFile(state, t, tyres[static_cast<std::size_t>(t)]);
    CompleteOriginalSnapshot(state);
}

bool TrackDataPending(const AppState& state) {
    return !AllKnown(state);
}

void ReadPendingTrackData(AppState& state) {
    if (!TrackDataPending(state))
        return;
    const auto tyres = ReadTyreTable(state);
    for (int t = 0; t < kTrackCount; ++t)
        if (!state.trackEntryKnown[static_cast<std::size_t>(t)])
            ReadTrackFile(state, t, tyres[static_cast<std::size_t>(t)]);
    CompleteOriginalSnapshot(state);
}

std::vector<TrackReadProblem> ReadTrackDataAtStartup(AppState& state) {
    const auto paths = ListTrackFiles(state);
    if (std::any_of(paths.begin(), paths.end(), [](const std::string& p) { return p.empty(); }))
        return {}; // not installed: the block stays unread until the track files are there
    const auto tyres = ReadTyreTable(state);
    std::vector<TrackReadProblem> problems;
    for (int t = 0; t < kTrackCount; ++t) {
        const std::string& path = paths[static_cast<std::size_t>(t)];
        if (!ReadTrackFileAtStartup(state, t, path, tyres[static_cast<std::size_t>(t)]))
            problems.push_back({t, path, TrackFileProblem(path)});
    }
    CompleteOriginalSnapshot(state);
    return problems;
}

Message DescribeTrackReadProblems(const std::vector<TrackReadProblem>& problems) {
    Message files(MessageKind::Lines, {});
    for (const TrackReadProblem& problem : problems)
        files.args.push_back(Message(MessageKind::FileAndReason, {problem.path, problem.reason}));
    return {MessageKind::TrackReadProblems, {files}};
}

bool TrackEntryWritable(const AppState& state, int track) {
    if (!state.trackEntryKnown[static_cast<std::size_t>(track)])
        return false;
    const auto& bytes = state.record.bytes();
    const auto first = bytes.begin() + static_cast<std::ptrdiff_t>(TrackEntryOffset(track, 0));
    return std::any_of(first, first + rec::kTrackEntryStride,
                       [](std::uint8_t byte) { return byte != 0; });
}

std::vector<int> TracksLeftAsTheyWere(const AppState& state) {
    std::vector<int> left;
    for (int t = 0; t < kTrackCount; ++t)
        if (!TrackEntryWritable(state, t))
            left.push_back(t);
    return left;
}

Message TracksLeftNote(const AppState& state) {
    const std::vector<int> left = TracksLeftAsTheyWere(state);
    std::vector<std::string> names;
    for (const int t : left)
        names.push_back(fs::FileNamePart(TrackFileNames()[static_cast<std::size_t>(t)]));
    if (names.empty())
        return {};
    if (names.size() == 1)
        return Message(MessageKind::TrackLeftAsItWas, {names.front()});
    std::string first = names.front();
    for (std::size_t i = 1; i + 1 < names.size(); ++i)
        first += ", " + names[i];
    return Message(MessageKind::TracksLeftAsTheyWere, {first, names.back()});
}

void WriteTrackData(AppState& state) {
    const SettingsRecord& record = state.record;
    // Each written track file is opened once and located before anything is written.
    std::array<std::unique_ptr<GameFile>, kTrackCount> files;
    std::array<std::uint32_t, kTrackCount> starts{};
    bool unseen = false;
    for (int t = 0; t < kTrackCount; ++t)
        if (TrackEntryWritable(state, t)) {
            const auto i = static_cast<std::size_t>(t);
            files[i] = std::make_unique<GameFile>(state.faults, state.command.get());
            starts[i] = LocateSetup(*files[i], state.GamePath(TrackFileNames()[i]));
            unseen = unseen || !state.trackEntryFirstRead[i];
        }
    // An entry loaded from a settings file overwrites what the game held: the originals snapshot
    // keeps what was there first.
    if (unseen) {
        const auto tyres = ReadTyreTable(state);
        for (std::size_t i = 0; i < files.size(); ++i)
            if (files[i] && !state.trackEntryFirstRead[i]) {
                const auto [setup, fuel] = ReadSetupBlock(*files[i], starts[i]);
                NoteFirstRead(state, static_cast<int>(i), ToEntry(setup, fuel, tyres[i]));
                files[i]->Seek(starts[i]);
            }
        CompleteOriginalSnapshot(state);
    }

    state.exe.Seek(ExeOffset(ExeRow::TyreTable, state.edition));
    state.exe.Check(kSeekTableError);
    for (int t = 0; t < kTrackCount; ++t) {
        if (files[static_cast<std::size_t>(t)])
            state.exe.WriteWord(record.u16(TrackEntryOffset(t, trackentry::kTyres)));
        else
            state.exe.Skip(2);
    }
    state.exe.Check(kTableError);

    for (int t = 0; t < kTrackCount; ++t) {
        GameFile* file = files[static_cast<std::size_t>(t)].get();
        if (!file)
            continue;
        for (int i = 0; i < kSetupBytes; ++i)
            file->WriteByte(static_cast<std::uint8_t>(
                record.u8(
                    TrackEntryOffset(t, trackentry::kFrontWing + static_cast<std::size_t>(i))) +
                trackfile::kSetupBias));
        file->WriteByte(static_cast<std::uint8_t>(
            record.u8(TrackEntryOffset(t, trackentry::kCompound)) + trackfile::kCompoundBias));
        file->Seek(starts[static_cast<std::size_t>(t)] + trackfile::kFuelOffset);
        file->WriteWord(record.u16(TrackEntryOffset(t, trackentry::kFuel)));
        file->Check(kSetupError);
        // The trailer is computed over the staged bytes; a file whose values or trailer cannot
        // arrive is a failed export, not a silent one.
        RenewChecksum(*file, kSetupError);
    }
}

} // namespace psn
