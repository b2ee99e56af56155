#include <guitoolkit/core/CGTRegistry.h>
#include <guitoolkit/core/CGTOwnedObList.h>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <new>

IMPLEMENT_DYNCREATE(CGTRegistry, CObject)

namespace {
// Read-only objects open keys for query, sub-key enumeration and notification only.
const REGSAM readOnlyAccess = KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS | KEY_NOTIFY;
const DWORD nameBufferLength = 2048;

HKEY RootKey(BOOL admin)
{
    return admin ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

bool IsRootKey(HKEY key)
{
    return (reinterpret_cast<ULONG_PTR>(key) & 0x80000000u) != 0;
}

// The element count at the start of a collection's archive form, and the bytes it takes.
bool ReadArchiveCount(const BYTE* data, UINT size, ULONGLONG& count, UINT& headerSize)
{
    if (size < 2)
        return false;
    WORD shortCount;
    memcpy(&shortCount, data, 2);
    if (shortCount != 0xFFFF) {
        count = shortCount;
        headerSize = 2;
        return true;
    }
    if (size < 6)
        return false;
    DWORD longCount;
    memcpy(&longCount, data + 2, 4);
    if (longCount != 0xFFFFFFFF) {
        count = longCount;
        headerSize = 6;
        return true;
    }
    if (size < 14)
        return false;
    memcpy(&count, data + 6, 8);
    headerSize = 14;
    return true;
}

bool CountFits(const BYTE* data, UINT size, UINT minElementSize)
{
    ULONGLONG count;
    UINT headerSize;
    if (!ReadArchiveCount(data, size, count, headerSize))
        return false;
    return count <= (size - headerSize) / minElementSize;
}

}  // namespace

CString TrimRegistryPath(LPCWSTR path)
{
    CString trimmed(path != nullptr ? path : L"");
    if (!trimmed.IsEmpty() && trimmed[trimmed.GetLength() - 1] == L'\\')
        trimmed = trimmed.Left(trimmed.GetLength() - 1);
    return trimmed;
}

CGTRegistry::CGTRegistry()
    : lastError(0), lastType(0), lastSize(0), currentKey(nullptr), isAdmin(FALSE), isReadOnly(FALSE), holderFlag(FALSE)
{
}

CGTRegistry::CGTRegistry(BOOL admin, BOOL readOnly)
    : lastError(0), lastType(0), lastSize(0), currentKey(RootKey(admin)), isAdmin(admin), isReadOnly(readOnly),
      holderFlag(FALSE)
{
}

CGTRegistry::~CGTRegistry()
{
    Close();
}

REGSAM CGTRegistry::AccessMask() const
{
    return isReadOnly ? readOnlyAccess : KEY_ALL_ACCESS;
}

BOOL CGTRegistry::SetStatus(LONG error, DWORD type, DWORD size)
{
    lastError = error;
    lastType = type;
    lastSize = size;
    return error == ERROR_SUCCESS;
}

void CGTRegistry::Descend(HKEY key)
{
    if (currentKey != nullptr && !IsRootKey(currentKey))
        ::RegCloseKey(currentKey);
    currentKey = key;
}

BOOL CGTRegistry::ReadValueNames(CStringArray& names)
{
    for (DWORD index = 0;; ++index) {
        wchar_t name[nameBufferLength];
        DWORD length = nameBufferLength;
        LONG error = ::RegEnumValueW(currentKey, index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (error != ERROR_SUCCESS)
            return index > 0;
        names.Add(CString(name));
    }
}

BOOL CGTRegistry::VerifyKey(LPCWSTR keyPath)
{
    HKEY key = nullptr;
    LONG error = ::RegOpenKeyExW(currentKey, TrimRegistryPath(keyPath), 0, AccessMask(), &key);
    if (error == ERROR_SUCCESS)
        ::RegCloseKey(key);
    return SetStatus(error, 0, 0);
}

BOOL CGTRegistry::VerifyValue(LPCWSTR name)
{
    DWORD type = 0;
    DWORD size = 0;
    LONG error = ::RegQueryValueExW(currentKey, name, nullptr, &type, nullptr, &size);
    return SetStatus(error, type, size);
}

BOOL CGTRegistry::CreateKey(LPCWSTR keyPath)
{
    if (isReadOnly)
        return FALSE;
    HKEY key = nullptr;
    LONG error = ::RegCreateKeyExW(currentKey, TrimRegistryPath(keyPath), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                   KEY_ALL_ACCESS, nullptr, &key, nullptr);
    if (error == ERROR_SUCCESS)
        Descend(key);
    return SetStatus(error, 0, 0);
}

BOOL CGTRegistry::Open(LPCWSTR keyPath)
{
    path = keyPath;
    HKEY key = nullptr;
    LONG error = ::RegOpenKeyExW(currentKey, TrimRegistryPath(keyPath), 0, AccessMask(), &key);
    if (error == ERROR_SUCCESS)
        Descend(key);
    return SetStatus(error, 0, 0);
}

void CGTRegistry::Close()
{
    Descend(nullptr);
}

BOOL CGTRegistry::DeleteValue(LPCWSTR name)
{
    if (isReadOnly)
        return FALSE;
    return SetStatus(::RegDeleteValueW(currentKey, name), 0, 0);
}

BOOL CGTRegistry::DeleteKey(LPCWSTR keyPath, BOOL admin)
{
    if (isReadOnly)
        return FALSE;
    const HKEY root = RootKey(admin);
    const CString trimmed = TrimRegistryPath(keyPath);
    HKEY key = nullptr;
    if (::RegOpenKeyExW(root, trimmed, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return FALSE;
    for (;;) {
        DWORD subKeys = 0;
        DWORD longest = 0;
        if (::RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subKeys, &longest, nullptr, nullptr, nullptr, nullptr,
                               nullptr, nullptr) != ERROR_SUCCESS) {
            ::RegCloseKey(key);
            return FALSE;
        }
        if (subKeys == 0)
            break;
        std::unique_ptr<wchar_t[]> name(new wchar_t[longest + 1]);
        if (::RegEnumKeyW(key, 0, name.get(), longest + 1) != ERROR_SUCCESS ||
            !DeleteKey(trimmed + L"\\" + name.get(), admin)) {
            ::RegCloseKey(key);
            return FALSE;
        }
    }
    ::RegCloseKey(key);
    return ::RegDeleteKeyW(root, trimmed) == ERROR_SUCCESS;
}

BOOL CGTRegistry::WriteArchived(LPCWSTR name, const std::function<void(CArchive&)>& write)
{
    if (isReadOnly)
        return FALSE;
    BYTE* block = nullptr;
    UINT size = 0;
    try {
        CMemFile file(1024);
        CArchive ar(&file, CArchive::store, 4096);
        write(ar);
        ar.Close();
        size = static_cast<UINT>(file.GetLength());
        block = file.Detach();
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
    BOOL written = WriteBinary(name, block, size);
    free(block);
    return written;
}

BOOL CGTRegistry::WriteObject(LPCWSTR name, CObject* object)
{
    return WriteArchived(name, [object](CArchive& ar) { ar << object; });
}

BOOL CGTRegistry::WriteSerializable(LPCWSTR name, CObject& object)
{
    return WriteArchived(name, [&object](CArchive& ar) { object.Serialize(ar); });
}

BOOL CGTRegistry::WriteStringList(LPCWSTR name, CStringList& list)
{
    return WriteSerializable(name, list);
}

BOOL CGTRegistry::WriteByteArray(LPCWSTR name, CByteArray& array)
{
    return WriteSerializable(name, array);
}

BOOL CGTRegistry::WriteDWordArray(LPCWSTR name, CDWordArray& array)
{
    return WriteSerializable(name, array);
}

BOOL CGTRegistry::WriteIntArray(LPCWSTR name, CArray<int, int>& array)
{
    return WriteSerializable(name, array);
}

BOOL CGTRegistry::WriteIntList(LPCWSTR name, CList<int, int>& list)
{
    return WriteSerializable(name, list);
}

BOOL CGTRegistry::WriteStringArray(LPCWSTR name, CStringArray& array)
{
    return WriteSerializable(name, array);
}

BOOL CGTRegistry::WriteObList(LPCWSTR name, CObList& list)
{
    return WriteSerializable(name, list);
}

BOOL CGTRegistry::WriteBinary(LPCWSTR name, const BYTE* bytes, UINT size)
{
    if (isReadOnly)
        return FALSE;
    return SetStatus(::RegSetValueExW(currentKey, name, 0, REG_BINARY, bytes, size), REG_BINARY, size);
}

BOOL CGTRegistry::WritePoint(LPCWSTR name, const POINT& point)
{
    CDWordArray array;
    array.SetSize(5);
    array[0] = static_cast<DWORD>(point.x);
    array[1] = static_cast<DWORD>(point.y);
    return WriteSerializable(name, array);
}

BOOL CGTRegistry::WriteRect(LPCWSTR name, const RECT& rect)
{
    const LONG fields[4] = {rect.left, rect.top, rect.right, rect.bottom};
    return WriteBinary(name, reinterpret_cast<const BYTE*>(fields), sizeof(fields));
}

BOOL CGTRegistry::WriteWordArray(LPCWSTR name, CWordArray& array)
{
    const DWORD count = static_cast<DWORD>(array.GetSize());
    std::unique_ptr<BYTE[]> block(new BYTE[4 + 2 * count]);
    memcpy(block.get(), &count, 4);
    for (DWORD i = 0; i < count; ++i) {
        WORD element = array[i];
        memcpy(block.get() + 4 + 2 * i, &element, 2);
    }
    return WriteBinary(name, block.get(), 4 + 2 * count);
}

BOOL CGTRegistry::WriteString(LPCWSTR name, LPCWSTR text)
{
    if (isReadOnly)
        return FALSE;
    const DWORD length = static_cast<DWORD>(wcslen(text));
    LONG error = ::RegSetValueExW(currentKey, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                                  (length + 1) * sizeof(wchar_t));
    return SetStatus(error, REG_SZ, length + 1);
}

BOOL CGTRegistry::WriteDword(LPCWSTR name, DWORD value)
{
    if (isReadOnly)
        return FALSE;
    return ::RegSetValueExW(currentKey, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4) == ERROR_SUCCESS;
}

BOOL CGTRegistry::WriteInt(LPCWSTR name, int value)
{
    if (isReadOnly)
        return FALSE;
    return SetStatus(::RegSetValueExW(currentKey, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4),
                     REG_DWORD, 4);
}

BOOL CGTRegistry::ReadArchived(LPCWSTR name, const std::function<void(CArchive&)>& read, UINT minElementSize)
{
    BYTE* bytes = nullptr;
    UINT size = 0;
    if (!ReadBinary(name, bytes, size))
        return FALSE;
    std::unique_ptr<BYTE[]> owned(bytes);
    if (minElementSize != 0 && !CountFits(bytes, size, minElementSize))
        return FALSE;
    try {
        CMemFile file(bytes, size);
        CArchive ar(&file, CArchive::load, 4096);
        read(ar);
        ar.Close();
        // A counted collection takes the whole value; bytes left over mean a count that
        // does not match the value.
        return minElementSize == 0 || file.GetPosition() == size;
    } catch (CException* e) {
        e->Delete();
    } catch (const std::bad_alloc&) {
    }
    return FALSE;
}

BOOL CGTRegistry::ReadObject(LPCWSTR name, CObject*& object, CRuntimeClass* expectedClass)
{
    object = nullptr;
    CObject* loaded = nullptr;
    BOOL read = ReadArchived(
        name, [&](CArchive& ar) { loaded = ar.ReadObject(expectedClass); }, 0);
    if (!read || loaded == nullptr) {
        delete loaded;
        return FALSE;
    }
    object = loaded;
    return TRUE;
}

BOOL CGTRegistry::ReadSerializable(LPCWSTR name, CObject& object)
{
    return ReadArchived(
        name, [&object](CArchive& ar) { object.Serialize(ar); }, 0);
}

BOOL CGTRegistry::ReadCollection(LPCWSTR name, CObject& collection, UINT minElementSize)
{
    return ReadArchived(
        name, [&collection](CArchive& ar) { collection.Serialize(ar); }, minElementSize);
}

BOOL CGTRegistry::ReadObList(LPCWSTR name, CObList& list)
{
    // Read aside: a value that does not load leaves the caller's list as it was.
    CGTOwnedObList loaded;
    // Each element takes at least its two-byte tag.
    if (!ReadCollection(name, loaded, 2))
        return FALSE;
    while (!list.IsEmpty())
        delete list.RemoveHead();
    loaded.MoveTo(list);
    return TRUE;
}

BOOL CGTRegistry::ReadBinary(LPCWSTR name, BYTE*& bytes, UINT& size)
{
    bytes = nullptr;
    size = 0;
    DWORD type = 0;
    DWORD length = 0;
    LONG error = ::RegQueryValueExW(currentKey, name, nullptr, &type, nullptr, &length);
    if (error == ERROR_SUCCESS && length != 0) {
        bytes = new (std::nothrow) BYTE[length];
        if (bytes == nullptr)
            return SetStatus(ERROR_NOT_ENOUGH_MEMORY, REG_BINARY, length);
        error = ::RegQueryValueExW(currentKey, name, nullptr, &type, bytes, &length);
        if (error != ERROR_SUCCESS) {
            delete[] bytes;
            bytes = nullptr;
        } else {
            size = length;
        }
    }
    SetStatus(error, REG_BINARY, length);
    return bytes != nullptr;
}

BOOL CGTRegistry::ReadRect(LPCWSTR name, RECT& rect)
{
    BYTE* bytes = nullptr;
    UINT size = 0;
    if (!ReadBinary(name, bytes, size))
        return FALSE;
    std::unique_ptr<BYTE[]> owned(bytes);
    if (size != 4 * sizeof(LONG))
        return FALSE;
    LONG fields[4];
    memcpy(fields, bytes, sizeof(fields));
    rect = {fields[0], fields[1], fields[2], fields[3]};
    return TRUE;
}

BOOL CGTRegistry::ReadPoint(LPCWSTR name, POINT& point)
{
    CDWordArray array;
    if (!ReadCollection(name, array, sizeof(DWORD)) || array.GetSize() != 5)
        return FALSE;
    point.x = static_cast<LONG>(array[0]);
    point.y = static_cast<LONG>(array[1]);
    return TRUE;
}

BOOL CGTRegistry::ReadByteArray(LPCWSTR name, CByteArray& array)
{
    array.RemoveAll();
    return ReadCollection(name, array, 1);
}

BOOL CGTRegistry::ReadWordArray(LPCWSTR name, CWordArray& array)
{
    BYTE* bytes = nullptr;
    UINT size = 0;
    if (!ReadBinary(name, bytes, size))
        return FALSE;
    std::unique_ptr<BYTE[]> owned(bytes);
    DWORD count = 0;
    if (size < 4)
        return FALSE;
    memcpy(&count, bytes, 4);
    if (count > (size - 4) / 2 || size != 4 + 2 * count)
        return FALSE;
    array.SetSize(count);
    for (DWORD i = 0; i < count; ++i) {
        WORD element;
        memcpy(&element, bytes + 4 + 2 * i, 2);
        array[i] = element;
    }
    return TRUE;
}

BOOL CGTRegistry::ReadDWordArray(LPCWSTR name, CDWordArray& array)
{
    array.RemoveAll();
    return ReadCollection(name, array, sizeof(DWORD));
}

BOOL CGTRegistry::ReadIntArray(LPCWSTR name, CArray<int, int>& array)
{
    array.RemoveAll();
    return ReadCollection(name, array, sizeof(int));
}

BOOL CGTRegistry::ReadIntList(LPCWSTR name, CList<int, int>& list)
{
    list.RemoveAll();
    return ReadCollection(name, list, sizeof(int));
}

BOOL CGTRegistry::ReadStringArray(LPCWSTR name, CStringArray& array)
{
    array.RemoveAll();
    // A string takes at least its one-byte length.
    return ReadCollection(name, array, 1);
}

BOOL CGTRegistry::ReadStringList(LPCWSTR name, CStringList& list)
{
    list.RemoveAll();
    return ReadCollection(name, list, 1);
}

BOOL CGTRegistry::ReadString(LPCWSTR name, CString& text)
{
    DWORD type = 0;
    DWORD size = 0;
    LONG error = ::RegQueryValueExW(currentKey, name, nullptr, &type, nullptr, &size);
    const DWORD firstSize = size;
    text.Empty();
    if (error == ERROR_SUCCESS && size != 0) {
        // Two spare bytes end the text even when the stored value is odd-sized or has no
        // terminator of its own.
        std::unique_ptr<BYTE[]> buffer(new BYTE[size + 2]);
        error = ::RegQueryValueExW(currentKey, name, nullptr, &type, buffer.get(), &size);
        if (error == ERROR_SUCCESS) {
            const wchar_t* chars = reinterpret_cast<const wchar_t*>(buffer.get());
            const size_t length = wcsnlen(chars, std::min(size, firstSize) / sizeof(wchar_t));
            text = CString(chars, static_cast<int>(length));
        }
    }
    SetStatus(error, type, firstSize);
    return error == ERROR_SUCCESS;
}

BOOL CGTRegistry::ReadDword(LPCWSTR name, DWORD& value)
{
    DWORD type = 0;
    DWORD result = 0;
    DWORD size = sizeof(result);
    LONG error = ::RegQueryValueExW(currentKey, name, nullptr, &type, reinterpret_cast<BYTE*>(&result), &size);
    if (error == ERROR_SUCCESS)
        value = result;
    return SetStatus(error, type, size);
}

BOOL CGTRegistry::ReadInt(LPCWSTR name, int& value)
{
    DWORD stored = 0;
    if (!ReadDword(name, stored))
        return FALSE;
    value = static_cast<int>(stored);
    return TRUE;
}

BOOL CGTRegistry::ReadKeyNames(CStringArray& names)
{
    for (DWORD index = 0;; ++index) {
        wchar_t name[nameBufferLength];
        DWORD length = nameBufferLength;
        LONG error = ::RegEnumKeyExW(currentKey, index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (error != ERROR_SUCCESS)
            return index > 0 || error != ERROR_NO_MORE_ITEMS;
        names.Add(CString(name));
    }
}
