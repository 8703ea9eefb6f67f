// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/record_fields_table.h"

#include "core/game_text.h"
#include "core/json.h"
#include "editors/failures_model.h"
#include "editors/grip_model.h"
#include "editors/lineup.h"
#include "editors/pitline_model.h"
#include "editors/power_model.h"
#include "editors/tuning_model.h"
#include "graphics/camera_format.h"
#include "graphics/colour_parts_table.h"
#include "tracks/track_blocks.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <map>
#include <optional>

namespace psn::fields {
namespace {

constexpr std::int64_t kU8Max = 0xFF;
constexpr std::int64_t kU16Max = 0xFFFF;
// The unit of a stored word that the window shows converted (degrees, kph).
constexpr const char* kRawUnit = "raw";

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Control characters (line breaks in a description) are escaped so each field stays one line.
std::string Quoted(const std::string& utf8) {
    static const char* kHex = "0123456789abcdef";
    std::string text = "'";
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n')
            text += "\\n";
        else if (c == '\r')
            text += "\\r";
        else if (byte < 0x20 || byte == 0x7F)
            text += std::string("\\x") + kHex[byte >> 4] + kHex[byte & 15];
        else
            text.push_back(c);
    }
    return text + "'";
}

std::string TeamNameText(const SettingsRecord& r, int team) {
    if (team < 1 || team > kTeamCount)
        return "";
    return GameBytesToUtf8(r.str(rec::TeamName(team), rec::kTeamNameCapacity));
}

class Builder {
public:
    static Field Make(Group g, std::string key) {
        Field f;
        f.group = g;
        f.key = std::move(key);
        return f;
    }

    std::vector<Field> fields;

    Field& Text(Group g, std::string key, std::size_t offset, std::size_t capacity) {
        Field f = Make(g, std::move(key));
        f.kind = Kind::Text;
        f.capacity = capacity;
        f.get = [=](const SettingsRecord& r) {
            return Value{0, GameBytesToUtf8(r.str(offset, capacity))};
        };
        // The text was checked to be game characters that fit.
        f.set = [=](SettingsRecord& r, const Value& v) {
            r.setStr(offset, capacity, Utf8ToGameBytes(v.text).value_or(std::string()));
        };
        return Add(std::move(f));
    }

    // A stored number shown as it is: an unsigned byte, an unsigned word or a signed word.
    enum Width { kByte, kWord, kSignedWord };
    Field& Number(Group g, std::string key, std::string unit, std::size_t offset, Width width) {
        Field f = Make(g, std::move(key));
        f.unit = std::move(unit);
        f.min = f.gameMin = width == kSignedWord ? -32768 : 0;
        f.max = f.gameMax = width == kByte ? kU8Max : width == kWord ? kU16Max : 32767;
        f.get = [=](const SettingsRecord& r) {
            const std::int64_t n = width == kByte   ? r.u8(offset)
                                   : width == kWord ? r.u16(offset)
                                                    : r.s16(offset);
            return Value{n, {}};
        };
        f.set = [=](SettingsRecord& r, const Value& v) {
            if (width == kByte)
                r.setU8(offset, static_cast<std::uint8_t>(v.number));
            else
                r.setU16(offset, static_cast<std::uint16_t>(v.number));
        };
        return Add(std::move(f));
    }

    Field& Switch(Group g, std::string key, std::size_t offset, std::string off = "off",
                  std::string on = "on") {
        Field f = Make(g, std::move(key));
        f.kind = Kind::Switch;
        // The windows keep off and on; a game byte read as neither stays a number.
        f.max = 1;
        f.gameMax = kU8Max;
        f.offName = std::move(off);
        f.onName = std::move(on);
        f.get = [=](const SettingsRecord& r) { return Value{r.u8(offset), {}}; };
        f.set = [=](SettingsRecord& r, const Value& v) {
            r.setU8(offset, static_cast<std::uint8_t>(v.number));
        };
        return Add(std::move(f));
    }

