// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/colour_parts_form.h"

#include "core/fs.h"
#include "ui/font_scale.h"
#include "ui/latin1_text.h"
#include "ui/message_text.h"
#include "ui/window_transfers.h"

#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace psn {
namespace {

// The parts' names as the radio buttons show them.
[[maybe_unused]] constexpr const char* kPartTexts[] = {
    QT_TRANSLATE_NOOP("psn::ColourPartsForm", "Cockpit"),
    QT_TRANSLATE_NOOP("psn::ColourPartsForm", "Mirrors"),
    QT_TRANSLATE_NOOP("psn::ColourPartsForm", "Front wing"),
    QT_TRANSLATE_NOOP("psn::ColourPartsForm", "Feet"),
    QT_TRANSLATE_NOOP("psn::ColourPartsForm", "Legs/ Pit Monitor"),
    QT_TRANSLATE_NOOP("psn::ColourPartsForm", "Waist"),
    QT_TRANSLATE_NOOP("psn::ColourPartsForm", "Thin stripe"),
    QT_TRANSLATE_NOOP("psn::ColourPartsForm", "Left chest/Sign"),
    QT_TRANSLATE_NOOP("psn::ColourPartsForm", "Right chest"),
    QT_TRANSLATE_NOOP("psn::ColourPartsForm", "Epaulettes/Jack"),
    QT_TRANSLATE_NOOP("psn::ColourPartsForm", "Left upper arm"),
    QT_TRANSLATE_NOOP("psn::ColourPartsForm", "Left forearm"),
    QT_TRANSLATE_NOOP("psn::ColourPartsForm", "Right upper arm"),
    QT_TRANSLATE_NOOP("psn::ColourPartsForm", "Right forearm"),
    QT_TRANSLATE_NOOP("psn::ColourPartsForm", "Hands"),
    QT_TRANSLATE_NOOP("psn::ColourPartsForm", "Head"),
    QT_TRANSLATE_NOOP("psn::ColourPartsForm", "Team logo"),
};

} // namespace

namespace {

constexpr int kListRowHeight = 16;

} // namespace

