#include <guitoolkit/controls/CColorPopup.h>
#include <guitoolkit/toolbars/CGTToolbarMenuButton.h>
#include <memory>

IMPLEMENT_DYNAMIC(CColorPopup, CGTPopupMenu)

BEGIN_MESSAGE_MAP(CColorPopup, CGTPopupMenu)
    ON_WM_CREATE()
END_MESSAGE_MAP()

namespace {
const UINT barId = 1;
const DWORD barStyle = 0x40402838;
const DWORD tearOffStyle = 0x50402808;
}  // namespace

CColorPopup::CColorPopup(const GTColorBarSettings& iSettings, IGTColorReceiver* iReceiver)
    : m_ColorBar(iSettings, iReceiver)
{
    m_Bar = &m_ColorBar;
}

CColorPopup::~CColorPopup() = default;

int CColorPopup::OnCreate(LPCREATESTRUCT iCreate)
{
    if (CMiniFrameWnd::OnCreate(iCreate) == -1)
        return -1;
    CGTToolBar* parentBar = m_ParentButton != nullptr ? m_ParentButton->GetParentToolBar() : nullptr;
    if (auto* parentMenu = DYNAMIC_DOWNCAST(CGTPopupMenuBar, parentBar))
        parentBar = parentMenu->GetParentToolBar();
    m_ColorBar.SetParentToolBar(parentBar);
    if (!m_ColorBar.Create(this, m_AnimationDone ? barStyle | WS_VISIBLE : barStyle, barId))
        return -1;
    m_ColorBar.SetOwner(GetParent());
    m_ColorBar.SetBarStyle(m_ColorBar.GetBarStyle() | CBRS_TOOLTIPS);
    if (!ActivatePopupMenu(HostFrame(), this))
        return -1;
    RecalcLayout();
    return 0;
}

CGTToolBar* CColorPopup::CreateTearOffBar(CWnd* iParent, UINT iId, LPCWSTR iName)
{
    if (m_ParentButton == nullptr)
        return nullptr;
    auto bar = std::make_unique<CGTColorBar>(m_ColorBar, m_ParentButton->m_CommandId);
    if (!bar->Create(iParent, tearOffStyle, iId))
        return nullptr;
    bar->SetWindowText(iName);
    bar->SetBarStyle(bar->GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY);
    bar->EnableDocking(CBRS_ALIGN_ANY);
    return bar.release();
}
