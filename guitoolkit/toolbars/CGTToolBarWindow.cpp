// The toolbar as a window: creation and destruction, the messages of its data model,
// command-UI updates, commands of embedded controls, tooltips and the reset prompt.
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <afxpriv.h>
#include <guitoolkit/core/CGTKeyboardManager.h>
#include <guitoolkit/toolbars/CGTUserToolsManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitLibrary.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/core/GuiToolkitResources.h>
#include <guitoolkit/toolbars/GTCommandText.h>
#include <guitoolkit/toolbars/IGTToolbarFrame.h>
#include <algorithm>

BEGIN_MESSAGE_MAP(CGTToolBar, CGTBaseToolBar)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SETTINGCHANGE()
    ON_MESSAGE(TB_BUTTONCOUNT, &CGTToolBar::OnButtonCount)
    ON_MESSAGE(TB_GETITEMRECT, &CGTToolBar::OnGetItemRect)
    ON_REGISTERED_MESSAGE(GTTOOLBAR_RESETPROMPT, &CGTToolBar::OnResetPrompt)
    ON_WM_SIZE()
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_CANCELMODE()
    ON_WM_CONTEXTMENU()
    ON_COMMAND(ID_GT_CUSTOMIZE_RESET, &CGTToolBar::OnResetButton)
    ON_COMMAND(ID_GT_CUSTOMIZE_COPY_IMAGE, &CGTToolBar::OnCopyButtonImage)
    ON_COMMAND(ID_GT_CUSTOMIZE_DELETE, &CGTToolBar::OnDeleteButton)
    ON_COMMAND(ID_GT_CUSTOMIZE_APPEARANCE, &CGTToolBar::OnButtonAppearance)
    ON_COMMAND(ID_GT_CUSTOMIZE_IMAGE, &CGTToolBar::OnSetImageOnly)
    ON_COMMAND(ID_GT_CUSTOMIZE_TEXT, &CGTToolBar::OnSetTextOnly)
    ON_COMMAND(ID_GT_CUSTOMIZE_IMAGE_AND_TEXT, &CGTToolBar::OnSetImageAndText)
    ON_COMMAND(ID_GT_CUSTOMIZE_START_GROUP, &CGTToolBar::OnStartGroup)
    ON_COMMAND(ID_GT_CUSTOMIZE_NEW_MENU, &CGTToolBar::OnNewMenu)
    ON_WM_SHOWWINDOW()
    ON_WM_CTLCOLOR()
    ON_WM_SETCURSOR()
    ON_MESSAGE(WM_HELPHITTEST, &CGTToolBar::OnHelpHitTest)
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_NCHITTEST()
    ON_MESSAGE(WM_MOUSELEAVE, &CGTToolBar::OnMouseLeave)
    ON_MESSAGE(TB_GETBUTTON, &CGTToolBar::OnGetButton)
    ON_MESSAGE(TB_GETBUTTONTEXTW, &CGTToolBar::OnGetButtonText)
END_MESSAGE_MAP()

namespace {
// Bar-style bits, kept apart from the window style.
const DWORD barStyleMask = 0x40FFFF;
const UINT dragCursorIds[] = {30980, 30981};

BOOL IsSystemMenuCommand(UINT id)
{
    return (id >= 0xF000 && id <= 0xF1EF) || id >= 0xFF00;
}

// Updates one button from the command handlers of the frame.
class CGTToolBarCmdUI : public CCmdUI {
public:
    CGTToolBarCmdUI(CGTToolBar& iBar, BOOL iNoTextUpdate) : m_Bar(iBar), m_NoTextUpdate(iNoTextUpdate)
    {
        m_pOther = &iBar;
        m_nIndexMax = static_cast<UINT>(iBar.GetButtonCount());
    }

