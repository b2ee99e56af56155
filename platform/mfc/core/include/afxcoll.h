// The named collections. Each is a collection template with a run-time class of its
// own; the serializable ones keep the library's archive format (count, then elements).
#pragma once
#include "afxtempl.h"

#define AFX_DECLARE_COLLECTION(class_name, declare, ...) \
    class class_name : public __VA_ARGS__ {              \
    public:                                              \
        using CBase = __VA_ARGS__;                       \
        using CBase::CBase;                              \
        declare(class_name)                              \
    };

AFX_DECLARE_COLLECTION(CPtrList, DECLARE_DYNAMIC, CList<void*, void*>)
AFX_DECLARE_COLLECTION(CStringList, DECLARE_SERIAL, CList<CString, const CString&>)
AFX_DECLARE_COLLECTION(CPtrArray, DECLARE_DYNAMIC, CArray<void*, void*>)
AFX_DECLARE_COLLECTION(CStringArray, DECLARE_SERIAL, CArray<CString, const CString&>)
AFX_DECLARE_COLLECTION(CByteArray, DECLARE_SERIAL, CArray<BYTE, BYTE>)
AFX_DECLARE_COLLECTION(CWordArray, DECLARE_SERIAL, CArray<WORD, WORD>)
AFX_DECLARE_COLLECTION(CDWordArray, DECLARE_SERIAL, CArray<DWORD, DWORD>)
AFX_DECLARE_COLLECTION(CUIntArray, DECLARE_DYNAMIC, CArray<UINT, UINT>)
AFX_DECLARE_COLLECTION(CMapPtrToPtr, DECLARE_DYNAMIC, CMap<void*, void*, void*, void*>)
AFX_DECLARE_COLLECTION(CMapWordToPtr, DECLARE_DYNAMIC, CMap<WORD, WORD, void*, void*>)
#undef AFX_DECLARE_COLLECTION

// Object lists and arrays archive their elements as objects with class information.
class CObList : public CList<CObject*, CObject*> {
    DECLARE_SERIAL(CObList)
public:
    using CList::CList;
    void Serialize(CArchive& ar) override;
};

class CObArray : public CArray<CObject*, CObject*> {
    DECLARE_SERIAL(CObArray)
public:
    void Serialize(CArchive& ar) override;
};
