// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cockpit_pack.h"
#include "core/checksum.h"
#include "tools/samplegame/sample_game.h"
#include "track_pack.h"
#include "tracks/cockpit_format.h"

#include <gtest/gtest.h>
#include <sstream>

namespace psn::trackdata {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

TEST(TrackDataPacks, EveryCockpitDataFileReadsInEveryEdition) {
    for (int choice = 0; choice < 11; ++choice) {
        const auto lines = Lines(CockpitDataText(choice));
        EXPECT_EQ(lines.size(), kCockpitDataLines);
        for (int edition = 0; edition < kEditionCount; ++edition)
            EXPECT_NO_THROW(CockpitDataReader(lines, edition).Read()) << choice;
    }
}

// Decodes an 8-bit PCX image the way a reader of the format does.
Bytes DecodePcx(const Bytes& file, int& width, int& height) {
    width = (file[8] | file[9] << 8) + 1;
    height = (file[10] | file[11] << 8) + 1;
    const int bytesPerLine = file[66] | file[67] << 8;
    Bytes pixels;
    std::size_t at = 128;
    for (int y = 0; y < height; ++y) {
        Bytes line;
        while (static_cast<int>(line.size()) < bytesPerLine) {
            std::uint8_t b = file.at(at++);
            int run = 1;
            if ((b & 0xC0) == 0xC0) {
                run = b & 0x3F;
                b = file.at(at++);
            }
            line.insert(line.end(), static_cast<std::size_t>(run), b);
        }
        EXPECT_EQ(static_cast<int>(line.size()), bytesPerLine) << "run across a line end";
        pixels.insert(pixels.end(), line.begin(), line.begin() + width);
    }
    EXPECT_EQ(file.at(at), 0x0C);
    EXPECT_EQ(file.size(), at + 1 + 768);
    return pixels;
}

TEST(TrackDataPacks, CockpitPicturesArePcxImages) {
    for (const auto& [w, h] : std::vector<std::pair<int, int>>{{640, 400}, {320, 200}, {7, 3}}) {
        Bytes pixels = CockpitPicture(4, w, h);
        pixels[0] = 0xC5; // a single byte of the run marker range must be escaped
        const Bytes file = PcxFileBytes(w, h, pixels);
        EXPECT_EQ(file[0], 0x0A);
        EXPECT_EQ(file[3], 8);
        int width = 0, height = 0;
        EXPECT_EQ(DecodePcx(file, width, height), pixels);
        EXPECT_EQ(width, w);
        EXPECT_EQ(height, h);
    }
}

TEST(TrackDataPacks, BonusTrackAndStretchesFitTheGame) {
    const Bytes track = BonusTrackFile();
    const std::size_t setup = (track[0x1014] | track[0x1015] << 8) + 0x1020u;
    EXPECT_LE(setup + 28 + 4, track.size());
    const ChecksumTrailer sums = ComputeChecksum(track);
    const std::size_t n = track.size();
    EXPECT_EQ(track[n - 4] | track[n - 3] << 8, sums.byteSum);
    EXPECT_EQ(track[n - 2] | track[n - 1] << 8, sums.rotatingSum);

    // Installing the originals must overwrite every byte the bonus install wrote, and give the
    // sample game's own stretches back.
    const auto& exe = sample::ExeImage(2);
    for (int s = 0; s < 3; ++s) {
        EXPECT_EQ(BonusStretch(s).size(), SampleStretch(s).size());
        EXPECT_NE(BonusStretch(s), SampleStretch(s));
        const std::uint32_t at = sample::Offset(32 + s, 2);
        const Bytes own = SampleStretch(s);
        EXPECT_TRUE(std::equal(own.begin(), own.end(), exe.begin() + at)) << "stretch " << s;
    }
    EXPECT_EQ(track.size(), sample::TrackFileImage(0, 7).size());
}

TEST(TrackDataPacks, CarSetArchivesHoldABitmap) {
    for (int team = 0; team < 14; ++team) {
        const Bytes archive = CarSetArchive(team);
        ASSERT_GT(archive.size(), 8u + 54u);
        EXPECT_EQ(std::string(archive.begin(), archive.begin() + 10), "PSNJAM01BM");
    }
}

} // namespace
} // namespace psn::trackdata
