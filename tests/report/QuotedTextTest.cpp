#include <gtest/gtest.h>

#include "QuotedText.h"

namespace {

TEST(QuoteForMessage, KeepsTheMessageOnOneLine) {
    EXPECT_EQ(QuoteForMessage("130"), "\"130\"");
    EXPECT_EQ(QuoteForMessage(""), "\"\"");
    EXPECT_EQ(QuoteForMessage("a\nb\rc\td"), "\"a\\x0Ab\\x0Dc\\x09d\"");
    EXPECT_EQ(QuoteForMessage("say \"x\" \\"), "\"say \\x22x\\x22 \\x5C\"");
    EXPECT_EQ(QuoteForMessage("\x1b[31m\x7f"), "\"\\x1B[31m\\x7F\"");
    EXPECT_EQ(QuoteForMessage("\xc3\xa9"), "\"\\xC3\\xA9\"");
}

}  // namespace
