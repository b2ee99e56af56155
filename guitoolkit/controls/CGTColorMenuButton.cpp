#include <guitoolkit/controls/CGTColorMenuButton.h>
#include <guitoolkit/controls/CColorPopup.h>
#include <guitoolkit/controls/CGTLastColors.h>
#include <guitoolkit/controls/GTColorLists.h>
#include <guitoolkit/controls/GTColorChooser.h>
#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/core/CGTScreenInfo.h>
#include <guitoolkit/core/GTOwnerFrame.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/toolbars/CGTMenuBar.h>

IMPLEMENT_SERIAL(CGTColorMenuButton, CGTToolbarMenuButton, VERSIONABLE_SCHEMA | 1)

namespace {
const COLORREF noColor = static_cast<COLORREF>(-1);

template <class Each>
void ForEachColorBar(UINT iCommandId, Each iEach)
{
    const CObList& bars = CGTToolBar::GetAllToolbars();
    for (POSITION position = bars.GetHeadPosition(); position != nullptr;) {
        auto* bar = DYNAMIC_DOWNCAST(CGTColorBar, bars.GetNext(position));
        if (bar != nullptr && bar->GetCommandId() == iCommandId)
            iEach(*bar);
    }
}
}  // namespace

CGTColorMenuButton::CGTColorMenuButton() : CGTColorMenuButton(0, nullptr) {}

CGTColorMenuButton::CGTColorMenuButton(UINT iCommandId, LPCWSTR iText, const std::vector<COLORREF>& iColors, int iImage)
    : CGTToolbarMenuButton(iCommandId, nullptr, iImage, iText), m_Colors(iColors.empty() ? PaletteColors() : iColors),
      m_Color(CGTLastColors::Get(iCommandId)), m_Automatic(0), m_Columns(-1), m_DockedRows(-1), m_DockedColumns(-1),
      m_ShowAutomatic(FALSE), m_ShowOther(FALSE), m_ShowDocument(FALSE), m_SystemDialog(FALSE), m_OnMenuBar(FALSE)
{
}

void CGTColorMenuButton::EnableAutomaticButton(LPCWSTR iCaption, COLORREF iAutomatic, BOOL iEnable)
{
    m_AutomaticCaption = iCaption != nullptr ? iCaption : L"";
    m_Automatic = iAutomatic;
    m_ShowAutomatic = iEnable;
}

void CGTColorMenuButton::EnableOtherButton(LPCWSTR iCaption, BOOL iSystemDialog, BOOL iEnable)
{
    m_OtherCaption = iCaption != nullptr ? iCaption : L"";
    m_SystemDialog = iSystemDialog;
    m_ShowOther = iEnable;
}

void CGTColorMenuButton::EnableDocumentColors(LPCWSTR iCaption, BOOL iEnable)
{
    m_DocumentCaption = iCaption != nullptr ? iCaption : L"";
    m_ShowDocument = iEnable;
}

// --- The colour ---

void CGTColorMenuButton::SetColor(COLORREF iColor, BOOL iNotify)
{
    m_Color = iColor;
    CGTLastColors::Set(m_CommandId, iColor);
    if (m_ParentBar != nullptr && m_ParentBar->GetSafeHwnd() != nullptr)
        m_ParentBar->InvalidateRect(&m_Rect);
    if (!iNotify)
        return;
    CObList buttons;
    CGTToolBar::GetCommandButtons(m_CommandId, buttons);
    for (POSITION position = buttons.GetHeadPosition(); position != nullptr;) {
        auto* other = dynamic_cast<CGTColorMenuButton*>(static_cast<CGTToolbarButton*>(buttons.GetNext(position)));
        if (other != nullptr && other != this)
            other->SetColor(iColor, FALSE);
    }
    ForEachColorBar(m_CommandId, [iColor](CGTColorBar& ioBar) { ioBar.SetSelectedColor(iColor); });
}

