#include <guitoolkit/core/BrowseForFolderDialog.h>
#include <shlobj.h>

namespace {
int CALLBACK SelectInitialFolder(HWND dialog, UINT message, LPARAM, LPARAM initialFolder)
{
    LPCWSTR folder = reinterpret_cast<LPCWSTR>(initialFolder);
    if (message == BFFM_INITIALIZED && folder != nullptr && folder[0] != L'\0')
        ::SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, initialFolder);
    return 0;
}
}  // namespace

BOOL BrowseForFolderDialog(CString& oFolder, CWnd* iOwner, LPCWSTR iInitialFolder, LPCWSTR iTitle, UINT iFlags,
                           int* oImage)
{
    wchar_t displayName[MAX_PATH] = {};
    BROWSEINFOW info = {};
    info.hwndOwner = iOwner != nullptr ? iOwner->GetSafeHwnd() : nullptr;
    info.pszDisplayName = displayName;
    info.lpszTitle = iTitle != nullptr ? iTitle : L"";
    info.ulFlags = iFlags;
    info.lpfn = &SelectInitialFolder;
    info.lParam = reinterpret_cast<LPARAM>(iInitialFolder);
    info.iImage = -1;
    PIDLIST_ABSOLUTE item = ::SHBrowseForFolderW(&info);
    if (item == nullptr)
        return FALSE;
    wchar_t path[MAX_PATH] = {};
    const BOOL chosen = ::SHGetPathFromIDListW(item, path);
    ::CoTaskMemFree(item);
    if (!chosen)
        return FALSE;
    oFolder = path;
    if (oImage != nullptr)
        *oImage = info.iImage;
    return TRUE;
}
