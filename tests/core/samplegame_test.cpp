// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/checksum.h"
#include "core/editions.h"
#include "support/scratch_game.h"
#include "tools/samplegame/sample_game.h"
#include "tools/samplegame/sample_images.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

using namespace psn::sample;
using Bytes = std::vector<std::uint8_t>;

// The trailer rule, written again here so that the generator's own copy is checked.
std::array<std::uint8_t, 4> Trailer(const Bytes& file) {
    const std::size_t n = std::min<std::size_t>(file.size(), 80001);
    unsigned s = 0, r = 0;
    for (std::size_t i = 0; i + 5 <= n; ++i) {
        s = (s + file[i]) % 65536;
        r = ((r * 8) % 65536 + r / 8192 + file[i]) % 65536;
    }
    return {std::uint8_t(s % 256), std::uint8_t(s / 256), std::uint8_t(r % 256),
            std::uint8_t(r / 256)};
}

std::array<std::uint8_t, 4> LastFour(const Bytes& f) {
    return {f[f.size() - 4], f[f.size() - 3], f[f.size() - 2], f[f.size() - 1]};
}

Options At(int edition, const std::string& gameDir) {
    Options o;
    o.edition = edition;
    o.gameDir = gameDir;
    return o;
}

unsigned Word(const Bytes& f, std::size_t at) {
    return f.at(at) + 256u * f.at(at + 1);
}

std::string NameField(const Bytes& f, std::size_t at, std::size_t width) {
    std::string s;
    for (std::size_t i = 0; i < width; ++i)
        if (f.at(at + i) != 0)
            s += static_cast<char>(f[at + i]);
    return s;
}

TEST(SampleGame, OffsetsAgreeWithTheEditorsTable) {
    for (int e = 0; e < 7; ++e)
        for (int row = 0; row < psn::kExeRowCount; ++row)
            EXPECT_EQ(Offset(row, e), psn::ExeOffset(static_cast<psn::ExeRow>(row), e))
                << "row " << row << " edition " << e;
}

TEST(SampleGame, TrailerRuleMatchesTheWorkedExample) {
    EXPECT_EQ(Trailer({1, 2, 3, 9, 9, 9, 9}), (std::array<std::uint8_t, 4>{6, 0, 0x53, 0}));
    EXPECT_EQ(Trailer({0xFF, 0xEE, 0xDD, 0xCC}), (std::array<std::uint8_t, 4>{0, 0, 0, 0}));
}

TEST(SampleGame, EveryTrailerIsValidAndLongTracksSumOnlyTheirHead) {
    for (int e : {0, 4, 6}) {
        const Bytes state = StateImage(e);
        EXPECT_EQ(LastFour(state), Trailer(state)) << "state, edition " << e;
        bool longTrack = false;
        for (int t = 1; t <= kTracks; ++t) {
            const Bytes track = TrackFileImage(e, t);
            EXPECT_EQ(LastFour(track), Trailer(track)) << "track " << t << " edition " << e;
            if (track.size() > 80001) {
                longTrack = true;
                Bytes head(track.begin(), track.begin() + 80001);
                EXPECT_EQ(Trailer(head), Trailer(track));
                Bytes changedTail = track;
                changedTail[80001 + (track.size() - 80001) / 2] ^= 0x5A;
                EXPECT_EQ(Trailer(changedTail), LastFour(track));
            }
        }
        EXPECT_TRUE(longTrack);
    }
}

TEST(SampleGame, CoreChecksumLeavesGeneratedTrailersAsTheyAre) {
    psn::test::TempDir dir;
    const Installation inst = MakeInstallation(At(2, dir.str() + "/g"));
    for (const std::string& path : {inst.statePath, inst.TrackPath(1), inst.TrackPath(16)}) {
        const Bytes before = psn::test::ReadFileBytes(path);
        ASSERT_TRUE(psn::UpdateFileChecksum(path));
        EXPECT_EQ(psn::test::ReadFileBytes(path), before) << path;
    }
}

