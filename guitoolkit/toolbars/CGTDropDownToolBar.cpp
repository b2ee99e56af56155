#include <guitoolkit/toolbars/CGTDropDownToolBar.h>
#include <afxpriv.h>
#include <guitoolkit/toolbars/CGTDropDownFrame.h>
#include <guitoolkit/toolbars/CGTDropDownToolbarButton.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>

IMPLEMENT_SERIAL(CGTDropDownToolBar, CGTToolBar, VERSIONABLE_SCHEMA | 1)

BEGIN_MESSAGE_MAP(CGTDropDownToolBar, CGTToolBar)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CGTDropDownToolBar::CGTDropDownToolBar() : m_Frame(nullptr), m_Lender(nullptr), m_Borrower(nullptr)
{
    m_Locked = TRUE;
}

CGTDropDownToolBar::~CGTDropDownToolBar()
{
    // The base deletes what is on the list: borrowed buttons must be off it by then.
    ReturnButtons();
    if (m_Borrower != nullptr)
        m_Borrower->ReturnButtons();
}

BOOL CGTDropDownToolBar::LoadBitmapEx(const GTToolBarImageIds& iImageIds, BOOL)
{
    return CGTToolBar::LoadBitmapEx(iImageIds, TRUE);
}

BOOL CGTDropDownToolBar::LoadToolBarEx(UINT iResourceId, const GTToolBarImageIds& iImageIds, BOOL)
{
    return CGTToolBar::LoadToolBarEx(iResourceId, iImageIds, TRUE);
}

void CGTDropDownToolBar::OnUpdateCmdUI(CFrameWnd* iTarget, BOOL iDisableIfNoHandler)
{
    auto* target = DYNAMIC_DOWNCAST(CFrameWnd, GetCommandTarget());
    CGTToolBar::OnUpdateCmdUI(target != nullptr ? target : iTarget, iDisableIfNoHandler);
}

// --- Lending the buttons ---

void CGTDropDownToolBar::BorrowButtonsOf(CGTDropDownToolBar& ioGroup, CGTDropDownFrame& iFrame)
{
    ReturnButtons();
    m_Frame = &iFrame;
    m_Lender = &ioGroup;
    ioGroup.m_Borrower = this;
    ioGroup.Images().BorrowFrom(Images());
    m_Buttons.AddTail(const_cast<CObList*>(&ioGroup.GetAllButtons()));
}

void CGTDropDownToolBar::ReturnButtons()
{
    if (m_Lender == nullptr)
        return;
    m_Buttons.RemoveAll();
    m_PressedIndex = m_HotIndex = m_SelectedIndex = -1;
    m_Lender->m_Borrower = nullptr;
    m_Lender = nullptr;
}

int CGTDropDownToolBar::InsertButton(CGTToolbarButton* iButton, int iIndex)
{
    return IsBorrowing() || IsLent() ? -1 : CGTToolBar::InsertButton(iButton, iIndex);
}

BOOL CGTDropDownToolBar::RemoveButton(int iIndex)
{
    return !IsBorrowing() && !IsLent() && CGTToolBar::RemoveButton(iIndex);
}

void CGTDropDownToolBar::RemoveAllButtons()
{
    if (IsBorrowing())
        ReturnButtons();
    else if (!IsLent())
        CGTToolBar::RemoveAllButtons();
}

BOOL CGTDropDownToolBar::OnRemoveDraggedButton(CGTToolbarButton* iButton)
{
    return !IsBorrowing() && !IsLent() && CGTToolBar::OnRemoveDraggedButton(iButton);
}

// --- The frame's bar ---

BOOL CGTDropDownToolBar::TakesButtonCommand(CGTToolbarButton* iButton)
{
    const UINT command = iButton->m_CommandId;
    if (m_Frame == nullptr || (iButton->m_Style & TBBS_DISABLED) || command == 0 || command == static_cast<UINT>(-1))
        return FALSE;
    if (CGTDropDownToolbarButton* button = m_Frame->GetButton())
        button->SetDefaultCommand(command);
    if (CWnd* owner = GetOwner() != nullptr ? GetOwner() : GetParent())
        owner->PostMessage(WM_COMMAND, command);
    // The frame goes after this click's handling, which still runs on its bar.
    m_Frame->PostMessage(WM_CLOSE);
    return TRUE;
}

void CGTDropDownToolBar::OnMouseMove(UINT iFlags, CPoint iPoint)
{
    if (m_Frame == nullptr) {
        CGTToolBar::OnMouseMove(iFlags, iPoint);
        return;
    }
    if (iPoint == m_LastPoint)
        return;
    m_LastPoint = iPoint;
    int hot = HitTest(iPoint);
    if (const CGTToolbarButton* button = GetButton(hot); button != nullptr && (button->m_Style & TBBS_DISABLED))
        hot = -1;
    if (!m_Tracking) {
        TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, m_hWnd, HOVER_DEFAULT};
        m_Tracking = ::TrackMouseEvent(&track);
    }
    if (hot != m_HotIndex) {
        if (CGTToolbarButton* previous = GetButton(m_HotIndex))
            SetButtonStyle(m_HotIndex, previous->m_Style & ~TBBS_PRESSED);
        if (CGTToolbarButton* next = GetButton(hot))
            SetButtonStyle(hot, next->m_Style | TBBS_PRESSED);
        InvalidateButton(m_HotIndex);
        InvalidateButton(hot);
        UpdateWindow();
    }
    if (const CGTToolbarButton* button = GetButton(hot))
        ShowCommandMessageString(button->m_CommandId);
    else if (CGTPopupMenu::GetActiveMenu() == nullptr && GetOwner() != nullptr)
        GetOwner()->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    CGTToolBar::SetHot(hot);
    m_HotIndex = hot;
}

void CGTDropDownToolBar::OnLButtonUp(UINT iFlags, CPoint iPoint)
{
    if (m_Frame == nullptr || IsCustomizeMode()) {
        CGTToolBar::OnLButtonUp(iFlags, iPoint);
        return;
    }
    CRect client;
    GetClientRect(&client);
    if (!client.PtInRect(iPoint)) {
        m_Frame->PostMessage(WM_CLOSE);
        return;
    }
    CGTToolbarButton* hot = GetButton(m_HotIndex);
    if (hot == nullptr)
        return;
    m_PressedIndex = m_HotIndex;
    hot->m_Style &= ~TBBS_PRESSED;
    CGTToolBar::OnLButtonUp(iFlags, iPoint);
}
