// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/number_text.h"
#include "graphics/camera_format.h"

#include <gtest/gtest.h>

namespace psn {
using camera::AngleText;
using camera::AngleWord;

namespace {

TEST(CameraFormat, AnglesShowThreeSignificantDigitsWithThreeDecimals) {
    for (auto [word, text] : {std::pair<std::int16_t, const char*>{8192, "45.000"},
                              {1000, "5.490"},
                              {30000, "165.000"},
                              {1, "0.005"},
                              {-32768, "-180.000"},
                              {32767, "180.000"},
                              {0, "0.000"},
                              {91, "0.500"}})
        EXPECT_EQ(AngleText(word), text) << word;
    // The C library's locale plays no part; the caller's mark does.
    EXPECT_EQ(AngleText(-5000, ','), "-27,500");
}

TEST(CameraFormat, DegreesStoreAsRoundedLow16Bits) {
    for (auto [degrees, word] : {std::pair{45.0, 8192},
                                 {-90.0, 0xC000},
                                 {180.0, 32768},
                                 {0.5, 91},
                                 {360.0 + 45.0, 8192},
                                 {1e300, 0}}) {
        EXPECT_EQ(AngleWord(degrees), word) << degrees;
    }
    // Exactly half a step rounds to the even neighbour.
    EXPECT_EQ(AngleWord(0.5 * 180.0 / 32768.0), 0);
    EXPECT_EQ(AngleWord(1.5 * 180.0 / 32768.0), 2);
}

TEST(NumberText, DecimalsTakeEitherMarkAndNothingElse) {
    EXPECT_EQ(StrToFloat(" 12.5 "), 12.5);
    EXPECT_EQ(StrToFloat("12,5"), 12.5);
    EXPECT_EQ(StrToFloat("-27,500"), -27.5);
    EXPECT_EQ(StrToFloat("+3e2"), 300.0);
    EXPECT_EQ(StrToFloat("-3E-2"), -0.03);
    EXPECT_EQ(StrToFloat(".5"), 0.5);
    EXPECT_EQ(StrToFloat(",5"), 0.5);
    for (const char* bad : {"", " ", "abc", "1.000,5", "1,000.5", "1 000", "0x10", "inf", "nan",
                            "1e999", "-", "--5", "+-5", "1.2.3", "1,2,3", "1e", "5-"})
        EXPECT_EQ(StrToFloat(bad), std::nullopt) << bad;
}

TEST(NumberText, FixedTextUsesTheGivenMarkAndRoundsAsPrintfDoes) {
    EXPECT_EQ(FixedText(-27.5, 3, ','), "-27,500");
    EXPECT_EQ(FixedText(165.0, 3, '.'), "165.000");
    EXPECT_EQ(FixedText(0.0005, 3, '.'), "0.001");
    EXPECT_EQ(RoundToSignificant(5.4931640625, 3), 5.49);
    EXPECT_EQ(RoundToSignificant(179.994506835937, 3), 180.0);
    // Every angle's text, stored and shown again, reads the same, in either spelling; only 180
    // wraps round to -180.
    for (int word = -32768; word < 32768; ++word)
        for (const char mark : {'.', ','}) {
            const std::string text = AngleText(static_cast<std::int16_t>(word), mark);
            const auto degrees = StrToFloat(text);
            ASSERT_TRUE(degrees) << text;
            const std::string again = text.starts_with("180") ? "-" + text : text;
            ASSERT_EQ(AngleText(static_cast<std::int16_t>(AngleWord(*degrees)), mark), again);
        }
}

} // namespace
} // namespace psn