    // What the field's window keeps, where it keeps less than the game's bytes can hold.
    static Field& Keeps(Field& f, std::int64_t min, std::int64_t max) {
        f.min = min;
        f.max = max;
        return f;
    }

private:
    Field& Add(Field f) {
        fields.push_back(std::move(f));
        return fields.back();
    }
};

// A number above the selected mark's 128 would be written as another number, selected.
Field& SlotNumber(Builder& b, const std::string& key, int slot) {
    Field& f = b.Number(Group::Names, key, "", rec::SlotNumber(slot), Builder::kByte);
    f.max = f.gameMax = kSlotNumberMax;
    return f;
}

void AddNames(Builder& b) {
    const Group g = Group::Names;
    for (int t = 1; t <= kTeamCount; ++t) {
        const std::string team = "team " + std::to_string(t);
        b.Text(g, team, rec::TeamName(t), rec::kTeamNameCapacity);
        b.Text(g, team + " engine", rec::EngineName(t), rec::kTeamNameCapacity);
        b.Switch(g, team + " in use", rec::TeamInUse(t), "no", "yes");
        for (const int slot : {FirstSlot(t), SecondSlot(t)}) {
            const std::string driver = team + (slot == FirstSlot(t) ? " 1st" : " 2nd") + " driver";
            // The window offers the numbers with a name; 0 takes a team out of the game.
            Builder::Keeps(SlotNumber(b, driver + " number", slot), 1, kCarNumberCount);
            b.Switch(g, driver + " selected", rec::SlotMark(slot), "no", "yes");
        }
    }
    // Slots past the 14 teams are never shown but travel with the record.
    for (int slot = 2 * kTeamCount + 1; slot <= kCarNumberCount; ++slot) {
        const std::string name = "slot " + std::to_string(slot);
        SlotNumber(b, name + " number", slot);
        b.Switch(g, name + " selected", rec::SlotMark(slot), "no", "yes");
    }
    for (int n = 1; n <= kCarNumberCount; ++n)
        b.Text(g, "car " + std::to_string(n) + " driver", rec::DriverName(n),
               rec::kDriverNameCapacity);
    b.Switch(g, "first driver '0'", rec::kFirstDriverSwitch);
}

void AddPerformance(Builder& b) {
    for (int t = 1; t <= kTeamWordCount; ++t) {
        const std::string team = "team " + std::to_string(t);
        // Teams past the window's 14 travel unchanged.
        const int max = t <= kTeamCount ? kPowerMax : kU16Max;
        Builder::Keeps(b.Number(Group::Power, team + " qualification", "BHP",
                                rec::EnginePowerQual(t), Builder::kWord),
                       0, max);
        Builder::Keeps(b.Number(Group::Power, team + " other sessions", "BHP",
                                rec::EnginePowerOther(t), Builder::kWord),
                       0, max);
    }
    b.Number(Group::Power, "human qualification", "BHP", rec::kHumanPowerQual, Builder::kWord);
    b.Number(Group::Power, "human other sessions", "BHP", rec::kHumanPowerOther, Builder::kWord);
    b.Switch(Group::Power, "random engine power", rec::kRandomPowerSwitch);

    for (int n = 1; n <= kCarNumberCount; ++n) {
        const std::string car = "car " + std::to_string(n);
        Builder::Keeps(
            b.Number(Group::Grip, car + " qualification", "", rec::GripQual(n), Builder::kWord), 0,
            kSessionGripMax);
        Builder::Keeps(
            b.Number(Group::Grip, car + " other sessions", "", rec::GripOther(n), Builder::kWord),
            0, kSessionGripMax);
        Builder::Keeps(b.Number(Group::Grip, car + " range", "", rec::GripRange(n), Builder::kWord),
                       0, kGripRangeMax);
    }
    for (int t = 1; t <= kTeamWordCount; ++t)
        Builder::Keeps(b.Number(Group::Failures, "team " + std::to_string(t), "", rec::Failure(t),
                                Builder::kWord),
                       0, kFailureMax);
}

void AddTuning(Builder& b) {
    const Group g = Group::Tuning;
    for (const auto& [key, offset] : {std::pair{"human car weight", rec::kHumanWeight},
                                      std::pair{"computer car weight", rec::kComputerWeight}}) {
        const std::size_t at = offset;
        Builder::Keeps(b.Number(g, key, "lb", at, Builder::kWord), 0, kMaxWeight)
            .derived.push_back({"kg", [at](const SettingsRecord& r) {
                                    return std::to_string(PoundsToKilograms(r.u16(at)));
                                }});
    }
    b.Number(g, "practice fuel", "laps", rec::kPracticeFuel, Builder::kByte);
    Field& qualifying =
        b.Number(g, "qualifying fuel", "laps", rec::kQualifyingFuel, Builder::kByte);
    qualifying.min = qualifying.gameMin = QualifyingFuelLaps(0);
    qualifying.max = qualifying.gameMax = QualifyingFuelLaps(0xFF);
    qualifying.get = [](const SettingsRecord& r) {
        return Value{QualifyingFuelLaps(r.u8(rec::kQualifyingFuel)), {}};
    };
    qualifying.set = [](SettingsRecord& r, const Value& v) {
        r.setU8(rec::kQualifyingFuel, StoredQualifyingFuel(static_cast<std::int32_t>(v.number)));
    };
    b.Switch(g, "show opponents fuel load", rec::kFuelDisplaySwitch);
    b.Switch(g, "performance depends on team", rec::kTeamPerformanceSwitch);
    b.Switch(g, "real best time info", rec::kPatchListSwitch);
    for (int light = 0; light < kLightCount; ++light) {
        const std::string name = "light " + std::to_string(light);
        const std::size_t colour = LightColour(light);
        Builder::Keeps(b.Number(g, name + " colour", "", colour, Builder::kByte), 1,
                       std::ssize(kLightColourNames))
            .derived.push_back({"name",
                                [colour](const SettingsRecord& r) {
                                    const int c = r.u8(colour);
                                    return c >= 1 && c <= 3 ? Lower(kLightColourNames[c - 1])
                                                            : std::string("none");
                                },
                                Derived::Style::Text});
        if (light == 0)
            continue;
        const std::size_t speed = LightSpeed(light);
        Field& f = b.Number(g, name + " speed", "RPM", speed, Builder::kWord);
        f.min = f.gameMin = LightSpeedRpm(0);
        f.max = kLightSpeedMaxRpm;
        f.gameMax = LightSpeedRpm(0xFFFF);
        f.get = [speed](const SettingsRecord& r) { return Value{LightSpeedRpm(r.u16(speed)), {}}; };
        f.set = [speed](SettingsRecord& r, const Value& v) {
            r.setU16(speed, static_cast<std::uint16_t>(v.number - kLightSpeedBase));
        };
    }
}

void AddNosesAndPitLine(Builder& b) {
    for (int t = 1; t <= kTeamCount; ++t)
        b.Switch(Group::Noses, "team " + std::to_string(t), rec::kNoseCones + t - 1, "lowered",
                 "raised");
    for (int p = 1; p <= kPitPositions; ++p) {
        const std::size_t at = rec::kPitOrder + p - 1;
        Field& position =
            b.Number(Group::PitLine, "position " + std::to_string(p), "", at, Builder::kByte);
        // A position holds a team number; the game takes any other byte for a team that is not
        // there.
        Builder::Keeps(position, 1, kTeamCount);
        position.derived.push_back(
            {"team", [at](const SettingsRecord& r) { return TeamNameText(r, r.u8(at)); },
             Derived::Style::Name});
    }
    b.Switch(Group::PitLine, "speed check", rec::kSpeedCheckSwitch);
    // The window shows the speed in kph and mph; its slider keeps even raw speeds.
    Field& speed = b.Number(Group::PitLine, "pit speed", kRawUnit, rec::kPitSpeed, Builder::kWord);
    Builder::Keeps(speed, 0, 2 * kPitSliderMax);
    speed.shown = 0;
    speed.derived.push_back({"kph", [](const SettingsRecord& r) {
                                 return std::to_string(PitSpeedUnits(r.u16(rec::kPitSpeed)).kph);
                             }});
    speed.derived.push_back({"mph", [](const SettingsRecord& r) {
                                 return std::to_string(PitSpeedUnits(r.u16(rec::kPitSpeed)).mph);
                             }});
}

void AddColours(Builder& b) {
    for (int t = 1; t <= kTeamWordCount; ++t)
        for (std::size_t part = 0; part < colours::kCockpitParts.size(); ++part) {
            Field& f = b.Number(
                Group::CockpitColours,
                "team " + std::to_string(t) + " " + Lower(colours::kCockpitParts[part].caption), "",
                rec::kCockpitColours + rec::kCockpitColourStride * (t - 1) + part, Builder::kByte);
            // The window offers the swatches whose whole shade run it can show.
            if (t <= kTeamCount)
                Builder::Keeps(f, colours::kFirstSwatch,
                               colours::LastBaseColour(colours::kCockpitParts[part]));
        }
    for (int t = 1; t <= kTeamCount; ++t)
        for (int part = 0; part < colours::kCrewPartCount; ++part) {
            const std::string name =
                part < colours::kFirstCrewPart
                    ? "part " + std::to_string(part)
                    : Lower(colours::kCrewParts[static_cast<std::size_t>(part -
                                                                         colours::kFirstCrewPart)]
                                .caption);
            Field& f = b.Number(Group::PitCrewColours, "team " + std::to_string(t) + " " + name, "",
                                rec::kPitCrewColours + rec::kPitCrewColourStride * (t - 1) +
                                    static_cast<std::size_t>(part),
                                Builder::kByte);
            if (part >= colours::kFirstCrewPart)
                Builder::Keeps(f, colours::kFirstSwatch,
                               colours::LastBaseColour(colours::kCrewParts[static_cast<std::size_t>(
                                   part - colours::kFirstCrewPart)]));
        }
}

void AddCameras(Builder& b) {
    // Word order of a camera row; the angles are shown in degrees beside their stored word.
    static const char* const kWords[] = {"x distance", "z height", "y distance", "x angle",
                                         "z angle",    "y angle",  "tuning 1",   "tuning 2"};
    constexpr int kRows = 11;
    for (int row = 0; row < kRows; ++row)
        for (int w = 0; w < 8; ++w) {
            const std::size_t at = rec::kCameras + rec::kCameraRowStride * row + 2 * w;
            const bool angle = w >= 3 && w <= 5;
            Field& f =
                b.Number(Group::Cameras, "camera " + std::to_string(row + 1) + " " + kWords[w],
                         angle ? kRawUnit : "", at, w < 6 ? Builder::kSignedWord : Builder::kWord);
            if (!angle)
                continue;
            // Degrees go through the window's own conversion; 180 wraps to -180, as there.
            f.derived.push_back(
                {"deg", [at](const SettingsRecord& r) { return camera::AngleText(r.s16(at)); },
                 Derived::Style::Degrees,
                 [](double degrees) -> std::optional<std::int64_t> {
                     if (degrees < -180 || degrees > 180)
                         return std::nullopt;
                     return static_cast<std::int16_t>(camera::AngleWord(degrees));
                 }});
            f.shown = 0;
        }
}

void AddTracks(Builder& b) {
    static const char* const kSetup[] = {"front wing", "rear wing", "gear 1", "gear 2",
                                         "gear 3",     "gear 4",    "gear 5", "gear 6"};
    for (int t = 0; t < kTrackCount; ++t) {
        const std::string track = "track " + std::to_string(t + 1);
        for (std::size_t i = 0; i < 8; ++i)
            b.Number(Group::Tracks, track + " " + kSetup[i], i < 2 ? "deg" : "",
                     TrackEntryOffset(t, trackentry::kFrontWing + i), Builder::kByte)
                .track = t;
        const std::size_t compound = TrackEntryOffset(t, trackentry::kCompound);
        Field& tyre = b.Number(Group::Tracks, track + " compound", "", compound, Builder::kByte);
        Builder::Keeps(tyre, 0, kCompoundCount - 1);
        tyre.track = t;
        tyre.derived.push_back({"letter",
                                [compound](const SettingsRecord& r) {
                                    const int c = r.u8(compound);
                                    return c < kCompoundCount
                                               ? std::string(1, static_cast<char>('A' + c))
                                               : std::string("none");
                                },
                                Derived::Style::Text});
        b.Number(Group::Tracks, track + " fuel consumption", "",
                 TrackEntryOffset(t, trackentry::kFuel), Builder::kWord)
            .track = t;
        b.Number(Group::Tracks, track + " tyre consumption", "",
                 TrackEntryOffset(t, trackentry::kTyres), Builder::kWord)
            .track = t;
    }
}

void AddOthers(Builder& b) {
    b.Text(Group::Description, "text", rec::kDescription, rec::kDescriptionCapacity);
    Field f;
    f.group = Group::Unused;
    f.key = "bytes";
    f.kind = Kind::Bytes;
    for (const auto& [begin, end] : rec::kUnused)
        f.capacity += end - begin;
    f.get = [](const SettingsRecord& r) {
        static const char* kHex = "0123456789abcdef";
        Value v;
        for (const auto& [begin, end] : rec::kUnused)
            for (std::size_t at = begin; at < end; ++at) {
                v.text.push_back(kHex[r.u8(at) >> 4]);
                v.text.push_back(kHex[r.u8(at) & 15]);
            }
        return v;
    };
    f.set = [](SettingsRecord& r, const Value& v) {
        std::size_t i = 0;
        for (const auto& [begin, end] : rec::kUnused)
            for (std::size_t at = begin; at < end; ++at, i += 2)
                r.setU8(at, static_cast<std::uint8_t>(std::stoi(v.text.substr(i, 2), nullptr, 16)));
    };
    b.fields.push_back(std::move(f));
}

std::string JsonValue(const Field& field, const Value& value) {
    switch (field.kind) {
    case Kind::Text:
    case Kind::Bytes:
        return json::Quote(value.text);
    case Kind::Switch:
        // Typed: a switch is a boolean; a byte the game never writes stays a number.
        if (value.number == 0)
            return "false";
        if (value.number == 1)
            return "true";
        return std::to_string(value.number);
    case Kind::Number:
        break;
    }
    return std::to_string(value.number);
}

[[noreturn]] void Wrong(const GroupInfo& group, const std::string& member, const std::string& why) {
    throw InputError("\"" + std::string(group.key) + "\": \"" + member + "\" " + why);
}

Value ReadValue(const Field& field, const GroupInfo& group, const std::string& member,
                const json::Value& v) {
    using K = json::Value::Kind;
    switch (field.kind) {
    case Kind::Text: {
        if (v.kind != K::String)
            Wrong(group, member, "must be text in quotes");
        const auto bytes = Utf8ToGameBytes(v.text);
        if (!bytes)
            Wrong(group, member, "holds a character the game cannot show (only U+0000..U+00FF)");
        // A name's zero bytes are padding that the game's readers skip: one inside a name would
        // shorten it behind the user's back on the next read.
        if (group.group == Group::Names && bytes->find('\0') != std::string::npos)
            Wrong(group, member, "holds a NUL character (\\u0000), which a name cannot hold");
        if (bytes->size() > field.capacity)
            Wrong(group, member,
                  "is longer than the game's " + std::to_string(field.capacity) + " characters");
        return Value{0, v.text};
    }
    case Kind::Bytes: {
        const bool hex = v.kind == K::String && v.text.size() == 2 * field.capacity &&
                         std::all_of(v.text.begin(), v.text.end(), [](char c) {
                             return std::isxdigit(static_cast<unsigned char>(c));
                         });
        if (!hex)
            Wrong(group, member,
                  "must be " + std::to_string(2 * field.capacity) + " hexadecimal digits");
        return Value{0, v.text};
    }
    case Kind::Switch:
        if (v.kind == K::String && (v.text == field.offName || v.text == field.onName))
            return Value{v.text == field.onName ? 1 : 0, {}};
        if (v.kind == K::Bool)
            return Value{v.boolean ? 1 : 0, {}};
        if (v.kind == K::Integer && v.integer >= field.gameMin && v.integer <= field.gameMax)
            return Value{v.integer, {}};
        Wrong(group, member, "must be \"" + field.offName + "\" or \"" + field.onName + "\"");
    case Kind::Number:
        break;
    }
    if (v.kind != K::Integer || v.integer < field.gameMin || v.integer > field.gameMax)
        Wrong(group, member,
              "must be a whole number from " + std::to_string(field.gameMin) + " to " +
                  std::to_string(field.gameMax));
    return Value{v.integer, {}};
}

} // namespace

