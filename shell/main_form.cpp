// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/main_form.h"

#include "core/fs.h"
#include "core/settings_files.h"
#include "graphics/helmet_form.h"
#include "shell/backup_restore.h"
#include "shell/compare_form.h"
#include "shell/des_form.h"
#include "shell/field_names.h"
#include "shell/game_read_blocks.h"
#include "shell/help_texts.h"
#include "shell/path_form.h"
#include "shell/pictures.h"
#include "shell/record_fields_table.h"
#include "shell/seasons_form.h"
#include "shell/settings_commands.h"
#include "shell/start_form.h"
#include "shell/step_names.h"
#include "tracks/track_blocks.h"
#include "tracks/track_install.h"
#include "ui/accessibility.h"
#include "ui/converter_runner.h"
#include "ui/enter_as_tab.h"
#include "ui/font_scale.h"
#include "ui/game_command.h"
#include "ui/game_transfer.h"
#include "ui/latin1_text.h"
#include "ui/message_text.h"
#include "ui/picture_button.h"
#include "ui/record_steps.h"
#include "ui/window_transfers.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>
#include <cstdio>

namespace psn {
namespace {

constexpr int kProgressStep = 4;
constexpr int kButtonWidth = 173, kButtonHeight = 59;

constexpr WindowButton kTrackEditorButton = {"TrackEditorButton",
                                             QT_TRANSLATE_NOOP("psn::TMainForm", "Track Editor"),
                                             ".\\DATA\\BT_TRACKED.BMP",
                                             346,
                                             124,
                                             false};
constexpr WindowButton kExitButton = {
    "ExitButton", QT_TRANSLATE_NOOP("psn::TMainForm", "EXIT"), ".\\DATA\\BT_EXIT.BMP", 348, 302,
    false};
// Hidden and disabled: the menu's "Install car set…" opens the installer.
constexpr WindowButton kCarSetsButton = {"CarSetsButton",
                                         QT_TRANSLATE_NOOP("psn::TMainForm", "Car Sets"),
                                         ".\\DATA\\BT_CARSETS.BMP",
                                         480,
                                         7,
                                         false};

// The windows' rows that have a picture button, made column by column and top to bottom, so that
// a screen reader walks the buttons in the order the eye reads them.
std::vector<const WindowRow*> ButtonRows() {
    std::vector<const WindowRow*> rows;
    for (const WindowRow& row : WindowRows())
        if (row.button.name)
            rows.push_back(&row);
    const auto column = [](const WindowRow* row) {
        return (row->button.left + kButtonWidth / 2) / kButtonWidth;
    };
    std::ranges::stable_sort(rows, [&column](const WindowRow* a, const WindowRow* b) {
        return column(a) != column(b) ? column(a) < column(b) : a->button.top < b->button.top;
    });
    return rows;
}

QString Native(const std::string& path) {
    return QFile::decodeName(path.c_str());
}

} // namespace

TMainForm::TMainForm(AppContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context) {
    setObjectName("MainForm");
    CreateLayout();
    CreateMenu();
    InstallEnterAsTab(this);
    OrderTabsByColumns(centralWidget());
    DescribeButtons();
    MakeAccessibleWhenShown(this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    FormCreate();
    if (startup_ == Startup::Loaded)
        StartHistory();
}

TMainForm::~TMainForm() {
    // Ending without a close (a test, the program's own end) is a normal end too.
    if (steps_ && !context_.ended)
        steps_->RemoveKept();
}

void TMainForm::CreateLayout() {
    auto* client = new QWidget(this);
    client->setObjectName("Client");
    client->setFixedSize(521, 363);
    setCentralWidget(client);

    for (const WindowRow* row : ButtonRows()) {
        const auto window = row->window;
        const bool hideMain = row->button.hideMain;
        connect(AddPictureButton(row->button), &QAbstractButton::clicked, this,
                [this, window, hideMain] { OpenWindow(window(windows_), hideMain); });
    }
    connect(AddPictureButton(kTrackEditorButton), &QAbstractButton::clicked, this,
            &TMainForm::TrackEditorButtonClick);
    connect(AddPictureButton(kExitButton), &QAbstractButton::clicked, this, &QWidget::close);

    PictureButton* carSets = AddPictureButton(kCarSetsButton);
    carSets->resize(27, 20);
    carSets->hide();
    carSets->setEnabled(false);
    carSets->setFocusPolicy(Qt::NoFocus);
    connect(carSets, &QAbstractButton::clicked, this,
            [this] { OpenWindow(windows_.carSets, false); });

    EditionLabel = new QLabel("PSN: ", client);
    EditionLabel->setObjectName("EditionLabel");
    EditionLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QFont bold = EditionLabel->font();
    bold.setBold(true);
    EditionLabel->setFont(bold);
    EditionLabel->move(179, 28);
    EditionLabel->adjustSize();
}

PictureButton* TMainForm::AddPictureButton(const WindowButton& entry) {
    auto* button = new PictureButton(tr(entry.label), LoadPicture(context_.state, entry.picture),
                                     centralWidget());
    button->setObjectName(entry.name);
    button->setGeometry(entry.left, entry.top, kButtonWidth, kButtonHeight);
    return button;
}

// A screen reader speaks a picture button's label as its name; the description says what it does.
void TMainForm::DescribeButtons() {
    for (const WindowRow* row : ButtonRows())
        if (auto* button = findChild<PictureButton*>(row->button.name))
            button->setAccessibleDescription(tr("Opens the %1 window").arg(tr(row->button.label)));
    if (auto* button = findChild<PictureButton*>(kTrackEditorButton.name))
        button->setAccessibleDescription(tr("Opens the track editor for the game's tracks"));
    if (auto* button = findChild<PictureButton*>(kExitButton.name))
        button->setAccessibleDescription(tr("Ends the editor"));
}

std::vector<const char*> TMainForm::Pictures() {
    std::vector<const char*> pictures;
    for (const WindowRow* row : ButtonRows())
        pictures.push_back(row->button.picture);
    for (const WindowButton* b : {&kTrackEditorButton, &kExitButton, &kCarSetsButton})
        pictures.push_back(b->picture);
    pictures.push_back(kStartPicture);
    return pictures;
}

void TMainForm::CreateMenu() {
    struct Item {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
        void (TMainForm::*handler)();
    };
    auto add = [this](QMenu* menu, const Item& item) {
        QAction* action = menu->addAction(tr(item.caption));
        action->setObjectName(item.name);
        action->setShortcut(item.shortcut);
        connect(action, &QAction::triggered, this, item.handler);
    };
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName("File1");
    add(file, {"Loadsettings1", QT_TR_NOOP("&Load settings"), QKeySequence(Qt::CTRL | Qt::Key_L),
               &TMainForm::Loadsettings1Click});
    file->addSeparator();
    add(file, {"Savesettings1", QT_TR_NOOP("&Save settings"), QKeySequence(Qt::CTRL | Qt::Key_S),
               &TMainForm::Savesettings1Click});
    add(file, {"SavesettingsAs1", QT_TR_NOOP("Save settings &As"), QKeySequence(),
               &TMainForm::SavesettingsAs1Click});
    file->addSeparator();
    add(file, {"Restoreoriginalsettings1", QT_TR_NOOP("&Restore original settings"),
               QKeySequence(Qt::CTRL | Qt::Key_R), &TMainForm::Restoreoriginalsettings1Click});
    add(file, {"Restorefrombackup1", QT_TR_NOOP("Restore game files from &backup…"), QKeySequence(),
               &TMainForm::Restorefrombackup1Click});
    file->addSeparator();
    QAction* exit = file->addAction(tr("E&xit"));
    exit->setObjectName("Exit1");
    // Ctrl+Q as on every desktop, beside the original Ctrl+X.
    exit->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::CTRL | Qt::Key_Q)});
    connect(exit, &QAction::triggered, this, &QWidget::close);

    // Undo and redo come with the history once the game is loaded.
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName("Edit1");

    QMenu* options = menuBar()->addMenu(tr("&Options"));
    options->setObjectName("Options1");
    add(options, {"Settingsdescription1", QT_TR_NOOP("&Settings description"), QKeySequence(),
                  &TMainForm::Settingsdescription1Click});
    add(options, {"ImportExport1", QT_TR_NOOP("&Import/Export"), QKeySequence(Qt::CTRL | Qt::Key_I),
                  &TMainForm::ImportExport1Click});
    add(options, {"Comparewithgame1", QT_TR_NOOP("&Compare with game…"), QKeySequence(),
                  &TMainForm::Comparewithgame1Click});
    add(options, {"Seasons1", QT_TR_NOOP("S&easons…"), QKeySequence(), &TMainForm::Seasons1Click});
    // The installer's picture button is hidden; the menu is the way to it.
    QAction* carSets = options->addAction(tr("I&nstall car set…"));
    carSets->setObjectName("InstallCarSet1");
    connect(carSets, &QAction::triggered, this, [this] { OpenWindow(windows_.carSets, false); });

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName("Help1");
    add(help, {"About1", QT_TR_NOOP("&About"), QKeySequence(), &TMainForm::About1Click});
    add(help, {"Gettingstarted1", QT_TR_NOOP("&Getting started"), QKeySequence(),
               &TMainForm::Gettingstarted1Click});
}

