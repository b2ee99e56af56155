#include <guitoolkit/toolbars/CGTToolbarButton.h>
#include <guitoolkit/core/CGTCommandManager.h>
#include <guitoolkit/core/CGTToolBarImages.h>
#include <guitoolkit/toolbars/CGTUserToolsManager.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/CGTWorkspaceSettings.h>
#include <guitoolkit/toolbars/CMenuHash.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <guitoolkit/toolbars/GTCommandText.h>
#include <guitoolkit/toolbars/IGTToolbarFrame.h>
#include <algorithm>
#include <memory>
#include <new>

IMPLEMENT_SERIAL(CGTToolbarButton, CObject, VERSIONABLE_SCHEMA | 1)

BOOL CGTToolbarButton::s_UpdateImages = TRUE;
CLIPFORMAT CGTToolbarButton::s_ClipboardFormat = 0;

namespace {
const int separatorDefaultWidth = 8;
// The data version from which buttons store their visible flag.
const int visibleFlagVersion = 0x60410;

BOOL StoresVisibleFlag()
{
    if (CMenuHash::Instance().IsBusy())
        return TRUE;
    const CGTWorkspaceSettings* workspace = CGTWorkspaceSettings::Current();
    return workspace != nullptr && workspace->GetDataVersion() >= visibleFlagVersion;
}

// The class is checked before anything is made: any process may offer the format.
CGTToolbarButton* ReadButton(CFile& ioFile)
{
    CArchive archive(&ioFile, CArchive::load);
    CRuntimeClass* buttonClass = archive.ReadClass(RUNTIME_CLASS(CGTToolbarButton));
    std::unique_ptr<CGTToolbarButton> button(static_cast<CGTToolbarButton*>(buttonClass->CreateObject()));
    if (button == nullptr)
        AfxThrowNotSupportedException();
    button->Serialize(archive);
    archive.Close();
    return button.release();
}

CGTUserTool* UserToolOf(UINT commandId)
{
    CGTUserToolsManager* manager = CGTUserToolsManager::Current();
    return manager != nullptr ? manager->FindToolByCommand(commandId) : nullptr;
}
}  // namespace

CGTToolbarButton::CGTToolbarButton()
{
    Reset();
}

CGTToolbarButton::CGTToolbarButton(UINT iCommandId, int iImage, LPCWSTR iText, BOOL iUserImage, BOOL iLocked)
{
    Reset();
    m_Locked = iLocked;
    m_CommandId = iCommandId;
    m_UserImage = iUserImage;
    CGTToolbarButton::SetImage(iImage);
    m_Text = iText != nullptr ? iText : L"";
}

CGTToolbarButton::~CGTToolbarButton() = default;

void CGTToolbarButton::Reset()
{
    m_Image = -1;
    m_UserImageIndex = -1;
    m_UserImage = FALSE;
    m_CommandId = 0;
    m_Style = 0;
    m_FromCommandList = FALSE;
    m_ShowText = FALSE;
    m_ShowImage = TRUE;
    m_Copied = FALSE;
    m_SecondFlag = TRUE;
    m_Locked = FALSE;
    m_HiddenByLayout = FALSE;
    m_TextBelow = FALSE;
    m_Wrap = FALSE;
    m_Rect.SetRectEmpty();
    m_NoFrame = FALSE;
    m_ExtraSize = FALSE;
    m_ParentBar = nullptr;
    m_Horizontal = TRUE;
    m_Visible = TRUE;
    m_TextSize = CSize(0, 0);
}

void CGTToolbarButton::Serialize(CArchive& ioArchive)
{
    if (ioArchive.IsStoring()) {
        ioArchive << m_CommandId << m_Style << GetImage() << m_Text << m_UserImage << m_FromCommandList << m_ShowText
                  << m_ShowImage;
        if (StoresVisibleFlag())
            ioArchive << m_Visible;
        return;
    }
    int image = -1;
    ioArchive >> m_CommandId >> m_Style >> image >> m_Text >> m_UserImage >> m_FromCommandList >> m_ShowText >>
        m_ShowImage;
    if (StoresVisibleFlag())
        ioArchive >> m_Visible;
    SetImage(image);
}

BOOL CGTToolbarButton::PrepareDrag(COleDataSource& ioSource)
{
    if (!CanBeStored())
        return TRUE;
    try {
        CSharedFile file(GMEM_MOVEABLE, 4096);
        CArchive archive(&file, CArchive::store);
        archive.WriteClass(GetRuntimeClass());
        Serialize(archive);
        archive.Close();
        ioSource.CacheGlobalData(GetClipboardFormat(), file.Detach());
        return TRUE;
    } catch (CException* error) {
        error->Delete();
    } catch (const std::bad_alloc&) {
    }
    return FALSE;
}

