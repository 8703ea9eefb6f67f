// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Car tuning": car weights, rev-light colours and speeds, initial fuel loads and three switches.
#pragma once

#include "editors/tuning_model.h"
#include "ui/app_context.h"

#include <QDialog>
#include <QImage>
#include <QRect>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace psn {

inline constexpr const char* kLedPicture = ".\\DATA\\LEDS.BMP";
inline constexpr int kLedPictureWidth = 100;
inline constexpr int kLedPictureHeight = 59;

// The sprite of a colour (1 green, 2 yellow, 3 red) and the place of light k (0..3) in the light
// strip picture, in picture pixels.
QRect LedSprite(int colour);
QRect LedPlace(int light);
// Stretches the sprite of `colour` onto light k's place inside the same 8-bit picture. A colour
// without a sprite (only possible from a file) shows the light unlit, as it is in `blank`.
void DrawLed(QImage& picture, const QImage& blank, int light, int colour);

class TCTuningForm : public QDialog {
    Q_OBJECT
public:
    explicit TCTuningForm(AppContext& context, QWidget* parent = nullptr);

    const QImage& LedImage() const { return leds_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void ScrollBar1Change();
    void ScrollBar2Change();
    void LightColourChange(int light, QComboBox* box);
    void LightSpeedExit(int light, QLineEdit* edit);
    void Edit11Exit();
    void Edit12Exit();
    void BitBtn4Click();
    void BitBtn2Click();
    void BitBtn3Click();

    void ShowWeights();
    void ShowLeds();
    bool WithPatchList() const;

    AppContext& context_;
    TuningModel model_;
    QImage blank_;
    QImage leds_;

    QLineEdit* edit1_;
    QLineEdit* edit2_;
    QLineEdit* edit3_;
    QLineEdit* edit4_;
    QScrollBar* scrollBar1_;
    QScrollBar* scrollBar2_;
    QCheckBox* checkBox1_;
    QLabel* image1_;
    std::array<QComboBox*, 4> colourBoxes_{}; // by light 0..3
    std::array<QLineEdit*, 4> speedEdits_{};  // by light; light 0 has none
    QLineEdit* edit11_;
    QLineEdit* edit12_;
    QCheckBox* checkBox2_;
    QCheckBox* checkBox951_;
    QCheckBox* checkBox952_;
};

} // namespace psn