const std::vector<GroupInfo>& Groups() {
    static const std::vector<GroupInfo> groups = {
        {Group::Names, "names", "Names and numbers"},
        {Group::Power, "engine power", "Engine power"},
        {Group::Grip, "grip", "Computer cars grip"},
        {Group::Failures, "failures", "Car failure"},
        {Group::Tuning, "car tuning", "Car tuning"},
        {Group::Noses, "nose cones", "Nose cones"},
        {Group::PitLine, "pit line", "Pit line settings"},
        {Group::CockpitColours, "cockpit colours", "Cockpit colors"},
        {Group::PitCrewColours, "pit crew colours", "Pit crew colors"},
        {Group::Cameras, "cameras", "Cameras editor"},
        {Group::Tracks, "tracks", "Track editor"},
        {Group::Description, "description", "Settings description"},
        {Group::Unused, "unused", ""},
    };
    return groups;
}

std::string JsonKey(const Field& field) {
    return field.unit.empty() ? field.key : field.key + " (" + field.unit + ")";
}

std::string ShownKey(const Field& field) {
    if (field.shown < 0)
        return JsonKey(field);
    return field.key + " (" + field.derived[static_cast<std::size_t>(field.shown)].unit + ")";
}

std::string RangeText(const Field& field, bool game) {
    const std::int64_t low = game ? field.gameMin : field.min;
    const std::int64_t high = game ? field.gameMax : field.max;
    if (field.shown < 0)
        return std::to_string(low) + ".." + std::to_string(high);
    // The shown unit rises with the stored value; degrees wrap at 180.
    const Derived& d = field.derived[static_cast<std::size_t>(field.shown)];
    if (d.style == Derived::Style::Degrees)
        return "-180..180";
    SettingsRecord scratch;
    field.set(scratch, Value{low, {}});
    const std::string from = d.value(scratch);
    field.set(scratch, Value{high, {}});
    return from + ".." + d.value(scratch);
}

