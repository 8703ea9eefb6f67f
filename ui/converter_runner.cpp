// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/converter_runner.h"

#include "core/bitmap8_format.h"
#include "core/fs.h"
#include "core/game_lock.h"
#include "ui/message_text.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <algorithm>
#include <cstdlib>

#ifdef Q_OS_WIN
#include <windows.h>
// Its macros would rename the file layer's functions of the same names.
#undef DeleteFile
#undef SetCurrentDirectory
#endif

namespace psn {
namespace {

// Windows programs start with the "MZ" of their DOS header.
bool IsWindowsProgram(const std::string& path) {
    Message reason;
    platform::Handle file = fs::OpenRegular(path, platform::kRead, reason);
    if (file == platform::kNoHandle)
        return false;
    const fs::FileCloser closer(file);
    char magic[2] = {};
    return platform::ReadAt(file, magic, 2, 0) == 2 && magic[0] == 'M' && magic[1] == 'Z';
}

// A Windows program copied from a CD or a Windows disk may lack the executable bit; Wine runs it
// all the same.
bool IsProgram(const std::string& path) {
    const QFileInfo info(QString::fromStdString(path));
    return info.isFile() && (info.isExecutable() || IsWindowsProgram(path));
}

QString Quoted(const ConverterCommand& command) {
    return "\"" + QString::fromStdString(command.Display()) + "\"";
}

// What the converter was asked to do, as a sentence of its own after the one that says what went
// wrong, so that every message is made of whole sentences.
QString Needed(const ConverterCommand& command) {
    const QString archive = QFile::decodeName(command.archive.c_str());
    const QString line = Quoted(command);
    switch (command.task) {
    case ConverterTask::ExtractHelmets:
        return QCoreApplication::translate(
                   "psn::ConverterRunner",
                   "The editor needed the converter to extract the helmets from %1 (%2).")
            .arg(archive, line);
    case ConverterTask::WriteHelmets:
        return QCoreApplication::translate(
                   "psn::ConverterRunner",
                   "The editor needed the converter to write the helmets back into %1 (%2).")
            .arg(archive, line);
    case ConverterTask::ExtractCar:
        return QCoreApplication::translate(
                   "psn::ConverterRunner",
                   "The editor needed the converter to extract the car painting %1 (%2).")
            .arg(archive, line);
    case ConverterTask::WriteCar:
        return QCoreApplication::translate(
                   "psn::ConverterRunner",
                   "The editor needed the converter to write the car painting back into %1 (%2).")
            .arg(archive, line);
    }
    return line;
}

// What went wrong, then what the converter was asked to do, then what it said.
QString Failure(const QString& what, const ConverterCommand& command, const QString& output = {}) {
    QString message = what + "\n" + Needed(command);
    return output.isEmpty() ? message : message + "\n\n" + output;
}

// Stops the converter and everything it started (a console helper, Wine's server).
void StopProcessGroup(QProcess& process, platform::ProcessTree* tree = nullptr) {
    if (process.state() == QProcess::NotRunning)
        return;
    if (tree)
        tree->Kill();
    process.kill();
    process.waitForFinished(2000);
}

#ifndef Q_OS_WIN
// The path of a "-j<path>" or "-b<path>" option, or an empty string.
QString OptionPath(const QString& argument) {
    if (argument.size() > 2 && argument[0] == '-' && QString("jJbB").contains(argument[1]))
        return argument.mid(2);
    return {};
}

// Gives every path option as Wine sees it: winepath turns Unix paths into Windows ones. Paths
// relative to the start directory are made absolute first, so they do not depend on Wine's idea
// of the current drive. Returns why Wine cannot start the converter, or an empty string.
QString ToWinePaths(QStringList& arguments, const QString& startDir,
                    const QDeadlineTimer& deadline) {
    QStringList paths;
    QList<int> indices;
    for (int i = 0; i < arguments.size(); ++i)
        if (const QString path = OptionPath(arguments[i]); !path.isEmpty()) {
            paths << QDir::cleanPath(QDir(startDir).absoluteFilePath(path));
            indices << i;
        }
    if (paths.isEmpty())
        return {};
    const QString winepath = QStandardPaths::findExecutable("winepath");
    if (winepath.isEmpty())
        return QCoreApplication::translate(
                   "psn::ConverterRunner",
                   "The bitmap converter %1 could not be started through Wine: Wine's winepath was "
                   "not found on the program search path.")
            .arg(kConverterProgram);
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(winepath, QStringList{"-w"} + paths);
    const auto left = std::max<qint64>(deadline.remainingTime(), 0);
    if (!process.waitForFinished(static_cast<int>(std::min<qint64>(left, 1 << 30)))) {
        StopProcessGroup(process);
        return QCoreApplication::translate(
                   "psn::ConverterRunner",
                   "The bitmap converter %1 could not be started through Wine: winepath did not "
                   "answer in time.")
            .arg(kConverterProgram);
    }
    const QStringList lines =
        QString::fromLocal8Bit(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    if (process.exitCode() != 0 || lines.size() != paths.size())
        return QCoreApplication::translate(
                   "psn::ConverterRunner",
                   "The bitmap converter %1 could not be started through Wine: winepath could not "
                   "translate %2.")
            .arg(kConverterProgram, paths.join(", "));
    for (int i = 0; i < indices.size(); ++i)
        arguments[indices[i]] = arguments[indices[i]].left(2) + lines[i].trimmed();
    return {};
}
#endif

QString TailOf(const QByteArray& output) {
    QString text = QString::fromLocal8Bit(output).trimmed();
    constexpr int kMaxShown = 400;
    if (text.size() > kMaxShown)
        text = "..." + text.right(kMaxShown);
    return text;
}

} // namespace

std::optional<std::string> ConverterRunner::Locate() const {
    const std::string local = fs::ResolveCase(fs::Join(state_.startDir, kConverterProgram));
    if (IsProgram(local))
        return local;
    const std::optional<std::string> path = platform::Environment("PATH");
    if (!path)
        return std::nullopt;
#ifdef _WIN32
    const QChar listSeparator = ';';
#else
    const QChar listSeparator = ':';
#endif
    for (const QString& dir :
         QString::fromStdString(*path).split(listSeparator, Qt::SkipEmptyParts)) {
        const std::string candidate =
            fs::ResolveCase(fs::Join(dir.toStdString(), kConverterProgram));
        if (IsProgram(candidate))
            return candidate;
    }
    return std::nullopt;
}

PendingConversion::PendingConversion() = default;

std::unique_ptr<PendingConversion> PendingConversion::Refused(QString error) {
    auto conversion = std::make_unique<PendingConversion>();
    conversion->outcome = {false, std::move(error)};
    return conversion;
}

PendingConversion::~PendingConversion() {
    if (process)
        StopProcessGroup(*process, &tree);
}

QString SampleConverterHint(const std::string& editorDir) {
    const QString sample = QStringLiteral("psniaed-sample-converter");
    const QString beside = QCoreApplication::applicationDirPath() + "/" + sample;
    const QString path = QFileInfo::exists(beside) ? beside : "$(command -v " + sample + ")";
    return QCoreApplication::translate(
               "psn::ConverterRunner",
               "For the sample game that psniaed-sample-game makes, the editor comes with a "
               "stand-in converter, %1. Link it into the editor's folder under the converter's "
               "name:\n    ln -s %2 %3\nIt reads only the sample game's archives: a real game "
               "needs the game's own %4 there instead.")
        .arg(sample, path,
             QDir::cleanPath(QFile::decodeName(editorDir.c_str()) + "/" + kConverterProgram),
             kConverterProgram);
}

ConverterOutcome ConverterRunner::Run(const ConverterCommand& command,
                                      const char* expectedOutput) const {
    return Wait(*Start(command, expectedOutput));
}

std::unique_ptr<PendingConversion> ConverterRunner::Start(const ConverterCommand& command,
                                                          const char* expectedOutput) const {
    const QString converter = kConverterProgram;
    const auto program = Locate();
    state_.RestoreStartDir();
    if (!program)
        return PendingConversion::Refused(Failure(
            QCoreApplication::translate(
                "psn::ConverterRunner",
                "The bitmap converter %1 was not found in the editor's folder (%2) or on the "
                "program search path. Put the game's %1 into %2.")
                .arg(converter, QFile::decodeName(state_.startDir.c_str())),
            command, SampleConverterHint(state_.startDir)));

    auto conversion = std::make_unique<PendingConversion>();
    conversion->command = command;
    conversion->expectedOutput = expectedOutput;
    conversion->bound = timeout;
    conversion->deadline = QDeadlineTimer(timeout);

    QStringList arguments;
    for (const auto& argument : command.arguments)
        arguments << QString::fromStdString(argument);
    QString executable = QString::fromStdString(*program);
#ifndef Q_OS_WIN
    if (IsWindowsProgram(*program)) {
        const QString wine = QStandardPaths::findExecutable("wine");
        if (wine.isEmpty())
            return PendingConversion::Refused(Failure(
                QCoreApplication::translate(
                    "psn::ConverterRunner",
                    "The bitmap converter %1 (%2) is a Windows program: Wine runs it, and no "
                    "\"wine\" was found on the program search path. Install Debian's wine package "
                    "(sudo apt-get install wine) and try again.")
                    .arg(converter, executable),
                command));
        const QString error =
            ToWinePaths(arguments, QString::fromStdString(state_.startDir), conversion->deadline);
        state_.RestoreStartDir();
        if (!error.isEmpty())
            return PendingConversion::Refused(Failure(error, command));
        arguments.prepend(executable);
        executable = wine;
    }
#endif

    conversion->process = std::make_unique<QProcess>();
    QProcess& process = *conversion->process;
    process.setProgram(executable);
    process.setArguments(arguments);
    process.setWorkingDirectory(QString::fromStdString(state_.startDir));
    process.setStandardInputFile(QProcess::nullDevice());
#ifdef Q_OS_WIN
    // A console converter must not open a window over the editor.
    process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments* args) {
        args->flags |= CREATE_NO_WINDOW | platform::kStartSuspended;
    });
#else
    // Its own process group, so that stopping it reaches whatever it starts.
    process.setChildProcessModifier([] { platform::StartOwnGroup(); });
#endif
    process.start();
    const bool started = process.waitForStarted();
    if (started)
        conversion->tree.Adopt(process.processId());
    state_.RestoreStartDir();
    if (!started)
        conversion->outcome = {false, Failure(QCoreApplication::translate(
                                                  "psn::ConverterRunner",
                                                  "The bitmap converter %1 could not be started: "
                                                  "%2")
                                                  .arg(converter, process.errorString()),
                                              command)};
    return conversion;
}

