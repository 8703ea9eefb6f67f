// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/seasons_form.h"

#include "core/editions.h"
#include "core/fs.h"
#include "seasons/season_archive.h"
#include "seasons/season_store.h"
#include "shell/game_read_blocks.h"
#include "shell/season_blocks.h"
#include "ui/accessibility.h"
#include "ui/game_transfer.h"
#include "ui/message_text.h"
#include "ui/record_steps.h"

#include <QDateTime>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace psn {
namespace {

QString Local(const std::string& text) {
    return QString::fromLocal8Bit(text.c_str());
}

std::string GameDir(const AppState& state) {
    return fs::Native(state.config.GameDir());
}

std::string PatchList(const AppState& state) {
    return state.StartPath(".\\DATA\\PLT.DAT");
}

[[maybe_unused]] FileDialogRequest SeasonFileRequest(const QString& title, const QString& filter) {
    FileDialogRequest request;
    request.title = title;
    request.filter = filter;
    request.initialDir = ".";
    request.defaultExt = "psnseason";
    return request;
}

} // namespace

TSeasonsForm::TSeasonsForm(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName("SeasonsForm");
    setWindowTitle(tr("Seasons"));
    resize(900, 460);
    auto* layout = new QVBoxLayout(this);
    SeasonList = new QTreeWidget(this);
    SeasonList->setObjectName("SeasonList");
    SeasonList->setRootIsDecorated(false);
    SeasonList->setHeaderLabels(
        {tr("Name"), tr("Edition"), tr("Kept"), tr("Description"), tr("Against the game now")});
    SeasonList->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The description takes the room the other columns leave; the whole of it is its tool tip.
    SeasonList->header()->setStretchLastSection(false);
    SeasonList->header()->setSectionResizeMode(3, QHeaderView::Stretch);
    SeasonList->setAccessibleName(tr("Seasons kept"));
    layout->addWidget(SeasonList);
    StatusLabel = new QLabel(this);
    StatusLabel->setObjectName("StatusLabel");
    StatusLabel->setWordWrap(true);
    layout->addWidget(StatusLabel);

    auto* form = new QFormLayout;
    NameEdit = new QLineEdit(this);
    NameEdit->setObjectName("NameEdit");
    NameEdit->setMaxLength(static_cast<int>(seasons::kMaxNameLength));
    DescriptionEdit = new QLineEdit(this);
    DescriptionEdit->setObjectName("DescriptionEdit");
    form->addRow(tr("&Name:"), NameEdit);
    form->addRow(tr("&Description:"), DescriptionEdit);
    layout->addLayout(form);

    auto* buttons = new QGridLayout;
    const auto button = [&](const char* name, const QString& text, void (TSeasonsForm::*slot)(),
                            int row, int column) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b, row, column);
        return b;
    };
    button("KeepButton", tr("&Keep the game as a season"), &TSeasonsForm::KeepClick, 0, 0);
    SwitchButton =
        button("SwitchButton", tr("&Switch to season…"), &TSeasonsForm::SwitchClick, 0, 1);
    RenameButton =
        button("RenameButton", tr("&Rename to the name above"), &TSeasonsForm::RenameClick, 0, 2);
    QPushButton* import =
        button("ImportButton", tr("&Import season…"), &TSeasonsForm::ImportClick, 1, 0);
    ExportButton = button("ExportButton", tr("&Export season…"), &TSeasonsForm::ExportClick, 1, 1);
    // A build without the archive library has no season files.
    import->setVisible(seasons::SeasonFilesAvailable());
    ExportButton->setVisible(seasons::SeasonFilesAvailable());
    DeleteButton = button("DeleteButton", tr("De&lete"), &TSeasonsForm::DeleteClick, 1, 2);
    layout->addLayout(buttons);
    auto* back = new QPushButton(tr("Back"), this);
    back->setObjectName("BitBtn1");
    connect(back, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(back, 0, Qt::AlignRight);
    connect(SeasonList, &QTreeWidget::itemSelectionChanged, this, [this] {
        const bool chosen = !Selected().isEmpty();
        for (QPushButton* b : {SwitchButton, ExportButton, RenameButton, DeleteButton})
            b->setEnabled(chosen);
    });
    MakeAccessibleWhenShown(this);
}

void TSeasonsForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Refresh();
}

QString TSeasonsForm::Selected() const {
    const QList<QTreeWidgetItem*> items = SeasonList->selectedItems();
    return items.isEmpty() ? QString() : items.front()->data(0, Qt::UserRole).toString();
}

