#include <csl/EBadCastException.h>
#include <csl/ValueConversions.h>
#include <csl/_value_t.h>
#include <csl/_value_t_data_t.h>

#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>
#include <vector>

namespace {

std::vector<int> Ints(const _value_t& iValue)
{
    std::vector<int> items;
    const _value_t_data* data = iValue.GetData();
    for (int i = 0; data && i < data->GetCount(); ++i)
        items.push_back(iValue.GetConstValue(i).GetInt());
    return items;
}

_value_t List(std::initializer_list<int> iItems)
{
    _value_t value;
    for (int item : iItems)
        value.Append(item);
    return value;
}

// Runs the call and answers the "From" and "To" of the bad cast it throws.
template <class F>
std::string BadCast(F iCall)
{
    try {
        iCall();
    } catch (const EBadCastException& e) {
        return ValueToText(e.GetProperty("From")) + " -> " + ValueToText(e.GetProperty("To"));
    }
    return "no bad cast";
}

const std::string kString = "class std::basic_string<char, std::char_traits<char>, std::allocator<char> >";

}  // namespace

TEST(Value, CopiesAreIndependent)
{
    _value_t first(5);
    _value_t second(first);
    second = 7;
    EXPECT_EQ(5, first.GetInt());
    EXPECT_EQ(7, second.GetInt());
}

TEST(Value, AppendGoesFromEmptyToSingleToList)
{
    _value_t value;
    value.Append(1);
    EXPECT_EQ(1, value.GetData()->GetCount());
    EXPECT_FALSE(value.GetData()->IsContainer());
    value.Append(2);
    EXPECT_TRUE(value.GetData()->IsContainer());
    EXPECT_EQ((std::vector<int>{1, 2}), Ints(value));

    value = 7;  // a list takes an assignment into its first element
    EXPECT_EQ((std::vector<int>{7, 2}), Ints(value));

    EXPECT_EQ("class std::basic_string<wchar_t, std::char_traits<wchar_t>, std::allocator<wchar_t> > -> int",
              BadCast([&] { value.Append(L"text"); }));
    EXPECT_EQ((std::vector<int>{7, 2}), Ints(value));

    value.MakeUnique()->AppendValue(List({8, 9}));  // a list appends the other's first element
    EXPECT_EQ((std::vector<int>{7, 2, 8}), Ints(value));
    EXPECT_EQ(kString + " -> int", BadCast([&] { value.MakeUnique()->AppendValue(_value_t("8")); }));
    EXPECT_EQ("void -> int", BadCast([&] { value.MakeUnique()->AppendValue(_value_t()); }));
}

TEST(Value, AppendingToASharedValueLeavesTheOtherSharer)
{
    _value_t first(1);
    _value_t second(first);
    second.Append(2);
    EXPECT_EQ((std::vector<int>{1}), Ints(first));
    EXPECT_EQ((std::vector<int>{1, 2}), Ints(second));
}

TEST(Value, RefusedStoreLeavesTheValue)
{
    _value_t text("abc");
    EXPECT_EQ("int -> " + kString, BadCast([&] { text = 5; }));
    std::string read;
    EXPECT_EQ("abc", text.GetString(read));
    text = L"wide";
    EXPECT_EQ("wide", text.GetString(read));

    _value_t empty;
    EXPECT_EQ("void -> int", BadCast([&] { empty.GetInt(); }));
    EXPECT_EQ("void -> " + kString, BadCast([&] { ValueToText(empty); }));
}

TEST(Value, ElementHandlesWriteIntoTheirList)
{
    _value_t list = List({1, 2, 3});
    _value_t second = list.GetValue(1);
    second = 20;
    EXPECT_EQ((std::vector<int>{1, 20, 3}), Ints(list));

    _value_t single(5);
    try {
        single.GetValue(1);
        FAIL() << "index 1 of a single value";
    } catch (const std::out_of_range& e) {
        EXPECT_STREQ("out of range", e.what());
    }
    EXPECT_THROW(list.GetValue(3), std::out_of_range);
}

