#include <guitoolkit/toolbars/CGTToolbarEditBoxButton.h>
#include <guitoolkit/controls/CGTToolbarEditCtrl.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/CGTWorkspaceSettings.h>
#include <guitoolkit/toolbars/CMenuHash.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/toolbars/GTControlButtonSupport.h>
#include <algorithm>

IMPLEMENT_SERIAL(CGTToolbarEditBoxButton, CGTToolbarButton, VERSIONABLE_SCHEMA | 1)

namespace {
const DWORD windowStyles = WS_CHILD | WS_VISIBLE;
const int defaultWidth = 150;
// The data versions from which the context menu id and the calculator flag are stored, and
// the one version that stores neither.
const int contextMenuVersion = 0x60410;
const int calculatorVersion = 0x60720;
const int versionWithout = 0x70000;

BOOL StoresFieldFrom(int iVersion)
{
    if (CMenuHash::Instance().IsBusy())
        return TRUE;
    const CGTWorkspaceSettings* workspace = CGTWorkspaceSettings::Current();
    if (workspace == nullptr)
        return FALSE;
    const int version = workspace->GetDataVersion();
    return version >= iVersion && version != versionWithout;
}
}  // namespace

CGTToolbarEditBoxButton::CGTToolbarEditBoxButton() : m_EditStyle(windowStyles | ES_AUTOHSCROLL), m_Width(defaultWidth)
{
    ResetState();
}

CGTToolbarEditBoxButton::CGTToolbarEditBoxButton(UINT iCommandId, int iImage, DWORD iStyle, int iWidth)
    : CGTToolbarButton(iCommandId, iImage), m_EditStyle(iStyle | windowStyles),
      m_Width(iWidth == 0 ? defaultWidth : iWidth)
{
    ResetState();
}

CGTToolbarEditBoxButton::~CGTToolbarEditBoxButton()
{
    if (m_Edit != nullptr && m_Edit->GetSafeHwnd() != nullptr)
        m_Edit->DestroyWindow();
    delete m_Edit;
}

void CGTToolbarEditBoxButton::ResetState()
{
    m_Edit = nullptr;
    m_Horizontal = TRUE;
    m_SettingText = FALSE;
    m_Hot = FALSE;
    m_ContextMenuId = 0;
    m_CalculatorMode = FALSE;
}

void CGTToolbarEditBoxButton::Serialize(CArchive& ioArchive)
{
    CGTToolbarButton::Serialize(ioArchive);
    if (ioArchive.IsStoring()) {
        CString text = m_Contents;
        if (m_Edit != nullptr && m_Edit->GetSafeHwnd() != nullptr)
            m_Edit->GetWindowText(text);
        ioArchive << m_Width << m_EditStyle << text;
        if (StoresFieldFrom(contextMenuVersion))
            ioArchive << m_ContextMenuId;
        if (StoresFieldFrom(calculatorVersion))
            ioArchive << m_CalculatorMode;
        return;
    }
    ioArchive >> m_Width >> m_EditStyle >> m_Contents;
    m_Rect.right = m_Rect.left + m_Width;
    if (StoresFieldFrom(contextMenuVersion))
        ioArchive >> m_ContextMenuId;
    if (StoresFieldFrom(calculatorVersion))
        ioArchive >> m_CalculatorMode;
}

void CGTToolbarEditBoxButton::CopyFrom(const CGTToolbarButton& iSource)
{
    CGTToolbarButton::CopyFrom(iSource);
    const auto* source = dynamic_cast<const CGTToolbarEditBoxButton*>(&iSource);
    if (source == nullptr)
        return;
    m_EditStyle = source->m_EditStyle;
    m_Width = source->m_Width;
    m_Contents = source->m_Contents;
    m_ContextMenuId = source->m_ContextMenuId;
    m_CalculatorMode = source->m_CalculatorMode;
}

void CGTToolbarEditBoxButton::OnAddToCustomizePage()
{
    const auto others = OtherButtonsOfCommand<CGTToolbarEditBoxButton>(*this);
    if (!others.empty())
        CopyFrom(*others.front());
}

HBRUSH CGTToolbarEditBoxButton::OnCtlColor(CDC* iDc, UINT)
{
    return SetControlWindowColors(iDc);
}

// --- The window ---

CGTToolbarEditCtrl* CGTToolbarEditBoxButton::CreateEdit(CWnd* iParent, const CRect& iRect)
{
    auto* edit = new CGTToolbarEditCtrl(*this);
    if (!edit->Create(m_EditStyle, iRect, iParent, m_CommandId)) {
        delete edit;
        return nullptr;
    }
    if (m_CalculatorMode)
        edit->EnableCalculatorMode();
    return edit;
}

HWND CGTToolbarEditBoxButton::GetHwnd()
{
    return m_Edit != nullptr ? m_Edit->GetSafeHwnd() : nullptr;
}

