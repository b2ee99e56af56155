#include <afxdisp.h>
#include <gtest/gtest.h>
#include "ArchiveTestSupport.h"

TEST(OleVariant, HoldsAndConvertsValues)
{
    COleVariant text(L"12");
    EXPECT_EQ(VT_BSTR, text.vt);
    text.ChangeType(VT_I4);
    EXPECT_EQ(VT_I4, text.vt);
    EXPECT_EQ(12, text.lVal);
    EXPECT_TRUE(text == COleVariant(12L));
    EXPECT_TRUE(COleVariant(L"a") != COleVariant(L"b"));
    COleVariant flag((short)1, VT_BOOL);
    EXPECT_EQ(VARIANT_TRUE, flag.boolVal);
    COleVariant date(COleDateTime(2.5));
    EXPECT_EQ(VT_DATE, date.vt);
    try {
        COleVariant(L"not a number").ChangeType(VT_I4);
        FAIL();
    } catch (COleException* e) {
        EXPECT_EQ(DISP_E_TYPEMISMATCH, e->m_sc);
        e->Delete();
    }
}

TEST(OleVariant, ArchivesTypeThenValue)
{
    struct Case {
        COleVariant value;
        Bytes bytes;
    } cases[] = {
        {COleVariant(5L), {3, 0, 5, 0, 0, 0}},
        {COleVariant(L"hi"), {8, 0, 4, 0, 0, 0, 'h', 0, 'i', 0}},
        {COleVariant((short)1, VT_BOOL), {11, 0, 0xFF, 0xFF}},
        {COleVariant(), {0, 0}},
        {COleVariant(1.0), {5, 0, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F}},
        {COleVariant((BYTE)7), {17, 0, 7}},
    };
    for (const Case& c : cases) {
        Bytes bytes = Store([&](CArchive& ar) { ar << c.value; });
        EXPECT_EQ(c.bytes, bytes) << c.value.vt;
        Load(bytes, [&](CArchive& ar) {
            COleVariant back;
            ar >> back;
            EXPECT_TRUE(back == c.value) << c.value.vt;
        });
    }
    EXPECT_EQ(CArchiveException::genericException, LoadFailure({0x0D, 0}, [](CArchive& ar) {
                  COleVariant v;
                  ar >> v;
              }));
}
