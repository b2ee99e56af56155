// A docking pane that hosts one plain window filling its client area, and keeps its caption
// in the registry ("BarName") beside the pane's placement.
#include <guitoolkit/docking/CGTDockingCBWrapper.h>
#include <guitoolkit/core/CGTDockingValues.h>
#include <guitoolkit/core/CGTRegistryHolder.h>

IMPLEMENT_DYNCREATE(CGTDockingCBWrapper, CGTDockingControlBar)

BEGIN_MESSAGE_MAP(CGTDockingCBWrapper, CGTDockingControlBar)
    ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {
const wchar_t* const keyWord = L"VADEDockingCBWrapper";
const wchar_t* const nameValue = L"BarName";
}  // namespace

CGTDockingCBWrapper::CGTDockingCBWrapper()
    : m_DefaultRect(30, 30, 180, 180), m_DefaultAlignment(GTSideAny), m_WrappedWnd(nullptr)
{
}

BOOL CGTDockingCBWrapper::SetWrappedWnd(CWnd* iWindow)
{
    iWindow->SetParent(this);
    m_WrappedWnd = iWindow;
    if (auto* bar = DYNAMIC_DOWNCAST(CGTBaseControlBar, iWindow)) {
        EnableDocking(bar->GetEnabledAlignment());
        SetBarStyle(bar->GetStyleWord());
        m_BehaviourStyle = bar->GetBehaviourStyle();
        if (auto* pane = DYNAMIC_DOWNCAST(CGTDockingControlBar, iWindow))
            GetRecentDockInfo().m_docked.m_rectPane = pane->GetRecentDockInfo().m_docked.m_rectPane;
    } else {
        EnableDocking(m_DefaultAlignment);
    }
    CRect client;
    GetClientRect(client);
    iWindow->SetWindowPos(nullptr, 0, 0, client.Width(), client.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

CWnd* CGTDockingCBWrapper::GetWrappedWnd() const
{
    return m_WrappedWnd;
}

void CGTDockingCBWrapper::OnSize(UINT iType, int iWidth, int iHeight)
{
    CGTDockingControlBar::OnSize(iType, iWidth, iHeight);
    if (m_WrappedWnd->GetSafeHwnd() != nullptr)
        m_WrappedWnd->SetWindowPos(nullptr, 0, 0, iWidth, iHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CGTDockingCBWrapper::SaveState(LPCWSTR iProfile, int iIndex, UINT iSubId)
{
    {
        CGTRegistryHolder holder;
        CGTRegistry& registry = holder.Create(FALSE, FALSE);
        if (registry.CreateKey(StateKey(CGTDockingValues::ControlBarSection(), keyWord, iProfile, iIndex, iSubId))) {
            CString name;
            GetWindowText(name);
            registry.WriteString(nameValue, name);
        }
    }
    return CGTDockingControlBar::SaveState(iProfile, iIndex, iSubId);
}

BOOL CGTDockingCBWrapper::LoadState(LPCWSTR iProfile, int iIndex, UINT iSubId)
{
    {
        CGTRegistryHolder holder;
        CGTRegistry& registry = holder.Create(FALSE, TRUE);
        if (!registry.Open(StateKey(CGTDockingValues::ControlBarSection(), keyWord, iProfile, iIndex, iSubId)))
            return FALSE;
        CString name;
        if (registry.ReadString(nameValue, name) && !name.IsEmpty())
            SetWindowText(name);
    }
    return CGTDockingControlBar::LoadState(iProfile, iIndex, iSubId);
}