// Claimed byte ranges per block; two blocks sharing a byte would make one test read another's data.
std::map<std::uint32_t, std::string> ClaimedBytes(int e, std::vector<std::string>& clashes) {
    std::map<std::uint32_t, std::string> owner;
    auto claim = [&](const std::string& block, std::uint32_t at, std::uint32_t n,
                     std::uint32_t step = 1) {
        for (std::uint32_t i = 0; i < n; ++i) {
            const std::uint32_t b = at + i * step;
            auto [it, fresh] = owner.emplace(b, block);
            if (!fresh)
                clashes.push_back(block + " and " + it->second);
        }
    };
    const std::pair<int, std::uint32_t> rows[] = {
        {0, 960}, {1, 40}, {2, 60},   {3, 182},  {4, 182},  {5, 1},  {6, 80}, {7, 160},
        {8, 160}, {9, 40}, {10, 2},   {11, 2},   {12, 14},  {13, 5}, {14, 1}, {15, 1},
        {18, 2},  {19, 2}, {21, 224}, {22, 176}, {25, 1},   {26, 1}, {27, 2}, {28, 32},
        {29, 1},  {30, 1}, {32, 288}, {33, 192}, {34, 1024}};
    for (auto [row, size] : rows)
        claim("row " + std::to_string(row), Offset(row, e), size);
    claim("noses 1", Offset(20, e), 14, 4);
    claim("noses 2", Offset(20, e) + 53, 14, 4);
    claim("light colours", Offset(23, e), 4, 4);
    for (int k = 0; k < 3; ++k)
        claim("light speeds", Offset(24, e) + 4 * k, 2);
    for (const PatchRecord& p : PatchRecords())
        claim("patch", p.offset, 1);
    claim("edition byte", psn::kEditionByteOffset, 1);
    return owner;
}

TEST(SampleGame, BlocksOfAnEditionNeitherOverlapNorPassTheEnd) {
    for (int e = 0; e < 7; ++e) {
        std::vector<std::string> clashes;
        const auto owner = ClaimedBytes(e, clashes);
        EXPECT_TRUE(clashes.empty()) << "edition " << e << ": " << clashes.front();
        EXPECT_LT(owner.rbegin()->first, ExeImage(e).size());
    }
}

TEST(SampleGame, ExeCarriesItsEditionByteOverCodeLikeBytes) {
    const char expected[] = "JoiEaJe";
    for (int e = 0; e < 7; ++e) {
        const Bytes& exe = ExeImage(e);
        ASSERT_EQ(exe.size(), kExeSize);
        EXPECT_EQ(exe[psn::kEditionByteOffset], expected[e]);
        EXPECT_EQ(psn::EditionFromByte(exe[psn::kEditionByteOffset], 0), e == 5 ? 0 : e);
        std::set<std::uint8_t> distinct(exe.begin() + 0x1000, exe.begin() + 0x2000);
        EXPECT_GT(distinct.size(), 100u);
        EXPECT_GT(std::count(exe.begin() + 0x1000, exe.begin() + 0x2000, 0), 200);
    }
    EXPECT_NE(ExeImage(0), ExeImage(5)); // same offsets, other values
}

// Reads a names block from raw bytes the way a correct reader must.
struct RawNames {
    std::array<int, 40> numbers{}, marks{};
    std::array<std::string, 40> drivers;
    std::array<std::string, 14> teams, engines;
};
RawNames ReadRaw(const Bytes& f, std::size_t numbers, std::size_t teams, std::size_t engines,
                 std::size_t drivers) {
    RawNames r;
    for (int k = 0; k < 40; ++k) {
        const int b = f.at(numbers + k);
        r.marks[k] = b > 128;
        r.numbers[k] = b > 128 ? b - 128 : b;
        r.drivers[k] = NameField(f, drivers + 24 * k, 24);
    }
    for (int t = 0; t < 14; ++t) {
        r.teams[t] = NameField(f, teams + 13 * t, 13);
        r.engines[t] = NameField(f, engines + 13 * t, 13);
    }
    return r;
}

std::string RecordName(const psn::SettingsRecord& rec, std::size_t at) {
    return std::string(reinterpret_cast<const char*>(&rec.bytes()[at + 1]), rec.u8(at));
}

