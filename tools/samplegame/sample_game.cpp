// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/samplegame/sample_game.h"

#include "core/sample_packs.h"
#include "tools/samplegame/sample_images.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <stdexcept>

namespace psn::sample {
namespace {

// Columns 0..4; column 5 repeats 0 and column 6 repeats 4 except in rows 31 and 32.
constexpr std::uint32_t kOffsets[35][5] = {
    {0x1DC27A, 0x1DC2EA, 0x1DC2AE, 0x1DC2CE, 0x1DC2AA},
    {0x1DC1EE, 0x1DC25E, 0x1DC222, 0x1DC242, 0x1DC21E},
    {0x1DC216, 0x1DC286, 0x1DC24A, 0x1DC26A, 0x1DC246},
    {0x1DC73E, 0x1DC7AE, 0x1DC772, 0x1DC792, 0x1DC76E},
    {0x1DC63A, 0x1DC6AA, 0x1DC66E, 0x1DC68E, 0x1DC66A},
    {0x1DC867, 0x1DC8D7, 0x1DC89B, 0x1DC8BB, 0x1DC897},
    {0x1D77EC, 0x1D785C, 0x1D7820, 0x1D7840, 0x1D781C},
    {0x1D783C, 0x1D78AC, 0x1D7870, 0x1D7890, 0x1D786C},
    {0x1D78DC, 0x1D794C, 0x1D7910, 0x1D7930, 0x1D790C},
    {0x1D797C, 0x1D79EC, 0x1D79B0, 0x1D79D0, 0x1D79AC},
    {0xA5A98, 0xA5A98, 0xA5A98, 0xA5A98, 0xA5A98},
    {0xA5A9F, 0xA5A9F, 0xA5A9F, 0xA5A9F, 0xA5A9F},
    {0x1DD12F, 0x1DD19F, 0x1DD163, 0x1DD183, 0x1DD15F},
    {0xA5B0D, 0xA5B0D, 0xA5B0D, 0xA5B0D, 0xA5B0D},
    {0x91B73, 0x91B73, 0x91B73, 0x91B73, 0x91B73},
    {0xE4F02, 0xE4F02, 0xE4F02, 0xE4F02, 0xE4F02},
    {0x12AF14, 0x12AF14, 0x12AF14, 0x12AF14, 0x12AF14},
    {0x1DD12B, 0x1DD19B, 0x1DD15F, 0x1DD17F, 0x1DD15B},
    {0x138844, 0x138844, 0x138844, 0x138844, 0x138844},
    {0x1390C8, 0x1390C8, 0x1390C8, 0x1390C8, 0x1390C8},
    {0x12E5B3, 0x12E5B3, 0x12E5B3, 0x12E5B3, 0x12E5B3},
    {0x1E658C, 0x1E65FC, 0x1E65CC, 0x1E65EC, 0x1E65BC},
    {0x13735A, 0x13735A, 0x13735A, 0x13735A, 0x13735A},
    {0x139934, 0x139934, 0x139934, 0x139934, 0x139934},
    {0x139958, 0x139958, 0x139958, 0x139958, 0x139958},
    {0xA4798, 0xA4798, 0xA4798, 0xA4798, 0xA4798},
    {0xABFD0, 0xABFD0, 0xABFD0, 0xABFD0, 0xABFD0},
    {0x1390CC, 0x1390CC, 0x1390CC, 0x1390CC, 0x1390CC},
    {0x138A48, 0x138A48, 0x138A48, 0x138A48, 0x138A48},
    {0xA5A8B, 0xA5A8B, 0xA5A8B, 0xA5A8B, 0xA5A8B},
    {0xA5BF8, 0xA5BF8, 0xA5BF8, 0xA5BF8, 0xA5BF8},
    {0x56B50C, 0x56C4DA, 0x56C2E7, 0x56C829, 0x56C59B},
    {0x56B50B, 0x56C4D9, 0x56C2E6, 0x56C828, 0x56C59A},
    {0x1DD02C, 0x1DD09C, 0x1DD060, 0x1DD080, 0x1DD05C},
    {0x1DC868, 0x1DC8D8, 0x1DC89C, 0x1DC8BC, 0x1DC898},
};

enum Row {
    kDriverNames = 0,
    kCarNumbers = 1,
    kCockpit = 2,
    kEngineNames = 3,
    kTeamNames = 4,
    kFirstDriver = 5,
    kPower = 6,
    kGrip = 7,
    kGripRange = 8,
    kFailures = 9,
    kHumanOther = 10,
    kHumanQual = 11,
    kPitOrder = 12,
    kRandomPower = 13,
    kSpeedCheck = 14,
    kFuelDisplay = 15,
    kPitSpeed = 18,
    kHumanWeight = 19,
    kNoses = 20,
    kPitCrew = 21,
    kCameras = 22,
    kLightColours = 23,
    kLightSpeeds = 24,
    kPracticeFuel = 25,
    kQualifyingFuel = 26,
    kComputerWeight = 27,
    kTyreTable = 28,
    kPerformance1 = 29,
    kPerformance2 = 30,
    kTrackNamesRow = 31,
    kStretch1 = 32,
    kStretch2 = 33,
    kStretch3 = 34,
};

constexpr std::uint32_t kEditionByteAt = 0x569973;
constexpr std::uint16_t kStateCarNumbers = 0x37F2, kStateCockpit = 0x381A,
                        kStateDriverNames = 0x387E, kStateTeamNames = 0x3C3E,
                        kStateEngineNames = 0x3D42;
constexpr std::size_t kStretchSizes[3] = {288, 192, 1024};
constexpr std::size_t kChecksumLimit = 80001;

std::uint64_t SplitMix(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// Bytes drawn with the frequencies of 32-bit x86 code: many zeros and FFs, mov, call, jumps.
const std::array<std::uint8_t, 1024>& CodeByteTable() {
    static const std::array<std::uint8_t, 1024> table = [] {
        std::array<int, 256> weight{};
        weight.fill(2);
        const std::pair<int, int> frequent[] = {
            {0x00, 180}, {0xFF, 50}, {0x8B, 45}, {0x89, 35}, {0xE8, 14}, {0x83, 25}, {0x45, 20},
            {0x55, 10},  {0xC3, 10}, {0x74, 12}, {0x75, 12}, {0x0F, 15}, {0xEB, 8},  {0x24, 12},
            {0x04, 14},  {0x08, 14}, {0x01, 16}, {0xC0, 8},  {0x85, 12}, {0x33, 8},  {0x66, 8},
            {0x90, 6},   {0x50, 8},  {0x53, 8},  {0x56, 8},  {0x57, 8},  {0x5E, 8},  {0x5F, 8},
            {0x10, 10},  {0x02, 10}, {0xC7, 8},  {0x8D, 10}, {0x3B, 6},  {0x80, 8},  {0x40, 8}};
        for (auto [b, w] : frequent)
            weight[b] = w;
        int total = 0;
        for (int w : weight)
            total += w;
        std::array<std::uint8_t, 1024> t{};
        int b = 0, acc = weight[0];
        for (int i = 0; i < 1024; ++i) {
            while (b < 255 && (i + 0.5) * total / 1024.0 > acc)
                acc += weight[++b];
            t[i] = static_cast<std::uint8_t>(b);
        }
        return t;
    }();
    return table;
}

void FillCodeLike(std::vector<std::uint8_t>& out, std::uint64_t seed) {
    const auto& table = CodeByteTable();
    std::uint64_t state = seed;
    std::size_t i = 0;
    while (i < out.size()) {
        std::uint64_t r = SplitMix(state);
        for (int k = 0; k < 6 && i < out.size(); ++k, r >>= 10)
            out[i++] = table[r & 1023];
    }
}

// Data-like bytes: mostly small numbers and zeros, as in a save file or a track file.
void FillDataLike(std::vector<std::uint8_t>& out, std::uint64_t seed) {
    std::uint64_t state = seed;
    for (std::size_t i = 0; i < out.size(); i += 8) {
        std::uint64_t r = SplitMix(state);
        for (std::size_t k = 0; k < 8 && i + k < out.size(); ++k, r >>= 8) {
            const unsigned b = r & 0xFF;
            out[i + k] = b < 96    ? 0
                         : b < 200 ? static_cast<std::uint8_t>(b & 0x1F)
                                   : static_cast<std::uint8_t>(b);
        }
    }
}

void Put8(std::vector<std::uint8_t>& f, std::size_t at, std::uint8_t v) {
    f.at(at) = v;
}
void Put16(std::vector<std::uint8_t>& f, std::size_t at, std::uint16_t v) {
    f.at(at) = static_cast<std::uint8_t>(v & 0xFF);
    f.at(at + 1) = static_cast<std::uint8_t>(v >> 8);
}
// A name field: characters then zeros; `innerZero` puts one zero byte after the third character,
// which a reader must skip.
void PutName(std::vector<std::uint8_t>& f, std::size_t at, std::size_t width,
             const std::string& name, bool innerZero) {
    std::string stored = innerZero ? name.substr(0, 3) + '\0' + name.substr(3) : name;
    if (stored.size() > width)
        throw std::logic_error("name too long: " + name);
    for (std::size_t i = 0; i < width; ++i)
        f.at(at + i) = i < stored.size() ? static_cast<std::uint8_t>(stored[i]) : 0;
}

void PutNames(std::vector<std::uint8_t>& f, const NameBlock& b, std::size_t numbers,
              std::size_t teams, std::size_t engines, std::size_t drivers) {
    for (int k = 0; k < kSlots; ++k)
        Put8(f, numbers + k, b.carBytes[k]);
    for (int t = 0; t < kTeams; ++t) {
        PutName(f, teams + 13 * t, 13, b.teamNames[t], false);
        PutName(f, engines + 13 * t, 13, b.engineNames[t], false);
    }
    for (int n = 1; n <= kSlots; ++n)
        PutName(f, drivers + 24 * (n - 1), 24, b.driverNames[n - 1], n == b.nameWithInnerZero);
}

std::vector<std::uint8_t> TrackNamesBlock(const std::array<std::string, kTracks>& names) {
    std::vector<std::uint8_t> out;
    for (const std::string& n : names) {
        out.insert(out.end(), n.begin(), n.end());
        out.push_back(0);
    }
    return out;
}

// Per-track data beside the names: laps and lap length (stretch 2), then a table of lap records
// and sector times (stretch 3); ours, since the game's meaning is unknown.
std::vector<std::uint8_t> Stretch(int index, const std::array<std::string, kTracks>& names) {
    std::vector<std::uint8_t> out(kStretchSizes[index], 0);
    if (index == 0) {
        const std::vector<std::uint8_t> block = TrackNamesBlock(names);
        std::copy(block.begin(), block.end(), out.begin() + 1);
    } else if (index == 1) {
        for (int t = 0; t < kTracks; ++t) {
            const std::size_t at = 12 * t;
            out[at] = static_cast<std::uint8_t>(44 + (t * 7) % 30);
            Put16(out, at + 2, static_cast<std::uint16_t>(3900 + 173 * t));
            Put16(out, at + 4, static_cast<std::uint16_t>(names[t].size() * 1000 + t));
            out[at + 6] = static_cast<std::uint8_t>(t + 1);
            out[at + 8] = static_cast<std::uint8_t>(names[t][0]);
        }
    } else {
        for (int t = 0; t < kTracks; ++t)
            for (int k = 0; k < 32; ++k)
                Put16(out, 64 * t + 2 * k,
                      static_cast<std::uint16_t>(names[t][k % names[t].size()] * 17 + k * 131 + t));
    }
    return out;
}

std::uint32_t ChecksumTrailerOf(const std::vector<std::uint8_t>& f) {
    const std::size_t n = std::min(f.size(), kChecksumLimit);
    std::uint16_t s = 0, r = 0;
    for (std::size_t i = 0; i + 4 < n; ++i) {
        s = static_cast<std::uint16_t>(s + f[i]);
        r = static_cast<std::uint16_t>(((r << 3) | (r >> 13)) + f[i]);
    }
    return static_cast<std::uint32_t>(s) | static_cast<std::uint32_t>(r) << 16;
}

void PutTrailer(std::vector<std::uint8_t>& f) {
    const std::uint32_t t = ChecksumTrailerOf(f);
    for (int i = 0; i < 4; ++i)
        f[f.size() - 4 + i] = static_cast<std::uint8_t>(t >> (8 * i));
}

std::vector<std::uint8_t> BuildExe(int e) {
    const SampleValues& v = Values(e);
    std::vector<std::uint8_t> f(kExeSize);
    FillCodeLike(f, 0x505345584500ull + static_cast<std::uint64_t>(e));
    const char header[] = "MZ\x90\0\x03\0\0\0\x04\0\0\0\xFF\xFF";
    std::copy(header, header + sizeof header - 1, f.begin());
    auto at = [e](int row) { return Offset(row, e); };

    PutNames(f, v.exeNames, at(kCarNumbers), at(kTeamNames), at(kEngineNames), at(kDriverNames));
    Put8(f, at(kFirstDriver), v.firstDriverByte);

    for (int t = 0; t < 20; ++t) {
        Put16(f, at(kPower) + 2 * t, static_cast<std::uint16_t>(v.powerQual[t] + 32817));
        Put16(f, at(kPower) + 40 + 2 * t, static_cast<std::uint16_t>(v.powerOther[t] + 32817));
        Put16(f, at(kFailures) + 2 * t, v.failures[t]);
    }
    Put16(f, at(kHumanOther), v.humanPowerOther);
    Put16(f, at(kHumanQual), v.humanPowerQual);
    for (int i = 0; i < 5; ++i)
        Put8(f, at(kRandomPower) + i, v.randomPowerBytes[i]);

    for (int n = 0; n < kSlots; ++n) {
        Put16(f, at(kGrip) + 4 * n, static_cast<std::uint16_t>(v.gripQual[n] + 15751));
        Put16(f, at(kGrip) + 4 * n + 2, static_cast<std::uint16_t>(v.gripOther[n] + 15751));
        Put16(f, at(kGripRange) + 4 * n, v.gripRange[n]);
        Put8(f, at(kGripRange) + 4 * n + 2, v.gripRangeTail[n][0]);
        Put8(f, at(kGripRange) + 4 * n + 3, v.gripRangeTail[n][1]);
    }

    for (int p = 0; p < kTeams; ++p)
        Put8(f, at(kPitOrder) + p, v.pitOrder[p]);
    Put8(f, at(kSpeedCheck), v.speedCheckByte);
    Put16(f, at(kPitSpeed), v.pitSpeedRaw);

    for (int i = 0; i < 60; ++i)
        Put8(f, at(kCockpit) + i, static_cast<std::uint8_t>(v.cockpitExe[i] - 10));
    for (int i = 0; i < 224; ++i)
        Put8(f, at(kPitCrew) + i, static_cast<std::uint8_t>(v.pitCrew[i] - 10));
    for (int i = 0; i < 88; ++i)
        Put16(f, at(kCameras) + 2 * i, static_cast<std::uint16_t>(v.cameras[i]));

    for (int k = 0; k < 4; ++k)
        Put8(f, at(kLightColours) + 4 * k, v.lightColours[k]);
    for (int k = 0; k < 3; ++k)
        Put16(f, at(kLightSpeeds) + 4 * k, v.lightSpeeds[k]);
    Put8(f, at(kPracticeFuel), v.practiceFuel);
    Put8(f, at(kQualifyingFuel), v.qualifyingFuel);
    Put16(f, at(kHumanWeight), v.humanWeight);
    Put16(f, at(kComputerWeight), v.computerWeight);
    Put8(f, at(kFuelDisplay), v.fuelDisplayByte);
    Put8(f, at(kPerformance1), v.teamPerformance1);
    Put8(f, at(kPerformance2), v.teamPerformance2);
    for (const PatchRecord& r : PatchRecords())
        Put8(f, r.offset, v.patchOn ? r.on : r.off);

    // The nose tables interleave; the second is written last, as the editor writes it.
    for (int t = 0; t < kTeams; ++t)
        Put8(f, at(kNoses) + 4 * t, v.noseFirstBytes[t]);
    for (int t = 0; t < kTeams; ++t)
        Put8(f, at(kNoses) + 53 + 4 * t, v.noseSecondBytes[t]);

    for (int t = 0; t < kTracks; ++t)
        Put16(f, at(kTyreTable) + 2 * t, v.tyreConsumption[t]);
    for (int i = 0; i < 3; ++i) {
        const std::vector<std::uint8_t> s = Stretch(i, v.trackNames);
        std::copy(s.begin(), s.end(), f.begin() + at(kStretch1 + i));
    }

    const char editionByte = "JoiEa\0e"[e];
    f.at(kEditionByteAt) = static_cast<std::uint8_t>(editionByte ? editionByte : 'J');
    return f;
}

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes,
               bool readOnly = false) {
    std::filesystem::create_directories(path.parent_path());
    // A read-only leftover would refuse the open (and on Windows its removal too).
    std::error_code ec;
    std::filesystem::permissions(path, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove(path);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
    if (readOnly)
        std::filesystem::permissions(path,
                                     std::filesystem::perms::owner_write |
                                         std::filesystem::perms::group_write |
                                         std::filesystem::perms::others_write,
                                     std::filesystem::perm_options::remove);
}

std::string WithSlash(std::string dir) {
    if (!dir.empty() && dir.back() != '/')
        dir += '/';
    return dir;
}

void PutRecordName(SettingsRecord& r, std::size_t at, std::size_t capacity, const std::string& s) {
    // Only the length byte and the characters are stored; bytes beyond stay as they were.
    r.setU8(at, static_cast<std::uint8_t>(std::min(s.size(), capacity)));
    for (std::size_t i = 0; i < s.size() && i < capacity; ++i)
        r.setU8(at + 1 + i, static_cast<std::uint8_t>(s[i]));
}

void ApplyNames(SettingsRecord& r, const NameBlock& b, bool withSwitch, std::uint8_t switchByte) {
    for (int k = 1; k <= kSlots; ++k) {
        r.setU8(rec::SlotNumber(k), static_cast<std::uint8_t>(b.SlotNumber(k)));
        r.setU8(rec::SlotMark(k), b.SlotSelected(k) ? 1 : 0);
    }
    for (int t = 1; t <= kTeams; ++t) {
        PutRecordName(r, rec::TeamName(t), 13, b.teamNames[t - 1]);
        PutRecordName(r, rec::EngineName(t), 13, b.engineNames[t - 1]);
        r.setU8(rec::TeamInUse(t), b.SlotNumber(2 * t - 1) != 0 ? 1 : 0);
    }
    for (int n = 1; n <= kSlots; ++n)
        PutRecordName(r, rec::DriverName(n), 24, b.driverNames[n - 1]);
    if (withSwitch)
        r.setU8(rec::kFirstDriverSwitch, switchByte == 255 ? 1 : 0);
}

// The pictures are the same in every installation; drawing them once keeps installations cheap.
const std::vector<std::pair<std::string, std::vector<std::uint8_t>>>& PictureFiles() {
    static const auto files = [] {
        std::vector<std::pair<std::string, std::vector<std::uint8_t>>> out;
        out.emplace_back("GAMEJAMS/HELMETS1.JAM", JamArchive(HelmetSheet()));
        for (int t = 1; t <= kTeams; ++t)
            out.emplace_back("GAMEJAMS/" + CarArchiveNames()[t - 1], JamArchive(Livery(t)));
        out.emplace_back("BITMAPS/CPITHI.PCX",
                         EncodePcx8(CockpitPicture(640, 480), SamplePalette()));
        out.emplace_back("BITMAPS/CPITLOW.PCX",
                         EncodePcx8(CockpitPicture(320, 200), SamplePalette()));
        return out;
    }();
    return files;
}

} // namespace

std::uint32_t Offset(int row, int edition) {
    if (row < 0 || row > 34 || edition < 0 || edition > 6)
        throw std::out_of_range("offset row or edition");
    if (edition == 6 && row == kTrackNamesRow)
        return 0x56BE32;
    if (edition == 6 && row == kStretch1)
        return 0x56BE31;
    const int column = edition == 5 ? 0 : edition == 6 ? 4 : edition;
    return kOffsets[row][column];
}

const std::vector<std::uint8_t>& ExeImage(int edition) {
    Values(edition); // validates the edition
    static std::array<std::vector<std::uint8_t>, 7> cache;
    static std::mutex mutex;
    std::lock_guard lock(mutex);
    if (cache[edition].empty())
        cache[edition] = BuildExe(edition);
    return cache[edition];
}

std::vector<std::uint8_t> StateImage(int edition) {
    const SampleValues& v = Values(edition);
    std::vector<std::uint8_t> f(kStateSize);
    FillDataLike(f, 0x5341564500ull + static_cast<std::uint64_t>(edition));
    PutNames(f, v.stateNames, kStateCarNumbers, kStateTeamNames, kStateEngineNames,
             kStateDriverNames);
    for (int i = 0; i < 60; ++i)
        Put8(f, kStateCockpit + i, static_cast<std::uint8_t>(v.cockpitState[i] - 10));
    PutTrailer(f);
    return f;
}

std::vector<std::uint8_t> TrackFileImage(int edition, int track) {
    const SampleValues& v = Values(edition);
    if (track < 1 || track > kTracks)
        throw std::out_of_range("track must be 1..16");
    const TrackSetup& s = v.tracks[track - 1];
    std::vector<std::uint8_t> f(s.fileSize);
    FillDataLike(f, 0x54524B00ull + 64u * static_cast<std::uint64_t>(edition) + track);
    Put16(f, 0x1014, static_cast<std::uint16_t>(s.setupOffset - 0x1020));
    std::size_t at = s.setupOffset;
    Put8(f, at + 0, static_cast<std::uint8_t>(s.frontWing + 151));
    Put8(f, at + 1, static_cast<std::uint8_t>(s.rearWing + 151));
    for (int g = 0; g < 6; ++g)
        Put8(f, at + 2 + g, static_cast<std::uint8_t>(s.gears[g] + 151));
    Put8(f, at + 8, static_cast<std::uint8_t>(s.compound + 52));
    Put16(f, at + 26, s.fuel);
    PutTrailer(f);
    return f;
}

std::vector<std::uint8_t> OriginalStretch(int index) {
    if (index < 0 || index > 2)
        throw std::out_of_range("stretch index must be 0..2");
    return Stretch(index, Values(0).trackNames);
}

std::vector<std::uint8_t> BonusStretch(int index) {
    if (index < 0 || index > 2)
        throw std::out_of_range("stretch index must be 0..2");
    std::array<std::string, kTracks> names = Values(0).trackNames;
    names[6] = "Valmont";
    return Stretch(index, names);
}

SettingsRecord ExpectedRecord(int edition, bool hasState, int namesSource, int cockpitSource) {
    const SampleValues& v = Values(edition);
    SettingsRecord r;
    ApplyNames(r, v.exeNames, true, v.firstDriverByte);
    if (hasState)
        ApplyNames(r, namesSource == 1 ? v.stateNames : v.exeNames, namesSource != 1,
                   v.firstDriverByte);

    for (int t = 0; t < 20; ++t) {
        r.setU16(rec::kEnginePowerQual + 2 * t, v.powerQual[t]);
        r.setU16(rec::kEnginePowerOther + 2 * t, v.powerOther[t]);
        r.setU16(rec::kFailures + 2 * t, v.failures[t]);
    }
    r.setU8(rec::kRandomPowerSwitch, v.randomPowerBytes[0] == 0xE8 ? 1 : 0);
    r.setU16(rec::kHumanPowerOther, v.humanPowerOther);
    r.setU16(rec::kHumanPowerQual, v.humanPowerQual);
    for (int n = 0; n < kSlots; ++n) {
        r.setU16(rec::kGripQual + 2 * n, v.gripQual[n]);
        r.setU16(rec::kGripOther + 2 * n, v.gripOther[n]);
        r.setU16(rec::kGripRange + 2 * n, v.gripRange[n]);
    }
    for (int p = 0; p < kTeams; ++p)
        r.setU8(rec::kPitOrder + p, v.pitOrder[p]);
    r.setU8(rec::kSpeedCheckSwitch, v.speedCheckByte == 116 ? 1 : 0);
    r.setU16(rec::kPitSpeed, v.pitSpeedRaw);

    const auto& cockpit = hasState && cockpitSource == 1 ? v.cockpitState : v.cockpitExe;
    for (int i = 0; i < 60; ++i)
        r.setU8(rec::kCockpitColours + i, cockpit[i]);
    for (int i = 0; i < 224; ++i)
        r.setU8(rec::kPitCrewColours + i, v.pitCrew[i]);
    for (int i = 0; i < 88; ++i)
        r.setS16(rec::kCameras + 2 * i, v.cameras[i]);
    for (int t = 0; t < kTeams; ++t)
        r.setU8(rec::kNoseCones + t, v.noseSecondBytes[t] != 0 ? 1 : 0);

    for (int k = 0; k < 4; ++k)
        r.setU8(rec::kLight0Colour + 3 * k, v.lightColours[k]);
    for (int k = 1; k <= 3; ++k)
        r.setU16(rec::kLight0Colour + 1 + 3 * (k - 1), v.lightSpeeds[k - 1]);
    r.setU8(rec::kPracticeFuel, v.practiceFuel);
    r.setU8(rec::kQualifyingFuel, v.qualifyingFuel);
    r.setU16(rec::kHumanWeight, v.humanWeight);
    r.setU16(rec::kComputerWeight, v.computerWeight);
    r.setU8(rec::kFuelDisplaySwitch, v.fuelDisplayByte == 116 ? 0 : 1);
    r.setU8(rec::kTeamPerformanceSwitch, v.teamPerformance2 == 255 ? 0 : 1);
    r.setU8(rec::kPatchListSwitch, v.patchOn ? 1 : 0);
    return r;
}

SettingsRecord SeasonPackSettings(int edition) {
    // The second season's names, invented like the sample game's own.
    static const std::array<std::string, kTeams> teams = {
        "Solstice",  "Ironbark",  "Bluewater",  "Cinderfell", "Dawnrunner",
        "Emberline", "Frostgate", "Glimmer GP", "Harrowby",   "Ivorycrest",
        "Juniper",   "Larkspur",  "Mistral",    "Nightjar"};
    static const std::array<std::string, 7> engines = {"Solen V10",   "Brask V8", "Corvid V12",
                                                       "Dunmore V10", "Eskel V8", "Fenwick V10",
                                                       "Grisel V12"};
    static const std::array<std::string, 8> first = {"Ada", "Bo",  "Cleo", "Dag",
                                                     "Eli", "Fay", "Gus",  "Hal"};
    static const std::array<std::string, 5> last = {"Marrow", "Tinsley", "Wexby", "Ashgrove",
                                                    "Quill"};
    SettingsRecord r = ExpectedRecord(edition, true, 1, 1);
    const auto entries = ExpectedTrackEntries(edition);
    std::copy(entries.begin(), entries.end(), r.bytes().begin() + rec::kTrackEntries);
    for (int t = 1; t <= kTeams; ++t) {
        PutRecordName(r, rec::TeamName(t), 13, teams[t - 1]);
        PutRecordName(r, rec::EngineName(t), 13, engines[(t - 1) % engines.size()]);
    }
    for (int n = 1; n <= kSlots; ++n)
        PutRecordName(r, rec::DriverName(n), 24,
                      first[(n - 1) % first.size()] + " " + last[(n - 1) / first.size()]);
    return r;
}

std::array<std::uint8_t, 16 * 13> ExpectedTrackEntries(int edition) {
    const SampleValues& v = Values(edition);
    std::array<std::uint8_t, 16 * 13> out{};
    for (int t = 0; t < kTracks; ++t) {
        std::uint8_t* e = &out[13 * t];
        const TrackSetup& s = v.tracks[t];
        e[0] = s.frontWing;
        e[1] = s.rearWing;
        for (int g = 0; g < 6; ++g)
            e[2 + g] = s.gears[g];
        e[8] = s.compound;
        e[9] = static_cast<std::uint8_t>(s.fuel & 0xFF);
        e[10] = static_cast<std::uint8_t>(s.fuel >> 8);
        e[11] = static_cast<std::uint8_t>(v.tyreConsumption[t] & 0xFF);
        e[12] = static_cast<std::uint8_t>(v.tyreConsumption[t] >> 8);
    }
    return out;
}

std::string Installation::Path(const std::string& relative) const {
    std::string name = relative;
    if (lowerCase)
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return gameDir + name;
}

std::string Installation::TrackPath(int track) const {
    const char name[] = {'F',
                         '1',
                         'C',
                         'T',
                         static_cast<char>('0' + track / 10),
                         static_cast<char>('0' + track % 10),
                         0};
    return Path(std::string("CIRCUITS/") + name + ".DAT");
}

std::string Installation::JamPath(const std::string& name) const {
    return Path("GAMEJAMS/" + name);
}

Installation MakeInstallation(const Options& options) {
    Installation inst;
    inst.edition = options.edition;
    inst.values = &Values(options.edition);
    if (options.gameDir.empty())
        throw std::invalid_argument("no game folder given");
    inst.gameDir = WithSlash(options.gameDir);
    inst.lowerCase = options.lowerCase;
    inst.exePath = inst.Path("PSN.EXE");
    inst.statePath = inst.Path("F1GSTATE.SAV");
    inst.hasState = options.withState;
    inst.hasTracks = options.withTracks;

    const std::vector<std::uint8_t>& exe = ExeImage(options.edition);
    WriteFile(inst.exePath, exe);
    if (options.withState)
        WriteFile(inst.statePath, StateImage(options.edition));
    std::vector<std::vector<std::uint8_t>> tracks;
    if (options.withTracks || !options.cdDir.empty())
        for (int t = 1; t <= kTracks; ++t)
            tracks.push_back(TrackFileImage(options.edition, t));
    if (options.withTracks)
        for (int t = 1; t <= kTracks; ++t)
            WriteFile(inst.TrackPath(t), tracks[t - 1]);

    if (options.withPictures)
        for (const auto& [name, bytes] : PictureFiles())
            WriteFile(inst.Path(name), bytes);

    const std::string marker = std::string("installation: ") + kSampleInstallationId +
                               "\nedition: " + std::to_string(options.edition) + "\n";
    WriteFile(inst.Path(kSampleGameMarker),
              std::vector<std::uint8_t>(marker.begin(), marker.end()));

    if (!options.cdDir.empty()) {
        inst.cdDir = WithSlash(options.cdDir);
        WriteFile(inst.cdDir + "PSN.EXE", exe, options.readOnlyCd);
        for (int t = 1; t <= kTracks; ++t) {
            Installation cd;
            cd.gameDir = inst.cdDir;
            WriteFile(cd.TrackPath(t), tracks[t - 1], options.readOnlyCd);
        }
    }
    return inst;
}

} // namespace psn::sample
