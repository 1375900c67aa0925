#include "settings/zorvUtil.h"

#include <gtest/gtest.h>

namespace {

TEST(NumberTextTest, ClampAndCharacterTestAgree)
{
    struct Case {
        const char* text;
        int min, max, def;
        const char* clamped;
        int value; // ClampNumberValue
        bool digitsOnly, withPoint; // IsNumberText without and with points
    } cases[] = {
        {"0", 1, 60, 5, "1", 1, true, true},
        {"75", 1, 60, 5, "60", 60, true, true},
        {"60", 1, 60, 5, "60", 60, true, true},
        {"5", 10, 100, 20, "10", 10, true, true},
        {"050", 10, 100, 20, "050", 50, true, true},
        {"abc", 1, 60, 5, "5", 5, false, false},
        {"", 1, 60, 5, "5", 5, true, true},
        {"-3", 1, 60, 5, "5", 5, false, false},
        {" 1", 1, 60, 5, "5", 5, false, false},
        {"+7", 1, 60, 5, "5", 5, false, false},
        {"12.5", 1, 60, 5, "12.5", 12, false, true},
        {"0.9", 1, 60, 5, "1", 1, false, true},
        {"1.2.3", 1, 60, 5, "5", 5, false, true},
        {".", 1, 60, 5, "5", 5, false, true},
        {"99999999999999999999", 0, 10000, 20, "10000", 10000, true, true},
        {"20000", 0, 10000, 20, "10000", 10000, true, true},
        {"0", 0, 10000, 20, "0", 0, true, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClampNumberText(c.text, c.min, c.max, c.def), c.clamped) << '"' << c.text << '"';
        EXPECT_EQ(ClampNumberValue(c.text, c.min, c.max, c.def), c.value) << '"' << c.text << '"';
        EXPECT_EQ(IsNumberText(c.text, false), c.digitsOnly) << '"' << c.text << '"';
        EXPECT_EQ(IsNumberText(c.text, true), c.withPoint) << '"' << c.text << '"';
    }
}

} // namespace
