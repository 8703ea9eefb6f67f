// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The grip window's rules: three tables by car number (1 qualification, 2 other sessions, 3 the
// random grip range), two lists of drivers (first and second slots of the teams) with one row
// selected in one of them, and the value of the selected driver.
#pragma once

#include "editors/session_tables.h"

#include <string>

namespace psn {

constexpr int kSessionGripMax = 17016;
constexpr int kGripRangeMax = 32767;

class GripModel : public SessionTables {
public:
    explicit GripModel(SettingsRecord& record);

    // Maps the rows of both lists to car slots again and selects the first row of list 1.
    // Slots whose car number has no grip entries get no row, so a team with one numbered driver
    // cannot shift the rows of the teams after it.
    void MapRows();
    // List 1 or 2; rows count from 1 and 0 means none.
    int SelectedRow(int list) const;
    void SelectRow(int list, int row);
    int RowCount(int list) const;
    std::vector<std::string> DriverNames(int list) const;
    std::vector<std::uint16_t> Values(int list) const;

    // The car number of the selected row; 0 when no row is selected.
    int SelectedNumber() const;
    // A value outside the chosen table's range is ignored, as is one without a selected row.
    void SetSelectedValue(std::int64_t value);

    // Every car number that stands in a slot, once per slot.
    void StepAll(int sign, std::int64_t step);
    void CopyOtherToQual();
    void CopyQualToOther();

private:
    const std::vector<int>& Slots(int list) const;
    std::vector<int> NumbersInSlots() const;

    std::vector<int> firstSlots_, secondSlots_;
    int firstRow_ = 1;
    int secondRow_ = 0;
};

} // namespace psn
