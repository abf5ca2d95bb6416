#include "../../src/classlib/DataExchange.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(DecimalIntegerTest, AcceptsASignedNumberWithBlanksAroundAndNothingElse) {
    const struct {
        const char* text;
        std::optional<int> value;
    } cases[] = {
        {"0", 0},
        {"42", 42},
        {"-7", -7},
        {"+5", 5},
        {" \t12 ", 12},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"abc", std::nullopt},
        {"12abc", std::nullopt},
        {"1 2", std::nullopt},
        {"1.5", std::nullopt},
        {"--1", std::nullopt},
        {"+-1", std::nullopt},
        {"+", std::nullopt},
        {"0x10", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseDecimalInteger(c.text), c.value) << '"' << c.text << '"';
    }
}

} // namespace
