// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one seam through which any window talks to the user outside its own controls: message boxes
// and file dialogs. Production shows Qt dialogs; tests script the answers and read what was shown.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class QWidget;

namespace psn {

struct FileDialogRequest {
    QString title;
    QString filter;     // as "Description|*.EXT" pairs separated by "|"
    QString initialDir; // "." or "\" (the root) as written in the window's design
    QString folder;     // where the dialog opens instead of initialDir, when set
    QString defaultExt; // without the dot
    QString fileName;   // preset file name, may be empty
    bool hideReadOnly = true;
    bool validateName = false; // false: a typed name that does not exist is accepted
};

// The folder a file dialog opens in on this platform. The root of the drive ("\") is where a
// Windows game lives: the drive_c of the Wine prefix ($WINEPREFIX, else ~/.wine) when there is
// one, else the home folder.
QString DialogFolder(const FileDialogRequest& request);

// The answers to the question before unsaved edits are thrown away.
enum class SaveAnswer { Save, Discard, Cancel };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void Information(QWidget* parent, const QString& text) = 0;
    virtual void Warning(QWidget* parent, const QString& text) = 0;
    virtual void Error(QWidget* parent, const QString& text) = 0;
    // A confirmation box with "OK" and "Cancel"; true only for "OK".
    [[nodiscard]] virtual bool Confirm(QWidget* parent, const QString& text) = 0;
    // A question with "Save", "Discard" and "Cancel"; closing the box cancels.
    virtual SaveAnswer AskToSave(QWidget* parent, const QString& text) = 0;
    // The chosen path, or nothing when the user cancels.
    [[nodiscard]] virtual std::optional<QString> OpenFile(QWidget* parent,
                                                          const FileDialogRequest& request) = 0;
    [[nodiscard]] virtual std::optional<QString> SaveFile(QWidget* parent,
                                                          const FileDialogRequest& request) = 0;
    // A list of items with check boxes, none checked at first, and "OK" and "Cancel": the indices
    // of the checked items, or nothing when the user cancels.
    virtual std::optional<std::vector<int>> ChooseItems(QWidget* parent, const QString& title,
                                                        const QStringList& items) = 0;
};

// Shows real Qt message boxes and file dialogs.
class QtDialogs : public Dialogs {
public:
    void Information(QWidget* parent, const QString& text) override;
    void Warning(QWidget* parent, const QString& text) override;
    void Error(QWidget* parent, const QString& text) override;
    bool Confirm(QWidget* parent, const QString& text) override;
    SaveAnswer AskToSave(QWidget* parent, const QString& text) override;
    std::optional<QString> OpenFile(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QString> SaveFile(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<std::vector<int>> ChooseItems(QWidget* parent, const QString& title,
                                                const QStringList& items) override;
};

} // namespace psn
