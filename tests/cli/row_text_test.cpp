// The batch's output row: a fixed buffer that stops the program rather than
// take a write past its end.
#include "cli/batch/row_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <string>

using namespace tarvel;

namespace {

struct RowWrite {
    const char* name;
    std::function<void(RowText&)> write;
};

void PrintTo(const RowWrite& row, std::ostream* out) { *out << row.name; }

const RowWrite kWrites[] = {
    {"Character", [](RowText& text) { text.put(';'); }},
    {"Text", [](RowText& text) { text.put("ok"); }},
    {"Field", [](RowText& text) { text.putField("a\"b"); }},
    {"PlainAmount", [](RowText& text) { text.putPlainAmount(",35"); }},
    {"Count", [](RowText& text) { text.putCount(std::numeric_limits<int>::min()); }},
    {"Currency", [](RowText& text) { text.putCurrency(Currency::fromTicks(-1)); }},
};

class RowTextWrite : public testing::TestWithParam<RowWrite> {};

// A row filled to the last byte takes no more: the write stops the program
// with the reason, in every build.
TEST_P(RowTextWrite, PastTheEndStopsTheProgram)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    auto text = std::make_unique<RowText>();
    text->put(std::string(RowText::kCapacity, 'x'));
    ASSERT_EQ(text->view().size(), RowText::kCapacity);
    EXPECT_DEATH(GetParam().write(*text), "controllo interno fallito: riga del CSV oltre il suo buffer");
}

INSTANTIATE_TEST_SUITE_P(Writes, RowTextWrite, testing::ValuesIn(kWrites),
                         [](const auto& info) { return std::string(info.param.name); });

// The longest row a batch can make: four input fields of nothing but quotes
// filling the longest line, the largest totals and every period of the
// largest table at its longest text.
TEST(RowText, HoldsTheLongestRow)
{
    auto text = std::make_unique<RowText>();
    const std::size_t quarter = (kMaxCsvLine - 3) / 4;
    for (int i = 0; i < 4; ++i) {
        if (i > 0)
            text->put(';');
        text->putField(std::string(i < 3 ? quarter : kMaxCsvLine - 3 - 3 * quarter, '"'));
    }
    text->put(";ok;");
    text->putPlainAmount(std::string(ShortText::kCapacity, '9'));
    text->put(';');
    text->putPlainAmount(std::string(ShortText::kCapacity, '9'));
    text->put(';');
    text->putCount(std::numeric_limits<int>::min());
    text->put(';');
    text->putCount(std::numeric_limits<int>::min());
    for (std::size_t i = 0; i < kMaxChargedRows; ++i) {
        text->put(';');
        if (i % 2 == 0)
            text->put(std::string(ShortText::kCapacity, '9'));
        else
            text->putCurrency(Currency::fromTicks(std::numeric_limits<std::int64_t>::min()));
    }
    text->put('\n');
    EXPECT_GT(text->view().size(), 2 * kMaxCsvLine);
}

} // namespace
