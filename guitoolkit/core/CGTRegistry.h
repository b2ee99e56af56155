// Registry access for every piece of toolkit state that outlives a run. Simple values are
// REG_DWORD or REG_SZ; composite values (lists, arrays, objects, points, rectangles) are
// archives in memory stored as one REG_BINARY value, whose byte layouts are the stored
// format all state savers share. Every operation answers success as a BOOL; the Win32
// code of the last call stays in lastError.
#pragma once
#include <afx.h>
#include <afxtempl.h>
#include <functional>

class CGTRegistry : public CObject {
    DECLARE_DYNCREATE(CGTRegistry)
public:
    // Fields left to the holder, which sets them at once.
    CGTRegistry();
    CGTRegistry(BOOL admin, BOOL readOnly);
    ~CGTRegistry() override;

    virtual BOOL ReadValueNames(CStringArray& names);
    virtual BOOL VerifyKey(LPCWSTR path);
    virtual BOOL VerifyValue(LPCWSTR name);
    virtual BOOL CreateKey(LPCWSTR path);
    virtual BOOL Open(LPCWSTR path);
    virtual void Close();
    virtual BOOL DeleteValue(LPCWSTR name);
    // Deletes a key and everything below it, under the root the admin flag names.
    virtual BOOL DeleteKey(LPCWSTR path, BOOL admin);
    // With class information; ReadObject creates the object.
    virtual BOOL WriteObject(LPCWSTR name, CObject* object);
    // The object's own Serialize, without class information.
    virtual BOOL WriteSerializable(LPCWSTR name, CObject& object);
    virtual BOOL WriteStringList(LPCWSTR name, CStringList& list);
    virtual BOOL WriteBinary(LPCWSTR name, const BYTE* bytes, UINT size);
    // A five-element double-word array (x, y, 0, 0, 0) in its archive form: 22 bytes.
    virtual BOOL WritePoint(LPCWSTR name, const POINT& point);
    // Left, top, right, bottom as four raw 32-bit values: 16 bytes.
    virtual BOOL WriteRect(LPCWSTR name, const RECT& rect);
    // A 32-bit count, then each element as 16 bits.
    virtual BOOL WriteWordArray(LPCWSTR name, CWordArray& array);
    virtual BOOL WriteByteArray(LPCWSTR name, CByteArray& array);
    virtual BOOL WriteDWordArray(LPCWSTR name, CDWordArray& array);
    // A count, then each element as 32 bits.
    virtual BOOL WriteIntArray(LPCWSTR name, CArray<int, int>& array);
    virtual BOOL WriteIntList(LPCWSTR name, CList<int, int>& list);
    virtual BOOL WriteStringArray(LPCWSTR name, CStringArray& array);
    virtual BOOL WriteObList(LPCWSTR name, CObList& list);
    virtual BOOL WriteString(LPCWSTR name, LPCWSTR text);
    virtual BOOL WriteDword(LPCWSTR name, DWORD value);
    virtual BOOL WriteInt(LPCWSTR name, int value);
    // Refuses a stored object of any class other than the expected one or one derived
    // from it; object is then null.
    virtual BOOL ReadObject(LPCWSTR name, CObject*& object, CRuntimeClass* expectedClass);
    virtual BOOL ReadSerializable(LPCWSTR name, CObject& object);
    // Deletes the list's objects first. A list naming an object twice, or holding null, is
    // refused.
    virtual BOOL ReadObList(LPCWSTR name, CObList& list);
    // bytes: allocated with new[], the caller deletes it; null when nothing was read.
    virtual BOOL ReadBinary(LPCWSTR name, BYTE*& bytes, UINT& size);
    virtual BOOL ReadRect(LPCWSTR name, RECT& rect);
    virtual BOOL ReadPoint(LPCWSTR name, POINT& point);
    virtual BOOL ReadByteArray(LPCWSTR name, CByteArray& array);
    virtual BOOL ReadWordArray(LPCWSTR name, CWordArray& array);
    virtual BOOL ReadDWordArray(LPCWSTR name, CDWordArray& array);
    virtual BOOL ReadIntArray(LPCWSTR name, CArray<int, int>& array);
    virtual BOOL ReadIntList(LPCWSTR name, CList<int, int>& list);
    virtual BOOL ReadStringArray(LPCWSTR name, CStringArray& array);
    virtual BOOL ReadStringList(LPCWSTR name, CStringList& list);
    virtual BOOL ReadString(LPCWSTR name, CString& text);
    virtual BOOL ReadDword(LPCWSTR name, DWORD& value);
    virtual BOOL ReadInt(LPCWSTR name, int& value);
    virtual BOOL ReadKeyNames(CStringArray& names);

    LONG lastError;
    DWORD lastType;
    DWORD lastSize;
    HKEY currentKey;
    BOOL isAdmin;
    CString path;
    BOOL isReadOnly;
    BOOL holderFlag;

private:
    REGSAM AccessMask() const;
    BOOL SetStatus(LONG error, DWORD type, DWORD size);
    // Moves one key deeper, closing the key it leaves unless that is a root.
    void Descend(HKEY key);
    BOOL WriteArchived(LPCWSTR name, const std::function<void(CArchive&)>& write);
    // Reads the value as an archive. A counted collection's count must fit the value
    // (minElementSize bytes per element at least) and the archive must use every byte.
    BOOL ReadArchived(LPCWSTR name, const std::function<void(CArchive&)>& read, UINT minElementSize);
    // Empties a collection, then lets it load itself as a counted collection.
    BOOL ReadCollection(LPCWSTR name, CObject& collection, UINT minElementSize);
};

// Removes one trailing backslash from a registry path.
CString TrimRegistryPath(LPCWSTR path);
