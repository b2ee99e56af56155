#include <csl/TypeName.h>
#include <csl/_value_t_data.h>

#include <gtest/gtest.h>

#include <string>

namespace {
struct TSample {};
}  // namespace
class TOutside {};

TEST(ReadableTypeName, SpellsTypesAsPeopleReadThem)
{
    EXPECT_EQ("int", ReadableTypeName(typeid(int)));
    EXPECT_EQ("unsigned long", ReadableTypeName(typeid(unsigned long)));
    EXPECT_EQ("bool", ReadableTypeName(typeid(bool)));
    EXPECT_EQ("void", ReadableTypeName(typeid(void)));
    EXPECT_EQ("double", ReadableTypeName(typeid(double)));
    EXPECT_EQ("__int64", ReadableTypeName(typeid(long long)));
    EXPECT_EQ("class TOutside", ReadableTypeName(typeid(TOutside)));
    EXPECT_EQ("class (anonymous namespace)::TSample", ReadableTypeName(typeid(TSample)));
    EXPECT_EQ("class std::basic_string<char, std::char_traits<char>, std::allocator<char> >",
              ReadableTypeName(typeid(std::string)));
    EXPECT_EQ("class _value_t_data *", ReadableTypeName(typeid(_value_t_data*)));
    EXPECT_EQ("class _value_t_data const *", ReadableTypeName(typeid(const _value_t_data*)));
}
