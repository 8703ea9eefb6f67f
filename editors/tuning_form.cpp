// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/tuning_form.h"

#include "core/int_conv.h"
#include "editors/tuning_blocks.h"
#include "ui/enter_as_tab.h"
#include "ui/latin1_text.h"
#include "ui/window_transfers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <algorithm>

namespace psn {

namespace {

constexpr int kMaxWeight = 10000;

QLabel* Label(QWidget* parent, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

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

QPushButton* Button(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

void SetFlag(AppState& state, std::size_t offset, bool on) {
    state.record.setU8(offset, on ? 1 : 0);
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
    : QDialog(parent), context_(context) {
    setObjectName("CTuningForm");
    setWindowTitle(tr("Car tuning"));
    setFixedSize(551, 396);

    auto* weights = new QGroupBox(tr(" Car weight "), this);
    weights->setGeometry(8, 4, 535, 126);
    Label(weights, tr("Human player car weight"), QRect(12, 22, 170, 18));
    edit1_ = Edit(weights, "Edit1", QRect(190, 20, 80, 21), true);
    edit2_ = Edit(weights, "Edit2", QRect(276, 20, 80, 21), true);
    scrollBar1_ = WeightSlider(weights, "ScrollBar1", 46);
    Label(weights, tr("Computer car weight"), QRect(12, 74, 170, 18));
    edit3_ = Edit(weights, "Edit3", QRect(190, 72, 80, 21), true);
    edit4_ = Edit(weights, "Edit4", QRect(276, 72, 80, 21), true);
    scrollBar2_ = WeightSlider(weights, "ScrollBar2", 98);
    checkBox1_ = Check(weights, "CheckBox1", tr("Linked"), QRect(420, 20, 100, 21));

    auto* leds = new QGroupBox(tr(" RPM LEDs "), this);
    leds->setGeometry(8, 136, 290, 190);
    Label(leds, tr("RPM"), QRect(214, 14, 60, 16));
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
        for (const char* colour : kLightColourNames)
            box->addItem(tr(colour));
        colourBoxes_[light] = box;
        connect(box, &QComboBox::activated, this,
                [this, light, box] { LightColourChange(light, box); });
        if (editNames[light]) {
            speedEdits_[light] = Edit(leds, editNames[light], QRect(214, y, 64, 22), false);
            speedEdits_[light]->installEventFilter(this);
        }
    }
    Label(leds, tr("(colors works only with original cockpits)"), QRect(10, 154, 270, 18));

    auto* fuel = new QGroupBox(tr(" Fuel settings "), this);
    fuel->setGeometry(306, 136, 237, 118);
    Label(fuel, tr("Initial practice fuel load"), QRect(10, 24, 150, 18));
    edit11_ = Edit(fuel, "Edit11", QRect(162, 22, 36, 21), false);
    Label(fuel, tr("laps"), QRect(202, 24, 30, 18));
    Label(fuel, tr("Initial qualifing fuel load"), QRect(10, 54, 150, 18));
    edit12_ = Edit(fuel, "Edit12", QRect(162, 52, 36, 21), false);
    Label(fuel, tr("laps"), QRect(202, 54, 30, 18));
    checkBox2_ = Check(fuel, "CheckBox2", tr("show opponents fuel load"), QRect(10, 84, 220, 21));
    edit11_->installEventFilter(this);
    edit12_->installEventFilter(this);

    checkBox951_ =
        Check(this, "CheckBox951", tr("player's car performance depends on selected team"),
              QRect(8, 334, 535, 21));
    checkBox952_ = Check(this, "CheckBox952",
                         tr("real F1 best time/split info - compares to current best of session"),
                         QRect(306, 262, 237, 40));
    checkBox952_->setVisible(false);
    checkBox952_->setEnabled(false);

    auto* back = Button(this, "BitBtn1", tr("Back"), QRect(8, 363, 80, 26));
    auto* import = Button(this, "BitBtn4", tr("Import data from game"), QRect(96, 363, 146, 26));
    auto* exportButton =
        Button(this, "BitBtn2", tr("Export data into game"), QRect(248, 363, 146, 26));
    auto* restore = Button(this, "BitBtn3", tr("Restore original data"), QRect(400, 363, 143, 26));

    connect(scrollBar1_, &QScrollBar::valueChanged, this, &TCTuningForm::ScrollBar1Change);
    connect(scrollBar2_, &QScrollBar::valueChanged, this, &TCTuningForm::ScrollBar2Change);
    connect(checkBox2_, &QCheckBox::clicked, this,
            [this](bool on) { SetFlag(context_.state, rec::kFuelDisplaySwitch, on); });
    connect(checkBox951_, &QCheckBox::clicked, this,
            [this](bool on) { SetFlag(context_.state, rec::kTeamPerformanceSwitch, on); });
    connect(checkBox952_, &QCheckBox::clicked, this,
            [this](bool on) { SetFlag(context_.state, rec::kPatchListSwitch, on); });
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

bool TCTuningForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        for (int light = 1; light < kLightCount; ++light)
            if (watched == speedEdits_[light])
                LightSpeedExit(light, speedEdits_[light]);
        if (watched == edit11_)
            Edit11Exit();
        else if (watched == edit12_)
            Edit12Exit();
    }
    return QDialog::eventFilter(watched, event);
}

bool TCTuningForm::WithPatchList() const {
    return context_.state.edition == kPatchListEdition;
}

void TCTuningForm::FormShow() {
    AppState& state = context_.state;
    SettingsRecord& r = state.record;
    if (state.edition != kPatchListEdition)
        checkBox952_->setEnabled(false);
    for (int light = 0; light < kLightCount; ++light) {
        const QSignalBlocker block(colourBoxes_[light]);
        colourBoxes_[light]->setCurrentIndex(r.u8(LightColour(light)) - 1); // -1 selects none
    }
    ShowLeds();
    for (int light = 1; light < kLightCount; ++light)
        speedEdits_[light]->setText(QString::number(LightSpeedRpm(r.u16(LightSpeed(light)))));
    edit11_->setText(QString::number(r.u8(rec::kPracticeFuel)));
    edit12_->setText(QString::number(QualifyingFuelLaps(r.u8(rec::kQualifyingFuel))));

    // Setting the sliders runs their change handling on purpose: a moved slider stores its
    // position, and with "Linked" ticked the other weight follows.
    scrollBar1_->setValue(std::min<int>(r.u16(rec::kHumanWeight), kMaxWeight));
    scrollBar2_->setValue(std::min<int>(r.u16(rec::kComputerWeight), kMaxWeight));
    // A slider already at its maximum does not move for a larger weight; store the clamped value
    // anyway, so that the boxes never show a weight the slider cannot hold.
    if (r.u16(rec::kHumanWeight) > kMaxWeight)
        r.setU16(rec::kHumanWeight, static_cast<std::uint16_t>(scrollBar1_->value()));
    if (r.u16(rec::kComputerWeight) > kMaxWeight)
        r.setU16(rec::kComputerWeight, static_cast<std::uint16_t>(scrollBar2_->value()));
    ShowWeights();

    // A switch is on only as 1, the value that an export writes as on.
    checkBox2_->setChecked(r.u8(rec::kFuelDisplaySwitch) == 1);
    checkBox951_->setChecked(r.u8(rec::kTeamPerformanceSwitch) == 1);
    checkBox952_->setChecked(r.u8(rec::kPatchListSwitch) == 1);
}

void TCTuningForm::ShowWeights() {
    const SettingsRecord& r = context_.state.record;
    const int human = r.u16(rec::kHumanWeight);
    const int computer = r.u16(rec::kComputerWeight);
    edit1_->setText(QString("%1 lb").arg(human));
    edit2_->setText(QString("%1 kg").arg(PoundsToKilograms(human)));
    edit3_->setText(QString("%1 lb").arg(computer));
    edit4_->setText(QString("%1 kg").arg(PoundsToKilograms(computer)));
}

void TCTuningForm::ShowLeds() {
    leds_ = blank_;
    for (int light = 0; light < kLightCount; ++light)
        DrawLed(leds_, blank_, light, context_.state.record.u8(LightColour(light)));
    image1_->setPixmap(QPixmap::fromImage(leds_));
}

void TCTuningForm::ScrollBar1Change() {
    if (checkBox1_->isChecked())
        scrollBar2_->setValue(scrollBar1_->value());
    context_.state.record.setU16(rec::kHumanWeight,
                                 static_cast<std::uint16_t>(scrollBar1_->value()));
    ShowWeights();
}

void TCTuningForm::ScrollBar2Change() {
    if (checkBox1_->isChecked())
        scrollBar1_->setValue(scrollBar2_->value());
    context_.state.record.setU16(rec::kComputerWeight,
                                 static_cast<std::uint16_t>(scrollBar2_->value()));
    ShowWeights();
}

void TCTuningForm::LightColourChange(int light, QComboBox* box) {
    const int colour = box->currentIndex() + 1;
    context_.state.record.setU8(LightColour(light), static_cast<std::uint8_t>(colour));
    DrawLed(leds_, blank_, light, colour);
    image1_->setPixmap(QPixmap::fromImage(leds_));
    update();
}

void TCTuningForm::LightSpeedExit(int light, QLineEdit* edit) {
    SettingsRecord& r = context_.state.record;
    const std::int32_t shown = LightSpeedRpm(r.u16(LightSpeed(light)));
    const std::int32_t rpm = StrToInt(ToGameBytes(edit->text())).value_or(shown);
    r.setU16(LightSpeed(light), StoredLightSpeed(rpm));
    edit->setText(QString::number(LightSpeedRpm(r.u16(LightSpeed(light)))));
}

void TCTuningForm::Edit11Exit() {
    SettingsRecord& r = context_.state.record;
    if (const auto laps = StrToInt(ToGameBytes(edit11_->text())))
        r.setU8(rec::kPracticeFuel, static_cast<std::uint8_t>(*laps & 0xFF));
    edit11_->setText(QString::number(r.u8(rec::kPracticeFuel)));
}

void TCTuningForm::Edit12Exit() {
    SettingsRecord& r = context_.state.record;
    if (const auto laps = StrToInt(ToGameBytes(edit12_->text())))
        r.setU8(rec::kQualifyingFuel, StoredQualifyingFuel(*laps));
    edit12_->setText(QString::number(QualifyingFuelLaps(r.u8(rec::kQualifyingFuel))));
}

void TCTuningForm::BitBtn4Click() {
    ImportIntoWindow(context_, this, [this] {
        context_.state.OpenGameExe();
        ReadCarTuning(context_.state, WithPatchList());
    });
}

void TCTuningForm::BitBtn2Click() {
    ExportFromWindow(context_, this, [this] {
        context_.state.OpenGameExe();
        WriteCarTuning(context_.state, WithPatchList());
    });
}

void TCTuningForm::BitBtn3Click() {
    RestoreOriginalData(context_, this);
}

} // namespace psn
