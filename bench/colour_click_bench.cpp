// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One click on a colour swatch of the cockpit colours window, to the picture repainted with the
// new colour: the record is changed, the picture recoloured and painted (offscreen platform).
#include "game_palette.h"
#include "graphics/ccolors_form.h"
#include "tests/support/scripted_dialogs.h"

#include <QApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

QApplication& App() {
    static int argc = 1;
    static char name[] = "psn_bench";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QApplication> app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QApplication>(argc, argv);
    }();
    return *app;
}

// Centre of the swatch of a colour in the grid below the picture.
QPoint SwatchPoint(int colour) {
    const int s = colour - 11;
    return {20 * (s % 25) + 10, 198 + 15 * (s / 25) + 7};
}

void Click(QWidget* widget, QPoint at) {
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
}

void BM_CockpitColourClickToRepaint(benchmark::State& st) {
    App();
    const fs::path dir =
        fs::temp_directory_path() / ("psn-bench-click-" + std::to_string(::getpid()));
    fs::create_directories(dir / "DATA");
    std::vector<std::uint8_t> pixels;
    for (int y = 0; y < 375; ++y)
        for (int x = 0; x < 500; ++x)
            pixels.push_back(y < 198 ? static_cast<std::uint8_t>(x % 256) : 7);
    const auto bytes = psn::assets::BitmapFileBytes(500, 375, pixels, psn::assets::GamePalette());
    std::ofstream(dir / "DATA" / "Dib1.dib", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    {
        psn::AppState state;
        state.startDir = dir.string();
        for (int t = 1; t <= 14; ++t)
            state.record.setU8(psn::rec::TeamInUse(t), 1);
        psn::ScriptedDialogs dialogs;
        psn::AppContext context{state, dialogs, [](int code) { std::exit(code); }};
        psn::TCColorsForm form(context);
        form.show();
        QApplication::processEvents();
        QWidget* image = form.findChild<QWidget*>("WinGImage1");
        int colour = 0;
        for (auto _ : st) {
            Click(image, SwatchPoint(colour % 2 ? 150 : 60));
            image->repaint();
            ++colour;
        }
        if (state.record.u8(psn::rec::kCockpitColours) != (colour % 2 ? 60 : 150))
            st.SkipWithError("the click did not reach the record");
    }
    fs::remove_all(dir);
}
BENCHMARK(BM_CockpitColourClickToRepaint)->Unit(benchmark::kMicrosecond);

} // namespace
