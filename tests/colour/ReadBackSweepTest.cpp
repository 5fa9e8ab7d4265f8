// Every one of the 2^24 colours printed in each form and read back. The
// Lab family's forms come back exactly with the decimals they print, and
// one decimal fewer in any place would not do; the whole-number forms come
// back within the error the help states.
#include "colour/ColorText.h"
#include "colour/CssColor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace
{

// Builds where the whole sweep would take too long check every so many
// colours (tests/CMakeLists.txt).
#ifdef TINTWELL_SWEEP_STRIDE
constexpr ColorValue Stride = TINTWELL_SWEEP_STRIDE;
#else
constexpr ColorValue Stride = 1;
#endif
constexpr ColorValue ColourCount = 1u << 24;

using RDecimalPrinter = std::string (*)(ColorValue, RFormDecimals);

struct RExactForm
{
    const char* Name;
    RDecimalPrinter Print;
    RFormDecimals Decimals;
};

const RExactForm ExactForms[] = {
    {"lab", &CssLabText, LabDecimals},
    {"lch", &CssLchText, LchDecimals},
    {"oklab", &CssOklabText, OklabDecimals},
    {"oklch", &CssOklchText, OklchDecimals},
};

struct RWholeForm
{
    const char* Name;
    std::string (*Print)(ColorValue);
    int StatedError; // the worst step of a channel, as the help states it
};

const RWholeForm WholeForms[] = {
    {"hsl", &CssHslText, 5},
    {"hsl-comma", &CssHslCommaText, 5},
    {"hwb", &CssHwbText, 3},
    {"hsv", &HsvText, 3},
};

ColorValue ReadBack(const std::string& text)
{
    ColorValue color = 0xFF000000;
    ParseColorText(text, color);
    return color;
}

int ChannelError(ColorValue one, ColorValue other)
{
    int worst = 0;
    for (const int shift : {0, 8, 16})
        worst = std::max(worst, std::abs(static_cast<int>(one >> shift & 0xFF) - static_cast<int>(other >> shift & 0xFF)));
    return worst;
}

// f(colour) over the sweep's colours, on every core.
template <typename F>
void Sweep(F f)
{
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < threads; ++t)
        workers.emplace_back([&f, t, threads]
        {
            for (ColorValue color = t * Stride; color < ColourCount; color += threads * Stride)
                f(color);
        });
    for (std::thread& worker : workers)
        worker.join();
}

} // namespace

TEST(ReadBackSweep, EveryColourReadsBack)
{
    std::atomic<long> exactFailures[std::size(ExactForms)] = {};
    std::atomic<int> worst[std::size(WholeForms)] = {};
    Sweep([&](ColorValue color)
    {
        for (std::size_t i = 0; i < std::size(ExactForms); ++i)
            if (ReadBack(ExactForms[i].Print(color, ExactForms[i].Decimals)) != color && exactFailures[i]++ == 0)
                ADD_FAILURE() << ExactForms[i].Print(color, ExactForms[i].Decimals) << " does not read back as "
                              << std::hex << color;
        for (std::size_t i = 0; i < std::size(WholeForms); ++i)
        {
            const int error = ChannelError(ReadBack(WholeForms[i].Print(color)), color);
            for (int seen = worst[i]; error > seen && !worst[i].compare_exchange_weak(seen, error);)
            {
            }
        }
    });
    for (std::size_t i = 0; i < std::size(ExactForms); ++i)
        EXPECT_EQ(exactFailures[i], 0) << ExactForms[i].Name;
    for (std::size_t i = 0; i < std::size(WholeForms); ++i)
    {
        EXPECT_LE(worst[i], WholeForms[i].StatedError) << WholeForms[i].Name;
        if (Stride == 1) // the whole sweep reaches the stated worst
        {
            EXPECT_EQ(worst[i], WholeForms[i].StatedError) << WholeForms[i].Name;
        }
    }
}

// One decimal fewer in any of a form's three places, and some colour no
// longer comes back: the decimals printed are the fewest that do.
TEST(ReadBackSweep, OneDecimalFewerWouldNotDo)
{
    for (const RExactForm& form : ExactForms)
        for (int place = 0; place < 3; ++place)
        {
            RFormDecimals fewer = form.Decimals;
            (place == 0 ? fewer.First : place == 1 ? fewer.Second : fewer.Third) -= 1;
            bool failed = false;
            // The walk stops at the first colour that fails.
            for (ColorValue color = 0; color < ColourCount && !failed; ++color)
                failed = ReadBack(form.Print(color, fewer)) != color;
            EXPECT_TRUE(failed) << form.Name << " place " << place;
        }
}
