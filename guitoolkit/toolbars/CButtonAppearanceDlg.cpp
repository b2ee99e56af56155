#include <guitoolkit/toolbars/CButtonAppearanceDlg.h>
#include <guitoolkit/core/CGTLocalResource.h>
#include <guitoolkit/core/CGTSelectedBitmap.h>
#include <guitoolkit/core/CGTToolBarImages.h>
#include <guitoolkit/toolbars/CGTUserToolsManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitResources.h>
#include <guitoolkit/toolbars/CGTImageEditDlg.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <guitoolkit/toolbars/GTEditorResources.h>
#include <guitoolkit/toolbars/IGTToolbarFrame.h>
#include <algorithm>

namespace {
const int previewLimit = 16;

CGTUserTool* UserToolOf(UINT iCommandId)
{
    CGTUserToolsManager* tools = CGTUserToolsManager::Current();
    return tools != nullptr ? tools->FindToolByCommand(iCommandId) : nullptr;
}
}  // namespace

BEGIN_MESSAGE_MAP(CButtonAppearanceDlg, CDialog)
    ON_WM_PAINT()
    ON_BN_CLICKED(IDC_GT_APPEARANCE_IMAGE_ONLY, &CButtonAppearanceDlg::OnImageOnly)
    ON_BN_CLICKED(IDC_GT_APPEARANCE_TEXT_ONLY, &CButtonAppearanceDlg::OnTextOnly)
    ON_BN_CLICKED(IDC_GT_APPEARANCE_IMAGE_TEXT, &CButtonAppearanceDlg::OnImageAndText)
    ON_BN_CLICKED(IDC_GT_APPEARANCE_DEFAULT_IMAGE, &CButtonAppearanceDlg::OnDefaultImage)
    ON_BN_CLICKED(IDC_GT_APPEARANCE_USER_IMAGE, &CButtonAppearanceDlg::OnUserImage)
    ON_BN_CLICKED(IDC_GT_APPEARANCE_IMAGES, &CButtonAppearanceDlg::OnImageSelected)
    ON_EN_CHANGE(IDC_GT_APPEARANCE_TEXT, &CButtonAppearanceDlg::OnTextChanged)
    ON_BN_CLICKED(IDC_GT_APPEARANCE_NEW, &CButtonAppearanceDlg::OnNewImage)
    ON_BN_CLICKED(IDC_GT_APPEARANCE_EDIT, &CButtonAppearanceDlg::OnEditImage)
END_MESSAGE_MAP()

CButtonAppearanceDlg::CButtonAppearanceDlg(CGTToolbarButton* iButton, CGTToolBarImages* iUserImages, CWnd* iParent,
                                           int iFirstUserImage, BOOL iMenuMode)
    : CDialog(IDD_GT_BUTTON_APPEARANCE, iParent), m_Button(iButton), m_UserImages(iUserImages),
      m_FirstUserImage(iFirstUserImage), m_MenuMode(iMenuMode),
      m_Model(*iButton, iUserImages != nullptr, iUserImages != nullptr && iUserImages->isReadOnly, iMenuMode),
      m_PreviewRect(0, 0, 0, 0)
{
}

BOOL CButtonAppearanceDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CGTLocalResource toolkitResources;
    if (CWnd* main = AfxGetMainWnd(); main != nullptr && (main->GetExStyle() & WS_EX_LAYOUTRTL))
        ModifyStyleEx(0, WS_EX_LAYOUTRTL);
    m_ImagesList.SubclassDlgItem(IDC_GT_APPEARANCE_IMAGES, this);
    FillImagesList();

    if (CWnd* preview = GetDlgItem(IDC_GT_APPEARANCE_PREVIEW)) {
        preview->GetWindowRect(&m_PreviewRect);
        ScreenToClient(&m_PreviewRect);
        // The dialog paints the image where the control stands.
        preview->ShowWindow(SW_HIDE);
        const CSize image = CGTToolBar::GetImages(GTToolBarImageKind::Images).sizeImage;
        m_PreviewRect.right =
            m_PreviewRect.left + std::min<int>(m_PreviewRect.Width(), std::min<int>(image.cx, previewLimit));
        m_PreviewRect.bottom =
            m_PreviewRect.top + std::min<int>(m_PreviewRect.Height(), std::min<int>(image.cy, previewLimit));
    }
    CheckRadioButton(IDC_GT_APPEARANCE_USER_IMAGE, IDC_GT_APPEARANCE_DEFAULT_IMAGE,
                     m_Model.StartsWithUserImage() ? IDC_GT_APPEARANCE_USER_IMAGE : IDC_GT_APPEARANCE_DEFAULT_IMAGE);
    const UINT display = !m_Model.IsShowImage() ? IDC_GT_APPEARANCE_TEXT_ONLY
        : m_Model.IsShowText()                  ? IDC_GT_APPEARANCE_IMAGE_TEXT
                                                : IDC_GT_APPEARANCE_IMAGE_ONLY;
    CheckRadioButton(IDC_GT_APPEARANCE_IMAGE_ONLY, IDC_GT_APPEARANCE_IMAGE_TEXT, display);

    CFrameWnd* frame = GetActiveTopLevelFrame(m_pParentWnd != nullptr ? m_pParentWnd : AfxGetMainWnd());
    if (IGTToolbarFrame* hooks = AsToolbarFrame(frame))
        hooks->GetCommandDescription(m_Button->m_CommandId, m_Description);
    SetDlgItemText(IDC_GT_APPEARANCE_DESCRIPTION, m_Description);
    SetDlgItemText(IDC_GT_APPEARANCE_TEXT, m_Model.GetText());
    UpdateControls();
    return TRUE;
}

