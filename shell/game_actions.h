// Behaviour shared by every editor window: running block operations between opening and closing
// the game files with the fatal file access error, the four editor buttons' messages, the
// integer conversion with its message, Enter as Tab, and byte strings shown as Latin-1.
#pragma once

#include "shell/app_context.h"

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
// afterwards in every case. A FileAccessError shows its text in a warning box and then ends the
// program with exit code 1; a DataFileError is shown as an error and the program goes on.
// Returns true when `body` completed.
bool RunGameTransfer(AppContext& context, QWidget* parent, const std::function<void()>& body);

// "Import data from game": the transfer, "Data has been imported!", then the window is hidden and
// shown again so that it refills itself from the record.
bool ImportIntoWindow(AppContext& context, QWidget* window, const std::function<void()>& body);
// "Export data into game": the transfer, then "Data has been exported!".
bool ExportFromWindow(AppContext& context, QWidget* window, const std::function<void()>& body);
// "Restore original data": the whole record from "./DATA/ORIGIN.SET"; a damaged file is reported.
void RestoreOriginalData(AppContext& context, QWidget* parent);

// Converts a box's text with the runtime's integer rules; on failure shows
// "'<text>' is not a valid integer value" and returns nothing.
std::optional<int> ConvertInteger(AppContext& context, QWidget* parent, const QString& text);
// Converts a box's decimal text, "." or "," as the decimal mark, whatever the locale; on failure
// shows "'<text>' is not a valid floating point value" and returns nothing.
std::optional<double> ConvertDecimal(AppContext& context, QWidget* parent, const QString& text);
// The decimal mark of the user's locale, for numbers that boxes show.
char DecimalMark();

// Enter (and the keypad's Enter) in the widget or any of its children moves the focus to the
// next control in tab order.
void InstallEnterAsTab(QWidget* root);

// Game strings are bytes shown one to one as Latin-1.
QString FromGameBytes(const std::string& bytes);
std::string ToGameBytes(const QString& text);
// Limits a line edit to Latin-1 characters and `maxLength` bytes.
void RestrictToGameBytes(QLineEdit* edit, int maxLength);

} // namespace psn
