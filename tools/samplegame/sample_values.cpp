// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/samplegame/sample_game.h"

#include <algorithm>
#include <mutex>
#include <set>
#include <stdexcept>

namespace psn::sample {
namespace {

// Invented names; any likeness to real people or teams is unintended. Strings are in the game's
// single-byte character set (Latin-1).
const std::vector<std::string> kDriverPool = {
    "Aldo Brenner",     "Tomas Verhoek",    "Luca Sarenti",      "Piet Overdam",
    "Jules Marchand",   "Erik Lindqvist",   "Rafael Quiroga",    "Kenji Moriyama",
    "Sven Aaltonen",    "Marco Delvecchio", "Hugo Ferrand",      "Dario Castelli",
    "Nils Haugen",      "Paolo Rinaldi",    "Oskar Brandt",      "Felix Auclair",
    "Ivo Kestrel",      "Bruno Tavares",    "Leon Dufresne",     "Anton Vidmar",
    "Matteo Galli",     "Jorge Benitez",    "Henrik Dahl",       "Yves Lacombe",
    "Rico Santana",     "Stefan Wolter",    "Gianni Rocca",      "Emil Novak",
    "Carlos Ibarra",    "Pascal Renaud",    "Timo Kallio",       "Victor Almeida",
    "J\xFCrgen Falk",   "Ren\xE9 Olivier",  "Adri\xE1n Molina",  "Lars Engstr\xF6m",
    "Bj\xF6rn Sandell", "Jo\xEBl Perrin",   "Tobias Reiner",     "Andrea Lupo",
    "Mikko Rautio",     "Dieter Wessel",    "Ruben Casta\xF1o",  "Franco Bellini",
    "Ingo Hartl",       "Olaf Berger",      "Quentin Marais",    "Ugo Ferraro",
    "Wim de Ruyter",    "Xavier Pont",      "Yann Kerloc'h",     "Zeno Albrecht",
    "Basile Roux",      "Cesare Monti",     "Davide Orsini",     "Elias Strand",
    "Fabio Neri",       "Gustav Lenz",      "Hector Vilar",      "Igor Sokolov",
    "Jan Hruby",        "Kurt Amsel",       "Massimo Terranova", "Valentin Oberholzer",
};

const std::vector<std::string> kTeamPool = {
    "Aurora", "Valkyr",    "Meridian", "Corsa Rossa", "Falcon GP",  "Hawksmoor",  "Lintel",
    "Orbis",  "Pellegrin", "Quasar",   "Redstone",    "Silverline", "Tamberlane", "Unity Racing",
    "Vantor", "Westmark",  "Zephyr",   "Kestrel GP",  "Nordwind",   "Sirocco",
};

const std::vector<std::string> kEnginePool = {
    "Arvex V10", "Borel V12", "Castor V8",  "Duran V10",    "Elmo V8",
    "Forza V12", "Gantt V10", "Helix V8",   "Ironwood V10", "Jaxon V8",
    "Kador V12", "Lumen V10", "Moravia V8", "Nexa V10",     "Ostrel V12",
    "Pyro V8",   "Quorn V10", "Rhenus V12", "Stelva V10",   "Tarn V8",
};

const std::array<std::string, kTracks> kTrackNames = {
    "Aldermoor",    "Castel Viaro", "Duneholt",     "Estrella",   "Fjordvik",   "Grandpre",
    "Hollowmere",   "Isola Verde",  "Kronach Ring", "Lac Sombre", "Monte Alba", "Nordhaven",
    "Port Celeste", "Ravensdale",   "Sable Bay",    "Tessaro",
};

// Car numbers of the 28 race seats, in pairs per team, and of the twelve spare slots: together
// every number 1..40 once, so each name entry belongs to exactly one slot.
constexpr std::array<std::uint8_t, 28> kSeatNumbers = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                                                       11, 12, 14, 15, 19, 20, 23, 24, 25, 26,
                                                       27, 28, 29, 30, 31, 32, 33, 34};
constexpr std::array<std::uint8_t, 12> kSpareNumbers = {13, 16, 17, 18, 21, 22,
                                                        35, 36, 37, 38, 39, 40};

// Picks a name from the pool starting at `start` that is at least `minLength` long, differs from
// `avoid` and is not used yet; a state name must never be shorter than the exe name it replaces.
std::string PickName(const std::vector<std::string>& pool, std::size_t start, std::size_t minLength,
                     const std::string& avoid, std::set<std::string>& used, std::size_t capacity) {
    for (std::size_t j = 0; j < pool.size(); ++j) {
        const std::string& candidate = pool[(start + j) % pool.size()];
        if (candidate.size() >= minLength && candidate != avoid && !used.count(candidate)) {
            used.insert(candidate);
            return candidate;
        }
    }
    std::string fallback = avoid.substr(0, capacity - 4) + " Jr.";
    used.insert(fallback);
    return fallback;
}

NameBlock ExeNames(int e) {
    NameBlock b;
    for (int t = 1; t <= kTeams; ++t) {
        const int pair = (t - 1 + e) % kTeams;
        b.carBytes[2 * t - 2] = kSeatNumbers[2 * pair];
        b.carBytes[2 * t - 1] = kSeatNumbers[2 * pair + 1];
        b.teamNames[t - 1] = kTeamPool[(t - 1 + e) % kTeamPool.size()];
        b.engineNames[t - 1] = kEnginePool[(t * 3 + e) % kEnginePool.size()];
    }
    for (int j = 0; j < 12; ++j)
        b.carBytes[28 + j] = kSpareNumbers[(j + e) % 12];
    for (int k = 1; k <= kSlots; ++k)
        if ((k * 7 + e) % 5 == 0)
            b.carBytes[k - 1] = static_cast<std::uint8_t>(b.carBytes[k - 1] + 128);
    for (int n = 1; n <= kSlots; ++n)
        b.driverNames[n - 1] = kDriverPool[(n - 1 + 5 * e) % kDriverPool.size()];
    b.nameWithInnerZero = 40;
    return b;
}

NameBlock StateNames(int e, const NameBlock& exe) {
    NameBlock b;
    for (int t = 1; t <= kTeams; ++t) {
        // Another team order, and the two drivers of a team the other way round.
        const int pair = (t - 1 + e + 3) % kTeams;
        b.carBytes[2 * t - 2] = kSeatNumbers[2 * pair + 1];
        b.carBytes[2 * t - 1] = kSeatNumbers[2 * pair];
    }
    for (int j = 0; j < 12; ++j)
        b.carBytes[28 + j] = kSpareNumbers[(j + e + 5) % 12];
    for (int k = 1; k <= kSlots; ++k)
        if ((k * 3 + e) % 4 == 0)
            b.carBytes[k - 1] = static_cast<std::uint8_t>(b.carBytes[k - 1] + 128);
    std::set<std::string> usedTeams, usedEngines, usedDrivers;
    for (int t = 1; t <= kTeams; ++t) {
        b.teamNames[t - 1] = PickName(kTeamPool, t + e + 6, exe.teamNames[t - 1].size(),
                                      exe.teamNames[t - 1], usedTeams, 13);
        b.engineNames[t - 1] = PickName(kEnginePool, t * 7 + e + 2, exe.engineNames[t - 1].size(),
                                        exe.engineNames[t - 1], usedEngines, 13);
    }
    for (int n = 1; n <= kSlots; ++n)
        b.driverNames[n - 1] = PickName(kDriverPool, n + 5 * e + 41, exe.driverNames[n - 1].size(),
                                        exe.driverNames[n - 1], usedDrivers, 24);
    b.nameWithInnerZero = 39;
    return b;
}

// A fixed shuffle of 1..14 per edition.
std::array<std::uint8_t, kTeams> PitOrder(int e) {
    std::array<std::uint8_t, kTeams> order{};
    for (int p = 0; p < kTeams; ++p)
        order[p] = static_cast<std::uint8_t>(p + 1);
    std::uint32_t seed = 0x9E3779B9u * static_cast<std::uint32_t>(e + 1);
    for (int i = kTeams - 1; i > 0; --i) {
        seed = seed * 1664525u + 1013904223u;
        std::swap(order[i], order[(seed >> 16) % static_cast<std::uint32_t>(i + 1)]);
    }
    return order;
}

SampleValues MakeValues(int e) {
    SampleValues v;
    v.edition = e;
    v.exeNames = ExeNames(e);
    v.stateNames = StateNames(e, v.exeNames);
    static constexpr std::uint8_t kFirstDriver[3] = {255, 222, 0};
    v.firstDriverByte = kFirstDriver[e % 3];

    for (int t = 1; t <= 20; ++t) {
        if (t <= kTeams) {
            v.powerQual[t - 1] = static_cast<std::uint16_t>(700 + (t * 37 + e * 11) % 90);
            v.powerOther[t - 1] = static_cast<std::uint16_t>(v.powerQual[t - 1] - 8 - t % 5);
            v.failures[t - 1] = static_cast<std::uint16_t>(1200 + (t * 173 + e * 61) % 3000);
        } else {
            v.powerQual[t - 1] = static_cast<std::uint16_t>(500 + 3 * t + e);
            v.powerOther[t - 1] = static_cast<std::uint16_t>(480 + 3 * t + e);
            v.failures[t - 1] = static_cast<std::uint16_t>(9000 + 11 * t + e);
        }
    }
    v.humanPowerQual = static_cast<std::uint16_t>(751 + 2 * e);
    v.humanPowerOther = static_cast<std::uint16_t>(742 + 2 * e);
    // A call instruction when the random power is on; switched off, the call is replaced by
    // no-operations.
    if (e == 2)
        v.randomPowerBytes = {0x90, 0x90, 0x90, 0x90, 0x90};
    else
        v.randomPowerBytes = {0xE8, static_cast<std::uint8_t>(0x3C + e), 0x1F, 0x00, 0x00};

    for (int n = 1; n <= kSlots; ++n) {
        v.gripQual[n - 1] = static_cast<std::uint16_t>(16200 + (n * 53 + e * 29) % 700);
        v.gripOther[n - 1] = static_cast<std::uint16_t>(v.gripQual[n - 1] - 40 - (n % 7) * 5);
        v.gripRange[n - 1] = static_cast<std::uint16_t>(250 + (n * 31 + e * 17) % 500);
        v.gripRangeTail[n - 1] = {static_cast<std::uint8_t>(0x3C ^ n),
                                  static_cast<std::uint8_t>(0xC0 + e)};
    }

    v.pitOrder = PitOrder(e);
    static constexpr std::uint8_t kSpeedCheck[7] = {116, 235, 116, 0x75, 116, 235, 116};
    v.speedCheckByte = kSpeedCheck[e];
    v.pitSpeedRaw = static_cast<std::uint16_t>(16152 + 213 * e);

    for (int t = 1; t <= 20; ++t) {
        std::uint8_t* exe = &v.cockpitExe[3 * (t - 1)];
        exe[0] = static_cast<std::uint8_t>(26 + 16 * ((t * 3 + e) % 13));
        exe[1] = static_cast<std::uint8_t>(42 + 16 * ((t * 5 + e + 1) % 12));
        exe[2] = static_cast<std::uint8_t>(58 + 16 * ((t * 7 + e + 2) % 11));
        std::uint8_t* st = &v.cockpitState[3 * (t - 1)];
        st[0] = static_cast<std::uint8_t>(26 + 16 * ((t * 3 + e + 4) % 13));
        st[1] = static_cast<std::uint8_t>(42 + 16 * ((t * 5 + e + 6) % 12));
        st[2] = static_cast<std::uint8_t>(58 + 16 * ((t * 7 + e + 5) % 11));
    }
    for (int t = 1; t <= kTeams; ++t)
        for (int k = 0; k < 16; ++k)
            v.pitCrew[16 * (t - 1) + k] =
                static_cast<std::uint8_t>(10 + 16 * ((t + 3 * k + e) % 14));

    static constexpr std::int16_t kX[11] = {0, -60, 60, 0, 0, -200, 200, 0, 0, 17, -17};
    static constexpr std::int16_t kY[11] = {-350, -120, -120, 400, 0, -800,
                                            -800, 150,  1200, 33,  44};
    for (int r = 0; r < 11; ++r) {
        std::int16_t* row = &v.cameras[8 * r];
        row[0] = static_cast<std::int16_t>(kX[r] + e);
        row[1] = static_cast<std::int16_t>(90 + 15 * r + e);
        row[2] = static_cast<std::int16_t>(kY[r] - e);
        row[3] = static_cast<std::int16_t>((r * 3 - 5 + e) * 182);
        row[4] = static_cast<std::int16_t>(r == 3 ? 32767 : r * 1000 - 4000 - e);
        row[5] = static_cast<std::int16_t>(-910 * (r % 4) + e);
        row[6] = static_cast<std::int16_t>(256 + 16 * r + e);
        row[7] = static_cast<std::int16_t>(static_cast<std::uint16_t>(65535 - 100 * r - e));
    }

    for (int k = 0; k < 4; ++k)
        v.lightColours[k] = static_cast<std::uint8_t>(1 + (k * 2 + e) % 3);
    for (int k = 1; k <= 3; ++k)
        v.lightSpeeds[k - 1] = static_cast<std::uint16_t>(10200 + 900 * k + 50 * e - 6154);
    v.practiceFuel = static_cast<std::uint8_t>(8 + e);
    v.qualifyingFuel = static_cast<std::uint8_t>(3 + e % 3);
    v.humanWeight = static_cast<std::uint16_t>(1530 - 9 * e);
    v.computerWeight = static_cast<std::uint16_t>(1389 + 5 * e);
    v.fuelDisplayByte = e == 5 ? 0x75 : (e % 2 == 0 ? 116 : 235);
    static constexpr std::uint8_t kPerf1[3] = {255, 0, 0};
    static constexpr std::uint8_t kPerf2[3] = {255, 0, 255};
    v.teamPerformance1 = kPerf1[e % 3];
    v.teamPerformance2 = kPerf2[e % 3];
    v.patchOn = e == 0 || e == 3 || e == 6;

    for (int t = 1; t <= kTeams; ++t) {
        const bool raised = (t * 5 + e) % 3 != 0;
        v.noseRaised[t - 1] = raised;
        v.noseFirstBytes[t - 1] = raised ? 0 : 2;
        v.noseSecondBytes[t - 1] = raised ? 1 : 0;
    }
    // Any non-zero second-table byte means raised.
    if (e == 4) {
        const auto raised = std::find(v.noseRaised.begin() + 6, v.noseRaised.end(), true);
        v.noseSecondBytes[raised - v.noseRaised.begin()] = 2;
    }

    for (int t = 1; t <= kTracks; ++t) {
        v.tyreConsumption[t - 1] = static_cast<std::uint16_t>(420 + (t * 97 + e * 31) % 400);
        v.trackNames[t - 1] = kTrackNames[t - 1];
        TrackSetup& s = v.tracks[t - 1];
        s.frontWing = static_cast<std::uint8_t>(8 + (t * 3 + e) % 14);
        s.rearWing = static_cast<std::uint8_t>(6 + (t * 5 + e) % 12);
        for (int g = 0; g < 6; ++g)
            s.gears[g] = static_cast<std::uint8_t>(70 + 20 * g + (t * 7 + g * 3 + e) % 15);
        s.compound = static_cast<std::uint8_t>((t + e) % 4);
        s.fuel = static_cast<std::uint16_t>(1900 + (t * 113 + e * 41) % 900);
        s.setupOffset = static_cast<std::uint16_t>(0x2400 + t * 0x0A10 + e * 0x10);
        s.fileSize = static_cast<std::size_t>(24000 + 4100 * t + 64 * e);
    }
    return v;
}

} // namespace