std::size_t IndexOf(const Field& field) {
    return static_cast<std::size_t>(&field - Fields().data());
}

const Field* Find(Group group, std::string_view member) {
    static const std::map<std::pair<Group, std::string>, const Field*, std::less<>> byKey = [] {
        std::map<std::pair<Group, std::string>, const Field*, std::less<>> keys;
        for (const Field& field : Fields())
            keys[{field.group, JsonKey(field)}] = &field;
        return keys;
    }();
    const auto it = byKey.find(std::pair{group, std::string(member)});
    return it == byKey.end() ? nullptr : it->second;
}

bool Context::Unknown(const Field& field) const {
    const std::size_t i = IndexOf(field);
    return i < unknown.size() && unknown[i];
}

void Context::MarkUnknown(const Field& field) {
    unknown.resize(Fields().size(), false);
    unknown[IndexOf(field)] = true;
}

const GroupInfo& Info(Group group) {
    return Groups()[static_cast<std::size_t>(group)];
}

const std::vector<Field>& Fields() {
    static const std::vector<Field> fields = [] {
        Builder b;
        b.fields.reserve(1024);
        AddNames(b);
        AddPerformance(b);
        AddTuning(b);
        AddNosesAndPitLine(b);
        AddColours(b);
        AddCameras(b);
        AddTracks(b);
        AddOthers(b);
        // Listed group by group, in the order of the windows.
        std::stable_sort(b.fields.begin(), b.fields.end(),
                         [](const Field& x, const Field& y) { return x.group < y.group; });
        return b.fields;
    }();
    return fields;
}

