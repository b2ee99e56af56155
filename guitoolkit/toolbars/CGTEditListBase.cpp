#include <guitoolkit/toolbars/CGTEditListBase.h>
#include <guitoolkit/controls/CGTButton.h>
#include <guitoolkit/core/CGTLocalResource.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/CGTKeyHelper.h>
#include <guitoolkit/toolbars/GTEditorResources.h>
#include <algorithm>

namespace {
struct StandardButtonInfo {
    UINT bit;
    UINT highColorImage;
    UINT image;
    UINT tooltip;
    WORD key;
    BYTE modifiers;
    UINT command;
};

const StandardButtonInfo standardButtons[] = {
    {CGTEditListBase::ButtonNew, IDB_GT_LIST_NEW_24, IDB_GT_LIST_NEW, IDS_GT_LIST_NEW, VK_INSERT, 0,
     CGTEditListBase::CommandNew},
    {CGTEditListBase::ButtonDelete, IDB_GT_LIST_DELETE_24, IDB_GT_LIST_DELETE, IDS_GT_LIST_DELETE, VK_DELETE, 0,
     CGTEditListBase::CommandDelete},
    {CGTEditListBase::ButtonMoveUp, IDB_GT_LIST_UP_24, IDB_GT_LIST_UP, IDS_GT_LIST_MOVE_UP, VK_UP, FALT,
     CGTEditListBase::CommandMoveUp},
    {CGTEditListBase::ButtonMoveDown, IDB_GT_LIST_DOWN_24, IDB_GT_LIST_DOWN, IDS_GT_LIST_MOVE_DOWN, VK_DOWN, FALT,
     CGTEditListBase::CommandMoveDown},
};

BOOL HighColorImages()
{
    const GuiToolkitGlobals& globals = theGuiToolkitGlobals;
    return globals.allowHighColorImages && globals.bitsPerPixel >= 16 && !globals.isBlackHighContrast;
}

// The first control id of the buttons; the list takes a lower one.
const int firstButtonId = 2;
}  // namespace

BEGIN_MESSAGE_MAP(CGTEditListBase, CStatic)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_ENABLE()
    ON_WM_SETFOCUS()
    ON_WM_GETDLGCODE()
    ON_MESSAGE(WM_SETFONT, &CGTEditListBase::OnSetFont)
    ON_MESSAGE(WM_GETFONT, &CGTEditListBase::OnGetFont)
END_MESSAGE_MAP()

CGTEditListBase::CGTEditListBase()
    : m_ButtonSize(0, 0), m_CaptionRect(0, 0, 0, 0), m_StandardButtons(0), m_BrowseButton(FALSE),
      m_GrayDisabledButtons(FALSE), m_Enabled(TRUE), m_Creating(FALSE)
{
}

CGTEditListBase::~CGTEditListBase() = default;

BOOL CGTEditListBase::AddStandardButtons(UINT iMask)
{
    CGTLocalResource toolkitResources;
    const BOOL highColor = HighColorImages();
    for (const StandardButtonInfo& info : standardButtons) {
        if ((iMask & info.bit) == 0)
            continue;
        CString tooltip;
        tooltip.LoadString(info.tooltip);
        if (!AddCaptionButton(highColor ? info.highColorImage : info.image, tooltip, info.key, info.modifiers,
                              info.command))
            return FALSE;
    }
    m_StandardButtons |= iMask;
    return TRUE;
}

BOOL CGTEditListBase::AddCaptionButton(UINT iImageId, LPCWSTR iTooltip, WORD iKey, BYTE iModifiers, UINT iCommandId)
{
    if (GetSafeHwnd() == nullptr)
        return FALSE;
    auto button = std::make_unique<CGTButton>();
    const UINT id = static_cast<UINT>(m_Buttons.size()) + firstButtonId;
    if (!button->Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(0, 0, 0, 0), this, id))
        return FALSE;
    button->SetImageResource(iImageId);
    button->FitToContent();
    CString tooltip = iTooltip != nullptr ? iTooltip : L"";
    if (iKey != 0) {
        const ACCEL accel = {static_cast<BYTE>(FVIRTKEY | iModifiers), iKey, 0};
        CString keyText;
        CGTKeyHelper(&accel).Format(keyText);
        tooltip += L" (" + keyText + L")";
    }
    button->SetToolTipText(tooltip);
    button->m_DisabledLook = m_GrayDisabledButtons;
    if (m_Buttons.empty()) {
        CRect window;
        button->GetWindowRect(&window);
        m_ButtonSize = window.Size();
    }
    m_ButtonCommands.SetAt(static_cast<int>(m_Buttons.size()), iCommandId);
    m_ButtonKeys.push_back(MAKELONG(iKey, iModifiers));
    m_Buttons.push_back(std::move(button));
    AdjustLayout();
    return TRUE;
}

CGTButton* CGTEditListBase::GetButton(int iIndex) const
{
    return iIndex >= 0 && iIndex < GetButtonCount() ? m_Buttons[iIndex].get() : nullptr;
}

UINT CGTEditListBase::GetButtonCommand(int iIndex) const
{
    UINT command = 0;
    return m_ButtonCommands.Lookup(iIndex, command) ? command : 0;
}

void CGTEditListBase::SetGrayDisabledButtons(BOOL iOn)
{
    m_GrayDisabledButtons = iOn;
    for (const auto& button : m_Buttons) {
        button->m_DisabledLook = iOn;
        button->Invalidate();
    }
}

int CGTEditListBase::OnGetImage(const LVITEMW&)
{
    return -1;
}

