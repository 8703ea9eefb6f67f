// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A Dialogs implementation for tests: answers come from queues set before the action, and
// everything shown is recorded in order.
#pragma once

#include "ui/dialogs.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

namespace psn {

class ScriptedDialogs : public Dialogs {
public:
    enum class Kind { Information, Warning, Error, Confirm, Open, Save, Choose, AskToSave };
    struct Shown {
        Kind kind;
        QString text; // message text, or the dialog's title
        FileDialogRequest request;
        QString folder; // where a file dialog opened
    };

    // Answers, used front first. An empty queue answers "OK" to confirmations and cancels file
    // dialogs.
    std::deque<bool> confirmAnswers;
    // Answers to the question before unsaved edits are lost; an empty queue discards them.
    std::deque<SaveAnswer> saveAnswers;
    std::deque<std::optional<QString>> fileAnswers;
    // Answers to item lists; an empty queue cancels. The items last offered are kept.
    std::deque<std::optional<std::vector<int>>> choiceAnswers;
    QStringList offeredItems;

    std::vector<Shown> shown;

    void Information(QWidget*, const QString& text) override { Record(Kind::Information, text); }
    void Warning(QWidget*, const QString& text) override { Record(Kind::Warning, text); }
    void Error(QWidget*, const QString& text) override { Record(Kind::Error, text); }
    bool Confirm(QWidget*, const QString& text) override;
    SaveAnswer AskToSave(QWidget*, const QString& text) override;
    std::optional<QString> OpenFile(QWidget*, const FileDialogRequest& request) override;
    std::optional<QString> SaveFile(QWidget*, const FileDialogRequest& request) override;
    std::optional<std::vector<int>> ChooseItems(QWidget*, const QString& title,
                                                const QStringList& items) override;

    // The texts of every message box shown, in order (file dialogs excluded).
    QStringList Messages() const;
    int Count(Kind kind) const;
    void Clear();

private:
    void Record(Kind kind, const QString& text, const FileDialogRequest& request = {});
    std::optional<QString> NextFile();
};

} // namespace psn
