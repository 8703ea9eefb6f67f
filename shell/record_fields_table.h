// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every field of the settings record in its natural unit, grouped as the editor windows group
// them. One table drives the text listing, the field-by-field comparison and the JSON form of a
// record, so the command-line companion and the comparison window can never disagree.
#pragma once

#include "core/record.h"

#include <array>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace psn::fields {

enum class Group {
    Names,
    Power,
    Grip,
    Failures,
    Tuning,
    Noses,
    PitLine,
    CockpitColours,
    PitCrewColours,
    Cameras,
    Tracks,
    Description,
    Unused,
};

struct GroupInfo {
    Group group;
    const char* key;    // "names", also the JSON member
    const char* window; // the caption of the window that edits it; empty for no window
};
const std::vector<GroupInfo>& Groups();
const GroupInfo& Info(Group group);

enum class Kind { Text, Number, Switch, Bytes };

// A field's value in its stored-exact unit: text in UTF-8, a number, or raw bytes as hex.
struct Value {
    std::int64_t number = 0;
    std::string text;
    friend bool operator==(const Value&, const Value&) = default;
};

// What the listing knows beyond the record: the track names of the game, when read from one.
struct Context {
    std::array<std::string, 16> trackNames; // game bytes; empty when unknown
};

// A value shown beside the field's own, derived from it (kilograms beside pounds).
struct Derived {
    enum class Style { Number, Text, Name }; // "694 kg"; "5.490 deg" kept as text; "'Vantor'"
    std::string unit;
    std::function<std::string(const SettingsRecord&)> value;
    Style style = Style::Number;
};

struct Field {
    Group group = Group::Names;
    std::string key;  // unique within its group: "team 3", "car 7 qualification"
    std::string unit; // "BHP", "lb", "RPM", "laps", "deg"; empty for plain numbers
    Kind kind = Kind::Number;
    std::int64_t min = 0, max = 0;              // numbers: accepted range in the field's unit
    std::size_t capacity = 0;                   // texts and bytes: most bytes
    std::string offName = "off", onName = "on"; // switches: the names of 0 and 1
    std::function<Value(const SettingsRecord&)> get;
    std::function<void(SettingsRecord&, const Value&)> set;
    std::vector<Derived> derived;
    // Track set-ups are listed under the track's name when it is known.
    int track = -1;
};

const std::vector<Field>& Fields();

// "team 3 qualification", or with a known track name "track 3 'Monza' front wing".
std::string Label(const Field& field, const Context& context);
// The value as the listing shows it: "'Vantor'", "700 BHP", "1530 lb (694 kg)", "on".
std::string ShowValue(const Field& field, const SettingsRecord& record);

// One line per field: "names: team 3 'Vantor'".
std::string ShowText(const SettingsRecord& record, const Context& context);

struct Difference {
    const Field* field;
    std::string label, before, after;
};
// Every field whose value differs, in table order. `gameOnly` leaves out what no game file holds
// (the settings description and the unused bytes).
std::vector<Difference> Compare(const SettingsRecord& a, const SettingsRecord& b,
                                const Context& context, bool gameOnly);
// "names: team 3 'Vantor' → 'Vantor GP'"
std::string DiffLine(const Difference& difference);

// The record as one JSON document; FromJson reads it back (derived members are checked, not
// used). Character bytes beyond a text's length are not kept: they never reach a game file.
std::string ToJson(const SettingsRecord& record, const Context& context);
std::string DiffJson(const std::vector<Difference>& differences);

class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
// Raises InputError saying which member is wrong and why.
SettingsRecord FromJson(std::string_view document);

} // namespace psn::fields
