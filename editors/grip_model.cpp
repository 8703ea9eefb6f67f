// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/grip_model.h"

#include "core/record_map.h"
#include "editors/lineup.h"

namespace psn {
namespace {

constexpr int kQualification = 1;
constexpr int kOther = 2;

} // namespace

GripModel::GripModel(SettingsRecord& record)
    : SessionTables(record, {{rec::GripQual, kSessionGripMax},
                             {rec::GripOther, kSessionGripMax},
                             {rec::GripRange, kGripRangeMax}}) {}

void GripModel::MapRows() {
    firstSlots_.clear();
    secondSlots_.clear();
    for (int slot = 1; slot <= kCarNumberCount; ++slot)
        if (IsCarNumber(SlotNumber(record_, slot)))
            (slot % 2 ? firstSlots_ : secondSlots_).push_back(slot);
    firstRow_ = 1;
    secondRow_ = 0;
}

const std::vector<int>& GripModel::Slots(int list) const {
    return list == 1 ? firstSlots_ : secondSlots_;
}

int GripModel::SelectedRow(int list) const {
    return list == 1 ? firstRow_ : secondRow_;
}

void GripModel::SelectRow(int list, int row) {
    firstRow_ = list == 1 ? row : 0;
    secondRow_ = list == 2 ? row : 0;
}

int GripModel::RowCount(int list) const {
    return static_cast<int>(Slots(list).size());
}

std::vector<std::string> GripModel::DriverNames(int list) const {
    std::vector<std::string> names;
    for (const int slot : Slots(list))
        names.push_back(DriverName(record_, SlotNumber(record_, slot)));
    return names;
}

std::vector<std::uint16_t> GripModel::Values(int list) const {
    std::vector<std::uint16_t> values;
    for (const int slot : Slots(list))
        values.push_back(Value(SlotNumber(record_, slot)));
    return values;
}

// The numbers are looked up when asked, so a slot whose number changed since the rows were
// mapped names its new driver; a number without grip entries names none, so that an edit cannot
// land beyond the tables.
int GripModel::SelectedNumber() const {
    for (const int list : {1, 2}) {
        const int row = SelectedRow(list);
        if (row > 0 && row <= RowCount(list)) {
            const int number = SlotNumber(record_, Slots(list)[static_cast<std::size_t>(row) - 1]);
            return IsCarNumber(number) ? number : 0;
        }
    }
    return 0;
}

void GripModel::SetSelectedValue(std::int64_t value) {
    const int number = SelectedNumber();
    if (number && value >= 0 && value <= Maximum())
        SetValue(number, static_cast<std::uint16_t>(value));
}

std::vector<int> GripModel::NumbersInSlots() const {
    std::vector<int> numbers;
    for (int slot = 1; slot <= kCarNumberCount; ++slot)
        if (const int number = SlotNumber(record_, slot); IsCarNumber(number))
            numbers.push_back(number);
    return numbers;
}

void GripModel::StepAll(int sign, std::int64_t step) {
    Step(NumbersInSlots(), sign, step);
}

void GripModel::CopyOtherToQual() {
    Copy(kOther, kQualification, NumbersInSlots());
}

void GripModel::CopyQualToOther() {
    Copy(kQualification, kOther, NumbersInSlots());
}

} // namespace psn
