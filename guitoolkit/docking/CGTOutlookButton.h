// A large button of an outlook pane: its image centred above its label, measured for the
// pane's width.
#pragma once
#include <guitoolkit/toolbars/CGTToolbarButton.h>

class CGTOutlookBarPane;

class CGTOutlookButton : public CGTToolbarButton {
    DECLARE_SERIAL(CGTOutlookButton)
public:
    CGTOutlookButton();

    BOOL CanBeDropped(CGTToolBar* iTarget) override;
    void OnDraw(CDC* iDc, const CRect& iRect, CGTToolBarImages* iImages, BOOL iHorizontal, BOOL iCustomizeMode,
                BOOL iHighlight, BOOL iDrawBorder, BOOL iGrayDisabled) override;
    CSize CalcSize(CDC* iDc, const CSize& iDefaultSize, BOOL iHorizontal) override;
    void OnChangeParent(CWnd* iOwner) override;
    void SetImage(int iImage) override;

    CGTOutlookBarPane* m_ParentPane;
    CSize m_ImageSize;
    // The label fitted the available width in one piece at the last measurement.
    BOOL m_WholeText;

private:
    COLORREF LabelColor(int iState) const;
    void DrawLabel(CDC* iDc, CRect iRect, BOOL iHighlight) const;
};
