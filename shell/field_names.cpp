// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/field_names.h"

#include "core/messages.h"

#include <QCoreApplication>
#include <cctype>

namespace psn {
namespace {

constexpr const char* kFieldsContext = "psn::Fields";

// The translation context of the window that edits each group: its title is translated there.
const char* WindowContext(fields::Group group) {
    using G = fields::Group;
    switch (group) {
    case G::Names:
        return "psn::TNamesForm";
    case G::Power:
        return "psn::TEPowerForm";
    case G::Grip:
        return "psn::TGripForm";
    case G::Failures:
        return "psn::TFailuresForm";
    case G::Tuning:
        return "psn::TCTuningForm";
    case G::Noses:
        return "psn::TNosesForm";
    case G::PitLine:
        return "psn::TPitLineForm";
    case G::CockpitColours:
        return "psn::TCColorsForm";
    case G::PitCrewColours:
        return "psn::TPCColorsForm";
    case G::Cameras:
        return "psn::TCameraForm";
    case G::Tracks:
        return "psn::TTrackEdForm";
    case G::Description:
        return "psn::TDesForm";
    case G::Unused:
        break;
    }
    return nullptr;
}

} // namespace

QString WindowTitle(fields::Group group) {
    const fields::GroupInfo& info = fields::Info(group);
    const char* context = WindowContext(group);
    if (!context || !*info.window)
        return QString::fromUtf8(info.key);
    return QCoreApplication::translate(context, info.window);
}

std::string FieldWording(const std::string& key, std::vector<std::string>* numbers) {
    std::string wording;
    int count = 0;
    for (std::size_t i = 0; i < key.size();) {
        std::size_t end = i;
        while (end < key.size() && std::isdigit(static_cast<unsigned char>(key[end])))
            ++end;
        const bool word =
            end > i && (i == 0 || key[i - 1] == ' ') && (end == key.size() || key[end] == ' ');
        if (word && count < 9) {
            wording += '%';
            wording += std::to_string(++count);
            if (numbers)
                numbers->push_back(key.substr(i, end - i));
            i = end;
        } else if (end > i) {
            wording += key.substr(i, end - i);
            i = end;
        } else {
            wording += key[i++];
        }
    }
    return wording;
}

const std::vector<std::string>& FieldWordings() {
    static const std::vector<std::string> wordings{
        PSN_WORDING("psn::Fields", "team %1"),
        PSN_WORDING("psn::Fields", "team %1 engine"),
        PSN_WORDING("psn::Fields", "team %1 in use"),
        PSN_WORDING("psn::Fields", "team %1 1st driver number"),
        PSN_WORDING("psn::Fields", "team %1 1st driver selected"),
        PSN_WORDING("psn::Fields", "team %1 2nd driver number"),
        PSN_WORDING("psn::Fields", "team %1 2nd driver selected"),
        PSN_WORDING("psn::Fields", "slot %1 number"),
        PSN_WORDING("psn::Fields", "slot %1 selected"),
        PSN_WORDING("psn::Fields", "car %1 driver"),
        PSN_WORDING("psn::Fields", "first driver '0'"),
        PSN_WORDING("psn::Fields", "team %1 qualification"),
        PSN_WORDING("psn::Fields", "team %1 other sessions"),
        PSN_WORDING("psn::Fields", "human qualification"),
        PSN_WORDING("psn::Fields", "human other sessions"),
        PSN_WORDING("psn::Fields", "random engine power"),
        PSN_WORDING("psn::Fields", "car %1 qualification"),
        PSN_WORDING("psn::Fields", "car %1 other sessions"),
        PSN_WORDING("psn::Fields", "car %1 range"),
        PSN_WORDING("psn::Fields", "human car weight"),
        PSN_WORDING("psn::Fields", "computer car weight"),
        PSN_WORDING("psn::Fields", "practice fuel"),
        PSN_WORDING("psn::Fields", "qualifying fuel"),
        PSN_WORDING("psn::Fields", "show opponents fuel load"),
        PSN_WORDING("psn::Fields", "performance depends on team"),
        PSN_WORDING("psn::Fields", "real best time info"),
        PSN_WORDING("psn::Fields", "light %1 colour"),
        PSN_WORDING("psn::Fields", "light %1 speed"),
        PSN_WORDING("psn::Fields", "position %1"),
        PSN_WORDING("psn::Fields", "speed check"),
        PSN_WORDING("psn::Fields", "pit speed"),
        PSN_WORDING("psn::Fields", "team %1 cockpit"),
        PSN_WORDING("psn::Fields", "team %1 front wing"),
        PSN_WORDING("psn::Fields", "team %1 mirrors"),
        PSN_WORDING("psn::Fields", "team %1 team logo"),
        PSN_WORDING("psn::Fields", "team %1 thin stripe"),
        PSN_WORDING("psn::Fields", "team %1 head"),
        PSN_WORDING("psn::Fields", "team %1 epaulettes/jack"),
        PSN_WORDING("psn::Fields", "team %1 left chest/sign"),
        PSN_WORDING("psn::Fields", "team %1 right chest"),
        PSN_WORDING("psn::Fields", "team %1 left upper arm"),
        PSN_WORDING("psn::Fields", "team %1 right upper arm"),
        PSN_WORDING("psn::Fields", "team %1 left forearm"),
        PSN_WORDING("psn::Fields", "team %1 right forearm"),
        PSN_WORDING("psn::Fields", "team %1 hands"),
        PSN_WORDING("psn::Fields", "team %1 waist"),
        PSN_WORDING("psn::Fields", "team %1 legs/ pit monitor"),
        PSN_WORDING("psn::Fields", "team %1 feet"),
        PSN_WORDING("psn::Fields", "team %1 part %2"),
        PSN_WORDING("psn::Fields", "camera %1 x distance"),
        PSN_WORDING("psn::Fields", "camera %1 z height"),
        PSN_WORDING("psn::Fields", "camera %1 y distance"),
        PSN_WORDING("psn::Fields", "camera %1 x angle"),
        PSN_WORDING("psn::Fields", "camera %1 z angle"),
        PSN_WORDING("psn::Fields", "camera %1 y angle"),
        PSN_WORDING("psn::Fields", "camera %1 tuning %2"),
        PSN_WORDING("psn::Fields", "track %1 front wing"),
        PSN_WORDING("psn::Fields", "track %1 rear wing"),
        PSN_WORDING("psn::Fields", "track %1 gear %2"),
        PSN_WORDING("psn::Fields", "track %1 compound"),
        PSN_WORDING("psn::Fields", "track %1 fuel consumption"),
        PSN_WORDING("psn::Fields", "track %1 tyre consumption"),
        PSN_WORDING("psn::Fields", "text"),
        PSN_WORDING("psn::Fields", "bytes"),
    };
    return wordings;
}

QString FieldName(const fields::Field& field) {
    return FieldName(field, fields::Context{});
}

QString FieldName(const fields::Field& field, const fields::Context& context) {
    std::vector<std::string> numbers;
    const std::string wording = FieldWording(field.key, &numbers);
    // A track field's first number is its track's: the name stands with it in every language.
    if (const std::string name = TrackNameOf(field, context); !name.empty() && !numbers.empty())
        numbers.front() += " " + name;
    const QString translated = QCoreApplication::translate(kFieldsContext, wording.c_str());
    return QString::fromStdString(FillIn(translated.toStdString(), numbers));
}

QString StepTitle(const SettingsRecord& before, const SettingsRecord& after) {
    const auto differences = fields::Compare(before, after, {}, false);
    if (differences.empty())
        return QCoreApplication::translate("psn::Steps", "Change");
    const fields::Field& first = *differences.front().field;
    if (differences.size() == 1)
        return QCoreApplication::translate("psn::Steps", "%1: %2")
            .arg(WindowTitle(first.group), FieldName(first));
    return QCoreApplication::translate("psn::Steps", "%1: %2 and %3 more")
        .arg(WindowTitle(first.group), FieldName(first), QString::number(differences.size() - 1));
}

} // namespace psn
