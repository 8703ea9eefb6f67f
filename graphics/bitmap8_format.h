// A 256-colour picture as a BMP file holds it: palette indices, top row first, and the file's
// own 256-entry colour table. Pictures are copied and saved index for index, never colour
// matched, so a picture that goes out to the game and comes back is unchanged.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace psn {

// A bitmap file that cannot be read or written; the text is the message for the user.
class BitmapError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Bitmap8 {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;         // width bytes per row, top row first
    std::array<std::uint8_t, 1024> colours{}; // 256 entries of blue, green, red, 0

    bool Empty() const { return width == 0 || height == 0; }
    std::uint8_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    std::uint8_t& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// A picture of the size with every pixel 0 and a black colour table.
Bitmap8 MakeBitmap8(int width, int height);

// Copies a rectangle pixel for pixel; the parts outside either picture are left out.
void CopyRect(const Bitmap8& from, int fromX, int fromY, Bitmap8& to, int toX, int toY, int width,
              int height);

// An uncompressed 8-bit BMP file: rows bottom first, padded to 4 bytes, 256 colours.
std::vector<std::uint8_t> EncodeBmp(const Bitmap8& picture);
// Reads an 8-bit BMP file, uncompressed or run-length encoded, stored either way up.
Bitmap8 DecodeBmp(const std::vector<std::uint8_t>& bytes);

Bitmap8 LoadBmpFile(const std::string& path);
// Writes beside the target and renames, so a failure never leaves half a file.
void SaveBmpFile(const Bitmap8& picture, const std::string& path);

} // namespace psn
