// The numeric entry filter as a function of the text, one pass and settled
// (the nested re-check of the edit box), and the range tests.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "numeric_filter.h"

static std::string settled(const char *text, int form)
{
    char out[NUMERIC_BUF_SIZE];
    settle_numeric_text(text, form, out);
    return out;
}

// Types text key by key, the filter settling after each key, as in the edit box.
static std::string typed(const char *keys, int form)
{
    std::string text;
    for (const char *key = keys; *key; key++) {
        text.push_back(*key);
        text = settled(text.c_str(), form);
    }
    return text;
}

TEST(NumericFilter, LonePointIsCompletedWithCaretBehindIt)
{
    char replacement[NUMERIC_BUF_SIZE];
    int offset = 0;
    ASSERT_EQ(1, repair_numeric_text(".", NUMERIC_SIGNED, replacement, &offset));
    EXPECT_STREQ("0.", replacement);
    EXPECT_EQ(10, offset);
    ASSERT_EQ(1, repair_numeric_text(".", NUMERIC_UNSIGNED, replacement, &offset));
    EXPECT_STREQ("0.", replacement);
    EXPECT_EQ(10, offset);
    ASSERT_EQ(1, repair_numeric_text("-.", NUMERIC_SIGNED, replacement, &offset));
    EXPECT_STREQ("-0.", replacement);
    EXPECT_EQ(10, offset);
}

TEST(NumericFilter, WrongTextLosesItsLastCharacterWithCaretOffsetOne)
{
    char replacement[NUMERIC_BUF_SIZE];
    int offset = 0;
    ASSERT_EQ(1, repair_numeric_text("12a", NUMERIC_SIGNED, replacement, &offset));
    EXPECT_STREQ("12", replacement);
    EXPECT_EQ(1, offset);
    // one pass removes one character; the nested calls remove the rest
    ASSERT_EQ(1, repair_numeric_text("1x23", NUMERIC_SIGNED, replacement, &offset));
    EXPECT_STREQ("1x2", replacement);
}

TEST(NumericFilter, AcceptableTextsStayAsTyped)
{
    const char *texts[] = {"", "5", "5.", ".5", "-5", "-0.", "0.", "10", "-10", "123456789", "0.000001", "+5"};
    char replacement[NUMERIC_BUF_SIZE];
    int offset = 0;
    for (const char *text : texts) {
        EXPECT_EQ(0, repair_numeric_text(text, NUMERIC_SIGNED, replacement, &offset)) << text;
        EXPECT_EQ(text, settled(text, NUMERIC_SIGNED)) << text;
    }
    // a minus sign in front of digits is a number to strtod in either form;
    // the range test of the Calculation command refuses it
    EXPECT_EQ("-5", settled("-5", NUMERIC_UNSIGNED));
    EXPECT_EQ(".5", settled(".5", NUMERIC_UNSIGNED));
}

TEST(NumericFilter, LoneMinusStaysOnlyInTheSignedForm)
{
    EXPECT_EQ("-", settled("-", NUMERIC_SIGNED));
    EXPECT_EQ("", settled("-", NUMERIC_UNSIGNED));
    EXPECT_EQ("-0.", settled("-.", NUMERIC_SIGNED));
    EXPECT_EQ("", settled("-.", NUMERIC_UNSIGNED));  // "-." -> "-" -> ""
    EXPECT_EQ("-0.", typed("-.", NUMERIC_SIGNED));
    EXPECT_EQ("0.", typed("-.", NUMERIC_UNSIGNED));  // "-" is gone before "." comes
}

TEST(NumericFilter, NoExponentCanBeTyped)
{
    EXPECT_EQ("1", settled("1e", NUMERIC_SIGNED));
    EXPECT_EQ("1", settled("1E", NUMERIC_SIGNED));
    EXPECT_EQ("1", settled("1e5", NUMERIC_SIGNED));  // strtod would read it
    EXPECT_EQ("15", typed("1e5", NUMERIC_SIGNED));
    EXPECT_EQ("2.5", settled("2.5E-3", NUMERIC_UNSIGNED));
}

