// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/editor_buttons.h"

#include "ui/window_transfers.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace psn {

EditorButtons AddEditorButtons(QDialog* form, AppContext& context, const QRect& area,
                               Qt::Orientation orientation) {
    constexpr int kGap = 6;
    const bool across = orientation == Qt::Horizontal;
    const int width = across ? (area.width() - 3 * kGap) / 4 : area.width();
    const int height = across ? area.height() : (area.height() - 3 * kGap) / 4;
    QPoint at = area.topLeft();
    const auto make = [&](const char* name, const char* caption) {
        auto* button =
            new QPushButton(QCoreApplication::translate("psn::EditorButtons", caption), form);
        button->setObjectName(name);
        button->setGeometry(QRect(at, QSize(width, height)));
        button->setAutoDefault(false);
        FitCaption(button);
        // A button grown for its caption pushes the next one along.
        at = across ? QPoint(button->geometry().right() + 1 + kGap, at.y())
                    : QPoint(at.x(), button->geometry().bottom() + 1 + kGap);
        return button;
    };
    EditorButtons buttons;
    buttons.back = make("BitBtn1", QT_TRANSLATE_NOOP("psn::EditorButtons", "Back"));
    buttons.import =
        make("BitBtn2", QT_TRANSLATE_NOOP("psn::EditorButtons", "Import data from game"));
    buttons.exportButton =
        make("BitBtn6", QT_TRANSLATE_NOOP("psn::EditorButtons", "Export data into game"));
    buttons.restore =
        make("BitBtn3", QT_TRANSLATE_NOOP("psn::EditorButtons", "Restore original data"));
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
