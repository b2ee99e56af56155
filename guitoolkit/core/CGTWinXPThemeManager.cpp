#include <guitoolkit/core/CGTWinXPThemeManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <vsstyle.h>
#include <vssym32.h>
#include <algorithm>

namespace {
const wchar_t* const classNames[static_cast<int>(GTThemeClass::Count)] = {
    L"TOOLBAR",   L"BUTTON",      L"STATUS",   L"WINDOW",     L"REBAR",    L"COMBOBOX", L"PROGRESS", L"HEADER",
    L"SCROLLBAR", L"EXPLORERBAR", L"TREEVIEW", L"STARTPANEL", L"TASKBAND", L"TASKBAR",  L"SPIN",     L"TAB",
};

const int nameSize = 255;

// The file name of a path, without its folder and extension.
CString BaseName(const CString& path)
{
    CString name = path.Mid(path.ReverseFind(L'\\') + 1);
    const int dot = name.ReverseFind(L'.');
    return dot >= 0 ? name.Left(dot) : name;
}
}  // namespace

CGTWinXPThemeManager::CGTWinXPThemeManager(CGTThemeApi& iApi) : m_Api(iApi), m_Themes{}
{
    OpenThemes();
}

CGTWinXPThemeManager::~CGTWinXPThemeManager()
{
    CloseThemes();
}

void CGTWinXPThemeManager::OpenThemes()
{
    if (!m_Api.IsLoaded())
        return;
    CloseThemes();
    if (!m_Api.HasEntry(CGTThemeApi::OpenThemeDataEntry) || !m_Api.HasEntry(CGTThemeApi::CloseThemeDataEntry) ||
        !m_Api.HasEntry(CGTThemeApi::DrawThemeBackgroundEntry))
        return;
    CWnd* mainWindow = AfxGetMainWnd();
    const HWND window = mainWindow != nullptr ? mainWindow->GetSafeHwnd() : nullptr;
    for (int theme = 0; theme < static_cast<int>(GTThemeClass::Count); ++theme)
        m_Themes[theme] = m_Api.OpenThemeData(window, classNames[theme]);
}

void CGTWinXPThemeManager::CloseThemes()
{
    const BOOL canClose = m_Api.HasEntry(CGTThemeApi::CloseThemeDataEntry);
    for (HTHEME& theme : m_Themes) {
        if (theme != nullptr && canClose)
            m_Api.CloseThemeData(theme);
        theme = nullptr;
    }
}

BOOL CGTWinXPThemeManager::DrawThemePart(GTThemeClass iClass, CDC* iDC, const CRect& iRect, int iPart, int iState)
{
    if (!IsThemeOpen(iClass))
        return FALSE;
    m_Api.DrawThemeBackground(GetTheme(iClass), iDC->GetSafeHdc(), iPart, iState, iRect);
    return TRUE;
}

BOOL CGTWinXPThemeManager::GetThemePartColor(GTThemeClass iClass, int iPart, int iState, int iProperty,
                                             COLORREF& oColor)
{
    if (!IsThemeOpen(iClass) || !m_Api.HasEntry(CGTThemeApi::GetThemeColorEntry))
        return FALSE;
    COLORREF color = 0;
    if (FAILED(m_Api.GetThemeColor(GetTheme(iClass), iPart, iState, iProperty, color)))
        return FALSE;
    oColor = color;
    return TRUE;
}

COLORREF CGTWinXPThemeManager::GetThemeSysColorOrDefault(GTThemeClass iClass, int iIndex) const
{
    if (IsThemeOpen(iClass) && m_Api.HasEntry(CGTThemeApi::GetThemeSysColorEntry))
        return m_Api.GetThemeSysColor(GetTheme(iClass), iIndex);
    return ::GetSysColor(iIndex);
}

void CGTWinXPThemeManager::DrawButtonParent(CDC* iDC, const CRect& iRect, IGTLookPushButton* iButton)
{
    if (CWnd* window = iButton->GetButtonWindow())
        theGuiToolkitGlobals.DrawParentBackground(window, iDC, &iRect);
}

int CGTWinXPThemeManager::PushButtonState(const IGTLookPushButton& iButton)
{
    if (!iButton.IsEnabled())
        return PBS_DISABLED;
    if ((iButton.IsPushed() && iButton.IsHighlighted()) || iButton.IsChecked())
        return PBS_PRESSED;
    return iButton.IsHighlighted() ? PBS_HOT : PBS_NORMAL;
}

