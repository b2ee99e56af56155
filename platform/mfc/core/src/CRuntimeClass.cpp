#include <afx.h>
#include <mutex>
#include <string>
#include <vector>

namespace {

struct ClassList {
    std::mutex lock;
    std::vector<CRuntimeClass*> classes;
};

// Built on first use, so registration works from any static initialiser.
ClassList& Classes()
{
    static ClassList list;
    return list;
}

}  // namespace

void AFXAPI AfxClassInit(CRuntimeClass* pNewClass)
{
    ClassList& list = Classes();
    std::lock_guard<std::mutex> guard(list.lock);
    list.classes.push_back(pNewClass);
}

CRuntimeClass* PASCAL CRuntimeClass::FromName(LPCSTR lpszClassName)
{
    if (lpszClassName == nullptr)
        return nullptr;
    ClassList& list = Classes();
    std::lock_guard<std::mutex> guard(list.lock);
    for (CRuntimeClass* pClass : list.classes)
        if (strcmp(pClass->m_lpszClassName, lpszClassName) == 0)
            return pClass;
    return nullptr;
}

CRuntimeClass* PASCAL CRuntimeClass::FromName(LPCWSTR lpszClassName)
{
    if (lpszClassName == nullptr)
        return nullptr;
    // Class names are plain ASCII identifiers.
    std::string name;
    for (LPCWSTR p = lpszClassName; *p != 0; ++p) {
        if (*p > 0x7F)
            return nullptr;
        name += (char)*p;
    }
    return FromName(name.c_str());
}

CObject* CRuntimeClass::CreateObject()
{
    if (m_pfnCreateObject == nullptr)
        return nullptr;
    return m_pfnCreateObject();
}

CObject* PASCAL CRuntimeClass::CreateObject(LPCSTR lpszClassName)
{
    CRuntimeClass* pClass = FromName(lpszClassName);
    return pClass == nullptr ? nullptr : pClass->CreateObject();
}

CObject* PASCAL CRuntimeClass::CreateObject(LPCWSTR lpszClassName)
{
    CRuntimeClass* pClass = FromName(lpszClassName);
    return pClass == nullptr ? nullptr : pClass->CreateObject();
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* pClass = this; pClass != nullptr; pClass = pClass->m_pBaseClass)
        if (pClass == pBaseClass)
            return TRUE;
    return FALSE;
}