void CGTColorMenuButton::SetCommandColor(UINT iCommandId, COLORREF iColor)
{
    CObList buttons;
    CGTToolBar::GetCommandButtons(iCommandId, buttons);
    for (POSITION position = buttons.GetHeadPosition(); position != nullptr;) {
        if (auto* button = dynamic_cast<CGTColorMenuButton*>(static_cast<CGTToolbarButton*>(buttons.GetNext(position))))
            button->SetColor(iColor, FALSE);
    }
}

BOOL CGTColorMenuButton::OpenColorDialog(COLORREF iInitial, COLORREF& oColor)
{
    return ChooseColorInDialog(iInitial, m_SystemDialog, m_ParentBar, oColor);
}

// --- The popup ---

CGTPopupMenu* CGTColorMenuButton::CreatePopupMenu()
{
    GTColorBarSettings settings;
    settings.colors = m_Colors;
    settings.selected = m_Color;
    if (m_ShowAutomatic)
        settings.automaticCaption = m_AutomaticCaption;
    if (m_ShowOther)
        settings.otherCaption = m_OtherCaption;
    if (m_ShowDocument) {
        settings.documentCaption = m_DocumentCaption;
        if (m_ParentBar != nullptr && m_ParentBar->GetSafeHwnd() != nullptr) {
            CWnd* frame = GetToolkitPopupFrame(m_ParentBar);
            if (frame == nullptr)
                frame = AfxGetMainWnd();
            CList<COLORREF, COLORREF> documentColors;
            if (frame != nullptr)
                frame->SendMessage(GTTOOLBAR_GETDOCUMENTCOLORS, m_CommandId, reinterpret_cast<LPARAM>(&documentColors));
            for (POSITION position = documentColors.GetHeadPosition(); position != nullptr;)
                settings.documentColors.push_back(documentColors.GetNext(position));
        }
    }
    settings.columns = m_Columns;
    settings.dockedRows = m_DockedRows;
    settings.dockedColumns = m_DockedColumns;
    settings.automaticColor = m_Automatic;
    settings.commandId = m_CommandId;
    settings.systemDialog = m_SystemDialog;
    return new CColorPopup(settings);
}

void CGTColorMenuButton::OnChangeParent(CWnd* iOwner)
{
    CGTToolbarMenuButton::OnChangeParent(iOwner);
    m_OnMenuBar =
        DYNAMIC_DOWNCAST(CGTMenuBar, iOwner) != nullptr || DYNAMIC_DOWNCAST(CGTPopupMenuBar, iOwner) != nullptr;
}

// --- Drawing ---

CRect CGTColorMenuButton::GetStripeRect(const CRect& iRect, BOOL iHorizontal) const
{
    const CSize image = m_ParentBar != nullptr ? m_ParentBar->GetImageSize() : CGTToolBar::GetMenuImageSize();
    CSize arrow = m_DrawArrow ? CGTMenuGlyphs::GetSize() : CSize(0, 0);
    const int height = CGTToolBar::IsLargeIcons() ? 10 : 5;
    if (CGTToolBar::IsLargeIcons())
        arrow = CSize(arrow.cx * 2, arrow.cy * 2);
    CRect main = iRect;
    if (iHorizontal)
        main.right -= arrow.cx;
    else
        main.bottom -= arrow.cy;
    const CPoint topLeft(main.left + (main.Width() - image.cx) / 2, main.top + (main.Height() - image.cy) / 2);
    return CRect(topLeft.x, topLeft.y + image.cy - height, topLeft.x + image.cx, topLeft.y + image.cy);
}

