// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/editions.h"

#include <stdexcept>

namespace psn {
namespace {

// Columns 0..4 as the game ships them. Column 5 repeats column 0 and column 6 column 4, except
// for the two track rows, whose column 6 is their own (kTrackRowsEdition6).
constexpr std::array<std::array<std::uint32_t, 5>, kExeRowCount> kColumns = {{
    {0x1DC27A, 0x1DC2EA, 0x1DC2AE, 0x1DC2CE, 0x1DC2AA}, // 0 driver names
    {0x1DC1EE, 0x1DC25E, 0x1DC222, 0x1DC242, 0x1DC21E}, // 1 car numbers
    {0x1DC216, 0x1DC286, 0x1DC24A, 0x1DC26A, 0x1DC246}, // 2 cockpit colours
    {0x1DC73E, 0x1DC7AE, 0x1DC772, 0x1DC792, 0x1DC76E}, // 3 engine names
    {0x1DC63A, 0x1DC6AA, 0x1DC66E, 0x1DC68E, 0x1DC66A}, // 4 team names
    {0x1DC867, 0x1DC8D7, 0x1DC89B, 0x1DC8BB, 0x1DC897}, // 5 first-driver switch
    {0x1D77EC, 0x1D785C, 0x1D7820, 0x1D7840, 0x1D781C}, // 6 engine power
    {0x1D783C, 0x1D78AC, 0x1D7870, 0x1D7890, 0x1D786C}, // 7 grip
    {0x1D78DC, 0x1D794C, 0x1D7910, 0x1D7930, 0x1D790C}, // 8 grip range
    {0x1D797C, 0x1D79EC, 0x1D79B0, 0x1D79D0, 0x1D79AC}, // 9 car failures
    {0xA5A98, 0xA5A98, 0xA5A98, 0xA5A98, 0xA5A98},      // 10 human power, other sessions
    {0xA5A9F, 0xA5A9F, 0xA5A9F, 0xA5A9F, 0xA5A9F},      // 11 human power, qualification
    {0x1DD12F, 0x1DD19F, 0x1DD163, 0x1DD183, 0x1DD15F}, // 12 pit line
    {0xA5B0D, 0xA5B0D, 0xA5B0D, 0xA5B0D, 0xA5B0D},      // 13 random engine power patch
    {0x91B73, 0x91B73, 0x91B73, 0x91B73, 0x91B73},      // 14 pit line speed check
    {0xE4F02, 0xE4F02, 0xE4F02, 0xE4F02, 0xE4F02},      // 15 opponents fuel display
    {0x12AF14, 0x12AF14, 0x12AF14, 0x12AF14, 0x12AF14}, // 16 not read
    {0x1DD12B, 0x1DD19B, 0x1DD15F, 0x1DD17F, 0x1DD15B}, // 17 not read
    {0x138844, 0x138844, 0x138844, 0x138844, 0x138844}, // 18 pit line speed
    {0x1390C8, 0x1390C8, 0x1390C8, 0x1390C8, 0x1390C8}, // 19 human car weight
    {0x12E5B3, 0x12E5B3, 0x12E5B3, 0x12E5B3, 0x12E5B3}, // 20 nose cones
    {0x1E658C, 0x1E65FC, 0x1E65CC, 0x1E65EC, 0x1E65BC}, // 21 pit crew colours
    {0x13735A, 0x13735A, 0x13735A, 0x13735A, 0x13735A}, // 22 cameras
    {0x139934, 0x139934, 0x139934, 0x139934, 0x139934}, // 23 rev light colours
    {0x139958, 0x139958, 0x139958, 0x139958, 0x139958}, // 24 rev light speeds
    {0xA4798, 0xA4798, 0xA4798, 0xA4798, 0xA4798},      // 25 practice fuel load
    {0xABFD0, 0xABFD0, 0xABFD0, 0xABFD0, 0xABFD0},      // 26 qualifying fuel load
    {0x1390CC, 0x1390CC, 0x1390CC, 0x1390CC, 0x1390CC}, // 27 computer car weight
    {0x138A48, 0x138A48, 0x138A48, 0x138A48, 0x138A48}, // 28 tyre consumption table
    {0xA5A8B, 0xA5A8B, 0xA5A8B, 0xA5A8B, 0xA5A8B},      // 29 team performance, first byte
    {0xA5BF8, 0xA5BF8, 0xA5BF8, 0xA5BF8, 0xA5BF8},      // 30 team performance, second byte
    {0x56B50C, 0x56C4DA, 0x56C2E7, 0x56C829, 0x56C59B}, // 31 track names
    {0x56B50B, 0x56C4D9, 0x56C2E6, 0x56C828, 0x56C59A}, // 32 track manager
    {0x1DD02C, 0x1DD09C, 0x1DD060, 0x1DD080, 0x1DD05C}, // 33 track manager
    {0x1DC868, 0x1DC8D8, 0x1DC89C, 0x1DC8BC, 0x1DC898}, // 34 track manager
}};

constexpr std::uint32_t kTrackNamesEdition6 = 0x56BE32;
constexpr std::uint32_t kTrackManagerEdition6 = 0x56BE31;

const std::array<std::string, kEditionCount> kNames = {
    "English Version 1.0b",    "Deutsche Ausgabe 1.0b",
    "Versione Italiana 1.0b",  std::string("Versi\xF3n en espa\xA5ol 1.0b"),
    "Version francaise 1.0b",  "English Ver.ion 1.0b",
    "Nederlandse versie 1.0b",
};

constexpr std::array<char, kEditionCount> kEditionBytes = {'J', 'o', 'i', 'E', 'a', 0, 'e'};

} // namespace

std::uint32_t ExeOffset(ExeRow row, int edition) {
    const int r = static_cast<int>(row);
    if (r < 0 || r >= kExeRowCount || edition < 0 || edition >= kEditionCount)
        throw std::out_of_range("edition offset table index");
    if (edition == 6 && row == ExeRow::TrackNames)
        return kTrackNamesEdition6;
    if (edition == 6 && row == ExeRow::TrackManager32)
        return kTrackManagerEdition6;
    const int column = edition == 5 ? 0 : edition == 6 ? 4 : edition;
    return kColumns[static_cast<std::size_t>(r)][static_cast<std::size_t>(column)];
}

const std::string& EditionName(int edition) {
    return kNames.at(static_cast<std::size_t>(edition));
}

int EditionFromByte(std::uint8_t byte, int current) {
    for (int e = 0; e < kEditionCount; ++e)
        if (kEditionBytes[static_cast<std::size_t>(e)] != 0 &&
            byte == static_cast<std::uint8_t>(kEditionBytes[static_cast<std::size_t>(e)]))
            return e;
    return current;
}

char EditionByte(int edition) {
    return kEditionBytes.at(static_cast<std::size_t>(edition));
}

} // namespace psn
