// The base of all the toolkit's bars: the bar style word (CBRS_ border, alignment and size
// bits), the owner, the dialog-control flag and the alignment queries, and what the looks
// ask of a bar. Docking (dock bars, rows, mini frames) builds on it.
#pragma once
#include <afxwin.h>
#include <afxext.h>
#include <guitoolkit/core/GTLookTargets.h>

class CGTBaseControlBar : public CControlBar, public IGTLookBar {
    DECLARE_DYNAMIC(CGTBaseControlBar)
public:
    CGTBaseControlBar();
    ~CGTBaseControlBar() override;

    // The CBRS_ALIGN_ bits of the side the bar is docked on.
    DWORD GetCurrentAlignment() const { return m_dwStyle & CBRS_ALIGN_ANY; }
    // Docked at the top or bottom; a bar that sits in no dock bar lies horizontally.
    BOOL IsHorizontal() const;
    // Bars without items of their own update nothing.
    void OnUpdateCmdUI(CFrameWnd* iTarget, BOOL iDisableIfNoHandler) override;

    // IGTLookBar.
    BOOL UsesDialogColors() const override { return m_DialogControl; }
    GTLookBarKind GetLookKind() const override { return GTLookBarKind::Other; }
    DWORD GetBarStyle() const override { return m_dwStyle; }
    BOOL DrawsOwnBorder() const override { return FALSE; }
    BOOL KeepsTopEdgePlain() const override { return TRUE; }
    COLORREF GetBackgroundColor() const override { return static_cast<COLORREF>(-1); }
    CWnd* GetControlWindow() const override { return const_cast<CGTBaseControlBar*>(this); }
    IGTLookBar* GetParentBar() const override;
    CSize GetButtonSize() const override { return CSize(0, 0); }
    CSize GetImageSize() const override { return CSize(0, 0); }
    BOOL IsRounded() const override { return FALSE; }
    IGTLookCustomizeButton* GetLookCustomizeButton() const override { return nullptr; }
    IGTLookPopupMenu* GetPopupMenu() const override { return nullptr; }
    BOOL ShowsImageColumn() const override { return FALSE; }

    // Drawn in the dialog colours and with the dialog font.
    BOOL m_DialogControl;
};
