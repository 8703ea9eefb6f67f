// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/camera_form.h"

#include "core/fs.h"
#include "graphics/camera_blocks.h"
#include "graphics/camera_format.h"
#include "ui/enter_as_tab.h"
#include "ui/font_scale.h"
#include "ui/message_text.h"
#include "ui/number_input.h"
#include "ui/window_transfers.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>

namespace psn {

namespace {

constexpr std::array<std::uint16_t, kCameraCount> kViewLeft = {401, 101, 201, 301, 401,
                                                               501, 101, 201, 301};
constexpr std::array<std::uint16_t, kCameraCount> kViewTop = {68, 0, 0, 0, 0, 0, 68, 68, 68};
constexpr std::uint16_t kViewWidth = 100;
constexpr std::uint16_t kViewHeight = 67;

using Word = CameraWord;
// The edit box of each word.
constexpr std::array<const char*, 8> kEditNames = {"Edit3", "Edit5", "Edit1", "Edit4",
                                                   "Edit6", "Edit2", "Edit7", "Edit8"};

QLabel* Label(QWidget* parent, const QString& text, int x, int y) {
    auto* label = new QLabel(text, parent);
    label->move(x, y);
    return label;
}

} // namespace

TCameraForm::TCameraForm(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context), model_(context.state.record) {
    setWindowTitle(tr("Cameras editor"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(488, 314);

    Label(this, tr(" Select car camera "), 8, 6);
    list_ = new QListWidget(this);
    list_->setObjectName("ListBox1");
    list_->setGeometry(8, 24, 120, 150);
    for (int c = 1; c <= kCameraCount; ++c)
        list_->addItem(tr("Camera %1").arg(c));
    // Moving the current row by keyboard acts as clicking that row.
    connect(list_, &QListWidget::itemClicked, this, [this] { ListBox1Click(); });
    connect(list_, &QListWidget::currentRowChanged, this, [this] { ListBox1Click(); });

    Label(this, tr(" Default view "), 8, 184);
    auto* bevel = new QFrame(this);
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(8, 202, 104, 71);
    image_ = new TWinGImage(this);
    image_->setObjectName("WinGImage1");
    image_->setGeometry(10, 204, kViewWidth, kViewHeight);

    struct Group {
        const char* title;
        QRect rect;
        Word distance, angle;
        const char* distanceLabels[2];
    };
    const Group groups[] = {
        {QT_TR_NOOP("X - axis"),
         {140, 6, 168, 96},
         kX,
         kAngleX,
         {QT_TR_NOOP(" Distance from "), QT_TR_NOOP(" centre of car   ")}},
        {QT_TR_NOOP("Y - axis"),
         {314, 6, 168, 96},
         kY,
         kAngleY,
         {QT_TR_NOOP(" Distance from "), QT_TR_NOOP(" centre of car   ")}},
        {QT_TR_NOOP("Z - axis"),
         {140, 108, 168, 82},
         kZ,
         kAngleZ,
         {QT_TR_NOOP(" Height "), nullptr}},
    };
    // Each box holds the widest value of its word: -32768, 65535 or -180.000 degrees.
    auto edit = [this](QWidget* parent, Word word, int x, int y, int width) {
        auto* box = new QLineEdit(parent);
        box->setObjectName(kEditNames[word]);
        box->setGeometry(x, y, width, 22);
        const bool angle = word >= kAngleX && word <= kAngleY;
        HoldText(box, angle ? QString::fromStdString(camera::AngleText(-32768, DecimalMark()))
                      : word >= kTuning1 ? QStringLiteral("65535")
                                         : QStringLiteral("-32768"));
        edits_[word] = box;
    };
    for (const Group& g : groups) {
        auto* box = new QGroupBox(tr(g.title), this);
        box->setGeometry(g.rect);
        Label(box, tr(g.distanceLabels[0]), 6, 22);
        if (g.distanceLabels[1])
            Label(box, tr(g.distanceLabels[1]), 6, 36);
        edit(box, g.distance, 100, 24, 60);
        const int angleY = g.distanceLabels[1] ? 62 : 50;
        Label(box, tr(" Angle "), 6, angleY + 3);
        edit(box, g.angle, 74, angleY, 66);
        Label(box, tr("deg"), 143, angleY + 3);
    }
    auto* tuning = new QGroupBox(tr("Img. tunning"), this);
    tuning->setGeometry(314, 108, 168, 82);
    Label(tuning, tr(" Value 1 "), 6, 27);
    edit(tuning, kTuning1, 100, 24, 60);
    Label(tuning, tr(" Value 2 "), 6, 53);
    edit(tuning, kTuning2, 100, 50, 60);

    for (int w = 0; w < 8; ++w)
        connect(edits_[w], &QLineEdit::editingFinished, this, [this, w] {
            if (w >= kAngleX && w <= kAngleY)
                StoreAngle(w);
            else
                StoreInteger(w);
        });

    auto button = [this](const char* name, const char* caption, QRect rect) {
        auto* b = new QPushButton(tr(caption), this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        b->setGeometry(rect);
        return b;
    };
    connect(button("BitBtn1", QT_TR_NOOP("Back"), {140, 204, 168, 30}), &QPushButton::clicked, this,
            &QDialog::close);
    connect(button("BitBtn2", QT_TR_NOOP("Import data from game"), {314, 204, 168, 30}),
            &QPushButton::clicked, this, &TCameraForm::BitBtn2Click);
    connect(button("BitBtn6", QT_TR_NOOP("Export data into game"), {140, 244, 168, 30}),
            &QPushButton::clicked, this, &TCameraForm::BitBtn6Click);
    connect(button("BitBtn3", QT_TR_NOOP("Restore original data"), {314, 244, 168, 30}),
            &QPushButton::clicked, this, &TCameraForm::BitBtn3Click);
    InstallEnterAsTab(this);

    try {
        image_->SetFileName(
            QString::fromStdString(fs::ResolveCase(context.state.StartPath(".\\DATA\\Dib3.dib"))));
    } catch (const GraphicError& error) {
        context.dialogs.Error(this, WordedText(error));
    }
    FormCreate();
}

void TCameraForm::FormCreate() {
    SetView(0);
    {
        const QSignalBlocker block(list_);
        list_->setCurrentRow(0);
    }
    model_.ChooseCamera(0);
    PutValues();
}

// Each assignment is clamped against the picture's size, in this order.
void TCameraForm::SetView(int camera) {
    TView& view = image_->View();
    view.SetMode(ViewMode::Portion);
    view.SetLeft(kViewLeft[static_cast<std::size_t>(camera)]);
    view.SetTop(kViewTop[static_cast<std::size_t>(camera)]);
    view.SetHeight(kViewHeight);
    view.SetWidth(kViewWidth);
    image_->Repaint();
}

void TCameraForm::PutValues() {
    const auto texts = model_.Texts(DecimalMark());
    for (std::size_t w = 0; w < texts.size(); ++w)
        edits_[w]->setText(QString::fromStdString(texts[w]));
}

// A refused entry gives way to the kept value, so that leaving the box again says nothing more.
void TCameraForm::StoreInteger(int word) {
    if (const auto value = ConvertInteger(context_, this, edits_[word]->text()))
        model_.StoreInteger(word, *value);
    else
        PutValues();
}

void TCameraForm::StoreAngle(int word) {
    if (const auto degrees = ConvertDecimal(context_, this, edits_[word]->text()))
        model_.StoreAngle(word, *degrees);
    else
        PutValues();
}

void TCameraForm::ListBox1Click() {
    const int row = list_->currentRow();
    if (!model_.ChooseCamera(row))
        return;
    SetView(row);
    PutValues();
}

void TCameraForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Coming back from being minimised is no new showing: the user's place stays as it was.
    if (event->spontaneous())
        return;
    // Boxes showing values from before an import would write them back when left.
    PutValues();
    list_->setFocus();
}

void TCameraForm::BitBtn2Click() {
    ImportExeBlocks(context_, this, {ReadCameras});
}

void TCameraForm::BitBtn6Click() {
    ExportExeBlocks(context_, this, {WriteCameras});
}

void TCameraForm::BitBtn3Click() {
    RestoreOriginalData(context_, this);
    PutValues();
}

} // namespace psn
