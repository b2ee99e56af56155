#include <guitoolkit/docking/CGTToolBox.h>
#include <guitoolkit/core/CGTMemDC.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GTTooltipInput.h>

int CGTToolBoxPage::OnCreate(LPCREATESTRUCT iCreate)
{
    if (CGTControlBar::OnCreate(iCreate) == -1)
        return -1;
    m_ToolTip.Create(this, TTS_ALWAYSTIP);
    for (int index = 0; index < GetToolCount(); ++index)
        m_ToolTip.AddTool(this, LPSTR_TEXTCALLBACKW, CRect(0, 0, 0, 0), index + 1);
    return 0;
}

BOOL CGTToolBoxPage::PreTranslateMessage(MSG* iMessage)
{
    if (IsTooltipInput(iMessage->message) && m_ToolTip.GetSafeHwnd() != nullptr)
        m_ToolTip.RelayEvent(iMessage);
    return CGTControlBar::PreTranslateMessage(iMessage);
}

BOOL CGTToolBoxPage::OnToolTipText(UINT, NMHDR* iHeader, LRESULT* oResult)
{
    auto* text = reinterpret_cast<TOOLTIPTEXTW*>(iHeader);
    const int index = static_cast<int>(iHeader->idFrom) - 1;
    static CString s_Text;
    s_Text = m_Mode == gridMode && index >= 0 && index < GetToolCount() ? m_Buttons[index]->m_Label : CString();
    text->lpszText = const_cast<LPWSTR>(static_cast<LPCWSTR>(s_Text));
    *oResult = 0;
    return TRUE;
}

void CGTToolBoxPage::OnPaint()
{
    CPaintDC paint(this);
    CGTMemDC memory(paint, this);
    CDC& dc = memory.GetDC();
    CRect client;
    GetClientRect(client);
    CGTVisualManager::GetCurrent()->FillToolBoxPage(&dc, client);
    CGTImageDrawPass pass;
    const BOOL drawing = m_Images.count > 0 && m_Images.BeginDrawing(pass);
    dc.SetBkMode(TRANSPARENT);
    CFont* oldFont = dc.SelectObject(&theGuiToolkitGlobals.fontRegular);
    for (int index = 0; index < GetToolCount(); ++index)
        m_Buttons[index]->OnDraw(&dc);
    if (drawing)
        m_Images.FinishDrawing(pass);
    dc.SelectObject(oldFont);
}

BOOL CGTToolBoxPage::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CGTToolBoxPage::OnSize(UINT iType, int iWidth, int iHeight)
{
    CGTControlBar::OnSize(iType, iWidth, iHeight);
    AdjustLayout();
}

void CGTToolBoxPage::OnSysColorChange()
{
    // The images follow the system colours they were mapped to.
    m_Images.Reload();
    Invalidate();
}

void CGTToolBoxPage::OnMouseMove(UINT iFlags, CPoint iPoint)
{
    CGTControlBar::OnMouseMove(iFlags, iPoint);
    const int hit = HitTest(iPoint);
    if (hit == m_Highlighted)
        return;
    const int previous = m_Highlighted;
    m_Highlighted = hit;
    RedrawTool(previous);
    RedrawTool(hit);
    if (hit >= 0 && GetCapture() != this)
        SetCapture();
    else if (hit < 0 && GetCapture() == this)
        ReleaseCapture();
}

void CGTToolBoxPage::OnLButtonUp(UINT iFlags, CPoint iPoint)
{
    CGTControlBar::OnLButtonUp(iFlags, iPoint);
    SetFocus();
    if (GetCapture() == this)
        ReleaseCapture();
    const int hit = HitTest(iPoint);
    const int previous = m_Highlighted;
    m_Highlighted = -1;
    RedrawTool(previous);
    if (hit < 0)
        return;
    SetSelected(hit);
    NotifyHost(hit);
}

void CGTToolBoxPage::OnCancelMode()
{
    CGTControlBar::OnCancelMode();
    const int previous = m_Highlighted;
    m_Highlighted = -1;
    RedrawTool(previous);
    if (GetCapture() == this)
        ReleaseCapture();
}
