#include "../../src/report/PlaceholderReplacement.h"

#include <gtest/gtest.h>

namespace {

struct ReplacementCase {
    const char* name;
    std::string text;
    std::string placeholder;
    std::string replacement;
    std::string expected;
};

class PlaceholderReplacementTest : public testing::TestWithParam<ReplacementCase> {};

TEST_P(PlaceholderReplacementTest, ReplacesEveryOccurrenceOnce) {
    const ReplacementCase& c = GetParam();
    EXPECT_EQ(ReplacePlaceholder(c.text, c.placeholder, c.replacement), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlaceholderReplacementTest,
    testing::Values(ReplacementCase{"Absent", "no tokens #here#", "#A#", "x", "no tokens #here#"},
                    ReplacementCase{"EmptyText", "", "#A#", "x", ""},
                    ReplacementCase{"Whole", "#A#", "#A#", "x", "x"},
                    ReplacementCase{"AtBothEnds", "#A# mid #A#", "#A#", "xy", "xy mid xy"},
                    ReplacementCase{"Adjacent", "#A##A##A#", "#A#", "1", "111"},
                    // The search resumes behind the match, so "A#" left over is no new match.
                    ReplacementCase{"Overlapping", "#A#A#", "#A#", "x", "xA#"},
                    // The inserted text is never searched again for the same placeholder.
                    ReplacementCase{"ReplacementHoldsPlaceholder", "<#A#>", "#A#", "#A##A#",
                                    "<#A##A#>"},
                    ReplacementCase{"ReplacementCompletesPlaceholder", "#A#A#", "#A#", "#", "#A#"},
                    ReplacementCase{"EmptyReplacement", "a#A#b#A#c", "#A#", "", "abc"},
                    ReplacementCase{"OtherLetterCase", "#a# #A#", "#A#", "x", "#a# x"},
                    ReplacementCase{"BytesUnchanged", "\xE9#A#\r\n\x01", "#A#", "\xFF\x80",
                                    "\xE9\xFF\x80\r\n\x01"},
                    ReplacementCase{"EmptyPlaceholderMatchesNothing", "abc", "", "x", "abc"}),
    [](const testing::TestParamInfo<ReplacementCase>& info) { return info.param.name; });

} // namespace
