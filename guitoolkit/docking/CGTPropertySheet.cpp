#include <guitoolkit/docking/CGTPropertySheet.h>
#include <guitoolkit/core/CGTDibSection.h>

IMPLEMENT_DYNAMIC(CGTPropertySheet, CPropertySheet)

BEGIN_MESSAGE_MAP(CGTPropertySheet, CPropertySheet)
    ON_WM_ACTIVATE()
    ON_WM_NCACTIVATE()
    ON_MESSAGE(highlightPageButtonMessage, &CGTPropertySheet::OnHighlightPageButton)
    ON_NOTIFY(TVN_SELCHANGEDW, treeId, &CGTPropertySheet::OnTreeSelChanged)
    ON_NOTIFY(TVN_SELCHANGEDA, treeId, &CGTPropertySheet::OnTreeSelChanged)
    ON_NOTIFY(TVN_GETDISPINFOW, treeId, &CGTPropertySheet::OnTreeGetDispInfo)
    ON_NOTIFY(TVN_GETDISPINFOA, treeId, &CGTPropertySheet::OnTreeGetDispInfo)
END_MESSAGE_MAP()

CGTPropertySheet::CGTPropertySheet()
    : m_NavigationStyle(platformTabs), m_PageButtons(nullptr), m_NavigationWidth(100), m_HighlightedPage(-1),
      m_IconsHaveAlpha(FALSE), m_Categories(10), m_TreeChangesPage(FALSE), m_ActivatingPage(nullptr), m_DlgImpl(*this)
{
}

CGTPropertySheet::CGTPropertySheet(UINT iCaptionId, CWnd* iParent, UINT iSelectPage)
    : CPropertySheet(iCaptionId, iParent, iSelectPage), m_NavigationStyle(platformTabs), m_PageButtons(nullptr),
      m_NavigationWidth(100), m_HighlightedPage(-1), m_IconsHaveAlpha(FALSE), m_Categories(10),
      m_TreeChangesPage(FALSE), m_ActivatingPage(nullptr), m_DlgImpl(*this)
{
}

CGTPropertySheet::~CGTPropertySheet()
{
    // The window goes first, so that the categories take their pages out of the lists only.
    if (m_hWnd != nullptr)
        DestroyWindow();
    while (!m_Categories.IsEmpty())
        delete m_Categories.GetHead();
}

void CGTPropertySheet::SetNavigationStyle(int iStyle, int iWidth)
{
    m_NavigationStyle = iStyle;
    m_NavigationWidth = iWidth;
    if (iStyle != platformTabs)
        EnableStackedTabs(FALSE);
}

void CGTPropertySheet::SetIconsList(HIMAGELIST iImages)
{
    m_Icons.DeleteImageList();
    if (iImages != nullptr)
        m_Icons.Attach(ImageList_Duplicate(iImages));
}

