#include <afx.h>
#include <gtest/gtest.h>
#include "ArchiveTestSupport.h"

namespace {

class CShape : public CObject {
    DECLARE_DYNAMIC(CShape)
};
IMPLEMENT_DYNAMIC(CShape, CObject)

class CCircle : public CShape {
    DECLARE_DYNCREATE(CCircle)
public:
    int m_radius = 3;
};
IMPLEMENT_DYNCREATE(CCircle, CShape)

class CLabel : public CObject {
    DECLARE_SERIAL(CLabel)
public:
    CString m_text;
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_text;
        else
            ar >> m_text;
    }
};
IMPLEMENT_SERIAL(CLabel, CObject, VERSIONABLE_SCHEMA | 2)

}  // namespace

TEST(ObjectModel, AnswersRunTimeClassQueries)
{
    CCircle circle;
    EXPECT_STREQ("CCircle", circle.GetRuntimeClass()->m_lpszClassName);
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CShape)));
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(circle.IsKindOf(RUNTIME_CLASS(CLabel)));
    EXPECT_TRUE(RUNTIME_CLASS(CCircle)->IsDerivedFrom(RUNTIME_CLASS(CShape)));
    EXPECT_FALSE(RUNTIME_CLASS(CShape)->IsDerivedFrom(RUNTIME_CLASS(CCircle)));
    EXPECT_FALSE(circle.IsSerializable());
    EXPECT_EQ(0xFFFFu, RUNTIME_CLASS(CCircle)->m_wSchema);
    EXPECT_EQ(VERSIONABLE_SCHEMA | 2, RUNTIME_CLASS(CLabel)->m_wSchema);

    CObject* asObject = &circle;
    EXPECT_EQ(&circle, DYNAMIC_DOWNCAST(CShape, asObject));
    EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(CLabel, asObject));
    EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(CLabel, (CObject*)nullptr));
}

TEST(ObjectModel, CreatesByClassAndByRegisteredName)
{
    CObject* created = RUNTIME_CLASS(CCircle)->CreateObject();
    ASSERT_NE(nullptr, created);
    EXPECT_EQ(RUNTIME_CLASS(CCircle), created->GetRuntimeClass());
    EXPECT_EQ(3, static_cast<CCircle*>(created)->m_radius);
    delete created;
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CShape)->CreateObject());

    // Serializable classes enter the by-name list at start-up; the collections too.
    EXPECT_EQ(RUNTIME_CLASS(CLabel), CRuntimeClass::FromName("CLabel"));
    EXPECT_EQ(RUNTIME_CLASS(CLabel), CRuntimeClass::FromName(L"CLabel"));
    EXPECT_EQ(RUNTIME_CLASS(CStringList), CRuntimeClass::FromName("CStringList"));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("CCircle"));
    CObject* byName = CRuntimeClass::CreateObject(L"CLabel");
    ASSERT_NE(nullptr, byName);
    EXPECT_TRUE(byName->IsKindOf(RUNTIME_CLASS(CLabel)));
    delete byName;

    static CRuntimeClass late = {"CLateClass", sizeof(CCircle), 1, nullptr, RUNTIME_CLASS(CObject)};
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("CLateClass"));
    AfxClassInit(&late);
    EXPECT_EQ(&late, CRuntimeClass::FromName("CLateClass"));
}

TEST(ObjectModel, ExceptionsAreHeapObjectsWithTheirCause)
{
    try {
        AfxThrowArchiveException(CArchiveException::badSchema, L"state");
    } catch (CException* e) {
        ASSERT_TRUE(e->IsKindOf(RUNTIME_CLASS(CArchiveException)));
        EXPECT_EQ(CArchiveException::badSchema, static_cast<CArchiveException*>(e)->m_cause);
        wchar_t text[100];
        EXPECT_TRUE(e->GetErrorMessage(text, 100));
        EXPECT_STREQ(L"state contains an incorrect schema.", text);
        e->Delete();
    }
    try {
        AfxThrowOleException(E_NOINTERFACE);
    } catch (COleException* e) {
        EXPECT_EQ(E_NOINTERFACE, COleException::Process(e));
        e->Delete();
    }
    CMemoryException memory;
    EXPECT_EQ(E_OUTOFMEMORY, COleException::Process(&memory));
    EXPECT_TRUE(memory.IsKindOf(RUNTIME_CLASS(CSimpleException)));
    EXPECT_EQ(CFileException::fileNotFound, CFileException::OsErrorToException(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(CFileException::sharingViolation, CFileException::OsErrorToException(ERROR_SHARING_VIOLATION));
}
