// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/user_bitmap.h"

#include "core/fs.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <cstring>
#include <string>
#include <vector>

namespace psn {
namespace {

QString Name(const QString& path) {
    return QFileInfo(path).fileName();
}

std::string Local(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

// Each refusal is one whole message that names the file and says what to do.
[[noreturn]] void Refuse(const QString& path, MessageKind kind,
                         std::vector<std::string> more = {}) {
    Message message(kind, {Local(path)});
    for (std::string& arg : more)
        message.args.emplace_back(std::move(arg));
    throw GraphicError(std::move(message), Local(path));
}

qint64 Get(const QByteArray& b, int at, int bytes) {
    qint64 value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | static_cast<std::uint8_t>(b[at + i]);
    return value;
}

void Put32(QByteArray& b, int at, qint64 value) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<char>(value >> (8 * i));
}

constexpr int kFileHeader = 14;

// Qt's reader knows the 12-, 40-, 64-, 108- and 124-byte information headers. The V2 and V3
// headers (52 and 56 bytes) are a V4 header cut after its colour masks, and the shorter OS/2 2.x
// headers are the 64-byte one cut short: padded with the zeros they leave out, they reach Qt
// as the header it knows, colour table and pixels shifted with them.
void WidenHeader(QByteArray& bytes) {
    if (bytes.size() < kFileHeader + 4 || !bytes.startsWith("BM"))
        return;
    const qint64 size = Get(bytes, kFileHeader, 4);
    const bool shortOs2 = size > 12 && size < 64 && size != 40 && size != 52 && size != 56;
    const int known = size == 52 || size == 56 ? 108 : shortOs2 ? 64 : 0;
    if (known == 0 || bytes.size() < kFileHeader + size)
        return;
    const int added = known - static_cast<int>(size);
    bytes.insert(kFileHeader + static_cast<int>(size), QByteArray(added, '\0'));
    Put32(bytes, kFileHeader, known);
    Put32(bytes, 2, Get(bytes, 2, 4) + added);
    const qint64 offBits = Get(bytes, 10, 4);
    if (offBits >= kFileHeader + size)
        Put32(bytes, 10, offBits + added);
}

// The few header fields Qt's reader does not give back. Qt widens 4-bit files to 8-bit images,
// so the image cannot tell the file's depth; and it fills the rows of a file that ends early
// without a word, so the length the rows need is checked here.
struct StatedLayout {
    qint64 width = 0, height = 0;
    int bitsPerPixel = 0;
    qint64 pixelsEnd = 0; // where the last uncompressed row ends; 0 when compressed
};

StatedLayout Stated(const QByteArray& b) {
    StatedLayout layout;
    if (b.size() < 34)
        return layout;
    const bool core = Get(b, 14, 4) == 12; // OS/2 1.x: 16-bit sizes and no compression
    const qint64 width = core ? Get(b, 18, 2) : Get(b, 18, 4);
    qint64 height = core ? Get(b, 20, 2) : Get(b, 22, 4);
    if (!core && height >= 0x80000000LL)
        height = 0x100000000LL - height; // top-down rows
    layout.width = width;
    layout.height = height;
    layout.bitsPerPixel = static_cast<int>(Get(b, core ? 24 : 28, 2));
    const qint64 compression = core ? 0 : Get(b, 30, 4);
    // None, bit fields, alpha bit fields: rows padded to 4 bytes.
    if (compression == 0 || compression == 3 || compression == 6)
        layout.pixelsEnd = Get(b, 10, 4) + (width * layout.bitsPerPixel + 31) / 32 * 4 * height;
    return layout;
}

std::uint32_t Rgb(QRgb colour) {
    return colour & 0xFFFFFFu;
}

QRgb TableColour(const ColourTable& table, int i) {
    return qRgb(table[4 * i + 2], table[4 * i + 1], table[4 * i]);
}

Bitmap8 IndicesAsTheyAre(const QImage& image) {
    Bitmap8 picture = MakeBitmap8(image.width(), image.height());
    const QList<QRgb> colours = image.colorTable();
    for (int i = 0; i < colours.size() && i < 256; ++i) {
        picture.colours[4 * i] = static_cast<std::uint8_t>(qBlue(colours[i]));
        picture.colours[4 * i + 1] = static_cast<std::uint8_t>(qGreen(colours[i]));
        picture.colours[4 * i + 2] = static_cast<std::uint8_t>(qRed(colours[i]));
    }
    for (int y = 0; y < picture.height; ++y)
        std::memcpy(&picture.pixels[static_cast<std::size_t>(y) * picture.width],
                    image.constScanLine(y), static_cast<std::size_t>(picture.width));
    return picture;
}

FittedPicture Matched(const QImage& image, const ColourTable& table) {
    QImage source = image;
    // Indices beyond a short colour table have no colour of their own: they count as black.
    if (source.format() == QImage::Format_Indexed8 && source.colorCount() < 256) {
        QList<QRgb> colours = source.colorTable();
        colours.resize(256, qRgb(0, 0, 0));
        source.setColorTable(colours);
    }
    source = source.convertToFormat(QImage::Format_ARGB32);
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(source.width()) * source.height());
    for (int y = 0; y < source.height(); ++y)
        std::memcpy(&pixels[static_cast<std::size_t>(y) * source.width()], source.constScanLine(y),
                    static_cast<std::size_t>(source.width()) * 4);
    MatchResult match = MatchColours(pixels, table);
    FittedPicture fitted;
    fitted.picture.width = source.width();
    fitted.picture.height = source.height();
    fitted.picture.pixels = std::move(match.indices);
    fitted.picture.colours = table;
    fitted.matched = true;
    fitted.pixelsReplaced = match.pixelsReplaced;
    return fitted;
}

bool SameColours(const QImage& image, const ColourTable& table) {
    const QList<QRgb> colours = image.colorTable();
    for (int i = 0; i < colours.size() && i < 256; ++i)
        if (Rgb(colours[i]) != Rgb(TableColour(table, i)))
            return false;
    return true;
}

bool IsEightBit(const UserBitmap& file) {
    return file.bitsPerPixel == 8 && file.image.format() == QImage::Format_Indexed8;
}

} // namespace

