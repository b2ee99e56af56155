#include <guitoolkit/toolbars/CGTImageEditDlg.h>
#include <guitoolkit/core/CGTLocalResource.h>
#include <guitoolkit/core/CGTSelectedBitmap.h>
#include <guitoolkit/core/CGTToolBarImages.h>
#include <guitoolkit/core/GTClipboardImage.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitResources.h>
#include <guitoolkit/toolbars/GTEditorResources.h>
#include <afxole.h>
#include <afxpriv.h>
#include <algorithm>

namespace {
struct ToolCommand {
    UINT command;
    int mode;
};
const ToolCommand toolCommands[] = {
    {ID_GT_PENCIL_TOOL, CImagePaintArea::Pencil},   {ID_GT_FILL_TOOL, CImagePaintArea::Fill},
    {ID_GT_LINE_TOOL, CImagePaintArea::Line},       {ID_GT_RECTANGLE_TOOL, CImagePaintArea::Rectangle},
    {ID_GT_ELLIPSE_TOOL, CImagePaintArea::Ellipse}, {ID_GT_PICK_COLOR_TOOL, CImagePaintArea::PickColor},
};

int ModeOf(UINT iCommand)
{
    for (const ToolCommand& tool : toolCommands)
        if (tool.command == iCommand)
            return tool.mode;
    return -1;
}

// The button images' transparent colour.
const COLORREF lightGrey = RGB(192, 192, 192);
const int previewMargin = 4;

// The 16 standard colours: the stock default palette without its four extra entries (8 to 11).
BOOL CreateStandardPalette(CPalette& oPalette)
{
    PALETTEENTRY stock[20] = {};
    ::GetPaletteEntries(static_cast<HPALETTE>(::GetStockObject(DEFAULT_PALETTE)), 0, 20, stock);
    struct {
        LOGPALETTE header;
        PALETTEENTRY more[15];
    } palette = {{0x300, 16, {}}, {}};
    PALETTEENTRY* entries = palette.header.palPalEntry;
    std::copy(stock, stock + 8, entries);
    std::copy(stock + 12, stock + 20, entries + 8);
    return oPalette.CreatePalette(&palette.header);
}
}  // namespace

BEGIN_MESSAGE_MAP(CGTImageEditDlg, CGTDialog)
    ON_WM_PAINT()
    ON_COMMAND_RANGE(ID_GT_FILL_TOOL, ID_GT_ELLIPSE_TOOL, &CGTImageEditDlg::OnTool)
    ON_UPDATE_COMMAND_UI_RANGE(ID_GT_FILL_TOOL, ID_GT_ELLIPSE_TOOL, &CGTImageEditDlg::OnUpdateTool)
    ON_COMMAND(ID_GT_COPY_IMAGE, &CGTImageEditDlg::OnCopy)
    ON_COMMAND(ID_GT_PASTE_IMAGE, &CGTImageEditDlg::OnPaste)
    ON_UPDATE_COMMAND_UI(ID_GT_PASTE_IMAGE, &CGTImageEditDlg::OnUpdatePaste)
    ON_COMMAND(ID_GT_CLEAR_IMAGE, &CGTImageEditDlg::OnClear)
    ON_MESSAGE(WM_KICKIDLE, &CGTImageEditDlg::OnKickIdle)
    ON_COMMAND(IDC_GT_EDITOR_COLORS, &CGTImageEditDlg::OnColor)
END_MESSAGE_MAP()

CGTImageEditDlg::CGTImageEditDlg(CBitmap* iBitmap, CWnd* iParent, int iBitsPerPixel)
    : CGTDialog(IDD_GT_IMAGE_EDITOR, iParent), m_PaintArea(this), m_Bitmap(iBitmap), m_Width(0), m_Height(0),
      m_BitsPerPixel(iBitsPerPixel), m_PreviewFrameRect(0, 0, 0, 0), m_PreviewPosition(0, 0)
{
    BITMAP info = {};
    if (iBitmap != nullptr && iBitmap->GetSafeHandle() != nullptr &&
        ::GetObjectW(iBitmap->GetSafeHandle(), sizeof(info), &info) != 0) {
        m_Width = info.bmWidth;
        m_Height = info.bmHeight;
        if (m_BitsPerPixel == -1)
            m_BitsPerPixel = info.bmBitsPixel;
    }
}

