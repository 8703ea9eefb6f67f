#include "tracks/track_blocks.h"

#include "core/checksum.h"
#include "core/settings_files.h"

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
        for (int t = 0; t < kTrackCount; ++t) {
            const int n = t + 1;
            list[static_cast<std::size_t>(t)] = std::string("CIRCUITS\\F1CT") +
                                                static_cast<char>('0' + n / 10) +
                                                static_cast<char>('0' + n % 10) + ".DAT";
        }
        return list;
    }();
    return names;
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

void ReadTrackData(AppState& state) {
    SettingsRecord& record = state.record;
    state.exe.Seek(ExeOffset(ExeRow::TyreTable, state.edition));
    state.exe.Check(kSeekTableError);
    std::array<std::uint16_t, kTrackCount> tyres{};
    for (auto& value : tyres)
        value = state.exe.ReadWord();
    state.exe.Check(kTableError);
    for (int t = 0; t < kTrackCount; ++t)
        record.setU16(TrackEntryOffset(t, trackentry::kTyres), tyres[static_cast<std::size_t>(t)]);

    for (int t = 0; t < kTrackCount; ++t) {
        GameFile file(state.faults, state.command.get());
        const std::uint32_t start =
            LocateSetup(file, state.GamePath(TrackFileNames()[static_cast<std::size_t>(t)]));
        // Values are collected first so that a failed read stores nothing of its group.
        std::array<std::uint8_t, kSetupBytes + 1> setup{};
        for (int i = 0; i < kSetupBytes; ++i)
            setup[static_cast<std::size_t>(i)] =
                static_cast<std::uint8_t>(file.ReadByte() - trackfile::kSetupBias);
        setup[kSetupBytes] = static_cast<std::uint8_t>(file.ReadByte() - trackfile::kCompoundBias);
        file.Seek(start + trackfile::kFuelOffset);
        const std::uint16_t fuel = file.ReadWord();
        file.Check(kSetupError);
        for (int i = 0; i <= kSetupBytes; ++i)
            record.setU8(TrackEntryOffset(t, trackentry::kFrontWing + static_cast<std::size_t>(i)),
                         setup[static_cast<std::size_t>(i)]);
        record.setU16(TrackEntryOffset(t, trackentry::kFuel), fuel);
        file.Close();
    }
    CompleteOriginalTracks(state);
}

void WriteTrackData(AppState& state) {
    const SettingsRecord& record = state.record;
    for (const std::string& name : TrackFileNames()) {
        GameFile file(state.faults, state.command.get());
        LocateSetup(file, state.GamePath(name));
    }

    state.exe.Seek(ExeOffset(ExeRow::TyreTable, state.edition));
    state.exe.Check(kSeekTableError);
    for (int t = 0; t < kTrackCount; ++t)
        state.exe.WriteWord(record.u16(TrackEntryOffset(t, trackentry::kTyres)));
    state.exe.Check(kTableError);

    for (int t = 0; t < kTrackCount; ++t) {
        const std::string path = state.GamePath(TrackFileNames()[static_cast<std::size_t>(t)]);
        GameFile file(state.faults, state.command.get());
        const std::uint32_t start = LocateSetup(file, path);
        for (int i = 0; i < kSetupBytes; ++i)
            file.WriteByte(static_cast<std::uint8_t>(
                record.u8(
                    TrackEntryOffset(t, trackentry::kFrontWing + static_cast<std::size_t>(i))) +
                trackfile::kSetupBias));
        file.WriteByte(static_cast<std::uint8_t>(
            record.u8(TrackEntryOffset(t, trackentry::kCompound)) + trackfile::kCompoundBias));
        file.Seek(start + trackfile::kFuelOffset);
        file.WriteWord(record.u16(TrackEntryOffset(t, trackentry::kFuel)));
        file.Check(kSetupError);
        // The trailer is computed over the staged bytes; a file whose values or trailer cannot
        // arrive is a failed export, not a silent one.
        file.Close();
        file.Check(kSetupError);
        RenewChecksum(path, state.faults, state.command.get(), kSetupError);
    }
}

} // namespace psn