TEST(NumericFilter, KeyByKeyRepairs)
{
    EXPECT_EQ("12", settled("12a", NUMERIC_SIGNED));
    EXPECT_EQ("1.2", settled("1.2.", NUMERIC_SIGNED));
    EXPECT_EQ("-", settled("--", NUMERIC_SIGNED));
    EXPECT_EQ("-3", typed("--3", NUMERIC_SIGNED));
    EXPECT_EQ("", settled("--", NUMERIC_UNSIGNED));
    EXPECT_EQ("0.5", typed(".5", NUMERIC_SIGNED));
    EXPECT_EQ("123", typed("1x23", NUMERIC_SIGNED));
    EXPECT_EQ("1.23", typed("1.2.3", NUMERIC_SIGNED));
}

TEST(NumericFilter, WrongCharacterInsideTheTextCutsFromTheEnd)
{
    // "x" inserted between 1 and 23: the whole tail goes, not the x alone
    EXPECT_EQ("1", settled("1x23", NUMERIC_SIGNED));
    EXPECT_EQ("1", settled("1x23", NUMERIC_UNSIGNED));
    EXPECT_EQ("-1", settled("-1-23", NUMERIC_SIGNED));
    EXPECT_EQ("", settled("a123", NUMERIC_SIGNED));
}

TEST(NumericFilter, InfinityNanAndHexadecimalFormsAreRefused)
{
    const char *texts[] = {"inf", "INF", "-inf", "infinity", "nan", "NaN", "-nan", "0x1A", "0x1p3", "0X10"};
    for (const char *text : texts) {
        EXPECT_EQ(0, numeric_text_is_acceptable(text, NUMERIC_SIGNED)) << text;
        std::string out = settled(text, NUMERIC_SIGNED);
        EXPECT_EQ(std::string::npos, out.find_first_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"))
            << text << " -> " << out;
    }
    EXPECT_EQ("", settled("nan", NUMERIC_SIGNED));
    EXPECT_EQ("-", settled("-inf", NUMERIC_SIGNED));
    EXPECT_EQ("0", settled("0x1A", NUMERIC_SIGNED));
    EXPECT_EQ("", settled("inf", NUMERIC_UNSIGNED));
}

TEST(NumericFilter, SettledTextIsAlwaysAcceptable)
{
    const char *texts[] = {"", ".", "-.", "-", "..", "1..", "-.-", "3.14x", "e", "E5", "1e-5", " 5", "5 ", "+", "+.",
                           "\xb1", "1,5", "9999999999"};
    for (int form = NUMERIC_SIGNED; form <= NUMERIC_UNSIGNED; form++)
        for (const char *text : texts) {
            std::string out = settled(text, form);
            EXPECT_TRUE(numeric_text_is_acceptable(out.c_str(), form)) << text << " -> " << out;
        }
}

TEST(NumericRange, BoundsIncludedAndNanOrInfinityRefused)
{
    EXPECT_TRUE(value_in_closed_range(-10, -10, 10));
    EXPECT_TRUE(value_in_closed_range(10, -10, 10));
    EXPECT_FALSE(value_in_closed_range(10.000001, -10, 10));
    EXPECT_FALSE(value_in_closed_range(-10.5, -10, 10));
    EXPECT_FALSE(value_in_closed_range(std::nan(""), -10, 10));
    EXPECT_FALSE(value_in_closed_range(HUGE_VAL, -10, 10));
    EXPECT_FALSE(value_in_closed_range(-HUGE_VAL, -10, 10));

    EXPECT_FALSE(value_in_half_open_range(0, 0, 10));
    EXPECT_TRUE(value_in_half_open_range(1e-300, 0, 10));
    EXPECT_TRUE(value_in_half_open_range(10, 0, 10));
    EXPECT_FALSE(value_in_half_open_range(10.5, 0, 10));
    EXPECT_FALSE(value_in_half_open_range(std::nan(""), 0, 10));
    EXPECT_FALSE(value_in_half_open_range(HUGE_VAL, 0, 10));
}
