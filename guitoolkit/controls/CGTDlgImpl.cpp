#include <guitoolkit/controls/CGTDlgImpl.h>
#include <guitoolkit/controls/CGTActivePopupMenu.h>
#include <guitoolkit/toolbars/CGTUserToolsManager.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <afxpriv.h>

namespace {
CGTDlgImpl* s_HookOwner = nullptr;
HHOOK s_Hook = nullptr;
}  // namespace

CGTDlgImpl::CGTDlgImpl(CWnd& iDialog) : m_Dialog(&iDialog) {}

CGTDlgImpl::~CGTDlgImpl()
{
    if (s_HookOwner == this)
        SetActivePopupMenu(nullptr);
}

HHOOK CGTDlgImpl::GetMouseHook()
{
    return s_Hook;
}

CWnd* CGTDlgImpl::ActiveMenuWindow()
{
    CWnd* menu = CGTActivePopupMenu::Get();
    return menu != nullptr && menu->GetSafeHwnd() != nullptr ? menu : nullptr;
}

void CGTDlgImpl::SetActivePopupMenu(CWnd* iMenu)
{
    CGTActivePopupMenu::Set(iMenu);
    if (iMenu != nullptr) {
        if (s_Hook == nullptr)
            s_Hook = ::SetWindowsHookExW(WH_MOUSE, MouseHook, nullptr, ::GetCurrentThreadId());
        s_HookOwner = this;
        return;
    }
    if (s_Hook != nullptr)
        ::UnhookWindowsHookEx(s_Hook);
    s_Hook = nullptr;
    s_HookOwner = nullptr;
}

LRESULT CALLBACK CGTDlgImpl::MouseHook(int iCode, WPARAM iWParam, LPARAM iLParam)
{
    switch (iWParam) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
        if (iCode == HC_ACTION && s_HookOwner != nullptr && s_HookOwner->m_Dialog != nullptr) {
            POINT point;
            CGTCursor::Current().GetPosition(point);
            CRect window;
            s_HookOwner->m_Dialog->GetWindowRect(window);
            if (!window.PtInRect(point))
                s_HookOwner->ProcessMouseClick(point);
        }
        break;
    default:
        break;
    }
    return ::CallNextHookEx(s_Hook, iCode, iWParam, iLParam);
}

BOOL CGTDlgImpl::ProcessMouseClick(CPoint iScreenPoint)
{
    CWnd* menu = ActiveMenuWindow();
    if (menu == nullptr)
        return FALSE;
    CRect menuRect;
    menu->GetWindowRect(menuRect);
    if (menuRect.PtInRect(iScreenPoint))
        return FALSE;
    menu->SendMessage(WM_CLOSE);
    // A menu of a toolbar may have left the focus on the bar.
    CWnd* focus = CWnd::GetFocus();
    if (m_Dialog != nullptr && focus != nullptr && focus->IsKindOf(RUNTIME_CLASS(CGTToolBar)))
        m_Dialog->SetFocus();
    return FALSE;
}

BOOL CGTDlgImpl::IsClickOutsideActiveMenu(CPoint iScreenPoint) const
{
    CWnd* menu = ActiveMenuWindow();
    if (menu == nullptr)
        return FALSE;
    CRect menuRect;
    menu->GetWindowRect(menuRect);
    return !menuRect.PtInRect(iScreenPoint);
}

BOOL CGTDlgImpl::PreTranslateMessage(MSG* iMsg)
{
    CWnd* menu = ActiveMenuWindow();
    CPoint screen((short)LOWORD(iMsg->lParam), (short)HIWORD(iMsg->lParam));
    switch (iMsg->message) {
    case WM_KEYDOWN:
        if (menu == nullptr)
            return FALSE;
        menu->SendMessage(WM_KEYDOWN, iMsg->wParam, iMsg->lParam);
        return TRUE;
    case WM_SYSKEYDOWN:
    case WM_CONTEXTMENU:
        if (menu == nullptr || (iMsg->message == WM_CONTEXTMENU && iMsg->wParam != VK_MENU))
            return FALSE;
        menu->SendMessage(WM_CLOSE);
        return TRUE;
    case WM_SYSKEYUP:
        return menu != nullptr;
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONUP:
    case WM_NCMBUTTONUP:
        return ProcessMouseClick(screen);
    case WM_MOUSEMOVE:
        ::ClientToScreen(iMsg->hwnd, &screen);
        return IsClickOutsideActiveMenu(screen);
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        if (menu == nullptr)
            return FALSE;
        ::ClientToScreen(iMsg->hwnd, &screen);
        return ProcessMouseClick(screen) || !::IsWindow(iMsg->hwnd);
    default:
        return FALSE;
    }
}

BOOL CGTDlgImpl::ProcessAccelCommand(WPARAM iWParam, LPARAM)
{
    if (HIWORD(iWParam) != 1)
        return FALSE;
    const UINT command = LOWORD(iWParam);
    CGTToolBar::AddCommandUsage(command);
    if (CWnd* menu = ActiveMenuWindow()) {
        menu->SendMessage(WM_KEYDOWN, VK_ESCAPE);
        return TRUE;
    }
    CGTUserToolsManager* tools = CGTUserToolsManager::Current();
    return tools != nullptr && tools->InvokeToolByCommand(command);
}

void CGTDlgImpl::OnActivate(UINT iState, CWnd* iOther)
{
    if (m_Dialog == nullptr)
        return;
    m_Dialog->m_nFlags &= ~WF_STAYACTIVE;
    CWnd* gaining = iState != WA_INACTIVE ? m_Dialog : iOther;
    if (gaining != nullptr && gaining != m_Dialog && gaining->SendMessage(WM_FLOATSTATUS, FS_SYNCACTIVE) != 0)
        m_Dialog->m_nFlags |= WF_STAYACTIVE;
    if (gaining == nullptr)
        m_Dialog->SendMessage(WM_NCACTIVATE, TRUE);
}

void CGTDlgImpl::OnNcActivate(BOOL& ioActive)
{
    if (m_Dialog == nullptr)
        return;
    if (m_Dialog->m_nFlags & WF_STAYACTIVE)
        ioActive = TRUE;
    if (!m_Dialog->IsWindowEnabled())
        ioActive = FALSE;
}

void CGTDlgImpl::ForgetDialog()
{
    m_Dialog = nullptr;
}
