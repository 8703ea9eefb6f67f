// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The palette image view: an off-screen surface of one byte per pixel (a palette index) with a
// 256-entry colour table, shown scaled into a control, whole or as a portion. Editors write the
// surface bytes directly and then call Repaint() once.
//
// A true-colour display has no system palette: entries 0-9 and 246-255 of the colour table hold
// the twenty static colours of a 256-colour display, entries 10-245 the picture's own colours,
// so the bytes reach the screen through the table unchanged.
//
// Usage:
//   auto* image = new TWinGImage(this);
//   image->setGeometry(0, 0, 500, 375);
//   image->SetFileName(path);                 // throws GraphicError
//   image->WinG().Pixel(x, y) = 42;           // or Surface() + y * Stride() + x
//   image->Repaint();
#pragma once

#include "core/dib256.h"

#include <QImage>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

namespace psn {

// Kept for the drawing order of a palette display; nothing to reset without one.
void ClearSystemPalette();

// The twenty static colours (blue, green, red, 0): entries 0-9 and 246-255.
const std::array<std::uint8_t, 20 * 4>& SystemColours();

class TWinG {
public:
    TWinG(std::uint16_t width = 1, std::uint16_t height = 1);

    std::uint16_t Width() const { return width_; }
    std::uint16_t Height() const { return height_; }
    // A new size frees the surface and creates one with new pixels, then notifies OnChange. A size
    // of 0 is taken as 1: the view clamp needs at least one pixel.
    void SetWidth(std::uint16_t width);
    void SetHeight(std::uint16_t height);

    // Row length in bytes: (Width + 3) & ~3.
    int Stride() const { return static_cast<int>(image_.bytesPerLine()); }
    std::uint8_t* Surface() { return image_.bits(); }
    const std::uint8_t* Surface() const { return image_.constBits(); }
    std::uint8_t& Pixel(int x, int y) { return Surface()[y * Stride() + x]; }
    std::uint8_t Pixel(int x, int y) const { return Surface()[y * Stride() + x]; }

    // 256 entries of blue, green, red, 0.
    std::array<std::uint8_t, 1024>& ColorTable() { return colorTable_; }
    const std::array<std::uint8_t, 1024>& ColorTable() const { return colorTable_; }
    // Hands entries first .. first+count-1 of the colour table to the surface.
    void SetDIBColorTable(int first, int count);
    // The colour a pixel value shows as.
    QRgb Colour(std::uint8_t value) const { return image_.color(value); }

    const QImage& Image() const { return image_; }

    std::function<void()> OnChange;

private:
    void CreateSurface();

    std::uint16_t width_;
    std::uint16_t height_;
    QImage image_;
    std::array<std::uint8_t, 1024> colorTable_{};
};

enum class ViewMode { All = 0, Portion = 1 };

// The portion to show in mode Portion. Every assignment notifies OnChange, also of an unchanged
// value, so re-assigning a field runs the owner's clamp.
class TView {
public:
    ViewMode Mode() const { return mode_; }
    std::uint16_t Left() const { return left_; }
    std::uint16_t Top() const { return top_; }
    std::uint16_t Width() const { return width_; }
    std::uint16_t Height() const { return height_; }
    void SetMode(ViewMode mode) { Assign(mode_, mode); }
    void SetLeft(std::uint16_t v) { Assign(left_, v); }
    void SetTop(std::uint16_t v) { Assign(top_, v); }
    void SetWidth(std::uint16_t v) { Assign(width_, v); }
    void SetHeight(std::uint16_t v) { Assign(height_, v); }

    std::function<void()> OnChange;

private:
    template <typename T> void Assign(T& field, T value) {
        field = value;
        if (OnChange)
            OnChange();
    }
    ViewMode mode_ = ViewMode::All;
    std::uint16_t left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

class TWinGImage : public QWidget {
    Q_OBJECT
public:
    explicit TWinGImage(QWidget* parent = nullptr);

    // "(none)" when no file is set.
    QString FileName() const { return fileName_; }
    // Clears the surface to 0 and loads the file (relative names are taken from the current
    // directory). A GraphicError propagates; the surface then stays cleared and FileName keeps
    // the new text.
    void SetFileName(const QString& fileName);

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);

    TView& View() { return view_; }
    TWinG& WinG() { return wing_; }
    const TWinG& WinG() const { return wing_; }

    // Copies `count` entries (blue, green, red, 0 each) into the colour table from entry `first`,
    // kept within the picture's entries 10-245, then repaints.
    void SetColors(int first, int count, const std::uint8_t* entries);

    // While true (the window setting up its stored properties), size and view changes neither
    // reload nor clamp.
    void SetLoading(bool loading) { loading_ = loading; }

    // Paints the surface now; editors call it once after writing pixels.
    void Repaint() { repaint(); }

signals:
    void OnClick();
    void OnDblClick();
    void OnMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void OnMouseMove(Qt::KeyboardModifiers shift, int x, int y);
    void OnMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void LoadFile();
    void BuildPalette();
    void ClampView();

    QString fileName_;
    bool autoSize_ = true;
    bool loading_ = false;
    bool resizing_ = false;
    TView view_;
    TWinG wing_;
};

} // namespace psn
