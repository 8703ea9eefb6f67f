// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/dialogs.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QListWidget>
#include <QMessageBox>
#include <QStringList>
#include <QVBoxLayout>

namespace psn {
namespace {

// "All settings files|*.GIA" becomes "All settings files (*.GIA)".
QString QtFilter(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList result;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        result << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
    return result.join(";;");
}

void Configure(QFileDialog& dialog, const FileDialogRequest& request) {
    dialog.setWindowTitle(request.title);
    dialog.setNameFilter(QtFilter(request.filter));
    dialog.setDirectory(DialogFolder(request));
    dialog.setDefaultSuffix(request.defaultExt);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    dialog.setOption(QFileDialog::ReadOnly, false);
}

std::optional<QString> Run(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    QDir::setCurrent(QFileInfo(dialog.selectedFiles().front()).absolutePath());
    return dialog.selectedFiles().front();
}

} // namespace

QString DialogFolder(const FileDialogRequest& request) {
    if (!request.folder.isEmpty())
        return request.folder;
    if (request.initialDir != "\\")
        return request.initialDir.isEmpty() ? QString(".") : request.initialDir;
    const QString prefix = qEnvironmentVariable("WINEPREFIX");
    for (const QString& drive :
         {prefix.isEmpty() ? QString() : prefix + "/drive_c", QDir::homePath() + "/.wine/drive_c"})
        if (!drive.isEmpty() && QFileInfo(drive).isDir())
            return QDir::cleanPath(drive);
    return QDir::homePath();
}

namespace {

// A message box whose title and text a screen reader reads out as its name and description.
int ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
            QMessageBox::StandardButtons buttons = QMessageBox::Ok) {
    QMessageBox box(icon, title, text, buttons, parent);
    box.setDefaultButton(QMessageBox::Ok);
    box.setAccessibleName(title);
    box.setAccessibleDescription(text);
    return box.exec();
}

} // namespace

void QtDialogs::Information(QWidget* parent, const QString& text) {
    ShowBox(parent, QMessageBox::Information,
            QCoreApplication::translate("psn::QtDialogs", "Information"), text);
}

void QtDialogs::Warning(QWidget* parent, const QString& text) {
    ShowBox(parent, QMessageBox::Warning, QCoreApplication::translate("psn::QtDialogs", "Warning"),
            text);
}

void QtDialogs::Error(QWidget* parent, const QString& text) {
    ShowBox(parent, QMessageBox::Critical, QCoreApplication::translate("psn::QtDialogs", "Error"),
            text);
}

bool QtDialogs::Confirm(QWidget* parent, const QString& text) {
    return ShowBox(parent, QMessageBox::Question,
                   QCoreApplication::translate("psn::QtDialogs", "Confirm"), text,
                   QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

SaveAnswer QtDialogs::AskToSave(QWidget* parent, const QString& text) {
    switch (QMessageBox::warning(
        parent, QCoreApplication::translate("psn::QtDialogs", "Unsaved settings"), text,
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save)) {
    case QMessageBox::Save:
        return SaveAnswer::Save;
    case QMessageBox::Discard:
        return SaveAnswer::Discard;
    default:
        return SaveAnswer::Cancel;
    }
}

std::optional<QString> QtDialogs::OpenFile(QWidget* parent, const FileDialogRequest& request) {
    QFileDialog dialog(parent);
    Configure(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.validateName ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    return Run(dialog);
}

std::optional<QString> QtDialogs::SaveFile(QWidget* parent, const FileDialogRequest& request) {
    QFileDialog dialog(parent);
    Configure(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // An existing file is replaced without a question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    return Run(dialog);
}

std::optional<std::vector<int>> QtDialogs::ChooseItems(QWidget* parent, const QString& title,
                                                       const QStringList& items) {
    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto* list = new QListWidget(&dialog);
    list->setAccessibleName(title);
    for (const QString& text : items) {
        auto* item = new QListWidgetItem(text, list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(list);
    layout->addWidget(buttons);
    dialog.resize(560, 320);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    std::vector<int> chosen;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->checkState() == Qt::Checked)
            chosen.push_back(i);
    return chosen;
}

} // namespace psn