const SampleValues& Values(int edition) {
    if (edition < 0 || edition > 6)
        throw std::out_of_range("edition must be 0..6");
    static std::array<SampleValues, 7> cache;
    static std::array<bool, 7> made{};
    static std::mutex mutex;
    std::lock_guard lock(mutex);
    if (!made[edition]) {
        cache[edition] = MakeValues(edition);
        made[edition] = true;
    }
    return cache[edition];
}

const std::array<std::string, kTeams>& CarArchiveNames() {
    static const std::array<std::string, kTeams> names = {
        "WILLIAMS.JAM", "TYRRELL.JAM", "BENETTON.JAM", "MCLAREN.JAM", "FOOTWORK.JAM",
        "LOTUS.JAM",    "JORDAN.JAM",  "LARROUS.JAM",  "MINARDI.JAM", "LIGIER.JAM",
        "FERRARI.JAM",  "SAUBER.JAM",  "SIMTEK.JAM",   "PACIFIC.JAM"};
    return names;
}

const std::vector<PatchRecord>& PatchRecords() {
    // Conditional jumps in the timing code: on turns them into unconditional ones or no-ops.
    static const std::vector<PatchRecord> records = {
        {0x0B3F1C, 0x74, 0xEB}, {0x0B4A07, 0x0F, 0x90}, {0x0B4A08, 0x8E, 0x90},
        {0x0C81A2, 0x7E, 0xEB}, {0x0C81A9, 0x01, 0x00},
    };
    return records;
}

std::vector<std::uint8_t> PatchListBytes() {
    std::vector<std::uint8_t> out;
    for (const PatchRecord& r : PatchRecords()) {
        for (int i = 0; i < 4; ++i)
            out.push_back(static_cast<std::uint8_t>(r.offset >> (8 * i)));
        out.push_back(r.off);
        out.push_back(r.on);
    }
    return out;
}

} // namespace psn::sample