std::string TrackNameOf(const Field& field, const Context& context) {
    if (field.track < 0 || context.trackNames[static_cast<std::size_t>(field.track)].empty())
        return {};
    return Quoted(GameBytesToUtf8(context.trackNames[static_cast<std::size_t>(field.track)]));
}

std::string Label(const Field& field, const Context& context) {
    const std::string name = TrackNameOf(field, context);
    if (name.empty())
        return field.key;
    // "track 3 front wing" becomes "track 3 'Monza' front wing".
    const std::string prefix = "track " + std::to_string(field.track + 1);
    return prefix + " " + name + field.key.substr(prefix.size());
}

std::string ShowValue(const Field& field, const SettingsRecord& record) {
    const Value value = field.get(record);
    switch (field.kind) {
    case Kind::Text:
        return Quoted(value.text);
    case Kind::Bytes:
        return value.text;
    case Kind::Switch:
        if (value.number == 0)
            return field.offName;
        if (value.number == 1)
            return field.onName;
        return std::to_string(value.number);
    case Kind::Number:
        break;
    }
    const auto derived = [&](const Derived& d) {
        if (d.style == Derived::Style::Name)
            return Quoted(d.value(record));
        if (d.unit == "name" || d.unit == "letter")
            return d.value(record);
        return d.value(record) + " " + d.unit;
    };
    // The unit the window shows comes first, the raw word in brackets: "32.500 deg (raw 5925)".
    std::string own = std::to_string(value.number);
    if (field.unit == kRawUnit)
        own = field.unit + " " + own;
    else if (!field.unit.empty())
        own += " " + field.unit;
    std::vector<std::string> beside;
    std::string text = own;
    if (field.shown >= 0) {
        text = derived(field.derived[static_cast<std::size_t>(field.shown)]);
        beside.push_back(own);
    }
    for (std::size_t i = 0; i < field.derived.size(); ++i)
        if (static_cast<int>(i) != field.shown)
            beside.push_back(derived(field.derived[i]));
    for (std::size_t i = 0; i < beside.size(); ++i)
        text += (i ? ", " : " (") + beside[i] + (i + 1 == beside.size() ? ")" : "");
    return text;
}

namespace {

bool InParts(const Field& field, const std::vector<Group>& parts) {
    return parts.empty() || std::find(parts.begin(), parts.end(), field.group) != parts.end();
}

} // namespace

std::string ShowText(const SettingsRecord& record, const Context& context,
                     const std::vector<Group>& parts) {
    std::string text;
    text.reserve(64 * Fields().size());
    for (const Field& field : Fields())
        if (InParts(field, parts))
            text += std::string(Info(field.group).key) + ": " + Label(field, context) + " " +
                    (context.Unknown(field) ? "unknown" : ShowValue(field, record)) + "\n";
    return text;
}

std::vector<Difference> Compare(const SettingsRecord& a, const SettingsRecord& b,
                                const Context& context, bool gameOnly) {
    std::vector<Difference> differences;
    for (const Field& field : Fields()) {
        if (gameOnly && (field.group == Group::Description || field.group == Group::Unused))
            continue;
        if (Value old = field.get(a), now = field.get(b); old != now)
            differences.push_back({&field, Label(field, context), ShowValue(field, a),
                                   ShowValue(field, b), std::move(old), std::move(now)});
    }
    return differences;
}

std::string DiffLine(const Difference& d) {
    return std::string(Info(d.field->group).key) + ": " + d.label + " " + d.before + " \u2192 " +
           d.after;
}