BOOL CGTImageEditDlg::Edit(CBitmap& ioBitmap, CWnd* iParent, int iBitsPerPixel)
{
    CGTImageEditDlg editor(&ioBitmap, iParent, iBitsPerPixel);
    return editor.DoModal() == IDOK;
}

CRect CGTImageEditDlg::TakeFrame(CStatic& ioFrame, UINT iId)
{
    CRect rect(0, 0, 0, 0);
    if (!ioFrame.SubclassDlgItem(iId, this))
        return rect;
    ioFrame.GetWindowRect(&rect);
    ScreenToClient(&rect);
    // The frame only tells where its contents go; they would paint over it.
    ioFrame.ShowWindow(SW_HIDE);
    return rect;
}

BOOL CGTImageEditDlg::OnInitDialog()
{
    CGTDialog::OnInitDialog();
    CGTLocalResource toolkitResources;
    m_PaintArea.SubclassDlgItem(IDC_GT_EDITOR_PAINT_AREA, this);
    m_PaintArea.SetBitmap(m_Bitmap);
    CreateToolBar(TakeFrame(m_ToolsFrame, IDC_GT_EDITOR_TOOLS));
    CreateColorBar(TakeFrame(m_ColorsFrame, IDC_GT_EDITOR_COLORS));
    m_PreviewFrameRect = TakeFrame(m_PreviewFrame, IDC_GT_EDITOR_PREVIEW);
    m_PreviewPosition = CPoint(m_PreviewFrameRect.left + (m_PreviewFrameRect.Width() - m_Width) / 2,
                               m_PreviewFrameRect.top + (m_PreviewFrameRect.Height() - m_Height) / 2);
    m_PaintArea.SetPreviewRect(GetPreviewRect());
    return TRUE;
}

void CGTImageEditDlg::CreateToolBar(const CRect& iFrame)
{
    if (!m_ToolBar.CreateEx(this, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC,
                            CRect(10, 5, 10, 5), AFX_IDW_TOOLBAR) ||
        !m_ToolBar.LoadToolBar(IDR_GT_EDITOR_TOOLS, 0, 0, TRUE))
        return;
    m_ToolBar.SetOwner(this);
    // As many rows as the frame's width asks for.
    const CSize size = m_ToolBar.CalcSize(LM_HORZ | LM_COMMIT, iFrame.Width());
    // Above the group box around it: a bar clips its siblings, and would vanish under the box.
    m_ToolBar.SetWindowPos(&wndTop, iFrame.left, iFrame.top, iFrame.Width(), size.cy, SWP_NOACTIVATE);
    m_ToolBar.RecalcButtonLayout();
}

void CGTImageEditDlg::CreateColorBar(const CRect& iFrame)
{
    CPalette palette;
    CPalette* colors = nullptr;
    if (m_BitsPerPixel <= 8 && CreateStandardPalette(palette))
        colors = &palette;
    if (m_ColorBar.CreateControl(this, iFrame, IDC_GT_EDITOR_COLORS, -1, colors))
        m_ColorBar.SetSelectedColor(RGB(0, 0, 0));
    m_PaintArea.SetColor(RGB(0, 0, 0));
}

void CGTImageEditDlg::SetColorFromPicker(COLORREF iColor)
{
    m_ColorBar.SetSelectedColor(iColor);
    m_PaintArea.SetColor(iColor == lightGrey ? theGuiToolkitGlobals.colorBtnFace : iColor);
    m_PaintArea.SetMode(CImagePaintArea::Pencil);
}

void CGTImageEditDlg::OnColor()
{
    const COLORREF color = m_ColorBar.GetColor();
    m_PaintArea.SetColor(color == lightGrey ? theGuiToolkitGlobals.colorBtnFace : color);
}

void CGTImageEditDlg::OnPaint()
{
    CPaintDC dc(this);
    const GuiToolkitGlobals& globals = theGuiToolkitGlobals;
    const CRect image = GetPreviewRect();
    CRect frame = image;
    frame.InflateRect(previewMargin, previewMargin);
    dc.FillRect(&frame, const_cast<CBrush*>(&globals.brushBtnFace));
    if (m_Bitmap != nullptr) {
        CGTSelectedBitmap source(static_cast<HBITMAP>(m_Bitmap->GetSafeHandle()));
        if (source.IsValid())
            ::BitBlt(dc.GetSafeHdc(), image.left, image.top, m_Width, m_Height, source.Dc(), 0, 0, SRCCOPY);
    }
    dc.Draw3dRect(&frame, globals.colorBtnHighlight, globals.colorBtnShadow);
}

