// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/enter_as_tab.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QWidget>

namespace psn {

namespace {

QWidget* FocusTarget(QWidget* widget) {
    while (widget->focusProxy())
        widget = widget->focusProxy();
    return widget;
}

// Whether focusing `next` takes the focus away from `from`: an editable combo box's own line edit
// is next in the chain but hands the focus straight back to its box.
bool MovesOn(QWidget* from, QWidget* next) {
    return next->focusPolicy() & Qt::TabFocus && next->isEnabled() && next->isVisible() &&
           FocusTarget(next) != FocusTarget(from) && !from->isAncestorOf(next) &&
           !next->isAncestorOf(from);
}

constexpr const char* kEnterActs = "psnEnterActs";

// Enter keeps its own meaning where it chooses something: in a menu bar, in an open menu or a
// combo box's popup, in a dialog or message box opened over the window (all windows of their
// own), and in a control that acts on it.
bool EnterChooses(const QWidget* widget, const QWidget* root) {
    if (widget->window() != root->window() || qobject_cast<const QMenuBar*>(widget))
        return true;
    // A key the control did not take travels on to its parents, which leave it alone as well.
    for (const QWidget* from :
         {widget, static_cast<const QWidget*>(widget->window()->focusWidget())})
        for (const QWidget* w = from; w && w != root; w = w->parentWidget())
            if (w->property(kEnterActs).toBool())
                return true;
    return false;
}

class EnterAsTab : public QObject {
public:
    explicit EnterAsTab(QWidget* root) : QObject(root), root_(root) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                key->modifiers() == Qt::NoModifier) {
                auto* widget = qobject_cast<QWidget*>(watched);
                if (widget && !EnterChooses(widget, root_)) {
                    // Moving the focus runs the box's leave handler, as on the original platform.
                    if (QWidget* next = widget->nextInFocusChain()) {
                        while (next != widget && !MovesOn(widget, next))
                            next = next->nextInFocusChain();
                        next->setFocus(Qt::TabFocusReason);
                    }
                    return true;
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* root_;
};

} // namespace

void KeepEnter(QWidget* widget) {
    widget->setProperty(kEnterActs, true);
}

void InstallEnterAsTab(QWidget* root) {
    auto* filter = new EnterAsTab(root);
    root->installEventFilter(filter);
    for (QWidget* child : root->findChildren<QWidget*>())
        child->installEventFilter(filter);
}

} // namespace psn
