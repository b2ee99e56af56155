#include <guitoolkit/toolbars/CMenuHash.h>
#include <guitoolkit/core/GuiToolkitHooks.h>
#include <guitoolkit/toolbars/CGTToolBar.h>

namespace {
class BusyScope {
public:
    explicit BusyScope(BOOL& busy) : m_Busy(busy) { m_Busy = TRUE; }
    ~BusyScope() { m_Busy = FALSE; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    BOOL& m_Busy;
};

// A new temporary file that the system deletes once its handle is closed; the handle is
// closed here unless the file is released to its keeper.
class TemporaryFile {
public:
    TemporaryFile()
    {
        wchar_t folder[MAX_PATH] = {};
        wchar_t name[MAX_PATH] = {};
        const DWORD length = ::GetTempPathW(MAX_PATH, folder);
        if (length == 0 || length >= MAX_PATH || ::GetTempFileNameW(folder, L"RIR", 0, name) == 0)
            return;
        m_Handle = ::CreateFileW(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (m_Handle == INVALID_HANDLE_VALUE)
            ::DeleteFileW(name);  // the name was made as an empty file
    }
    ~TemporaryFile()
    {
        if (IsValid())
            ::CloseHandle(m_Handle);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    BOOL IsValid() const { return m_Handle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return m_Handle; }
    HANDLE Release()
    {
        const HANDLE handle = m_Handle;
        m_Handle = INVALID_HANDLE_VALUE;
        return handle;
    }

private:
    HANDLE m_Handle = INVALID_HANDLE_VALUE;
};

void CleanUpTheHash()
{
    CMenuHash::Instance().CleanUp();
}

CMenuHash& MakeTheHash()
{
    static CMenuHash hash;
    SetGuiToolkitHook(GTModuleHook::MenuHashCleanUp, &CleanUpTheHash);
    return hash;
}
}  // namespace

CMenuHash::~CMenuHash()
{
    CleanUp();
}

CMenuHash& CMenuHash::Instance()
{
    static CMenuHash& hash = MakeTheHash();
    return hash;
}

BOOL CMenuHash::SaveMenuBar(HMENU iMenu, CGTToolBar* iBar)
{
    if (iBar == nullptr || iBar->GetButtonCount() == 0)
        return FALSE;
    RemoveMenu(iMenu);
    TemporaryFile file;
    if (!file.IsValid())
        return FALSE;
    {
        CFile target(file.Get());
        CArchive archive(&target, CArchive::store);
        SerializeBar(*iBar, archive);
        archive.Close();
    }
    m_Files.SetAt(iMenu, file.Release());
    return TRUE;
}

BOOL CMenuHash::LoadMenuBar(HMENU iMenu, CGTToolBar* iBar)
{
    HANDLE file = nullptr;
    if (iBar == nullptr || !m_Files.Lookup(iMenu, file) ||
        ::SetFilePointer(file, 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER)
        return FALSE;
    CFile source(file);
    CArchive archive(&source, CArchive::load);
    SerializeBar(*iBar, archive);
    return TRUE;
}

BOOL CMenuHash::RemoveMenu(HMENU iMenu)
{
    HANDLE file = nullptr;
    if (!m_Files.Lookup(iMenu, file))
        return FALSE;
    ::CloseHandle(file);
    m_Files.RemoveKey(iMenu);
    return TRUE;
}

void CMenuHash::CleanUp()
{
    HMENU menu = nullptr;
    HANDLE file = nullptr;
    for (POSITION position = m_Files.GetStartPosition(); position != nullptr;) {
        m_Files.GetNextAssoc(position, menu, file);
        ::CloseHandle(file);
    }
    m_Files.RemoveAll();
}

void CMenuHash::SerializeBar(CObject& ioBar, CArchive& ioArchive)
{
    BusyScope busy(m_Busy);
    ioBar.Serialize(ioArchive);
}
