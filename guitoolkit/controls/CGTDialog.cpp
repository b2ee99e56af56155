#include <guitoolkit/controls/CGTDialog.h>
#include <guitoolkit/core/CGTLocalResource.h>

IMPLEMENT_DYNAMIC(CGTDialog, CDialog)

BEGIN_MESSAGE_MAP(CGTDialog, CDialog)
    ON_WM_ACTIVATE()
    ON_WM_NCACTIVATE()
    ON_WM_ERASEBKGND()
    ON_WM_DESTROY()
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CGTDialog::CGTDialog()
    : m_Bitmap(nullptr), m_BitmapSize(0, 0), m_Location(-1), m_OwnsBitmap(FALSE), m_Impl(*this),
      m_UseLibraryResources(FALSE)
{
}

CGTDialog::CGTDialog(UINT iTemplate, CWnd* iParent)
    : CDialog(iTemplate, iParent), m_Bitmap(nullptr), m_BitmapSize(0, 0), m_Location(-1), m_OwnsBitmap(FALSE),
      m_Impl(*this), m_UseLibraryResources(FALSE)
{
}

CGTDialog::~CGTDialog()
{
    DeleteBitmap();
}

void CGTDialog::DeleteBitmap()
{
    if (m_OwnsBitmap && m_Bitmap != nullptr)
        ::DeleteObject(m_Bitmap);
    m_Bitmap = nullptr;
    m_OwnsBitmap = FALSE;
}

void CGTDialog::SetBackgroundColor(COLORREF iColor, BOOL iRedraw)
{
    m_Brush.DeleteObject();
    if (iColor != (COLORREF)-1)
        m_Brush.CreateSolidBrush(iColor);
    if (iRedraw && GetSafeHwnd() != nullptr)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void CGTDialog::SetBackgroundImage(HBITMAP iBitmap, int iLocation, BOOL iAutoDestroy, BOOL iRedraw)
{
    // The bitmap it shows already may come again, for another place.
    if (iBitmap != m_Bitmap)
        DeleteBitmap();
    m_Bitmap = iBitmap;
    m_OwnsBitmap = iAutoDestroy;
    m_Location = iLocation;
    BITMAP info = {};
    if (iBitmap != nullptr)
        ::GetObjectW(iBitmap, sizeof(info), &info);
    m_BitmapSize = CSize(info.bmWidth, info.bmHeight);
    if (iRedraw && GetSafeHwnd() != nullptr)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void CGTDialog::SetActivePopupMenu(CWnd* iMenu)
{
    m_Impl.SetActivePopupMenu(iMenu);
}

BOOL CGTDialog::PreTranslateMessage(MSG* iMsg)
{
    return m_Impl.PreTranslateMessage(iMsg) || CDialog::PreTranslateMessage(iMsg);
}

BOOL CGTDialog::OnCommand(WPARAM iWParam, LPARAM iLParam)
{
    return m_Impl.ProcessAccelCommand(iWParam, iLParam) || CDialog::OnCommand(iWParam, iLParam);
}

INT_PTR CGTDialog::DoModal()
{
    if (m_UseLibraryResources)
        m_LocalResource = std::make_unique<CGTLocalResource>();
    return CDialog::DoModal();
}

void CGTDialog::PreInitDialog()
{
    m_LocalResource.reset();
    CDialog::PreInitDialog();
}

void CGTDialog::OnActivate(UINT iState, CWnd* iOther, BOOL iMinimized)
{
    CDialog::OnActivate(iState, iOther, iMinimized);
    m_Impl.OnActivate(iState, iOther);
}

BOOL CGTDialog::OnNcActivate(BOOL iActive)
{
    m_Impl.OnNcActivate(iActive);
    return (BOOL)DefWindowProc(WM_NCACTIVATE, iActive, 0);
}

BOOL CGTDialog::OnEraseBkgnd(CDC* iDc)
{
    if (m_Brush.GetSafeHandle() == nullptr && m_Bitmap == nullptr)
        return CDialog::OnEraseBkgnd(iDc);
    CRect client;
    GetClientRect(client);
    if (m_Bitmap == nullptr || m_Location != BackgroundTile) {
        if (m_Brush.GetSafeHandle() != nullptr)
            iDc->FillRect(client, &m_Brush);
        else
            CDialog::OnEraseBkgnd(iDc);
    }
    if (m_Bitmap != nullptr)
        DrawBitmap(iDc, client);
    return TRUE;
}

void CGTDialog::DrawBitmap(CDC* iDc, const CRect& iClient) const
{
    auto draw = [&](int iX, int iY) {
        ::DrawStateW(iDc->GetSafeHdc(), nullptr, nullptr, (LPARAM)m_Bitmap, 0, iX, iY, m_BitmapSize.cx, m_BitmapSize.cy,
                     DST_BITMAP);
    };
    if (m_BitmapSize.cx <= 0 || m_BitmapSize.cy <= 0)
        return;
    switch (m_Location) {
    case BackgroundTile:
        for (int y = iClient.top; y < iClient.bottom; y += m_BitmapSize.cy)
            for (int x = iClient.left; x < iClient.right; x += m_BitmapSize.cx)
                draw(x, y);
        break;
    case BackgroundTopRight:
        draw(iClient.right - m_BitmapSize.cx, iClient.top);
        break;
    case BackgroundBottomLeft:
        draw(iClient.left, iClient.bottom - m_BitmapSize.cy);
        break;
    case BackgroundBottomRight:
        draw(iClient.right - m_BitmapSize.cx, iClient.bottom - m_BitmapSize.cy);
        break;
    default:
        draw(iClient.left, iClient.top);
        break;
    }
}

HBRUSH CGTDialog::OnCtlColor(CDC* iDc, CWnd* iWnd, UINT iCtlColor)
{
    if ((m_Brush.GetSafeHandle() != nullptr || m_Bitmap != nullptr) && iCtlColor == CTLCOLOR_STATIC &&
        iWnd != nullptr) {
        WCHAR className[16] = {};
        ::GetClassNameW(iWnd->GetSafeHwnd(), className, 16);
        if (_wcsicmp(className, L"Static") == 0 || _wcsicmp(className, L"Button") == 0) {
            iDc->SetBkMode(TRANSPARENT);
            return (HBRUSH)::GetStockObject(NULL_BRUSH);
        }
    }
    return CDialog::OnCtlColor(iDc, iWnd, iCtlColor);
}

void CGTDialog::OnDestroy()
{
    DeleteBitmap();
    m_Impl.ForgetDialog();
    CDialog::OnDestroy();
}