std::string ToJson(const SettingsRecord& record, const Context& context, const std::string& schema,
                   const std::vector<Group>& parts) {
    std::string out = "{\n  \"$schema\": " + json::Quote(schema) + ",\n  \"psnedit\": 1";
    Group current = Group::Unused;
    bool open = false;
    int lastTrack = -1;
    for (const Field& field : Fields()) {
        if (!InParts(field, parts))
            continue;
        if (!open || field.group != current) {
            out += open ? "\n  }" : "";
            out += ",\n  " + json::Quote(Info(field.group).key) + ": {";
            current = field.group;
            open = true;
            lastTrack = -1;
        } else {
            out += ",";
        }
        const auto line = [&out](const std::string& key, const std::string& value) {
            out += "\n    " + json::Quote(key) + ": " + value;
        };
        if (field.track >= 0 && field.track != lastTrack) {
            lastTrack = field.track;
            // A document from a settings file has the same members as one from a game.
            const std::string& name = context.trackNames[static_cast<std::size_t>(field.track)];
            line("track " + std::to_string(field.track + 1) + " name",
                 name.empty() ? "null" : json::Quote(GameBytesToUtf8(name)));
            out += ",";
        }
        const bool unknown = context.Unknown(field);
        line(JsonKey(field), unknown ? "null" : JsonValue(field, field.get(record)));
        for (const Derived& d : field.derived) {
            const std::string value = d.value(record);
            out += ",";
            const bool number =
                d.style == Derived::Style::Number || d.style == Derived::Style::Degrees;
            line(field.key + " (" + d.unit + ")", unknown  ? "null"
                                                  : number ? value
                                                           : json::Quote(value));
        }
    }
    out += open ? "\n  }\n}\n" : "\n}\n";
    return out;
}

std::string DiffJson(const std::vector<Difference>& differences) {
    std::string out = "[";
    for (std::size_t i = 0; i < differences.size(); ++i) {
        const Difference& d = differences[i];
        const GroupInfo& group = Info(d.field->group);
        out += (i ? ",\n  {" : "\n  {");
        // "part" and "field" are the members of show --json, "old" and "new" its typed values;
        // "before" and "after" are the values as the listing shows them.
        out += "\"part\": " + json::Quote(group.key) +
               ", \"field\": " + json::Quote(JsonKey(*d.field)) +
               ", \"old\": " + JsonValue(*d.field, d.old) +
               ", \"new\": " + JsonValue(*d.field, d.now) +
               ", \"window\": " + json::Quote(group.window) +
               ", \"label\": " + json::Quote(d.label) + ", \"before\": " + json::Quote(d.before) +
               ", \"after\": " + json::Quote(d.after) + "}";
    }
    out += differences.empty() ? "]\n" : "\n]\n";
    return out;
}

namespace {

std::string Titled(const std::string& title, const std::string& body) {
    return "{\"title\": " + json::Quote(title) + ", " + body + "}";
}

std::string FieldSchema(const Field& field) {
    std::string about = field.unit == kRawUnit ? "the game's raw word"
                        : field.unit.empty()   ? ""
                                               : "in " + field.unit;
    if (field.kind == Kind::Number && RangeText(field) != RangeText(field, true))
        about += (about.empty() ? "" : "; ") + std::string("a change must stay within ") +
                 RangeText(field) + ", what the window keeps";
    const std::string unit = about.empty() ? "" : ", \"description\": " + json::Quote(about);
    switch (field.kind) {
    case Kind::Text:
        // Game characters only; a name holds no NUL.
        return Titled(field.key, "\"type\": [\"string\", \"null\"], \"maxLength\": " +
                                     std::to_string(field.capacity) + ", \"pattern\": \"^[\\u000" +
                                     (field.group == Group::Names ? "1" : "0") + "-\\u00ff]*$\"");
    case Kind::Bytes:
        return Titled(field.key, "\"type\": [\"string\", \"null\"], \"pattern\": \"^[0-9a-fA-F]{" +
                                     std::to_string(2 * field.capacity) + "}$\"");
    case Kind::Switch:
        return Titled(field.key,
                      "\"anyOf\": [{\"type\": [\"boolean\", \"null\"]}, {\"enum\": [" +
                          json::Quote(field.offName) + ", " + json::Quote(field.onName) +
                          "]}, {\"type\": \"integer\", \"minimum\": 0, \"maximum\": 255}]");
    case Kind::Number:
        break;
    }
    return Titled(field.key, "\"type\": [\"integer\", \"null\"], \"minimum\": " +
                                 std::to_string(field.gameMin) +
                                 ", \"maximum\": " + std::to_string(field.gameMax) + unit);
}

std::string DerivedSchema(const Field& field, const Derived& d) {
    const std::string title =
        field.key + " in " + d.unit + " (another form of \"" + JsonKey(field) + "\")";
    if (d.unit == "name" && field.group == Group::Tuning)
        return Titled(title, "\"enum\": [\"green\", \"yellow\", \"red\", \"none\", null]");
    if (d.unit == "letter")
        return Titled(title, "\"enum\": [\"A\", \"B\", \"C\", \"D\", \"none\", null]");
    if (d.style == Derived::Style::Name)
        return Titled(title, "\"type\": [\"string\", \"null\"]");
    if (d.style == Derived::Style::Degrees)
        return Titled(title, "\"type\": [\"number\", \"null\"], \"minimum\": -180, "
                             "\"maximum\": 180, \"description\": \"in degrees\"");
    return Titled(title, "\"type\": [\"number\", \"null\"], \"minimum\": 0, \"description\": " +
                             json::Quote("in " + d.unit));
}

} // namespace