void CButtonAppearanceDlg::FillImagesList()
{
    m_ImagesList.RemoveAllButtons();
    m_ImagesList.SetImages(m_UserImages);
    if (m_UserImages == nullptr)
        return;
    for (int index = std::max(m_FirstUserImage, 0); index < m_UserImages->count; ++index)
        m_ImagesList.AddButton(new CGTToolbarButton(0, index, nullptr, TRUE));
    if (m_Model.IsUserImageChoice())
        m_ImagesList.SelectButtonByID(m_Model.GetImage());
}

void CButtonAppearanceDlg::Enable(UINT iId, BOOL iEnable)
{
    if (CWnd* control = GetDlgItem(iId))
        control->EnableWindow(iEnable);
}

void CButtonAppearanceDlg::UpdateControls()
{
    Enable(IDC_GT_APPEARANCE_IMAGE_ONLY, m_Model.IsImageOnlyAllowed());
    Enable(IDC_GT_APPEARANCE_IMAGE_TEXT, m_Model.IsImageAndTextAllowed());
    Enable(IDC_GT_APPEARANCE_TEXT, m_Model.IsTextEnabled());
    Enable(IDC_GT_APPEARANCE_IMAGES, m_Model.IsImageListEnabled());
    Enable(IDC_GT_APPEARANCE_NEW, m_Model.IsNewImageEnabled());
    Enable(IDC_GT_APPEARANCE_EDIT, m_Model.IsEditImageEnabled());
    Enable(IDC_GT_APPEARANCE_USER_IMAGE, m_Model.IsUserImageEnabled());
    Enable(IDC_GT_APPEARANCE_DEFAULT_IMAGE, m_Model.IsDefaultImageEnabled());
    InvalidateRect(&m_PreviewRect);
}

void CButtonAppearanceDlg::OnImageOnly()
{
    m_Model.ChooseImageOnly();
    UpdateControls();
}

void CButtonAppearanceDlg::OnTextOnly()
{
    m_Model.ChooseTextOnly();
    UpdateControls();
}

void CButtonAppearanceDlg::OnImageAndText()
{
    m_Model.ChooseImageAndText();
    UpdateControls();
}

void CButtonAppearanceDlg::OnDefaultImage()
{
    m_Model.ChooseDefaultImage();
    CheckRadioButton(IDC_GT_APPEARANCE_USER_IMAGE, IDC_GT_APPEARANCE_DEFAULT_IMAGE, IDC_GT_APPEARANCE_DEFAULT_IMAGE);
    UpdateControls();
}

void CButtonAppearanceDlg::OnUserImage()
{
    m_Model.ChooseUserImage();
    CheckRadioButton(IDC_GT_APPEARANCE_USER_IMAGE, IDC_GT_APPEARANCE_DEFAULT_IMAGE, IDC_GT_APPEARANCE_USER_IMAGE);
    m_ImagesList.SelectButton(nullptr);
    UpdateControls();
}

void CButtonAppearanceDlg::OnImageSelected()
{
    if (const CGTToolbarButton* selected = m_ImagesList.GetSelectedButton())
        m_Model.SelectImage(selected->GetImage());
    UpdateControls();
}

void CButtonAppearanceDlg::OnTextChanged()
{
    CString text;
    GetDlgItemText(IDC_GT_APPEARANCE_TEXT, text);
    m_Model.SetText(text);
}

void CButtonAppearanceDlg::OnOK()
{
    OnTextChanged();
    CGTLocalResource toolkitResources;
    switch (m_Model.Validate()) {
    case CButtonAppearanceModel::NeedImage:
        AfxMessageBox(IDS_GT_SELECT_IMAGE);
        m_ImagesList.SetFocus();
        return;
    case CButtonAppearanceModel::NeedText:
        AfxMessageBox(IDS_GT_ENTER_TEXT);
        GetDlgItem(IDC_GT_APPEARANCE_TEXT)->SetFocus();
        return;
    case CButtonAppearanceModel::None:
        break;
    }
    m_Model.Apply(*m_Button);
    CDialog::OnOK();
}

