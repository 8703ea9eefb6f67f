// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/tuning_form.h"

#include "core/int_conv.h"
#include "editors/form_events.h"
#include "editors/tuning_blocks.h"
#include "ui/editor_buttons.h"
#include "ui/enter_as_tab.h"
#include "ui/latin1_text.h"
#include "ui/window_transfers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <algorithm>
#include <iterator>

namespace psn {

namespace {

// The light colours' names as the window shows them, in the window's language.
constexpr const char* kColourCaptions[] = {QT_TRANSLATE_NOOP("psn::TCTuningForm", "Green"),
                                           QT_TRANSLATE_NOOP("psn::TCTuningForm", "Yellow"),
                                           QT_TRANSLATE_NOOP("psn::TCTuningForm", "Red")};
static_assert(std::size(kColourCaptions) == std::size(kLightColourNames));

QLineEdit* Edit(QWidget* parent, const char* name, const QRect& geometry, bool readOnly) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    edit->setReadOnly(readOnly);
    return edit;
}

QScrollBar* WeightSlider(QWidget* parent, const char* name, int y) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(name);
    bar->setGeometry(12, y, 511, 16);
    bar->setRange(0, kMaxWeight);
    bar->setPageStep(20);
    return bar;
}

QCheckBox* Check(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    return box;
}

} // namespace

QRect LedSprite(int colour) {
    return QRect(85, 12 * (colour - 1), 10, 10);
}

QRect LedPlace(int light) {
    return QRect(10 + 17 * light, 34 - 5 * light, 11, 11);
}

void DrawLed(QImage& picture, const QImage& blank, int light, int colour) {
    const QRect place = LedPlace(light);
    const bool hasSprite = colour >= 1 && colour <= 3;
    const QImage& source = hasSprite ? picture : blank;
    const QRect from = hasSprite ? LedSprite(colour) : place;
    if (!picture.rect().contains(place) || !source.rect().contains(from) ||
        source.format() != QImage::Format_Indexed8 || picture.format() != QImage::Format_Indexed8)
        return;
    // Nearest-neighbour stretch, as a colour-on-copy blit does.
    for (int y = 0; y < place.height(); ++y)
        for (int x = 0; x < place.width(); ++x)
            picture.setPixel(place.x() + x, place.y() + y,
                             source.pixelIndex(from.x() + x * from.width() / place.width(),
                                               from.y() + y * from.height() / place.height()));
}

