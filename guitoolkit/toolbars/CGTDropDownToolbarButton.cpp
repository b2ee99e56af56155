#include <guitoolkit/toolbars/CGTDropDownToolbarButton.h>
#include <guitoolkit/core/CGTToolBarImages.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/toolbars/CGTDropDownFrame.h>
#include <guitoolkit/toolbars/CGTMenuBar.h>
#include <guitoolkit/toolbars/CGTPopupMenuBar.h>
#include <guitoolkit/toolbars/CGTToolbarMenuButton.h>
#include <guitoolkit/toolbars/GTCommandText.h>

IMPLEMENT_SERIAL(CGTDropDownToolbarButton, CGTToolbarButton, VERSIONABLE_SCHEMA | 1)

UINT CGTDropDownToolbarButton::s_HoldDelay = 500;
CGTDropDownToolbarButton* CGTDropDownToolbarButton::s_Pending = nullptr;

namespace {
// The hold's timer on the bar's window: an id of its own, apart from the bars' timers.
const UINT_PTR holdTimer = 0xDD01;
// The commands of a button's customize menu that a drop-down button does not offer: its
// image, its text, both, the appearance dialog and copying its image.
const UINT imageCommands[] = {16914, 16915, 16916, 16913, 16911};

CGTDropDownToolBar* FindGroup(UINT iId)
{
    const CObList& bars = CGTToolBar::GetAllToolbars();
    for (POSITION position = bars.GetHeadPosition(); position != nullptr;) {
        auto* bar = DYNAMIC_DOWNCAST(CGTDropDownToolBar, bars.GetNext(position));
        if (bar != nullptr && bar->GetSafeHwnd() != nullptr && static_cast<UINT>(bar->GetDlgCtrlID()) == iId)
            return bar;
    }
    return nullptr;
}
}  // namespace

CGTDropDownToolbarButton::CGTDropDownToolbarButton()
    : m_Group(nullptr), m_Frame(nullptr), m_ParentWindow(nullptr), m_Timer(0), m_TimerWindow(nullptr), m_ImageIndex(0),
      m_Drawing(FALSE), m_ImageIsUserImage(FALSE)
{
    m_Locked = TRUE;
}

CGTDropDownToolbarButton::CGTDropDownToolbarButton(LPCWSTR iName, CGTDropDownToolBar* iGroup)
    : CGTDropDownToolbarButton()
{
    m_Name = iName != nullptr ? iName : L"";
    m_Group = iGroup;
}

CGTDropDownToolbarButton::~CGTDropDownToolbarButton()
{
    StopHold();
    if (m_Frame != nullptr) {
        m_Frame->ForgetButton();
        m_Frame->DestroyWindow();
    }
}

// --- Stored form and copies ---

void CGTDropDownToolbarButton::Serialize(CArchive& ioArchive)
{
    CGTToolbarButton::Serialize(ioArchive);
    if (ioArchive.IsStoring()) {
        const DWORD group = m_Group != nullptr && m_Group->GetSafeHwnd() != nullptr ? m_Group->GetDlgCtrlID() : 0;
        ioArchive << group << m_Name << m_ImageIndex;
        return;
    }
    DWORD group = 0;
    ioArchive >> group >> m_Name >> m_ImageIndex;
    m_Group = group != 0 ? FindGroup(group) : nullptr;
    SetDefaultCommand(m_CommandId);
}

void CGTDropDownToolbarButton::CopyFrom(const CGTToolbarButton& iSource)
{
    CGTToolbarButton::CopyFrom(iSource);
    if (const auto* source = dynamic_cast<const CGTDropDownToolbarButton*>(&iSource)) {
        m_Group = source->m_Group;
        m_Name = source->m_Name;
        m_ImageIndex = source->m_ImageIndex;
        m_ImageIsUserImage = source->m_ImageIsUserImage;
    }
}

void CGTDropDownToolbarButton::SetDefaultCommand(UINT iCommandId)
{
    m_CommandId = iCommandId;
    m_ImageIndex = 0;
    m_ImageIsUserImage = FALSE;
    if (m_Group == nullptr)
        return;
    int position = 0;
    const CObList& buttons = m_Group->GetAllButtons();
    for (POSITION item = buttons.GetHeadPosition(); item != nullptr;) {
        const auto* button = static_cast<const CGTToolbarButton*>(buttons.GetNext(item));
        if (button->IsSeparator())
            continue;
        if (button->m_CommandId == iCommandId) {
            m_ImageIsUserImage = button->m_UserImage;
            m_ImageIndex = button->m_UserImage ? button->GetImage() : position;
            return;
        }
        ++position;
    }
}

// --- Size and drawing ---

