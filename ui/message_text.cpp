// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/message_text.h"

#include <QCoreApplication>

namespace psn {

QString Worded(const Message& message) {
    if (message.kind == MessageKind::Verbatim)
        return QString::fromLocal8Bit(message.text.c_str());
    std::vector<std::string> args;
    args.reserve(message.args.size());
    for (const Message& arg : message.args)
        args.push_back(Worded(arg).toStdString());
    if (message.kind == MessageKind::Lines)
        return QString::fromStdString(JoinLines(args));
    const QString wording = QCoreApplication::translate(kMessageContext, Wording(message.kind));
    return QString::fromStdString(FillIn(wording.toStdString(), args));
}

QString Worded(const FileResult& result) {
    return result.said.Empty() ? QString::fromLocal8Bit(result.message.c_str())
                               : Worded(result.said);
}

QString WordedWhere(const FileError& error) {
    if (error.Reason().empty())
        return QString::fromLocal8Bit(error.Path().c_str());
    return Worded(Message(MessageKind::FileAndReason, {error.Path(), error.SaidReason()}));
}

QString WordedText(const FileError& error) {
    QString text = Worded(error.Said());
    if (error.AddsWhere())
        text += "\n" + WordedWhere(error);
    return text;
}

} // namespace psn
