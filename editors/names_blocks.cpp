// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/names_blocks.h"

#include "editors/exe_words.h"
#include "editors/lineup.h"

#include <cstdint>
#include <string>

namespace psn {
namespace {

constexpr std::size_t kTeamFieldWidth = 13;
constexpr std::size_t kDriverFieldWidth = 24;
constexpr std::uint8_t kSelectedMark = kSlotNumberMax;
constexpr std::uint8_t kSwitchOn = 0xFF;
constexpr std::uint8_t kSwitchOff = 0xDE;

void ReadCarNumbers(GameFile& file, SettingsRecord& record) {
    for (int slot = 1; slot <= kCarNumberCount; ++slot) {
        const std::uint8_t byte = file.ReadByte();
        file.Check();
        const bool selected = byte > kSelectedMark;
        record.setU8(rec::SlotNumber(slot), selected ? byte - kSelectedMark : byte);
        record.setU8(rec::SlotMark(slot), selected ? 1 : 0);
    }
}

void WriteCarNumbers(GameFile& file, const SettingsRecord& record) {
    for (int slot = 1; slot <= kCarNumberCount; ++slot) {
        std::uint8_t byte = record.u8(rec::SlotNumber(slot));
        if (record.u8(rec::SlotMark(slot)) != 0) // as the window shows it: any mark is a tick
            byte = static_cast<std::uint8_t>(byte + kSelectedMark);
        file.WriteByte(byte);
        file.Check();
    }
}

// A zero byte anywhere in the field is skipped rather than ending the name.
void ReadNameField(GameFile& file, SettingsRecord& record, std::size_t offset, std::size_t width) {
    std::string name;
    for (std::size_t i = 0; i < width; ++i)
        if (const std::uint8_t byte = file.ReadByte())
            name.push_back(static_cast<char>(byte));
    file.Check();
    record.setStr(offset, width, name);
}

void WriteNameField(GameFile& file, const SettingsRecord& record, std::size_t offset,
                    std::size_t width) {
    std::string name = record.str(offset, width);
    name.resize(width, '\0');
    for (const char c : name)
        file.WriteByte(static_cast<std::uint8_t>(c));
    file.Check();
}

// Both readers reset the line-up: a team takes part when its first driver has a number.
void DeriveTeamsInUse(SettingsRecord& record) {
    for (int team = 1; team <= kTeamCount; ++team)
        record.setU8(rec::TeamInUse(team), record.u8(rec::SlotNumber(FirstSlot(team))) != 0);
}

void ReadTeamFields(GameFile& file, SettingsRecord& record, std::size_t (*field)(int)) {
    for (int team = 1; team <= kTeamCount; ++team)
        ReadNameField(file, record, field(team), kTeamFieldWidth);
}

void WriteTeamFields(GameFile& file, const SettingsRecord& record, std::size_t (*field)(int)) {
    for (int team = 1; team <= kTeamCount; ++team)
        WriteNameField(file, record, field(team), kTeamFieldWidth);
}

void ReadDriverFields(GameFile& file, SettingsRecord& record) {
    for (int number = 1; number <= kCarNumberCount; ++number)
        ReadNameField(file, record, rec::DriverName(number), kDriverFieldWidth);
}

void WriteDriverFields(GameFile& file, const SettingsRecord& record) {
    for (int number = 1; number <= kCarNumberCount; ++number)
        WriteNameField(file, record, rec::DriverName(number), kDriverFieldWidth);
}

// The game executable and the game's state file hold the same four tables, each at its own
// place: `seek` moves the file to one of them.
template <typename Place> struct NameTablePlaces {
    Place carNumbers, teamNames, engineNames, driverNames;
};

template <typename Place, typename Seek>
void ReadNameTables(GameFile& file, SettingsRecord& record, const NameTablePlaces<Place>& at,
                    Seek seek) {
    seek(at.carNumbers);
    ReadCarNumbers(file, record);
    seek(at.teamNames);
    ReadTeamFields(file, record, rec::TeamName);
    DeriveTeamsInUse(record);
    seek(at.engineNames);
    ReadTeamFields(file, record, rec::EngineName);
    seek(at.driverNames);
    ReadDriverFields(file, record);
}

template <typename Place, typename Seek>
void WriteNameTables(GameFile& file, const SettingsRecord& record, const NameTablePlaces<Place>& at,
                     Seek seek) {
    seek(at.carNumbers);
    WriteCarNumbers(file, record);
    seek(at.teamNames);
    WriteTeamFields(file, record, rec::TeamName);
    seek(at.engineNames);
    WriteTeamFields(file, record, rec::EngineName);
    seek(at.driverNames);
    WriteDriverFields(file, record);
}

constexpr NameTablePlaces<ExeRow> kExeTables{ExeRow::CarNumbers, ExeRow::TeamNames,
                                             ExeRow::EngineNames, ExeRow::DriverNames};
constexpr NameTablePlaces<std::uint16_t> kStateTables{state::kCarNumbers, state::kTeamNames,
                                                      state::kEngineNames, state::kDriverNames};

} // namespace

void ReadNamesExe(AppState& state) {
    ReadNameTables(state.exe, state.record, kExeTables, [&](ExeRow row) { state.SeekExe(row); });
    const bool on = ReadByteAt(state, ExeRow::FirstDriverSwitch) == kSwitchOn;
    state.record.setU8(rec::kFirstDriverSwitch, on ? 1 : 0);
}

void WriteNamesExe(AppState& state) {
    WriteNameTables(state.exe, state.record, kExeTables, [&](ExeRow row) { state.SeekExe(row); });
    WriteSwitchAt(state, ExeRow::FirstDriverSwitch, rec::kFirstDriverSwitch, kSwitchOn, kSwitchOff);
}

void ReadNamesState(AppState& state) {
    ReadNameTables(state.stateFile, state.record, kStateTables,
                   [&](std::uint16_t offset) { state.SeekState(offset); });
}

void WriteNamesState(AppState& state) {
    WriteNameTables(state.stateFile, state.record, kStateTables,
                    [&](std::uint16_t offset) { state.SeekState(offset); });
}

} // namespace psn
