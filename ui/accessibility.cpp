// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/accessibility.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSet>
#include <QTextEdit>
#include <algorithm>
#include <limits>
#include <vector>

namespace psn {
namespace {

// How far a label may stand from its control and still be read as the control's label, in
// pixels: beside it on the same row, or above it.
constexpr int kBesideReach = 220;
constexpr int kAboveReach = 40;

QString Plain(QString text) {
    // A mnemonic's '&' is not spoken; "&&" stands for one '&'.
    text.replace("&&", QString(QChar(0x1)));
    text.remove('&');
    text.replace(QChar(0x1), '&');
    return text.simplified();
}

bool IsPicture(const QWidget* widget) {
    return widget->inherits("psn::PictureView") || widget->inherits("psn::TWinGImage");
}

// Controls whose visible text is a value or nothing, which need a name of their own.
bool NeedsName(const QWidget* widget) {
    if (qobject_cast<const QLineEdit*>(widget) &&
        qobject_cast<const QComboBox*>(widget->parentWidget()))
        return false; // an editable box's own line: the box carries the name
    if (qobject_cast<const QLineEdit*>(widget) && widget->parentWidget() &&
        qobject_cast<const QAbstractSpinBox*>(widget->parentWidget()))
        return false;
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return Plain(button->text()).isEmpty();
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QAbstractSlider*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QTextEdit*>(widget) ||
           IsPicture(widget);
}

QRect InWindow(const QWidget* widget, const QWidget* window) {
    return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}

// The label nearest in front of the control: on its row to the left, else just above it.
QLabel* LabelFor(QWidget* control, QWidget* window, const std::vector<QLabel*>& labels) {
    const QRect target = InWindow(control, window);
    QLabel* best = nullptr;
    int bestDistance = std::numeric_limits<int>::max();
    for (QLabel* label : labels) {
        if (label->buddy() && label->buddy() != control)
            continue;
        const QRect box = InWindow(label, window);
        const bool sameRow = box.top() <= target.bottom() && box.bottom() >= target.top();
        const bool sameColumn = box.left() <= target.right() && box.right() >= target.left();
        int distance = std::numeric_limits<int>::max();
        if (sameRow && box.right() <= target.left() + 2 &&
            target.left() - box.right() < kBesideReach)
            distance = target.left() - box.right();
        else if (sameColumn && box.bottom() <= target.top() + 2 &&
                 target.top() - box.bottom() < kAboveReach)
            distance = (target.top() - box.bottom()) * 2; // a label beside wins over one above
        if (distance < bestDistance) {
            bestDistance = distance;
            best = label;
        }
    }
    return best;
}

QString GroupTitle(const QWidget* widget) {
    for (const QWidget* w = widget->parentWidget(); w && !w->isWindow(); w = w->parentWidget())
        if (const auto* group = qobject_cast<const QGroupBox*>(w))
            if (!Plain(group->title()).isEmpty())
                return Plain(group->title());
    return {};
}

QString Kind(const QWidget* widget) {
    if (IsPicture(widget))
        return QCoreApplication::translate("psn::Accessibility", "picture");
    if (qobject_cast<const QComboBox*>(widget))
        return QCoreApplication::translate("psn::Accessibility", "choice");
    if (qobject_cast<const QAbstractItemView*>(widget))
        return QCoreApplication::translate("psn::Accessibility", "list");
    if (qobject_cast<const QAbstractSlider*>(widget))
        return QCoreApplication::translate("psn::Accessibility", "slider");
    if (qobject_cast<const QAbstractButton*>(widget))
        return QCoreApplication::translate("psn::Accessibility", "button");
    return QCoreApplication::translate("psn::Accessibility", "value");
}

// Qt speaks a combo box's value as its name on this platform and leaves the label to the
// relation with its buddy, which screen readers do not all follow; a box with a name of its own
// speaks that name, and its value as the value.
class NamedComboBox : public QAccessibleWidget {
public:
    explicit NamedComboBox(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}
    QString text(QAccessible::Text t) const override {
        const auto* box = static_cast<const QComboBox*>(widget());
        if (t == QAccessible::Name)
            return box->accessibleName();
        if (t == QAccessible::Value)
            return box->currentText();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* NamedComboBoxes(const QString& key, QObject* object) {
    auto* box = qobject_cast<QComboBox*>(object);
    if (key == QLatin1String("QComboBox") && box && !box->accessibleName().isEmpty())
        return new NamedComboBox(box);
    return nullptr;
}

void InstallNamedComboBoxes() {
    static const bool installed = (QAccessible::installFactory(NamedComboBoxes), true);
    (void)installed;
}

// An interface Qt made for the box before it had a name (its construction asks for one) is
// dropped, so that the next question makes the named one.
void SpeakOwnName(QComboBox* box) {
    if (QAccessibleInterface* face = QAccessible::queryAccessibleInterface(box);
        face && !dynamic_cast<NamedComboBox*>(face))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(face));
}

class ShowNamer : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            NameControls(static_cast<QWidget*>(watched));
            GiveShortcutsToUntabbedButtons(static_cast<QWidget*>(watched));
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void NameControls(QWidget* window) {
    InstallNamedComboBoxes();
    std::vector<QLabel*> labels;
    // Windows owned by this one name their own controls.
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->window() == window && !label->isHidden() && !Plain(label->text()).isEmpty())
            labels.push_back(label);
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->window() != window || !NeedsName(control) ||
            !control->accessibleName().isEmpty())
            continue;
        QString name;
        if (QLabel* label = LabelFor(control, window, labels)) {
            // A label without a buddy shows an '&' as it is; with one it would hide it.
            if (!label->buddy() && !label->text().contains('&') && !IsPicture(control))
                label->setBuddy(control);
            name = label->buddy() == control ? Plain(label->text()) : label->text().simplified();
        }
        if (name.isEmpty())
            name = Plain(control->toolTip());
        if (name.isEmpty()) {
            const QString group = GroupTitle(control);
            const QString title = Plain(window->windowTitle());
            name = (group.isEmpty() ? title : group) + " " + Kind(control);
        }
        control->setAccessibleName(name.trimmed());
        if (auto* box = qobject_cast<QComboBox*>(control))
            SpeakOwnName(box);
        if (IsPicture(control) && control->accessibleDescription().isEmpty())
            control->setAccessibleDescription(
                QCoreApplication::translate("psn::Accessibility", "A picture of the %1")
                    .arg(name.trimmed()));
    }
}

