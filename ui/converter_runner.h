// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starting the external bitmap converter and waiting for it. The converter is looked for in the
// start directory first (in any letter case), then on the program search path; a Windows program
// (a file starting with "MZ") is started through Wine. Every run ends within a bound: a converter
// that is missing, cannot start, runs too long or fails is reported in the user's language, with
// what it was asked to do.
// The converter runs in its own process group (a job object on Windows), and stopping it stops
// everything it started.
#pragma once

#include "core/app_state.h"
#include "core/converter.h"
#include "core/platform.h"

#include <QDeadlineTimer>
#include <QString>
#include <chrono>
#include <memory>
#include <optional>
#include <string>

class QProcess;

namespace psn {

struct [[nodiscard]] ConverterOutcome {
    bool ok = false;
    QString error; // a message for the user when not ok
};

// A conversion that has been started (or has failed to start) and not yet waited for. Dropping
// it stops a converter that is still running.
class PendingConversion {
public:
    PendingConversion();
    ~PendingConversion();
    PendingConversion(const PendingConversion&) = delete;
    PendingConversion& operator=(const PendingConversion&) = delete;

private:
    friend class ConverterRunner;
    // A conversion that never started: its outcome is known without waiting.
    static std::unique_ptr<PendingConversion> Refused(QString error);

    std::optional<ConverterOutcome> outcome;
    std::unique_ptr<QProcess> process;
    platform::ProcessTree tree; // the converter and all it starts
    ConverterCommand command;
    const char* expectedOutput = nullptr;
    // The size of the expected output at the last look, while it may still be growing.
    long long outputSize = -1;
    std::chrono::milliseconds bound{};
    QDeadlineTimer deadline;
};

// How to stand the shipped sample converter in for the game's own, for the sample game only: where
// it is and the link that puts it into `editorDir` under the converter's name.
QString SampleConverterHint(const std::string& editorDir);

class ConverterRunner {
public:
    static constexpr std::chrono::milliseconds kDefaultTimeout{30000};

    explicit ConverterRunner(const AppState& state) : state_(state) {}

    // How long a conversion may take; tests shorten it.
    std::chrono::milliseconds timeout = kDefaultTimeout;

    // The converter's path, or nothing when it is neither in the start directory nor on the path.
    std::optional<std::string> Locate() const;

    // Runs the command in the start directory and waits until the converter ends. Without
    // `expectedOutput`, success is a zero exit code. With it (a bitmap path relative to the start
    // directory such as ".\TEMP\HELMETS.BMP"), success is that bitmap in place, no longer growing
    // and loadable, whatever the exit code: a converter still running then (waiting for a key,
    // say) is stopped. The start directory is current again afterwards.
    ConverterOutcome Run(const ConverterCommand& command,
                         const char* expectedOutput = nullptr) const;
    // Run in two halves, so that the editor can go on while the converter works: Start returns
    // at once, Wait ends the conversion (within the bound, counted from the start) and judges it
    // as Run does.
    std::unique_ptr<PendingConversion> Start(const ConverterCommand& command,
                                             const char* expectedOutput = nullptr) const;
    ConverterOutcome Wait(PendingConversion& conversion) const;

    // An extraction into a temporary bitmap of the start directory. A bitmap left there from
    // an earlier run is removed first, so only a fresh one is ever taken.
    ConverterOutcome Extract(const ConverterCommand& command, const char* tempBitmap) const;
    std::unique_ptr<PendingConversion> StartExtract(const ConverterCommand& command,
                                                    const char* tempBitmap) const;
    // A write-back into the game's archive, which is backed up before its first change.
    ConverterOutcome WriteBack(const ConverterCommand& command, const std::string& archive) const;

private:
    ConverterOutcome Judge(PendingConversion& conversion) const;
    // Whether the expected bitmap is complete while the converter may still run.
    bool OutputReady(PendingConversion& conversion) const;

    const AppState& state_;
};

} // namespace psn