void TMainForm::FormCreate() {
    AppState& state = context_.state;
    state.currentSettingsFile.clear();
    state.trackEntryKnown.fill(false);
    setWindowTitle(kMainTitle);
    state.startDir = fs::CurrentDirectory();

    bool locate = !ReadConfig(state);
    for (;;) {
        if (!locate && !fs::Exists(state.ExePath())) {
            // A moved or removed game would otherwise fail every start with a file access error.
            context_.dialogs.Error(
                this, QString(fs::IsLinkLoop(state.ExePath())
                                  ? "The game executable '%1' is a link that leads round in a "
                                    "loop. Please locate PSN.EXE again."
                                  : "The game executable '%1' no longer exists. Please locate "
                                    "PSN.EXE again.")
                          .arg(Native(state.config.ExePath())));
            locate = true;
        }
        if (locate && !LocateGame()) {
            startup_ = Startup::Cancelled;
            return;
        }
        // The load is one command: an interrupted commit is dealt with first, and no other program
        // changes the game between its reads.
        GameCommand load(context_, this, GameCommand::WhenBusy::AskAgain);
        if (!load.Started()) {
            startup_ = context_.ended ? Startup::Ended : Startup::Cancelled;
            return;
        }
        ShowProgress();
        GameReadResult read;
        const bool loaded = RunGameTransfer(context_, this, [&] {
            state.RestoreStartDir();
            // Every start takes the track block whenever the track files are installed, so that
            // every start gives the same record and no command writes an unread block. A damaged
            // track file only keeps its own entry unread; it is reported below.
            read =
                ReadWholeGame(state, kStartupRead, [this] { startForm_->Advance(kProgressStep); });
            if (!read.isGameExe)
                return;
            state.config.SetEdition(state.edition);
            EditionLabel->setText("PSN: " + FromGameBytes(EditionName(state.edition)));
            EditionLabel->adjustSize();
            state.palette = LoadGamePalette(state.StartPath(".\\DATA\\PSN.PAL"));
            startForm_->Advance(kProgressStep);
        });
        if (loaded)
            (void)load.Commit(this); // a failure has ended the program
        if (context_.ended) {
            startup_ = Startup::Ended;
            return;
        }
        // A damaged shipped data file is reported; the game's own values are in.
        if (!read.dataFileProblem.Empty())
            context_.dialogs.Error(this, Worded(read.dataFileProblem));
        if (!read.trackProblems.empty())
            context_.dialogs.Warning(this, Worded(DescribeTrackReadProblems(read.trackProblems)));
        if (read.isGameExe || !loaded)
            break;
        // Reading on would fill the record from a file that is not the game.
        delete startForm_;
        context_.dialogs.Error(
            this, QString("'%1' is not the game's executable: it is too short to hold the "
                          "edition byte. Please locate PSN.EXE again.")
                      .arg(Native(state.config.ExePath())));
        state.RestoreStartDir();
        locate = true;
    }
    WriteOriginalSnapshotIfMissing();
    // The helmet sheet is extracted while the other windows are created, once the main window is
    // on the screen: a process started now would compete with the main window for the processor.
    startForm_->SetPosition(100);
}