BOOL CButtonAppearanceDlg::EditImage(CBitmap& ioBitmap)
{
    CGTImageEditDlg editor(&ioBitmap, this);
    return editor.DoModal() == IDOK;
}

BOOL CButtonAppearanceDlg::CreateNewImage()
{
    const CSize size = m_UserImages->sizeImage;
    CBitmap image;
    HDC screen = ::GetDC(nullptr);
    image.Attach(::CreateCompatibleBitmap(screen, size.cx, size.cy));
    ::ReleaseDC(nullptr, screen);
    {
        CGTSelectedBitmap target(static_cast<HBITMAP>(image.GetSafeHandle()));
        if (image.GetSafeHandle() == nullptr || !target.IsValid())
            return FALSE;
        const RECT all = {0, 0, size.cx, size.cy};
        ::FillRect(target.Dc(), &all, theGuiToolkitGlobals.brushBtnFace);
    }
    if (!EditImage(image))
        return TRUE;
    const int index = m_UserImages->AddImage(static_cast<HBITMAP>(image.GetSafeHandle()));
    if (index < 0)
        return FALSE;
    FillImagesList();
    m_ImagesList.SelectButtonByID(index);
    m_Model.SelectImage(index);
    return TRUE;
}

BOOL CButtonAppearanceDlg::EditSelectedImage()
{
    const CGTToolbarButton* selected = m_ImagesList.GetSelectedButton();
    if (selected == nullptr)
        return TRUE;
    const int index = selected->GetImage();
    CBitmap copy;
    if (!copy.Attach(m_UserImages->ExtractImage(index)))
        return FALSE;
    // The list shows the strip as it stands, not faded, while the user edits.
    const BOOL fade = m_UserImages->fadeInactive;
    m_UserImages->fadeInactive = FALSE;
    const BOOL edited = EditImage(copy);
    m_UserImages->fadeInactive = fade;
    if (edited && !m_UserImages->ReplaceImage(index, static_cast<HBITMAP>(copy.GetSafeHandle())))
        return FALSE;
    m_ImagesList.Invalidate();
    return TRUE;
}

void CButtonAppearanceDlg::RunImageWork(BOOL (CButtonAppearanceDlg::*iWork)(), UINT iFailure)
{
    CGTLocalResource toolkitResources;
    try {
        if (m_UserImages != nullptr && !(this->*iWork)())
            AfxMessageBox(iFailure);
    } catch (CException* error) {
        error->Delete();
        AfxMessageBox(IDS_GT_INTERNAL_ERROR);
    }
    UpdateControls();
}

void CButtonAppearanceDlg::OnNewImage()
{
    RunImageWork(&CButtonAppearanceDlg::CreateNewImage, IDS_GT_CANNOT_CREATE_IMAGE);
}

void CButtonAppearanceDlg::OnEditImage()
{
    RunImageWork(&CButtonAppearanceDlg::EditSelectedImage, IDS_GT_INTERNAL_ERROR);
}

void CButtonAppearanceDlg::OnPaint()
{
    CPaintDC dc(this);
    DrawPreview(dc);
}

void CButtonAppearanceDlg::DrawPreview(CDC& ioDc)
{
    if (m_PreviewRect.IsRectEmpty())
        return;
    if (CGTUserTool* tool = UserToolOf(m_Button->m_CommandId)) {
        tool->DrawToolIcon(&ioDc, m_PreviewRect);
        return;
    }
    CGTToolBarImages& images = CGTToolBar::GetImages(GTToolBarImageKind::Images);
    if (m_Button->IsLocked()) {
        // A locked button draws itself, as image only.
        const BOOL showText = m_Button->m_ShowText;
        const BOOL showImage = m_Button->m_ShowImage;
        m_Button->m_ShowText = FALSE;
        m_Button->m_ShowImage = TRUE;
        CGTImageDrawPass pass;
        const BOOL drawing = images.BeginDrawing(pass);
        m_Button->OnDraw(&ioDc, m_PreviewRect, drawing ? &images : nullptr, TRUE, FALSE, FALSE, FALSE, TRUE);
        if (drawing)
            images.FinishDrawing(pass);
        m_Button->m_ShowText = showText;
        m_Button->m_ShowImage = showImage;
        return;
    }
    int image = -1;
    if (!m_Model.IsShowImage() || !CGTToolBar::GetDefaultImage(m_Button->m_CommandId, image) || image < 0 ||
        images.bitmap == nullptr)
        return;
    CGTImageDrawPass pass;
    if (!images.BeginDrawing(pass))
        return;
    images.DrawImage(&ioDc, m_PreviewRect.left, m_PreviewRect.top, image);
    images.FinishDrawing(pass);
}
