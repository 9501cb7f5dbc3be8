#include <gtest/gtest.h>

#include "base/Object.h"
#include "base/VariantColumn.h"

#include <climits>

using namespace orvan::base;

TEST(VariantColumn, EveryKindOfValueReadsBackWithItsType)
{
    const std::vector<Variant> values = {Variant(),
                                         Variant::null(),
                                         Variant(int16_t{-32768}),
                                         Variant(int16_t{32767}),
                                         Variant(int32_t{INT_MIN}),
                                         Variant(int32_t{INT_MAX}),
                                         Variant(0),
                                         Variant(true),
                                         Variant(false),
                                         Variant(-2.5),
                                         Variant::date(46000.75),
                                         Variant(""),
                                         Variant("甲乙"),
                                         Variant(std::string(300, 'x')),
                                         Variant(std::make_shared<Object>())};
    const VariantColumn column(values);
    ASSERT_EQ(column.size(), values.size());
    for (size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(column[i], values[i]) << i;
        EXPECT_EQ(column[i].type(), values[i].type()) << i;
    }
}

TEST(VariantColumn, SwapKeepsTheOtherValues)
{
    VariantColumn column{Variant("FCompany"), Variant(7), Variant("FAddress")};
    column.swap(0, 1);
    EXPECT_EQ(column[0], Variant(7));
    EXPECT_EQ(column[1], Variant("FCompany"));
    EXPECT_EQ(column[2], Variant("FAddress"));
    column.reserve(1000, 4); // room only: the values stay
    EXPECT_EQ(column.size(), 3u);
    EXPECT_EQ(column[1], Variant("FCompany"));
    column.push_back(Variant::null());
    EXPECT_EQ(column.size(), 4u);
    EXPECT_TRUE(column[3].isNull());
    column.clear();
    EXPECT_TRUE(column.empty());
}
