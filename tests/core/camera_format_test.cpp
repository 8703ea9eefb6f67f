#include "graphics/camera_format.h"

#include <gtest/gtest.h>

namespace psn::camera {
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

TEST(CameraFormat, OnlyPlainDecimalNumbersConvert) {
    EXPECT_EQ(StrToFloat(" 12.5 "), 12.5);
    EXPECT_EQ(StrToFloat("-3e2"), -300.0);
    EXPECT_EQ(StrToFloat(".5"), 0.5);
    for (const char* bad : {"", " ", "abc", "1,5", "0x10", "inf", "nan", "1e999", "-", "1.2.3"})
        EXPECT_EQ(StrToFloat(bad), std::nullopt) << bad;
}

} // namespace
} // namespace psn::camera
