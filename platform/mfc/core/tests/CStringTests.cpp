#include <afx.h>
#include <gtest/gtest.h>
#include <limits>

namespace {

struct FormatCase {
    const wchar_t* expected;
    CString actual;
};

TEST(CStringFormat, UsesTheRuntimePrintfForms)
{
    const double inf = std::numeric_limits<double>::infinity();
    CString s;
    auto f = [&](auto... args) {
        s.Format(args...);
        return s;
    };
    const FormatCase cases[] = {
        {L"abc (by me)", f(L"% s (by %s)", L"abc", CString(L"me"))},
        {L"0A", f(L"%02X", 10)},
        {L"0007", f(L"%04d", 7)},
        {L"-5", f(L"%ld", -5L)},
        {L"ff", f(L"%x", 255)},
        {L"4294967295", f(L"%u", 0xFFFFFFFFu)},
        {L"2.500000", f(L"%lf", 2.5)},
        {L"0.5000000000000000", f(L"%.16lf", 0.5)},
        {L"1.000000e+023", f(L"%le", 1e23)},
        {L"1.#INF000000000000", f(L"%.16lf", inf)},
        {L"narrow", f(L"%S", "narrow")},
        {L"\x01"
         L"12\x01"
         L"Text",
         f(L"%c%d%c%s", L'\x01', 12, L'\x01', L"Text")},
        {L"50%", f(L"%d%%", 50)},
        {L"07:05:09.004 ", f(L"%02hd:%02hd:%02hd.%03hd ", (short)7, (short)5, (short)9, (short)4)},
        {L"Hex={0A,FF,00}", f(L"Hex={%02X,%02X,%02X}", 10, 255, 0)},
    };
    for (const FormatCase& c : cases)
        EXPECT_STREQ(c.expected, (LPCWSTR)c.actual);
}

TEST(CStringFormat, GrowsPastTheFirstBufferAndReadsItsOwnText)
{
    CString longText(L'x', 1000), s;
    s.Format(L"[%s]", longText);
    EXPECT_EQ(1002, s.GetLength());
    s = L"self";
    s.Format(L"%s-%s", s, s);
    EXPECT_STREQ(L"self-self", s);
}

TEST(CString, ExtractsAndSearches)
{
    CString s(L"Hello, World");
    EXPECT_STREQ(L"Hello", s.Left(5));
    EXPECT_STREQ(L"World", s.Right(5));
    EXPECT_STREQ(L"lo, W", s.Mid(3, 5));
    EXPECT_STREQ(L"World", s.Mid(7));
    EXPECT_STREQ(L"", s.Mid(50));
    EXPECT_STREQ(L"Hello, World", s.Left(99));
    EXPECT_STREQ(L"", s.Right(-1));
    EXPECT_EQ(4, s.Find(L'o'));
    EXPECT_EQ(8, s.Find(L'o', 5));
    EXPECT_EQ(-1, s.Find(L'o', 50));
    EXPECT_EQ(7, s.Find(L"World"));
    EXPECT_EQ(-1, s.Find(L"world"));
    EXPECT_EQ(8, s.ReverseFind(L'o'));
    EXPECT_EQ(-1, s.ReverseFind(L'z'));
    EXPECT_EQ(5, s.FindOneOf(L" ,"));
    EXPECT_EQ(L'W', s.GetAt(7));
    EXPECT_EQ(L'H', s[0]);
}

TEST(CString, EditsInPlace)
{
    CString s(L"a-b-c");
    EXPECT_EQ(2, s.Replace(L'-', L'+'));
    EXPECT_STREQ(L"a+b+c", s);
    EXPECT_EQ(2, s.Replace(L"+", L" and "));
    EXPECT_STREQ(L"a and b and c", s);
    EXPECT_EQ(0, s.Replace(L"", L"x"));
    EXPECT_EQ(4, s.Remove(L' '));
    EXPECT_STREQ(L"aandbandc", s);
    EXPECT_EQ(11, s.Insert(1, L"--"));
    EXPECT_EQ(12, s.Insert(100, L'!'));
    EXPECT_STREQ(L"a--andbandc!", s);
    EXPECT_EQ(9, s.Delete(1, 3));
    EXPECT_STREQ(L"andbandc!", s);
    EXPECT_EQ(3, s.Delete(3, 100));
    s.SetAt(0, L'A');
    EXPECT_STREQ(L"And", s);
    EXPECT_STREQ(L"AND", s.MakeUpper());
    EXPECT_STREQ(L"and", s.MakeLower());
}

TEST(CString, Trims)
{
    CString s(L" \t text \r\n");
    EXPECT_STREQ(L"text \r\n", CString(s).TrimLeft());
    EXPECT_STREQ(L" \t text", CString(s).TrimRight());
    EXPECT_STREQ(L"text", CString(s).Trim());
    EXPECT_STREQ(L"text", CString(L"xxtextx").Trim(L'x'));
    EXPECT_STREQ(L"text", CString(L"-=text=-").Trim(L"=-"));
    EXPECT_STREQ(L"", CString(L"   ").Trim());
}

TEST(CString, ComparesAndConcatenates)
{
    CString a(L"abc");
    EXPECT_EQ(0, a.Compare(L"abc"));
    EXPECT_LT(a.Compare(L"abd"), 0);
    EXPECT_EQ(0, a.CompareNoCase(L"ABC"));
    EXPECT_TRUE(a == L"abc");
    EXPECT_TRUE(L"abd" > a);
    EXPECT_STREQ(L"abc-abc!", a + L"-" + a + L'!');
    a += a;
    EXPECT_STREQ(L"abcabc", a);
    EXPECT_STREQ(L"narrow", CString("narrow"));
    EXPECT_STREQ(L"zzz", CString(L'z', 3));
    CString empty;
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_STREQ(L"", (LPCWSTR)empty);
    a.Empty();
    EXPECT_EQ(0, a.GetLength());
}

TEST(CString, BufferAndSystemStrings)
{
    CString s(L"abc");
    LPWSTR p = s.GetBuffer(10);
    wcscpy(p, L"0123456789");
    s.ReleaseBuffer();
    EXPECT_STREQ(L"0123456789", s);
    s.GetBuffer(20);
    s.ReleaseBuffer(4);
    EXPECT_STREQ(L"0123", s);

    CString withNul(L"a\0b", 3);
    BSTR bstr = withNul.AllocSysString();
    EXPECT_EQ(3u, SysStringLen(bstr));
    EXPECT_EQ(L'b', bstr[2]);
    SysFreeString(bstr);
}

TEST(CString, MissingStringResourceLeavesTheStringEmpty)
{
    CString s(L"old");
    EXPECT_FALSE(s.LoadString(61234));
    EXPECT_TRUE(s.IsEmpty());
}

}  // namespace
