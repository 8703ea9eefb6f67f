// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Behaviour shared by every editor window: running block operations between opening and closing
// the game files with the fatal file access error, the four editor buttons' messages, the
// integer conversion with its message, Enter as Tab, and byte strings shown as Latin-1.
#pragma once

#include "ui/app_context.h"

#include <QString>
#include <functional>
#include <optional>
#include <string>

class QLineEdit;
class QWidget;

namespace psn {

inline constexpr const char* kDataImported = "Data has been imported!";
inline constexpr const char* kDataExported = "Data has been exported!";

// Runs `body`, which opens game files and calls block operations; the game files are closed
// afterwards in every case. Outside a GameCommand the transfer is a command of its own: it locks
// the game, completes or undoes an interrupted commit first (and says so), and its writes are
// committed at its end. A FileAccessError (also one of the commit) drops every staged
// write, shows its text (with the file and the reason) in a warning box and then ends the program
// with exit code 1; a DataFileError is shown as an error and the program goes on, and so is a game
// that another program keeps locked (nothing is done then). Returns true when `body` completed and
// its writes, if any, are on disk or staged in the open command.
bool RunGameTransfer(AppContext& context, QWidget* parent, const std::function<void()>& body);

// A command that spans several transfers and dialogs (Export all data, the installers): it holds
// the game's lock from its creation on, and every game-file write is staged; only Commit() writes
// them, all at once. Destroyed uncommitted, it drops them: nothing of a command that stopped
// halfway is written. When another program keeps the game locked, a warning says so (or, with
// AskAgain, the user may try again) and the command is refused: Started() is false, and every
// transfer, copy and commit within it does nothing and reports failure.
class GameCommand {
public:
    enum class WhenBusy { Warn, AskAgain };
    explicit GameCommand(AppContext& context, QWidget* parent = nullptr,
                         WhenBusy busy = WhenBusy::Warn);
    ~GameCommand();
    GameCommand(const GameCommand&) = delete;
    GameCommand& operator=(const GameCommand&) = delete;
    // Stages a whole-file copy; an unreadable source raises FileAccessError.
    void Copy(const std::string& source, const std::string& target);
    // A failure takes the file access error path. Returns whether the changes are on disk.
    bool Commit(QWidget* parent);
    // For the installers, whose copies may meet a target that cannot be replaced (a folder in its
    // place, a full disk): a failed commit changed nothing, so it is shown as `failure` with the
    // file and the reason on a line below, and the program goes on. Returns whether the changes
    // are on disk.
    bool CommitOrReport(QWidget* parent, const QString& failure);
    // False when the game could not be locked or the fatal path ran meanwhile.
    bool Started() const { return !context_.ended && !context_.refused; }

private:
    bool CommitWith(const std::function<void(const FileAccessError&)>& failed);

    AppContext& context_;
    bool owner_ = false;   // false inside another command, which commits for both
    bool refused_ = false; // this command could not lock the game
};

// Completes (or undoes) a command that a crash interrupted, before anything else reads the game,
// and says so, under the game's lock. A file that cannot be put in place takes the file access
// error path; a game another program keeps locked is a warning. Returns false in either case.
bool RecoverInterruptedCommand(AppContext& context, QWidget* parent);
// Tells the user which files the completion or undoing at a command's start put in place.
void ReportRecovery(AppContext& context, QWidget* parent, const RecoveryReport& report);

// Shows a file access error and ends the program.
void FileAccessFailure(AppContext& context, QWidget* parent, const FileAccessError& error);

// "Import data from game": the transfer, "Data has been imported!", then the window is hidden and
// shown again so that it refills itself from the record.
bool ImportIntoWindow(AppContext& context, QWidget* window, const std::function<void()>& body);
// "Export data into game": the transfer, then "Data has been exported!".
bool ExportFromWindow(AppContext& context, QWidget* window, const std::function<void()>& body);
// "Restore original data": the whole record from "./DATA/ORIGIN.SET"; a damaged file is reported.
// It is one undoable step named `stepName`.
void RestoreOriginalData(AppContext& context, QWidget* parent,
                         const QString& stepName = "Restore original data");

// Converts a box's text with the runtime's integer rules; on failure shows
// "'<text>' is not a valid integer value" and returns nothing.
std::optional<int> ConvertInteger(AppContext& context, QWidget* parent, const QString& text);
// Converts a box's decimal text, "." or "," as the decimal mark, whatever the locale; on failure
// shows "'<text>' is not a valid floating point value" and returns nothing.
std::optional<double> ConvertDecimal(AppContext& context, QWidget* parent, const QString& text);
// The decimal mark of the user's locale, for numbers that boxes show.
char DecimalMark();

// Enter (and the keypad's Enter) in the widget or any of its children moves the focus to the
// next control in tab order; never in menus or in dialogs opened over it, and not in a control
// marked by KeepEnter.
void InstallEnterAsTab(QWidget* root);
// Enter acts in this control (a list that runs its row when Enter is pressed) and its children
// instead of moving the focus on.
void KeepEnter(QWidget* widget);

// Game strings are bytes shown one to one as Latin-1.
QString FromGameBytes(const std::string& bytes);
std::string ToGameBytes(const QString& text);
// Limits a line edit to Latin-1 characters and `maxLength` bytes.
void RestrictToGameBytes(QLineEdit* edit, int maxLength);

} // namespace psn