void CGTImageEditDlg::OnTool(UINT iCommand)
{
    const int mode = ModeOf(iCommand);
    if (mode >= 0)
        m_PaintArea.SetMode(mode);
}

void CGTImageEditDlg::OnUpdateTool(CCmdUI* ioState)
{
    ioState->SetCheck(ModeOf(ioState->m_nID) == m_PaintArea.GetMode());
}

void CGTImageEditDlg::ImageChanged()
{
    InvalidateRect(GetPreviewRect(), FALSE);
    m_PaintArea.Invalidate();
}

void CGTImageEditDlg::OnClear()
{
    if (m_Bitmap == nullptr)
        return;
    {
        CGTSelectedBitmap target(static_cast<HBITMAP>(m_Bitmap->GetSafeHandle()));
        if (!target.IsValid())
            return;
        const RECT all = {0, 0, m_Width, m_Height};
        ::FillRect(target.Dc(), &all, theGuiToolkitGlobals.brushBtnFace);
    }
    ImageChanged();
}

void CGTImageEditDlg::OnCopy()
{
    if (m_Bitmap == nullptr)
        return;
    CopyDrawingToClipboard(CSize(m_Width, m_Height), [this](CDC& ioDc) {
        CGTSelectedBitmap source(static_cast<HBITMAP>(m_Bitmap->GetSafeHandle()));
        return source.IsValid() && ::BitBlt(ioDc.GetSafeHdc(), 0, 0, m_Width, m_Height, source.Dc(), 0, 0, SRCCOPY);
    });
}

BOOL CGTImageEditDlg::PasteBitmap()
{
    COleDataObject data;
    if (m_Bitmap == nullptr || !data.AttachClipboard() || !data.IsDataAvailable(CF_BITMAP))
        return FALSE;
    FORMATETC format = {CF_BITMAP, nullptr, DVASPECT_CONTENT, -1, TYMED_GDI};
    STGMEDIUM medium = {};
    if (!data.GetData(CF_BITMAP, &medium, &format))
        return FALSE;
    BITMAP info = {};
    BOOL pasted = medium.tymed == TYMED_GDI && medium.hBitmap != nullptr &&
        ::GetObjectW(medium.hBitmap, sizeof(info), &info) != 0;
    if (pasted) {
        CGTSelectedBitmap source(medium.hBitmap);
        CGTSelectedBitmap target(static_cast<HBITMAP>(m_Bitmap->GetSafeHandle()));
        pasted = source.IsValid() && target.IsValid();
        if (pasted) {
            // Only a bitmap in hand replaces the image.
            const RECT all = {0, 0, m_Width, m_Height};
            ::FillRect(target.Dc(), &all, theGuiToolkitGlobals.brushBtnFace);
            CGTToolBarImages::StretchMonoMask(target.Dc(), std::max<int>((m_Width - info.bmWidth) / 2, 0),
                                              std::max<int>((m_Height - info.bmHeight) / 2, 0), info.bmWidth,
                                              info.bmHeight, source.Dc(), 0, 0, lightGrey);
        }
    }
    ::ReleaseStgMedium(&medium);
    return pasted;
}

void CGTImageEditDlg::OnPaste()
{
    CGTLocalResource toolkitResources;
    BOOL pasted = FALSE;
    try {
        pasted = PasteBitmap();
    } catch (CException* error) {
        error->Delete();
    }
    if (!pasted) {
        AfxMessageBox(IDS_GT_CANNOT_PASTE_IMAGE);
        return;
    }
    ImageChanged();
}

void CGTImageEditDlg::OnUpdatePaste(CCmdUI* ioState)
{
    ioState->Enable(::IsClipboardFormatAvailable(CF_BITMAP));
}

LRESULT CGTImageEditDlg::OnKickIdle(WPARAM, LPARAM)
{
    if (m_ToolBar.GetSafeHwnd() != nullptr)
        m_ToolBar.OnUpdateCmdUI(nullptr, TRUE);
    return FALSE;
}
