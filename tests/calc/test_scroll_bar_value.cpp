#include <gtest/gtest.h>

#include "calc/ScrollBarValue.h"

namespace {

TEST(ScrollBarValue, PositionForText)
{
    using namespace InputRanges;
    const struct {
        const char* text;
        InputRange range;
        std::optional<int> position;
    } cases[] = {
        {"", AirTemp, std::nullopt},        {"    ", AirTemp, std::nullopt},
        {"40", AirTemp, 40},                {"100", AirTemp, 100},
        {"39.9", AirTemp, std::nullopt},    {"100.4", AirTemp, std::nullopt},
        {"100.000001", AirTemp, 100},       // rounds to the limit in single precision
        {"40.5", AirTemp, 40},              {"41.5", AirTemp, 42},  // halves go to the even neighbour
        {"80.6", AirTemp, 81},              {"80.4", AirTemp, 80},
        {"abc", RelativeHumidity, 0},       {"abc", AirTemp, std::nullopt},  // a word reads 0
        {"12abc", WindVelocity, 12},        {"25", WindVelocity, 25},
        {"26", WindVelocity, std::nullopt}, {"1e999", WindVelocity, std::nullopt},
        {"1e39", WindVelocity, std::nullopt}, {"-0", RelativeHumidity, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ScrollBarValueFor(c.text, c.range), c.position) << '"' << c.text << '"';
}

}  // namespace