bool TMainForm::LocateGame() {
    TPathForm form(context_, this);
    FitToFont(&form);
    const bool found = form.Locate();
    context_.state.RestoreStartDir();
    return found;
}

void TMainForm::ShowProgress() {
    startForm_ = new TStartForm(context_.state, this);
    startForm_->setAttribute(Qt::WA_DeleteOnClose);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        startForm_->move(screen->availableGeometry().center() - startForm_->rect().center());
    startForm_->show();
    startForm_->repaint();
    QCoreApplication::processEvents();

    startForm_->Advance(kProgressStep);
}

// The converter extracts the helmet sheet into .\TEMP\HELMETS.BMP here, for the helmet window.
// A missing or failing converter never stops the start-up: the helmet window says why it has no
// sheet when it is first opened.
void TMainForm::ExtractHelmetSheet() {
    const AppState& state = context_.state;
    helmetExtraction_ = ConverterRunner(state).StartExtract(
        ExtractHelmetsCommand(state.config.GameDir()), kHelmetsBitmap);
}

void TMainForm::FinishHelmetSheet() {
    if (!helmetExtraction_)
        return;
    const ConverterOutcome outcome = ConverterRunner(context_.state).Wait(*helmetExtraction_);
    helmetExtraction_.reset();
    helmetProblem_ = outcome.ok ? QString() : outcome.error;
}

