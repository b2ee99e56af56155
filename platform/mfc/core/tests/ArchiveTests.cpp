#include <afx.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include "ArchiveTestSupport.h"

namespace {

class CNodeObj : public CObject {
    DECLARE_SERIAL(CNodeObj)
public:
    LONG m_value = 0;
    CObject* m_pLink = nullptr;
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_value << m_pLink;
        else
            ar >> m_value >> m_pLink;
    }
};
IMPLEMENT_SERIAL(CNodeObj, CObject, 1)

class CVersioned : public CObject {
    DECLARE_SERIAL(CVersioned)
public:
    UINT m_loadedSchema = 0;
    void Serialize(CArchive& ar) override
    {
        if (ar.IsLoading())
            m_loadedSchema = ar.GetObjectSchema();
    }
};
IMPLEMENT_SERIAL(CVersioned, CObject, VERSIONABLE_SCHEMA | 2)

class CTiny : public CObject {
    DECLARE_SERIAL(CTiny)
};
IMPLEMENT_SERIAL(CTiny, CObject, 0)

class CTinier : public CObject {
    DECLARE_SERIAL(CTinier)
};
IMPLEMENT_SERIAL(CTinier, CObject, 0)

class CPlain : public CObject {
    DECLARE_DYNCREATE(CPlain)
};
IMPLEMENT_DYNCREATE(CPlain, CObject)

Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes Ascii(const char* text)
{
    return Bytes(text, text + strlen(text));
}

}  // namespace

TEST(Archive, WritesPlainValuesLittleEndian)
{
    Bytes bytes = Store([](CArchive& ar) {
        ar << (BYTE)0xAB << (WORD)0x1234 << (int)-2 << (UINT)7 << (LONG)0x01020304 << (DWORD)0xA0B0C0D0 << (BOOL)TRUE
           << 1.0;
        ar << CRect(1, -2, 3, 4);
    });
    Bytes expected = {0xAB, 0x34, 0x12, 0xFE, 0xFF, 0xFF, 0xFF, 0x07, 0, 0, 0, 0x04, 0x03, 0x02, 0x01, 0xD0,
                      0xC0, 0xB0, 0xA0, 0x01, 0,    0,    0,    0,    0, 0, 0, 0,    0,    0xF0, 0x3F, 1,
                      0,    0,    0,    0xFE, 0xFF, 0xFF, 0xFF, 3,    0, 0, 0, 4,    0,    0,    0};
    EXPECT_EQ(expected, bytes);

    Load(bytes, [](CArchive& ar) {
        BYTE b;
        WORD w;
        int i;
        UINT u;
        LONG l;
        DWORD dw;
        BOOL flag;
        double d;
        CRect rect;
        ar >> b >> w >> i >> u >> l >> dw >> flag >> d >> rect;
        EXPECT_EQ(-2, i);
        EXPECT_EQ(0xA0B0C0D0u, dw);
        EXPECT_EQ(1.0, d);
        EXPECT_EQ(CRect(1, -2, 3, 4), rect);
    });
}

TEST(Archive, WritesCountsAsWordOrEscapedDoubleWord)
{
    struct Case {
        DWORD_PTR count;
        Bytes bytes;
    } cases[] = {
        {0, {0, 0}},
        {0xFFFE, {0xFE, 0xFF}},
        {0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0, 0}},
        {70000, {0xFF, 0xFF, 0x70, 0x11, 0x01, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.bytes, Store([&](CArchive& ar) { ar.WriteCount(c.count); })) << c.count;
        Load(c.bytes, [&](CArchive& ar) { EXPECT_EQ(c.count, ar.ReadCount()); });
    }
}

TEST(Archive, WritesStringsWithTheWideMarkerAndAGrowingLength)
{
    struct Case {
        int length;
        Bytes header;
    } cases[] = {
        {0, {0xFF, 0xFE, 0xFF, 0}},
        {2, {0xFF, 0xFE, 0xFF, 2}},
        {254, {0xFF, 0xFE, 0xFF, 0xFE}},
        {255, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0}},
        {0xFFFD, {0xFF, 0xFE, 0xFF, 0xFF, 0xFD, 0xFF}},
        {0xFFFE, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0, 0}},
    };
    for (const Case& c : cases) {
        CString text(L'\x263A', c.length);
        Bytes bytes = Store([&](CArchive& ar) { ar << text; });
        ASSERT_EQ(c.header.size() + 2 * c.length, bytes.size()) << c.length;
        EXPECT_EQ(c.header, Prefix(bytes, c.header.size())) << c.length;
        if (c.length > 0) {
            EXPECT_EQ((Bytes{0x3A, 0x26}), Bytes(bytes.end() - 2, bytes.end()));
        }
        Load(bytes, [&](CArchive& ar) {
            CString back;
            ar >> back;
            EXPECT_TRUE(back == text) << c.length;
        });
    }
    EXPECT_EQ((Bytes{0xFF, 0xFE, 0xFF, 2, 'a', 0, 'b', 0}), Store([](CArchive& ar) { ar << L"ab"; }));
}