CString CGTToolbarButton::ClipboardFormatName(HINSTANCE iModule)
{
    CString name;
    name.Format(L"RIRToolbarButton%llx", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(iModule)));
    return name;
}

CLIPFORMAT CGTToolbarButton::GetClipboardFormat()
{
    if (s_ClipboardFormat == 0)
        s_ClipboardFormat =
            static_cast<CLIPFORMAT>(::RegisterClipboardFormatW(ClipboardFormatName(AfxGetInstanceHandle())));
    return s_ClipboardFormat;
}

CGTToolbarButton* CGTToolbarButton::CreateFromOleData(COleDataObject* iData)
{
    if (iData == nullptr)
        return nullptr;
    std::unique_ptr<CFile> file(iData->GetFileData(GetClipboardFormat()));
    if (file == nullptr)
        return nullptr;
    try {
        return ReadButton(*file);
    } catch (CException* error) {
        error->Delete();
    } catch (const std::bad_alloc&) {
    }
    return nullptr;
}

BOOL CGTToolbarButton::CanBeDropped(CGTToolBar*)
{
    return TRUE;
}

void CGTToolbarButton::CopyFrom(const CGTToolbarButton& iSource)
{
    m_CommandId = iSource.m_CommandId;
    m_Locked = iSource.m_Locked;
    m_UserImage = iSource.m_UserImage;
    m_Style = iSource.m_Style;
    SetImage(iSource.GetImage());
    m_Text = iSource.m_Text;
    m_ShowText = iSource.m_ShowText;
    m_ShowImage = iSource.m_ShowImage;
    m_Copied = iSource.m_Copied;
    m_SecondText = iSource.m_SecondText;
    m_Visible = iSource.m_Visible;
    m_FromCommandList = FALSE;
}

void CGTToolbarButton::StoreImage(int iImage)
{
    (m_UserImage ? m_UserImageIndex : m_Image) = iImage;
}

void CGTToolbarButton::SetImage(int iImage)
{
    if (IsSeparator()) {
        m_Image = iImage;
        return;
    }
    StoreImage(iImage);
    if (!m_Locked && m_CommandId != 0) {
        CGTCommandManager& commands = GetCommandManager();
        if (iImage != -1) {
            if (s_UpdateImages || m_UserImage)
                commands.SetCommandImage(m_CommandId, iImage, m_UserImage);
        } else {
            m_Image = commands.GetCommandImage(m_CommandId, FALSE);
            m_UserImageIndex = commands.GetCommandImage(m_CommandId, TRUE);
            // A command without a standard image shows its user image, whichever kind the
            // button asked for.
            if (m_Image == -1)
                m_UserImage = TRUE;
        }
    }
    if (GetImage() < 0) {
        m_ShowImage = FALSE;
        m_ShowText = TRUE;
    }
}

void CGTToolbarButton::ResetImageToDefault()
{
    if (m_UserImage || static_cast<int>(m_CommandId) <= 0 || UserToolOf(m_CommandId) != nullptr)
        return;
    int image = -1;
    if (CGTToolBar::GetDefaultImage(m_CommandId, image) && image >= 0) {
        SetImage(image);
        return;
    }
    if (!m_ShowImage)
        return;
    m_ShowImage = FALSE;
    m_ShowText = TRUE;
    if (m_Text.IsEmpty())
        m_Text = GetCommandText(m_CommandId);
}

CString CGTToolbarButton::VisibleText(const CString& iText)
{
    CString text = iText;
    text.Replace(L"&&", L"\x01\x01");
    text.Remove(L'&');
    text.Replace(L"\x01\x01", L"&");
    return text;
}