void GiveShortcutsToUntabbedButtons(QWidget* window) {
    const QList<QAbstractButton*> buttons = window->findChildren<QAbstractButton*>();
    QSet<QChar> used;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->window() != window)
            continue;
        QString text;
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            text = button->text();
            const QKeySequence shortcut = button->shortcut();
            if (!shortcut.isEmpty() && shortcut[0].keyboardModifiers() == Qt::AltModifier &&
                shortcut[0].key() >= Qt::Key_A && shortcut[0].key() <= Qt::Key_Z)
                used.insert(QChar(shortcut[0].key()).toLower());
        } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            text = label->text();
        }
        for (qsizetype i = text.indexOf('&'); i >= 0 && i + 1 < text.size();
             i = text.indexOf('&', i + 2))
            if (text[i + 1] != '&')
                used.insert(text[i + 1].toLower());
    }
    for (QAbstractButton* button : buttons) {
        if (button->window() != window || button->focusPolicy() & Qt::TabFocus ||
            button->isCheckable() || button->isHidden() || !button->shortcut().isEmpty() ||
            Plain(button->text()).isEmpty() || button->text().contains('&'))
            continue;
        for (const QString& word : Plain(button->text()).split(' ', Qt::SkipEmptyParts)) {
            const QChar letter = word[0].toLower();
            if (letter.unicode() < 'a' || letter.unicode() > 'z' || used.contains(letter))
                continue;
            used.insert(letter);
            button->setShortcut(
                QKeySequence(Qt::ALT | Qt::Key(Qt::Key_A + (letter.unicode() - 'a'))));
            // Nothing on the face shows the key; the tip does.
            if (button->toolTip().isEmpty())
                button->setToolTip(button->shortcut().toString(QKeySequence::NativeText));
            break;
        }
    }
}

void MakeAccessibleWhenShown(QWidget* window) {
    InstallNamedComboBoxes();
    window->installEventFilter(new ShowNamer(window));
}

void OrderTabsByColumns(QWidget* parent) {
    std::vector<QWidget*> controls;
    for (QObject* child : parent->children())
        if (auto* widget = qobject_cast<QWidget*>(child);
            widget && !widget->isHidden() && widget->focusPolicy() & Qt::TabFocus)
            controls.push_back(widget);
    // Controls whose left edges lie within half the narrowest control's width share a column.
    int narrowest = std::numeric_limits<int>::max();
    for (const QWidget* widget : controls)
        narrowest = std::min(narrowest, widget->width());
    std::ranges::stable_sort(controls,
                             [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
    std::vector<std::pair<int, QWidget*>> columns; // column index, control
    int column = 0;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (i > 0 && controls[i]->x() - controls[i - 1]->x() > narrowest / 2)
            ++column;
        columns.emplace_back(column, controls[i]);
    }
    std::ranges::stable_sort(columns, [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : a.second->y() < b.second->y();
    });
    for (std::size_t i = 1; i < columns.size(); ++i)
        QWidget::setTabOrder(columns[i - 1].second, columns[i].second);
}

} // namespace psn
