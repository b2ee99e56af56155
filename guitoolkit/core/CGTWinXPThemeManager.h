// Access for the looks to the Windows visual style in force: one theme handle per window
// class they draw, through the entry points of a theme table, and a few themed drawings.
// Without the library, or with visual styles off, every handle is null and every themed
// operation answers FALSE, so that the caller draws in its own way.
#pragma once
#include <guitoolkit/core/CGTThemeApi.h>
#include <guitoolkit/core/GTLookTargets.h>

// The window classes whose themes are opened, in the order they are opened.
enum class GTThemeClass {
    Toolbar,
    Button,
    Status,
    Window,
    Rebar,
    ComboBox,
    Progress,
    Header,
    ScrollBar,
    ExplorerBar,
    TreeView,
    StartPanel,
    TaskBand,
    TaskBar,
    Spin,
    Tab,
    Count
};

class CGTWinXPThemeManager {
public:
    explicit CGTWinXPThemeManager(CGTThemeApi& iApi);
    virtual ~CGTWinXPThemeManager();
    CGTWinXPThemeManager(const CGTWinXPThemeManager&) = delete;
    CGTWinXPThemeManager& operator=(const CGTWinXPThemeManager&) = delete;

    // Opens every class again (against the application's main window), so that a change
    // of visual style is picked up.
    void OpenThemes();
    void CloseThemes();
    HTHEME GetTheme(GTThemeClass iClass) const { return m_Themes[static_cast<int>(iClass)]; }
    BOOL IsThemeOpen(GTThemeClass iClass) const { return GetTheme(iClass) != nullptr; }
    CGTThemeApi& GetThemeApi() const { return m_Api; }

    // Each answers TRUE when it drew with the theme.
    virtual BOOL ThemeDrawPushButton(CDC* iDC, CRect iRect, IGTLookPushButton* iButton);
    virtual BOOL ThemeDrawProgress(CDC* iDC, CRect iRect, int iTotal, int iCurrent, BOOL iShowPercent);
    virtual BOOL ThemeDrawComboDropButton(CDC* iDC, CRect iRect, BOOL iDisabled, BOOL iPressed, BOOL iHighlighted);
    virtual BOOL ThemeDrawComboBorder(CDC* iDC, CRect iRect, BOOL iHighlighted, BOOL iDropped);
    virtual BOOL ThemeDrawCheckBox(CDC* iDC, CRect iRect, BOOL iHighlighted, BOOL iChecked, BOOL iEnabled);
    // The colour scheme of the standard style: 1 blue, 2 olive green, 3 silver, 0 another
    // style or scheme, -1 no visual style.
    virtual int GetXPColorScheme();

    // The partial width of a progress bar of total units at current (kept within 0 and
    // total); 0 for a total of 0 or less.
    static int ProgressWidth(int iWidth, int iTotal, int iCurrent);

protected:
    // DrawThemeBackground of a part over the rectangle; FALSE when the class is not open.
    BOOL DrawThemePart(GTThemeClass iClass, CDC* iDC, const CRect& iRect, int iPart, int iState);
    // A colour property of a part; FALSE when the class, the entry or the property is missing.
    BOOL GetThemePartColor(GTThemeClass iClass, int iPart, int iState, int iProperty, COLORREF& oColor);
    // GetThemeSysColor of the class where both it and the entry point are there, else the
    // system colour.
    COLORREF GetThemeSysColorOrDefault(GTThemeClass iClass, int iIndex) const;
    // The parent's background under a button's window (nothing for a button without one).
    static void DrawButtonParent(CDC* iDC, const CRect& iRect, IGTLookPushButton* iButton);
    // The theme state of a push button: disabled, pressed (or checked), hot or normal.
    static int PushButtonState(const IGTLookPushButton& iButton);

private:
    CGTThemeApi& m_Api;
    HTHEME m_Themes[static_cast<int>(GTThemeClass::Count)];
};