    void Enable(BOOL iOn) override
    {
        m_bEnableChanged = TRUE;
        CGTToolbarButton* button = Button();
        UINT style = button->m_Style & ~TBBS_DISABLED;
        if (!iOn)
            style |= TBBS_DISABLED;
        m_Bar.SetButtonStyle(m_nIndex, style);
        button->EnableControl(iOn);
    }
    void SetCheck(int iCheck) override
    {
        UINT style = (Button()->m_Style & ~(TBBS_CHECKED | TBBS_INDETERMINATE)) | TBBS_CHECKBOX;
        if (iCheck >= 3)
            iCheck = 1;
        if (iCheck == 1)
            style |= TBBS_CHECKED;
        else if (iCheck == 2)
            style |= TBBS_INDETERMINATE;
        m_Bar.SetButtonStyle(m_nIndex, style);
    }
    void SetRadio(BOOL iOn) override
    {
        SetCheck(iOn ? 1 : 0);
        Button()->SetRadio();
    }
    void SetText(LPCWSTR iText) override
    {
        CGTToolbarButton* button = Button();
        if (m_NoTextUpdate || iText == nullptr)
            return;
        CString text(iText);
        const int tab = text.Find(L'\t');
        if (tab >= 0)
            text = text.Left(tab);
        CString current = button->m_Text;
        const int currentTab = current.Find(L'\t');
        if (currentTab >= 0)
            current = current.Left(currentTab);
        if (text == current)
            return;
        button->m_Text = text;
        m_Bar.AdjustLayout();
    }

    // System-menu commands and separators are not updated; a user tool's command is never
    // disabled for want of a handler.
    void Update(int iIndex, CCmdTarget* iTarget, BOOL iDisableIfNoHandler)
    {
        const CGTToolbarButton* button = m_Bar.GetButton(iIndex);
        if (button->IsSeparator() || IsSystemMenuCommand(button->m_CommandId))
            return;
        m_nIndex = static_cast<UINT>(iIndex);
        m_nID = button->m_CommandId;
        const CGTUserToolsManager* tools = CGTUserToolsManager::Current();
        const BOOL isTool = tools != nullptr && tools->FindToolByCommand(button->m_CommandId) != nullptr;
        DoUpdate(iTarget, isTool ? FALSE : iDisableIfNoHandler);
    }

private:
    CGTToolbarButton* Button() const { return m_Bar.GetButton(m_nIndex); }

    CGTToolBar& m_Bar;
    BOOL m_NoTextUpdate;
};
}  // namespace

BOOL CGTToolBar::CreateEx(CWnd* iParent, DWORD iToolbarStyle, DWORD iStyle, CRect iBorders, UINT iId)
{
    m_cxLeftBorder = std::max(iBorders.left, 1L);
    m_cyTopBorder = std::max(iBorders.top, 1L);
    m_cxRightBorder = iBorders.right;
    m_cyBottomBorder = iBorders.bottom;
    iStyle |= CBRS_SIZE_DYNAMIC;
    DWORD barStyle = iStyle & barStyleMask;
    if (iId == AFX_IDW_TOOLBAR)
        barStyle |= CBRS_HIDE_INPLACE;
    const DWORD windowStyle =
        ((iStyle & ~barStyleMask) | iToolbarStyle | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER) & ~0x2;
    return CreateWithBarStyle(RegisterLibraryWindowClass(L"VADEToolBar"), windowStyle, iParent, iId, barStyle);
}

int CGTToolBar::OnCreate(LPCREATESTRUCT iCreate)
{
    if (CGTBaseToolBar::OnCreate(iCreate) == -1)
        return -1;
    GuiToolkitGlobals& globals = theGuiToolkitGlobals;
    HCURSOR* dragCursors[] = {&globals.cursorToolbarDrag1, &globals.cursorToolbarDrag2};
    for (int i = 0; i < 2; ++i) {
        if (*dragCursors[i] == nullptr)
            *dragCursors[i] = ::LoadCursorW(AfxGetResourceHandle(), MAKEINTRESOURCEW(dragCursorIds[i]));
    }
    if (globals.cursorSizeAll == nullptr)
        globals.cursorSizeAll = ::LoadCursorW(nullptr, IDC_SIZEALL);
    CWnd* frame = GetOwningFrameWindow(this);
    CGTToolBarImages::SetDisableFading(frame != nullptr && (frame->GetExStyle() & WS_EX_LAYOUTRTL) != 0);
    if (!m_NoDropTarget && AfxOleIsInitialized())
        m_DropTarget.Register(this);
    m_InsertionPen.CreatePen(PS_SOLID, 1, GetTextColor());
    if (m_Tooltip.Create(this, TTS_ALWAYSTIP)) {
        m_Tooltip.Activate(TRUE);
        if (globals.maxTooltipWidth != -1)
            m_Tooltip.SetMaxTipWidth(globals.maxTooltipWidth);
    }
    s_AllToolbars.AddTail(this);
    return 0;
}

