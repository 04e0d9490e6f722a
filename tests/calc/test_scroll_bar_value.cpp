#include <gtest/gtest.h>

#include "calc/ScrollBarValue.h"

namespace {

struct ScrollCase {
    const char* name;
    const char* text;
    InputRange range;
    std::optional<int> position;
};

const ScrollCase ScrollCases[] = {
    {"empty_hides", "", InputRanges::AirTemp, std::nullopt},
    {"spaces_only_hide", "    ", InputRanges::AirTemp, std::nullopt},
    {"lower_limit_shows", "40", InputRanges::AirTemp, 40},
    {"upper_limit_shows", "100", InputRanges::AirTemp, 100},
    {"just_below_hides", "39.9", InputRanges::AirTemp, std::nullopt},
    {"just_above_hides", "100.4", InputRanges::AirTemp, std::nullopt},
    {"single_precision_edge_counts_as_limit", "100.000001", InputRanges::AirTemp, 100},
    {"half_down_to_even", "40.5", InputRanges::AirTemp, 40},
    {"half_up_to_even", "41.5", InputRanges::AirTemp, 42},
    {"fraction_rounds_up", "80.6", InputRanges::AirTemp, 81},
    {"fraction_rounds_down", "80.4", InputRanges::AirTemp, 80},
    {"non_number_reads_zero_inside_humidity", "abc", InputRanges::RelativeHumidity, 0},
    {"non_number_reads_zero_outside_temperature", "abc", InputRanges::AirTemp, std::nullopt},
    {"leading_number_only", "12abc", InputRanges::WindVelocity, 12},
    {"wind_top", "25", InputRanges::WindVelocity, 25},
    {"wind_beyond", "26", InputRanges::WindVelocity, std::nullopt},
    {"huge_reading_hides", "1e999", InputRanges::WindVelocity, std::nullopt},
    {"huge_single_overflow_hides", "1e39", InputRanges::WindVelocity, std::nullopt},
    {"negative_zero_counts_as_zero", "-0", InputRanges::RelativeHumidity, 0},
};

class ScrollBarValueTest : public ::testing::TestWithParam<ScrollCase> {};

TEST_P(ScrollBarValueTest, PositionForText)
{
    EXPECT_EQ(ScrollBarValueFor(GetParam().text, GetParam().range), GetParam().position);
}

INSTANTIATE_TEST_SUITE_P(Texts, ScrollBarValueTest, ::testing::ValuesIn(ScrollCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
