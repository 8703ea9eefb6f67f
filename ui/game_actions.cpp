// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/game_actions.h"

#include "core/int_conv.h"
#include "core/number_text.h"
#include "core/settings_files.h"
#include "ui/record_steps.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QShowEvent>
#include <QValidator>
#include <QWidget>

namespace psn {

void FileAccessFailure(AppContext& context, QWidget* parent, const FileAccessError& error) {
    context.state.DiscardCommand();
    context.ended = true;
    // The first line is the game's fixed text; the file name and reason are the system's.
    context.dialogs.Warning(
        parent, QString::fromLatin1(error.what()) +
                    QString::fromLocal8Bit(error.Text().substr(std::string(error.what()).size())));
    context.terminate(1);
}

namespace {

// Begins a command of the open state's own: locks the game and recovers first, saying so. When
// another program keeps the game locked, warns (or asks whether to try again); a recovery that
// fails takes the file access error path. Returns whether the command is open.
bool BeginOwnCommand(AppContext& context, QWidget* parent, GameCommand::WhenBusy busy) {
    for (;;) {
        try {
            ReportRecovery(context, parent, context.state.BeginCommand());
            return true;
        } catch (const GameLockError& error) {
            const QString text = QString::fromLocal8Bit(error.what());
            if (busy == GameCommand::WhenBusy::Warn) {
                context.dialogs.Warning(parent, text);
                return false;
            }
            if (!context.dialogs.Confirm(parent, text + "\n\nPress OK to try again, or Cancel "
                                                        "to stop."))
                return false;
        } catch (const FileAccessError& error) {
            FileAccessFailure(context, parent, error);
            return false;
        }
    }
}

} // namespace

bool RunGameTransfer(AppContext& context, QWidget* parent, const std::function<void()>& body) {
    if (context.ended || context.refused)
        return false;
    AppState& state = context.state;
    const bool whole = !state.command;
    if (whole && !BeginOwnCommand(context, parent, GameCommand::WhenBusy::Warn))
        return false;
    try {
        body();
        state.CloseGameFiles();
        if (whole)
            state.CommitCommand();
        return true;
    } catch (const FileAccessError& error) {
        // Nothing of the command is written.
        FileAccessFailure(context, parent, error);
    } catch (const DataFileError& error) {
        state.CloseGameFiles();
        if (whole)
            state.DiscardCommand();
        context.dialogs.Error(parent, QString::fromLocal8Bit(error.what()));
    }
    return false;
}

void ReportRecovery(AppContext& context, QWidget* parent, const RecoveryReport& report) {
    if (!report.found)
        return;
    QString text = report.completed
                       ? "The editor was stopped while it was changing the game files. "
                         "The change has now been completed in:"
                       : "The editor was stopped while it was changing the game files. "
                         "These files have been put back as they were:";
    for (const std::string& file : report.files)
        text += "\n" + QString::fromLocal8Bit(file.c_str());
    context.dialogs.Information(parent, text);
}

bool RecoverInterruptedCommand(AppContext& context, QWidget* parent) {
    if (context.ended || context.refused)
        return false;
    // An open command recovered when it began.
    if (context.state.command)
        return true;
    if (!BeginOwnCommand(context, parent, GameCommand::WhenBusy::Warn))
        return false;
    context.state.DiscardCommand();
    return true;
}

GameCommand::GameCommand(AppContext& context, QWidget* parent, WhenBusy busy) : context_(context) {
    if (context_.state.command || context_.ended || context_.refused)
        return;
    if (BeginOwnCommand(context_, parent, busy))
        owner_ = true;
    else if (!context_.ended)
        refused_ = context_.refused = true;
}

GameCommand::~GameCommand() {
    if (owner_)
        context_.state.DiscardCommand();
    if (refused_)
        context_.refused = false;
}

void GameCommand::Copy(const std::string& source, const std::string& target) {
    if (!Started())
        return; // the refusal or the fatal path has said so; Commit reports the failure
    if (!context_.state.command)
        throw FileAccessError(kFileAccessError, target, "the command has ended");
    context_.state.command->Copy(source, target);
}

bool GameCommand::Commit(QWidget* parent) {
    return CommitWith(
        [&](const FileAccessError& error) { FileAccessFailure(context_, parent, error); });
}

bool GameCommand::CommitOrReport(QWidget* parent, const QString& failure) {
    return CommitWith([&](const FileAccessError& error) {
        context_.dialogs.Information(parent,
                                     failure + "\n" + QString::fromLocal8Bit(error.Path().c_str()) +
                                         ": " + QString::fromLocal8Bit(error.Reason().c_str()));
    });
}

bool GameCommand::CommitWith(const std::function<void(const FileAccessError&)>& failed) {
    if (!Started())
        return false;
    if (!owner_)
        return true;
    owner_ = false;
    try {
        context_.state.CommitCommand();
        return true;
    } catch (const FileAccessError& error) {
        failed(error);
    }
    return false;
}

bool ImportIntoWindow(AppContext& context, QWidget* window, const std::function<void()>& body) {
    const QString title = window->windowTitle().trimmed();
    StepScope step(
        context,
        QCoreApplication::translate("psn::GameActions", "Import data from game: %1").arg(title));
    if (!RunGameTransfer(context, window, body))
        return false;
    if (context.steps)
        context.steps->WindowMatchesGame(*window);
    context.dialogs.Information(window, kDataImported);
    // Hiding a window that runs in its own modal loop would end that loop and leave the window
    // open without modality; a show event refills it from the record just the same.
    if (window->isVisible()) {
        QShowEvent refresh;
        QCoreApplication::sendEvent(window, &refresh);
    } else {
        window->show();
    }
    return true;
}

bool ExportFromWindow(AppContext& context, QWidget* window, const std::function<void()>& body) {
    // Writing the game is no step: the backups take it back.
    StepScope step(context, {});
    if (!RunGameTransfer(context, window, body))
        return false;
    if (context.steps)
        context.steps->WindowMatchesGame(*window);
    context.dialogs.Information(window, kDataExported);
    return true;
}

void RestoreOriginalData(AppContext& context, QWidget* parent, const QString& stepName) {
    StepScope step(context, stepName);
    const FileResult result = RestoreOriginal(context.state);
    if (result.Ok() && context.steps)
        context.steps->FileMatches();
    if (result.status == FileResult::Status::Failed)
        context.dialogs.Error(parent, QString::fromLocal8Bit(result.message.c_str()));
}

std::optional<int> ConvertInteger(AppContext& context, QWidget* parent, const QString& text) {
    if (const auto value = StrToInt(text.toLatin1().toStdString()))
        return *value;
    context.dialogs.Error(
        parent, QCoreApplication::translate("psn::GameActions", "'%1' is not a valid integer value")
                    .arg(text));
    return std::nullopt;
}

std::optional<double> ConvertDecimal(AppContext& context, QWidget* parent, const QString& text) {
    if (const auto value = StrToFloat(text.toLatin1().toStdString()))
        return *value;
    context.dialogs.Error(
        parent,
        QCoreApplication::translate("psn::GameActions", "'%1' is not a valid floating point value")
            .arg(text));
    return std::nullopt;
}

char DecimalMark() {
    // A mark outside Latin-1 (as in Arabic) cannot be typed into a game-byte box.
    const QString mark = QLocale().decimalPoint();
    return mark.size() == 1 && mark[0].unicode() < 0x80 ? mark[0].toLatin1() : '.';
}

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

class Latin1Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        for (const QChar c : input)
            if (c.unicode() > 0xFF)
                return Invalid;
        return Acceptable;
    }
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

QString FromGameBytes(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string ToGameBytes(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void RestrictToGameBytes(QLineEdit* edit, int maxLength) {
    edit->setMaxLength(maxLength);
    edit->setValidator(new Latin1Validator(edit));
}

} // namespace psn
