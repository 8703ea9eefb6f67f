// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/editor_buttons.h"

#include "ui/window_transfers.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace psn {

EditorButtons AddEditorButtons(QDialog* form, AppContext& context, const QRect& area,
                               Qt::Orientation orientation) {
    constexpr int kGap = 6;
    constexpr int kPadding = 10;
    const bool across = orientation == Qt::Horizontal;
    const char* const names[4] = {"BitBtn1", "BitBtn2", "BitBtn6", "BitBtn3"};
    const char* const captions[4] = {
        QT_TRANSLATE_NOOP("psn::EditorButtons", "Back"),
        QT_TRANSLATE_NOOP("psn::EditorButtons", "Import data from game"),
        QT_TRANSLATE_NOOP("psn::EditorButtons", "Export data into game"),
        QT_TRANSLATE_NOOP("psn::EditorButtons", "Restore original data")};
    QString texts[4];
    for (int i = 0; i < 4; ++i)
        texts[i] = QCoreApplication::translate("psn::EditorButtons", captions[i]);
    // Equal widths while every caption fits them; otherwise a row shares its room by what each
    // caption needs ("Back" needs little), and grows only when even that is too little.
    const int room = (across ? area.width() : area.height()) - 3 * kGap;
    int widths[4];
    int needed = 0;
    bool allFit = true;
    const QFontMetrics metrics(form->font());
    for (int i = 0; i < 4; ++i) {
        widths[i] = metrics.horizontalAdvance(texts[i]) + kPadding;
        needed += widths[i];
        allFit = allFit && widths[i] <= room / 4;
    }
    for (int i = 0; i < 4; ++i)
        widths[i] = !across || allFit || needed > room ? std::max(widths[i], room / 4)
                                                       : widths[i] + (room - needed) / 4;
    QPoint at = area.topLeft();
    EditorButtons buttons;
    QPushButton** made[4] = {&buttons.back, &buttons.import, &buttons.exportButton,
                             &buttons.restore};
    for (int i = 0; i < 4; ++i) {
        auto* button = new QPushButton(texts[i], form);
        button->setObjectName(names[i]);
        button->setGeometry(across ? QRect(at, QSize(widths[i], area.height()))
                                   : QRect(at, QSize(area.width(), room / 4)));
        button->setAutoDefault(false);
        FitCaption(button, kPadding);
        // A button grown for its caption pushes the next one along.
        at = across ? QPoint(button->geometry().right() + 1 + kGap, at.y())
                    : QPoint(at.x(), button->geometry().bottom() + 1 + kGap);
        *made[i] = button;
    }
    QObject::connect(buttons.back, &QPushButton::clicked, form, &QDialog::close);
    QObject::connect(buttons.restore, &QPushButton::clicked, form,
                     [&context, form] { RestoreOriginalData(context, form); });
    return buttons;
}

QPushButton* AddButton(QWidget* parent, const QString& name, const QString& caption,
                       const QRect& geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

QLabel* AddCaption(QWidget* parent, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

} // namespace psn
