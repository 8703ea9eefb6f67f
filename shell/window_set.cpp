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

void CreateWindows(WindowSet& windows, AppContext& context, QWidget* owner) {
    // One line per window, in creation order.
    windows.names = new TNamesForm(context, owner);
    windows.enginePower = new TEPowerForm(context, owner);
    windows.grip = new TGripForm(context, owner);
    windows.pitLine = new TPitLineForm(context, owner);
    windows.failures = new TFailuresForm(context, owner);
    windows.noses = new TNosesForm(context, owner);
    windows.tuning = new TCTuningForm(context, owner);
    windows.cockpitManager = new TInstCForm(context, owner);
    windows.trackManager = new Tinsttform(context, owner);
    windows.cameras = new TCameraForm(context, owner);
    windows.carSets = new TInstCarSetForm(context, owner);
    windows.cockpitColours = new TCColorsForm(context, owner);
    windows.pitCrewColours = new TPCColorsForm(context, owner);
    windows.importExport = new TIEForm(context, owner);
    windows.description = new TDesForm(context, owner);
    windows.helmets = new THelmetForm(context, owner);
    windows.carJams = new TJamForm(context, owner);
    windows.trackEditor = new TTrackEdForm(context, owner);

    for (QWidget* window :
         {windows.names, windows.enginePower, windows.grip, windows.pitLine, windows.failures,
          windows.noses, windows.tuning, windows.cockpitManager, windows.trackManager,
          windows.cameras, windows.carSets, windows.cockpitColours, windows.pitCrewColours,
          windows.importExport, static_cast<QWidget*>(windows.description), windows.helmets,
          windows.carJams, windows.trackEditor}) {
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