void CGTEditListBase::Initialize()
{
    CreateList();
    AdjustLayout();
}

BOOL CGTEditListBase::Create(LPCWSTR iCaption, DWORD iStyle, const RECT& iRect, CWnd* iParent, UINT iId)
{
    m_Creating = TRUE;
    const BOOL created = CStatic::Create(iCaption, iStyle, iRect, iParent, iId);
    m_Creating = FALSE;
    return created;
}

void CGTEditListBase::PreSubclassWindow()
{
    CStatic::PreSubclassWindow();
    // A window that Create is making is set up by its WM_CREATE.
    if (!m_Creating)
        Initialize();
}

int CGTEditListBase::OnCreate(LPCREATESTRUCT iCreate)
{
    if (CStatic::OnCreate(iCreate) == -1)
        return -1;
    Initialize();
    return 0;
}

CFont* CGTEditListBase::TextFont() const
{
    if (m_Font.GetSafeHandle() != nullptr)
        return const_cast<CFont*>(&m_Font);
    CWnd* parent = GetParent();
    CFont* font = parent != nullptr ? parent->GetFont() : nullptr;
    return font != nullptr ? font : CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
}

void CGTEditListBase::AdjustLayout()
{
    if (GetSafeHwnd() == nullptr)
        return;
    CRect client;
    GetClientRect(&client);
    int textHeight = 0;
    {
        CClientDC dc(this);
        CFont* oldFont = dc.SelectObject(TextFont());
        TEXTMETRICW metrics = {};
        dc.GetTextMetrics(&metrics);
        dc.SelectObject(oldFont);
        textHeight = metrics.tmHeight;
    }
    m_CaptionRect = client;
    m_CaptionRect.bottom = client.top + std::max(textHeight * 4 / 3, static_cast<int>(m_ButtonSize.cy));
    int right = m_CaptionRect.right;
    for (auto button = m_Buttons.rbegin(); button != m_Buttons.rend(); ++button) {
        right -= m_ButtonSize.cx;
        (*button)->SetWindowPos(nullptr, right, m_CaptionRect.top + 1, m_ButtonSize.cx, m_CaptionRect.Height() - 2,
                                SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (CWnd* list = GetListWnd(); list != nullptr && list->GetSafeHwnd() != nullptr) {
        list->SetWindowPos(nullptr, client.left, m_CaptionRect.bottom, client.Width(),
                           client.bottom - m_CaptionRect.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
        OnSizeList();
    }
    Invalidate();
}

void CGTEditListBase::OnSize(UINT iType, int iWidth, int iHeight)
{
    CStatic::OnSize(iType, iWidth, iHeight);
    AdjustLayout();
}

BOOL CGTEditListBase::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CGTEditListBase::OnPaint()
{
    CPaintDC dc(this);
    const GuiToolkitGlobals& globals = theGuiToolkitGlobals;
    dc.FillRect(&m_CaptionRect, const_cast<CBrush*>(&globals.brushBtnFace));
    dc.Draw3dRect(&m_CaptionRect, globals.colorBtnShadow, globals.colorBtnHighlight);
    CString caption;
    GetWindowText(caption);
    CRect textRect = m_CaptionRect;
    textRect.DeflateRect(5, 0);
    CFont* oldFont = dc.SelectObject(TextFont());
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(IsWindowEnabled() ? globals.colorBtnText : globals.colorGrayText);
    dc.DrawText(caption, textRect, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS);
    dc.SelectObject(oldFont);
}

void CGTEditListBase::EnableButtons(BOOL iEnable)
{
    for (const auto& button : m_Buttons)
        button->EnableWindow(iEnable);
}

void CGTEditListBase::OnEnable(BOOL iEnable)
{
    CStatic::OnEnable(iEnable);
    m_Enabled = iEnable;
    EnableButtons(iEnable);
    if (CWnd* list = GetListWnd(); list != nullptr && list->GetSafeHwnd() != nullptr)
        list->EnableWindow(iEnable);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CGTEditListBase::OnSetFocus(CWnd* iPrevious)
{
    CStatic::OnSetFocus(iPrevious);
    if (CWnd* list = GetListWnd(); list != nullptr && list->GetSafeHwnd() != nullptr)
        list->SetFocus();
}

UINT CGTEditListBase::OnGetDlgCode()
{
    return DLGC_WANTALLKEYS;
}

LRESULT CGTEditListBase::OnSetFont(WPARAM iFont, LPARAM iRedraw)
{
    m_Font.DeleteObject();
    LOGFONTW description = {};
    if (iFont != 0 && ::GetObjectW(reinterpret_cast<HFONT>(iFont), sizeof(description), &description) != 0)
        m_Font.CreateFontIndirect(&description);
    if (CWnd* list = GetListWnd(); list != nullptr && list->GetSafeHwnd() != nullptr)
        list->SetFont(TextFont(), FALSE);
    AdjustLayout();
    if (iRedraw)
        RedrawWindow();
    return 0;
}

LRESULT CGTEditListBase::OnGetFont(WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>(m_Font.GetSafeHandle());
}

BOOL CGTEditListBase::OnCommand(WPARAM iWParam, LPARAM iLParam)
{
    const int index = static_cast<int>(LOWORD(iWParam)) - firstButtonId;
    if (HIWORD(iWParam) == BN_CLICKED && iLParam != 0 && GetButton(index) != nullptr &&
        GetButton(index)->GetSafeHwnd() == reinterpret_cast<HWND>(iLParam)) {
        OnClickButton(index);
        return TRUE;
    }
    return CStatic::OnCommand(iWParam, iLParam);
}