ColourPartsForm::ColourPartsForm(AppContext& context, QWidget* parent, const ColourWindow& window)
    : QDialog(parent), context_(context), model_(context.state.record, window.parts, window.rows),
      read_(window.read), write_(window.write) {
    const auto parts = window.parts;
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    image_ = new TWinGImage(this);
    image_->setObjectName("WinGImage1");
    image_->setGeometry(0, 0, colours::kSurfaceWidth, colours::kSurfaceHeight);
    list_ = new QListWidget(this);
    list_->setObjectName("ListBox1");
    list_->setUniformItemSizes(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    HoldText(list_, AnyName(rec::kTeamNameCapacity));
    label_ = new QLabel(this);
    label_->setObjectName("Label1");
    auto button = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(tr(caption), this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    back_ = button("BitBtn1", QT_TR_NOOP("Back"));
    import_ = button("BitBtn2", QT_TR_NOOP("Import data from game"));
    export_ = button("BitBtn6", QT_TR_NOOP("Export data into game"));
    restore_ = button("BitBtn3", QT_TR_NOOP("Restore original data"));
    for (std::size_t p = 0; p < parts.size(); ++p) {
        auto* radio = new QRadioButton(tr(parts[p].caption), this);
        radio->setObjectName(QString("RadioButton95%1").arg(p + 1));
        connect(radio, &QRadioButton::clicked, this, [this] { RadioButtonClick(); });
        radios_.push_back(radio);
    }
    radios_.front()->setChecked(true);
    connect(back_, &QPushButton::clicked, this, &QDialog::close);
    connect(import_, &QPushButton::clicked, this, &ColourPartsForm::BitBtn2Click);
    connect(export_, &QPushButton::clicked, this, &ColourPartsForm::BitBtn6Click);
    connect(restore_, &QPushButton::clicked, this, &ColourPartsForm::BitBtn3Click);
    // Moving the current row by keyboard acts as clicking that row.
    connect(list_, &QListWidget::itemClicked, this, [this] { ListBox1Click(); });
    connect(list_, &QListWidget::currentRowChanged, this, [this] { ListBox1Click(); });
    connect(image_, &TWinGImage::OnMouseMove, this,
            [this](Qt::KeyboardModifiers, int x, int y) { WinGImage1MouseMove(x, y); });
    connect(image_, &TWinGImage::OnMouseDown, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
                WinGImage1MouseDown(x, y);
            });

    const std::string path = fs::ResolveCase(context.state.StartPath(window.pictureFile));
    try {
        image_->SetFileName(QString::fromStdString(path));
    } catch (const GraphicError& error) {
        context.dialogs.Error(this, WordedText(error));
    }
    if (image_->WinG().Width() != colours::kSurfaceWidth ||
        image_->WinG().Height() != colours::kSurfaceHeight) {
        // Without a usable picture the window still works on a blank surface of the right size.
        image_->SetLoading(true);
        image_->WinG().SetWidth(colours::kSurfaceWidth);
        image_->WinG().SetHeight(colours::kSurfaceHeight);
        image_->SetLoading(false);
    }
}

std::span<std::uint8_t> ColourPartsForm::Surface() {
    TWinG& wing = image_->WinG();
    return {wing.Surface(), static_cast<std::size_t>(wing.Stride()) * wing.Height()};
}

void ColourPartsForm::TakeReference() {
    model_.TakeReference(Surface());
}

void ColourPartsForm::ClearPicture() {
    model_.Clear(Surface());
}

void ColourPartsForm::FillPicture() {
    model_.Recolour(Surface());
}

void ColourPartsForm::MarkCurrentPart(bool highlight) {
    model_.MarkPart(Surface(), context_.state.palette, highlight);
}

void ColourPartsForm::ShowElement(int x, int y) {
    if (x < 0 || x >= colours::kSurfaceWidth || y < 0 || y >= colours::kPictureRows)
        return;
    const auto part = model_.PartAt(x, y);
    label_->setText(
        part ? tr("Detail: %1").arg(tr(model_.Parts()[static_cast<std::size_t>(*part)].caption))
             : tr("Detail: (nothing)"));
}

void ColourPartsForm::GetColor(int x, int y) {
    const auto part = model_.PartAt(x, y);
    if (!part)
        return;
    MarkCurrentPart(false);
    model_.ChoosePart(*part);
    radios_[static_cast<std::size_t>(*part)]->setChecked(true);
    MarkCurrentPart(true);
    image_->Repaint();
}

void ColourPartsForm::SetColor(int x, int y) {
    MarkCurrentPart(false);
    if (model_.PickSwatch(x, y))
        FillPicture();
    MarkCurrentPart(true);
    image_->Repaint();
}

void ColourPartsForm::FillTeamList() {
    const QSignalBlocker block(list_);
    list_->clear();
    const std::vector<int>& teams = model_.ListTeams();
    for (const int t : teams) {
        auto* item = new QListWidgetItem(
            FromGameBytes(context_.state.record.str(rec::TeamName(t), rec::kTeamNameCapacity)));
        item->setSizeHint(QSize(0, ToFont(list_, kListRowHeight)));
        list_->addItem(item);
    }
    list_->resize(list_->width(),
                  ToFont(list_, kListRowHeight) * static_cast<int>(teams.size()) + 4);
    list_->setCurrentRow(0);
}

void ColourPartsForm::FormActivate() {
    label_->setText(tr("Detail: (nothing)"));
    colours::DrawSwatchGrid(Surface());
    MarkCurrentPart(true);
    image_->Repaint();
}

void ColourPartsForm::ListBox1Click() {
    const int row = list_->currentRow();
    if (row < 0 || row >= static_cast<int>(model_.RowTeams().size()))
        return;
    MarkCurrentPart(false);
    model_.ChooseRow(row);
    FillPicture();
    MarkCurrentPart(true);
    image_->Repaint();
}

void ColourPartsForm::RadioButtonClick() {
    MarkCurrentPart(false);
    for (std::size_t p = 0; p < radios_.size(); ++p)
        if (radios_[p]->isChecked())
            model_.ChoosePart(static_cast<int>(p));
    MarkCurrentPart(true);
    image_->Repaint();
}

void ColourPartsForm::WinGImage1MouseMove(int x, int y) {
    if (y < colours::kPictureRows)
        ShowElement(x, y);
}

void ColourPartsForm::WinGImage1MouseDown(int x, int y) {
    if (y < colours::kPictureRows)
        GetColor(x, y);
    else if (y <= colours::kGridBottom)
        SetColor(x, y);
}

void ColourPartsForm::FormCreate() {
    TakeReference();
    model_.ChoosePart(0);
    FillTeamList();
    model_.ChooseTeam(1);
    ClearPicture();
    FillPicture();
    MarkCurrentPart(true);
    image_->Repaint();
}

void ColourPartsForm::Redraw() {
    FillPicture();
    FormActivate();
}

void ColourPartsForm::BitBtn2Click() {
    ImportExeBlocks(context_, this, {read_});
}

void ColourPartsForm::BitBtn6Click() {
    ExportExeBlocks(context_, this, {write_});
}

void ColourPartsForm::BitBtn3Click() {
    RestoreOriginalData(context_, this);
    Redraw();
}

void ColourPartsForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Coming back from being minimised is no new showing: the chosen team stays.
    if (event->spontaneous())
        return;
    // The list and the picture follow the record as it is now: names, teams in use and colours
    // may have changed since the window was last shown.
    FillTeamList();
    FillPicture();
    FormActivate();
}

void ColourPartsForm::mousePressEvent(QMouseEvent* event) {
    QDialog::mousePressEvent(event);
    FormClick();
}

} // namespace psn