// The shipped originals are the user's own unchanged game, taken at the first start; track entries
// that could not be read yet are completed by the first full read of the track block.
void TMainForm::WriteOriginalSnapshotIfMissing() {
    AppState& state = context_.state;
    if (OriginalSettingsExist(state))
        return;
    if (const FileResult result = WriteOriginalSnapshot(state, !TrackDataPending(state));
        !result.Ok())
        context_.dialogs.Warning(
            this,
            tr("%1\n\nYour game's original values could not be kept, so \"Restore original "
               "data\" cannot bring them back. The editor tries again at its next start; make "
               "the file writable or free some space.")
                .arg(Worded(result)));
}

void TMainForm::CreateOtherWindows() {
    ExtractHelmetSheet();
    CreateWindows(windows_, context_, this);
    FinishHelmetSheet();
    if (auto* helmets = qobject_cast<THelmetForm*>(windows_.helmets))
        helmets->SetStartupProblem(helmetProblem_);
    if (windows_.description)
        connect(windows_.description, &TDesForm::SettingsFileChosen, this, &TMainForm::UpdateTitle);
    if (!steps_)
        return;
    for (QWidget* window : windows_.All())
        steps_->Attach(window);
    // The description box holds its text until it is saved: only a step of its own renews it.
    if (TDesForm* description = windows_.description)
        connect(steps_, &RecordSteps::Restored, description, [description](bool changed) {
            if (changed)
                description->ShowRecordDescription();
        });
    if (!HoldEditorFolder())
        return;
    OfferUnsavedEdits();
    steps_->KeepUnsavedEdits(UnsavedEditsPath());
}

void TMainForm::StartHistory() {
    RecordSteps::Fields fields;
    fields.name = StepTitle;
    // The field table names windows by their English titles; a window shows its title in the
    // desktop's language.
    fields.copyWindow = [](SettingsRecord& game, const SettingsRecord& record,
                           const QWidget& window) {
        const QString shown = window.windowTitle().trimmed();
        for (const fields::GroupInfo& info : fields::Groups())
            if (*info.window &&
                (shown == info.window ||
                 shown == QCoreApplication::translate(window.metaObject()->className(), info.window)
                              .trimmed()))
                (void)CopyWindowFields(game, record, info.window); // the group names it
    };
    fields.sameInGame = SameInGame;
    steps_ = new RecordSteps(context_, std::move(fields), this);
    steps_->Attach(this);
    if (auto* edit = menuBar()->findChild<QMenu*>("Edit1")) {
        edit->addAction(steps_->UndoAction());
        edit->addAction(steps_->RedoAction());
    }
    // The mark follows every step; the title's text changes only where it did before.
    connect(steps_, &RecordSteps::Changed, this, &TMainForm::UpdateModifiedMark);
    UpdateTitle();
}

std::string TMainForm::UnsavedEditsPath() const {
    return fs::Join(context_.state.startDir, kUnsavedEditsFile);
}

// One editor at a time keeps unsaved edits in an editor folder: a second one would take the
// first one's edits for a crash's, and each would overwrite the other's. The lock ends with its
// holder's process, so a crashed editor leaves its edits to the next start.
bool TMainForm::HoldEditorFolder() {
    bool busy = false;
    try {
        folderLock_ = GameLock::TryHold(UnsavedEditsPath() + ".lck", busy);
    } catch (const GameLockError&) {
        return true; // a link or folder in its place: kept as before, without the guard
    }
    if (!busy)
        return true;
    context_.dialogs.Warning(
        this, tr("The editor is already running in %1. This window works as usual, but only the "
                 "other one keeps unsaved settings for the case that it does not end normally: "
                 "save your settings to a file before you close this window.")
                  .arg(Native(context_.state.startDir)));
    return false;
}

