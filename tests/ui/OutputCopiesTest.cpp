#include "ui/OutputCopies.h"

#include "ui/LoupePicture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{

// Two outputs as a compositor lays them out: one at scale 1, one at 1.5 on
// its right and 50 logical pixels down.
const ROutput First{"First", 0, 0, 1000, 700, 1000, 700};
const ROutput Second{"Second", 1000, 50, 800, 600, 1200, 900};

} // namespace

// The device pixel whose area holds the position, to the compositor's 1/256
// of a logical pixel; a rounded logical position would name another.
TEST(OutputCopies, TheDevicePixelUnderAFractionalPosition)
{
    const ROutput quarter{"Quarter", 0, 0, 800, 600, 1000, 750};   // 1.25
    const ROutput uneven{"Uneven", 0, 0, 1000, 700, 1500, 1051};  // a mode the scale does not divide
    const struct
    {
        const ROutput& Output;
        double X, Y;
        int DeviceX, DeviceY;
    } cases[] = {
        {Second, 0, 0, 0, 0},
        {Second, 170 / 256.0, 170 / 256.0, 0, 0},   // the last step inside device pixel 0
        {Second, 171 / 256.0, 171 / 256.0, 1, 1},   // the first inside device pixel 1
        {Second, 1.4, 1.4, 2, 2},                    // rounded to 1 it would name pixel 1
        {Second, 799.99609375, 599.99609375, 1199, 899},
        {Second, 800, 600, 1199, 899},               // held at the far edge
        {Second, -3, -0.5, 0, 0},                    // held at the near one
        {First, 999.5, 0.5, 999, 0},
        {quarter, 0.79, 0.81, 0, 1},
        {quarter, 799.2, 599.2, 999, 749},
        {uneven, 999.99609375, 699.99609375, 1499, 1050},
    };
    for (const auto& test : cases)
        EXPECT_EQ(OutputDevicePixel(test.Output, test.X, test.Y), (RDevicePixel{test.DeviceX, test.DeviceY}))
            << test.Output.Name << " at " << test.X << "," << test.Y;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(OutputDevicePixel(Second, nan, nan), (RDevicePixel{0, 0}));
    EXPECT_EQ(OutputDevicePixel(ROutput{}, 5, 5), (RDevicePixel{0, 0}));
}

// A picture of the whole desktop at one scale: each output's rectangle, one
// to one only where the picture has that output's own scale.
TEST(OutputCopies, OutputsFoundInAPictureOfTheDesktop)
{
    // At the highest scale, as some portal backends draw it: the first
    // output enlarged, the second one to one.
    const auto high = PlaceOutputsInPicture({First, Second}, 2700, 1050);
    ASSERT_TRUE(high);
    EXPECT_EQ((*high)[0].InPicture.Width, 1500);
    EXPECT_FALSE((*high)[0].OneToOne);
    EXPECT_EQ((*high)[1].InPicture.Left, 1500);
    EXPECT_EQ((*high)[1].InPicture.Top, 75);
    EXPECT_EQ((*high)[1].InPicture.Width, 1200);
    EXPECT_TRUE((*high)[1].OneToOne);
    // At scale 1: the other way round.
    const auto low = PlaceOutputsInPicture({First, Second}, 1800, 700);
    ASSERT_TRUE(low);
    EXPECT_TRUE((*low)[0].OneToOne);
    EXPECT_FALSE((*low)[1].OneToOne);
    // A left output at a negative place: the picture starts there.
    const ROutput left{"Left", -1000, 0, 1000, 700, 1000, 700};
    const auto negative = PlaceOutputsInPicture({First, left}, 2000, 700);
    ASSERT_TRUE(negative);
    EXPECT_EQ((*negative)[0].InPicture.Left, 1000);
    EXPECT_TRUE((*negative)[0].OneToOne && (*negative)[1].OneToOne);
    // Pictures the outputs do not add up to: no guess.
    for (const auto& size : {std::pair{1800, 702}, {2000, 700}, {1790, 700}, {0, 0}})
        EXPECT_FALSE(PlaceOutputsInPicture({First, Second}, size.first, size.second)) << size.first << "x" << size.second;
    EXPECT_FALSE(PlaceOutputsInPicture({}, 1800, 700));
    EXPECT_FALSE(PlaceOutputsInPicture({First, ROutput{"Unknown", 1000, 0, 0, 0, 800, 600}}, 1800, 700));
}

TEST(OutputCopies, EachOutputCutFromThePicture)
{
    // 3 x 2 pixels numbered across: a 1 x 2 output and a 2 x 2 one beside it.
    const ROutput narrow{"Narrow", 0, 0, 1, 2, 1, 2}, wide{"Wide", 1, 0, 2, 2, 2, 2};
    const auto copies = CopiesFromPicture({narrow, wide}, {0, 1, 2, 3, 4, 5}, 3, 2);
    ASSERT_TRUE(copies);
    EXPECT_EQ((*copies)[0].Pixels, (std::vector<ColorValue>{0, 3}));
    EXPECT_EQ((*copies)[1].Pixels, (std::vector<ColorValue>{1, 2, 4, 5}));
    EXPECT_TRUE((*copies)[1].OneToOne);
    // An output of 2 x 2 device pixels drawn at half its scale in the
    // picture: each device pixel takes the picture pixel over its centre.
    const ROutput dense{"Dense", 0, 0, 1, 1, 2, 2};
    const auto resampled = CopiesFromPicture({dense}, {7}, 1, 1);
    ASSERT_TRUE(resampled);
    EXPECT_EQ((*resampled)[0].Pixels, (std::vector<ColorValue>{7, 7, 7, 7}));
    EXPECT_FALSE((*resampled)[0].OneToOne);
    // A picture shorter than its size says.
    EXPECT_FALSE(CopiesFromPicture({narrow, wide}, {0, 1, 2}, 3, 2));
}

// The loupe's block reaches beyond the output at its edges.
TEST(OutputCopies, TheBlockBeyondTheOutputHasNoPixels)
{
    const ROutputCopy copy{{"Tiny", 0, 0, 2, 2, 2, 2}, {1, 2, 3, 4}};
    EXPECT_EQ(copy.Block({-1, -1, 3, 3}),
              (std::vector<ColorValue>{NoPixel, NoPixel, NoPixel, NoPixel, 1, 2, NoPixel, 3, 4}));
    EXPECT_EQ(copy.Pixel({2, 0}), NoPixel);
    const ROutputCopy damaged{{"Damaged", 0, 0, 2, 2, 2, 2}, {1, 2, 3}};
    EXPECT_EQ(damaged.Pixel({0, 0}), NoPixel);
}
