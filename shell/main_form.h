// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window: its creation runs the start-up load; afterwards it launches the editor
// windows from its picture buttons and holds the settings-file commands in its menu.
#pragma once

#include "core/game_lock.h"
#include "shell/start_form.h"
#include "shell/window_set.h"
#include "ui/app_context.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <vector>

class QAction;
class QLabel;

namespace psn {

class PendingConversion;
class PictureButton;
class RecordSteps;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    enum class Startup {
        Loaded,    // the record holds the game's values
        Cancelled, // the user cancelled locating the game: nothing was opened or loaded
        Ended,     // a fatal file access error ended the program
    };

    explicit TMainForm(AppContext& context, QWidget* parent = nullptr);

    ~TMainForm() override;

    // The shipped pictures the start-up shows: the buttons' and the progress window's.
    static std::vector<const char*> Pictures();

    Startup StartupResult() const { return startup_; }
    // Creates every other window, hidden, in their fixed order, while the converter extracts the
    // helmet sheet for the helmet window.
    void CreateOtherWindows();
    WindowSet& Windows() { return windows_; }
    // Loads a settings file as "Load settings" does (the file a file manager opens the editor
    // with); a file that does not load is reported.
    void OpenSettingsFile(const std::string& path);
    // The record's undo history; null when the start-up did not load the game.
    RecordSteps* Steps() const { return steps_; }
    // Where unsaved edits are kept while the editor runs.
    std::string UnsavedEditsPath() const;
    TStartForm* StartForm() const { return startForm_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateLayout();
    void CreateMenu();
    PictureButton* AddPictureButton(const WindowButton& entry);
    void DescribeButtons();
    void OpenWindow(QWidget* window, bool hideMain);

    void FormCreate();
    [[nodiscard]] bool LocateGame();
    void ShowProgress();
    void ExtractHelmetSheet();
    void FinishHelmetSheet();
    void WriteOriginalSnapshotIfMissing();

    void Loadsettings1Click();
    void Savesettings1Click();
    void SavesettingsAs1Click();
    void Restoreoriginalsettings1Click();
    void Restorefrombackup1Click();
    void Settingsdescription1Click();
    void ImportExport1Click();
    void Comparewithgame1Click();
    void Seasons1Click();
    void About1Click();
    void Gettingstarted1Click();
    void TrackEditorButtonClick();
    void UpdateTitle();
    void UpdateModifiedMark();
    void StartHistory();
    [[nodiscard]] bool HoldEditorFolder();
    void OfferUnsavedEdits();
    // Asks before unsaved edits are lost; false when the user keeps the window open.
    [[nodiscard]] bool MayDiscardEdits();
    QString DescriptionText() const;

    AppContext& context_;
    WindowSet windows_;
    Startup startup_ = Startup::Loaded;
    QPointer<TStartForm> startForm_;
    QLabel* EditionLabel = nullptr;
    bool configWritten_ = false;
    RecordSteps* steps_ = nullptr;
    QString title_; // the title without the unsaved mark
    // The helmet sheet's extraction runs while the other windows are created.
    std::unique_ptr<PendingConversion> helmetExtraction_;
    QString helmetProblem_; // why the start-up extracted no helmet sheet
    // Held for the whole run: this editor keeps the editor folder's unsaved edits.
    GameLock folderLock_;
};

} // namespace psn
