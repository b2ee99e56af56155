#include <guitoolkit/toolbars/CGTShowAllButton.h>
#include <guitoolkit/core/CGTLocalResource.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitResources.h>
#include <guitoolkit/core/CGTKeyHelper.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <guitoolkit/toolbars/GTMenuOptions.h>
#include <cstdlib>

IMPLEMENT_DYNCREATE(CGTShowAllButton, CGTToolbarMenuButton)

namespace {
const int showAllWidth = 50;
}

CGTShowAllButton::CGTShowAllButton() = default;

CGTShowAllButton::~CGTShowAllButton() = default;

CSize CGTShowAllButton::CalcSize(CDC* iDc, const CSize& iDefaultSize, BOOL)
{
    return CSize(showAllWidth, CGTVisualManager::GetCurrent()->GetShowAllButtonHeight(iDc, iDefaultSize));
}

void CGTShowAllButton::OnDraw(CDC* iDc, const CRect& iRect, CGTToolBarImages*, BOOL, BOOL, BOOL iHighlight, BOOL, BOOL)
{
    CGTVisualManager* look = CGTVisualManager::GetCurrent();
    const BOOL pressed = (m_Style & (TBBS_PRESSED | TBBS_CHECKED)) != 0;
    DrawFrame(iDc, iRect, iHighlight);
    CRect inner = iRect;
    inner.DeflateRect(1, 1);
    look->DrawShowAllButton(iDc, inner, iHighlight ? 2 : pressed ? 1 : 0);
    if (pressed || iHighlight)
        look->DrawButtonBorder(iDc, this, iRect, pressed ? 1 : 2);
}

BOOL CGTShowAllButton::OnClick(CWnd* iOwner, BOOL iDelay)
{
    auto* bar = DYNAMIC_DOWNCAST(CGTPopupMenuBar, iOwner);
    if (bar == nullptr)
        return FALSE;
    if (!iDelay) {
        if (CGTPopupMenu* popup = bar->GetParentPopup())
            popup->ShowAllCommands();
        return TRUE;
    }
    if (GTMenuOptions::s_ShowAllAfterDelay)
        bar->StartDelayedSubmenu(this, 2);
    return TRUE;
}

int CGTShowAllButton::GetTooltipText(CWnd*, TOOLINFO* ioInfo)
{
    if (ioInfo == nullptr)
        return FALSE;
    CGTLocalResource toolkitResources;
    CString format;
    format.LoadString(IDS_GT_EXPAND_MENU);
    const ACCEL ctrlDown = {FVIRTKEY | FCONTROL, VK_DOWN, 0};
    CString keys;
    CGTKeyHelper(&ctrlDown).Format(keys);
    CString tip;
    tip.Format(format, static_cast<LPCWSTR>(keys));
    const size_t length = static_cast<size_t>(tip.GetLength()) + 1;
    ioInfo->lpszText = static_cast<LPWSTR>(::calloc(length, sizeof(wchar_t)));
    if (ioInfo->lpszText != nullptr)
        wcscpy_s(ioInfo->lpszText, length, tip);
    ioInfo->uId = 0;
    return TRUE;
}