BOOL CGTToolbarEditBoxButton::HasVisibleEdit() const
{
    return m_Edit != nullptr && m_Edit->GetSafeHwnd() != nullptr && (m_Edit->GetStyle() & WS_VISIBLE);
}

void CGTToolbarEditBoxButton::SetEditWindowText(const CString& iText)
{
    m_SettingText = TRUE;
    m_Edit->SetWindowText(iText);
    m_SettingText = FALSE;
}

void CGTToolbarEditBoxButton::OnChangeParent(CWnd* iOwner)
{
    CGTToolbarButton::OnChangeParent(iOwner);
    if (m_Edit != nullptr) {
        if (m_Edit->GetSafeHwnd() != nullptr && m_Edit->GetParent() == iOwner)
            return;
        if (m_Edit->GetSafeHwnd() != nullptr) {
            m_Edit->GetWindowText(m_Contents);
            m_Edit->DestroyWindow();
        }
        delete m_Edit;
        m_Edit = nullptr;
    }
    if (iOwner == nullptr || iOwner->GetSafeHwnd() == nullptr)
        return;
    CRect rect = m_Rect;
    rect.DeflateRect(3, 1);
    rect.bottom = rect.top + theGuiToolkitGlobals.textHeightRegular;
    m_Edit = CreateEdit(iOwner, rect);
    if (m_Edit == nullptr)
        return;
    OnMove();
    m_Edit->SetFont(&theGuiToolkitGlobals.fontRegular);
    if (m_Edit->GetWindowTextLength() == 0)
        SetEditWindowText(m_Contents);
    else
        m_Edit->GetWindowText(m_Contents);
}

void CGTToolbarEditBoxButton::OnMove()
{
    if (!HasVisibleEdit())
        return;
    const int height = theGuiToolkitGlobals.textHeightRegular;
    const int offset = std::max((m_Rect.Height() - static_cast<int>(m_TextSize.cy) - height) / 2, 0);
    m_Edit->SetWindowPos(nullptr, m_Rect.left + 3, m_Rect.top + offset, m_Rect.Width() - 6, height,
                         SWP_NOZORDER | SWP_NOACTIVATE);
    m_Edit->SetSel(-1, 0, TRUE);
    m_Edit->SendMessage(EM_SCROLLCARET);
}

void CGTToolbarEditBoxButton::OnSize(int iWidth)
{
    m_Width = iWidth;
    m_Rect.right = m_Rect.left + iWidth;
    OnMove();
}

void CGTToolbarEditBoxButton::SetContents(const CString& iText)
{
    if (iText == m_Contents)
        return;
    m_Contents = iText;
    if (m_Edit != nullptr && m_Edit->GetSafeHwnd() != nullptr)
        SetEditWindowText(iText);
}

void CGTToolbarEditBoxButton::GetEditBorder(CRect& oRect) const
{
    m_Edit->GetWindowRect(&oRect);
    m_Edit->GetParent()->ScreenToClient(&oRect);
    oRect.InflateRect(1, 1);
}

void CGTToolbarEditBoxButton::SetHot(BOOL iHot)
{
    if (m_Hot == iHot)
        return;
    m_Hot = iHot;
    if (m_ParentBar != nullptr && m_ParentBar->GetSafeHwnd() != nullptr) {
        const CRect rect = GetRect();
        m_ParentBar->InvalidateRect(&rect);
        m_ParentBar->UpdateWindow();
    }
}

BOOL CGTToolbarEditBoxButton::NotifyCommand(int iNotifyCode)
{
    if (iNotifyCode != EN_UPDATE || m_Edit == nullptr || m_Edit->GetSafeHwnd() == nullptr)
        return FALSE;
    m_Edit->GetWindowText(m_Contents);
    for (CGTToolbarEditBoxButton* other : OtherButtonsOfCommand<CGTToolbarEditBoxButton>(*this))
        other->SetContents(m_Contents);
    // What the button writes itself is not the user's typing.
    return !m_SettingText;
}

// --- Size, drawing and state ---