void CGTToolBar::OnDestroy()
{
    m_InsertionPen.DeleteObject();
    if (m_Tooltip.GetSafeHwnd() != nullptr)
        m_Tooltip.DestroyWindow();
    CGTBaseToolBar::OnDestroy();
    if (s_CustomizeSelectionBar == this)
        s_CustomizeSelectionBar = nullptr;
    if (POSITION position = s_AllToolbars.Find(this))
        s_AllToolbars.RemoveAt(position);
}

void CGTToolBar::OnSettingChange(UINT iFlags, LPCWSTR iSection)
{
    CGTBaseToolBar::OnSettingChange(iFlags, iSection);
    if (iFlags == SPI_SETNONCLIENTMETRICS) {
        theGuiToolkitGlobals.UpdateFonts();
        AdjustLayout();
    }
}

LRESULT CGTToolBar::OnButtonCount(WPARAM, LPARAM)
{
    return GetButtonCount();
}

LRESULT CGTToolBar::OnGetItemRect(WPARAM iIndex, LPARAM oRect)
{
    GetItemRect(static_cast<int>(iIndex), reinterpret_cast<LPRECT>(oRect));
    return TRUE;
}

CSize CGTToolBar::GetStretchLimit(BOOL iStretch, BOOL iHorizontal)
{
    return CalcSize((iStretch ? LM_STRETCH : 0) | (iHorizontal ? LM_HORZ : 0), -1);
}

void CGTToolBar::OnUpdateCmdUI(CFrameWnd* iTarget, BOOL iDisableIfNoHandler)
{
    UpdateCmdUIFrom(iTarget, iDisableIfNoHandler);
}

void CGTToolBar::UpdateCmdUIFrom(CCmdTarget* iTarget, BOOL iDisableIfNoHandler, int iIndex)
{
    CGTToolBarCmdUI state(*this, m_NoTextUpdate);
    if (iIndex >= 0) {
        if (GetButton(iIndex) != nullptr)
            state.Update(iIndex, iTarget, iDisableIfNoHandler);
        return;
    }
    for (int index = 0; index < GetButtonCount(); ++index)
        state.Update(index, iTarget, iDisableIfNoHandler);
    UpdateDialogControls(iTarget, m_UpdateDialogControls ? iDisableIfNoHandler : FALSE);
}

void CGTToolBar::UpdateButtonCmdUI(int iIndex)
{
    CWnd* owner = GetOwner();
    CFrameWnd* target = owner != nullptr && owner->IsFrameWnd() ? static_cast<CFrameWnd*>(owner) : GetParentFrame();
    if (target != nullptr)
        UpdateCmdUIFrom(target, target->m_bAutoMenuEnable, iIndex);
}

BOOL CGTToolBar::OnCommand(WPARAM iWParam, LPARAM iLParam)
{
    if (s_CustomizeMode && !m_Locked)
        return CGTBaseToolBar::OnCommand(iWParam, iLParam);
    HWND sender = reinterpret_cast<HWND>(iLParam);
    UINT notifyCode = HIWORD(iWParam);
    BOOL fromKeyboard = FALSE;
    if (sender == nullptr) {
        switch (LOWORD(iWParam)) {
        case IDCANCEL:
            RestoreFocus();
            return TRUE;
        case IDOK:
            sender = ::GetFocus();
            notifyCode = 0;
            fromKeyboard = TRUE;
            break;
        default:
            return FALSE;
        }
    }
    CGTToolbarButton* button = ButtonOfControl(sender);
    return button != nullptr && PostButtonCommand(button, fromKeyboard, notifyCode, iWParam, iLParam);
}