CSize CGTToolbarButton::CalcSize(CDC* iDc, const CSize& iDefaultSize, BOOL iHorizontal)
{
    if (!m_Visible)
        return CSize(0, 0);
    if (IsSeparator()) {
        if (!iHorizontal)
            return CSize(iDefaultSize.cx, separatorDefaultWidth);
        return CSize(m_Image > 0 ? m_Image : separatorDefaultWidth, iDefaultSize.cy);
    }
    CSize size = iDefaultSize;
    LONG& along = iHorizontal ? size.cx : size.cy;
    if (!DrawsImage()) {
        const CSize extra = CGTVisualManager::GetCurrent()->GetButtonExtraSize();
        along = m_ExtraSize ? (iHorizontal ? extra.cx : extra.cy) : 0;
    }
    m_TextSize = CSize(0, 0);
    if (m_Text.IsEmpty())
        return size;
    if (m_TextBelow && iHorizontal) {
        CRect text(0, 0, iDefaultSize.cx * 3, iDefaultSize.cy);
        iDc->DrawText(m_Text, &text, DT_CALCRECT | DT_CENTER | DT_WORDBREAK);
        m_TextSize = CSize(text.Width() + 6, text.Height());
        size.cx = std::max(size.cx, m_TextSize.cx) + 12;
        size.cy += m_TextSize.cy + 1;
    } else if (m_ShowText) {
        along += iDc->GetTextExtent(VisibleText(m_Text)).cx + (DrawsImage() ? 6 : 9);
    }
    return size;
}

void CGTToolbarButton::DrawFrame(CDC* iDc, const CRect& iRect, BOOL iHighlight)
{
    if (m_NoFrame)
        return;
    int state = 0;
    if (!(CGTToolBar::IsCustomizeMode() && !m_Locked)) {
        if (m_Style & (TBBS_CHECKED | TBBS_PRESSED))
            state = 1;
        else if (iHighlight)
            state = 2;
    }
    CGTVisualManager::GetCurrent()->FillButtonInterior(iDc, this, iRect, state);
}

int CGTToolbarButton::CaptionState(BOOL iHighlight) const
{
    if (m_Style & (TBBS_CHECKED | TBBS_PRESSED))
        return 1;
    return iHighlight ? 2 : 0;
}

void CGTToolbarButton::DrawImage(CDC* iDc, const CRect& iRect, CGTToolBarImages* iImages, CPoint iAt,
                                 BOOL iCustomizeMode, BOOL iHighlight, BOOL iGrayDisabled)
{
    if (CGTUserTool* tool = UserToolOf(m_CommandId)) {
        tool->DrawToolIcon(iDc, iRect);
        return;
    }
    if (iImages == nullptr)
        return;
    const BOOL disabled = (m_Style & TBBS_DISABLED) && !(m_Style & TBBS_PRESSED);
    const BOOL raised = iHighlight && !iCustomizeMode && !IsDroppedDown() &&
        !(m_Style & (TBBS_CHECKED | TBBS_PRESSED | TBBS_DISABLED)) && CGTVisualManager::GetCurrent()->RaiseHotImages;
    if (raised) {
        iImages->DrawImage(iDc, iAt.x, iAt.y, GetImage(), FALSE, FALSE, FALSE, TRUE);
        iAt.Offset(-1, -1);
    }
    // The strip's own highlight is a pattern in place of the image: a hot button shows its image.
    iImages->DrawImage(iDc, iAt.x, iAt.y, GetImage(), FALSE, disabled && iGrayDisabled,
                       (m_Style & TBBS_INDETERMINATE) != 0);
}

void CGTToolbarButton::DrawCaption(CDC* iDc, const CRect& iRect, const CRect& iImageRect, BOOL iHighlight)
{
    iDc->SetTextColor(CGTVisualManager::GetCurrent()->GetToolbarButtonTextColor(this, CaptionState(iHighlight)));
    if (m_TextBelow && m_Horizontal) {
        CRect text(iRect.left, iImageRect.bottom, iRect.right, iRect.bottom);
        if (m_ExtraSize)
            text.OffsetRect(0, CGTVisualManager::GetCurrent()->GetButtonExtraSize().cy / 2);
        iDc->DrawText(m_Text, &text, DT_CENTER | DT_WORDBREAK);
        return;
    }
    if (m_Horizontal) {
        CRect text(DrawsImage() ? iImageRect.right + 3 : iRect.left + 4, iRect.top, iRect.right, iRect.bottom);
        iDc->DrawText(m_Text, &text, DT_SINGLELINE | DT_VCENTER);
        return;
    }
    // Vertical bars draw with the toolkit's vertical font, rotated a quarter turn clockwise.
    const CString visible = VisibleText(m_Text);
    const int top = DrawsImage() ? iImageRect.bottom + 3 : iRect.top + 4;
    const int x = iRect.right - (iRect.Width() - iDc->GetTextExtent(visible).cy) / 2;
    iDc->TextOut(x, top, visible);
}

