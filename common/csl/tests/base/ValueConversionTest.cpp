#include <csl/EBadCastException.h>
#include <csl/ValueConversions.h>
#include <csl/_time_t.h>
#include <csl/_value_t.h>

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

// The result of one read, or "<From> -> <To>" of the bad cast it throws.
template <class F>
std::string Outcome(F iRead)
{
    try {
        return iRead();
    } catch (const EBadCastException& e) {
        return ValueToText(e.GetProperty("From")) + " -> " + ValueToText(e.GetProperty("To"));
    }
}

std::string Shown(const std::string& iText)
{
    std::string shown;
    for (char c : iText)
        shown += c ? std::string(1, c) : std::string("\\0");
    return shown;
}
std::string Shown(const std::wstring& iText)
{
    return "L" + Shown(std::string(iText.begin(), iText.end()));
}

using TRead = std::string (*)(const _value_t_data&);
const TRead kInt = [](const _value_t_data& d) { return std::to_string(d.GetInt(0)); };
const TRead kULong = [](const _value_t_data& d) { return std::to_string(d.GetULong(0)); };
const TRead kInt64 = [](const _value_t_data& d) { return std::to_string(d.GetInt64(0)); };
const TRead kDouble = [](const _value_t_data& d) { return std::to_string(d.GetDouble(0)); };
const TRead kBool = [](const _value_t_data& d) { return std::string(d.GetBool(0) ? "true" : "false"); };
const TRead kString = [](const _value_t_data& d) {
    std::string s;
    d.GetString(s, 0);
    return Shown(s);
};
const TRead kWString = [](const _value_t_data& d) {
    std::wstring s;
    d.GetWString(s, 0);
    return Shown(s);
};
const TRead kBstr = [](const _value_t_data& d) {
    _bstr_t b;
    d.GetBstr(b, 0);
    return b.GetBSTR() ? "B" + Shown(std::wstring(b.GetBSTR(), b.length())) : std::string("null");
};
const TRead kTime = [](const _value_t_data& d) {
    _time_t t;
    d.GetTime(t, 0);
    return std::string("time");
};

const std::string kNarrowType = "class std::basic_string<char, std::char_traits<char>, std::allocator<char> >";

}  // namespace

TEST(ValueConversion, PayloadReadsConvertAmongNumbersOrAmongTextsOnly)
{
    const _value_t minusOne(-1), allBits(ULONG_MAX), yes(true);
    const _value_t narrow(std::string("a\0b", 3)), wide(std::wstring(L"x\0y", 3)), nullBstr{_bstr_t()};
    const struct {
        const _value_t& Value;
        TRead Read;
        std::string Expected;
    } cases[] = {
        {minusOne, kInt, "-1"},
        {minusOne, kULong, "4294967295"},
        {minusOne, kInt64, "-1"},
        {minusOne, kDouble, "-1.000000"},
        {minusOne, kBool, "int -> bool"},
        {minusOne, kString, "int -> " + kNarrowType},
        {minusOne, kTime, "int -> class _time_t"},
        {allBits, kInt, "-1"},
        {allBits, kInt64, "4294967295"},
        {allBits, kDouble, "unsigned long -> double"},
        {yes, kInt, "1"},
        {yes, kULong, "1"},
        {yes, kBool, "true"},
        {yes, kInt64, "bool -> __int64"},
        {narrow, kString, "a\\0b"},
        {narrow, kWString, "La\\0b"},
        {narrow, kBstr, "BLa"},
        {narrow, kInt, kNarrowType + " -> int"},
        {wide, kString, "x\\0y"},
        {wide, kBstr, "BLx\\0y"},
        {nullBstr, kString, ""},
        {nullBstr, kWString, "L"},
        {nullBstr, kBstr, "null"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.Expected, Outcome([&] { return c.Read(*c.Value.GetData()); })) << ValueToText(c.Value);
}

TEST(ValueConversion, StoresConvertIntoTheElementType)
{
    _value_t number(0);
    number = 4294967295ul;
    EXPECT_EQ(-1, number.GetInt());
    number = true;
    EXPECT_EQ(1, number.GetInt());

    _value_t flag(false);
    EXPECT_EQ("int -> bool", Outcome([&] {
                  flag = 1;
                  return std::string();
              }));

    _value_t bstr{_bstr_t(L"old")};
    bstr = std::string("new\0tail", 8);
    EXPECT_EQ("BLnew", kBstr(*bstr.GetData()));
    bstr = std::wstring(L"n\0w", 3);
    EXPECT_EQ("BLn\\0w", kBstr(*bstr.GetData()));
}

TEST(ValueConversion, HolderConversions)
{
    _value_t wideList(L"first");
    wideList.Append(L"second");
    const struct {
        _value_t Value;
        std::string Text;
        int Int;
        unsigned long ULong;
        bool Bool;
    } cases[] = {
        {_value_t(INT_MIN), "-2147483648", INT_MIN, 2147483648ul, true},
        {_value_t(ULONG_MAX), "4294967295", -1, ULONG_MAX, true},
        {_value_t(0ul), "0", 0, 0, false},
        {_value_t(true), "true", 1, 1, true},
        {_value_t(" 42abc"), " 42abc", 42, 42, true},
        {_value_t("abc"), "abc", 0, 0, false},
        {_value_t("-1"), "-1", -1, ULONG_MAX, true},
        {_value_t("-7"), "-7", -7, 4294967289ul, true},
        {_value_t("True"), "True", 0, 0, true},
        {_value_t("TRUE"), "TRUE", 0, 0, true},
        {_value_t("2"), "2", 2, 2, true},
        {_value_t("false"), "false", 0, 0, false},
        {_value_t("no"), "no", 0, 0, false},
        {_value_t(""), "", 0, 0, false},
        {wideList, "first", 0, 0, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.Text, ValueToText(c.Value));
        EXPECT_EQ(std::wstring(c.Text.begin(), c.Text.end()), ValueToWText(c.Value));
        EXPECT_EQ(c.Int, ValueToInt(c.Value)) << c.Text;
        EXPECT_EQ(c.ULong, ValueToULong(c.Value)) << c.Text;
        EXPECT_EQ(c.Bool, ParseBoolText(c.Value)) << c.Text;
    }
    EXPECT_EQ(ULONG_MAX, ValueToULong(_value_t("99999999999"))) << "beyond the unsigned range";
}

TEST(ValueConversion, EmptyValuesAreBadCastsFromVoid)
{
    const _value_t empty;
    EXPECT_EQ("void -> int", Outcome([&] { return std::to_string(ValueToInt(empty)); }));
    EXPECT_EQ("void -> unsigned long", Outcome([&] { return std::to_string(ValueToULong(empty)); }));
    EXPECT_EQ("void -> bool", Outcome([&] { return std::to_string(ParseBoolText(empty)); }));
    EXPECT_EQ("void -> class _time_t", Outcome([&] {
                  ValueToTime(empty);
                  return std::string();
              }));
}

TEST(ValueConversion, NumbersAreSecondsSince1970)
{
    EXPECT_EQ(86400, ValueToTime(_value_t(86400)).GetTime64());
    EXPECT_EQ(-1, ValueToTime(_value_t(4294967295ul)).GetTime64()) << "the top bit makes a time before 1970";
    EXPECT_EQ("bool -> class _time_t", Outcome([&] {
                  ValueToTime(_value_t(true));
                  return std::string();
              }));
}