void TSeasonsForm::Failed(const std::exception& error) {
    const auto* file = dynamic_cast<const FileError*>(&error);
    context_.dialogs.Warning(this, file ? WordedText(*file) : Local(error.what()));
}

void TSeasonsForm::Refresh() {
    const QString selected = Selected();
    SeasonList->clear();
    const seasons::Store store(seasons::DefaultStoreDir());
    std::vector<Message> damaged;
    std::optional<seasons::GameSnapshot> game;
    try {
        game = seasons::ReadGame(GameDir(context_.state));
    } catch (const seasons::SeasonError& error) {
        StatusLabel->setText(tr("The game could not be read: %1").arg(Worded(error.Said())));
    }
    for (const seasons::Season& season : store.List(&damaged)) {
        QString against = tr("not compared");
        if (game) {
            const auto changes = seasons::DiffFiles(season, *game);
            against = changes.empty() ? tr("the same as the game")
                                      : tr("files that differ: %1").arg(changes.size());
            if (season.edition != game->edition)
                against = tr("another edition");
        }
        // Kept is stored in UTC; the user reads it in local time, in the language's form.
        const QString keptUtc = QString::fromLatin1(season.kept.c_str());
        const QDateTime kept = QDateTime::fromString(keptUtc, Qt::ISODate);
        const QString description = QString::fromUtf8(season.description.c_str());
        auto* item = new QTreeWidgetItem(
            SeasonList,
            {QString::fromUtf8(season.name.c_str()),
             QString::fromLatin1(EditionName(season.edition).c_str()),
             kept.isValid() ? locale().toString(kept.toLocalTime(), QLocale::ShortFormat) : keptUtc,
             description.section('\n', 0, 0), against});
        item->setToolTip(2, keptUtc);
        item->setToolTip(3, description);
        item->setData(0, Qt::UserRole, QString::fromUtf8(season.name.c_str()));
        if (item->text(0) == selected)
            item->setSelected(true);
    }
    if (game)
        StatusLabel->setText(damaged.empty()
                                 ? tr("Seasons kept: %1").arg(SeasonList->topLevelItemCount())
                                 : tr("Damaged seasons left out: %1").arg(Worded(damaged.front())));
    emit SeasonList->itemSelectionChanged();
}

void TSeasonsForm::KeepClick() {
    const std::string name = NameEdit->text().trimmed().toStdString();
    if (!seasons::NameProblem(name).Empty()) {
        context_.dialogs.Warning(this, tr("Type the new season's name into the name field first."));
        NameEdit->setFocus();
        return;
    }
    try {
        seasons::Store store(seasons::DefaultStoreDir());
        seasons::Keep(store, GameDir(context_.state), name, DescriptionEdit->text().toStdString());
    } catch (const std::exception& error) {
        Failed(error);
        return;
    }
    Refresh();
    context_.dialogs.Information(
        this, tr("The game is kept as the season \"%1\".").arg(QString::fromUtf8(name.c_str())));
}

void TSeasonsForm::SwitchClick() {
    const QString name = Selected();
    if (name.isEmpty())
        return;
    AppState& state = context_.state;
    seasons::Store store(seasons::DefaultStoreDir());
    QStringList lines;
    try {
        const seasons::Season season = store.Get(name.toStdString());
        const SeasonComparison comparison =
            CompareSeason(store, season, GameDir(state), PatchList(state));
        if (comparison.files.empty()) {
            context_.dialogs.Information(this, tr("The game is that season already."));
            return;
        }
        for (const seasons::FileChange& change : comparison.files)
            lines << QString::fromLatin1(change.name.c_str());
        const int shown = std::min<int>(static_cast<int>(comparison.fields.size()), 12);
        for (int i = 0; i < shown; ++i)
            lines << Local(fields::DiffLine(comparison.fields[static_cast<std::size_t>(i)]));
        if (static_cast<int>(comparison.fields.size()) > shown)
            lines << tr("… and more settings: %1")
                         .arg(static_cast<int>(comparison.fields.size()) - shown);
    } catch (const std::exception& error) {
        Failed(error);
        return;
    }
    if (!context_.dialogs.Confirm(
            this, tr("Switch the game to the season \"%1\"? These change:\n\n%2\n\nThe game as it "
                     "is now is kept as a season first.")
                      .arg(name, lines.join('\n'))))
        return;
    // The record follows the game: reading it again is one step that undo takes back.
    StepScope step(context_, tr("Switch to season"));
    seasons::SwitchResult result;
    try {
        result = seasons::Switch(store, GameDir(state), name.toStdString());
    } catch (const std::exception& error) {
        Failed(error);
        Refresh();
        return;
    }
    GameReadResult read;
    if (!RunGameTransfer(context_, this, [&] { read = ReadWholeGame(state, kStartupRead); }))
        return;
    if (context_.steps)
        context_.steps->GameMatches();
    Refresh();
    context_.dialogs.Information(this, tr("The game is now the season \"%1\". The game as it was "
                                          "is kept as the season \"%2\".")
                                           .arg(name, QString::fromUtf8(result.before.c_str())));
}