CSize CGTToolbarEditBoxButton::CalcSize(CDC* iDc, const CSize& iDefaultSize, BOOL iHorizontal)
{
    const BOOL hasWindow = m_Edit != nullptr && m_Edit->GetSafeHwnd() != nullptr;
    if (!m_Visible) {
        if (hasWindow)
            m_Edit->ShowWindow(SW_HIDE);
        OnShowEditbox(FALSE);
        return CSize(0, 0);
    }
    m_Horizontal = iHorizontal;
    m_TextSize = CSize(0, 0);
    if (!iHorizontal) {
        if (hasWindow)
            m_Edit->ShowWindow(SW_HIDE);
        OnShowEditbox(FALSE);
        return CGTToolbarButton::CalcSize(iDc, iDefaultSize, iHorizontal);
    }
    if (hasWindow && !IsHiddenByLayout()) {
        m_Edit->ShowWindow(SW_SHOWNOACTIVATE);
        OnShowEditbox(TRUE);
    }
    if (m_TextBelow && !m_Text.IsEmpty()) {
        CRect label(0, 0, m_Width, iDefaultSize.cy);
        iDc->DrawText(m_Text, &label, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
        m_TextSize = label.Size();
    }
    return CSize(m_Width, iDefaultSize.cy + m_TextSize.cy);
}

BOOL CGTToolbarEditBoxButton::IsDisabledLook() const
{
    return CGTToolBar::IsCustomizeMode() ? !IsCustomizable() : (m_Style & TBBS_DISABLED) != 0;
}

void CGTToolbarEditBoxButton::OnDraw(CDC* iDc, const CRect& iRect, CGTToolBarImages* iImages, BOOL iHorizontal,
                                     BOOL iCustomizeMode, BOOL iHighlight, BOOL iDrawBorder, BOOL iGrayDisabled)
{
    if (!HasVisibleEdit()) {
        CGTToolbarButton::OnDraw(iDc, iRect, iImages, iHorizontal, iCustomizeMode, iHighlight, iDrawBorder,
                                 iGrayDisabled);
        return;
    }
    const BOOL disabled = IsDisabledLook();
    CRect border;
    GetEditBorder(border);
    CGTVisualManager::GetCurrent()->DrawEditBorder(iDc, border, disabled, TRUE, this);
    if (!m_TextBelow || !iHorizontal || m_Text.IsEmpty())
        return;
    const GuiToolkitGlobals& globals = theGuiToolkitGlobals;
    const BOOL highlighted = iHighlight || m_Hot;
    iDc->SetTextColor(disabled ? globals.colorGrayText
                               : (highlighted ? CGTToolBar::GetTextColor() : globals.colorBtnText));
    CRect label = m_Rect;
    label.top = (m_Rect.bottom - m_TextSize.cy + border.bottom) / 2;
    iDc->DrawText(m_Text, &label, DT_CENTER | DT_WORDBREAK);
}

int CGTToolbarEditBoxButton::DrawInCommandList(CDC* iDc, const CRect& iRect, BOOL iSelected)
{
    const int used = CGTToolbarButton::DrawInCommandList(iDc, iRect, iSelected);
    CRect field(iRect.right - std::max(8, iRect.Width() - used), iRect.top, iRect.right, iRect.bottom);
    field.DeflateRect(2, 3);
    iDc->FillSolidRect(&field, theGuiToolkitGlobals.colorWindow);
    iDc->DrawEdge(&field, EDGE_SUNKEN, BF_RECT);
    return iRect.Width();
}

BOOL CGTToolbarEditBoxButton::OnClick(CWnd*, BOOL)
{
    return HasVisibleEdit();
}

BOOL CGTToolbarEditBoxButton::HasBorder() const
{
    return !HasVisibleEdit();
}

void CGTToolbarEditBoxButton::OnGlobalFontsChanged()
{
    if (m_Edit != nullptr && m_Edit->GetSafeHwnd() != nullptr)
        m_Edit->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(theGuiToolkitGlobals.fontRegular.GetSafeHandle()),
                            TRUE);
}

void CGTToolbarEditBoxButton::OnShow(BOOL iShow)
{
    if (m_Edit == nullptr || m_Edit->GetSafeHwnd() == nullptr)
        return;
    m_Edit->ShowWindow(iShow ? SW_SHOWNOACTIVATE : SW_HIDE);
    if (iShow)
        OnMove();
    OnShowEditbox(iShow);
}

CRect CGTToolbarEditBoxButton::GetRect() const
{
    if (!m_TextBelow || !m_Horizontal || m_Text.IsEmpty())
        return m_Rect;
    const int left = m_Rect.CenterPoint().x - m_TextSize.cx / 2;
    return CRect(left, m_Rect.top, left + m_TextSize.cx, m_Rect.bottom + m_TextSize.cy);
}

void CGTToolbarEditBoxButton::SetStyle(UINT iStyle)
{
    CGTToolbarButton::SetStyle(iStyle);
    if (m_Edit != nullptr && m_Edit->GetSafeHwnd() != nullptr)
        m_Edit->EnableWindow(!IsDisabledLook());
}

BOOL CGTToolbarEditBoxButton::OnUpdateToolTip(CWnd* iOwner, int, CToolTipCtrl& ioTooltip, CString& ioText)
{
    if (m_Edit == nullptr || m_Edit->GetSafeHwnd() == nullptr)
        return FALSE;
    CString custom;
    if (const auto* bar = DYNAMIC_DOWNCAST(CGTToolBar, iOwner); bar != nullptr && bar->OnUserToolTip(this, custom))
        ioText = custom;
    ioTooltip.AddTool(m_Edit, ioText);
    return TRUE;
}