UserBitmap ReadUserBitmap(const QString& path) {
    // The largest picture taken, at 32 bits per pixel, and room for its headers.
    constexpr std::uint64_t kLimit = 4 * std::uint64_t{TDIB256::kMaxPixelBytes} + 65536;
    const std::string name = QFile::encodeName(path).toStdString();
    std::vector<std::uint8_t> read;
    Message reason;
    if (!fs::ReadWholeFile(name, read, reason, kLimit)) {
        if (const auto size = fs::FileSize(name); size && *size > kLimit)
            Refuse(path, MessageKind::UserBitmapTooLarge, {std::to_string(*size)});
        throw EFOpenError(Local(path), std::move(reason));
    }
    QByteArray bytes(reinterpret_cast<const char*>(read.data()),
                     static_cast<qsizetype>(read.size()));
    WidenHeader(bytes);
    UserBitmap bitmap;
    bitmap.path = path;
    const StatedLayout stated = Stated(bytes);
    bitmap.bitsPerPixel = stated.bitsPerPixel;

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    if (!bytes.startsWith("BM") || !reader.canRead())
        Refuse(path, MessageKind::UserBitmapNotBmp);
    // Qt refuses some large pictures as unreadable; they are named for what they are.
    if (stated.width > TDIB256::kMaxSide || stated.height > TDIB256::kMaxSide ||
        stated.width * stated.height > static_cast<qint64>(TDIB256::kMaxPixelBytes))
        Refuse(path, MessageKind::UserBitmapTooManyPixels,
               {std::to_string(stated.width), std::to_string(stated.height),
                std::to_string(TDIB256::kMaxSide), std::to_string(TDIB256::kMaxPixelBytes)});
    if (!reader.read(&bitmap.image) || bitmap.image.isNull())
        Refuse(path, MessageKind::UserBitmapDamaged, {Local(reader.errorString())});
    if (stated.pixelsEnd > bytes.size())
        Refuse(path, MessageKind::UserBitmapEndsEarly,
               {std::to_string(bytes.size()), std::to_string(stated.pixelsEnd)});
    return bitmap;
}

FittedPicture AsWholePicture(const UserBitmap& file, const ColourTable& table) {
    if (IsEightBit(file))
        return {IndicesAsTheyAre(file.image), false, 0};
    return Matched(file.image, table);
}

FittedPicture InColoursOf(const UserBitmap& file, const ColourTable& table) {
    if (IsEightBit(file) && SameColours(file.image, table)) {
        FittedPicture fitted{IndicesAsTheyAre(file.image), false, 0};
        fitted.picture.colours = table;
        return fitted;
    }
    return Matched(file.image, table);
}

QString MatchedNote(const UserBitmap& file, const FittedPicture& fitted, MatchedTo target) {
    const bool sheet = target == MatchedTo::HelmetSheet;
    const QString name = Name(file.path);
    QString note;
    if (file.bitsPerPixel == 8)
        note = (sheet ? QCoreApplication::translate(
                            "psn::UserBitmap",
                            "'%1' has colours of its own: its colours have been matched to the 256 "
                            "colours of the helmet sheet, nearest colour.")
                      : QCoreApplication::translate(
                            "psn::UserBitmap",
                            "'%1' has colours of its own: its colours have been matched to the 256 "
                            "colours of the car painting, nearest colour."))
                   .arg(name);
    else
        note = (sheet ? QCoreApplication::translate(
                            "psn::UserBitmap",
                            "'%1' has %2 bits per pixel: its colours have been matched to the 256 "
                            "colours of the helmet sheet, nearest colour.")
                      : QCoreApplication::translate(
                            "psn::UserBitmap",
                            "'%1' has %2 bits per pixel: its colours have been matched to the 256 "
                            "colours of the car painting, nearest colour."))
                   .arg(name, QString::number(file.bitsPerPixel));
    if (fitted.pixelsReplaced > 0)
        note += " " +
                (sheet ? QCoreApplication::translate(
                             "psn::UserBitmap",
                             "%1 of its %2 pixels had a colour that the helmet sheet does not hold "
                             "and took the nearest.")
                       : QCoreApplication::translate(
                             "psn::UserBitmap",
                             "%1 of its %2 pixels had a colour that the car painting does not hold "
                             "and took the nearest."))
                    .arg(QString::number(fitted.pixelsReplaced),
                         QString::number(static_cast<qint64>(file.image.width()) *
                                         file.image.height()));
    return note;
}

} // namespace psn
