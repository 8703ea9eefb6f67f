// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/form_events.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QValidator>
#include <QWidget>

namespace psn {
namespace {

class LeaveFilter : public QObject {
public:
    LeaveFilter(QWidget* widget, std::function<void()> handler)
        : QObject(widget), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            handler_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> handler_;
};

class LengthValidator : public QValidator {
public:
    LengthValidator(int maxLength, QObject* parent) : QValidator(parent), maxLength_(maxLength) {}
    State validate(QString& input, int&) const override {
        return input.size() <= maxLength_ ? Acceptable : Invalid;
    }

private:
    int maxLength_;
};

} // namespace

void OnLeave(QWidget* widget, std::function<void()> handler) {
    widget->installEventFilter(new LeaveFilter(widget, std::move(handler)));
}

void LimitTyping(QLineEdit* edit, int maxLength) {
    edit->setValidator(new LengthValidator(maxLength, edit));
}

} // namespace psn
