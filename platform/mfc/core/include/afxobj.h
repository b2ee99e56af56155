// The object model: run-time class records, the common base class and the macros that
// give a class run-time type information, creation by class and serialization.
#pragma once
#include "afxdefs.h"

class CObject;
class CArchive;

// Diagnostic dump target; dumping is a no-op in this library.
class CDumpContext {
public:
    template <class T>
    CDumpContext& operator<<(const T&)
    {
        return *this;
    }
};
extern CDumpContext afxDump;

// Marks a schema whose older versions the class reads itself (GetObjectSchema).
#define VERSIONABLE_SCHEMA (0x80000000)

struct CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;  // 0xFFFF: the class cannot be serialized
    CObject*(PASCAL* m_pfnCreateObject)();
    CRuntimeClass* m_pBaseClass;

    CObject* CreateObject();
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

    // Classes entered with AfxClassInit, found by name (archives, creation by name).
    static CRuntimeClass* PASCAL FromName(LPCSTR lpszClassName);
    static CRuntimeClass* PASCAL FromName(LPCWSTR lpszClassName);
    static CObject* PASCAL CreateObject(LPCSTR lpszClassName);
    static CObject* PASCAL CreateObject(LPCWSTR lpszClassName);

    // Archive form of a class: schema word, name length word, name bytes.
    void Store(CArchive& ar) const;
    static CRuntimeClass* PASCAL Load(CArchive& ar, UINT* pwSchemaNum);
};

// Enters a class in the process-wide list of run-time classes. Safe to call from any
// static initialiser: the list is built on first use.
void AFXAPI AfxClassInit(CRuntimeClass* pNewClass);

struct AFX_CLASSINIT {
    explicit AFX_CLASSINIT(CRuntimeClass* pNewClass) { AfxClassInit(pNewClass); }
};

class CObject {
public:
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = 0;

    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;

    BOOL IsSerializable() const;
    BOOL IsKindOf(const CRuntimeClass* pClass) const;

    virtual void Serialize(CArchive& ar);
    virtual void AssertValid() const;
    virtual void Dump(CDumpContext& dc) const;

    static CRuntimeClass classCObject;
    static CRuntimeClass* PASCAL GetThisClass() { return &classCObject; }

protected:
    CObject() = default;
};

inline CObject::~CObject() = default;

CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject);

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)
#define DYNAMIC_DOWNCAST(class_name, object) \
    (static_cast<class_name*>(AfxDynamicDownCast(RUNTIME_CLASS(class_name), (object))))
#define STATIC_DOWNCAST(class_name, object) (static_cast<class_name*>(object))

// The records are constant-initialised aggregates, so a record is complete before any
// static initialiser of any file runs; only the by-name list is filled at start-up.
#define DECLARE_DYNAMIC(class_name)             \
public:                                         \
    static CRuntimeClass class##class_name;     \
    static CRuntimeClass* PASCAL GetThisClass() \
    {                                           \
        return &class##class_name;              \
    }                                           \
    virtual CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name)       \
    static CObject* PASCAL CreateObject();

#define DECLARE_SERIAL(class_name) \
    DECLARE_DYNCREATE(class_name)  \
    friend CArchive& AFXAPI operator>>(CArchive& ar, class_name*& pOb);

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                             \
    CRuntimeClass class_name::class##class_name = {#class_name, sizeof(class_name), (wSchema), (pfnNew), \
                                                   RUNTIME_CLASS(base_class_name)};                      \
    CRuntimeClass* class_name::GetRuntimeClass() const                                                   \
    {                                                                                                    \
        return RUNTIME_CLASS(class_name);                                                                \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name) \
    CObject* PASCAL class_name::CreateObject()           \
    {                                                    \
        return new class_name;                           \
    }                                                    \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)                             \
    CObject* PASCAL class_name::CreateObject()                                             \
    {                                                                                      \
        return new class_name;                                                             \
    }                                                                                      \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, class_name::CreateObject) \
    static const AFX_CLASSINIT _init_##class_name(RUNTIME_CLASS(class_name));              \
    [[maybe_unused]] CArchive& AFXAPI operator>>(CArchive& ar, class_name*& pOb)           \
    {                                                                                      \
        pOb = static_cast<class_name*>(ar.ReadObject(RUNTIME_CLASS(class_name)));          \
        return ar;                                                                         \
    }