// Edits kept by a run that did not end normally come back as one step, or are discarded.
void TMainForm::OfferUnsavedEdits() {
    const std::string path = UnsavedEditsPath();
    if (!fs::Exists(path))
        return;
    std::vector<std::uint8_t> bytes;
    const FileResult read = ReadSettingsBytes(path, kSettingsDocumentLimit, bytes);
    const auto record = read.Ok() ? RecordFromUnsavedEdits(bytes) : std::nullopt;
    if (!record) {
        // Kept aside rather than removed: it may be worth a look.
        const std::string aside = path + ".damaged";
        std::rename(path.c_str(), aside.c_str());
        context_.dialogs.Warning(
            this, tr("The settings kept from the last run in '%1' cannot be read, so they "
                     "were not brought back. The file was kept as '%2'.")
                      .arg(Native(path), Native(aside)));
        return;
    }
    if (*record != context_.state.record &&
        context_.dialogs.Confirm(
            this, tr("The editor did not end normally last time, and settings edited then "
                     "were not saved. Press OK to bring them back (Undo takes them back "
                     "again), or Cancel to discard them.\n\n%1")
                      .arg(Native(path)))) {
        StepScope step(context_, tr("Bring back unsaved settings"));
        context_.state.record = *record;
    }
    fs::DeleteFile(path);
}

bool TMainForm::MayDiscardEdits() {
    if (!steps_ || context_.ended || !steps_->Modified())
        return true;
    switch (context_.dialogs.AskToSave(
        this, tr("The settings have been changed since they were last read from or written to the "
                 "game or a settings file. Save them before the editor closes?"))) {
    case SaveAnswer::Save:
        Savesettings1Click();
        // A save that was cancelled or failed keeps the window open, and the edits with it.
        return !steps_->Modified();
    case SaveAnswer::Discard:
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (startForm_ && startForm_->isVisible())
        startForm_->close();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!configWritten_ && !MayDiscardEdits()) {
        event->ignore();
        return;
    }
    // After a fatal file access error nothing is written any more.
    if (!context_.ended && !configWritten_) {
        configWritten_ = true;
        if (const FileResult result = WriteConfig(context_.state); !result.Ok())
            context_.dialogs.Warning(
                this,
                tr("%1\n\nThe editor's settings (where the game is) could not be saved; at its "
                   "next start the editor asks for the game again.")
                    .arg(Worded(result)));
    }
    if (steps_ && !context_.ended)
        steps_->RemoveKept();
    QMainWindow::closeEvent(event);
}

void TMainForm::OpenWindow(QWidget* window, bool hideMain) {
    if (!window)
        return;
    if (hideMain)
        hide();
    ShowModal(window);
    if (hideMain && !context_.ended)
        show();
}

void TMainForm::TrackEditorButtonClick() {
    if (auto* editor = qobject_cast<QDialog*>(windows_.trackEditor))
        RunTrackEditorButton(context_, this, *editor);
}

QString TMainForm::DescriptionText() const {
    return windows_.description ? windows_.description->Text() : QString("no description");
}

void TMainForm::UpdateTitle() {
    title_ = SettingsTitle(context_.state);
    UpdateModifiedMark();
}

// The title already has stars of its own, among which the desktop's "*" would be lost: unsaved
// edits put a mark of their own in front of it.
void TMainForm::UpdateModifiedMark() {
    const bool modified = steps_ && steps_->Modified();
    setAttribute(Qt::WA_WindowModified, modified);
    setWindowTitle(modified ? QStringLiteral("\u25CF ") + title_ : title_);
}

void TMainForm::Loadsettings1Click() {
    if (LoadSettings(context_, this))
        UpdateTitle();
    if (windows_.description)
        windows_.description->ShowRecordDescription();
}

void TMainForm::OpenSettingsFile(const std::string& path) {
    if (LoadSettingsFile(context_, this, path))
        UpdateTitle();
    if (windows_.description)
        windows_.description->ShowRecordDescription();
}

void TMainForm::Savesettings1Click() {
    if (SaveSettings(context_, this, DescriptionText(), false))
        UpdateTitle();
}

void TMainForm::SavesettingsAs1Click() {
    if (SaveSettings(context_, this, DescriptionText(), true))
        UpdateTitle();
}

void TMainForm::Restoreoriginalsettings1Click() {
    RestoreOriginalData(context_, this, "Restore original settings");
}

void TMainForm::Restorefrombackup1Click() {
    RestoreGameBackups(context_, this);
}

void TMainForm::Settingsdescription1Click() {
    OpenWindow(windows_.description, false);
}

void TMainForm::ImportExport1Click() {
    OpenWindow(windows_.importExport, false);
}

void TMainForm::About1Click() {
    context_.dialogs.Information(this, AboutText(context_.state));
}

void TMainForm::Gettingstarted1Click() {
    context_.dialogs.Information(this, GettingStartedText(context_.state));
}

void TMainForm::Comparewithgame1Click() {
    TCompareForm form(context_, this);
    ShowModal(&form);
}

void TMainForm::Seasons1Click() {
    TSeasonsForm form(context_, this);
    FitToFont(&form);
    ShowModal(&form);
}

} // namespace psn
