// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/path_form.h"

#include "core/fs.h"
#include "core/settings_files.h"
#include "ui/accessibility.h"

#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace psn {

TPathForm::TPathForm(AppContext& context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), context_(context) {
    setWindowTitle(tr("PathForm"));
    setFixedSize(366, 204);

    Button1 = new QPushButton(tr("Locate psn.exe file on your hard disk"), this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(18, 49, 333, 51);
    QFont large = Button1->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 1.2);
    Button1->setFont(large);
    connect(Button1, &QPushButton::clicked, this, &TPathForm::Button1Click);

    Button2 = new QPushButton(tr("Cancel"), this);
    Button2->setObjectName("Button2");
    Button2->setGeometry(142, 156, 81, 34);
    Button2->setAutoDefault(false);
    connect(Button2, &QPushButton::clicked, this, &TPathForm::Button2Click);

    MakeAccessibleWhenShown(this);
}

bool TPathForm::Locate() {
    // Start-up shows this window before the main window has a place of its own; centring over
    // that would put it at the top left of the screen.
    const QWidget* owner = parentWidget();
    if (!owner || !owner->isVisible())
        if (const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    exec();
    return found_ && !cancelled_;
}

void TPathForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Coming back from being minimised keeps the file already chosen.
    if (!event->spontaneous())
        FormShow();
}

void TPathForm::FormShow() {
    chosenPath_.clear();
    found_ = false;
    cancelled_ = false;
}

void TPathForm::Button1Click() {
    FileDialogRequest request;
    request.title = tr("Locate psn.exe file");
    request.filter = "PSN main executable|PSN.EXE";
    request.fileName = "PSN.EXE";
    request.defaultExt = "EXE";
    request.initialDir = "\\";
    if (const auto path = context_.dialogs.OpenFile(this, request))
        chosenPath_ = QFile::encodeName(*path).toStdString();
    // Any existing file is accepted; start-up checks that it is the game's executable.
    if (chosenPath_.empty() || !fs::Exists(chosenPath_))
        return;
    found_ = true;
    SetGameLocation(context_.state.config, chosenPath_);
    context_.state.config.SetExePath(chosenPath_.substr(0, ConfigRecord::kPathCapacity));
    accept();
}

void TPathForm::Button2Click() {
    if (found_)
        return;
    cancelled_ = true;
    done(QDialog::Rejected);
}

// Escape is the Cancel button's key.
void TPathForm::reject() {
    Button2Click();
}

void TPathForm::closeEvent(QCloseEvent* event) {
    if (found_ || cancelled_)
        event->accept();
    else
        event->ignore();
}

} // namespace psn