TCTuningForm::TCTuningForm(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context), model_(context.state.record) {
    setObjectName("CTuningForm");
    setWindowTitle(tr("Car tuning"));
    setFixedSize(551, 396);

    auto* weights = new QGroupBox(tr(" Car weight "), this);
    weights->setGeometry(8, 4, 535, 126);
    AddCaption(weights, tr("Human player car weight"), QRect(12, 22, 170, 18));
    edit1_ = Edit(weights, "Edit1", QRect(190, 20, 80, 21), true);
    edit2_ = Edit(weights, "Edit2", QRect(276, 20, 80, 21), true);
    scrollBar1_ = WeightSlider(weights, "ScrollBar1", 46);
    AddCaption(weights, tr("Computer car weight"), QRect(12, 74, 170, 18));
    edit3_ = Edit(weights, "Edit3", QRect(190, 72, 80, 21), true);
    edit4_ = Edit(weights, "Edit4", QRect(276, 72, 80, 21), true);
    scrollBar2_ = WeightSlider(weights, "ScrollBar2", 98);
    checkBox1_ = Check(weights, "CheckBox1", tr("Linked"), QRect(420, 20, 100, 21));

    auto* leds = new QGroupBox(tr(" RPM LEDs "), this);
    leds->setGeometry(8, 136, 290, 190);
    AddCaption(leds, tr("RPM"), QRect(214, 14, 60, 16));
    image1_ = new QLabel(leds);
    image1_->setObjectName("Image1");
    image1_->setGeometry(10, 34, kLedPictureWidth, kLedPictureHeight);
    const char* boxNames[4] = {"ComboBox4", "ComboBox3", "ComboBox2", "ComboBox1"};
    const char* editNames[4] = {nullptr, "Edit7", "Edit6", "Edit5"};
    for (int light = 3; light >= 0; --light) {
        const int y = 32 + 28 * (3 - light); // light 3 is the top row
        auto* box = new QComboBox(leds);
        box->setObjectName(boxNames[light]);
        box->setGeometry(120, y, 88, 22);
        for (const char* colour : kColourCaptions)
            box->addItem(tr(colour));
        colourBoxes_[light] = box;
        connect(box, &QComboBox::activated, this,
                [this, light, box] { LightColourChange(light, box); });
        if (editNames[light]) {
            speedEdits_[light] = Edit(leds, editNames[light], QRect(214, y, 64, 22), false);
            QLineEdit* edit = speedEdits_[light];
            OnLeave(edit, [this, light, edit] { LightSpeedExit(light, edit); });
        }
    }
    AddCaption(leds, tr("(colors works only with original cockpits)"), QRect(10, 154, 270, 18));

    auto* fuel = new QGroupBox(tr(" Fuel settings "), this);
    fuel->setGeometry(306, 136, 237, 118);
    AddCaption(fuel, tr("Initial practice fuel load"), QRect(10, 24, 150, 18));
    edit11_ = Edit(fuel, "Edit11", QRect(162, 22, 36, 21), false);
    AddCaption(fuel, tr("laps"), QRect(202, 24, 30, 18));
    AddCaption(fuel, tr("Initial qualifing fuel load"), QRect(10, 54, 150, 18));
    edit12_ = Edit(fuel, "Edit12", QRect(162, 52, 36, 21), false);
    AddCaption(fuel, tr("laps"), QRect(202, 54, 30, 18));
    checkBox2_ = Check(fuel, "CheckBox2", tr("show opponents fuel load"), QRect(10, 84, 220, 21));
    OnLeave(edit11_, [this] { Edit11Exit(); });
    OnLeave(edit12_, [this] { Edit12Exit(); });

    checkBox951_ =
        Check(this, "CheckBox951", tr("player's car performance depends on selected team"),
              QRect(8, 334, 535, 21));
    checkBox952_ = Check(this, "CheckBox952",
                         tr("real F1 best time/split info - compares to current best of session"),
                         QRect(306, 262, 237, 40));
    checkBox952_->setVisible(false);
    checkBox952_->setEnabled(false);

    auto* back = AddButton(this, "BitBtn1", tr("Back"), QRect(8, 363, 80, 26));
    auto* import = AddButton(this, "BitBtn4", tr("Import data from game"), QRect(96, 363, 146, 26));
    auto* exportButton =
        AddButton(this, "BitBtn2", tr("Export data into game"), QRect(248, 363, 146, 26));
    auto* restore =
        AddButton(this, "BitBtn3", tr("Restore original data"), QRect(400, 363, 143, 26));

    connect(scrollBar1_, &QScrollBar::valueChanged, this, &TCTuningForm::ScrollBar1Change);
    connect(scrollBar2_, &QScrollBar::valueChanged, this, &TCTuningForm::ScrollBar2Change);
    connect(checkBox2_, &QCheckBox::clicked, this,
            [this](bool on) { model_.SetSwitch(rec::kFuelDisplaySwitch, on); });
    connect(checkBox951_, &QCheckBox::clicked, this,
            [this](bool on) { model_.SetSwitch(rec::kTeamPerformanceSwitch, on); });
    connect(checkBox952_, &QCheckBox::clicked, this,
            [this](bool on) { model_.SetSwitch(rec::kPatchListSwitch, on); });
    connect(back, &QPushButton::clicked, this, &QDialog::close);
    connect(import, &QPushButton::clicked, this, &TCTuningForm::BitBtn4Click);
    connect(exportButton, &QPushButton::clicked, this, &TCTuningForm::BitBtn2Click);
    connect(restore, &QPushButton::clicked, this, &TCTuningForm::BitBtn3Click);

    // The picture is design data shipped in DATA; without it the lights are simply not shown.
    blank_ = QImage(QString::fromLocal8Bit(context_.state.StartPath(kLedPicture).c_str()));
    if (blank_.isNull() || blank_.size() != QSize(kLedPictureWidth, kLedPictureHeight)) {
        blank_ = QImage(kLedPictureWidth, kLedPictureHeight, QImage::Format_Indexed8);
        blank_.setColorTable({qRgb(192, 192, 192)});
        blank_.fill(0);
    } else if (blank_.format() != QImage::Format_Indexed8) {
        blank_ = blank_.convertToFormat(QImage::Format_Indexed8);
    }
    leds_ = blank_;

    InstallEnterAsTab(this);
}

void TCTuningForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

bool TCTuningForm::WithPatchList() const {
    return context_.state.edition == kPatchListEdition;
}

void TCTuningForm::FormShow() {
    if (context_.state.edition != kPatchListEdition)
        checkBox952_->setEnabled(false);
    for (int light = 0; light < kLightCount; ++light) {
        const QSignalBlocker block(colourBoxes_[light]);
        colourBoxes_[light]->setCurrentIndex(model_.LightColour(light) - 1); // -1 selects none
    }
    ShowLeds();
    for (int light = 1; light < kLightCount; ++light)
        speedEdits_[light]->setText(QString::number(model_.LightSpeedRpm(light)));
    edit11_->setText(QString::number(model_.PracticeFuelLaps()));
    edit12_->setText(QString::number(model_.QualifyingFuelLaps()));

    // Setting the sliders runs their change handling on purpose: a moved slider stores its
    // position, and with "Linked" ticked the other weight follows. A slider already at its end
    // does not move for a larger weight, which the clamp then brings to the end.
    scrollBar1_->setValue(std::min(model_.HumanWeight(), kMaxWeight));
    scrollBar2_->setValue(std::min(model_.ComputerWeight(), kMaxWeight));
    model_.ClampWeights();
    ShowWeights();

    checkBox2_->setChecked(model_.SwitchOn(rec::kFuelDisplaySwitch));
    checkBox951_->setChecked(model_.SwitchOn(rec::kTeamPerformanceSwitch));
    checkBox952_->setChecked(model_.SwitchOn(rec::kPatchListSwitch));
}

void TCTuningForm::ShowWeights() {
    const int human = model_.HumanWeight();
    const int computer = model_.ComputerWeight();
    edit1_->setText(QString("%1 lb").arg(human));
    edit2_->setText(QString("%1 kg").arg(PoundsToKilograms(human)));
    edit3_->setText(QString("%1 lb").arg(computer));
    edit4_->setText(QString("%1 kg").arg(PoundsToKilograms(computer)));
}

void TCTuningForm::ShowLeds() {
    leds_ = blank_;
    for (int light = 0; light < kLightCount; ++light)
        DrawLed(leds_, blank_, light, model_.LightColour(light));
    image1_->setPixmap(QPixmap::fromImage(leds_));
}

void TCTuningForm::ScrollBar1Change() {
    if (checkBox1_->isChecked())
        scrollBar2_->setValue(scrollBar1_->value());
    model_.SetHumanWeight(scrollBar1_->value());
    ShowWeights();
}

void TCTuningForm::ScrollBar2Change() {
    if (checkBox1_->isChecked())
        scrollBar1_->setValue(scrollBar2_->value());
    model_.SetComputerWeight(scrollBar2_->value());
    ShowWeights();
}

void TCTuningForm::LightColourChange(int light, QComboBox* box) {
    const int colour = box->currentIndex() + 1;
    model_.SetLightColour(light, colour);
    DrawLed(leds_, blank_, light, colour);
    image1_->setPixmap(QPixmap::fromImage(leds_));
    update();
}

void TCTuningForm::LightSpeedExit(int light, QLineEdit* edit) {
    model_.EnterLightSpeed(light, StrToInt(ToGameBytes(edit->text())));
    edit->setText(QString::number(model_.LightSpeedRpm(light)));
}

void TCTuningForm::Edit11Exit() {
    model_.EnterPracticeFuel(StrToInt(ToGameBytes(edit11_->text())));
    edit11_->setText(QString::number(model_.PracticeFuelLaps()));
}

void TCTuningForm::Edit12Exit() {
    model_.EnterQualifyingFuel(StrToInt(ToGameBytes(edit12_->text())));
    edit12_->setText(QString::number(model_.QualifyingFuelLaps()));
}

void TCTuningForm::BitBtn4Click() {
    ImportExeBlocks(context_, this,
                    {[this](AppState& state) { ReadCarTuning(state, WithPatchList()); }});
}

void TCTuningForm::BitBtn2Click() {
    ExportExeBlocks(context_, this,
                    {[this](AppState& state) { WriteCarTuning(state, WithPatchList()); }});
}

void TCTuningForm::BitBtn3Click() {
    RestoreOriginalData(context_, this);
}

} // namespace psn