std::string Schema() {
    std::string out = "{\n  \"$schema\": \"https://json-schema.org/draft/2020-12/schema\",\n"
                      "  \"$id\": " +
                      json::Quote(kSchemaId) +
                      ",\n  \"title\": \"Settings of the Pistonia settings editor (psnedit)\",\n"
                      "  \"type\": \"object\",\n  \"required\": [\"psnedit\"],\n"
                      "  \"additionalProperties\": false,\n  \"properties\": {\n"
                      "    \"$schema\": {\"type\": \"string\"},\n    \"psnedit\": {\"const\": 1}";
    for (const GroupInfo& group : Groups()) {
        out += ",\n    " + json::Quote(group.key) + ": {\"title\": " +
               json::Quote(*group.window ? group.window : "Bytes no window shows") +
               ", \"type\": \"object\", \"additionalProperties\": false, \"properties\": {";
        bool first = true;
        int lastTrack = -1;
        const auto member = [&](const std::string& key, const std::string& schema) {
            out += (first ? "\n      " : ",\n      ") + json::Quote(key) + ": " + schema;
            first = false;
        };
        for (const Field& field : Fields()) {
            if (field.group != group.group)
                continue;
            if (field.track >= 0 && field.track != lastTrack) {
                lastTrack = field.track;
                member("track " + std::to_string(field.track + 1) + " name",
                       Titled("the track's name (the game's own; it cannot change)",
                              "\"type\": [\"string\", \"null\"]"));
            }
            member(JsonKey(field), FieldSchema(field));
            for (const Derived& d : field.derived)
                member(field.key + " (" + d.unit + ")", DerivedSchema(field, d));
            if (field.unit == kRawUnit) {
                // The name older documents gave the raw word; still read.
                std::string old = FieldSchema(field);
                old.insert(old.size() - 1, ", \"deprecated\": true");
                member(field.key, old);
            }
        }
        out += "\n    }}";
    }
    out += "\n  }\n}\n";
    return out;
}

Document ReadDocument(std::string_view document, bool all) {
    json::Value root;
    try {
        root = json::Parse(document);
    } catch (const json::ParseError& error) {
        throw InputError(std::string("is not valid JSON: ") + error.what());
    }
    using K = json::Value::Kind;
    const json::Value* version = root.kind == K::Object ? root.Find("psnedit") : nullptr;
    if (!version || version->kind != K::Integer || version->integer != 1)
        throw InputError("is not a settings document of psnedit (its \"psnedit\": 1 is missing)");

    // Members by group and key, so a misspelt or missing member is named.
    std::map<std::pair<Group, std::string>, std::pair<const Field*, std::size_t>> derivedByKey;
    for (const Field& field : Fields())
        for (std::size_t d = 0; d < field.derived.size(); ++d)
            derivedByKey[{field.group, field.key + " (" + field.derived[d].unit + ")"}] = {&field,
                                                                                           d};
    std::map<std::pair<Group, std::string>, const Field*> oldRawKeys;
    for (const Field& field : Fields())
        if (field.unit == kRawUnit)
            oldRawKeys[{field.group, field.key}] = &field;
    Document doc;
    doc.given.assign(Fields().size(), false);
    std::vector<bool> seen(Fields().size(), false);
    for (const auto& [groupKey, members] : root.members) {
        if (groupKey == "psnedit" || groupKey == "$schema")
            continue;
        const std::string& key = groupKey; // a lambda cannot name a structured binding here
        const auto group = std::find_if(Groups().begin(), Groups().end(),
                                        [&](const GroupInfo& g) { return key == g.key; });
        if (group == Groups().end())
            throw InputError("has an unknown part \"" + groupKey + "\"");
        if (members.kind != K::Object)
            throw InputError("\"" + groupKey + "\" must be an object of named values");
        for (const auto& [member, value] : members.members) {
            const Field* field = Find(group->group, member);
            // Documents written before the raw words had their unit named them by the plain key.
            if (!field) {
                const auto old = oldRawKeys.find({group->group, member});
                field = old == oldRawKeys.end() ? nullptr : old->second;
            }
            if (field) {
                const std::size_t i = IndexOf(*field);
                if (seen[i])
                    Wrong(*group, member, "appears twice");
                seen[i] = true;
                if (value.kind == K::Null)
                    continue; // unknown where it was written: not given
                field->set(doc.record, ReadValue(*field, *group, member, value));
                doc.given[i] = true;
                continue;
            }
            const auto d = derivedByKey.find({group->group, member});
            const bool trackName = group->group == Group::Tracks && member.starts_with("track ") &&
                                   member.ends_with(" name");
            if (d == derivedByKey.end() && !trackName)
                Wrong(*group, member, "is not a field of this part");
            if (value.kind == K::Null)
                continue;
            if (value.kind != K::String && value.kind != K::Integer && value.kind != K::Number)
                Wrong(*group, member, "must be a number or text");
            Document::Shown shown;
            shown.group = group->group;
            shown.member = member;
            shown.number = value.kind != K::String;
            shown.text = value.kind == K::String    ? value.text
                         : value.kind == K::Integer ? std::to_string(value.integer)
                                                    : value.text;
            if (trackName) {
                std::size_t used = 0;
                int track = 0;
                try {
                    track = std::stoi(member.substr(6), &used);
                } catch (const std::exception&) {
                }
                if (track < 1 || track > kTrackCount || member.substr(6 + used) != " name")
                    Wrong(*group, member, "is not a field of this part");
                shown.track = track - 1;
            } else {
                shown.field = d->second.first;
                shown.derived = d->second.second;
            }
            doc.shown.push_back(std::move(shown));
        }
    }
    // A game holds no description and no unused bytes, so its document leaves them unknown.
    if (all)
        for (const Field& field : Fields())
            if (!doc.given[IndexOf(field)] && field.group != Group::Description &&
                field.group != Group::Unused)
                Wrong(Info(field.group), JsonKey(field),
                      seen[IndexOf(field)]
                          ? "is unknown (null); every field must be given with --all"
                          : "is missing; every field must be given (write one with psnedit show "
                            "--json)");
    return doc;
}

std::size_t Document::GivenCount() const {
    return static_cast<std::size_t>(std::count(given.begin(), given.end(), true));
}

