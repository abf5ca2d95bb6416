#include "../../src/classlib/TextFile.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

TEST(TextModeTest, ReadingJoinsCrLfKeepsALoneCrAndStopsAtCtrlZ) {
    const struct {
        std::string bytes;
        std::string text;
    } cases[] = {
        {"", ""},
        {"a\r\nb\r\n", "a\nb\n"},
        {"a\nb", "a\nb"},
        {"a\rb\r", "a\rb\r"},
        {"a\r\r\nb", "a\r\nb"},
        {"\r\n\r\n", "\n\n"},
        {"before\x1A"
         "after\r\n",
         "before"},
        {"\x1A", ""},
        {"a\r\x1A\nb", "a\r"},
        {"nul\0inside\r\n"s, "nul\0inside\n"s},
        {"\xFF\xFE\r\n", "\xFF\xFE\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecodeTextMode(c.bytes), c.text) << testing::PrintToString(c.bytes);
    }
}

TEST(TextModeTest, WritingTurnsEachLfIntoCrLf) {
    const struct {
        std::string text;
        std::string bytes;
    } cases[] = {
        {"", ""},         {"a\nb\n", "a\r\nb\r\n"}, {"\n\n", "\r\n\r\n"},
        {"a\rb", "a\rb"}, {"a\r\nb", "a\r\r\nb"},   {"no line end", "no line end"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EncodeTextMode(c.text), c.bytes) << testing::PrintToString(c.text);
    }
}

} // namespace