void CGTColorMenuButton::OnDraw(CDC* iDc, const CRect& iRect, CGTToolBarImages* iImages, BOOL iHorizontal,
                                BOOL iCustomizeMode, BOOL iHighlight, BOOL iDrawBorder, BOOL iGrayDisabled)
{
    CGTToolbarMenuButton::OnDraw(iDc, iRect, iImages, iHorizontal, iCustomizeMode, iHighlight, iDrawBorder,
                                 iGrayDisabled);
    if (m_MenuMode || !DrawsImage())
        return;
    COLORREF color = m_Color != noColor ? m_Color : m_Automatic;
    if (m_Style & TBBS_DISABLED)
        color = theGuiToolkitGlobals.colorBtnShadow;
    CPalette* previous = nullptr;
    CPalette palette;
    if (CGTScreenInfo::Current().BitsPerPixel() == 8) {
        palette.CreateHalftonePalette(iDc);
        previous = iDc->SelectPalette(&palette, FALSE);
        iDc->RealizePalette();
    }
    CBrush brush(PALETTERGB(GetRValue(color), GetGValue(color), GetBValue(color)));
    const CRect stripe = GetStripeRect(iRect, iHorizontal);
    iDc->FillRect(&stripe, &brush);
    if (previous != nullptr)
        iDc->SelectPalette(previous, FALSE);
}

int CGTColorMenuButton::DrawInCommandList(CDC* iDc, const CRect& iRect, BOOL iSelected)
{
    const UINT command = m_CommandId;
    m_CommandId = 0;
    CRect rect = iRect;
    rect.DeflateRect(1, 0);
    const int width = CGTToolbarMenuButton::DrawInCommandList(iDc, rect, iSelected);
    m_CommandId = command;
    return width;
}

// --- Stored form and copies ---

void CGTColorMenuButton::Serialize(CArchive& ioArchive)
{
    CGTToolbarMenuButton::Serialize(ioArchive);
    if (ioArchive.IsStoring()) {
        WriteColors(ioArchive, m_Colors);
        ioArchive << m_Columns << m_DockedRows << m_DockedColumns << m_ShowAutomatic << m_ShowOther << m_ShowDocument;
        ioArchive << m_AutomaticCaption << m_OtherCaption << m_DocumentCaption << m_SystemDialog;
        return;
    }
    std::vector<COLORREF> colors = ReadColors(ioArchive);
    int columns = 0, dockedRows = 0, dockedColumns = 0;
    BOOL showAutomatic = FALSE, showOther = FALSE, showDocument = FALSE, systemDialog = FALSE;
    CString automaticCaption, otherCaption, documentCaption;
    ioArchive >> columns >> dockedRows >> dockedColumns >> showAutomatic >> showOther >> showDocument;
    ioArchive >> automaticCaption >> otherCaption >> documentCaption >> systemDialog;
    m_Colors = std::move(colors);
    m_Columns = columns;
    m_DockedRows = dockedRows;
    m_DockedColumns = dockedColumns;
    m_ShowAutomatic = showAutomatic;
    m_ShowOther = showOther;
    m_ShowDocument = showDocument;
    m_AutomaticCaption = automaticCaption;
    m_OtherCaption = otherCaption;
    m_DocumentCaption = documentCaption;
    m_SystemDialog = systemDialog;
    m_Color = CGTLastColors::Get(m_CommandId);
}

void CGTColorMenuButton::CopyFrom(const CGTToolbarButton& iSource)
{
    CGTToolbarMenuButton::CopyFrom(iSource);
    const auto* source = dynamic_cast<const CGTColorMenuButton*>(&iSource);
    if (source == nullptr)
        return;
    m_Color = source->m_Color;
    CGTLastColors::Set(m_CommandId, m_Color);
    m_Colors = source->m_Colors;
    m_ShowAutomatic = source->m_ShowAutomatic;
    m_ShowOther = source->m_ShowOther;
    m_ShowDocument = source->m_ShowDocument;
    m_Automatic = source->m_Automatic;
    m_AutomaticCaption = source->m_AutomaticCaption;
    m_OtherCaption = source->m_OtherCaption;
    m_DocumentCaption = source->m_DocumentCaption;
    m_Columns = source->m_Columns;
    m_DockedRows = source->m_DockedRows;
    m_DockedColumns = source->m_DockedColumns;
    m_SystemDialog = source->m_SystemDialog;
}
