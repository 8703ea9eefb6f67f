#include "pictures.h"

#include "game_palette.h"

namespace psn::assets {

namespace {

IndexedPicture Blank(int width, int height, std::uint8_t value) {
    IndexedPicture p;
    p.width = width;
    p.height = height;
    p.pixels.assign(static_cast<std::size_t>(width * height), value);
    return p;
}

} // namespace

IndexedPicture DrawCockpit() {
    auto p = Blank(kColourPictureWidth, kColourPictureHeight, kGridBackground);
    for (int y = 0; y < kPictureRows; ++y)
        for (int x = 0; x < kColourPictureWidth; ++x)
            p.pixels[static_cast<std::size_t>(y * p.width + x)] =
                static_cast<std::uint8_t>(y < 100 ? 20 : 42 + x % 15);
    return p;
}

IndexedPicture DrawPitCrew() {
    auto p = Blank(kColourPictureWidth, kColourPictureHeight, kGridBackground);
    for (int y = 0; y < kPictureRows; ++y)
        for (int x = 0; x < kColourPictureWidth; ++x)
            p.pixels[static_cast<std::size_t>(y * p.width + x)] =
                static_cast<std::uint8_t>(y < 100 ? 20 : 42 + x % 200);
    return p;
}

IndexedPicture DrawCameraViews() {
    return Blank(601, 135, 20);
}

} // namespace psn::assets