TEST(Archive, ReadsNarrowStringsOfEveryLengthForm)
{
    std::string longText(300, 'n');
    struct Case {
        Bytes bytes;
        CString expected;
    } cases[] = {
        {Concat({{3}, Ascii("abc")}), L"abc"},
        {{0}, L""},
        {Concat({{0xFF, 0x2C, 0x01}, Ascii(longText.c_str())}), CString(longText.c_str())},
        {Concat({{0xFF, 0xFF, 0xFF, 2, 0, 0, 0}, Ascii("xy")}), L"xy"},
        {Concat({{0xFF, 0xFE, 0xFF, 0xFF, 1, 0}, {'w', 0}}), L"w"},
    };
    for (const Case& c : cases)
        Load(c.bytes, [&](CArchive& ar) {
            CString back;
            ar >> back;
            EXPECT_STREQ(c.expected, back);
        });
}

TEST(Archive, WritesObjectGraphsWithClassAndObjectReferences)
{
    CNodeObj a, b;
    a.m_value = 1;
    b.m_value = 2;
    b.m_pLink = &a;
    Bytes bytes = Store([&](CArchive& ar) { ar << &a << &b << &a << (CObject*)nullptr; });
    Bytes expected = Concat({{0xFF, 0xFF, 1, 0, 8, 0},
                             Ascii("CNodeObj"),
                             {1, 0, 0, 0, 0, 0},     // a: value, null link
                             {0x01, 0x80},           // class 1 again
                             {2, 0, 0, 0, 0x02, 0},  // b: value, link to object 2 (a)
                             {0x02, 0},              // a again
                             {0, 0}});               // null
    EXPECT_EQ(expected, bytes);

    Load(bytes, [](CArchive& ar) {
        CNodeObj *a2, *b2, *again;
        CObject* none;
        ar >> a2 >> b2 >> again >> none;
        EXPECT_EQ(1, a2->m_value);
        EXPECT_EQ(2, b2->m_value);
        EXPECT_EQ(a2, b2->m_pLink);
        EXPECT_EQ(a2, again);
        EXPECT_EQ(nullptr, none);
        delete a2;
        delete b2;
    });
}

TEST(Archive, EscapesIndexesFromTheBigTagOn)
{
    const int count = 0x7FFE;  // objects 2 .. 0x7FFF
    std::vector<CTiny> tiny(count);
    CTinier t1, t2;
    Bytes bytes = Store([&](CArchive& ar) {
        for (CTiny& t : tiny)
            ar << &t;
        ar << &tiny[count - 2] << &tiny[count - 1] << &t1 << &t2;
    });
    // Then: new class CTinier (index 0x8000), t1 (0x8001), and t2 through the big
    // class tag.
    Bytes tail = Concat({{0xFE, 0x7F},
                         {0xFF, 0x7F, 0xFF, 0x7F, 0, 0},
                         {0xFF, 0xFF, 0, 0, 7, 0},
                         Ascii("CTinier"),
                         {0xFF, 0x7F, 0x00, 0x80, 0x00, 0x80}});
    EXPECT_EQ(tail, Bytes(bytes.end() - (long)tail.size(), bytes.end()));

    Load(bytes, [&](CArchive& ar) {
        std::vector<std::unique_ptr<CObject>> loaded;
        for (int i = 0; i < count + 2; ++i) {
            CObject* p;
            ar >> p;
            if (i < count)
                loaded.emplace_back(p);
            else
                EXPECT_EQ(loaded[(size_t)i - 2].get(), p);
        }
        CObject *p1, *p2;
        ar >> p1 >> p2;
        EXPECT_TRUE(p1->IsKindOf(RUNTIME_CLASS(CTinier)));
        EXPECT_TRUE(p2->IsKindOf(RUNTIME_CLASS(CTinier)));
        EXPECT_NE(p1, p2);
        delete p1;
        delete p2;
    });
}

