// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Bitmaps as other programs write them, built here byte by byte in every header kind, depth and
// encoding, and loaded through the helmet and car windows.
#include "core/record_map.h"
#include "graphics/helmet_form.h"
#include "graphics/helmet_table.h"
#include "graphics/jam_form.h"
#include "graphics/nearest_colour_table.h"
#include "support/fake_converter.h"
#include "support/program_end.h"
#include "support/scratch_game.h"
#include "tests/support/scripted_dialogs.h"
#include "ui/picture_view.h"

#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace psn {
namespace {

using Kind = ScriptedDialogs::Kind;
using Bytes = std::vector<std::uint8_t>;

constexpr int kW = 37; // odd, so that every depth pads its rows
constexpr int kH = 6;
constexpr int kPureAt = 100; // where the sheet's table holds the eight pure colours

struct Rgb {
    int r, g, b;
};
constexpr Rgb kPure[8] = {{0, 0, 0},     {255, 0, 0},   {0, 255, 0},   {0, 0, 255},
                          {255, 255, 0}, {0, 255, 255}, {255, 0, 255}, {255, 255, 255}};

// 256 distinct colours, the pure ones at 100..107 and every other far from them (Qt widens 5-bit
// channels to 248, not 255).
ColourTable SheetTable() {
    ColourTable t{};
    for (int i = 0; i < 256; ++i) {
        const Rgb c = i >= kPureAt && i < kPureAt + 8
                          ? kPure[i - kPureAt]
                          : Rgb{i, 64 + (i * 7 + 3) % 128, 64 + (i * 13 + 5) % 128};
        t[4 * i] = static_cast<std::uint8_t>(c.b);
        t[4 * i + 1] = static_cast<std::uint8_t>(c.g);
        t[4 * i + 2] = static_cast<std::uint8_t>(c.r);
    }
    return t;
}

// The sheet's colours in another order: entry i holds the sheet's entry (i + 50) % 256.
ColourTable Rotated(const ColourTable& t) {
    ColourTable out{};
    for (int i = 0; i < 256; ++i)
        std::copy_n(&t[4 * ((i + 50) % 256)], 4, &out[4 * i]);
    return out;
}

int IndexAt(int x, int y, int colours) {
    return (x * 3 + y * 5 + x * y) % colours;
}

void Put(Bytes& b, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

struct Variant {
    const char* name;
    int header; // information header size: 12 (OS/2 1.x), 16 and 64 (OS/2 2.x), 40, 52 (V2),
                // 56 (V3), 108 (V4), 124 (V5)
    int bits;
    int compression = 0; // 0 none, 1 RLE8, 2 RLE4, 3 bit fields
    bool topDown = false;
    int gap = 0; // bytes between the colour table and the pixels
};

// A file of the variant. Files of 8 bits or fewer index `table` (its first 2, 16 or 256
// entries); deeper files hold the pure colours directly.
Bytes Encode(const Variant& v, const ColourTable& table) {
    const bool core = v.header == 12;
    const int colours = v.bits <= 8 ? 1 << v.bits : 0;
    const int pure = v.bits <= 8 ? colours : 8;
    const bool masks = v.compression == 3;
    const int masksAfterHeader = masks && v.header == 40 ? 12 : 0;

    Bytes pixels;
    const int stride = (kW * v.bits + 31) / 32 * 4;
    for (int row = 0; row < kH; ++row) {
        const int y = v.topDown ? row : kH - 1 - row;
        if (v.compression == 1 || v.compression == 2) {
            int x = 0;
            if (v.compression == 1 && row == 0) { // one literal run
                pixels.insert(pixels.end(), {0, 4});
                for (; x < 4; ++x)
                    pixels.push_back(static_cast<std::uint8_t>(IndexAt(x, y, colours)));
            }
            while (x < kW) {
                const int index = IndexAt(x, y, colours);
                int run = 1;
                while (x + run < kW && IndexAt(x + run, y, colours) == index)
                    ++run;
                pixels.push_back(static_cast<std::uint8_t>(run));
                pixels.push_back(
                    static_cast<std::uint8_t>(v.compression == 1 ? index : index * 17));
                x += run;
            }
            pixels.insert(pixels.end(), {0, static_cast<std::uint8_t>(row == kH - 1 ? 1 : 0)});
            continue;
        }
        Bytes line(static_cast<std::size_t>(stride), 0);
        for (int x = 0; x < kW; ++x) {
            const int index = IndexAt(x, y, colours ? colours : pure);
            const Rgb c = kPure[index % 8];
            switch (v.bits) {
            case 1:
                line[x / 8] |= static_cast<std::uint8_t>(index << (7 - x % 8));
                break;
            case 4:
                line[x / 2] |= static_cast<std::uint8_t>(index << (x % 2 ? 0 : 4));
                break;
            case 8:
                line[x] = static_cast<std::uint8_t>(index);
                break;
            case 16: {
                const unsigned value = masks ? (c.r >> 3) << 11 | (c.g >> 2) << 5 | c.b >> 3
                                             : (c.r >> 3) << 10 | (c.g >> 3) << 5 | c.b >> 3;
                line[2 * x] = static_cast<std::uint8_t>(value);
                line[2 * x + 1] = static_cast<std::uint8_t>(value >> 8);
                break;
            }
            default: {
                const int size = v.bits / 8;
                line[size * x] = static_cast<std::uint8_t>(c.b);
                line[size * x + 1] = static_cast<std::uint8_t>(c.g);
                line[size * x + 2] = static_cast<std::uint8_t>(c.r);
                if (size == 4)
                    line[size * x + 3] = 255;
            }
            }
        }
        pixels.insert(pixels.end(), line.begin(), line.end());
    }

    Bytes info;
    if (core) {
        Put(info, 12, 4);
        Put(info, kW, 2);
        Put(info, kH, 2);
        Put(info, 1, 2);
        Put(info, static_cast<std::uint32_t>(v.bits), 2);
    } else {
        Put(info, static_cast<std::uint32_t>(v.header), 4);
        Put(info, kW, 4);
        Put(info, static_cast<std::uint32_t>(v.topDown ? -kH : kH), 4);
        Put(info, 1, 2);
        Put(info, static_cast<std::uint32_t>(v.bits), 2);
        Put(info, static_cast<std::uint32_t>(v.compression), 4);
        Put(info, static_cast<std::uint32_t>(pixels.size()), 4);
        Put(info, 2835, 4);
        Put(info, 2835, 4);
        Put(info, 0, 4); // colours used: all
        Put(info, 0, 4);
        if (v.header != 64) { // the Windows headers' masks; OS/2 2.x has other fields here
            const bool wide = v.bits == 32;
            Put(info, masks ? (wide ? 0xFF0000u : 0xF800u) : 0, 4);
            Put(info, masks ? (wide ? 0xFF00u : 0x07E0u) : 0, 4);
            Put(info, masks ? (wide ? 0xFFu : 0x001Fu) : 0, 4);
            Put(info, masks && wide ? 0xFF000000u : 0, 4);
            Put(info, 0x73524742, 4); // sRGB
        }
        info.resize(static_cast<std::size_t>(v.header), 0);
    }
    if (masksAfterHeader) {
        const bool wide = v.bits == 32;
        Put(info, wide ? 0xFF0000u : 0xF800u, 4);
        Put(info, wide ? 0xFF00u : 0x07E0u, 4);
        Put(info, wide ? 0xFFu : 0x001Fu, 4);
    }
    for (int i = 0; i < colours; ++i) {
        const int at = v.bits == 8 ? 4 * i : 0;
        const Rgb c = v.bits == 8 ? Rgb{table[at + 2], table[at + 1], table[at]} : kPure[i % 8];
        info.insert(info.end(), {static_cast<std::uint8_t>(c.b), static_cast<std::uint8_t>(c.g),
                                 static_cast<std::uint8_t>(c.r)});
        if (!core)
            info.push_back(0);
    }
    info.insert(info.end(), static_cast<std::size_t>(v.gap), 0xEE);

    Bytes file{'B', 'M'};
    Put(file, static_cast<std::uint32_t>(14 + info.size() + pixels.size()), 4);
    Put(file, 0, 4);
    Put(file, static_cast<std::uint32_t>(14 + info.size()), 4);
    file.insert(file.end(), info.begin(), info.end());
    file.insert(file.end(), pixels.begin(), pixels.end());
    return file;
}

// What an 8-bit file holds: the indices.
Bitmap8 EightBitPicture(const ColourTable& table) {
    Bitmap8 p = MakeBitmap8(kW, kH);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            p.At(x, y) = static_cast<std::uint8_t>(IndexAt(x, y, 256));
    p.colours = table;
    return p;
}

// What any other file becomes in colours that hold the pure ones at `pureAt`.
Bitmap8 InPureColours(int bits, const ColourTable& table, int pureAt) {
    Bitmap8 p = MakeBitmap8(kW, kH);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            p.At(x, y) =
                static_cast<std::uint8_t>(pureAt + IndexAt(x, y, bits <= 8 ? 1 << bits : 8) % 8);
    p.colours = table;
    return p;
}

struct BitmapWindows : ::testing::Test {
    test::ScratchGame game;
    ScriptedDialogs dialogs;
    AppContext context{game.state, dialogs, [](int code) { test::EndProgram(code); }};
    ColourTable sheetTable = SheetTable();
    Bitmap8 original = [this] {
        Bitmap8 p = test::PatternPicture(256, 180, 5);
        p.colours = sheetTable;
        return p;
    }();
    std::string dir = game.dir.str();
    std::unique_ptr<THelmetForm> helmets;

    BitmapWindows() {
        for (int slot = 1; slot <= 28; ++slot)
            game.state.record.setU8(rec::SlotNumber(slot), static_cast<std::uint8_t>(slot));
        test::InstallStandIn(game.editorDir);
    }
    ~BitmapWindows() override {
        helmets.reset();
        std::filesystem::current_path(std::filesystem::temp_directory_path());
    }
    void OpenHelmets(bool withSheet = true) {
        if (withSheet)
            SaveBmpFile(original, game.editorDir + "/TEMP/HELMETS.BMP");
        helmets = std::make_unique<THelmetForm>(context);
        helmets->show();
    }
    const Bitmap8& Sheet() const { return helmets->findChild<PictureView*>("Image1")->Picture(); }
    std::string Write(const std::string& name, const Bytes& bytes) const {
        const std::string path = dir + "/" + name;
        test::WriteFileBytes(path, bytes);
        return path;
    }
    void Load(QWidget* window, const char* button, const std::string& path) {
        dialogs.Clear();
        dialogs.fileAnswers = {QString::fromStdString(path)};
        QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
    }
};

Bitmap8 CellOf(const Bitmap8& sheet, int cell) {
    Bitmap8 out = MakeBitmap8(kHelmetWidth, kHelmetHeight);
    const CellOrigin at = HelmetCellOrigin(cell);
    CopyRect(sheet, at.x, at.y, out, 0, 0, kHelmetWidth, kHelmetHeight);
    return out;
}

TEST_F(BitmapWindows, EightBitSheetsOfEveryKindLoadAsTheyAre) {
    const Variant variants[] = {
        {"OS/2 1.x header", 12, 8},
        {"short OS/2 2.x header", 16, 8},
        {"40-byte header", 40, 8},
        {"V2 header", 52, 8},
        {"V3 header", 56, 8},
        {"OS/2 2.x header", 64, 8},
        {"V4 header", 108, 8},
        {"V5 header", 124, 8},
        {"RLE8", 40, 8, 1},
        {"RLE8, V5 header", 124, 8, 1},
        {"top-down rows", 40, 8, 0, true},
        {"odd pixel-data offset", 40, 8, 0, false, 3},
        {"top-down, V4 header, odd offset", 108, 8, 0, true, 5},
    };
    OpenHelmets();
    const ColourTable fileTable = Rotated(sheetTable);
    for (const Variant& v : variants) {
        SCOPED_TRACE(v.name);
        Load(helmets.get(), "BitBtn7", Write("eight.bmp", Encode(v, fileTable)));
        EXPECT_TRUE(dialogs.Messages().isEmpty()) << dialogs.Messages().join("|").toStdString();
        const Bitmap8 expected = EightBitPicture(fileTable);
        EXPECT_EQ(Sheet().width, kW);
        EXPECT_EQ(Sheet().pixels, expected.pixels);
        EXPECT_EQ(Sheet().colours, expected.colours);
    }

    // Written by Qt, and a sheet saved and loaded again: unchanged, byte for byte.
    QImage qt(kW, kH, QImage::Format_Indexed8);
    QList<QRgb> colours;
    for (int i = 0; i < 256; ++i)
        colours << qRgb(sheetTable[4 * i + 2], sheetTable[4 * i + 1], sheetTable[4 * i]);
    qt.setColorTable(colours);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            qt.setPixel(x, y, static_cast<uint>(IndexAt(x, y, 256)));
    const std::string byQt = dir + "/qt8.bmp";
    ASSERT_TRUE(qt.save(QString::fromStdString(byQt), "BMP"));
    Load(helmets.get(), "BitBtn7", byQt);
    EXPECT_EQ(Sheet().pixels, EightBitPicture(sheetTable).pixels);
    EXPECT_EQ(Sheet().colours, sheetTable);

    const std::string saved = dir + "/saved.bmp";
    Load(helmets.get(), "BitBtn6", saved);
    const Bytes first = test::ReadFileBytes(saved);
    Load(helmets.get(), "BitBtn7", saved);
    Load(helmets.get(), "BitBtn6", saved);
    EXPECT_EQ(test::ReadFileBytes(saved), first);
    EXPECT_EQ(Sheet().pixels, EightBitPicture(sheetTable).pixels);
}

TEST_F(BitmapWindows, SheetsOfOtherDepthsTakeTheColoursOfTheSheetTheyReplace) {
    const Variant variants[] = {
        {"1 bit", 40, 1},
        {"1 bit, OS/2 1.x header", 12, 1},
        {"4 bits", 40, 4},
        {"4 bits, V4 header", 108, 4},
        {"RLE4", 40, 4, 2},
        {"16 bits 5-5-5", 40, 16},
        {"16 bits 5-6-5 bit fields", 40, 16, 3},
        {"16 bits 5-6-5, V3 header", 56, 16, 3},
        {"24 bits", 40, 24},
        {"24 bits, OS/2 1.x header", 12, 24},
        {"24 bits, short OS/2 2.x header", 16, 24},
        {"24 bits, V2 header, top-down", 52, 24, 0, true},
        {"32 bits", 40, 32},
        {"32 bits with alpha, V5 header", 124, 32, 3},
        {"32 bits, V4 header, odd offset", 108, 32, 3, false, 2},
    };
    OpenHelmets();
    for (const Variant& v : variants) {
        SCOPED_TRACE(v.name);
        Load(helmets.get(), "BitBtn7", Write("other.bmp", Encode(v, sheetTable)));
        ASSERT_EQ(dialogs.Count(Kind::Information), 1)
            << dialogs.Messages().join("|").toStdString();
        EXPECT_EQ(dialogs.Messages().size(), 1);
        EXPECT_TRUE(dialogs.Messages().at(0).contains("other.bmp"));
        EXPECT_TRUE(dialogs.Messages().at(0).contains("matched"));
        const Bitmap8 expected = InPureColours(v.bits, sheetTable, kPureAt);
        EXPECT_EQ(Sheet().pixels, expected.pixels);
        EXPECT_EQ(Sheet().colours, sheetTable);
    }

    QImage qt(kW, kH, QImage::Format_RGB32);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            const Rgb c = kPure[IndexAt(x, y, 8)];
            qt.setPixel(x, y, qRgb(c.r, c.g, c.b));
        }
    const std::string byQt = dir + "/qt24.bmp";
    ASSERT_TRUE(qt.save(QString::fromStdString(byQt), "BMP"));
    Load(helmets.get(), "BitBtn7", byQt);
    EXPECT_EQ(Sheet().pixels, InPureColours(24, sheetTable, kPureAt).pixels);
}

TEST_F(BitmapWindows, AHelmetIsPastedInTheSheetsColours) {
    OpenHelmets();
    helmets->findChild<QListWidget*>("ListBox1")->setCurrentRow(4);
    struct Case {
        const char* name;
        Variant variant;
        bool sheetsOrder; // an 8-bit file: its table is the sheet's, or the sheet's rotated
        bool note;
    };
    const Case cases[] = {
        {"8 bits, the sheet's colours: index for index", {"", 40, 8}, true, false},
        {"8 bits, the sheet's colours in another order", {"", 124, 8}, false, true},
        {"24 bits", {"", 40, 24}, false, true},
        {"4 bits, RLE4", {"", 40, 4, 2}, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ColourTable fileTable = c.sheetsOrder ? sheetTable : Rotated(sheetTable);
        Load(helmets.get(), "BitBtn4", Write("helmet.bmp", Encode(c.variant, fileTable)));
        EXPECT_EQ(dialogs.Count(Kind::Information), c.note ? 1 : 0);
        EXPECT_EQ(dialogs.Count(Kind::Error), 0);
        Bitmap8 expected = EightBitPicture(sheetTable);
        if (c.variant.bits != 8)
            expected = InPureColours(c.variant.bits, sheetTable, kPureAt);
        else if (!c.sheetsOrder) // file index i holds the sheet's colour (i + 50) % 256
            for (auto& p : expected.pixels)
                p = static_cast<std::uint8_t>((p + 50) % 256);
        const Bitmap8 cell = CellOf(Sheet(), 4);
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x)
                ASSERT_EQ(cell.At(x, y), expected.At(x, y)) << x << "," << y;
        EXPECT_EQ(Sheet().colours, sheetTable);
        EXPECT_EQ(CellOf(Sheet(), 3).pixels, CellOf(original, 3).pixels);
    }

    // A colour the sheet does not hold takes the nearest one, and the note says how many.
    QImage nearRed(2, 1, QImage::Format_RGB32);
    nearRed.setPixel(0, 0, qRgb(250, 6, 2));
    nearRed.setPixel(1, 0, qRgb(255, 255, 255));
    const std::string path = dir + "/near.bmp";
    ASSERT_TRUE(nearRed.save(QString::fromStdString(path), "BMP"));
    Load(helmets.get(), "BitBtn4", path);
    EXPECT_EQ(CellOf(Sheet(), 4).At(0, 0), kPureAt + 1);
    EXPECT_EQ(CellOf(Sheet(), 4).At(1, 0), kPureAt + 7);
    ASSERT_EQ(dialogs.Count(Kind::Information), 1);
    EXPECT_TRUE(dialogs.Messages().at(0).contains("1 of its 2 pixels"))
        << dialogs.Messages().at(0).toStdString();
}

TEST_F(BitmapWindows, FilesThatAreNoBitmapDamagedOrTooLargeAreNamedAndChangeNothing) {
    OpenHelmets();
    const Bytes good = Encode({"", 40, 24}, sheetTable);
    Bytes cutRows(good.begin(), good.end() - 40);
    Bytes cutHeader(good.begin(), good.begin() + 26);
    Bytes huge = good;
    huge[18] = 0x20; // width 20000 = 0x4E20
    huge[19] = 0x4E;
    huge[22] = 0x20;
    huge[23] = 0x4E;
    QImage png(4, 4, QImage::Format_RGB32);
    png.fill(Qt::red);
    const std::string pngPath = dir + "/picture.bmp";
    png.save(QString::fromStdString(pngPath), "PNG");
    struct Case {
        const char* name;
        std::string path;
        const char* what;
    };
    const Case cases[] = {
        {"text", Write("notes.bmp", {'h', 'e', 'l', 'l', 'o'}), "is not a BMP bitmap"},
        {"PNG named .bmp", pngPath, "is not a BMP bitmap"},
        {"rows missing", Write("cut.bmp", cutRows), "damaged"},
        {"header cut short", Write("stub.bmp", cutHeader), "damaged"},
        {"20000 x 20000", Write("huge.bmp", huge), "too large"},
        {"missing", dir + "/none.bmp", "Cannot open file"},
    };
    const Bitmap8 before = Sheet();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const char* button : {"BitBtn7", "BitBtn4"}) {
            Load(helmets.get(), button, c.path);
            ASSERT_EQ(dialogs.Messages().size(), 1);
            EXPECT_EQ(dialogs.Count(Kind::Error), 1);
            const QString message = dialogs.Messages().at(0);
            EXPECT_TRUE(message.contains(QString::fromStdString(c.path))) << message.toStdString();
            EXPECT_TRUE(message.contains(c.what)) << message.toStdString();
            EXPECT_EQ(Sheet().pixels, before.pixels);
            EXPECT_EQ(Sheet().colours, before.colours);
        }
    }
}

