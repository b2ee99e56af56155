// A bar window of the toolkit: created from a registered class with its bar style, laid out
// inside its borders and margins, its border and gripper drawn through the current look.
// Its stored state and docking behaviour grow with the docking module.
#pragma once
#include <guitoolkit/docking/CGTBaseControlBar.h>
#include <guitoolkit/docking/CGTControlBarImpl.h>

class CGTControlBar : public CGTBaseControlBar {
    DECLARE_DYNAMIC(CGTControlBar)
public:
    CGTControlBar();
    ~CGTControlBar() override;

    // A child window of the class with the bar style; the parent owns it.
    virtual BOOL Create(LPCWSTR iClassName, DWORD iStyle, const RECT& iRect, CWnd* iParent, UINT iId, DWORD iBarStyle);
    // The bar's part of the stored layout: nothing yet.
    virtual BOOL SaveState(LPCWSTR iProfile = nullptr, int iIndex = -1, UINT iId = static_cast<UINT>(-1));
    virtual BOOL LoadState(LPCWSTR iProfile = nullptr, int iIndex = -1, UINT iId = static_cast<UINT>(-1));
    void Serialize(CArchive& ioArchive) override;

    // Shrinks the rectangle by the border bits' lines and the bar's margins; an empty one
    // gives the negative sizes of both.
    void AdjustClientRectByBorders(CRect& ioRect, BOOL iHorizontal) const;

protected:
    afx_msg void OnNcCalcSize(BOOL iCalcValidRects, NCCALCSIZE_PARAMS* ioParams);
    afx_msg void OnNcPaint();
    DECLARE_MESSAGE_MAP()

    CGTControlBarImpl m_Impl;
};