TEST(SampleGame, ExpectedRecordMatchesTheRawBytesOfTheFileItNames) {
    struct Case {
        int edition;
        bool hasState;
        int namesSource, cockpitSource;
        bool namesFromState, cockpitFromState;
    } cases[] = {
        {0, true, 1, 1, true, true},    {1, true, 0, 1, false, true},  {3, true, 1, 0, true, false},
        {4, false, 1, 1, false, false}, {6, true, 0, 0, false, false}, {5, true, 1, 1, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("edition " + std::to_string(c.edition));
        const Bytes& exe = ExeImage(c.edition);
        const Bytes state = StateImage(c.edition);
        const int e = c.edition;
        const RawNames names =
            c.namesFromState ? ReadRaw(state, 0x37F2, 0x3C3E, 0x3D42, 0x387E)
                             : ReadRaw(exe, Offset(1, e), Offset(4, e), Offset(3, e), Offset(0, e));
        const psn::SettingsRecord rec =
            ExpectedRecord(e, c.hasState, c.namesSource, c.cockpitSource);
        for (int k = 1; k <= 40; ++k) {
            EXPECT_EQ(rec.u8(1393 + 2 * (k - 1)), names.numbers[k - 1]) << "slot " << k;
            EXPECT_EQ(rec.u8(1394 + 2 * (k - 1)), names.marks[k - 1]) << "slot " << k;
            EXPECT_EQ(RecordName(rec, 1 + 25 * (k - 1)), names.drivers[k - 1]);
        }
        for (int t = 1; t <= 14; ++t) {
            EXPECT_EQ(RecordName(rec, 1001 + 14 * (t - 1)), names.teams[t - 1]);
            EXPECT_EQ(RecordName(rec, 1197 + 14 * (t - 1)), names.engines[t - 1]);
            EXPECT_EQ(rec.u8(1832 + t), names.numbers[2 * t - 2] != 0);
        }
        EXPECT_EQ(rec.u8(2342), exe[Offset(5, e)] == 255);
        for (int t = 0; t < 20; ++t) {
            EXPECT_EQ(rec.u16(1473 + 2 * t), (Word(exe, Offset(6, e) + 2 * t) - 32817) % 65536);
            EXPECT_EQ(rec.u16(1513 + 2 * t),
                      (Word(exe, Offset(6, e) + 40 + 2 * t) - 32817) % 65536);
        }
        for (int n = 0; n < 40; ++n) {
            EXPECT_EQ(rec.u16(1553 + 2 * n), Word(exe, Offset(7, e) + 4 * n) - 15751);
            EXPECT_EQ(rec.u16(1633 + 2 * n), Word(exe, Offset(7, e) + 4 * n + 2) - 15751);
            EXPECT_EQ(rec.u16(1753 + 2 * n), Word(exe, Offset(8, e) + 4 * n));
        }
        const Bytes& cockpitFile = c.cockpitFromState ? state : exe;
        const std::size_t cockpitAt = c.cockpitFromState ? 0x381A : Offset(2, e);
        for (int i = 0; i < 60; ++i)
            EXPECT_EQ(rec.u8(1878 + i), std::uint8_t(cockpitFile[cockpitAt + i] + 10));
        EXPECT_EQ(rec.u8(2343), exe[Offset(13, e)] == 0xE8);
        EXPECT_EQ(rec.u16(2348), Word(exe, Offset(18, e)));
        for (int t = 0; t < 14; ++t)
            EXPECT_EQ(rec.u8(2612 + t), exe[Offset(20, e) + 53 + 4 * t] != 0);
        // Never read at start-up.
        for (std::size_t at : {0, 1850, 1870, 2356, 2626, 2700, 2833, 2834})
            EXPECT_EQ(rec.u8(at), 0) << at;
    }
}

TEST(SampleGame, StateFileNamesNumbersAndColoursDifferFromTheExe) {
    for (int e = 0; e < 7; ++e) {
        const SampleValues& v = Values(e);
        for (int n = 0; n < 40; ++n) {
            EXPECT_NE(v.stateNames.driverNames[n], v.exeNames.driverNames[n]);
            EXPECT_GE(v.stateNames.driverNames[n].size(), v.exeNames.driverNames[n].size());
            EXPECT_LE(v.stateNames.driverNames[n].size(), 24u);
        }
        for (int t = 0; t < 14; ++t) {
            EXPECT_NE(v.stateNames.teamNames[t], v.exeNames.teamNames[t]);
            EXPECT_GE(v.stateNames.teamNames[t].size(), v.exeNames.teamNames[t].size());
            EXPECT_NE(v.stateNames.engineNames[t], v.exeNames.engineNames[t]);
            EXPECT_NE(v.stateNames.carBytes[2 * t], v.exeNames.carBytes[2 * t]);
            EXPECT_FALSE(std::equal(&v.cockpitState[3 * t], &v.cockpitState[3 * t + 3],
                                    &v.cockpitExe[3 * t]));
        }
        // Every car number once: each name entry belongs to one slot.
        for (const NameBlock* b : {&v.exeNames, &v.stateNames}) {
            std::set<int> numbers;
            for (int k = 1; k <= 40; ++k)
                numbers.insert(b->SlotNumber(k));
            EXPECT_EQ(numbers.size(), 40u);
            EXPECT_EQ(*numbers.begin(), 1);
            EXPECT_EQ(*numbers.rbegin(), 40);
        }
    }
}

TEST(SampleGame, BlocksReadAtAnotherEditionsOffsetsGiveOtherBytes) {
    for (int e = 0; e < 5; ++e)
        for (int other = 0; other < 5; ++other) {
            if (other == e)
                continue;
            const Bytes& exe = ExeImage(e);
            for (int row : {0, 1, 2, 4, 6, 7, 9, 12, 21, 31}) {
                const auto own = exe.begin() + Offset(row, e);
                const auto wrong = exe.begin() + Offset(row, other);
                EXPECT_FALSE(std::equal(own, own + 14, wrong))
                    << "row " << row << " edition " << e << " read as " << other;
            }
        }
}

TEST(SampleGame, TrackFilesDecodeToTheExpectedEntries) {
    for (int e : {0, 3, 6}) {
        const Bytes& exe = ExeImage(e);
        const auto expected = ExpectedTrackEntries(e);
        for (int t = 1; t <= 16; ++t) {
            const Bytes f = TrackFileImage(e, t);
            const std::size_t s = (Word(f, 0x1014) + 0x1020) % 65536;
            ASSERT_LT(s + 28, f.size() - 4);
            const std::uint8_t* entry = &expected[13 * (t - 1)];
            for (int i = 0; i < 8; ++i)
                EXPECT_EQ(entry[i], std::uint8_t(f[s + i] - 151)) << "track " << t;
            EXPECT_EQ(entry[8], std::uint8_t(f[s + 8] - 52));
            EXPECT_LT(entry[8], 4);
            EXPECT_EQ(entry[9] + 256u * entry[10], Word(f, s + 26));
            EXPECT_EQ(entry[11] + 256u * entry[12], Word(exe, 0x138A48 + 2 * (t - 1)));
        }
    }
}

TEST(SampleGame, TrackNamesBlockHoldsSixteenNamesAndStretchOneStartsBeforeIt) {
    for (int e = 0; e < 7; ++e) {
        const Bytes& exe = ExeImage(e);
        std::size_t at = Offset(31, e);
        for (int t = 0; t < 16; ++t) {
            std::string name;
            while (exe.at(at) != 0)
                name += static_cast<char>(exe[at++]);
            ++at;
            EXPECT_EQ(name, Values(e).trackNames[t]);
        }
        for (int i = 0; i < 3; ++i) {
            const Bytes stretch = OriginalStretch(i);
            EXPECT_TRUE(std::equal(stretch.begin(), stretch.end(), exe.begin() + Offset(32 + i, e)))
                << "stretch " << i << " edition " << e;
        }
    }
    const Bytes bonus = BonusStretch(0);
    EXPECT_NE(std::search(bonus.begin(), bonus.end(), "Valmont", "Valmont" + 7), bonus.end());
    EXPECT_EQ(bonus.size(), OriginalStretch(0).size());
}

TEST(SampleGame, PatchListBytesAreTheOnOrOffBytesOfEveryEdition) {
    const Bytes list = PatchListBytes();
    ASSERT_EQ(list.size() % 6, 0u);
    ASSERT_GE(list.size() / 6, 4u);
    std::set<int> states;
    for (int e = 0; e < 7; ++e) {
        const Bytes& exe = ExeImage(e);
        const bool on = Values(e).patchOn;
        states.insert(on);
        for (std::size_t i = 0; i < list.size(); i += 6) {
            const std::uint32_t offset =
                list[i] | list[i + 1] << 8 | list[i + 2] << 16 | std::uint32_t(list[i + 3]) << 24;
            ASSERT_NE(list[i + 4], list[i + 5]);
            EXPECT_EQ(exe.at(offset), on ? list[i + 5] : list[i + 4]) << "edition " << e;
        }
        EXPECT_EQ(ExpectedRecord(e, true, 1, 1).u8(2347), on);
    }
    EXPECT_EQ(states.size(), 2u);
}

TEST(SampleGame, PicturesAreWellFormedBitmapsOfTheRightSize) {
    psn::test::TempDir dir;
    const Installation inst = MakeInstallation(At(0, dir.str() + "/g"));
    auto jam = [&](const std::string& name) {
        Bytes f = psn::test::ReadFileBytes(inst.JamPath(name));
        EXPECT_EQ(std::string(f.begin(), f.begin() + 8), "PSNJAM01");
        return Bytes(f.begin() + 8, f.end());
    };
    Palette palette;
    const Image8 sheet = DecodeBmp8(jam("HELMETS1.JAM"), &palette);
    EXPECT_EQ(sheet.width, 256);
    EXPECT_EQ(sheet.height, 180);
    EXPECT_EQ(palette[255].r, SamplePalette()[255].r);
    std::set<std::vector<std::uint8_t>> cells;
    for (int i = 0; i < kHelmetCells; ++i) {
        int x0 = 0, y0 = 0;
        HelmetCellOrigin(i, x0, y0);
        std::vector<std::uint8_t> cell;
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 74; ++x)
                cell.push_back(sheet.at(x0 + x, y0 + y));
        EXPECT_GT(std::count_if(cell.begin(), cell.end(), [](auto p) { return p != 0; }), 300);
        cells.insert(cell);
    }
    EXPECT_EQ(cells.size(), 29u);
    int lastX = 0, lastY = 0;
    HelmetCellOrigin(28, lastX, lastY);
    EXPECT_EQ(lastX, 148);
    EXPECT_EQ(lastY, 60);
    for (const std::string& name : CarArchiveNames()) {
        const Image8 car = DecodeBmp8(jam(name));
        EXPECT_EQ(car.width, kLiveryWidth);
        EXPECT_EQ(car.height, kLiveryHeight);
    }
    EXPECT_NE(DecodeBmp8(jam("LOTUS.JAM")).pixels, DecodeBmp8(jam("JORDAN.JAM")).pixels);
    // An odd width exercises the row padding.
    Image8 odd(75, 3, 7);
    odd.set(74, 2, 200);
    const Image8 back = DecodeBmp8(EncodeBmp8(odd, SamplePalette()));
    EXPECT_EQ(back.pixels, odd.pixels);

    for (auto [file, w, h] : {std::tuple{"BITMAPS/CPITHI.PCX", 640, 480},
                              std::tuple{"BITMAPS/CPITLOW.PCX", 320, 200}}) {
        const Image8 pcx = DecodePcx8(psn::test::ReadFileBytes(inst.gameDir + file), &palette);
        EXPECT_EQ(pcx.width, w);
        EXPECT_EQ(pcx.height, h);
        EXPECT_EQ(pcx.pixels, CockpitPicture(w, h).pixels) << file;
        EXPECT_EQ(palette[42].g, SamplePalette()[42].g);
    }
}