CSize CGTDropDownToolbarButton::CalcSize(CDC* iDc, const CSize& iDefaultSize, BOOL iHorizontal)
{
    if (m_CommandId == 0 && m_Group != nullptr) {
        const CObList& buttons = m_Group->GetAllButtons();
        for (POSITION item = buttons.GetHeadPosition(); item != nullptr;) {
            const auto* button = static_cast<const CGTToolbarButton*>(buttons.GetNext(item));
            if (!button->IsSeparator()) {
                SetDefaultCommand(button->m_CommandId);
                break;
            }
        }
    }
    const int image = m_Image;
    const BOOL show = m_ShowImage;
    m_Image = m_ImageIndex;
    m_ShowImage = TRUE;
    CSize size = CGTToolbarButton::CalcSize(iDc, iDefaultSize, iHorizontal);
    m_Image = image;
    m_ShowImage = show;
    size.cx += CGTToolBar::IsLargeIcons() ? 9 : 4;
    return size;
}

void CGTDropDownToolbarButton::OnDraw(CDC* iDc, const CRect& iRect, CGTToolBarImages*, BOOL iHorizontal,
                                      BOOL iCustomizeMode, BOOL iHighlight, BOOL iDrawBorder, BOOL iGrayDisabled)
{
    DrawFrame(iDc, iRect, iHighlight);
    CRect imageArea = iRect;
    imageArea.right -= CGTToolBar::IsLargeIcons() ? 8 : 4;
    CGTToolBarImages* strip = m_ImageIsUserImage ? CGTToolBar::GetUserImages()
        : m_Group != nullptr                     ? &m_Group->Images()
                                                 : nullptr;
    if (strip != nullptr) {
        if (strip->colorTransparent != theGuiToolkitGlobals.colorBtnFace) {
            strip->colorTransparent = theGuiToolkitGlobals.colorBtnFace;
            strip->BuildFadedImage();
        }
        CGTImageDrawPass pass;
        if (strip->BeginDrawing(pass)) {
            const int image = m_Image;
            const BOOL show = m_ShowImage;
            const BOOL user = m_UserImage;
            m_Image = m_ImageIndex;
            m_ShowImage = TRUE;
            m_UserImage = FALSE;
            m_Drawing = TRUE;
            CGTToolbarButton::OnDraw(iDc, imageArea, strip, iHorizontal, iCustomizeMode, iHighlight, FALSE,
                                     iGrayDisabled);
            m_Drawing = FALSE;
            m_Image = image;
            m_ShowImage = show;
            m_UserImage = user;
            strip->FinishDrawing(pass);
        }
    }
    DrawTriangle(iDc, iRect);
    if (iCustomizeMode || !iDrawBorder)
        return;
    const BOOL validCommand = m_CommandId != 0 && m_CommandId != static_cast<UINT>(-1);
    CGTVisualManager* look = CGTVisualManager::GetCurrent();
    if (m_Frame != nullptr || (m_Style & (TBBS_PRESSED | TBBS_CHECKED)))
        look->DrawButtonBorder(iDc, this, iRect, validCommand ? 1 : 2);
    else if (iHighlight && !(m_Style & (TBBS_CHECKED | TBBS_DISABLED | TBBS_INDETERMINATE)))
        look->DrawButtonBorder(iDc, this, iRect, (m_Style & TBBS_PRESSED) ? 1 : 2);
}

void CGTDropDownToolbarButton::DrawTriangle(CDC* iDc, const CRect& iRect) const
{
    const BOOL large = CGTToolBar::IsLargeIcons();
    const int a = large ? 7 : 4;
    const int b = large ? 14 : 7;
    const int p = (m_Style & TBBS_PRESSED) ? 1 : 0;
    const POINT corners[] = {{iRect.right - b + p - 1, iRect.bottom - a + p + 1},
                             {iRect.right - a + p + 1, iRect.bottom - a + p + 1},
                             {iRect.right - a + p + 1, iRect.bottom - b + p - 1}};
    CBrush* previousBrush = iDc->SelectObject(&theGuiToolkitGlobals.brushDarkShadow);
    CGdiObject* previousPen = iDc->SelectStockObject(NULL_PEN);
    iDc->Polygon(corners, 3);
    iDc->SelectObject(previousPen);
    iDc->SelectObject(previousBrush);
}

int CGTDropDownToolbarButton::DrawInCommandList(CDC* iDc, const CRect& iRect, BOOL iSelected)
{
    const CString text = m_Text;
    m_Text = m_Name;
    const int width = CGTToolbarButton::DrawInCommandList(iDc, iRect, iSelected);
    m_Text = text;
    return width;
}

BOOL CGTDropDownToolbarButton::IsExtraSize() const
{
    return m_ExtraSize && !m_Drawing;
}

// --- The hold and the frame ---

void CALLBACK CGTDropDownToolbarButton::OnHoldTimer(HWND iWindow, UINT, UINT_PTR, DWORD)
{
    if (s_Pending != nullptr)
        s_Pending->OnClick(CWnd::FromHandle(iWindow), FALSE);
}

void CGTDropDownToolbarButton::StopHold()
{
    if (m_Timer == 0)
        return;
    ::KillTimer(m_TimerWindow, m_Timer);
    m_Timer = 0;
    if (s_Pending == this)
        s_Pending = nullptr;
}

