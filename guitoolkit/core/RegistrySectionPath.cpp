#include <guitoolkit/core/RegistrySectionPath.h>

CString BuildRegistrySectionPath(LPCWSTR section, LPCWSTR explicitPath)
{
    if (explicitPath != nullptr && explicitPath[0] != L'\0')
        return CString(explicitPath);
    CWinApp* app = AfxGetApp();
    LPCWSTR registryKey = app != nullptr ? app->m_pszRegistryKey : nullptr;
    LPCWSTR profileName = app != nullptr ? app->m_pszProfileName : nullptr;
    CString path(L"SOFTWARE\\");
    if (registryKey != nullptr && registryKey[0] != L'\0') {
        path += registryKey;
        path += L"\\";
    }
    if (profileName != nullptr)
        path += profileName;
    path += L"\\";
    path += section;
    path += L"\\";
    return path;
}
