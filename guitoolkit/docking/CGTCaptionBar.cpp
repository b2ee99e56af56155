// The caption-bar issue fills in these bodies; what stands here are the Part's defaults.
#include <guitoolkit/docking/CGTCaptionBar.h>

IMPLEMENT_DYNCREATE(CGTCaptionBar, CGTControlBar)

namespace {
const COLORREF noColor = static_cast<COLORREF>(-1);
}

CGTCaptionBar::CGTCaptionBar()
    : m_BackColor(noColor), m_TextColor(noColor), m_BorderColor(noColor), m_Icon(nullptr), m_StretchImage(FALSE),
      m_ImageAlignment(alignLeft), m_ImageRect(0, 0, 0, 0), m_Font(nullptr), m_TextAlignment(alignLeft),
      m_TextRect(0, 0, 0, 0), m_ClippedTextRect(0, 0, 0, 0), m_ButtonCommand(0), m_ButtonAlignment(alignLeft),
      m_ButtonRect(0, 0, 0, 0), m_ButtonPushed(FALSE), m_ButtonHot(FALSE), m_ButtonTrackingLeave(FALSE),
      m_ButtonEnabled(TRUE), m_BorderSize(4), m_Margin(4), m_Spacing(4), m_FixedHeight(-1), m_BarHeight(0),
      m_FlatBorder(FALSE)
{
}

CGTCaptionBar::~CGTCaptionBar() = default;

void CGTCaptionBar::OnDrawBackground(CDC*, CRect) {}

void CGTCaptionBar::OnDrawBorder(CDC*, CRect) {}

void CGTCaptionBar::OnDrawText(CDC*, CRect, const CString&) {}

void CGTCaptionBar::OnDrawImage(CDC*, CRect) {}

void CGTCaptionBar::OnDrawButton(CDC*, CRect, const CString&, BOOL) {}

void CGTCaptionBar::RecalcLayout() {}