TEST(Value, ElementHandlesNeverDangleNorReachOtherSharers)
{
    _value_t list = List({1, 2, 3});
    _value_t sharer(list);
    _value_t element = list.GetValue(1);
    element = 20;
    EXPECT_EQ((std::vector<int>{1, 2, 3}), Ints(sharer)) << "shared before the element handle was taken";

    _value_t later(list);
    element = 21;
    EXPECT_EQ((std::vector<int>{1, 20, 3}), Ints(later)) << "copied while the element handle lives";
    EXPECT_EQ((std::vector<int>{1, 21, 3}), Ints(list));

    for (int i = 0; i < 100; ++i)
        list.Append(i);  // the list's storage moves; the element follows it
    element = 22;
    EXPECT_EQ(22, Ints(list)[1]);

    list = _value_t();
    element = 23;  // the list payload lives on with its element handle
    EXPECT_EQ(23, element.GetInt());

    _value_t copy(element);
    copy = 24;  // a copied element handle detaches on its next assignment
    EXPECT_EQ(23, element.GetInt());
    EXPECT_EQ(24, copy.GetInt());
}

TEST(Value, ReadOnlyElementsRefuseEveryStore)
{
    const _value_t list = List({4, 5});
    _value_t element = list.GetConstValue(1);
    EXPECT_EQ(5, element.GetInt());
    EXPECT_EQ("int -> int", BadCast([&] { element.MakeUnique()->SetInt(6); }));
    EXPECT_EQ("int -> class _value_t_data *", BadCast([&] { element.MakeUnique()->GetValue(0); }));
    EXPECT_EQ(5, element.GetConstValue(0).GetInt());
    EXPECT_EQ((std::vector<int>{4, 5}), Ints(list));
}

TEST(Value, CloneOfAnElementOwnsItsValue)
{
    _value_t list = List({1, 2});
    _value_t element = list.GetValue(0);
    _value_t clone(element.GetData()->Clone());
    clone = 9;
    EXPECT_FALSE(clone.GetData()->IsContainer());
    EXPECT_EQ((std::vector<int>{1, 2}), Ints(list));
}

TEST(Value, EqualityAndOrder)
{
    const unsigned long kMax = ULONG_MAX;
    const struct {
        _value_t Left, Right;
        bool Equal, Less;
    } cases[] = {
        {_value_t(5), List({5}), true, false},
        {List({5}), _value_t(5), true, false},
        {List({1, 2}), List({1, 2, 3}), false, true},
        {List({1, 3}), List({1, 2, 9}), false, false},
        {List({1, 2}), List({1, 2}), true, false},
        {_value_t(kMax), _value_t(5ul), false, false},
        {_value_t(-1), _value_t(0), false, true},
        {_value_t(false), _value_t(true), false, true},
        {_value_t("abc"), _value_t(L"abc"), true, false},
        {_value_t("abc"), _value_t(L"abd"), false, true},
        {_value_t(_bstr_t()), _value_t(_bstr_t(L"")), false, true},
        {_value_t(_bstr_t(L"ab")), _value_t(_bstr_t(L"abc")), false, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.Equal, c.Left.GetData()->IsEqual(*c.Right.GetData()))
            << ValueToText(c.Left) << " = " << ValueToText(c.Right);
        EXPECT_EQ(c.Less, c.Left.GetData()->IsLess(*c.Right.GetData()))
            << ValueToText(c.Left) << " < " << ValueToText(c.Right);
    }
    EXPECT_EQ(kString + " -> int", BadCast([] { _value_t(1).GetData()->IsEqual(*_value_t("1").GetData()); }));
    EXPECT_EQ("int -> " + kString, BadCast([] { _value_t("1").GetData()->IsEqual(*List({1}).GetData()); }));
}

TEST(Value, BoolListsHandOutElementAddresses)
{
    _value_t flags;
    for (bool flag : {true, false, true})
        flags.Append(flag);
    const bool* first = flags.GetData()->GetBoolPtr();
    EXPECT_TRUE(first[0]);
    EXPECT_FALSE(first[1]);
    EXPECT_TRUE(first[2]);
}