TEST_F(BitmapWindows, WithoutASheetAHelmetIsRefusedAndAWholeSheetTakesTheGamePalette) {
    game.state.palette = {};
    for (int i = 0; i < 256; ++i)
        game.state.palette[static_cast<std::size_t>(i)] = {sheetTable[4 * i], sheetTable[4 * i + 1],
                                                           sheetTable[4 * i + 2], 0};
    OpenHelmets(false);
    const std::string path = Write("deep.bmp", Encode({"", 40, 24}, sheetTable));
    Load(helmets.get(), "BitBtn4", path);
    EXPECT_EQ(dialogs.Count(Kind::Open), 0);
    EXPECT_EQ(dialogs.Count(Kind::Error), 1);
    Load(helmets.get(), "BitBtn7", path);
    EXPECT_EQ(Sheet().pixels, InPureColours(24, sheetTable, kPureAt).pixels);
    EXPECT_EQ(Sheet().colours, sheetTable);
    EXPECT_TRUE(helmets->findChild<PictureView*>("Image1")->Note().isEmpty());
}

TEST_F(BitmapWindows, CarPaintingsLoadAsTheyAreOrInTheColoursOfThePaintingTheyReplace) {
    for (int i = 0; i < 256; ++i)
        game.state.palette[static_cast<std::size_t>(i)] = {sheetTable[4 * i], sheetTable[4 * i + 1],
                                                           sheetTable[4 * i + 2], 0};
    TJamForm jams(context);
    jams.show();
    const Bitmap8& shown = jams.findChild<PictureView*>("Image1")->Picture();
    const Bytes deep = Encode({"", 124, 32, 3}, sheetTable);
    // Nothing shown: the game palette.
    Load(&jams, "Button951", Write("car.bmp", deep));
    EXPECT_EQ(shown.pixels, InPureColours(32, sheetTable, kPureAt).pixels);
    EXPECT_EQ(shown.colours, sheetTable);
    EXPECT_EQ(dialogs.Count(Kind::Information), 1);

    const ColourTable other = Rotated(sheetTable); // the pure colours at 50..57
    Load(&jams, "Button951", Write("car8.bmp", Encode({"", 12, 8}, other)));
    EXPECT_EQ(shown.pixels, EightBitPicture(other).pixels);
    EXPECT_EQ(shown.colours, other);
    EXPECT_TRUE(dialogs.Messages().isEmpty());

    Load(&jams, "Button951", Write("car.bmp", deep));
    EXPECT_EQ(shown.pixels, InPureColours(32, other, kPureAt - 50).pixels);
    EXPECT_EQ(shown.colours, other);

    // A damaged file leaves the painting.
    Load(&jams, "Button951", Write("bad.bmp", {'B', 'M', 0, 0}));
    EXPECT_EQ(dialogs.Count(Kind::Error), 1);
    EXPECT_EQ(shown.colours, other);
}

} // namespace
} // namespace psn
