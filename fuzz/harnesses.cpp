// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fuzz/harnesses.h"

#include "core/app_state.h"
#include "core/commit.h"
#include "core/dib256.h"
#include "core/palette.h"
#include "core/platform.h"
#include "core/record.h"
#include "core/settings_files.h"
#include "core/sha256.h"
#include "seasons/season_archive.h"
#include "shell/record_fields_table.h"
#include "support/zip_maker.h"
#include "tools/samplegame/sample_game.h"
#include "tracks/cockpit_format.h"
#include "tracks/track_blocks.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <span>

namespace psn::fuzz {
namespace {

// Reading every output byte makes a sanitizer see any byte that decoding left uninitialised.
volatile std::uint32_t g_sink;

template <typename Bytes> void Touch(const Bytes& bytes) {
    std::uint32_t sum = 0;
    for (const auto b : bytes)
        sum += static_cast<std::uint32_t>(b);
    g_sink = sum;
}

// One scratch folder per process, standing in for the editor's start directory.
const std::string& ScratchDir() {
    static const std::string dir = [] {
        // Memory-backed when the system has it: the track harness writes a file per input.
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        auto path = base / ("psn-fuzz-" + std::to_string(psn::platform::ProcessId()));
        std::filesystem::create_directories(path);
        return path.string();
    }();
    return dir;
}

// The readers' decoding runs on the bytes in memory; the file layer beneath them is the same for
// every file and has its own tests.
void SettingsFiles(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    SettingsRecord record;
    for (std::size_t i = 0; i < rec::kSize; ++i)
        record.bytes()[i] = static_cast<std::uint8_t>(i * 31 + 5);
    const auto before = record;
    const FileResult result = SettingsFromBytes(record, bytes, "fuzz.GIA");
    if (!result.Ok() && !(record == before))
        __builtin_trap(); // a failed read must leave the record as it was
    if (result.Ok() && !std::equal(record.bytes().begin(), record.bytes().end(), data))
        __builtin_trap(); // a read gives the file's first bytes unchanged
    Touch(record.bytes());
    Touch(SettingsDescription(record));
    ConfigRecord config;
    ConfigFromBytes(config, bytes.first(std::min(size, ConfigRecord::kSize)));
    Touch(config.Bytes());
    Touch(config.GameDir());
    Touch(config.ExePath());
}

std::vector<std::vector<std::uint8_t>> SettingsSeeds() {
    std::vector<std::vector<std::uint8_t>> seeds;
    std::vector<std::uint8_t> record(rec::kSize, 0);
    seeds.push_back(record);
    for (std::size_t i = 0; i < record.size(); ++i)
        record[i] = static_cast<std::uint8_t>(i * 13);
    seeds.push_back(record);
    record[rec::kDescription] = 255;
    seeds.push_back(record);
    std::vector<std::uint8_t> config(515, 0);
    const std::string dir = "/games/psn/";
    config[0] = static_cast<std::uint8_t>(dir.size());
    std::copy(dir.begin(), dir.end(), config.begin() + 1);
    config[256] = 255;
    config[513] = 1;
    seeds.push_back(config);
    seeds.push_back({});
    return seeds;
}

void Palette(const std::uint8_t* data, std::size_t size) {
    const GamePalette palette = ParsePalette(std::span(data, size));
    for (const auto& entry : palette)
        g_sink = entry.red + entry.green + entry.blue + entry.reserved;
}

std::vector<std::vector<std::uint8_t>> PaletteSeeds() {
    std::vector<std::uint8_t> full(kPaletteHeaderSize, 0);
    for (int i = 0; i < 256; ++i)
        full.insert(full.end(), {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
                                 static_cast<std::uint8_t>(i / 2), 0});
    std::vector<std::uint8_t> part(full.begin(), full.begin() + kPaletteHeaderSize + 40);
    return {full, part, std::vector<std::uint8_t>(kPaletteHeaderSize, 0)};
}

std::uint32_t Le32(const std::uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

void Dib(const std::uint8_t* data, std::size_t size) {
    // Pictures beyond about 64K pixels are skipped so each input decodes quickly; the reader's own
    // bounds for larger sizes are exercised by the header checks alone.
    if (size >= 26) {
        const auto width = static_cast<std::int32_t>(Le32(data + 18));
        const auto height = static_cast<std::int32_t>(Le32(data + 22));
        const std::int64_t pixels = static_cast<std::int64_t>(width) * height;
        if (pixels > 65536 || pixels < -65536)
            return;
    }
    TDIB256 dib;
    try {
        dib.LoadFromBytes(std::span(data, size));
    } catch (const GraphicError&) {
        if (dib.Stride() != 0)
            __builtin_trap(); // a failed first load keeps nothing
        return;
    }
    const std::size_t bytes = static_cast<std::size_t>(dib.Stride()) * dib.Height();
    Touch(std::span(dib.Bits(), bytes));
    Touch(std::span(dib.ColorTable(), TDIB256::kColorTableSize));
}

void PutLe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A bitmap file of the given size: plain pixels, or run-length encoded rows.
std::vector<std::uint8_t> Bitmap(int width, int height, bool rle, std::uint32_t coloursUsed) {
    std::vector<std::uint8_t> pixels;
    const int stride = (width + 3) & ~3;
    for (int y = 0; y < height; ++y) {
        if (rle) {
            pixels.insert(pixels.end(),
                          {static_cast<std::uint8_t>(width), static_cast<std::uint8_t>(y)});
            if (y == 1)
                pixels.insert(pixels.end(), {0, 2, 1, 0}); // a delta
            if (y == 2)
                pixels.insert(pixels.end(), {0, 3, 7, 8, 9, 0}); // literal bytes, padded
            pixels.insert(pixels.end(), {0, 0});
        } else {
            for (int x = 0; x < stride; ++x)
                pixels.push_back(static_cast<std::uint8_t>(x + y));
        }
    }
    if (rle)
        pixels.insert(pixels.end(), {0, 1});
    const std::uint32_t colours = coloursUsed == 0 ? 256 : coloursUsed;
    std::vector<std::uint8_t> file;
    PutLe(file, 0x4D42, 2);
    PutLe(file, static_cast<std::uint32_t>(54 + 4 * colours + pixels.size()), 4);
    PutLe(file, 0, 4);
    PutLe(file, 54 + 4 * colours, 4);
    PutLe(file, 40, 4);
    PutLe(file, static_cast<std::uint32_t>(width), 4);
    PutLe(file, static_cast<std::uint32_t>(height), 4);
    PutLe(file, 1, 2);
    PutLe(file, 8, 2);
    PutLe(file, rle ? 1 : 0, 4);
    PutLe(file, rle ? static_cast<std::uint32_t>(pixels.size()) : 0, 4);
    PutLe(file, 2835, 4);
    PutLe(file, 2835, 4);
    PutLe(file, coloursUsed, 4);
    PutLe(file, 0, 4);
    for (std::uint32_t i = 0; i < colours; ++i)
        PutLe(file, i * 0x010203u, 4);
    file.insert(file.end(), pixels.begin(), pixels.end());
    return file;
}

std::vector<std::vector<std::uint8_t>> DibSeeds() {
    return {Bitmap(10, 6, false, 0), Bitmap(7, 5, true, 0), Bitmap(74, 15, false, 16),
            Bitmap(1, 1, false, 2), Bitmap(100, 67, true, 256)};
}

// The first byte chooses the edition, so each input costs one read rather than one per edition.
void CockpitData(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return;
    static constexpr int kEditions[] = {0, 1, 2, 3, 4, 6};
    const int edition = kEditions[data[0] % std::size(kEditions)];
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 1; i < size; ++i) {
        const char c = static_cast<char>(data[i]);
        if (c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
        } else if (c != '\r') {
            line += c;
        }
    }
    if (!line.empty())
        lines.push_back(std::move(line));
    try {
        const auto writes = CockpitDataReader(std::move(lines), edition).Read();
        for (const auto& write : writes)
            g_sink = write.offset + static_cast<std::uint32_t>(write.value + write.width);
    } catch (const DataFileError&) {
    }
}

std::vector<std::vector<std::uint8_t>> CockpitSeeds() {
    // Lines of text with numbers in the four fixed columns, as the cockpit data files hold them.
    std::vector<std::vector<std::uint8_t>> seeds;
    for (int variant = 0; variant < 6; ++variant) {
        std::string file(1, static_cast<char>(variant)); // the edition chooser
        for (std::size_t n = 0; n < kCockpitDataLines + 2; ++n) {
            std::string text = "; cockpit line " + std::to_string(n);
            text.resize(33, ' ');
            const auto field = [&](int value) {
                std::string digits = std::to_string(value % 1000);
                digits.insert(0, 3 - digits.size(), ' ');
                return digits;
            };
            text += field(static_cast<int>(n) * 3 + variant) + "   " + field(200 - n) + "    " +
                    field(static_cast<int>(n) * 7) + "    " + field(variant * 100 + 5);
            file += text + (variant % 2 ? "\r\n" : "\n");
        }
        seeds.emplace_back(file.begin(), file.end());
    }
    return seeds;
}

// A sample installation made once per process, its executable kept open. Each input replaces one
// track file for one read of the track block; that file is put back only when a later input
// damages another one, so an input costs one file written.
struct TrackFuzzGame {
    sample::Installation game;
    std::vector<std::vector<std::uint8_t>> originals;
    AppState state;
    int damaged = 0; // the track whose file holds the last input, 0 for none

