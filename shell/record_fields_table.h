// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every field of the settings record in its natural unit, grouped as the editor windows group
// them. One table drives the text listing, the field-by-field comparison and the JSON form of a
// record, so the command-line companion and the comparison window can never disagree.
#pragma once

#include "core/errors.h"
#include "core/record.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
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

struct Field;

// What the listing knows beyond the record: the track names of the game, when read from one, and
// the fields whose value could not be read (shown as unknown, never compared).
struct Context {
    std::array<std::string, 16> trackNames; // game bytes; empty when unknown
    std::vector<bool> unknown;              // by table index; empty when every value is known
    bool Unknown(const Field& field) const;
    void MarkUnknown(const Field& field);
};

// A value shown beside the field's own, derived from it (kilograms beside pounds).
struct Derived {
    // "694 kg"; "5.490 deg", a number shown with three decimals; "'Vantor'"; "green"
    enum class Style { Number, Text, Name, Degrees };
    std::string unit;
    std::function<std::string(const SettingsRecord&)> value;
    Style style = Style::Number;
    // The window's own conversion back to the stored value, where the window takes this unit;
    // null for a number outside what it converts. Without one, the stored value is searched.
    std::function<std::optional<std::int64_t>(double)> stored = {};
};

struct Field {
    Group group = Group::Names;
    std::string key;  // unique within its group: "team 3", "car 7 qualification"
    std::string unit; // "BHP", "lb", "RPM", "laps", "deg", "raw"; empty for plain numbers
    Kind kind = Kind::Number;
    // Numbers and switches: what the field's window keeps, in the field's unit (a change outside
    // it is refused), and what the game's bytes can hold (what a document may give).
    std::int64_t min = 0, max = 0;
    std::int64_t gameMin = 0, gameMax = 0;
    std::size_t capacity = 0;                   // texts and bytes: most bytes
    std::string offName = "off", onName = "on"; // switches: the names of 0 and 1
    std::function<Value(const SettingsRecord&)> get;
    std::function<void(SettingsRecord&, const Value&)> set;
    std::vector<Derived> derived;
    // The derived value in the unit the window shows, which a key without its unit names; -1
    // when the window shows the field's own value.
    int shown = -1;
    // Track set-ups are listed under the track's name when it is known.
    int track = -1;
};

const std::vector<Field>& Fields();
std::size_t IndexOf(const Field& field);
// The field of a group by its JSON member ("team 2 qualification (BHP)"), or null.
const Field* Find(Group group, std::string_view member);
// The member a field has in a JSON document: its key, with its unit in brackets.
std::string JsonKey(const Field& field);
// The member in the unit the field's window shows: what a key without its unit names.
std::string ShownKey(const Field& field);
// "0..1579", in the unit of ShownKey; `game`: what the game's bytes can hold.
std::string RangeText(const Field& field, bool game = false);

// "team 3 qualification", or with a known track name "track 3 'Monza' front wing".
std::string Label(const Field& field, const Context& context);
// The quoted name of a track field's track ("'Monza'"); empty when the field is no track's or its
// name is unknown.
std::string TrackNameOf(const Field& field, const Context& context);
// The value as the listing shows it: "'Vantor'", "700 BHP", "1530 lb (694 kg)", "on".
std::string ShowValue(const Field& field, const SettingsRecord& record);

// One line per field: "names: team 3 'Vantor'". `parts`: only the fields of these (empty: all).
std::string ShowText(const SettingsRecord& record, const Context& context,
                     const std::vector<Group>& parts = {});

struct Difference {
    const Field* field;
    std::string label, before, after;
    Value old, now; // typed, as the JSON document gives them
};
// Every field whose value differs, in table order. `gameOnly` leaves out what no game file holds
// (the settings description and the unused bytes).
std::vector<Difference> Compare(const SettingsRecord& a, const SettingsRecord& b,
                                const Context& context, bool gameOnly);
// "names: team 3 'Vantor' → 'Vantor GP'"
std::string DiffLine(const Difference& difference);

// The settings document schema's identifier, which a document names as its "$schema" (the
// installed schema file, where a text editor finds it).
inline constexpr const char* kSchemaId = "urn:psniaed:psnedit-settings-1";

// The record as one JSON document; FromJson reads it back (derived members are checked, not
// used). Character bytes beyond a text's length are not kept: they never reach a game file.
std::string ToJson(const SettingsRecord& record, const Context& context,
                   const std::string& schema = kSchemaId, const std::vector<Group>& parts = {});
std::string DiffJson(const std::vector<Difference>& differences);
// A JSON Schema (2020-12) of the document ToJson writes and ReadDocument takes: every member with
// its title, unit, range and enumeration, each also null (unknown, or not given).
std::string Schema();

using InputError = psn::InputError;
// Raises InputError saying which member is wrong and why. Every field must be given.
SettingsRecord FromJson(std::string_view document);

// A settings document as given: any subset of fields, each in either of its units.
struct Document {
    SettingsRecord record;   // the given fields' values; the others are zero
    std::vector<bool> given; // by table index
    // Members that show a value beside a field's own (another unit, a team's or a track's name);
    // they are taken or checked once the record they apply to is known.
    struct Shown {
        Group group;
        std::string member;
        const Field* field = nullptr; // null for a track's name
        std::size_t derived = 0;      // index into field->derived
        int track = -1;               // a track's name: its track
        std::string text;             // the value as text
        bool number = false;          // given as a JSON number
    };
    std::vector<Shown> shown;
    bool settingsFile = false; // a whole record's bytes, as the editor saves them
    std::size_t GivenCount() const;
};
// `all`: every field must be given, as a whole settings file gives them. Null stands for a value
// not given.
Document ReadDocument(std::string_view document, bool all);
// The document's fields over `base` (the game's values). A value given only in another unit is
// converted; one that equals the game's in that unit keeps the stored value, which may not convert
// back exactly. Raises InputError for a value that cannot change (a track's name, the team shown
// at a pit position) or for two units that disagree.
SettingsRecord Merge(const Document& document, const SettingsRecord& base, const Context& game);
// One message for each field that `wanted` changes from `base` to a value its window would not
// keep: "\"engine power\": \"team 2 qualification (BHP)\" 5000 is outside 0..1579, ...".
std::vector<std::string> OutsideWindows(const SettingsRecord& wanted, const SettingsRecord& base);

} // namespace psn::fields
