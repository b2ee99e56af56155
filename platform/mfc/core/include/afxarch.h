// CArchive: the binary serialization stream. Values are little-endian; counts,
// strings and objects use the library's tagged formats (see CArchive.cpp).
#pragma once
#include "afxfile.h"
#include "afxtypes.h"
#include <unordered_map>
#include <vector>

class CDocument;

class CArchive {
public:
    enum Mode {
        store = 0,
        load = 1,
        bNoFlushOnDelete = 2,
        bNoByteSwap = 4
    };

    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = nullptr);
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    BOOL IsStoring() const { return (m_nMode & load) == 0; }
    BOOL IsByteSwapping() const { return FALSE; }
    BOOL IsBufferEmpty() const { return m_nCur == m_nMax; }
    CFile* GetFile() const { return m_pFile; }

    // Raw bytes. Read returns what it got (less at the end of the file).
    UINT Read(void* lpBuf, UINT nMax);
    void Write(const void* lpBuf, UINT nMax);
    void Flush();
    // Flushes and lets go of the file. A loading archive gives back the bytes it read
    // ahead, so the file stands right after the last value read.
    void Close();
    void Abort();

    // Objects with class information; the same object written twice is written once
    // and then referred to by index.
    void WriteObject(const CObject* pOb);
    CObject* ReadObject(const CRuntimeClass* pClass);
    // The same; rbCreated tells whether this read made the object (not a back-reference).
    CObject* ReadObject(const CRuntimeClass* pClass, BOOL& rbCreated);
    void WriteClass(const CRuntimeClass* pClassRef);
    CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = nullptr, UINT* pSchema = nullptr,
                             DWORD* pObTag = nullptr);
    void SerializeClass(const CRuntimeClass* pClassRef);
    // Enters an object that was written or read by other means, for later references.
    void MapObject(const CObject* pOb);
    // The schema of the object being loaded; answers (UINT)-1 when asked a second time.
    UINT GetObjectSchema();
    void SetObjectSchema(UINT nSchema) { m_nObjectSchema = nSchema; }

    void WriteCount(DWORD_PTR dwCount);
    DWORD_PTR ReadCount();

    CArchive& operator<<(BYTE by) { return WriteValue(by); }
    CArchive& operator<<(WORD w) { return WriteValue(w); }
    CArchive& operator<<(LONG l) { return WriteValue(l); }
    CArchive& operator<<(DWORD dw) { return WriteValue(dw); }
    CArchive& operator<<(int i) { return WriteValue((LONG)i); }
    CArchive& operator<<(UINT u) { return WriteValue((LONG)u); }
    CArchive& operator<<(short w) { return WriteValue((WORD)w); }
    CArchive& operator<<(char ch) { return WriteValue((BYTE)ch); }
    CArchive& operator<<(wchar_t ch) { return WriteValue((WORD)ch); }
    CArchive& operator<<(bool b) { return WriteValue((BYTE)(b ? 1 : 0)); }
    CArchive& operator<<(LONGLONG dwdw) { return WriteValue(dwdw); }
    CArchive& operator<<(ULONGLONG dwdw) { return WriteValue(dwdw); }
    CArchive& operator<<(float f) { return WriteValue(f); }
    CArchive& operator<<(double d) { return WriteValue(d); }
    CArchive& operator<<(const CObject* pOb)
    {
        WriteObject(pOb);
        return *this;
    }
    // Text pointers are written as strings, never as the bool they would convert to.
    CArchive& operator<<(LPCWSTR psz);
    CArchive& operator<<(LPCSTR psz);

    CArchive& operator>>(BYTE& by) { return ReadValue(by); }
    CArchive& operator>>(WORD& w) { return ReadValue(w); }
    CArchive& operator>>(LONG& l) { return ReadValue(l); }
    CArchive& operator>>(DWORD& dw) { return ReadValue(dw); }
    CArchive& operator>>(int& i) { return ReadValue(i); }
    CArchive& operator>>(UINT& u) { return ReadValue(u); }
    CArchive& operator>>(short& w) { return ReadValue(w); }
    CArchive& operator>>(char& ch) { return ReadValue(ch); }
    CArchive& operator>>(wchar_t& ch) { return ReadValue(ch); }
    CArchive& operator>>(bool& b);
    CArchive& operator>>(LONGLONG& dwdw) { return ReadValue(dwdw); }
    CArchive& operator>>(ULONGLONG& dwdw) { return ReadValue(dwdw); }
    CArchive& operator>>(float& f) { return ReadValue(f); }
    CArchive& operator>>(double& d) { return ReadValue(d); }
    CArchive& operator>>(CObject*& pOb)
    {
        pOb = ReadObject(nullptr);
        return *this;
    }
    CArchive& operator>>(const CObject*& pOb)
    {
        pOb = ReadObject(nullptr);
        return *this;
    }

    // The document being serialized, for objects that need it while loading.
    CDocument* m_pDocument;
    CString m_strFileName;

private:
    template <class T>
    CArchive& WriteValue(T value)
    {
        Write(&value, sizeof(value));
        return *this;
    }
    template <class T>
    CArchive& ReadValue(T& value)
    {
        ReadExactly(&value, sizeof(value));
        return *this;
    }
    void ReadExactly(void* lpBuf, UINT nCount);
    void FillBuffer();
    void CheckStoring() const;
    void CheckLoading() const;
    void CheckCount() const;
    void InitMaps();

    CFile* m_pFile;
    UINT m_nMode;
    UINT m_nObjectSchema;
    std::vector<BYTE> m_buffer;
    size_t m_nCur;  // next byte to read or write in the buffer
    size_t m_nMax;  // end of the valid bytes (loading)
    // Index 0 is the null object; classes and objects share the numbering.
    std::unordered_map<const void*, DWORD> m_storeMap;
    std::vector<void*> m_loadArray;
    std::unordered_map<const CRuntimeClass*, UINT> m_schemaMap;
    DWORD m_nMapCount;
};

CArchive& AFXAPI operator<<(CArchive& ar, const CString& string);
CArchive& AFXAPI operator>>(CArchive& ar, CString& string);

// Rectangles, points and sizes travel as their raw 32-bit fields.
CArchive& AFXAPI operator<<(CArchive& ar, SIZE size);
CArchive& AFXAPI operator<<(CArchive& ar, POINT point);
CArchive& AFXAPI operator<<(CArchive& ar, const RECT& rect);
CArchive& AFXAPI operator>>(CArchive& ar, SIZE& size);
CArchive& AFXAPI operator>>(CArchive& ar, POINT& point);
CArchive& AFXAPI operator>>(CArchive& ar, RECT& rect);
