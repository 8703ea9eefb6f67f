// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/record_steps.h"

#include "core/fs.h"
#include "core/settings_files.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QTextEdit>
#include <QTimer>
#include <QWidget>

namespace psn {
namespace {

constexpr int kKeepIntervalMs = 1000;
// A pause in typing this long ends the step, as text editors do.
constexpr int kTypingPauseMs = 1500;

bool TakesText(const QWidget* widget) {
    if (const auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->isEditable();
    return qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QTextEdit*>(widget);
}

// The box that `object` is or is part of (the line of a combo box, the page of a text box).
QWidget* TextBox(QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    QWidget* box = nullptr;
    for (QWidget* w = widget; w && !w->isWindow(); w = w->parentWidget()) {
        if (TakesText(w))
            box = w;
        else if (box || w != widget)
            break;
    }
    return box;
}

enum class KeyCommand { None, Undo, Redo };

KeyCommand Command(const QKeyEvent& key) {
    const Qt::KeyboardModifiers mods =
        key.modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    if (key.key() == Qt::Key_Z && mods == Qt::ControlModifier)
        return KeyCommand::Undo;
    if ((key.key() == Qt::Key_Z && mods == (Qt::ControlModifier | Qt::ShiftModifier)) ||
        (key.key() == Qt::Key_Y && mods == Qt::ControlModifier))
        return KeyCommand::Redo;
    return KeyCommand::None;
}

} // namespace

RecordSteps::RecordSteps(AppContext& context, Fields fields, QObject* parent)
    : QObject(parent), context_(context), fields_(std::move(fields)),
      history_(context.state.record), undo_(new QAction(tr("&Undo"), this)),
      redo_(new QAction(tr("&Redo"), this)), keepTimer_(new QTimer(this)),
      typingPause_(new QTimer(this)) {
    saved_.game = context_.state.record;
    context_.steps = this;
    undo_->setObjectName("Undo1");
    redo_->setObjectName("Redo1");
    // The keys are handled by the event filter, in every attached window; the menu shows them.
    undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(undo_, &QAction::triggered, this, &RecordSteps::Undo);
    connect(redo_, &QAction::triggered, this, &RecordSteps::Redo);
    keepTimer_->setSingleShot(true);
    connect(keepTimer_, &QTimer::timeout, this, &RecordSteps::WriteKept);
    typingPause_->setSingleShot(true);
    typingPause_->setInterval(kTypingPauseMs);
    connect(typingPause_, &QTimer::timeout, this, &RecordSteps::Flush);
    QCoreApplication::instance()->installEventFilter(this);
    Update();
}

RecordSteps::~RecordSteps() {
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
    if (context_.steps == this)
        context_.steps = nullptr;
}

void RecordSteps::Attach(QWidget* window) {
    if (window)
        windows_.emplace_back(window);
}

bool RecordSteps::Attached(QObject* object) const {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return false;
    const QWidget* window = widget->window();
    for (const QPointer<QWidget>& w : windows_)
        if (w == window)
            return true;
    return false;
}

bool RecordSteps::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        const KeyCommand command = Command(*key);
        if (command != KeyCommand::None && Attached(watched) && !context_.ended) {
            // The override keeps a box's own text undo from taking the key.
            key->accept();
            if (event->type() == QEvent::KeyPress)
                command == KeyCommand::Undo ? Undo() : Redo();
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            QWidget* box = TextBox(watched);
            if (!box || box != typing_)
                Flush();
            typing_ = box;
            if (box)
                typingPause_->start();
        }
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // Placing the cursor in the box being typed in goes on with the same typing.
        if (!typing_ || TextBox(watched) != typing_)
            EndTyping();
        break;
    case QEvent::KeyRelease:
        if (typing_ && TextBox(watched) == typing_)
            break;
        QTimer::singleShot(0, this, &RecordSteps::Flush);
        break;
    case QEvent::FocusOut:
        // The box's own leave handler may still store its text: the step follows it.
        if (typing_ && TextBox(watched) == typing_) {
            typing_ = nullptr;
            typingPause_->stop();
            QTimer::singleShot(0, this, &RecordSteps::Flush);
        }
        break;
    case QEvent::MouseButtonRelease:
    case QEvent::Wheel:
    case QEvent::Drop:
        // What the gesture changed becomes a step once its handlers have run.
        QTimer::singleShot(0, this, &RecordSteps::Flush);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void RecordSteps::EndTyping() {
    typing_ = nullptr;
    typingPause_->stop();
    Flush();
}

void RecordSteps::Flush() {
    if (scopes_ > 0 || context_.ended || context_.state.record == history_.Current())
        return;
    Step(fields_.name ? fields_.name(history_.Current(), context_.state.record) : tr("Change"));
}

void RecordSteps::Step(const QString& name) {
    history_.Record(context_.state.record, name.toStdString());
    Update();
}

void RecordSteps::Absorb() {
    history_.Absorb(context_.state.record);
    Update();
}

void RecordSteps::Undo() {
    if (scopes_ > 0 || context_.ended)
        return;
    Flush();
    if (const auto record = history_.Undo())
        Put(*record);
}

void RecordSteps::Redo() {
    if (scopes_ > 0 || context_.ended)
        return;
    Flush();
    if (const auto record = history_.Redo())
        Put(*record);
}

// Every open window refills itself from the record, as it does when it is shown.
void RecordSteps::Put(const SettingsRecord& record) {
    const bool description =
        SettingsDescription(record) != SettingsDescription(context_.state.record);
    context_.state.record = record;
    // Hiding a window that runs in its own modal loop would end that loop.
    for (const QPointer<QWidget>& window : windows_)
        if (window && window->isVisible())
            RefillWindow(window);
    emit Restored(description);
    Update();
}

bool RecordSteps::Modified() const {
    return saved_.Modified(context_.state.record, fields_.sameInGame);
}

void RecordSteps::GameMatches() {
    saved_.game = context_.state.record;
    Update();
}

void RecordSteps::WindowMatchesGame(const QWidget& window) {
    if (saved_.game && fields_.copyWindow)
        fields_.copyWindow(*saved_.game, context_.state.record, window);
    Update();
}

void RecordSteps::FileMatches() {
    if (context_.state.currentSettingsFile.empty())
        saved_.file.reset();
    else
        saved_.file = context_.state.record;
    Update();
}

void RecordSteps::Update() {
    undo_->setEnabled(history_.CanUndo());
    redo_->setEnabled(history_.CanRedo());
    undo_->setText(tr("&Undo %1").arg(QString::fromStdString(history_.UndoName())));
    redo_->setText(tr("&Redo %1").arg(QString::fromStdString(history_.RedoName())));
    if (!keptPath_.empty()) {
        if (!Modified()) {
            keepTimer_->stop();
            RemoveKept();
        } else if (!keepTimer_->isActive()) {
            const qint64 since = lastKept_.isValid() ? lastKept_.elapsed() : kKeepIntervalMs;
            keepTimer_->start(static_cast<int>(std::max<qint64>(0, kKeepIntervalMs - since)));
        }
    }
    emit Changed();
}

void RecordSteps::KeepUnsavedEdits(std::string path) {
    keptPath_ = std::move(path);
    Update();
}

void RecordSteps::WriteKept() {
    if (keptPath_.empty() || context_.ended)
        return;
    if (!Modified()) {
        RemoveKept();
        return;
    }
    const auto bytes = UnsavedEditsBytes(context_.state.record);
    // A failed write keeps the previous file; the next edit tries again.
    static_cast<void>(WriteFileAtomically(keptPath_, bytes));
    lastKept_.restart();
}

void RecordSteps::RemoveKept() {
    if (!keptPath_.empty() && fs::Exists(keptPath_))
        fs::DeleteFile(keptPath_);
}

void RefillWindow(QWidget* window) {
    // A dialog that was never moved centres itself again on a show event, now with its frame
    // known, and would jump; what the refill lays out anew must not resize it either.
    const QRect geometry = window->geometry();
    const bool placed = window->testAttribute(Qt::WA_Moved);
    window->setAttribute(Qt::WA_Moved, true);
    QShowEvent refresh;
    QCoreApplication::sendEvent(window, &refresh);
    window->setAttribute(Qt::WA_Moved, placed);
    if (window->geometry() != geometry)
        window->setGeometry(geometry);
}

StepScope::StepScope(AppContext& context, QString name)
    : steps_(context.steps), name_(std::move(name)) {
    if (!steps_)
        return;
    steps_->Flush();
    ++steps_->scopes_;
}

StepScope::~StepScope() {
    if (!steps_)
        return;
    --steps_->scopes_;
    if (steps_->scopes_ > 0 || steps_->context_.ended)
        return;
    if (name_.isEmpty())
        steps_->Absorb();
    else if (steps_->context_.state.record != steps_->history_.Current())
        steps_->Step(name_);
}

} // namespace psn