BOOL CGTDropDownToolbarButton::OnClick(CWnd* iOwner, BOOL iDelay)
{
    CWnd* bar = iOwner != nullptr ? iOwner : m_ParentWindow;
    if (m_Timer == 0) {
        if (bar == nullptr || bar->GetSafeHwnd() == nullptr)
            return FALSE;
        if (s_Pending != nullptr)
            s_Pending->StopHold();
        m_TimerWindow = bar->GetSafeHwnd();
        m_Timer = ::SetTimer(m_TimerWindow, holdTimer, s_HoldDelay, &OnHoldTimer);
        if (m_Timer != 0)
            s_Pending = this;
        return FALSE;
    }
    StopHold();
    auto* menuBar = DYNAMIC_DOWNCAST(CGTMenuBar, bar);
    if (m_Frame != nullptr) {
        CloseFrame();
    } else if (!(iDelay && DYNAMIC_DOWNCAST(CGTPopupMenuBar, bar) != nullptr && !CGTToolBar::IsCustomizeMode())) {
        ShowDropDown(bar);
        if (menuBar != nullptr)
            menuBar->SetHotButton(this);
    }
    if (m_ParentBar != nullptr && m_ParentBar->GetSafeHwnd() != nullptr)
        m_ParentBar->InvalidateButton(m_ParentBar->ButtonToIndex(this));
    return FALSE;
}

BOOL CGTDropDownToolbarButton::OnCancelDropDownDelay()
{
    if (m_Timer != 0) {
        StopHold();
        return FALSE;
    }
    CloseFrame();
    return TRUE;
}

void CGTDropDownToolbarButton::CloseFrame()
{
    if (m_Frame == nullptr)
        return;
    CGTDropDownFrame* frame = m_Frame;
    m_Frame = nullptr;
    frame->DestroyWindow();
    if (auto* menuBar = DYNAMIC_DOWNCAST(CGTMenuBar, m_ParentBar))
        menuBar->SetHotButton(nullptr);
}

BOOL CGTDropDownToolbarButton::ShowDropDown(CWnd* iParent)
{
    CWnd* parent = iParent != nullptr ? iParent : m_ParentWindow;
    if (m_Group == nullptr || m_Frame != nullptr || parent == nullptr || parent->GetSafeHwnd() == nullptr)
        return FALSE;
    const auto* bar = DYNAMIC_DOWNCAST(CGTToolBar, parent);
    CPoint anchor = bar == nullptr || bar->IsHorizontal() ? CPoint(m_Rect.left - 1, m_Rect.bottom)
                                                          : CPoint(m_Rect.right + 1, m_Rect.top);
    parent->ClientToScreen(&anchor);
    auto* frame = new CGTDropDownFrame(this);
    m_Frame = frame;
    if (!frame->Create(parent, anchor.x, anchor.y, m_Group)) {
        // A window that was made went with its object (and told us); one never made did not.
        if (m_Frame == frame)
            delete frame;
        m_Frame = nullptr;
        return FALSE;
    }
    return TRUE;
}

// --- The bar and its menus ---

void CGTDropDownToolbarButton::OnChangeParent(CWnd* iOwner)
{
    CGTToolbarButton::OnChangeParent(iOwner);
    m_ParentWindow = iOwner;
    m_ShowText = FALSE;
    m_Text.Empty();
    m_UserImage = FALSE;
}

void CGTDropDownToolbarButton::OnCancelMode()
{
    if (m_ParentBar == nullptr || m_ParentBar->GetSafeHwnd() == nullptr)
        return;
    m_ParentBar->InvalidateButton(m_ParentBar->ButtonToIndex(this));
    m_ParentBar->UpdateWindow();
}

BOOL CGTDropDownToolbarButton::OnCustomizeMenu(CMenu* iPopup)
{
    for (const UINT command : imageCommands)
        iPopup->EnableMenuItem(command, MF_BYCOMMAND | MF_GRAYED);
    return TRUE;
}

BOOL CGTDropDownToolbarButton::ExportTo(CGTToolbarButton& oTarget)
{
    if (m_Group == nullptr)
        return FALSE;
    CGTToolbarButton::ExportTo(oTarget);
    HMENU menu = ::CreatePopupMenu();
    const CObList& buttons = m_Group->GetAllButtons();
    for (POSITION item = buttons.GetHeadPosition(); item != nullptr;) {
        const auto* button = static_cast<const CGTToolbarButton*>(buttons.GetNext(item));
        if (button->IsSeparator()) {
            ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        } else if (button->m_CommandId != 0 && button->m_CommandId != static_cast<UINT>(-1)) {
            const CString text = button->m_Text.IsEmpty() ? GetCommandText(button->m_CommandId) : button->m_Text;
            ::AppendMenuW(menu, MF_STRING, button->m_CommandId, text);
        }
    }
    oTarget.m_CommandId = 0;
    oTarget.m_Text = m_Name;
    oTarget.SetImage(-1);
    if (auto* menuItem = dynamic_cast<CGTToolbarMenuButton*>(&oTarget))
        menuItem->CreateFromMenu(menu);
    ::DestroyMenu(menu);
    return TRUE;
}
