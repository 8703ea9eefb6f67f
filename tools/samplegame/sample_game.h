// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Sample installations of the game, for every edition, since nothing of the real game may be
// used. Every value the generator writes is known here in record units, so tests can tell what a
// correct read must give without running the code under test.
#pragma once

#include "core/record.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace psn::sample {

constexpr int kTeams = 14;
constexpr int kSlots = 40;
constexpr int kTracks = 16;
constexpr std::size_t kExeSize = 0x570000;
constexpr std::size_t kStateSize = 0x4420;

// One names-and-numbers block as it lies in a game file.
struct NameBlock {
    // Car number byte of slot k at index k-1: the number, plus 128 when selected.
    std::array<std::uint8_t, kSlots> carBytes{};
    // Driver name of car number n at index n-1, as a read gives it (zeros skipped).
    std::array<std::string, kSlots> driverNames;
    std::array<std::string, kTeams> teamNames;
    std::array<std::string, kTeams> engineNames;
    // Car number whose name field holds a zero byte inside the name (0 = none).
    int nameWithInnerZero = 0;

    int SlotNumber(int slot) const {
        return carBytes[slot - 1] > 128 ? carBytes[slot - 1] - 128 : carBytes[slot - 1];
    }
    bool SlotSelected(int slot) const { return carBytes[slot - 1] > 128; }
};

struct TrackSetup {
    std::uint8_t frontWing = 0, rearWing = 0;
    std::array<std::uint8_t, 6> gears{};
    std::uint8_t compound = 0; // 0..3 = A..D
    std::uint16_t fuel = 0;
    std::uint16_t setupOffset = 0; // where the car set-up block starts in the track file
    std::size_t fileSize = 0;
};

// One entry of the patch list: the exe byte at `offset` is `off` or `on`.
struct PatchRecord {
    std::uint32_t offset;
    std::uint8_t off, on;
};

// Everything the generator writes for one edition, in the record's units unless noted.
struct SampleValues {
    int edition = 0;
    NameBlock exeNames, stateNames;
    std::uint8_t firstDriverByte = 0; // raw: 255 on, anything else off

    std::array<std::uint16_t, 20> powerQual{}, powerOther{}; // horsepower
    std::uint16_t humanPowerQual = 0, humanPowerOther = 0;
    std::array<std::uint8_t, 5> randomPowerBytes{}; // raw; on when the first is E8h

    std::array<std::uint16_t, kSlots> gripQual{}, gripOther{}, gripRange{}; // by car number
    std::array<std::array<std::uint8_t, 2>, kSlots> gripRangeTail{}; // raw bytes after each word
    std::array<std::uint16_t, 20> failures{};

    std::array<std::uint8_t, kTeams> pitOrder{};
    std::uint8_t speedCheckByte = 0; // raw: 116 on, anything else off
    std::uint16_t pitSpeedRaw = 0;

    std::array<std::uint8_t, 60> cockpitExe{}, cockpitState{}; // record values (file + 10)
    std::array<std::uint8_t, 224> pitCrew{};                   // record values (file + 10)
    std::array<std::int16_t, 88> cameras{};                    // 11 rows x 8 words

    std::array<std::uint8_t, 4> lightColours{};
    std::array<std::uint16_t, 3> lightSpeeds{}; // stored words (RPM - 6154) of lights 1..3
    std::uint8_t practiceFuel = 0, qualifyingFuel = 0;
    std::uint16_t humanWeight = 0, computerWeight = 0; // pounds
    std::uint8_t fuelDisplayByte = 0;                  // raw: 116 off, anything else on
    std::uint8_t teamPerformance1 = 0,
                 teamPerformance2 = 0; // raw: 255 off, else on (second decides)
    bool patchOn = false;

    std::array<bool, kTeams> noseRaised{};
    std::array<std::uint8_t, kTeams> noseFirstBytes{}, noseSecondBytes{}; // raw

