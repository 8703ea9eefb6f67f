// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/tuning_model.h"

namespace psn {

int TuningModel::HumanWeight() const {
    return record_.u16(rec::kHumanWeight);
}

int TuningModel::ComputerWeight() const {
    return record_.u16(rec::kComputerWeight);
}

void TuningModel::SetHumanWeight(int pounds) {
    record_.setU16(rec::kHumanWeight, static_cast<std::uint16_t>(pounds));
}

void TuningModel::SetComputerWeight(int pounds) {
    record_.setU16(rec::kComputerWeight, static_cast<std::uint16_t>(pounds));
}

void TuningModel::ClampWeights() {
    for (const std::size_t entry : {rec::kHumanWeight, rec::kComputerWeight})
        if (record_.u16(entry) > kMaxWeight)
            record_.setU16(entry, kMaxWeight);
}

int TuningModel::LightColour(int light) const {
    return record_.u8(psn::LightColour(light));
}

void TuningModel::SetLightColour(int light, int colour) {
    record_.setU8(psn::LightColour(light), static_cast<std::uint8_t>(colour));
}

std::int32_t TuningModel::LightSpeedRpm(int light) const {
    return psn::LightSpeedRpm(record_.u16(LightSpeed(light)));
}

void TuningModel::EnterLightSpeed(int light, std::optional<std::int32_t> rpm) {
    record_.setU16(LightSpeed(light), StoredLightSpeed(rpm.value_or(LightSpeedRpm(light))));
}

int TuningModel::PracticeFuelLaps() const {
    return record_.u8(rec::kPracticeFuel);
}

int TuningModel::QualifyingFuelLaps() const {
    return psn::QualifyingFuelLaps(record_.u8(rec::kQualifyingFuel));
}

void TuningModel::EnterPracticeFuel(std::optional<std::int32_t> laps) {
    if (laps)
        record_.setU8(rec::kPracticeFuel, static_cast<std::uint8_t>(*laps & 0xFF));
}

void TuningModel::EnterQualifyingFuel(std::optional<std::int32_t> laps) {
    if (laps)
        record_.setU8(rec::kQualifyingFuel, StoredQualifyingFuel(*laps));
}

bool TuningModel::SwitchOn(std::size_t offset) const {
    return record_.u8(offset) == 1;
}

void TuningModel::SetSwitch(std::size_t offset, bool on) {
    record_.setU8(offset, on ? 1 : 0);
}

} // namespace psn
