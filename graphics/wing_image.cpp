// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/wing_image.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cstring>

namespace psn {

namespace {

constexpr int kFirstPictureEntry = 10;
constexpr int kLastPictureEntry = 245;
constexpr const char* kNoFile = "(none)";

// Copies a columns x rows rectangle, each side with its own stride.
void CopyRect(const std::uint8_t* from, int fromStride, std::uint8_t* to, int toStride, int columns,
              int rows) {
    for (int y = 0; y < rows; ++y)
        std::memcpy(to + static_cast<std::ptrdiff_t>(y) * toStride,
                    from + static_cast<std::ptrdiff_t>(y) * fromStride,
                    static_cast<std::size_t>(columns));
}

} // namespace

void ClearSystemPalette() {}

const std::array<std::uint8_t, 20 * 4>& SystemColours() {
    static const std::array<std::uint8_t, 20 * 4> colours = {
        0,   0,   0,   0, 0,   0,   128, 0, 0,   128, 0,   0, 0,   128, 128, 0, 128, 0,   0,   0,
        128, 0,   128, 0, 128, 128, 0,   0, 192, 192, 192, 0, 192, 220, 192, 0, 240, 202, 166, 0,
        240, 251, 255, 0, 164, 160, 160, 0, 128, 128, 128, 0, 0,   0,   255, 0, 0,   255, 0,   0,
        0,   255, 255, 0, 255, 0,   0,   0, 255, 0,   255, 0, 255, 255, 0,   0, 255, 255, 255, 0,
    };
    return colours;
}

TWinG::TWinG(std::uint16_t width, std::uint16_t height)
    : width_(std::max<std::uint16_t>(width, 1)), height_(std::max<std::uint16_t>(height, 1)) {
    CreateSurface();
}

void TWinG::CreateSurface() {
    image_ = QImage(width_, height_, QImage::Format_Indexed8);
    image_.fill(0);
    SetDIBColorTable(0, 256);
}

void TWinG::SetWidth(std::uint16_t width) {
    width = std::max<std::uint16_t>(width, 1);
    if (width == width_)
        return;
    width_ = width;
    CreateSurface();
    if (OnChange)
        OnChange();
}

void TWinG::SetHeight(std::uint16_t height) {
    height = std::max<std::uint16_t>(height, 1);
    if (height == height_)
        return;
    height_ = height;
    CreateSurface();
    if (OnChange)
        OnChange();
}

void TWinG::SetDIBColorTable(int first, int count) {
    QList<QRgb> table = image_.colorTable();
    table.resize(256, qRgb(0, 0, 0));
    for (int i = std::max(first, 0); i < std::min(first + count, 256); ++i) {
        const std::uint8_t* e = colorTable_.data() + 4 * i;
        table[i] = qRgb(e[2], e[1], e[0]);
    }
    image_.setColorTable(table);
}

TWinGImage::TWinGImage(QWidget* parent) : QWidget(parent), fileName_(kNoFile) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    BuildPalette();
    view_.OnChange = [this] { ClampView(); };
    wing_.OnChange = [this] {
        if (loading_ || resizing_)
            return;
        LoadFile();
        update();
    };
}

void TWinGImage::SetFileName(const QString& fileName) {
    std::memset(wing_.Surface(), 0, static_cast<std::size_t>(wing_.Stride()) * wing_.Height());
    fileName_ = kNoFile;
    if (!fileName.isEmpty()) {
        fileName_ = fileName;
        update();
        LoadFile();
    }
    update();
}

void TWinGImage::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    if (autoSize_ && !loading_)
        LoadFile();
}

void TWinGImage::LoadFile() {
    if (fileName_.isEmpty() || fileName_ == kNoFile)
        return;
    TDIB256 dib;
    dib.LoadFromFile(fileName_.toStdString());
    if (autoSize_) {
        // The surface is recreated at the picture's size; the picture in hand is what its
        // change notice would load again.
        resizing_ = true;
        wing_.SetWidth(dib.Width());
        wing_.SetHeight(dib.Height());
        resizing_ = false;
    }
    CopyRect(dib.Bits(), static_cast<int>(dib.Stride()), wing_.Surface(), wing_.Stride(),
             std::min<int>(wing_.Width(), dib.Width()),
             std::min<int>(wing_.Height(), dib.Height()));
    SetColors(kFirstPictureEntry, kLastPictureEntry - kFirstPictureEntry + 1,
              dib.ColorTable() + 4 * kFirstPictureEntry);
    view_.SetLeft(view_.Left());
    update();
}

void TWinGImage::SetColors(int first, int count, const std::uint8_t* entries) {
    for (int i = 0; i < count; ++i) {
        const int entry = first + i;
        if (entry < kFirstPictureEntry || entry > kLastPictureEntry)
            continue;
        std::memcpy(wing_.ColorTable().data() + 4 * entry, entries + 4 * i, 4);
    }
    BuildPalette();
    update();
}

void TWinGImage::BuildPalette() {
    ClearSystemPalette();
    auto& table = wing_.ColorTable();
    const auto& system = SystemColours();
    std::memcpy(table.data(), system.data(), 10 * 4);
    std::memcpy(table.data() + 246 * 4, system.data() + 10 * 4, 10 * 4);
    wing_.SetDIBColorTable(0, 256);
}

void TWinGImage::ClampView() {
    if (loading_)
        return;
    const int w = wing_.Width();
    const int h = wing_.Height();
    // Each assignment notifies again, so the clamp runs nested; it ends because every assignment
    // moves the rectangle inside the surface.
    if (view_.Left() >= w)
        view_.SetLeft(static_cast<std::uint16_t>(w - 1));
    if (view_.Top() >= h)
        view_.SetTop(static_cast<std::uint16_t>(h - 1));
    if (w < view_.Left() + view_.Width())
        view_.SetWidth(static_cast<std::uint16_t>(w - view_.Left()));
    if (h < view_.Top() + view_.Height())
        view_.SetHeight(static_cast<std::uint16_t>(h - view_.Top()));
    update();
}

void TWinGImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect source = view_.Mode() == ViewMode::All
                             ? QRect(0, 0, wing_.Width(), wing_.Height())
                             : QRect(view_.Left(), view_.Top(), view_.Width(), view_.Height());
    if (source.isEmpty()) {
        painter.fillRect(rect(), wing_.Colour(0));
        return;
    }
    painter.drawImage(rect(), wing_.Image(), source);
}

void TWinGImage::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit OnMouseDown(event->button(), event->modifiers(), p.x(), p.y());
}

void TWinGImage::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit OnMouseMove(event->modifiers(), p.x(), p.y());
}

void TWinGImage::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit OnMouseUp(event->button(), event->modifiers(), p.x(), p.y());
    if (rect().contains(p))
        emit OnClick();
}

void TWinGImage::mouseDoubleClickEvent(QMouseEvent*) {
    emit OnDblClick();
}

} // namespace psn
