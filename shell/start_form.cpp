// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/start_form.h"

#include "shell/pictures.h"
#include "shell/settings_commands.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <qdrawutil.h>

namespace psn {
namespace {

// The picture stretched to `size` on the screen, at the picture's own pixel density.
QPixmap Fitted(const QPixmap& picture, const QSize& size) {
    QPixmap fitted = picture.scaled(size * picture.devicePixelRatio());
    fitted.setDevicePixelRatio(picture.devicePixelRatio());
    return fitted;
}

// A progress bar of separate blocks in a sunken well. The style's own bar draws its chunk as
// many fine lines, which the raster engine hands to worker threads on every repaint: most of
// the progress window's cost at start-up.
class BlockProgressBar : public QProgressBar {
public:
    BlockProgressBar(QElapsedTimer& painted, QWidget* parent)
        : QProgressBar(parent), painted_(painted) {}

protected:
    void paintEvent(QPaintEvent*) override {
        painted_.start();
        QPainter painter(this);
        qDrawShadePanel(&painter, rect(), palette(), true, 1, &palette().brush(QPalette::Base));
        const QRect well = rect().adjusted(2, 2, -2, -2);
        const int range = maximum() - minimum();
        if (range <= 0 || well.isEmpty())
            return;
        const int filled =
            static_cast<int>(static_cast<qint64>(well.width()) * (value() - minimum()) / range);
        constexpr int kBlock = 8, kGap = 2;
        for (int x = 0; x < filled; x += kBlock + kGap)
            painter.fillRect(
                QRect(well.left() + x, well.top(), std::min(kBlock, filled - x), well.height()),
                palette().brush(QPalette::Highlight));
    }

private:
    QElapsedTimer& painted_;
};

} // namespace

TStartForm::TStartForm(const AppState& state, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName("StartForm");
    setFixedSize(431, 277);
    setCursor(Qt::WaitCursor);

    auto* panel = new QFrame(this);
    panel->setObjectName("Panel1");
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    panel->setGeometry(0, 0, 431, 277);

    Image1 = new QLabel(panel);
    Image1->setObjectName("Image1");
    Image1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Image1->setGeometry(14, 18, 400, 179);
    Image1->setAlignment(Qt::AlignCenter);
    const QPixmap picture = LoadPicture(state, kStartPicture);
    if (picture.isNull())
        Image1->setText(kMainTitle);
    else
        Image1->setPixmap(Fitted(picture, QSize(398, 177)));

    auto* label = new QLabel(tr("Loading data..."), panel);
    label->setObjectName("Label1");
    label->move(176, 240);
    label->adjustSize();

    ProgressBar1 = new BlockProgressBar(painted_, panel);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setGeometry(76, 210, 287, 20);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setCursor(Qt::WaitCursor);
}

void TStartForm::Advance(int step) {
    SetPosition(ProgressBar1->value() + step);
}

void TStartForm::SetPosition(int position) {
    // A progress bar repaints itself, and waits for the screen to take the picture, whenever its
    // value changes; the start-up advances it many times within one frame of the screen. It is
    // painted at most once a frame; the value is always the new one.
    constexpr qint64 kFrameMs = 16;
    const bool paintNow = !painted_.isValid() || painted_.hasExpired(kFrameMs);
    ProgressBar1->setUpdatesEnabled(paintNow);
    ProgressBar1->setValue(position);
    ProgressBar1->setUpdatesEnabled(true);
}

int TStartForm::Position() const {
    return ProgressBar1->value();
}

} // namespace psn