TEST(SampleGame, InstallationHoldsWhatItsOptionsAskFor) {
    psn::test::TempDir dir;
    Options options = At(4, dir.str() + "/g");
    options.cdDir = dir.str() + "/cd";
    options.withState = false;
    options.withTracks = false;
    const Installation inst = MakeInstallation(options);
    EXPECT_EQ(inst.gameDir.back(), '/');
    EXPECT_FALSE(std::filesystem::exists(inst.statePath));
    EXPECT_FALSE(std::filesystem::exists(inst.gameDir + "CIRCUITS"));
    EXPECT_EQ(psn::test::ReadFileBytes(inst.exePath), ExeImage(4));
    EXPECT_EQ(psn::test::ReadFileBytes(inst.cdDir + "PSN.EXE"), ExeImage(4));
    for (int t : {1, 7, 16})
        EXPECT_EQ(psn::test::ReadFileBytes(inst.cdDir + "CIRCUITS/F1CT" + (t < 10 ? "0" : "") +
                                           std::to_string(t) + ".DAT"),
                  TrackFileImage(4, t));
    EXPECT_EQ(inst.Expected(1, 1), ExpectedRecord(4, false, 0, 0));
    const auto perms = std::filesystem::status(inst.cdDir + "CIRCUITS/F1CT07.DAT").permissions();
    EXPECT_EQ(perms & std::filesystem::perms::owner_write, std::filesystem::perms::none);

    // A second installation over the first replaces it, read-only leftovers included.
    std::filesystem::permissions(inst.exePath, std::filesystem::perms::owner_read);
    Options over = At(1, inst.gameDir);
    over.cdDir = inst.cdDir;
    const Installation again = MakeInstallation(over);
    EXPECT_EQ(psn::test::ReadFileBytes(again.exePath), ExeImage(1));
    EXPECT_EQ(psn::test::ReadFileBytes(again.statePath), StateImage(1));
    EXPECT_EQ(psn::test::ReadFileBytes(again.TrackPath(9)), TrackFileImage(1, 9));
    EXPECT_EQ(psn::test::ReadFileBytes(again.cdDir + "PSN.EXE"), ExeImage(1));
}

} // namespace