    std::array<std::uint16_t, kTracks> tyreConsumption{};
    std::array<std::string, kTracks> trackNames;
    std::array<TrackSetup, kTracks> tracks{};
};

// The values of an edition (0..6); the same every time.
const SampleValues& Values(int edition);

// File offset of a block row in an edition, typed in separately from the editor's own table so
// that a wrong entry there cannot hide behind the generator.
std::uint32_t Offset(int row, int edition);

// Whole-file images.
const std::vector<std::uint8_t>& ExeImage(int edition);
std::vector<std::uint8_t> StateImage(int edition);
std::vector<std::uint8_t> TrackFileImage(int edition, int track); // track 1..16

// The patch list ".\DATA\PLT.DAT" (one list for every edition) and its records.
const std::vector<PatchRecord>& PatchRecords();
std::vector<std::uint8_t> PatchListBytes();

// The three stretches of the exe the track manager overwrites (index 0, 1, 2 = rows 32, 33,
// 34), the same in every edition: the game's own bytes, and those of the bonus track Valmont.
std::vector<std::uint8_t> OriginalStretch(int index);
std::vector<std::uint8_t> BonusStretch(int index);

// The 14 car archive names in game order.
const std::array<std::string, kTeams>& CarArchiveNames();

// The settings record a start-up load of an installation must produce: names per the state file
// and names source, cockpit colours per the state file and cockpit source. Track entries stay 0
// (they are not read at start-up). Names in the state file are never shorter than those in the
// exe, so no character of an exe name survives behind a state name.
SettingsRecord ExpectedRecord(int edition, bool hasState, int namesSource, int cockpitSource);
// Record bytes 2626..2833 as a read of the track block gives them.
std::array<std::uint8_t, 16 * 13> ExpectedTrackEntries(int edition);

struct Options {
    int edition = 0;
    std::string gameDir;      // created if missing
    std::string cdDir;        // empty: no CD folder
    bool withState = true;    // F1GSTATE.SAV
    bool withTracks = true;   // CIRCUITS on the hard disk
    bool withPictures = true; // GAMEJAMS and BITMAPS
    bool readOnlyCd = true;   // files on a CD carry the read-only attribute, and so do copies
    // Every file and folder name of the installation in lower case ("circuits/f1ct01.dat"), as
    // some copy tools leave them; the CD folder keeps the CD's own upper-case names.
    bool lowerCase = false;
};

struct Installation {
    int edition = 0;
    std::string gameDir; // ends with '/'
    std::string exePath, statePath;
    std::string cdDir; // ends with '/', empty when none
    bool hasState = false, hasTracks = false, lowerCase = false;
    const SampleValues* values = nullptr;

    // A path inside the game folder, given in the game's own upper-case spelling
    // ("BITMAPS/CPITHI.PCX"), as this installation spells it.
    std::string Path(const std::string& relative) const;
    std::string TrackPath(int track) const;
    std::string JamPath(const std::string& name) const; // "HELMETS1.JAM", "LOTUS.JAM", ...
    SettingsRecord Expected(int namesSource, int cockpitSource) const {
        return ExpectedRecord(edition, hasState, namesSource, cockpitSource);
    }
};

// The second, fictional season of the sample game, as players share seasons: a ZIP archive of
// loose files (other liveries, helmets and cockpit, and a settings file with other names) in
// folders of their own, with a note saying it is a sample. Its settings file alone:
SettingsRecord SeasonPackSettings(int edition);
std::vector<std::uint8_t> SeasonPack(int edition);

// Every installation written here carries the marker file of the sample packs (SAMPLE.ID), naming
// it as the sample installation that the sample data packs of the editor's DATA folder belong to.
inline constexpr const char* kSampleInstallationId = "pistonia-sample-installation-1";

// Writes an installation; throws std::runtime_error when a file cannot be written.
Installation MakeInstallation(const Options& options);

} // namespace psn::sample
