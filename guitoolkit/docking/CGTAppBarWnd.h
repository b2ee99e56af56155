// A top-level window that floats, or docks to an edge of the screen as a desktop application
// bar through the shell's protocol, optionally auto-hidden to a thin strip and always on top;
// its state lives under "<section>VADEAppBar-<index>" of the "VADEAppBars" section.
#pragma once
#include <afxwin.h>
#include <shellapi.h>

class CGTAppBarWnd : public CWnd {
    DECLARE_DYNAMIC(CGTAppBarWnd)
public:
    // Permissions.
    enum : DWORD {
        allowLeftRight = 0x1,
        allowTopBottom = 0x2,
        allowFloat = 0x4,
        allowAutoHide = 0x10,
        allowAlwaysOnTop = 0x20,
    };
    // The side of a floating bar.
    static const int floatingSide = -2;

    CGTAppBarWnd();
    ~CGTAppBarWnd() override;

    virtual BOOL LoadState(LPCWSTR iProfile, int iIndex);
    // FALSE when the key cannot be opened for writing.
    virtual BOOL SaveState(LPCWSTR iProfile, int iIndex);
    virtual void GetBorderSize(CRect& oBorders) const;
    virtual void GetCaptionRect(CRect& oRect) const;
    virtual CString GetCaptionText() const;
    virtual void DrawCaption(CDC* iDc);
    virtual void DrawBorder(CDC* iDc);
    virtual LRESULT HitTest(CPoint iPoint, BOOL iDetectCaption);
    virtual BOOL IsFloating() const;
    virtual void GetScreenRect(CRect& oRect) const;
    virtual void OnAppBarPosChanged();
    virtual void OnAppBarFullScreenApp(BOOL iOpen);
    virtual void OnAppBarWindowArrange(BOOL iBeginning);
    virtual void OnAppBarStateChange(BOOL iAutoHide, BOOL iAlwaysOnTop);

protected:
    BOOL m_AutoHide;
    BOOL m_AlwaysOnTop;
    // 0 left, 1 top, 2 right, 3 bottom (ABE_*), or floatingSide.
    int m_Side;
    int m_DockThickness[4];
    CRect m_FloatRect;
    BOOL m_Spare;
    int m_CaptionHeight;
    HWND m_ContentWindow;
    DWORD m_Options;
    BOOL m_Registered;
    BOOL m_AutoHideActive;
    BOOL m_SlidOut;
    BOOL m_DockedOnce;
    BOOL m_Dragging;
    CRect m_DragRect;
    CPoint m_DragStart;
    int m_DragSide;
    BOOL m_Sizing;
    CRect m_DockedRect;
    BOOL m_InPositionUpdate;
};