namespace {

std::optional<double> Decimal(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || at != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The stored value whose value in the other unit is `text`, nearest to `near`; null when none is.
// A number in the other unit rises with the stored value, so it is searched, not scanned.
std::optional<std::int64_t> FromOtherUnit(const Field& field, const Derived& derived,
                                          const std::string& text, SettingsRecord scratch,
                                          std::int64_t near) {
    const auto shownAt = [&](std::int64_t raw) {
        field.set(scratch, Value{raw, {}});
        return derived.value(scratch);
    };
    std::optional<std::int64_t> best;
    double bestDistance = 0;
    const auto consider = [&](std::int64_t raw, double distance) {
        const auto away = [near](std::int64_t n) { return n > near ? n - near : near - n; };
        if (!best || distance < bestDistance ||
            (distance == bestDistance && away(raw) < away(*best))) {
            best = raw;
            bestDistance = distance;
        }
    };
    const std::optional<double> wanted = Decimal(text);
    if (wanted && derived.stored)
        return derived.stored(*wanted);
    if (wanted) {
        // Whole units take a value that rounds to them; finer ones the nearest step.
        std::int64_t low = field.gameMin, high = field.gameMax + 1;
        while (low < high) {
            const std::int64_t middle = low + (high - low) / 2;
            const std::optional<double> value = Decimal(shownAt(middle));
            if (value && *value < *wanted - 0.5)
                low = middle + 1;
            else
                high = middle;
        }
        for (std::int64_t raw = low; raw <= field.gameMax; ++raw) {
            const std::optional<double> value = Decimal(shownAt(raw));
            if (!value || *value > *wanted + 0.5)
                break;
            consider(raw, std::abs(*value - *wanted));
        }
        return best;
    }
    for (std::int64_t raw = field.gameMin; raw <= field.gameMax; ++raw)
        if (Lower(shownAt(raw)) == Lower(text))
            consider(raw, 0);
    return best;
}

} // namespace

SettingsRecord Merge(const Document& doc, const SettingsRecord& base, const Context& game) {
    SettingsRecord out = base;
    std::vector<const Document::Shown*> changedBy(Fields().size(), nullptr);
    for (const Field& field : Fields())
        if (doc.given[IndexOf(field)]) {
            const Value value = field.get(doc.record);
            field.set(out, value);
        }
    const auto primaryChanged = [&](const Field& field) {
        return doc.given[IndexOf(field)] && field.get(doc.record) != field.get(base);
    };
    for (const Document::Shown& shown : doc.shown) {
        const GroupInfo& group = Info(shown.group);
        if (!shown.field) {
            const std::string& name = game.trackNames[static_cast<std::size_t>(shown.track)];
            if (!name.empty() && GameBytesToUtf8(name) != shown.text)
                Wrong(group, shown.member,
                      "cannot be changed: a track's name is the game's own (it is \"" +
                          GameBytesToUtf8(name) + "\")");
            continue;
        }
        const Field& field = *shown.field;
        const Derived& derived = field.derived[shown.derived];
        const auto same = [&](const SettingsRecord& r) {
            const std::string value = derived.value(r);
            if (shown.number || derived.style == Derived::Style::Number ||
                derived.style == Derived::Style::Degrees) {
                const auto a = Decimal(value), b = Decimal(shown.text);
                if (a && b)
                    return *a == *b;
            }
            return value == shown.text;
        };
        if (derived.style == Derived::Style::Name) {
            // The team at a pit position is named by the names part, not here.
            if (!same(base) && !same(out))
                Wrong(group, shown.member,
                      "cannot be changed: it shows the name of the team at that position (" +
                          derived.value(out) + "); change \"" + JsonKey(field) + "\" instead");
            continue;
        }
        if (same(base))
            continue; // as the game has it: the stored value stays
        const Document::Shown* other = changedBy[IndexOf(field)];
        if (primaryChanged(field) || other) {
            if (!same(out))
                Wrong(group, shown.member,
                      "disagrees with \"" + (other ? other->member : JsonKey(field)) +
                          "\"; give the value in one unit only");
            continue;
        }
        const auto raw = FromOtherUnit(field, derived, shown.text, out, field.get(base).number);
        if (!raw)
            Wrong(group, shown.member,
                  "is no value \"" + JsonKey(field) + "\" can take (from " +
                      std::to_string(field.gameMin) + " to " + std::to_string(field.gameMax) + " " +
                      (field.unit.empty() ? "stored" : field.unit) + ")");
        field.set(out, Value{*raw, {}});
        changedBy[IndexOf(field)] = &shown;
    }
    return out;
}

std::vector<std::string> OutsideWindows(const SettingsRecord& wanted, const SettingsRecord& base) {
    std::vector<std::string> outside;
    for (const Field& field : Fields()) {
        if (field.kind != Kind::Number && field.kind != Kind::Switch)
            continue;
        const std::int64_t value = field.get(wanted).number;
        if ((value >= field.min && value <= field.max) || value == field.get(base).number)
            continue;
        const GroupInfo& group = Info(field.group);
        // A shown unit too coarse to tell the ranges apart (kph) gives way to the raw word.
        const bool coarse = field.shown >= 0 && RangeText(field, true) == RangeText(field);
        std::string why =
            "\"" + std::string(group.key) + "\": \"" + (coarse ? JsonKey(field) : ShownKey(field)) +
            "\" " + (coarse ? std::to_string(value) : ShowValue(field, wanted)) + " is outside " +
            (coarse ? std::to_string(field.min) + ".." + std::to_string(field.max)
                    : RangeText(field)) +
            ", what the " + group.window + " window keeps";
        if (!coarse && RangeText(field, true) != RangeText(field))
            why += " (the game could hold " + RangeText(field, true) + ")";
        outside.push_back(why);
    }
    return outside;
}

SettingsRecord FromJson(std::string_view document) {
    return Merge(ReadDocument(document, true), SettingsRecord{}, Context{});
}

} // namespace psn::fields
