#include "model/code_text.h"

#include <gtest/gtest.h>

namespace pw {
namespace {

TEST(CodeText, HexWithoutLeadingZerosThenDecimal) {
    const struct {
        std::int64_t n;
        const char* text;
    } cases[] = {{0, "0 (0)"}, {1, "1 (1)"}, {10, "A (10)"}, {127, "7F (127)"}, {255, "FF (255)"},
                 {-1, "FFFFFFFFFFFFFFFF (-1)"}};
    for (const auto& c : cases) EXPECT_EQ(codeText(c.n), c.text);
    EXPECT_EQ(codeText("Char: $", 33), "Char: $21 (33)");
}

}  // namespace
}  // namespace pw