namespace {

// Across the editions the sample must hold every encoding a reader has to tell apart, or tests
// built on it would never meet them.
TEST(SampleGame, EditionsTogetherCoverEveryEncoding) {
    std::set<int> firstDriver, speedCheck, fuelDisplay, randomPower;
    bool performanceDisagrees = false, noseTwo = false, oddPitSpeed = false;
    for (int e = 0; e < 7; ++e) {
        const Bytes& exe = ExeImage(e);
        const Bytes state = StateImage(e);
        firstDriver.insert(exe[Offset(5, e)]);
        speedCheck.insert(exe[Offset(14, e)]);
        fuelDisplay.insert(exe[Offset(15, e)]);
        randomPower.insert(exe[Offset(13, e)]);
        performanceDisagrees |= exe[Offset(29, e)] != exe[Offset(30, e)];
        for (int t = 0; t < 14; ++t)
            noseTwo |= exe[Offset(20, e) + 53 + 4 * t] == 2;
        oddPitSpeed |= Word(exe, Offset(18, e)) % 2 == 1;

        // A zero byte inside a name, which a reader must skip rather than stop at.
        auto innerZero = [](const Bytes& f, std::size_t field) {
            const auto begin = f.begin() + field, end = begin + 24;
            const auto zero = std::find(begin, end, 0);
            return zero != end && std::find_if(zero, end, [](auto b) { return b != 0; }) != end;
        };
        EXPECT_TRUE(innerZero(exe, Offset(0, e) + 24 * 39)) << "edition " << e;
        EXPECT_TRUE(innerZero(state, 0x387E + 24 * 38)) << "edition " << e;

        int selected = 0, highCharacters = 0;
        for (int k = 0; k < 40; ++k)
            selected += exe[Offset(1, e) + k] > 128;
        for (std::size_t i = 0; i < 960; ++i)
            highCharacters += exe[Offset(0, e) + i] >= 0x80;
        EXPECT_GT(selected, 0);
        EXPECT_LT(selected, 40);
        EXPECT_GT(highCharacters, 0);
    }
    EXPECT_EQ(firstDriver, (std::set<int>{0, 222, 255}));
    EXPECT_EQ(speedCheck, (std::set<int>{0x75, 116, 235}));
    EXPECT_EQ(fuelDisplay, (std::set<int>{0x75, 116, 235}));
    EXPECT_EQ(randomPower, (std::set<int>{0x90, 0xE8}));
    EXPECT_TRUE(performanceDisagrees);
    EXPECT_TRUE(noseTwo);
    EXPECT_TRUE(oddPitSpeed);
}

} // namespace