BOOL CGTPropertySheet::LoadNavigationIcons(UINT iBitmapId, int iIconWidth, COLORREF iMask)
{
    LPCWSTR name = MAKEINTRESOURCEW(iBitmapId);
    auto bitmap = static_cast<HBITMAP>(
        ::LoadImageW(AfxFindResourceHandle(name, RT_BITMAP), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (bitmap == nullptr || iIconWidth <= 0)
        return FALSE;
    BITMAP info = {};
    ::GetObjectW(bitmap, sizeof(info), &info);
    UINT depth = ILC_COLOR4;
    switch (info.bmBitsPixel) {
    case 8:
        depth = ILC_COLOR8;
        break;
    case 16:
        depth = ILC_COLOR16;
        break;
    case 24:
        depth = ILC_COLOR24;
        break;
    case 32:
        depth = ILC_COLOR32;
        break;
    default:
        break;
    }
    CImageList icons;
    const BOOL masked = iMask != static_cast<COLORREF>(-1);
    icons.Create(iIconWidth, info.bmHeight, depth | (masked ? ILC_MASK : 0), 0, 0);
    CBitmap strip;
    strip.Attach(bitmap);
    const int added = masked ? icons.Add(&strip, iMask) : icons.Add(&strip, static_cast<CBitmap*>(nullptr));
    if (added < 0)
        return FALSE;
    m_Icons.DeleteImageList();
    m_Icons.Attach(icons.Detach());
    m_IconsHaveAlpha = info.bmBitsPixel == 32;
    return TRUE;
}

void CGTPropertySheet::AddPage(CPropertyPage* iPage)
{
    CPropertySheet::AddPage(iPage);
    if (m_hWnd != nullptr && m_NavigationStyle != platformTabs)
        AddNavigationItem(GetPageCount() - 1);
}

void CGTPropertySheet::RemovePage(CPropertyPage* iPage)
{
    const int index = GetPageIndex(iPage);
    if (index >= 0 && m_PageButtons != nullptr && m_PageButtons->GetSafeHwnd() != nullptr) {
        m_PageButtons->RemoveButton(index);
        m_PageButtons->AdjustLayout();
    }
    if (index >= 0 && m_TabWnd.GetSafeHwnd() != nullptr)
        m_TabWnd.RemoveTab(index);
    OnRemoveTreePage(iPage);
    CPropertySheet::RemovePage(iPage);
}

void CGTPropertySheet::RemovePage(int iPage)
{
    if (CPropertyPage* page = GetPage(iPage))
        RemovePage(page);
}

void CGTPropertySheet::AddPageToCategory(CGTPropSheetCategory* iCategory, CGTPropertyPage* iPage, int iIcon,
                                         int iSelectedIcon)
{
    iCategory->m_Pages.AddTail(iPage);
    iPage->m_Category = iCategory;
    iPage->m_Icon = iIcon;
    iPage->m_SelectedIcon = iSelectedIcon;
    AddPage(iPage);
}

CString CGTPropertySheet::PageLabel(int iPage) const
{
    WCHAR text[256] = {};
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 255;
    GetTabControl()->GetItem(iPage, &item);
    return text;
}

CPropertyPage* CGTPropertySheet::CurrentPage() const
{
    return m_ActivatingPage != nullptr ? m_ActivatingPage : GetActivePage();
}

void CGTPropertySheet::OnActivatePage(CPropertyPage* iPage)
{
    const int index = GetPageIndex(iPage);
    switch (m_NavigationStyle) {
    case outlookBar:
        if (m_PageButtons == nullptr || m_PageButtons->GetSafeHwnd() == nullptr)
            return;
        if (m_HighlightedPage >= 0 && m_HighlightedPage < m_PageButtons->GetButtonCount())
            m_PageButtons->SetButtonStyle(m_HighlightedPage,
                                          m_PageButtons->GetButtonStyle(m_HighlightedPage) & ~TBBS_CHECKED);
        m_HighlightedPage = index;
        PostMessage(highlightPageButtonMessage);
        break;
    case tree: {
        auto* page = DYNAMIC_DOWNCAST(CGTPropertyPage, iPage);
        if (m_Tree.GetSafeHwnd() == nullptr || page == nullptr || page->m_TreeItem == nullptr)
            return;
        if (!m_TreeChangesPage) {
            CPropertyPage* previous = m_ActivatingPage;
            m_ActivatingPage = iPage;
            m_Tree.SelectItem(page->m_TreeItem);
            m_ActivatingPage = previous;
        }
        m_Tree.EnsureVisible(page->m_TreeItem);
        break;
    }
    case tabWindow:
        if (m_TabWnd.GetSafeHwnd() == nullptr)
            return;
        m_TabWnd.SetActiveTab(index);
        m_TabWnd.EnsureVisible(index);
        break;
    default:
        break;
    }
}

LRESULT CGTPropertySheet::OnHighlightPageButton(WPARAM, LPARAM)
{
    if (m_PageButtons == nullptr || m_PageButtons->GetSafeHwnd() == nullptr || m_HighlightedPage < 0 ||
        m_HighlightedPage >= m_PageButtons->GetButtonCount())
        return 0;
    m_PageButtons->SetButtonStyle(m_HighlightedPage, m_PageButtons->GetButtonStyle(m_HighlightedPage) | TBBS_CHECKED);
    m_PageButtons->ScrollToButton(m_HighlightedPage);
    return 0;
}

BOOL CGTPropertySheet::PreTranslateMessage(MSG* iMsg)
{
    return m_DlgImpl.PreTranslateMessage(iMsg) || CPropertySheet::PreTranslateMessage(iMsg);
}

BOOL CGTPropertySheet::OnCommand(WPARAM iWParam, LPARAM iLParam)
{
    return m_DlgImpl.ProcessAccelCommand(iWParam, iLParam) || CPropertySheet::OnCommand(iWParam, iLParam);
}

void CGTPropertySheet::OnActivate(UINT iState, CWnd* iOther, BOOL iMinimized)
{
    CPropertySheet::OnActivate(iState, iOther, iMinimized);
    m_DlgImpl.OnActivate(iState, iOther);
}

BOOL CGTPropertySheet::OnNcActivate(BOOL iActive)
{
    m_DlgImpl.OnNcActivate(iActive);
    return (BOOL)DefWindowProc(WM_NCACTIVATE, iActive, 0);
}