void CGTToolbarButton::OnDraw(CDC* iDc, const CRect& iRect, CGTToolBarImages* iImages, BOOL iHorizontal,
                              BOOL iCustomizeMode, BOOL iHighlight, BOOL iDrawBorder, BOOL iGrayDisabled)
{
    m_Horizontal = iHorizontal;
    DrawFrame(iDc, iRect, iHighlight);
    const CSize imageSize = iImages != nullptr ? CSize(iImages->sizeImage) : CSize(0, 0);
    CRect rect = iRect;
    if (m_ExtraSize) {
        const CSize extra = CGTVisualManager::GetCurrent()->GetButtonExtraSize();
        rect.DeflateRect(extra.cx / 2, extra.cy / 2);
    }
    const BOOL pushed = (m_Style & (TBBS_CHECKED | TBBS_PRESSED)) != 0;
    const BOOL captionBeside = m_ShowText && !(m_TextBelow && iHorizontal);
    CPoint at(rect.left + (rect.Width() - imageSize.cx) / 2, rect.top + (rect.Height() - imageSize.cy) / 2);
    if (m_TextBelow && iHorizontal)
        at.y = rect.top + 3;
    if (captionBeside && DrawsImage()) {
        const int captionWidth = iDc->GetTextExtent(VisibleText(m_Text)).cx + 6;
        if (iHorizontal)
            at.x = rect.left + (rect.Width() - imageSize.cx - captionWidth) / 2;
        else
            at.y = rect.top + (rect.Height() - imageSize.cy - captionWidth) / 2;
    }
    if (pushed)
        at.Offset(1, 1);
    const CRect imageRect(at, imageSize);
    if (DrawsImage())
        DrawImage(iDc, imageRect, iImages, at, iCustomizeMode, iHighlight, iGrayDisabled);
    if (!m_Text.IsEmpty() && (m_ShowText || (m_TextBelow && iHorizontal)))
        DrawCaption(iDc, rect, imageRect, iHighlight);
    if (!HasBorder() || iCustomizeMode || !iDrawBorder)
        return;
    if (pushed)
        CGTVisualManager::GetCurrent()->DrawButtonBorder(iDc, this, iRect, 1);
    else if (iHighlight && !(m_Style & (TBBS_DISABLED | TBBS_INDETERMINATE)))
        CGTVisualManager::GetCurrent()->DrawButtonBorder(iDc, this, iRect, 2);
}

int CGTToolbarButton::DrawInCommandList(CDC* iDc, const CRect& iRect, BOOL iSelected)
{
    const CSize menuImage = CGTToolBar::GetMenuImageSize();
    const int column = menuImage.cx + 2 * CGTVisualManager::GetCurrent()->GetMenuImageMargin();
    const COLORREF textColor = CGTVisualManager::GetCurrent()->FillCommandListItem(iDc, iRect, iSelected);
    CRect image(iRect.left, iRect.top, iRect.left + column, iRect.bottom);
    if (CGTUserTool* tool = UserToolOf(m_CommandId)) {
        tool->DrawToolIcon(iDc, image);
    } else if (CGTToolBarImages* images = CGTToolBar::CommandListImages(m_UserImage);
               images != nullptr && images->bitmap != nullptr && GetImage() >= 0) {
        CGTImageDrawPass pass;
        if (images->BeginDrawing(pass, menuImage.cx, menuImage.cy)) {
            images->DrawImage(iDc, image.left + (column - menuImage.cx) / 2,
                              image.top + (image.Height() - menuImage.cy) / 2, GetImage());
            images->FinishDrawing(pass);
        }
    }
    CRect text = iRect;
    text.left += menuImage.cx + 10;
    iDc->SetBkMode(TRANSPARENT);
    iDc->SetTextColor(textColor);
    iDc->DrawText(m_Text, &text, DT_SINGLELINE | DT_VCENTER);
    return text.left + iDc->GetTextExtent(VisibleText(m_Text)).cx - iRect.left;
}

int CGTToolbarButton::GetTooltipText(CWnd* iOwner, TOOLINFO* ioInfo)
{
    CWnd* frame = iOwner != nullptr ? GetActiveTopLevelFrame(iOwner) : AfxGetMainWnd();
    IGTToolbarFrame* hooks = AsToolbarFrame(frame);
    return hooks != nullptr ? hooks->OnButtonTooltip(this, ioInfo) : 0;
}

void CGTToolbarButton::SetRect(const CRect& iRect)
{
    if (m_Rect == iRect)
        return;
    m_Rect = iRect;
    OnMove();
}