CGTToolbarButton* CGTToolBar::ButtonOfControl(HWND iSender) const
{
    if (iSender == nullptr)
        return nullptr;
    for (POSITION position = m_Buttons.GetHeadPosition(); position != nullptr;) {
        auto* button = static_cast<CGTToolbarButton*>(m_Buttons.GetNext(position));
        if (button->IsControlOrChild(iSender))
            return button;
    }
    return nullptr;
}

BOOL CGTToolBar::RouteControlCommand(WPARAM iWParam, LPARAM iLParam)
{
    const HWND sender = reinterpret_cast<HWND>(iLParam);
    LRESULT result = 0;
    if (sender != nullptr && ReflectLastMsg(sender, &result))
        return TRUE;
    // A notification of a button's control goes to the owner only as the button lets it.
    return OnCommand(iWParam, iLParam) || ButtonOfControl(sender) != nullptr;
}

INT_PTR CGTToolBar::OnToolHitTest(CPoint iPoint, TOOLINFO* oInfo) const
{
    if (!s_ShowTooltips)
        return -1;
    HWND child = ::ChildWindowFromPointEx(m_hWnd, iPoint, CWP_SKIPINVISIBLE);
    if (child != nullptr && child != m_hWnd)
        return CGTBaseToolBar::OnToolHitTest(iPoint, oInfo);
    const int index = HitTest(iPoint);
    CGTToolbarButton* button = GetButton(index);
    if (button == nullptr)
        return -1;
    if (oInfo == nullptr)
        return button->m_CommandId;
    const UINT id = button->m_CommandId;
    CString tip = ButtonTooltip(*button);
    if (tip.IsEmpty())
        return -1;
    CString keys;
    if (s_ShowShortcutKeys && id != 0 && id != static_cast<UINT>(-1) &&
        CGTKeyboardManager::FormatCommandShortcut(id, keys, GetActiveTopLevelFrame(const_cast<CGTToolBar*>(this))))
        tip += L" (" + keys + L")";
    const size_t length = static_cast<size_t>(tip.GetLength()) + 1;
    oInfo->lpszText = static_cast<LPWSTR>(::malloc(length * sizeof(wchar_t)));
    if (oInfo->lpszText != nullptr)
        wcscpy_s(oInfo->lpszText, length, tip);
    oInfo->rect = button->Rect();
    oInfo->uId = id == static_cast<UINT>(-1) ? 0 : id;
    oInfo->hwnd = m_hWnd;
    return static_cast<INT_PTR>(oInfo->uId);
}

CString CGTToolBar::ButtonTooltip(CGTToolbarButton& iButton) const
{
    CString tip;
    if (OnUserToolTip(&iButton, tip))
        return tip;
    const UINT id = iButton.m_CommandId;
    const CGTUserToolsManager* tools = CGTUserToolsManager::Current();
    if (id == 0 || id == static_cast<UINT>(-1) || (iButton.m_UserImage && !iButton.m_Text.IsEmpty())) {
        tip = iButton.m_Text;
        tip.Remove(L'&');
        return tip;
    }
    if (tools != nullptr && tools->FindToolByCommand(id) != nullptr)
        return iButton.m_Text;
    return GetCommandText(id);
}

LRESULT CGTToolBar::OnResetPrompt(WPARAM, LPARAM)
{
    ResetWithPrompt();
    return 0;
}

void CGTToolBar::ResetWithPrompt()
{
    CString name;
    GetWindowText(name);
    name.Trim();
    if (name.IsEmpty())
        name.LoadString(IDS_GT_UNTITLED);
    CString prompt;
    prompt.Format(IDS_GT_RESET_TOOLBAR, static_cast<LPCWSTR>(name));
    if (AfxMessageBox(prompt, MB_YESNO | MB_ICONQUESTION) == IDYES)
        RestoreOriginalState();
}