void TSeasonsForm::ExportClick() {
    const QString name = Selected();
    if (name.isEmpty())
        return;
#ifdef PSN_SEASON_FILES
    FileDialogRequest request =
        SeasonFileRequest(tr("Export season"), tr("Season files|*.psnseason"));
    request.fileName = name + ".psnseason";
    const std::optional<QString> file = context_.dialogs.SaveFile(this, request);
    if (!file)
        return;
    try {
        const seasons::Store store(seasons::DefaultStoreDir());
        const auto bytes = seasons::WriteSeasonFile(store, store.Get(name.toStdString()));
        const FileResult written = fs::WriteFileDurably(file->toLocal8Bit().toStdString(), bytes);
        if (!written)
            throw seasons::SeasonError(written.said, written.path, written.reason);
    } catch (const std::exception& error) {
        Failed(error);
        return;
    }
    context_.dialogs.Information(this, tr("The season is exported to %1.").arg(*file));
#endif
}

void TSeasonsForm::ImportClick() {
#ifdef PSN_SEASON_FILES
    FileDialogRequest request =
        SeasonFileRequest(tr("Import season"), tr("Season files and packs|*.psnseason;*.zip;*.7z"));
    request.validateName = true;
    const std::optional<QString> file = context_.dialogs.OpenFile(this, request);
    if (!file)
        return;
    std::vector<std::uint8_t> bytes;
    Message reason;
    if (!fs::ReadWholeFile(file->toStdString(), bytes, reason, seasons::kMaxUnpacked)) {
        context_.dialogs.Warning(this, tr("%1 cannot be read.").arg(*file));
        return;
    }
    const AppState& state = context_.state;
    seasons::ImportOptions how;
    how.source = file->toLocal8Bit().toStdString();
    how.name = NameEdit->text().trimmed().toStdString();
    how.game = [&] { return GameDir(state); };
    how.applySettings = [&](const seasons::Files& files, std::span<const std::uint8_t> gia) {
        SettingsRecord record;
        std::copy(gia.begin(), gia.end(), record.bytes().begin());
        return ApplySettings(files, record, PatchList(state));
    };
    seasons::ImportResult result;
    try {
        seasons::Store store(seasons::DefaultStoreDir());
        result = seasons::ImportSeason(store, bytes, how);
    } catch (const std::exception& error) {
        Failed(error);
        return;
    }
    Refresh();
    QString text =
        tr("The season \"%1\" is imported.").arg(QString::fromUtf8(result.season.name.c_str()));
    if (!result.leftOut.empty()) {
        QStringList left;
        for (const std::string& entry : result.leftOut)
            left << Local(entry);
        text += "\n\n" + tr("Left out:") + "\n" + left.join('\n');
    }
    context_.dialogs.Information(this, text);
#endif
}

void TSeasonsForm::RenameClick() {
    const QString name = Selected();
    const std::string to = NameEdit->text().trimmed().toStdString();
    if (name.isEmpty())
        return;
    if (!seasons::NameProblem(to).Empty()) {
        context_.dialogs.Warning(this, tr("Type the new name into the name field first."));
        NameEdit->setFocus();
        return;
    }
    try {
        seasons::Store store(seasons::DefaultStoreDir());
        store.Rename(name.toStdString(), to);
    } catch (const std::exception& error) {
        Failed(error);
        return;
    }
    Refresh();
}

void TSeasonsForm::DeleteClick() {
    const QString name = Selected();
    if (name.isEmpty() ||
        !context_.dialogs.Confirm(this, tr("Delete the season \"%1\"?").arg(name)))
        return;
    try {
        seasons::Store store(seasons::DefaultStoreDir());
        store.Delete(name.toStdString());
    } catch (const std::exception& error) {
        Failed(error);
        return;
    }
    Refresh();
}

} // namespace psn
