#include <guitoolkit/docking/CGTTaskPaneMiniFrameWnd.h>
#include <guitoolkit/core/GuiToolkitResources.h>
#include <guitoolkit/docking/CGTCaptionButton.h>
#include <guitoolkit/docking/CGTTasksPane.h>
#include <guitoolkit/docking/GTDockingConstants.h>

IMPLEMENT_SERIAL(CGTTaskPaneMiniFrameWnd, CGTMiniFrameWnd, VERSIONABLE_SCHEMA | 2)

namespace {
// The base's buttons: close, roll and window position; the navigation buttons' bits.
const DWORD baseButtons = 0x07;
const DWORD navigationButtons = 0x70;
const int borderSize = 3;
}  // namespace

BEGIN_MESSAGE_MAP(CGTTaskPaneMiniFrameWnd, CGTMiniFrameWnd)
    ON_WM_NCPAINT()
    ON_NOTIFY_EX_RANGE(TTN_GETDISPINFOW, 0, 0xFFFF, &CGTTaskPaneMiniFrameWnd::OnToolTipText)
END_MESSAGE_MAP()

CGTTaskPaneMiniFrameWnd::CGTTaskPaneMiniFrameWnd() : m_MenuOpen(FALSE) {}

CGTTasksPane* CGTTaskPaneMiniFrameWnd::GetTasksPane() const
{
    return DYNAMIC_DOWNCAST(CGTTasksPane, GetBar());
}

void CGTTaskPaneMiniFrameWnd::GetBorderSize(CRect& oBorders) const
{
    oBorders.SetRect(borderSize, borderSize, borderSize, borderSize);
}

void CGTTaskPaneMiniFrameWnd::ApplyCaptionButtonFlags(DWORD iFlags)
{
    CGTMiniFrameWnd::ApplyCaptionButtonFlags(iFlags & baseButtons);
    for (UINT code : {GTHitMenu, GTHitForward, GTHitBack})
        CreateCaptionButton(code);
    m_CaptionButtonFlags = iFlags | navigationButtons;
    if (GetSafeHwnd() == nullptr)
        return;
    UpdateNavigationButtons();
    RebuildToolTips();
    LayoutCaptionButtons();
    SendMessage(WM_NCPAINT);
}

CGTCaptionButton* CGTTaskPaneMiniFrameWnd::CreateCaptionButton(UINT iHitCode)
{
    if (CGTCaptionButton* existing = FindCaptionButton(iHitCode))
        return existing;
    if (iHitCode != GTHitBack && iHitCode != GTHitForward && iHitCode != GTHitMenu)
        return CGTMiniFrameWnd::CreateCaptionButton(iHitCode);
    CGTCaptionButton* button =
        iHitCode == GTHitMenu ? new CGTCaptionMenuButton(iHitCode, TRUE) : new CGTCaptionButton(iHitCode, TRUE);
    m_CaptionButtons.AddHead(button);
    return button;
}

void CGTTaskPaneMiniFrameWnd::UpdateNavigationButtons()
{
    const CGTTasksPane* pane = GetTasksPane();
    const BOOL shown = pane != nullptr && (pane->GetPageCount() >= 2 || pane->ShowsNavigationAlways());
    for (UINT code : {GTHitBack, GTHitForward, GTHitMenu}) {
        CGTCaptionButton* button = FindCaptionButton(code);
        if (button == nullptr)
            continue;
        button->m_Hidden = !shown;
        button->m_Enabled = pane != nullptr;
    }
    if (pane == nullptr)
        return;
    if (CGTCaptionButton* back = FindCaptionButton(GTHitBack))
        back->m_Enabled = pane->GetHistoryPosition() >= 1;
    if (CGTCaptionButton* forward = FindCaptionButton(GTHitForward))
        forward->m_Enabled = pane->GetHistoryPosition() < pane->GetHistoryCount() - 1;
}

void CGTTaskPaneMiniFrameWnd::OnNcPaint()
{
    UpdateNavigationButtons();
    LayoutCaptionButtons();
    CGTMiniFrameWnd::OnNcPaint();
}

void CGTTaskPaneMiniFrameWnd::RunCaptionButtonAction(UINT iHitCode)
{
    if (CGTTasksPane* pane = GetTasksPane()) {
        switch (iHitCode) {
        case GTHitBack:
            pane->GoBack();
            break;
        case GTHitForward:
            pane->GoForward();
            break;
        case GTHitMenu:
            m_MenuOpen = TRUE;
            pane->ShowPagesMenu(static_cast<CGTCaptionMenuButton*>(FindCaptionButton(GTHitMenu)));
            m_MenuOpen = FALSE;
            break;
        default:
            break;
        }
    }
    CGTMiniFrameWnd::RunCaptionButtonAction(iHitCode);
}

void CGTTaskPaneMiniFrameWnd::HoverCaptionButtons(CPoint iScreenPoint)
{
    if (!m_MenuOpen)
        CGTMiniFrameWnd::HoverCaptionButtons(iScreenPoint);
}

void CGTTaskPaneMiniFrameWnd::EndCaptionButtonTracking()
{
    if (!m_MenuOpen)
        CGTMiniFrameWnd::EndCaptionButtonTracking();
}

BOOL CGTTaskPaneMiniFrameWnd::OnToolTipText(UINT iId, NMHDR* iHeader, LRESULT* oResult)
{
    const auto tool = static_cast<INT_PTR>(iHeader->idFrom);
    if (tool >= 1 && tool <= m_CaptionButtons.GetCount()) {
        const auto* button =
            static_cast<CGTCaptionButton*>(m_CaptionButtons.GetAt(m_CaptionButtons.FindIndex(tool - 1)));
        static CString s_Text;
        switch (button->GetHitTest()) {
        case GTHitBack:
            s_Text.LoadString(IDS_GT_TASKS_BACK);
            break;
        case GTHitForward:
            s_Text.LoadString(IDS_GT_TASKS_FORWARD);
            break;
        case GTHitMenu:
            s_Text.LoadString(IDS_GT_TASKS_OTHER_PANE);
            break;
        default:
            return CGTMiniFrameWnd::OnToolTipText(iId, iHeader, oResult);
        }
        reinterpret_cast<NMTTDISPINFOW*>(iHeader)->lpszText = const_cast<LPWSTR>(s_Text.GetString());
        *oResult = 0;
        return TRUE;
    }
    return CGTMiniFrameWnd::OnToolTipText(iId, iHeader, oResult);
}
