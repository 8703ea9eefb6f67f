// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The plain push buttons of a picture window, laid out from one table: object name, caption,
// place and the form's handler for a click.
#pragma once

#include <QPushButton>
#include <QRect>

namespace psn {

template <typename Form> struct ButtonRow {
    const char* name;
    const char* caption;
    QRect geometry;
    void (Form::*handler)();
};

template <typename Form, std::size_t N>
void AddButtonRows(Form* form, const ButtonRow<Form> (&rows)[N]) {
    for (const ButtonRow<Form>& row : rows) {
        auto* button = new QPushButton(Form::tr(row.caption), form);
        button->setObjectName(row.name);
        button->setGeometry(row.geometry);
        button->setAutoDefault(false);
        const auto handler = row.handler;
        QObject::connect(button, &QPushButton::clicked, form,
                         [form, handler] { (form->*handler)(); });
    }
}

} // namespace psn
