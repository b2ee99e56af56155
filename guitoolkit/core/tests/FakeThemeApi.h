// A visual-styles table that plays a style: it opens a handle per class, records every
// background it is asked to draw and answers colours and names from its fixture. While it
// lives it is the table in use.
#pragma once
#include <guitoolkit/core/CGTThemeApi.h>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

class FakeThemeApi : public CGTThemeApi {
public:
    struct Drawing {
        std::wstring themeClass;
        int part, state;
        CRect rect;
    };
    // The standard style's file and colour scheme names.
    std::wstring fileName = L"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles";
    std::wstring colorName = L"NormalColor";
    // FALSE: visual styles off, every class opens a null handle.
    BOOL styleActive = TRUE;
    std::set<Entry> missing;
    // (class, part, state, property) -> colour.
    std::map<std::tuple<std::wstring, int, int, int>, COLORREF> colors;
    std::map<int, COLORREF> sysColors;
    std::vector<Drawing> drawings;

    FakeThemeApi() : m_Previous(Select(this)) { colors[{L"BUTTON", 1, 0, 3823}] = RGB(0, 60, 200); }
    ~FakeThemeApi() override { Select(m_Previous); }

    // The drawings made of one class, in order.
    std::vector<Drawing> DrawingsOf(const std::wstring& themeClass) const
    {
        std::vector<Drawing> found;
        for (const Drawing& d : drawings)
            if (d.themeClass == themeClass)
                found.push_back(d);
        return found;
    }

    BOOL IsLoaded() const override { return TRUE; }
    BOOL HasEntry(Entry iEntry) const override { return missing.count(iEntry) == 0; }
    HTHEME OpenThemeData(HWND, LPCWSTR iClassList) override
    {
        if (!styleActive)
            return nullptr;
        m_Opened.push_back(iClassList);
        return reinterpret_cast<HTHEME>(m_Opened.size());
    }
    HRESULT CloseThemeData(HTHEME) override { return S_OK; }
    HRESULT DrawThemeBackground(HTHEME iTheme, HDC, int iPart, int iState, const RECT& iRect) override
    {
        drawings.push_back({ClassOf(iTheme), iPart, iState, CRect(iRect)});
        return S_OK;
    }
    HRESULT GetThemeColor(HTHEME iTheme, int iPart, int iState, int iProperty, COLORREF& oColor) override
    {
        const auto found = colors.find({ClassOf(iTheme), iPart, iState, iProperty});
        if (found == colors.end())
            return E_FAIL;
        oColor = found->second;
        return S_OK;
    }
    COLORREF GetThemeSysColor(HTHEME, int iIndex) override
    {
        const auto found = sysColors.find(iIndex);
        return found != sysColors.end() ? found->second : ::GetSysColor(iIndex);
    }
    HRESULT GetCurrentThemeName(LPWSTR oFileName, int iFileNameSize, LPWSTR oColorName, int iColorNameSize) override
    {
        if (!styleActive)
            return E_FAIL;
        lstrcpynW(oFileName, fileName.c_str(), iFileNameSize);
        lstrcpynW(oColorName, colorName.c_str(), iColorNameSize);
        return S_OK;
    }
    HTHEME GetWindowTheme(HWND) override { return styleActive ? reinterpret_cast<HTHEME>(1) : nullptr; }

private:
    std::wstring ClassOf(HTHEME iTheme) const { return m_Opened.at(reinterpret_cast<size_t>(iTheme) - 1); }

    CGTThemeApi* m_Previous;
    std::vector<std::wstring> m_Opened;
};
