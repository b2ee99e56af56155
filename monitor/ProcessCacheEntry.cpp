#include "ProcessCacheEntry.h"

#include <psapi.h>

#include <memory>
#include <type_traits>

namespace {

using THandleOwner = std::unique_ptr<std::remove_pointer_t<HANDLE>, decltype(&CloseHandle)>;

const int TitleCapacity = 249;  // 248 characters and the terminator

}  // namespace

void TProcessCacheEntry::TakeTitle(HWND window)
{
    wchar_t text[TitleCapacity];
    int length = GetWindowTextW(window, text, TitleCapacity);
    if (length > 0)
        title.assign(text, length);
}

void TProcessCacheEntry::Fill(DWORD id)
{
    processId = id;
    HANDLE opened = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id);
    if (!opened)
        return;
    THandleOwner process(opened, CloseHandle);
    FillModule(process.get());
    if (owner.empty())
        FillOwner(process.get());
}

void TProcessCacheEntry::ResetCounters()
{
    keyEvents = 0;
    mouseEvents = 0;
    time = 0;
}

// The first module of a process is its program file. A failed look-up leaves the name empty,
// so the entry is never reported and is looked up afresh at the next switch to it.
void TProcessCacheEntry::FillModule(HANDLE process)
{
    HMODULE module = nullptr;
    DWORD needed = 0;
    if (!EnumProcessModules(process, &module, sizeof module, &needed))
        module = nullptr;
    wchar_t text[MAX_PATH];
    DWORD length = GetModuleBaseNameW(process, module, text, MAX_PATH);
    name.assign(text, length);
    length = GetModuleFileNameExW(process, module, text, MAX_PATH);
    path.assign(text, length);
}

void TProcessCacheEntry::FillOwner(HANDLE process)
{
    HANDLE opened = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &opened))
        return;
    THandleOwner token(opened, CloseHandle);
    alignas(TOKEN_USER) BYTE buffer[1024];
    DWORD size = 0;
    if (!GetTokenInformation(token.get(), TokenUser, buffer, sizeof buffer, &size))
        return;
    PSID sid = reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid;
    if (ownerSid.empty()) {
        const BYTE* bytes = static_cast<const BYTE*>(sid);
        ownerSid.assign(bytes, bytes + GetLengthSid(sid));
    }
    wchar_t account[MAX_PATH], domain[MAX_PATH];
    DWORD accountLength = MAX_PATH, domainLength = MAX_PATH;
    SID_NAME_USE use;
    if (LookupAccountSidW(nullptr, sid, account, &accountLength, domain, &domainLength, &use))
        owner = std::wstring(domain) + L"\\" + account;
}
