// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Stand-in for the game's archive converter, for the sample game's archives. An archive is the
// 8 bytes "PSNJAM01" followed by a complete uncompressed 8-bit BMP file.
//   PSNJAM.EXE -j<archive> -b<bitmap> -y   extracts the archive's bitmap
//   PSNJAM.EXE -b<bitmap> -j<archive> -y   replaces it with a bitmap of the same size
// Failures exit non-zero with a message on stderr and leave the target untouched.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace stdfs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

constexpr char kMagic[] = "PSNJAM01";
constexpr std::size_t kMagicSize = 8;
constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;

struct Failure {
    std::string message;
};

std::uint32_t U32(const Bytes& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24;
}
std::uint16_t U16(const Bytes& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

// Paths come in the game's own spelling too (".\TEMP\HELMETS.BMP").
std::string NativePath(std::string path) {
#ifndef _WIN32
    for (char& c : path)
        if (c == '\\')
            c = '/';
#endif
    return path;
}

Bytes ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw Failure{"cannot open " + path};
    Bytes bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        throw Failure{"cannot read " + path};
    return bytes;
}

// Writes beside the target and renames, so nobody waiting for the file sees half of it.
void WriteAll(const std::string& path, const Bytes& prefix, const Bytes& bytes) {
    const std::string temp = path + ".psnjam-part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(prefix.data()),
                  static_cast<std::streamsize>(prefix.size()));
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ec;
            stdfs::remove(temp, ec);
            throw Failure{"cannot write " + path};
        }
    }
    std::error_code ec;
    stdfs::rename(temp, path, ec);
    if (ec) {
        stdfs::remove(temp, ec);
        throw Failure{"cannot write " + path + ": " + ec.message()};
    }
}

struct BitmapSize {
    std::int32_t width;
    std::int32_t height;
};

// Checks that the bytes are a whole uncompressed 8-bit bitmap and returns its size.
BitmapSize CheckBitmap(const Bytes& bmp, const std::string& what) {
    if (bmp.size() < kFileHeaderSize + kInfoHeaderSize || bmp[0] != 'B' || bmp[1] != 'M')
        throw Failure{what + " is not a bitmap file"};
    const Bytes& b = bmp;
    const auto infoSize = U32(b, 14);
    const auto width = static_cast<std::int32_t>(U32(b, 18));
    const auto height = static_cast<std::int32_t>(U32(b, 22));
    const auto planes = U16(b, 26);
    const auto bits = U16(b, 28);
    const auto compression = U32(b, 30);
    const auto offBits = U32(b, 10);
    if (infoSize != kInfoHeaderSize || planes != 1 || bits != 8)
        throw Failure{what + " is not an 8-bit bitmap"};
    if (compression != 0)
        throw Failure{what + " is compressed; an uncompressed 8-bit bitmap is needed"};
    if (width <= 0 || height == 0 || width > 65535 || height > 65535 || height < -65535)
        throw Failure{what + " has an invalid size"};
    const std::uint64_t stride = (static_cast<std::uint64_t>(width) + 3) & ~std::uint64_t(3);
    const std::uint64_t rows = height < 0 ? -static_cast<std::int64_t>(height) : height;
    if (offBits < kFileHeaderSize + kInfoHeaderSize || offBits + stride * rows > bmp.size())
        throw Failure{what + " is shorter than its pixels"};
    return {width, static_cast<std::int32_t>(rows)};
}

Bytes ArchiveBitmap(const std::string& archive) {
    Bytes bytes = ReadAll(archive);
    if (bytes.size() < kMagicSize || std::memcmp(bytes.data(), kMagic, kMagicSize) != 0)
        throw Failure{archive + " is not an archive of this converter"};
    Bytes bmp(bytes.begin() + kMagicSize, bytes.end());
    CheckBitmap(bmp, "the bitmap inside " + archive);
    return bmp;
}

void Extract(const std::string& archive, const std::string& bitmap) {
    WriteAll(bitmap, {}, ArchiveBitmap(archive));
}

void WriteBack(const std::string& bitmap, const std::string& archive) {
    const BitmapSize current = CheckBitmap(ArchiveBitmap(archive), archive);
    const Bytes bmp = ReadAll(bitmap);
    const BitmapSize given = CheckBitmap(bmp, bitmap);
    if (given.width != current.width || given.height != current.height)
        throw Failure{bitmap + " is " + std::to_string(given.width) + " x " +
                      std::to_string(given.height) + " pixels; the archive holds " +
                      std::to_string(current.width) + " x " + std::to_string(current.height)};
    WriteAll(archive, Bytes(kMagic, kMagic + kMagicSize), bmp);
}

std::optional<std::string> Option(const std::string& arg, char letter) {
    if (arg.size() > 2 && arg[0] == '-' && (arg[1] == letter || arg[1] == letter - 'a' + 'A'))
        return NativePath(arg.substr(2));
    return std::nullopt;
}

// The name the program was started as: PSNJAM.EXE where it stands in for the game's converter,
// psniaed-sample-converter where it is installed under its own.
std::string ProgramName(int argc, char** argv) {
    if (argc < 1 || argv[0][0] == '\0')
        return "PSNJAM.EXE";
    const std::string path = argv[0];
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() != 3 || (args[2] != "-y" && args[2] != "-Y")) {
        const std::string name = ProgramName(argc, argv);
        std::cerr << "usage: " << name << " -j<archive> -b<bitmap> -y   (extract)\n"
                  << "       " << name << " -b<bitmap> -j<archive> -y   (write back)\n";
        return 2;
    }
    try {
        if (auto archive = Option(args[0], 'j'); archive) {
            const auto bitmap = Option(args[1], 'b');
            if (!bitmap)
                throw Failure{"expected -b<bitmap> after -j<archive>"};
            Extract(*archive, *bitmap);
        } else if (auto bitmap = Option(args[0], 'b'); bitmap) {
            const auto target = Option(args[1], 'j');
            if (!target)
                throw Failure{"expected -j<archive> after -b<bitmap>"};
            WriteBack(*bitmap, *target);
        } else {
            throw Failure{"expected -j<archive> or -b<bitmap> first"};
        }
    } catch (const Failure& failure) {
        std::cerr << "PSNJAM: " << failure.message << "\n";
        return 1;
    }
    return 0;
}