BOOL CGTToolbarButton::ExportTo(CGTToolbarButton& oTarget)
{
    if (m_Text.IsEmpty() && m_CommandId != 0)
        oTarget.m_Text = GetCommandText(m_CommandId);
    return TRUE;
}

void CGTToolbarButton::OnChangeParent(CWnd* iOwner)
{
    CGTToolBar* bar = DYNAMIC_DOWNCAST(CGTToolBar, iOwner);
    m_ParentBar = bar;
    m_ExtraSize = bar != nullptr && bar->IsButtonExtraSizeAvailable();
}

BOOL CGTToolbarButton::IsCustomizable() const
{
    return !CGTToolBar::IsSystemCommand(m_CommandId);
}

BOOL CGTToolbarButton::IsCustomizeMode() const
{
    return CGTToolBar::IsCustomizeMode();
}

COLORREF CGTToolbarButton::GetHotTextColor() const
{
    return CGTToolBar::GetTextColor();
}

void CGTToolbarButton::EnableControl(BOOL iEnable)
{
    if (HWND window = GetHwnd())
        ::EnableWindow(window, iEnable);
}

BOOL CGTToolbarButton::IsControlVisible()
{
    HWND window = GetHwnd();
    return window != nullptr && (::GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

BOOL CGTToolbarButton::IsControlOrChild(HWND iWindow)
{
    HWND window = GetHwnd();
    return window != nullptr && iWindow != nullptr && (iWindow == window || ::IsChild(window, iWindow));
}

BOOL CGTToolbarButton::ControlHasFocus()
{
    return IsControlOrChild(::GetFocus());
}

BOOL CGTToolbarButton::IsSameCommand(const CGTToolbarButton& iOther) const
{
    return m_CommandId == iOther.m_CommandId;
}

BOOL CGTToolbarButton::OnClick(CWnd*, BOOL)
{
    return FALSE;
}

BOOL CGTToolbarButton::OnCancelDropDownDelay()
{
    return FALSE;
}

void CGTToolbarButton::OnMove() {}

void CGTToolbarButton::OnSize(int) {}

HWND CGTToolbarButton::GetHwnd()
{
    return nullptr;
}

BOOL CGTToolbarButton::IsControlButton() const
{
    return FALSE;
}

BOOL CGTToolbarButton::NotifyCommand(int)
{
    return FALSE;
}

void CGTToolbarButton::OnAddToCustomizePage() {}

HBRUSH CGTToolbarButton::OnCtlColor(CDC*, UINT)
{
    return nullptr;
}

void CGTToolbarButton::OnDblClick(CWnd*) {}

BOOL CGTToolbarButton::CanBeStored() const
{
    return TRUE;
}

BOOL CGTToolbarButton::HasBorder() const
{
    return TRUE;
}

void CGTToolbarButton::OnCancelMode() {}

void CGTToolbarButton::OnGlobalFontsChanged() {}

BOOL CGTToolbarButton::OnClickUp(CWnd*)
{
    return FALSE;
}

BOOL CGTToolbarButton::OnCustomizeMenu(CMenu*)
{
    return FALSE;
}

BOOL CGTToolbarButton::IsDroppedDown() const
{
    return FALSE;
}

BOOL CGTToolbarButton::OnBeforeDrag() const
{
    return TRUE;
}

BOOL CGTToolbarButton::OnBeforeDrop(CGTToolBar*)
{
    return TRUE;
}

void CGTToolbarButton::OnCloseParentPopups() {}

void CGTToolbarButton::OnShow(BOOL) {}

CRect CGTToolbarButton::GetRect() const
{
    return m_Rect;
}

void CGTToolbarButton::SetStyle(UINT iStyle)
{
    m_Style = iStyle;
}

BOOL CGTToolbarButton::OnUpdateToolTip(CWnd*, int, CToolTipCtrl&, CString&)
{
    return FALSE;
}

void CGTToolbarButton::SetRadio() {}

BOOL CGTToolbarButton::IsExtraSize() const
{
    return m_ExtraSize;
}

BOOL CGTToolbarButton::IsBeingCustomized() const
{
    return CGTToolBar::IsCustomizeMode() && !m_Locked;
}

IGTLookBar* CGTToolbarButton::GetParentBar() const
{
    return m_ParentBar;
}

CRect CGTToolbarButton::GetScreenRect() const
{
    CRect rect = m_Rect;
    if (m_ParentBar != nullptr && m_ParentBar->GetSafeHwnd() != nullptr)
        m_ParentBar->ClientToScreen(&rect);
    return rect;
}
