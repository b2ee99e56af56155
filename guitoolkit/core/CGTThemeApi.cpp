#include <guitoolkit/core/CGTThemeApi.h>

namespace {
CGTThemeApi* selectedApi = nullptr;

typedef HTHEME(WINAPI* OpenThemeDataFunction)(HWND, LPCWSTR);
typedef HRESULT(WINAPI* CloseThemeDataFunction)(HTHEME);
typedef HRESULT(WINAPI* DrawThemeBackgroundFunction)(HTHEME, HDC, int, int, const RECT*, const RECT*);
typedef HRESULT(WINAPI* GetThemeColorFunction)(HTHEME, int, int, int, COLORREF*);
typedef COLORREF(WINAPI* GetThemeSysColorFunction)(HTHEME, int);
typedef HRESULT(WINAPI* GetCurrentThemeNameFunction)(LPWSTR, int, LPWSTR, int, LPWSTR, int);
typedef HTHEME(WINAPI* GetWindowThemeFunction)(HWND);

const char* const entryNames[CGTThemeApi::EntryCount] = {
    "OpenThemeData",    "CloseThemeData",      "DrawThemeBackground", "GetThemeColor",
    "GetThemeSysColor", "GetCurrentThemeName", "GetWindowTheme",
};

template <class Function>
Function As(FARPROC entry)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(entry));
}
}  // namespace

CGTThemeApi& CGTThemeApi::Current()
{
    static CGTUxThemeLibrary library;
    return selectedApi != nullptr ? *selectedApi : library;
}

CGTThemeApi* CGTThemeApi::Select(CGTThemeApi* iApi)
{
    CGTThemeApi* previous = selectedApi;
    selectedApi = iApi;
    return previous;
}

CGTUxThemeLibrary::CGTUxThemeLibrary() : m_Library(::LoadLibraryW(L"UxTheme.dll")), m_Entries{}
{
    if (m_Library == nullptr)
        return;
    for (int entry = 0; entry < EntryCount; ++entry)
        m_Entries[entry] = ::GetProcAddress(m_Library, entryNames[entry]);
}

CGTUxThemeLibrary::~CGTUxThemeLibrary()
{
    if (m_Library != nullptr)
        ::FreeLibrary(m_Library);
}

BOOL CGTUxThemeLibrary::IsLoaded() const
{
    return m_Library != nullptr;
}

BOOL CGTUxThemeLibrary::HasEntry(Entry iEntry) const
{
    return m_Entries[iEntry] != nullptr;
}

HTHEME CGTUxThemeLibrary::OpenThemeData(HWND iWindow, LPCWSTR iClassList)
{
    return As<OpenThemeDataFunction>(m_Entries[OpenThemeDataEntry])(iWindow, iClassList);
}

HRESULT CGTUxThemeLibrary::CloseThemeData(HTHEME iTheme)
{
    return As<CloseThemeDataFunction>(m_Entries[CloseThemeDataEntry])(iTheme);
}

HRESULT CGTUxThemeLibrary::DrawThemeBackground(HTHEME iTheme, HDC iDC, int iPart, int iState, const RECT& iRect)
{
    return As<DrawThemeBackgroundFunction>(m_Entries[DrawThemeBackgroundEntry])(iTheme, iDC, iPart, iState, &iRect,
                                                                                nullptr);
}

HRESULT CGTUxThemeLibrary::GetThemeColor(HTHEME iTheme, int iPart, int iState, int iProperty, COLORREF& oColor)
{
    return As<GetThemeColorFunction>(m_Entries[GetThemeColorEntry])(iTheme, iPart, iState, iProperty, &oColor);
}

COLORREF CGTUxThemeLibrary::GetThemeSysColor(HTHEME iTheme, int iIndex)
{
    return As<GetThemeSysColorFunction>(m_Entries[GetThemeSysColorEntry])(iTheme, iIndex);
}

HRESULT CGTUxThemeLibrary::GetCurrentThemeName(LPWSTR oFileName, int iFileNameSize, LPWSTR oColorName,
                                               int iColorNameSize)
{
    return As<GetCurrentThemeNameFunction>(m_Entries[GetCurrentThemeNameEntry])(oFileName, iFileNameSize, oColorName,
                                                                                iColorNameSize, nullptr, 0);
}

HTHEME CGTUxThemeLibrary::GetWindowTheme(HWND iWindow)
{
    return As<GetWindowThemeFunction>(m_Entries[GetWindowThemeEntry])(iWindow);
}