BOOL CGTWinXPThemeManager::ThemeDrawPushButton(CDC* iDC, CRect iRect, IGTLookPushButton* iButton)
{
    if (!IsThemeOpen(GTThemeClass::Button))
        return FALSE;
    int state = PushButtonState(*iButton);
    if (state == PBS_NORMAL && iButton->HasFocus())
        state = PBS_DEFAULTED;
    DrawButtonParent(iDC, iRect, iButton);
    return DrawThemePart(GTThemeClass::Button, iDC, iRect, BP_PUSHBUTTON, state);
}

int CGTWinXPThemeManager::ProgressWidth(int iWidth, int iTotal, int iCurrent)
{
    if (iTotal <= 0)
        return 0;
    const long long current = std::clamp(iCurrent, 0, iTotal);
    return static_cast<int>(static_cast<long long>(iWidth) * current / iTotal);
}

BOOL CGTWinXPThemeManager::ThemeDrawProgress(CDC* iDC, CRect iRect, int iTotal, int iCurrent, BOOL iShowPercent)
{
    if (!DrawThemePart(GTThemeClass::Progress, iDC, iRect, PP_BAR, 0))
        return FALSE;
    if (iTotal <= 0)
        return TRUE;
    CRect chunk = iRect;
    chunk.DeflateRect(3, 3);
    chunk.right = chunk.left + ProgressWidth(chunk.Width(), iTotal, iCurrent);
    DrawThemePart(GTThemeClass::Progress, iDC, chunk, PP_CHUNK, 0);
    if (iShowPercent) {
        CString text;
        text.Format(L"%d%%", ProgressWidth(100, iTotal, iCurrent));
        const COLORREF oldText = iDC->SetTextColor(theGuiToolkitGlobals.colorBtnText);
        const int oldMode = iDC->SetBkMode(TRANSPARENT);
        iDC->DrawText(text, &iRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        iDC->SetBkMode(oldMode);
        iDC->SetTextColor(oldText);
    }
    return TRUE;
}

BOOL CGTWinXPThemeManager::ThemeDrawComboDropButton(CDC* iDC, CRect iRect, BOOL iDisabled, BOOL iPressed,
                                                    BOOL iHighlighted)
{
    const int state = iDisabled ? CBXS_DISABLED : iPressed ? CBXS_PRESSED : iHighlighted ? CBXS_HOT : CBXS_NORMAL;
    return DrawThemePart(GTThemeClass::ComboBox, iDC, iRect, CP_DROPDOWNBUTTON, state);
}

BOOL CGTWinXPThemeManager::ThemeDrawComboBorder(CDC* iDC, CRect iRect, BOOL iHighlighted, BOOL iDropped)
{
    if (!IsThemeOpen(GTThemeClass::Window))
        return FALSE;
    if (iHighlighted || iDropped) {
        iRect.DeflateRect(1, 1);
        const COLORREF highlight = theGuiToolkitGlobals.colorHighlight;
        iDC->Draw3dRect(&iRect, highlight, highlight);
    }
    return TRUE;
}

BOOL CGTWinXPThemeManager::ThemeDrawCheckBox(CDC* iDC, CRect iRect, BOOL iHighlighted, BOOL iChecked, BOOL iEnabled)
{
    int state;
    if (iChecked)
        state = !iEnabled ? CBS_CHECKEDDISABLED : iHighlighted ? CBS_CHECKEDHOT : CBS_CHECKEDNORMAL;
    else
        state = !iEnabled ? CBS_UNCHECKEDDISABLED : iHighlighted ? CBS_UNCHECKEDHOT : CBS_UNCHECKEDNORMAL;
    return DrawThemePart(GTThemeClass::Button, iDC, iRect, BP_CHECKBOX, state);
}

int CGTWinXPThemeManager::GetXPColorScheme()
{
    wchar_t fileName[nameSize + 1] = {};
    wchar_t colorName[nameSize + 1] = {};
    if (!m_Api.HasEntry(CGTThemeApi::GetCurrentThemeNameEntry) ||
        FAILED(m_Api.GetCurrentThemeName(fileName, nameSize, colorName, nameSize)))
        return -1;
    if (BaseName(fileName).CompareNoCase(L"Luna") != 0)
        return 0;
    if (m_Api.HasEntry(CGTThemeApi::GetThemeColorEntry) && IsThemeOpen(GTThemeClass::Button)) {
        // A style whose buttons give no real accent colour is not one of the standard schemes.
        COLORREF accent = 0;
        if (!GetThemePartColor(GTThemeClass::Button, 1, 0, TMT_ACCENTCOLORHINT, accent) || accent == 1)
            return 0;
    }
    const CString scheme(colorName);
    if (scheme.CompareNoCase(L"normalcolor") == 0)
        return 1;
    if (scheme.CompareNoCase(L"homestead") == 0)
        return 2;
    if (scheme.CompareNoCase(L"metallic") == 0)
        return 3;
    return 0;
}
