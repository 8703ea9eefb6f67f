// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/settings_commands.h"

#include "core/fs.h"
#include "core/settings_files.h"
#include "ui/latin1_text.h"
#include "ui/message_text.h"
#include "ui/record_steps.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace psn {
namespace {

std::string NativePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// A file that could not be created falls back to the save dialog without a word; anything else
// that kept the settings from being written is said, with the file and the reason.
void ReportFailure(AppContext& context, QWidget* parent, const FileResult& result) {
    if (result.status == FileResult::Status::Failed || result.status == FileResult::Status::Refused)
        context.dialogs.Error(parent, Worded(result));
}

} // namespace

QString SettingsTitle(const AppState& state) {
    if (state.currentSettingsFile.empty())
        return kMainTitle;
    const std::string name = fs::FileNamePart(state.currentSettingsFile);
    return QString(kMainTitle) + "- " + QString::fromLocal8Bit(name.c_str());
}

FileDialogRequest SaveSettingsRequest() {
    FileDialogRequest request;
    request.title = QCoreApplication::translate("psn::SettingsCommands", "Save settings");
    request.filter =
        QCoreApplication::translate("psn::SettingsCommands", "All settings files") + "|*.GIA";
    request.initialDir = ".";
    request.defaultExt = "GIA";
    return request;
}

namespace {

// Settings files belong to the user: the dialogs open where the last one was, else at home
// rather than in the editor's own (often hidden) folder.
FileDialogRequest InSettingsFolder(const AppState& state, FileDialogRequest request) {
    const std::string& last = state.currentSettingsFile;
    request.folder = last.empty() || IsOriginalSettingsFile(state, last)
                         ? QDir::homePath()
                         : QFileInfo(QFile::decodeName(last.c_str())).absolutePath();
    return request;
}

} // namespace

FileDialogRequest LoadSettingsRequest() {
    FileDialogRequest request = SaveSettingsRequest();
    request.title = QCoreApplication::translate("psn::SettingsCommands", "Load settings");
    return request;
}

std::string DescriptionBytes(const QString& text) {
    QString joined = text;
    joined.replace("\r\n", "\n").replace('\n', "\r\n");
    std::string bytes = ToGameBytes(joined);
    if (bytes.size() > 255)
        bytes.resize(255);
    return bytes;
}

bool SaveSettings(AppContext& context, QWidget* parent, const QString& description,
                  bool alwaysAsk) {
    AppState& state = context.state;
    // The description window's text enters the record only here.
    StepScope step(context,
                   QCoreApplication::translate("psn::SettingsCommands", "Settings description"));
    SetSettingsDescription(state.record, DescriptionBytes(description));
    bool chosen = false;
    if (!alwaysAsk && !IsOriginalSettingsFile(state, state.currentSettingsFile)) {
        const FileResult result = WriteSettingsFile(state);
        // Something in the file's place (a pipe, a link to a folder) is named, then another name
        // is asked for.
        ReportFailure(context, parent, result);
        if (result.Ok() || result.status == FileResult::Status::Failed) {
            if (result.Ok() && context.steps)
                context.steps->FileMatches();
            state.RestoreStartDir();
            return false;
        }
    }
    if (const auto path =
            context.dialogs.SaveFile(parent, InSettingsFolder(state, SaveSettingsRequest()))) {
        // A save that fails leaves the current settings file, and with it the title, as it was.
        const std::string previous = state.currentSettingsFile;
        SetCurrentSettingsFile(state, NativePath(*path));
        const FileResult result = WriteSettingsFile(state);
        if (result.status == FileResult::Status::NotOpened)
            context.dialogs.Error(
                parent, QCoreApplication::translate("psn::SettingsCommands",
                                                    "Cannot create the settings file '%1'.\n%2")
                            .arg(QString::fromLocal8Bit(state.currentSettingsFile.c_str()),
                                 Worded(result)));
        ReportFailure(context, parent, result);
        if (result.Ok() && context.steps)
            context.steps->FileMatches();
        chosen = result.Ok();
        if (!chosen)
            state.currentSettingsFile = previous;
    }
    state.RestoreStartDir();
    return chosen;
}

bool LoadSettingsFile(AppContext& context, QWidget* parent, const std::string& path) {
    AppState& state = context.state;
    // A file that does not load must not become the file that "Save settings" overwrites.
    const std::string previous = state.currentSettingsFile;
    // Begun before the file name changes, so that what came before is a step of its own.
    StepScope step(context, {});
    SetCurrentSettingsFile(state, path);
    step.Rename(
        QCoreApplication::translate("psn::SettingsCommands", "Load settings %1")
            .arg(QString::fromLocal8Bit(fs::FileNamePart(state.currentSettingsFile).c_str())));
    const FileResult result = ReadSettingsFile(state);
    const bool loaded = result.Ok();
    if (loaded && context.steps)
        context.steps->FileMatches();
    if (!loaded) {
        state.currentSettingsFile = previous;
        context.dialogs.Error(
            parent, result.status == FileResult::Status::NotOpened
                        ? QCoreApplication::translate(
                              "psn::SettingsCommands",
                              "%1. Nothing was loaded; check that the file exists and that you "
                              "may read it.")
                              .arg(Worded(result))
                        : Worded(result));
    }
    return loaded;
}

bool LoadSettings(AppContext& context, QWidget* parent) {
    bool loaded = false;
    if (const auto path = context.dialogs.OpenFile(
            parent, InSettingsFolder(context.state, LoadSettingsRequest())))
        loaded = LoadSettingsFile(context, parent, NativePath(*path));
    context.state.RestoreStartDir();
    return loaded;
}

} // namespace psn
