// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/font_scale.h"

#include "ui/picture_button.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <QTextDocument>
#include <QTreeView>
#include <algorithm>
#include <cmath>

namespace psn {
namespace {

// The layouts hold text of a small desktop sans of 9 pt (DejaVu Sans, Noto Sans and their
// like), and no more: stacked captions touch, and a 10 pt font already cuts some. Its average
// letter advance and line height in pixels at 96 dots per inch, with a little to spare.
constexpr double kLayoutAdvance = 7.5;
constexpr double kLayoutHeight = 14.2;

constexpr const char* kWidest = "psnWidestText";

// What AnyName's letters are made of: a private-use character no game text holds.
constexpr char16_t kAnyLetter = 0xE000;

const QString kSample = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");

// The text as shown: a mnemonic's marker takes no room.
QString Shown(QString text, bool mnemonics) {
    if (!mnemonics)
        return text;
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

// The widest line's glyphs: spaces around them may be cut unseen.
int Advance(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split('\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line.trimmed()));
    return widest;
}

// The width a line box gives its text.
int EditRoom(const QLineEdit* edit) {
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->hasFrame()
                           ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit)
                           : 0;
    const QRect contents =
        edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    const QMargins text = edit->textMargins();
    // The box keeps two pixels either side of its text, and one for the cursor.
    return contents.width() - text.left() - text.right() - 2 * 2 - 1;
}

// The width a list box gives the text of its chosen entry, as a line box in its place would.
int ComboRoom(const QComboBox* combo) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.frame = combo->hasFrame();
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxEditField, combo);
    return field.width() - 2 * 2 - 1;
}

int LabelRoom(const QLabel* label) {
    int room = label->contentsRect().width() - 2 * label->margin();
    if (label->indent() > 0)
        room -= label->indent();
    else if (label->indent() < 0 && label->frameWidth() > 0)
        room -= label->fontMetrics().horizontalAdvance('x') / 2;
    return room;
}

// How many pixels the widest text a box or list holds needs beyond the room it has.
int WidestOverflow(const QWidget* widget) {
    QString widest = widget->property(kWidest).toString();
    if (widest.isEmpty())
        return 0;
    widest.replace(QChar(kAnyLetter), WidestLetter(widget));
    const QFontMetrics metrics = widget->fontMetrics();
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
        return metrics.horizontalAdvance(widest) - EditRoom(edit);
    if (const auto* combo = qobject_cast<const QComboBox*>(widget))
        return metrics.horizontalAdvance(widest) - ComboRoom(combo);
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return metrics.horizontalAdvance(widest) - LabelRoom(label);
    if (const auto* view = qobject_cast<const QAbstractItemView*>(widget)) {
        const int margin = 2 * (widget->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
        int room = view->viewport()->width();
        // Before the list is first shown its viewport has no size of its own yet, nor its scroll
        // bar a place.
        if (!view->isVisible()) {
            room = view->width() - 2 * view->frameWidth();
            if (view->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
                room -= view->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        }
        return metrics.horizontalAdvance(widest) + margin - room;
    }
    return 0;
}

// Controls drawn pixel for pixel (pictures) keep their size; only their place moves.
bool KeepsSize(const QWidget* widget) {
    if (qobject_cast<const PictureButton*>(widget))
        return true;
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return !label->pixmap().isNull();
    // The editor's own plain widgets paint themselves; Qt's own controls follow their font.
    const QMetaObject* meta = widget->metaObject();
    return meta->superClass() == &QWidget::staticMetaObject &&
           !QByteArray(meta->className()).startsWith('Q');
}

// Containers whose children the window places by hand.
bool PlacesChildren(const QWidget* widget) {
    if (widget->layout())
        return false;
    const QMetaObject* meta = widget->metaObject();
    return qobject_cast<const QGroupBox*>(widget) || meta == &QWidget::staticMetaObject ||
           meta == &QFrame::staticMetaObject;
}

QList<QWidget*> PlacedChildren(QWidget* parent) {
    QList<QWidget*> children;
    for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow())
            children << child;
    return children;
}

int Scaled(int value, double factor) {
    return static_cast<int>(std::lround(value * factor));
}

void ScaleChildren(QWidget* parent, double factor) {
    for (QWidget* child : PlacedChildren(parent)) {
        const QRect g = child->geometry();
        const QPoint at(Scaled(g.left(), factor), Scaled(g.top(), factor));
        // Controls never sized by the window size themselves to their text when shown.
        if (KeepsSize(child) || !child->testAttribute(Qt::WA_Resized)) {
            child->move(at);
        } else {
            const QPoint end(Scaled(g.left() + g.width(), factor),
                             Scaled(g.top() + g.height(), factor));
            if (child->minimumSize() == child->maximumSize())
                child->setFixedSize(end.x() - at.x(), end.y() - at.y());
            child->setGeometry(QRect(at, QSize(end.x() - at.x(), end.y() - at.y())));
            if (PlacesChildren(child))
                ScaleChildren(child, factor);
        }
        if (auto* view = qobject_cast<QTreeView*>(child); view && view->header())
            for (int section = 0; section < view->header()->count(); ++section)
                view->header()->resizeSection(section,
                                              Scaled(view->header()->sectionSize(section), factor));
    }
}

// A container's length that holds what reaches `reach` into it, with `margin` to spare when
// it grows.
int Holding(int length, int reach, int margin) {
    return reach > length ? reach + margin : length;
}

// Whether two controls share some height, so that one stands beside the other.
bool SideBySide(const QRect& a, const QRect& b) {
    return a.top() <= b.bottom() && b.top() <= a.bottom();
}

// Moves the controls that stood right of `before` beside the control right as far as the
// control now reaches, and with them those right of `before` beside any of them, so that rows
// that stood together stay together.
void MakeRoom(QWidget* control, const QRect& before, const QList<QWidget*>& siblings) {
    constexpr int kGap = 4;
    const QRect after = control->geometry();
    int push = 0;
    QList<QWidget*> band;
    for (QWidget* other : siblings) {
        const QRect g = other->geometry();
        if (other != control && !other->isHidden() && g.left() > before.right() &&
            SideBySide(g, after)) {
            band << other;
            push = std::max(push, after.right() + 1 +
                                      std::min(kGap, g.left() - before.right() - 1) - g.left());
        }
    }
    if (push <= 0)
        return;
    for (qsizetype i = 0; i < band.size(); ++i)
        for (QWidget* other : siblings)
            if (other != control && !other->isHidden() && !band.contains(other) &&
                other->geometry().left() > before.right() &&
                SideBySide(other->geometry(), band[i]->geometry()))
                band << other;
    for (QWidget* other : band)
        other->move(other->pos() + QPoint(push, 0));
}

// Widens a control whose text is cut by `overflow`: toward the side its text stands away from
// as far as the controls there allow, the rest the other way; the controls to its right in the
// same band move along so that none is covered.
void Widen(QWidget* control, int overflow, const QList<QWidget*>& siblings) {
    constexpr int kGap = 4;
    const QRect before = control->geometry();
    const auto* label = qobject_cast<const QLabel*>(control);
    const Qt::Alignment align = label                                       ? label->alignment()
                                : qobject_cast<const QPushButton*>(control) ? Qt::AlignHCenter
                                                                            : Qt::AlignLeft;
    int leftward = align & Qt::AlignRight ? overflow : align & Qt::AlignHCenter ? overflow / 2 : 0;
    int leftLimit = 0;
    for (const QWidget* other : siblings)
        if (other != control && !other->isHidden() && other->geometry().right() < before.left() &&
            SideBySide(other->geometry(), before))
            leftLimit = std::max(leftLimit, other->geometry().right() + 1 + kGap);
    leftward = std::clamp(before.left() - leftLimit, 0, leftward);
    const QRect after(before.left() - leftward, before.top(), before.width() + overflow,
                      before.height());
    if (control->minimumWidth() == control->maximumWidth())
        control->setFixedWidth(after.width());
    control->setGeometry(after);
    MakeRoom(control, before, siblings);
}

// How far the placed children reach to the right and down.
QSize Reach(QWidget* parent) {
    QSize reach;
    for (const QWidget* child : PlacedChildren(parent)) {
        // One never sized yet will take its text's size when shown.
        const QRect box = child->testAttribute(Qt::WA_Resized)
                              ? child->geometry()
                              : QRect(child->pos(), child->sizeHint());
        if (!child->isHidden())
            reach = reach.expandedTo(QSize(box.right() + 1, box.bottom() + 1));
    }
    return reach;
}

// Widens every control whose text is cut, then each container to hold its children; returns
// how far the children reach to the right and down.
QSize FitTexts(QWidget* parent, int margin, bool scaled) {
    const QList<QWidget*> children = PlacedChildren(parent);
    for (QWidget* child : children) {
        const QRect before = child->geometry();
        if (PlacesChildren(child)) {
            const QSize inner = FitTexts(child, margin, scaled);
            child->resize(Holding(child->width(), inner.width(), margin),
                          Holding(child->height(), inner.height(), margin / 2));
            MakeRoom(child, before, children);
        }
        if (KeepsSize(child) || child->isHidden())
            continue;
        if (!child->testAttribute(Qt::WA_Resized)) {
            if (!scaled)
                continue; // as designed
            // A control never sized by the window takes its text's size when shown; it takes it
            // now, so that what stands beside it can move aside, and no more height than there
            // is down to the next control below (the line's leading is spare).
            const QRect before(child->pos(), QSize(1, child->height()));
            child->adjustSize();
            int limit = child->height();
            for (const QWidget* other : children) {
                const QRect g = other->geometry();
                if (other != child && !other->isHidden() && g.top() > child->y() &&
                    g.left() <= child->geometry().right() && child->x() <= g.right())
                    limit = std::min(limit, g.top() - child->y());
            }
            child->resize(child->width(), limit);
            MakeRoom(child, before, children);
            continue;
        }
        if (const int overflow = std::max(TextOverflow(child), WidestOverflow(child)); overflow > 0)
            Widen(child, overflow, children);
    }
    return Reach(parent);
}

} // namespace

void FitCaption(QAbstractButton* button, int padding) {
    const int overflow =
        QFontMetrics(button->font()).horizontalAdvance(Shown(button->text(), true)) + padding -
        button->width();
    QWidget* parent = button->parentWidget();
    if (overflow <= 0 || !parent)
        return;
    Widen(button, overflow, PlacedChildren(parent));
    // Each container holds what grew in it, with the margin FitToFont keeps, moving what stands
    // beside it, up to the window.
    constexpr int kMargin = 8;
    for (QWidget* inner = parent; inner && !inner->layout(); inner = inner->parentWidget()) {
        const int reach = Reach(inner).width();
        if (reach <= inner->width())
            return;
        const int width = reach + kMargin;
        if (inner->isWindow()) {
            if (inner->minimumSize() == inner->maximumSize())
                inner->setFixedWidth(width);
            else
                inner->resize(width, inner->height());
            return;
        }
        if (!PlacesChildren(inner) || !inner->parentWidget())
            return;
        const QRect before = inner->geometry();
        inner->resize(width, inner->height());
        MakeRoom(inner, before, PlacedChildren(inner->parentWidget()));
    }
}

void HoldText(QWidget* box, const QString& widest) {
    box->setProperty(kWidest, widest);
}

QString AnyName(std::size_t length) {
    return QString(static_cast<qsizetype>(length), QChar(kAnyLetter));
}

QChar WidestLetter(const QWidget* widget) {
    const QFontMetrics metrics = widget->fontMetrics();
    QChar widest = 'W';
    // Game texts are Latin-1.
    for (char16_t code = 0x41; code <= 0xFF; ++code)
        if (const QChar letter(code); letter.isLetter() && metrics.horizontalAdvance(letter) >
                                                               metrics.horizontalAdvance(widest))
            widest = letter;
    return widest;
}

double FontScale(const QFont& font) {
    const QFontMetricsF metrics(font);
    const double advance = metrics.horizontalAdvance(kSample) / kSample.size();
    return std::max({1.0, advance / kLayoutAdvance, metrics.height() / kLayoutHeight});
}

int ToFont(const QWidget* widget, int length) {
    return Scaled(length, FontScale(widget->font()));
}

void FitToFont(QWidget* window) {
    if (window->layout())
        return;
    const double factor = FontScale(window->font());
    const bool fixed = window->minimumSize() == window->maximumSize();
    const QSize size(Scaled(window->width(), factor), Scaled(window->height(), factor));
    if (factor > 1.0)
        ScaleChildren(window, factor);
    // Up to the layout's font this finds every text whole and changes nothing.
    const int margin = Scaled(8, factor);
    const QSize reach = FitTexts(window, margin, factor > 1.0);
    const QSize grown(Holding(size.width(), reach.width(), margin),
                      Holding(size.height(), reach.height(), margin / 2));
    if (grown == window->size())
        return;
    if (fixed)
        window->setFixedSize(grown);
    else
        window->resize(grown);
}

int TextOverflow(const QWidget* widget) {
    if (qobject_cast<const PictureButton*>(widget))
        return 0; // its label is part of the picture
    QStyle* style = widget->style();
    const QFontMetrics metrics = widget->fontMetrics();
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (!label->pixmap().isNull() || label->wordWrap() || label->text().trimmed().isEmpty() ||
            label->textFormat() == Qt::RichText ||
            (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text())))
            return WidestOverflow(label); // a name's label is filled when shown
        return std::max(Advance(metrics, Shown(label->text(), label->buddy() != nullptr)) -
                            LabelRoom(label),
                        WidestOverflow(label));
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        // An editable one's line box is measured on its own; a fixed one may show any entry.
        int shown = 0;
        if (!combo->isEditable())
            for (int entry = 0; entry < combo->count(); ++entry)
                shown = std::max(shown, metrics.horizontalAdvance(combo->itemText(entry)) -
                                            ComboRoom(combo));
        return std::max(shown, WidestOverflow(combo));
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        // A box scrolls a text wider than itself: its start is hidden, a minus sign with it.
        return std::max(metrics.horizontalAdvance(edit->text()) - EditRoom(edit),
                        WidestOverflow(edit));
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        if (button->text().isEmpty())
            return 0;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        QStyle::SubElement contents = QStyle::SE_PushButtonContents;
        int extra = 0;
        if (qobject_cast<const QCheckBox*>(button)) {
            contents = QStyle::SE_CheckBoxContents;
        } else if (qobject_cast<const QRadioButton*>(button)) {
            contents = QStyle::SE_RadioButtonContents;
        } else if (const auto* push = qobject_cast<const QPushButton*>(button)) {
            if (push->autoDefault() || push->isDefault())
                option.features |= QStyleOptionButton::AutoDefaultButton;
            if (!button->icon().isNull())
                extra = button->iconSize().width() + 4;
        } else {
            return 0;
        }
        const int room = style->subElementRect(contents, &option, button).width();
        return Advance(metrics, Shown(button->text(), true)) + extra - room;
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
        if (box->title().isEmpty())
            return 0;
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.lineWidth = 1;
        option.textAlignment = box->alignment();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        if (box->isCheckable())
            option.subControls |= QStyle::SC_GroupBoxCheckBox;
        const QRect title =
            style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        const int spaces = metrics.horizontalAdvance(box->title()) - Advance(metrics, box->title());
        return title.right() + 1 - spaces - (box->width() - 1);
    }
    return 0;
}

int ItemOverflow(const QWidget* widget) {
    int worst = 0;
    const QFontMetrics metrics = widget->fontMetrics();
    const int margin = 2 * (widget->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    if (const auto* list = qobject_cast<const QListView*>(widget);
        list && list->model() && list->viewMode() == QListView::ListMode) {
        const int room = list->viewport()->width();
        for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row) {
            const QModelIndex index =
                list->model()->index(row, list->modelColumn(), list->rootIndex());
            worst =
                std::max(worst, metrics.horizontalAdvance(index.data().toString()) + margin - room);
            // Rows lower than a line of text overlap their neighbours.
            worst = std::max(worst, metrics.height() - list->visualRect(index).height());
        }
    }
    worst = std::max(worst, WidestOverflow(widget));
    if (const auto* header = qobject_cast<const QHeaderView*>(widget); header && header->model()) {
        const int headerMargin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin);
        for (int section = 0; section < header->count(); ++section) {
            if (header->isSectionHidden(section))
                continue;
            const QString text =
                header->model()->headerData(section, header->orientation()).toString();
            worst = std::max(worst, header->fontMetrics().horizontalAdvance(text) + headerMargin -
                                        header->sectionSize(section));
        }
    }
    return worst;
}

} // namespace psn
