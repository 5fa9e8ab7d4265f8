#include "colour/SrgbTransfer.h"

#include <gtest/gtest.h>

// The points the sRGB definition fixes: the ends, the joint of the line and
// the curve on both sides, and a mid grey.
TEST(SrgbTransfer, PublishedPoints)
{
    EXPECT_DOUBLE_EQ(SrgbToLinear(0), 0);
    EXPECT_DOUBLE_EQ(SrgbToLinear(1), 1);
    EXPECT_NEAR(SrgbToLinear(0.04045), 0.0031308, 1e-7);
    EXPECT_NEAR(LinearToSrgb(0.0031308), 0.04045, 1e-6);
    EXPECT_NEAR(LinearOfByte(128), 0.2158605, 1e-7);
    EXPECT_NEAR(LinearOfByte(10), 10 / 255.0 / 12.92, 1e-12);
    EXPECT_DOUBLE_EQ(LinearOfByte(255), 1);
}

TEST(SrgbTransfer, EveryByteComesBack)
{
    for (int byte = 0; byte < 256; ++byte)
        EXPECT_NEAR(LinearToSrgb(LinearOfByte(static_cast<std::uint8_t>(byte))) * 255, byte, 1e-9) << byte;
}

// Wider spaces than sRGB extend the curve past 0 and 1, keeping the sign.
TEST(SrgbTransfer, OutOfRangeKeepsItsSign)
{
    EXPECT_DOUBLE_EQ(SrgbToLinear(-0.5), -SrgbToLinear(0.5));
    EXPECT_DOUBLE_EQ(LinearToSrgb(-0.5), -LinearToSrgb(0.5));
    EXPECT_GT(SrgbToLinear(1.1), 1);
}