TEST(Archive, ChecksSchemasClassesAndIndexes)
{
    Bytes schema5 = Concat({{0xFF, 0xFF, 5, 0, 8, 0}, Ascii("CNodeObj"), {1, 0, 0, 0, 0, 0}});
    Bytes unknown = Concat({{0xFF, 0xFF, 1, 0, 8, 0}, Ascii("CUnknown"), {1, 0, 0, 0, 0, 0}});
    Bytes node = Concat({{0xFF, 0xFF, 1, 0, 8, 0}, Ascii("CNodeObj"), {1, 0, 0, 0, 0, 0}});
    auto readNode = [](CArchive& ar) { delete ar.ReadObject(RUNTIME_CLASS(CNodeObj)); };
    auto readVersioned = [](CArchive& ar) { delete ar.ReadObject(RUNTIME_CLASS(CVersioned)); };
    EXPECT_EQ(CArchiveException::badSchema, LoadFailure(schema5, readNode));
    EXPECT_EQ(CArchiveException::badClass, LoadFailure(unknown, readNode));
    EXPECT_EQ(CArchiveException::badClass, LoadFailure(node, readVersioned));
    EXPECT_EQ(CArchiveException::badIndex, LoadFailure({5, 0}, readNode));
    EXPECT_EQ(CArchiveException::badIndex, LoadFailure({0x05, 0x80}, readNode));
    EXPECT_EQ(CArchiveException::endOfFile, LoadFailure({0xFF, 0xFF, 1, 0}, readNode));
    EXPECT_EQ(CArchiveException::badIndex, LoadFailure({2, 0}, [](CArchive& ar) { ar.ReadClass(); }));
    // A back-reference to a class where an object belongs.
    EXPECT_EQ(CArchiveException::badIndex, LoadFailure(Concat({node, {0x01, 0x00}}), [](CArchive& ar) {
                  delete ar.ReadObject(nullptr);
                  ar.ReadObject(nullptr);
              }));
}

TEST(Archive, VersionableClassReadsOlderSchemas)
{
    Bytes older = Concat({{0xFF, 0xFF, 1, 0, 10, 0}, Ascii("CVersioned"), {0x01, 0x80}});
    Load(older, [](CArchive& ar) {
        std::unique_ptr<CObject> first(ar.ReadObject(RUNTIME_CLASS(CVersioned)));
        std::unique_ptr<CObject> second(ar.ReadObject(RUNTIME_CLASS(CVersioned)));
        EXPECT_EQ(1u, static_cast<CVersioned*>(first.get())->m_loadedSchema);
        EXPECT_EQ(1u, static_cast<CVersioned*>(second.get())->m_loadedSchema);
        EXPECT_EQ((UINT)-1, ar.GetObjectSchema());
    });
    CVersioned current;
    Bytes bytes = Store([&](CArchive& ar) { ar << &current; });
    EXPECT_EQ((Bytes{2, 0}), Bytes(bytes.begin() + 2, bytes.begin() + 4));
}

TEST(Archive, RefusesWrongDirectionsAndUnserializableClasses)
{
    CMemFile file;
    CArchive storing(&file, CArchive::store);
    try {
        BYTE b;
        storing >> b;
        FAIL();
    } catch (CArchiveException* e) {
        EXPECT_EQ(CArchiveException::writeOnly, e->m_cause);
        e->Delete();
    }
    CPlain plain;
    EXPECT_THROW(
        {
            try {
                storing << &plain;
            } catch (CNotSupportedException* e) {
                e->Delete();
                throw 1;
            }
        },
        int);
    EXPECT_EQ(CArchiveException::readOnly, LoadFailure({}, [](CArchive& ar) { ar << (BYTE)1; }));
}

TEST(Archive, CloseOfALoadingArchiveGivesBackUnreadBytes)
{
    BYTE data[8] = {1, 0, 0, 0, 2, 0, 0, 0};
    CMemFile file(data, sizeof(data));
    CArchive ar(&file, CArchive::load);
    DWORD first;
    ar >> first;
    ar.Close();
    EXPECT_EQ(1u, first);
    EXPECT_EQ(4u, file.GetPosition());
}