    TrackFuzzGame() {
        sample::Options options;
        options.gameDir = ScratchDir() + "/game";
        options.withPictures = false;
        game = sample::MakeInstallation(options);
        for (int t = 1; t <= kTrackCount; ++t)
            originals.push_back(sample::TrackFileImage(0, t));
        state.startDir = ScratchDir();
        state.config.SetGameDir(game.gameDir);
        state.config.SetExePath(game.exePath);
        state.OpenGameExe();
    }

    void Put(int track, const std::uint8_t* data, std::size_t size) const {
        std::ofstream out(game.TrackPath(track), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
};

void TrackBlock(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return;
    static TrackFuzzGame fuzz;
    const int track = data[0] % kTrackCount + 1;
    if (fuzz.damaged != 0 && fuzz.damaged != track) {
        const auto& original = fuzz.originals[static_cast<std::size_t>(fuzz.damaged - 1)];
        fuzz.Put(fuzz.damaged, original.data(), original.size());
    }
    fuzz.Put(track, data + 1, size - 1);
    fuzz.damaged = track;
    AppState& state = fuzz.state;
    state.record = SettingsRecord();
    try {
        ReadTrackData(state);
    } catch (const FileAccessError&) {
    }
    Touch(state.record.bytes());
}

std::vector<std::vector<std::uint8_t>> TrackSeeds() {
    std::vector<std::vector<std::uint8_t>> seeds;
    for (const int track : {1, 7, 16}) {
        std::vector<std::uint8_t> seed{static_cast<std::uint8_t>(track - 1)};
        const auto file = sample::TrackFileImage(0, track);
        // Seeds stay small: the set-up pointer and block lie near the start of the file.
        seed.insert(seed.end(), file.begin(),
                    file.begin() + std::min<std::size_t>(file.size(), 4096));
        seeds.push_back(seed);
    }
    return seeds;
}

// A settings document typed by hand: anything is refused with a message or read whole, and what
// is read writes out to a document that reads back the same.
void SettingsJson(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    SettingsRecord record;
    try {
        record = fields::FromJson(text);
    } catch (const fields::InputError&) {
        return;
    }
    if (fields::FromJson(fields::ToJson(record, {})) != record)
        __builtin_trap(); // a document that loads must survive being written out
    Touch(record.bytes());
}

std::vector<std::vector<std::uint8_t>> SettingsJsonSeeds() {
    std::vector<std::vector<std::uint8_t>> seeds;
    for (const int edition : {0, 3}) {
        SettingsRecord record = sample::ExpectedRecord(edition, true, 1, 1);
        const auto tracks = sample::ExpectedTrackEntries(edition);
        std::copy(tracks.begin(), tracks.end(), record.bytes().begin() + rec::kTrackEntries);
        const std::string text = fields::ToJson(record, {});
        seeds.emplace_back(text.begin(), text.end());
    }
    for (const std::string_view small : {"{\"psnedit\": 1}", "{\"psnedit\": 1, \"names\": {}}"})
        seeds.emplace_back(small.begin(), small.end());
    return seeds;
}

// A commit record comes with any game folder: whatever it says, recovery changes nothing outside
// the folder, nothing through a second name of a file, and acts on a record wholly or not at all.
struct RecordFuzzGame {
    std::filesystem::path root = std::filesystem::path(ScratchDir()) / "record";
    std::filesystem::path game = root / "game", outside = root / "outside";
    static inline const std::vector<std::uint8_t> kBytes = std::vector<std::uint8_t>(64, 1);

    RecordFuzzGame() {
        namespace sfs = std::filesystem;
        sfs::remove_all(root);
        sfs::create_directories(game / "BITMAPS");
        sfs::create_directories(game / "GAMEJAMS");
        sfs::create_directories(outside);
    }
    // Puts back what an input may have changed; rewriting a few small files keeps the target fast.
    void Reset() const {
        namespace sfs = std::filesystem;
        for (const sfs::path& file : {game / "BITMAPS" / "CPITHI.PCX", outside / "LOTUS.JAM",
                                      outside / "CPITLOW.PCX", outside / "victim"})
            Write(file, kBytes);
        // A file link out of the game, a folder link out of it and a hard link to a file outside.
        std::error_code ec;
        sfs::create_symlink(outside / "victim", game / "GAMEJAMS" / "LOTUS.JAM", ec);
        sfs::create_directory_symlink(outside, game / "LINKED", ec);
        sfs::remove(game / "BITMAPS" / "CPITLOW.PCX", ec);
        sfs::create_hard_link(outside / "CPITLOW.PCX", game / "BITMAPS" / "CPITLOW.PCX", ec);
        Write(game / "BITMAPS" / ("CPITHI.PCX" + std::string(kNewSuffix)), {2, 2});
        Write(outside / ("victim" + std::string(kNewSuffix)), {3, 3});
    }
    static void Write(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    static std::vector<std::uint8_t> Read(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
};

void CommitRecord(const std::uint8_t* data, std::size_t size) {
    static const RecordFuzzGame fuzz;
    fuzz.Reset();
    const auto record = fuzz.game / kCommitRecordName;
    RecordFuzzGame::Write(record, std::vector<std::uint8_t>(data, data + size));
    bool recovered = true;
    try {
        const RecoveryReport report =
            RecoverInterruptedCommit(fuzz.game.string(), {fuzz.game.string()});
        // The program a record names is shown to the user: short, and printable.
        if (report.program.size() > 32 || std::any_of(report.program.begin(), report.program.end(),
                                                      [](char c) { return c < 0x21 || c > 0x7E; }))
            __builtin_trap();
    } catch (const FileAccessError&) {
        recovered = false;
    }
    for (const char* name : {"victim", "LOTUS.JAM", "CPITLOW.PCX"})
        if (RecordFuzzGame::Read(fuzz.outside / name) != RecordFuzzGame::kBytes)
            __builtin_trap(); // a file outside the game changed
    if (!recovered &&
        RecordFuzzGame::Read(fuzz.game / "BITMAPS" / "CPITHI.PCX") != RecordFuzzGame::kBytes)
        __builtin_trap(); // a refused record changed a game file
    if (recovered == std::filesystem::exists(record))
        __builtin_trap(); // a record acted on stays, or a refused one is gone
}

std::vector<std::vector<std::uint8_t>> CommitRecordSeeds() {
    std::vector<std::vector<std::uint8_t>> seeds;
    for (const std::string_view text : {
             "psniaed commit record\ncomplete\npatch BITMAPS/CPITHI.PCX\nat 3 abcd 0101\n"
             "modified 1000000000 5\nend\n",
             "psniaed commit record\nundo\npatch BITMAPS/CPITHI.PCX\nat 0 ff 01\nat 40 0102 "
             "0101\nreplace GAMEJAMS/LOTUS.JAM\nend\n",
             "psniaed commit record\ncomplete\nreplace BITMAPS/CPITHI.PCX\ncreate "
             "LINKED/CPITLOW.PCX\nend\n",
             "psniaed commit record\ncomplete\npatch BITMAPS/CPITLOW.PCX\nat 1 ab 01\nend\n",
             "psniaed commit record\nundo\nby psnedit\npatch BITMAPS/CPITHI.PCX\nat 3 abcd "
             "0101\nend\n",
         })
        seeds.emplace_back(text.begin(), text.end());
    return seeds;
}

#ifdef PSN_SEASON_FILES
// A season file or pack from a stranger: refused whole, or stored whole with every file it names
// readable and matching its hash. A refusal leaves the store as it was.
void SeasonImport(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path dir = std::filesystem::path(ScratchDir()) / "seasons";
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    seasons::Store store(dir.string());
    seasons::ImportOptions how;
    how.source = "fuzz.zip";
    try {
        const auto result = seasons::ImportSeason(store, {data, size}, how);
        const seasons::Season kept = store.Get(result.season.name);
        for (const seasons::FileRef& file : kept.files)
            Touch(store.Read(file));
    } catch (const seasons::SeasonError&) {
        if (std::filesystem::exists(dir / "seasons") && !std::filesystem::is_empty(dir / "seasons"))
            __builtin_trap(); // a refused import kept a season
    }
}

std::vector<std::vector<std::uint8_t>> SeasonSeeds() {
    const auto bytes = [](std::string_view text) {
        return std::vector<std::uint8_t>(text.begin(), text.end());
    };
    const std::vector<std::uint8_t> exe(64, 7);
    const std::string hash = Sha256Hex(exe);
    const auto manifest = [&](const std::string& edition) {
        return bytes("psniaed season 1\nname fuzz\nedition " + edition +
                     "\nkept 2026-12-09T10:00:00Z\ndescription a\\nb\nfile " + hash +
                     " 64 PSN.EXE\nend\n");
    };
    using test::MakeZip;
    return {
        MakeZip({{seasons::kManifestEntry, manifest("0")}, {"game/PSN.EXE", exe}}),
        MakeZip({{seasons::kManifestEntry, manifest("9")}, {"game/PSN.EXE", exe}}),
        MakeZip({{"pack/", {}, S_IFDIR | 0755}, {"pack/F1CT01.DAT", exe}, {"pack/x.gia", exe}}),
        MakeZip({{"../F1CT01.DAT", exe}}),
        MakeZip({{"LOTUS.JAM", bytes("/etc/passwd"), S_IFLNK | 0777}}),
        MakeZip({{"HELMETS1.JAM", exe}, {"helmets1.jam", exe}}),
    };
}
#endif

} // namespace

const std::vector<Target>& Targets() {
    static const std::vector<Target> targets = {
        {"settings", SettingsFiles, SettingsSeeds},
        {"palette", Palette, PaletteSeeds},
        {"dib", Dib, DibSeeds},
        {"cockpit", CockpitData, CockpitSeeds},
        {"track", TrackBlock, TrackSeeds},
        {"json", SettingsJson, SettingsJsonSeeds},
        {"record", CommitRecord, CommitRecordSeeds},
#ifdef PSN_SEASON_FILES
        {"season", SeasonImport, SeasonSeeds},
#endif
    };
    return targets;
}

const Target* FindTarget(const std::string& name) {
    for (const auto& target : Targets())
        if (name == target.name)
            return &target;
    return nullptr;
}

} // namespace psn::fuzz
