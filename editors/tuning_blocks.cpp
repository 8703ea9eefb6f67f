// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/tuning_blocks.h"

#include "core/fs.h"
#include "editors/exe_words.h"

#include <cstdio>
#include <iterator>

namespace psn {

namespace {

constexpr std::uint8_t kFuelDisplayOff = 116;
constexpr std::uint8_t kFuelDisplayOn = 235;
constexpr std::uint8_t kTeamPerformanceOff = 255;
constexpr std::uint8_t kTeamPerformanceOn = 0;
constexpr std::size_t kPatchRecordSize = 6;

} // namespace

void ReadLightColours(AppState& state) {
    state.SeekExe(ExeRow::LightColours);
    for (int k = 0; k < kLightCount; ++k) {
        state.record.setU8(LightColour(k), state.exe.ReadByte());
        state.exe.Skip(3);
        state.exe.Check();
    }
}

void WriteLightColours(AppState& state) {
    state.SeekExe(ExeRow::LightColours);
    for (int k = 0; k < kLightCount; ++k) {
        state.exe.WriteByte(state.record.u8(LightColour(k)));
        state.exe.Skip(3);
        state.exe.Check();
    }
}

void ReadLightSpeeds(AppState& state) {
    state.SeekExe(ExeRow::LightSpeeds);
    for (int k = 1; k < kLightCount; ++k) {
        const std::uint16_t speed = state.exe.ReadWord();
        state.exe.Check();
        state.record.setU16(LightSpeed(k), speed);
        state.exe.Skip(2);
        state.exe.Check();
    }
}

void WriteLightSpeeds(AppState& state) {
    state.SeekExe(ExeRow::LightSpeeds);
    for (int k = 1; k < kLightCount; ++k) {
        state.exe.WriteWord(state.record.u16(LightSpeed(k)));
        state.exe.Skip(2);
        state.exe.Check();
    }
}

void ReadFuelLoads(AppState& state) {
    state.SeekExe(ExeRow::PracticeFuel);
    state.record.setU8(rec::kPracticeFuel, state.exe.ReadByte());
    state.exe.Check();
    state.SeekExe(ExeRow::QualifyingFuel);
    state.record.setU8(rec::kQualifyingFuel, state.exe.ReadByte());
    state.exe.Check();
}

void WriteFuelLoads(AppState& state) {
    state.SeekExe(ExeRow::PracticeFuel);
    state.exe.WriteByte(state.record.u8(rec::kPracticeFuel));
    state.exe.Check();
    state.SeekExe(ExeRow::QualifyingFuel);
    state.exe.WriteByte(state.record.u8(rec::kQualifyingFuel));
    state.exe.Check();
}

void ReadHumanWeight(AppState& state) {
    ReadWordAt(state, ExeRow::HumanWeight, rec::kHumanWeight);
}
void WriteHumanWeight(AppState& state) {
    WriteWordAt(state, ExeRow::HumanWeight, rec::kHumanWeight);
}
void ReadComputerWeight(AppState& state) {
    ReadWordAt(state, ExeRow::ComputerWeight, rec::kComputerWeight);
}
void WriteComputerWeight(AppState& state) {
    WriteWordAt(state, ExeRow::ComputerWeight, rec::kComputerWeight);
}

void ReadFuelDisplay(AppState& state) {
    const bool on = ReadByteAt(state, ExeRow::FuelDisplay) != kFuelDisplayOff;
    state.record.setU8(rec::kFuelDisplaySwitch, on ? 1 : 0);
}

void WriteFuelDisplay(AppState& state) {
    WriteSwitchAt(state, ExeRow::FuelDisplay, rec::kFuelDisplaySwitch, kFuelDisplayOn,
                  kFuelDisplayOff);
}

void ReadTeamPerformance(AppState& state) {
    state.SeekExe(ExeRow::TeamPerformance1);
    state.exe.ReadByte(); // the game keeps both bytes alike; the second one decides
    state.exe.Check();
    state.SeekExe(ExeRow::TeamPerformance2);
    const std::uint8_t second = state.exe.ReadByte();
    state.exe.Check();
    state.record.setU8(rec::kTeamPerformanceSwitch, second != kTeamPerformanceOff ? 1 : 0);
}

void WriteTeamPerformance(AppState& state) {
    const std::uint8_t byte = state.record.u8(rec::kTeamPerformanceSwitch) == 1
                                  ? kTeamPerformanceOn
                                  : kTeamPerformanceOff;
    state.SeekExe(ExeRow::TeamPerformance1);
    state.exe.WriteByte(byte);
    state.exe.Check();
    state.SeekExe(ExeRow::TeamPerformance2);
    state.exe.WriteByte(byte);
    state.exe.Check();
}

std::vector<PatchRecord> LoadPatchList(const AppState& state) {
    const std::string path = state.StartPath(kPatchListFile);
    std::vector<std::uint8_t> bytes;
    Message reason;
    if (!fs::ReadWholeFile(path, bytes, reason))
        throw DataFileError(Message(fs::Exists(path) ? MessageKind::PatchListDamaged
                                                     : MessageKind::PatchListMissing,
                                    {kPatchListFile}));
    if (bytes.size() % kPatchRecordSize != 0)
        throw DataFileError(Message(MessageKind::PatchListDamaged, {kPatchListFile}));
    std::vector<PatchRecord> list;
    list.reserve(bytes.size() / kPatchRecordSize);
    for (std::size_t at = 0; at < bytes.size(); at += kPatchRecordSize) {
        PatchRecord record{};
        record.offset = static_cast<std::uint32_t>(bytes[at]) |
                        static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
                        static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
                        static_cast<std::uint32_t>(bytes[at + 3]) << 24;
        record.offByte = bytes[at + 4];
        record.onByte = bytes[at + 5];
        // A patch beyond the executable's end would grow the file instead of patching it.
        if (state.exe.IsOpen() && record.offset >= state.exe.Size())
            throw DataFileError(Message(MessageKind::PatchListBeyondExe, {kPatchListFile}));
        list.push_back(record);
    }
    return list;
}

std::vector<PatchRecord> LoadFittingPatchList(AppState& state) {
    std::vector<PatchRecord> list = LoadPatchList(state);
    for (std::size_t i = 0; i < list.size(); ++i) {
        const PatchRecord& patch = list[i];
        state.exe.Seek(patch.offset);
        const std::uint8_t byte = state.exe.ReadByte();
        state.exe.Check();
        if (byte == patch.offByte || byte == patch.onByte)
            continue;
        const auto hex = [](unsigned value, int digits) {
            char text[16];
            std::snprintf(text, sizeof text, "%0*X", digits, value);
            return std::string(text);
        };
        throw DataFileError(Message(MessageKind::PatchListNotThisGame,
                                    {kPatchListFile, std::to_string(i + 1), hex(patch.offset, 1),
                                     hex(patch.offByte, 2), hex(patch.onByte, 2), hex(byte, 2)}));
    }
    return list;
}

void ReadPatchList(AppState& state) {
    for (const PatchRecord& patch : LoadPatchList(state)) {
        state.exe.Seek(patch.offset);
        const std::uint8_t byte = state.exe.ReadByte();
        state.exe.Check();
        if (byte == patch.offByte)
            state.record.setU8(rec::kPatchListSwitch, 0);
        else if (byte == patch.onByte)
            state.record.setU8(rec::kPatchListSwitch, 1);
    }
}

void WritePatchList(AppState& state) {
    const bool on = state.record.u8(rec::kPatchListSwitch) == 1;
    for (const PatchRecord& patch : LoadPatchList(state)) {
        state.exe.Seek(patch.offset);
        state.exe.WriteByte(on ? patch.onByte : patch.offByte);
        state.exe.Check();
    }
}

void ReadCarTuning(AppState& state, bool withPatchList) {
    if (withPatchList)
        LoadPatchList(state);
    ReadLightColours(state);
    ReadLightSpeeds(state);
    ReadFuelLoads(state);
    ReadHumanWeight(state);
    ReadComputerWeight(state);
    ReadFuelDisplay(state);
    ReadTeamPerformance(state);
    if (withPatchList)
        ReadPatchList(state);
}

void WriteCarTuning(AppState& state, bool withPatchList) {
    if (withPatchList)
        LoadFittingPatchList(state);
    WriteLightColours(state);
    WriteLightSpeeds(state);
    WriteFuelLoads(state);
    WriteHumanWeight(state);
    WriteComputerWeight(state);
    WriteFuelDisplay(state);
    WriteTeamPerformance(state);
    if (withPatchList)
        WritePatchList(state);
}

int PoundsToKilograms(int pounds) {
    // Exact integer arithmetic: 0.45359 = 45359 / 100000.
    const long long scaled = static_cast<long long>(pounds) * 45359;
    long long kilograms = scaled / 100000;
    const long long rest = scaled % 100000;
    if (rest > 50000 || (rest == 50000 && kilograms % 2 != 0))
        ++kilograms;
    return static_cast<int>(kilograms);
}

std::uint16_t StoredLightSpeed(std::int32_t rpm) {
    const auto low =
        static_cast<std::uint16_t>(static_cast<std::uint32_t>(rpm) & kLightSpeedMaxRpm);
    return low <= kLightSpeedBase ? 0 : static_cast<std::uint16_t>(low - kLightSpeedBase);
}

} // namespace psn
