// The index table built in is the project's data file, month by month, and
// what the program writes of it is that file again.
#include "calc/price_index.h"
#include "runtime/price_index_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <variant>

using namespace tarvel;

namespace {

TEST(TheBuiltInIndex, IsTheDataFile)
{
    const auto read = LoadPriceIndexFile(TARVEL_PRICE_INDEX_FILE);
    ASSERT_TRUE(std::holds_alternative<PriceIndex>(read))
        << std::get<PriceIndexFileFault>(read).message(TARVEL_PRICE_INDEX_FILE);
    const PriceIndex& file = std::get<PriceIndex>(read);
    const PriceIndex& builtIn = BuiltInPriceIndex();
    ASSERT_EQ(builtIn.first(), file.first());
    ASSERT_EQ(builtIn.last(), file.last());
    for (Month month = file.first(); month <= file.last(); month = month.plus(1)) {
        EXPECT_EQ(builtIn.tenthsOf(month), file.tenthsOf(month)) << MonthText(month);
        EXPECT_EQ(builtIn.baseOf(month), file.baseOf(month)) << MonthText(month);
    }
    std::ostringstream text;
    text << std::ifstream(TARVEL_PRICE_INDEX_FILE).rdbuf();
    EXPECT_EQ(PriceIndexFileText(builtIn), text.str());
}

} // namespace
