// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/scripted_dialogs.h"

namespace psn {

void ScriptedDialogs::Record(Kind kind, const QString& text, const FileDialogRequest& request) {
    const bool fileDialog = kind == Kind::Open || kind == Kind::Save;
    shown.push_back({kind, text, request, fileDialog ? DialogFolder(request) : QString()});
}

bool ScriptedDialogs::Confirm(QWidget*, const QString& text) {
    Record(Kind::Confirm, text);
    if (confirmAnswers.empty())
        return true;
    const bool answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    return answer;
}

SaveAnswer ScriptedDialogs::AskToSave(QWidget*, const QString& text) {
    Record(Kind::AskToSave, text);
    if (saveAnswers.empty())
        return SaveAnswer::Discard;
    const SaveAnswer answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

std::optional<QString> ScriptedDialogs::NextFile() {
    if (fileAnswers.empty())
        return std::nullopt;
    const bool given = fileAnswers.front().has_value();
    const QString path = given ? *fileAnswers.front() : QString();
    fileAnswers.pop_front();
    if (!given)
        return std::nullopt;
    return path;
}

std::optional<QString> ScriptedDialogs::OpenFile(QWidget*, const FileDialogRequest& request) {
    Record(Kind::Open, request.title, request);
    return NextFile();
}

std::optional<QString> ScriptedDialogs::SaveFile(QWidget*, const FileDialogRequest& request) {
    Record(Kind::Save, request.title, request);
    return NextFile();
}

std::optional<std::vector<int>> ScriptedDialogs::ChooseItems(QWidget*, const QString& title,
                                                             const QStringList& items) {
    Record(Kind::Choose, title);
    offeredItems = items;
    if (choiceAnswers.empty())
        return std::nullopt;
    const auto answer = choiceAnswers.front();
    choiceAnswers.pop_front();
    return answer;
}

QStringList ScriptedDialogs::Messages() const {
    QStringList texts;
    for (const auto& s : shown)
        if (s.kind != Kind::Open && s.kind != Kind::Save && s.kind != Kind::Choose)
            texts << s.text;
    return texts;
}

int ScriptedDialogs::Count(Kind kind) const {
    int n = 0;
    for (const auto& s : shown)
        n += s.kind == kind ? 1 : 0;
    return n;
}

void ScriptedDialogs::Clear() {
    shown.clear();
    confirmAnswers.clear();
    saveAnswers.clear();
    fileAnswers.clear();
    choiceAnswers.clear();
}

} // namespace psn
