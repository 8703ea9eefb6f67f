// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/colour_parts_form.h"

#include "core/fs.h"
#include "ui/font_scale.h"
#include "ui/latin1_text.h"

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

constexpr int kTeamCount = 14;
constexpr int kListRowHeight = 16;

} // namespace

ColourPartsForm::ColourPartsForm(AppContext& context, QWidget* parent, const char* pictureFile,
                                 std::span<const colours::PartRange> parts)
    : QDialog(parent), context_(context), parts_(parts) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    image_ = new TWinGImage(this);
    image_->setObjectName("WinGImage1");
    image_->setGeometry(0, 0, colours::kSurfaceWidth, colours::kSurfaceHeight);
    list_ = new QListWidget(this);
    list_->setObjectName("ListBox1");
    list_->setUniformItemSizes(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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
    // Moving the current row by keyboard acts as clicking that row.
    connect(list_, &QListWidget::itemClicked, this, [this] { ListBox1Click(); });
    connect(list_, &QListWidget::currentRowChanged, this, [this] { ListBox1Click(); });
    connect(image_, &TWinGImage::OnMouseMove, this,
            [this](Qt::KeyboardModifiers, int x, int y) { WinGImage1MouseMove(x, y); });
    connect(image_, &TWinGImage::OnMouseDown, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
                WinGImage1MouseDown(x, y);
            });

    const std::string path = fs::ResolveCase(context.state.StartPath(pictureFile));
    try {
        image_->SetFileName(QString::fromStdString(path));
    } catch (const GraphicError& error) {
        context.dialogs.Error(this, QString::fromLocal8Bit(error.what()));
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

int ColourPartsForm::PartColourOf(int part) const {
    return context_.state.record.u8(ColourOffset(currentTeam_, part));
}

void ColourPartsForm::TakeReference() {
    const auto surface = Surface();
    reference_.assign(surface.begin(), surface.begin() + colours::kPicturePixels);
}

void ColourPartsForm::ClearPicture() {
    std::copy(reference_.begin(), reference_.end(), Surface().begin());
}

void ColourPartsForm::FillPicture() {
    std::vector<colours::PartColour> colours;
    for (std::size_t p = 0; p < parts_.size(); ++p)
        colours.push_back(
            {parts_[p], static_cast<std::uint8_t>(PartColourOf(static_cast<int>(p)))});
    colours::Recolour(reference_, Surface(), colours);
}

void ColourPartsForm::MarkCurrentPart(bool highlight) {
    colours::DoRect(Surface(), context_.state.palette, PartColourOf(currentPart_),
                    parts_[static_cast<std::size_t>(currentPart_)].count, highlight);
}

namespace {

bool InPicture(int x, int y) {
    return x >= 0 && x < colours::kSurfaceWidth && y >= 0 && y < colours::kPictureRows;
}

} // namespace

void ColourPartsForm::ShowElement(int x, int y) {
    if (!InPicture(x, y))
        return;
    const auto part = colours::PartOf(
        parts_, reference_[static_cast<std::size_t>(y) * colours::kSurfaceWidth + x]);
    label_->setText(part ? tr("Detail: %1").arg(tr(parts_[static_cast<std::size_t>(*part)].caption))
                         : tr("Detail: (nothing)"));
}

void ColourPartsForm::GetColor(int x, int y) {
    if (!InPicture(x, y))
        return;
    const auto part = colours::PartOf(
        parts_, reference_[static_cast<std::size_t>(y) * colours::kSurfaceWidth + x]);
    if (!part)
        return;
    MarkCurrentPart(false);
    currentPart_ = *part;
    radios_[static_cast<std::size_t>(currentPart_)]->setChecked(true);
    MarkCurrentPart(true);
    image_->Repaint();
}

void ColourPartsForm::SetColor(int x, int y) {
    if (x < 0 || x >= colours::kSurfaceWidth)
        return;
    const int c = colours::SwatchAt(x, y);
    // The part's whole shade run must end at colour 245 or below.
    if (c <= 10 || c + parts_[static_cast<std::size_t>(currentPart_)].count >= 247)
        return;
    MarkCurrentPart(false);
    context_.state.record.setU8(ColourOffset(currentTeam_, currentPart_),
                                static_cast<std::uint8_t>(c));
    FillPicture();
    MarkCurrentPart(true);
    image_->Repaint();
}

void ColourPartsForm::FillTeamList() {
    const QSignalBlocker block(list_);
    list_->clear();
    rowTeams_.clear();
    for (int t = 1; t <= kTeamCount; ++t) {
        if (context_.state.record.u8(rec::TeamInUse(t)) == 0)
            continue;
        auto* item = new QListWidgetItem(
            FromGameBytes(context_.state.record.str(rec::TeamName(t), rec::kTeamNameCapacity)));
        item->setSizeHint(QSize(0, ToFont(list_, kListRowHeight)));
        list_->addItem(item);
        rowTeams_.push_back(t);
    }
    list_->resize(list_->width(),
                  ToFont(list_, kListRowHeight) * static_cast<int>(rowTeams_.size()) + 4);
    list_->setCurrentRow(0);
    currentTeam_ = rowTeams_.empty() ? 1 : rowTeams_.front();
}

void ColourPartsForm::FormActivate() {
    label_->setText(tr("Detail: (nothing)"));
    colours::DrawSwatchGrid(Surface());
    MarkCurrentPart(true);
    image_->Repaint();
}

void ColourPartsForm::ListBox1Click() {
    const int row = list_->currentRow();
    if (row < 0 || row >= static_cast<int>(rowTeams_.size()))
        return;
    MarkCurrentPart(false);
    currentTeam_ = rowTeams_[static_cast<std::size_t>(row)];
    FillPicture();
    MarkCurrentPart(true);
    image_->Repaint();
}

void ColourPartsForm::RadioButtonClick() {
    MarkCurrentPart(false);
    for (std::size_t p = 0; p < radios_.size(); ++p)
        if (radios_[p]->isChecked())
            currentPart_ = static_cast<int>(p);
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
    currentPart_ = 0;
    FillTeamList();
    currentTeam_ = 1;
    ClearPicture();
    FillPicture();
    MarkCurrentPart(true);
    image_->Repaint();
}

void ColourPartsForm::Redraw() {
    FillPicture();
    FormActivate();
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
