#include "shell/converter_runner.h"

#include "core/fs.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <cstdlib>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace psn {
namespace {

bool IsProgram(const std::string& path) {
    const QFileInfo info(QString::fromStdString(path));
    return info.isFile() && info.isExecutable();
}

QString Quoted(const ConverterCommand& command) {
    return "\"" + QString::fromStdString(command.Display()) + "\"";
}

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
    const char* path = std::getenv("PATH");
    if (!path)
        return std::nullopt;
#ifdef _WIN32
    const QChar listSeparator = ';';
#else
    const QChar listSeparator = ':';
#endif
    for (const QString& dir :
         QString::fromLocal8Bit(path).split(listSeparator, Qt::SkipEmptyParts)) {
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
    if (process && process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished(2000);
    }
}

ConverterOutcome ConverterRunner::Run(const ConverterCommand& command, const QString& task,
                                      const char* expectedOutput) const {
    return Wait(*Start(command, task, expectedOutput));
}

std::unique_ptr<PendingConversion> ConverterRunner::Start(const ConverterCommand& command,
                                                          const QString& task,
                                                          const char* expectedOutput) const {
    const QString converter = kConverterProgram;
    const auto program = Locate();
    state_.RestoreStartDir();
    if (!program)
        return PendingConversion::Refused(
            QString("The bitmap converter %1 was not found in the editor's folder or on the "
                    "program search path, so it could not %2.")
                .arg(converter, task));

    auto conversion = std::make_unique<PendingConversion>();
    conversion->command = command;
    conversion->task = task;
    conversion->expectedOutput = expectedOutput;
    conversion->bound = timeout;
    conversion->deadline = QDeadlineTimer(timeout);

    QStringList arguments;
    for (const auto& argument : command.arguments)
        arguments << QString::fromStdString(argument);

    conversion->process = std::make_unique<QProcess>();
    QProcess& process = *conversion->process;
    process.setProgram(QString::fromStdString(*program));
    process.setArguments(arguments);
    process.setWorkingDirectory(QString::fromStdString(state_.startDir));
    process.setStandardInputFile(QProcess::nullDevice());
#ifdef Q_OS_WIN
    // A console converter must not open a window over the editor.
    process.setCreateProcessArgumentsModifier(
        [](QProcess::CreateProcessArguments* args) { args->flags |= CREATE_NO_WINDOW; });
#endif
    process.start();
    const bool started = process.waitForStarted();
    state_.RestoreStartDir();
    if (!started)
        conversion->outcome = {
            false, QString("The bitmap converter %1 could not be started to %2 (%3): %4")
                       .arg(converter, task, Quoted(command), process.errorString())};
    return conversion;
}

ConverterOutcome ConverterRunner::Wait(PendingConversion& conversion) const {
    if (conversion.outcome)
        return *conversion.outcome;
    const QString converter = kConverterProgram;
    const ConverterCommand& command = conversion.command;
    const QString& task = conversion.task;
    QProcess& process = *conversion.process;
    // Repaint while waiting, but take no user input: nothing may start a second conversion.
    while (!process.waitForFinished(50)) {
        if (process.state() == QProcess::NotRunning)
            break;
        if (conversion.deadline.hasExpired()) {
            process.kill();
            process.waitForFinished(2000);
            state_.RestoreStartDir();
            conversion.outcome = {
                false, QString("The bitmap converter %1 did not finish within %2 seconds when "
                               "asked to %3 (%4). It has been stopped.")
                           .arg(converter)
                           .arg(static_cast<double>(conversion.bound.count()) / 1000.0)
                           .arg(task, Quoted(command))};
            return *conversion.outcome;
        }
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    state_.RestoreStartDir();
    conversion.outcome = Judge(conversion);
    return *conversion.outcome;
}

ConverterOutcome ConverterRunner::Judge(PendingConversion& conversion) const {
    const QString converter = kConverterProgram;
    const ConverterCommand& command = conversion.command;
    const QString& task = conversion.task;
    QProcess& process = *conversion.process;
    const QString output = TailOf(process.readAllStandardError() + process.readAllStandardOutput());
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        QString message = process.exitStatus() == QProcess::NormalExit
                              ? QString("The bitmap converter %1 failed (exit code %2) when asked "
                                        "to %3 (%4).")
                                    .arg(converter)
                                    .arg(process.exitCode())
                                    .arg(task, Quoted(command))
                              : QString("The bitmap converter %1 crashed when asked to %2 (%3).")
                                    .arg(converter, task, Quoted(command));
        if (!output.isEmpty())
            message += "\n\n" + output;
        return {false, message};
    }
    const char* expectedOutput = conversion.expectedOutput;
    if (expectedOutput && !fs::Exists(state_.StartPath(expectedOutput)))
        return {false,
                QString("The bitmap converter %1 ended without writing %2 when asked to "
                        "%3 (%4).")
                    .arg(converter, QString::fromLatin1(expectedOutput), task, Quoted(command))};
    return {true, {}};
}

ConverterOutcome ConverterRunner::Extract(const ConverterCommand& command, const QString& task,
                                          const char* tempBitmap) const {
    return Wait(*StartExtract(command, task, tempBitmap));
}

std::unique_ptr<PendingConversion> ConverterRunner::StartExtract(const ConverterCommand& command,
                                                                 const QString& task,
                                                                 const char* tempBitmap) const {
    const std::string path = state_.StartPath(tempBitmap);
    if (fs::Exists(path) && !fs::DeleteFile(path))
        return PendingConversion::Refused(
            QString("The old %1 could not be removed, so the bitmap converter %2 was not asked "
                    "to %3.")
                .arg(QString::fromLatin1(tempBitmap), kConverterProgram, task));
    return Start(command, task, tempBitmap);
}

ConverterOutcome ConverterRunner::WriteBack(const ConverterCommand& command, const QString& task,
                                            const std::string& archive) const {
    if (fs::Exists(archive) && !fs::EnsureBackup(archive))
        return {false, QString("No backup of %1 could be made, so the bitmap converter %2 was "
                               "not asked to %3.")
                           .arg(QString::fromStdString(archive), kConverterProgram, task)};
    return Run(command, task);
}

} // namespace psn
