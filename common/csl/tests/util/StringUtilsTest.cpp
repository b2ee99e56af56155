#include <csl/EComException.h>
#include <csl/ESystemException.h>
#include <csl/StringUtils.h>
#include <csl/SystemUtils.h>
#include <csl/TComInitializer.h>
#include <gtest/gtest.h>

#include <sstream>
#include <thread>

using Tokens = std::vector<std::string>;

TEST(Trim, RemovesSetCharactersAtBothEndsOnly)
{
    const struct {
        const char* text;
        const char* set;
        const char* expected;
    } cases[] = {
        {"  a b  ", " ", "a b"},     {"   ", " ", ""},         {"", " ", ""},
        {"\t\n a \n", " \t\n", "a"}, {"xyaxbyx", "xy", "axb"}, {"abc", "", "abc"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, Trim(c.text, c.set)) << "[" << c.text << "]";
}

TEST(Split, ReadsTokensWithQuotedParts)
{
    const struct {
        const char* text;
        const char* delimiters;
        Tokens expected;
    } cases[] = {
        {"one \"two three\"  four", " ", {"one", "two three", "four"}},
        {"", " ", {}},
        {"   ", " ", {}},
        {"  a  b  ", " ", {"a", "b"}},
        {"a,\"b,c\",,d", ",", {"a", "b,c", "d"}},
        {"a \"\" b", " ", {"a", "b"}},
        {"say\"hi\" there", " \"", {"say", "hi", "there"}},
        {"open \"quote to the end", " ", {"open", "quote to the end"}},
    };
    for (const auto& c : cases) {
        Tokens tokens = {"left over"};
        Split(c.text, c.delimiters, tokens);
        EXPECT_EQ(c.expected, tokens) << "[" << c.text << "]";
    }
}

TEST(ReadToken, ConsumesOneDelimiterAndLeavesTheRest)
{
    std::istringstream input("first,second");
    std::string token;
    ReadToken(input, token, ",");
    EXPECT_EQ("first", token);
    std::string rest;
    std::getline(input, rest);
    EXPECT_EQ("second", rest);
}

TEST(CharacterClasses, DigitsAndCase)
{
    EXPECT_FALSE(IsAllDigits(""));
    EXPECT_TRUE(IsAllDigits("0123"));
    EXPECT_FALSE(IsAllDigits("12a"));
    EXPECT_FALSE(IsAllDigits("-1"));
    EXPECT_EQ("mixed case 1!", ToLower("MiXeD CaSe 1!"));
    EXPECT_EQ("MIXED CASE 1!", ToUpper("MiXeD CaSe 1!"));
    EXPECT_EQ("", ToLower(""));
    EXPECT_EQ('q', ToLowerChar('Q'));
    EXPECT_EQ('Q', ToUpperChar('q'));
    EXPECT_EQ('7', ToUpperChar('7'));
}

TEST(CodePages, ConvertsWholeCountsBothWays)
{
    const std::wstring wide(L"\u00e4\u20ac\0z", 4);
    const std::string utf8("\xc3\xa4\xe2\x82\xac\0z", 7);
    EXPECT_EQ(utf8, WideToMultiByte(wide.data(), 4, CP_UTF8));
    EXPECT_EQ(wide, MultiByteToWide(utf8.data(), 7, CP_UTF8));
    EXPECT_EQ("", WideToMultiByte(nullptr, 0, CP_UTF8));
    EXPECT_EQ(L"", MultiByteToWide(nullptr, 0, CP_UTF8));
    EXPECT_EQ("plain text", WideToString(L"plain text"));
    EXPECT_EQ(L"plain text", StringToWide("plain text"));
    EXPECT_EQ("", WideToString(L""));
    // A null BSTR is an empty text.
    EXPECT_EQ("", WideToString(nullptr));
    EXPECT_EQ(L"", StringToWide(nullptr));
    EXPECT_EQ("bstr", StringFromBstr(_bstr_t(L"bstr")));
    EXPECT_EQ("", StringFromBstr(_bstr_t()));
}

TEST(CodePages, UnknownCodePageThrowsTheSystemError)
{
    const UINT noSuchCodePage = 12345;
    try {
        WideToMultiByte(L"x", 1, noSuchCodePage);
        FAIL() << "no exception";
    } catch (const ESystemException& e) {
        EXPECT_EQ(ERROR_INVALID_PARAMETER, e.GetProperty("Code").GetInt());
    }
    EXPECT_THROW(MultiByteToWide("x", 1, noSuchCodePage), ESystemException);
}

TEST(IntToString, WritesInTheRadix)
{
    EXPECT_EQ("ff", IntToString(255, 16));
    EXPECT_EQ("-5", IntToString(-5, 10));
    EXPECT_EQ("ffffffff", IntToString(-1, 16));
    EXPECT_EQ("-2147483648", IntToString(INT_MIN, 10));
    EXPECT_EQ(L"101010", IntToWString(42, 2));
    EXPECT_EQ(L"-42", IntToWString(-42, 10));
}

TEST(ConstString, HandsOutItsTextOnlyWhenItEndsThere)
{
    const std::string text("abcdef");
    const const_string whole(text);
    EXPECT_EQ(text.c_str(), whole.c_str());
    EXPECT_EQ(6, whole.length());
    EXPECT_STREQ(L"abcdef", static_cast<const wchar_t*>(BstrFromConstString(whole)));

    const const_string part(text.data(), 3);
    try {
        part.c_str();
        FAIL() << "no exception";
    } catch (const std::logic_error& e) {
        EXPECT_STREQ("Invalid _data of const_string for c_str()", e.what());
    }
    EXPECT_THROW(BstrFromConstString(part), std::logic_error);
}

TEST(ComputerName, IsTheSystemsName)
{
    const std::wstring name = GetLocalComputerName();
    EXPECT_FALSE(name.empty());
    EXPECT_LE(name.size(), static_cast<size_t>(MAX_COMPUTERNAME_LENGTH));
}

TEST(TComInitializer, EntersTheApartmentAndRaisesAConflictAsComError)
{
    std::thread([] {
        TComInitializer multithreaded;
        try {
            TComInitializer singleThreaded(COINIT_APARTMENTTHREADED);
            ADD_FAILURE() << "no exception";
        } catch (const EComException& e) {
            EXPECT_EQ(RPC_E_CHANGED_MODE, e.GetHResult());
        }
        APTTYPE type;
        APTTYPEQUALIFIER qualifier;
        ASSERT_EQ(S_OK, CoGetApartmentType(&type, &qualifier));
        EXPECT_EQ(APTTYPE_MTA, type);
    }).join();
}
