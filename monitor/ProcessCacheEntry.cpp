#include "ProcessCacheEntry.h"

#include <psapi.h>

#include <memory>
#include <type_traits>

namespace {

using THandleOwner = std::unique_ptr<std::remove_pointer_t<HANDLE>, decltype(&CloseHandle)>;

const int TitleCapacity = 249;  // 248 characters and the terminator

}  // namespace

void TProcessCacheEntry::TakeTitle(HWND iWindow)
{
    wchar_t text[TitleCapacity];
    int length = GetWindowTextW(iWindow, text, TitleCapacity);
    if (length > 0)
        Title.assign(text, length);
}

void TProcessCacheEntry::Fill(DWORD iId)
{
    ProcessId = iId;
    HANDLE opened = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, iId);
    if (!opened)
        return;
    THandleOwner process(opened, CloseHandle);
    FillModule(process.get());
    if (Owner.empty())
        FillOwner(process.get());
}

void TProcessCacheEntry::ResetCounters()
{
    KeyEvents = 0;
    MouseEvents = 0;
    Time = 0;
}

// The first module of a process is its program file. A failed look-up leaves the name empty,
// so the entry is never reported and is looked up afresh at the next switch to it.
void TProcessCacheEntry::FillModule(HANDLE iProcess)
{
    HMODULE module = nullptr;
    DWORD needed = 0;
    if (!EnumProcessModules(iProcess, &module, sizeof module, &needed))
        module = nullptr;
    wchar_t text[MAX_PATH];
    DWORD length = GetModuleBaseNameW(iProcess, module, text, MAX_PATH);
    Name.assign(text, length);
    length = GetModuleFileNameExW(iProcess, module, text, MAX_PATH);
    Path.assign(text, length);
}

void TProcessCacheEntry::FillOwner(HANDLE iProcess)
{
    HANDLE opened = nullptr;
    if (!OpenProcessToken(iProcess, TOKEN_QUERY, &opened))
        return;
    THandleOwner token(opened, CloseHandle);
    alignas(TOKEN_USER) BYTE buffer[1024];
    DWORD size = 0;
    if (!GetTokenInformation(token.get(), TokenUser, buffer, sizeof buffer, &size))
        return;
    PSID sid = reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid;
    wchar_t account[MAX_PATH], domain[MAX_PATH];
    DWORD accountLength = MAX_PATH, domainLength = MAX_PATH;
    SID_NAME_USE use;
    if (LookupAccountSidW(nullptr, sid, account, &accountLength, domain, &domainLength, &use))
        Owner = std::wstring(domain) + L"\\" + account;
}
