// The visual-styles entry points the themed looks draw with, as one table: the system's
// library, or a table a test puts in place to play a visual style. An entry the table
// lacks is not called; a closed theme handle is null.
#pragma once
#include <afxwin.h>
#include <uxtheme.h>

class CGTThemeApi {
public:
    enum Entry {
        OpenThemeDataEntry,
        CloseThemeDataEntry,
        DrawThemeBackgroundEntry,
        GetThemeColorEntry,
        GetThemeSysColorEntry,
        GetCurrentThemeNameEntry,
        GetWindowThemeEntry,
        EntryCount
    };

    virtual ~CGTThemeApi() = default;
    // Whether the library is there at all.
    virtual BOOL IsLoaded() const = 0;
    virtual BOOL HasEntry(Entry iEntry) const = 0;
    virtual HTHEME OpenThemeData(HWND iWindow, LPCWSTR iClassList) = 0;
    virtual HRESULT CloseThemeData(HTHEME iTheme) = 0;
    virtual HRESULT DrawThemeBackground(HTHEME iTheme, HDC iDC, int iPart, int iState, const RECT& iRect) = 0;
    virtual HRESULT GetThemeColor(HTHEME iTheme, int iPart, int iState, int iProperty, COLORREF& oColor) = 0;
    virtual COLORREF GetThemeSysColor(HTHEME iTheme, int iIndex) = 0;
    // The style's file path and its colour scheme's name.
    virtual HRESULT GetCurrentThemeName(LPWSTR oFileName, int iFileNameSize, LPWSTR oColorName, int iColorNameSize) = 0;
    virtual HTHEME GetWindowTheme(HWND iWindow) = 0;

    // The table in use: the system's library until a test selects another.
    static CGTThemeApi& Current();
    // Puts a table in place (null: the system's); returns the one it replaces.
    static CGTThemeApi* Select(CGTThemeApi* iApi);
};

// The table over UxTheme.dll, loaded while the table lives.
class CGTUxThemeLibrary : public CGTThemeApi {
public:
    CGTUxThemeLibrary();
    ~CGTUxThemeLibrary() override;
    CGTUxThemeLibrary(const CGTUxThemeLibrary&) = delete;
    CGTUxThemeLibrary& operator=(const CGTUxThemeLibrary&) = delete;

    BOOL IsLoaded() const override;
    BOOL HasEntry(Entry iEntry) const override;
    HTHEME OpenThemeData(HWND iWindow, LPCWSTR iClassList) override;
    HRESULT CloseThemeData(HTHEME iTheme) override;
    HRESULT DrawThemeBackground(HTHEME iTheme, HDC iDC, int iPart, int iState, const RECT& iRect) override;
    HRESULT GetThemeColor(HTHEME iTheme, int iPart, int iState, int iProperty, COLORREF& oColor) override;
    COLORREF GetThemeSysColor(HTHEME iTheme, int iIndex) override;
    HRESULT GetCurrentThemeName(LPWSTR oFileName, int iFileNameSize, LPWSTR oColorName, int iColorNameSize) override;
    HTHEME GetWindowTheme(HWND iWindow) override;

private:
    HMODULE m_Library;
    FARPROC m_Entries[EntryCount];
};
