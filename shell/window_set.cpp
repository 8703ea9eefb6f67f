// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/window_set.h"

#include "editors/failures_form.h"
#include "editors/grip_form.h"
#include "editors/names_form.h"
#include "editors/noses_form.h"
#include "editors/pitline_form.h"
#include "editors/power_form.h"
#include "editors/tuning_form.h"
#include "graphics/camera_form.h"
#include "graphics/ccolors_form.h"
#include "graphics/helmet_form.h"
#include "graphics/jam_form.h"
#include "graphics/pccolors_form.h"
#include "shell/des_form.h"
#include "shell/ie_form.h"
#include "tracks/car_set_form.h"
#include "tracks/cockpit_manager_form.h"
#include "tracks/track_ed_form.h"
#include "tracks/track_manager_form.h"
#include "ui/accessibility.h"
#include "ui/font_scale.h"

#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>

namespace psn {

namespace {

template <auto Member, class Form>
constexpr WindowRow Row(const char* name, WindowButton button = {}) {
    return {name, [](const WindowSet& set) -> QWidget* { return set.*Member; },
            [](WindowSet& set, AppContext& context, QWidget* owner) {
                set.*Member = new Form(context, owner);
            },
            button};
}

// One row per window, in creation order, with the picture button that opens it.
constexpr WindowRow kRows[] = {
    Row<&WindowSet::names, TNamesForm>(
        "names", {"NamesButton", QT_TRANSLATE_NOOP("psn::TMainForm", "Names + Numbers"),
                  ".\\DATA\\BT_NAMES.BMP", 0, 5, false}),
    Row<&WindowSet::enginePower, TEPowerForm>(
        "engine_power", {"PowerButton", QT_TRANSLATE_NOOP("psn::TMainForm", "Engine Power"),
                         ".\\DATA\\BT_POWER.BMP", 0, 64, false}),
    Row<&WindowSet::grip, TGripForm>("grip",
                                     {"GripButton", QT_TRANSLATE_NOOP("psn::TMainForm", "CC Grip"),
                                      ".\\DATA\\BT_GRIP.BMP", 0, 123, false}),
    Row<&WindowSet::pitLine, TPitLineForm>(
        "pit_line", {"PitLaneButton", QT_TRANSLATE_NOOP("psn::TMainForm", "Pit Lane Settings"),
                     ".\\DATA\\BT_PITLANE.BMP", 173, 64, false}),
    Row<&WindowSet::failures, TFailuresForm>(
        "failures", {"FailureButton", QT_TRANSLATE_NOOP("psn::TMainForm", "Car Failure"),
                     ".\\DATA\\BT_FAILURE.BMP", 0, 183, false}),
    Row<&WindowSet::noses, TNosesForm>(
        "nose_cones", {"NosesButton", QT_TRANSLATE_NOOP("psn::TMainForm", "Nose Cones"),
                       ".\\DATA\\BT_NOSES.BMP", -1, 302, false}),
    Row<&WindowSet::tuning, TCTuningForm>(
        "car_tuning", {"TuningButton", QT_TRANSLATE_NOOP("psn::TMainForm", "Car Tuning"),
                       ".\\DATA\\BT_TUNING.BMP", 0, 243, true}),
    Row<&WindowSet::cockpitManager, TInstCForm>(
        "cockpit_manager",
        {"CockpitManagerButton", QT_TRANSLATE_NOOP("psn::TMainForm", "Cockpit Manager"),
         ".\\DATA\\BT_COCKPITM.BMP", 346, 183, false}),
    Row<&WindowSet::trackManager, Tinsttform>("track_manager",
                                              {"TrackManagerButton",
                                               QT_TRANSLATE_NOOP("psn::TMainForm", "Track Manager"),
                                               ".\\DATA\\BT_TRACKM.BMP", 348, 243, false}),
    Row<&WindowSet::cameras, TCameraForm>(
        "cameras", {"CamerasButton", QT_TRANSLATE_NOOP("psn::TMainForm", "Cameras"),
                    ".\\DATA\\BT_CAMERAS.BMP", 347, 64, true}),
    // The main window's menu opens the installer; its picture button is hidden.
    Row<&WindowSet::carSets, TInstCarSetForm>("car_sets"),
    Row<&WindowSet::cockpitColours, TCColorsForm>(
        "cockpit_colours",
        {"CockpitColoursButton", QT_TRANSLATE_NOOP("psn::TMainForm", "Cockpit Colours"),
         ".\\DATA\\BT_COCKPIT.BMP", 173, 124, true}),
    Row<&WindowSet::pitCrewColours, TPCColorsForm>(
        "pit_crew_colours",
        {"PitCrewButton", QT_TRANSLATE_NOOP("psn::TMainForm", "Pit Crew Colours"),
         ".\\DATA\\BT_PITCREW.BMP", 173, 183, true}),
    Row<&WindowSet::importExport, TIEForm>("import_export"),
    Row<&WindowSet::description, TDesForm>("settings_description"),
    Row<&WindowSet::helmets, THelmetForm>(
        "helmets", {"HelmetsButton", QT_TRANSLATE_NOOP("psn::TMainForm", "Helmets"),
                    ".\\DATA\\BT_HELMETS.BMP", 174, 302, true}),
    Row<&WindowSet::carJams, TJamForm>("car_jams", {"CarJamsButton",
                                                    QT_TRANSLATE_NOOP("psn::TMainForm", "Car Jams"),
                                                    ".\\DATA\\BT_CARJAMS.BMP", 173, 243, true}),
    // Its button makes sure the track files are there first; the main window makes it.
    Row<&WindowSet::trackEditor, TTrackEdForm>("track_editor"),
};

// Counts an aggregate's members by the longest brace list that initializes it.
struct AnyMember {
    template <class T> operator T() const;
};
template <class T, class... Members> consteval std::size_t MemberCount() {
    if constexpr (requires { T{Members{}..., AnyMember{}}; })
        return MemberCount<T, Members..., AnyMember>();
    else
        return sizeof...(Members);
}
struct ThreeMembers {
    QWidget* a = nullptr;
    TDesForm* b = nullptr;
    int c = 0;
};
static_assert(MemberCount<ThreeMembers>() == 3);
static_assert(MemberCount<WindowSet>() == std::size(kRows),
              "every member of WindowSet needs its row in kRows");

} // namespace

std::span<const WindowRow> WindowRows() {
    return kRows;
}

std::vector<QWidget*> WindowSet::All() const {
    std::vector<QWidget*> windows;
    for (const WindowRow& row : kRows)
        windows.push_back(row.window(*this));
    return windows;
}

void CreateWindows(WindowSet& windows, AppContext& context, QWidget* owner) {
    for (const WindowRow& row : kRows)
        row.create(windows, context, owner);
    for (QWidget* window : windows.All()) {
        FitToFont(window);
        MakeAccessibleWhenShown(window);
    }
}

namespace {

// Ends a local event loop when the watched window is hidden or destroyed.
class HideWatcher : public QObject {
public:
    HideWatcher(QWidget* window, QEventLoop* loop) : QObject(window), loop_(loop) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide)
            loop_->quit();
        return QObject::eventFilter(watched, event);
    }

private:
    QEventLoop* loop_;
};

} // namespace

void ShowModal(QWidget* window) {
    if (!window)
        return;
    if (auto* dialog = qobject_cast<QDialog*>(window)) {
        dialog->exec();
        return;
    }
    QEventLoop loop;
    QPointer<QWidget> guard(window);
    auto* watcher = new HideWatcher(window, &loop);
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    if (window->isVisible())
        loop.exec();
    if (guard)
        delete watcher;
}

} // namespace psn