ConverterOutcome ConverterRunner::Wait(PendingConversion& conversion) const {
    if (conversion.outcome)
        return *conversion.outcome;
    const QString converter = kConverterProgram;
    QProcess& process = *conversion.process;
    // Repaint while waiting, but take no user input: nothing may start a second conversion.
    while (!process.waitForFinished(50)) {
        if (process.state() == QProcess::NotRunning)
            break;
        if (conversion.expectedOutput && OutputReady(conversion)) {
            // The bitmap is what the extraction is for; a converter lingering after it (waiting
            // for a key, say) has nothing more to give.
            StopProcessGroup(process, &conversion.tree);
            state_.RestoreStartDir();
            conversion.outcome = {true, {}};
            return *conversion.outcome;
        }
        if (conversion.deadline.hasExpired()) {
            StopProcessGroup(process, &conversion.tree);
            state_.RestoreStartDir();
            const QString seconds =
                QString::number(static_cast<double>(conversion.bound.count()) / 1000.0);
            conversion.outcome = {false, Failure(QCoreApplication::translate(
                                                     "psn::ConverterRunner",
                                                     "The bitmap converter %1 did not finish "
                                                     "within %2 seconds. It has been stopped.")
                                                     .arg(converter, seconds),
                                                 conversion.command)};
            return *conversion.outcome;
        }
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    state_.RestoreStartDir();
    conversion.outcome = Judge(conversion);
    return *conversion.outcome;
}

bool ConverterRunner::OutputReady(PendingConversion& conversion) const {
    const QFileInfo info(QString::fromStdString(state_.StartPath(conversion.expectedOutput)));
    const long long size = info.exists() ? info.size() : -1;
    const bool settled = size > 0 && size == conversion.outputSize;
    conversion.outputSize = size;
    if (!settled)
        return false;
    try {
        LoadBmpFile(state_.StartPath(conversion.expectedOutput));
        return true;
    } catch (const GraphicError&) {
        return false;
    }
}

ConverterOutcome ConverterRunner::Judge(PendingConversion& conversion) const {
    const QString converter = kConverterProgram;
    const ConverterCommand& command = conversion.command;
    QProcess& process = *conversion.process;
    const QString output = TailOf(process.readAllStandardError() + process.readAllStandardOutput());
    const bool crashed = process.exitStatus() != QProcess::NormalExit;
    const QString code = QString::number(process.exitCode());
    if (const char* expectedOutput = conversion.expectedOutput) {
        // Judged by its effect: the bitmap that was asked for, complete, whatever the exit code.
        const QString name = QString::fromLatin1(expectedOutput);
        const std::string path = state_.StartPath(expectedOutput);
        if (!fs::Exists(path))
            return {false,
                    Failure(crashed ? QCoreApplication::translate(
                                          "psn::ConverterRunner",
                                          "The bitmap converter %1 crashed without writing %2.")
                                          .arg(converter, name)
                                    : QCoreApplication::translate(
                                          "psn::ConverterRunner",
                                          "The bitmap converter %1 ended with exit code %2 "
                                          "without writing %3.")
                                          .arg(converter, code, name),
                            command, output)};
        try {
            LoadBmpFile(path);
        } catch (const GraphicError& error) {
            const QString why = WordedText(error);
            return {false, Failure(crashed ? QCoreApplication::translate(
                                                 "psn::ConverterRunner",
                                                 "The bitmap converter %1 crashed, and the %2 it "
                                                 "wrote cannot be loaded: %3")
                                                 .arg(converter, name, why)
                                           : QCoreApplication::translate(
                                                 "psn::ConverterRunner",
                                                 "The bitmap converter %1 ended with exit code "
                                                 "%2, and the %3 it wrote cannot be loaded: %4")
                                                 .arg(converter, code, name, why),
                                   command, output)};
        }
        return {true, {}};
    }
    if (crashed)
        return {false, Failure(QCoreApplication::translate("psn::ConverterRunner",
                                                           "The bitmap converter %1 crashed.")
                                   .arg(converter),
                               command, output)};
    if (process.exitCode() != 0)
        return {false, Failure(QCoreApplication::translate(
                                   "psn::ConverterRunner",
                                   "The bitmap converter %1 failed (exit code %2).")
                                   .arg(converter, code),
                               command, output)};
    return {true, {}};
}

ConverterOutcome ConverterRunner::Extract(const ConverterCommand& command,
                                          const char* tempBitmap) const {
    return Wait(*StartExtract(command, tempBitmap));
}

std::unique_ptr<PendingConversion> ConverterRunner::StartExtract(const ConverterCommand& command,
                                                                 const char* tempBitmap) const {
    const std::string path = state_.StartPath(tempBitmap);
    if (fs::Exists(path) && !fs::DeleteFile(path))
        return PendingConversion::Refused(
            Failure(QCoreApplication::translate(
                        "psn::ConverterRunner",
                        "The old %1 could not be removed, so the bitmap converter %2 was not "
                        "started.")
                        .arg(QString::fromLatin1(tempBitmap), kConverterProgram),
                    command));
    return Start(command, tempBitmap);
}

ConverterOutcome ConverterRunner::WriteBack(const ConverterCommand& command,
                                            const std::string& archive) const {
    // The converter rewrites a game archive in place: like every command that changes the game,
    // it runs under the game's lock, so no other program's command meets a half-written archive.
    GameLock held;
    try {
        held = GameLock::Acquire(fs::Native(state_.config.GameDir()), state_.lockWait);
    } catch (const GameLockError& error) {
        return {false, Worded(error.Said())};
    }
    if (fs::Exists(archive) && !fs::EnsureBackup(archive))
        return {false, Failure(QCoreApplication::translate(
                                   "psn::ConverterRunner",
                                   "No backup of %1 could be made, so the bitmap converter %2 was "
                                   "not started.")
                                   .arg(QFile::decodeName(archive.c_str()), kConverterProgram),
                               command)};
    return Run(command);
}

} // namespace psn
