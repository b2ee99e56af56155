#include <guitoolkit/core/CGTCommandManager.h>
#include <guitoolkit/core/CGTSelectedBitmap.h>
#include <guitoolkit/toolbars/CGTUserToolsManager.h>
#include <guitoolkit/toolbars/CButtonAppearanceDlg.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <guitoolkit/toolbars/GTEditorResources.h>
#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include "EditorTestSupport.h"

namespace {
const UINT withDefault = 30100;
const UINT withoutDefault = 30101;
const UINT toolCommand = 30200;

// The appearance dialog's controls that the rules enable, by name.
std::string Enabled(const CButtonAppearanceModel& iModel)
{
    const std::pair<const char*, BOOL> rules[] = {
        {"text", iModel.IsTextEnabled()},           {"list", iModel.IsImageListEnabled()},
        {"new", iModel.IsNewImageEnabled()},        {"edit", iModel.IsEditImageEnabled()},
        {"user", iModel.IsUserImageEnabled()},      {"default", iModel.IsDefaultImageEnabled()},
        {"imageonly", iModel.IsImageOnlyAllowed()},
    };
    std::string names;
    for (const auto& [name, on] : rules)
        if (on)
            names += names.empty() ? name : std::string(" ") + name;
    return names;
}

struct ModelCase {
    const char* name;
    std::function<CGTToolbarButton*()> button;
    BOOL strip;
    BOOL readOnly;
    BOOL menuMode;
    std::function<void(CButtonAppearanceModel&)> act;
    std::string enabled;
    CButtonAppearanceModel::Problem problem;
};

CGTToolbarButton* Button(UINT iCommand, int iImage, LPCWSTR iText, BOOL iShowText = FALSE, BOOL iLocked = FALSE)
{
    auto* button = new CGTToolbarButton(iCommand, iImage, iText, FALSE, iLocked);
    button->m_ShowText = iShowText;
    return button;
}

class ButtonAppearance : public ::testing::Test {
protected:
    void SetUp() override
    {
        CGTToolBar::SetDefaultImage(withDefault, 3);
        m_Tools.CreateNewTool();
    }
    CGTUserToolsManager m_Tools{toolCommand, toolCommand};
};
}  // namespace

TEST_F(ButtonAppearance, EnablingRulesAndOkChecks)
{
    using Model = CButtonAppearanceModel;
    const ModelCase cases[] = {
        {"a command with its default image", [] { return Button(withDefault, 3, L"Open"); }, TRUE, FALSE, FALSE,
         [](Model&) {}, "user default imageonly", Model::None},
        {"text only with an empty text", [] { return Button(withDefault, 3, L"Open"); }, TRUE, FALSE, FALSE,
         [](Model& m) {
             m.ChooseTextOnly();
             m.SetText(L"");
         },
         "text imageonly", Model::NeedText},
        {"image only, the user's images, none chosen", [] { return Button(withDefault, 3, L"Open"); }, TRUE, FALSE,
         FALSE, [](Model& m) { m.ChooseUserImage(); }, "list new user default imageonly", Model::NeedImage},
        {"a user image chosen", [] { return Button(withDefault, 3, L"Open"); }, TRUE, FALSE, FALSE,
         [](Model& m) {
             m.ChooseUserImage();
             m.SelectImage(1);
         },
         "list new edit user default imageonly", Model::None},
        {"a borrowed strip takes no images", [] { return Button(withDefault, 3, L"Open"); }, TRUE, TRUE, FALSE,
         [](Model& m) {
             m.ChooseUserImage();
             m.SelectImage(1);
         },
         "list user default imageonly", Model::None},
        {"a locked button", [] { return Button(withDefault, 3, L"Open", FALSE, TRUE); }, TRUE, FALSE, FALSE,
         [](Model& m) { m.ChooseUserImage(); }, "imageonly", Model::NeedImage},
        {"no default image starts with the user's images", [] { return Button(withoutDefault, -1, L"Run"); }, TRUE,
         FALSE, FALSE, [](Model& m) { m.ChooseImageOnly(); }, "list new user imageonly", Model::NeedImage},
        {"without a strip or image only text is left", [] { return Button(withoutDefault, -1, L"Run"); }, FALSE, FALSE,
         FALSE, [](Model& m) { m.ChooseTextOnly(); }, "text", Model::None},
        {"on a menu the text always shows", [] { return Button(withDefault, 3, L"&Open\tCtrl+O"); }, TRUE, FALSE, TRUE,
         [](Model&) {}, "text user default", Model::None},
        {"a user tool's default image is its icon", [] { return Button(toolCommand, -1, L"Tool"); }, FALSE, FALSE,
         FALSE,
         [](Model& m) {
             m.ChooseDefaultImage();
             m.ChooseImageAndText();
         },
         "text default imageonly", Model::None},
        {"a user tool's text on a menu stays", [] { return Button(toolCommand, -1, L"Tool"); }, FALSE, FALSE, TRUE,
         [](Model& m) { m.ChooseDefaultImage(); }, "default", Model::None},
    };
    for (const ModelCase& test : cases) {
        std::unique_ptr<CGTToolbarButton> button(test.button());
        Model model(*button, test.strip, test.readOnly, test.menuMode);
        test.act(model);
        EXPECT_EQ(test.enabled, Enabled(model)) << test.name;
        EXPECT_EQ(test.problem, model.Validate()) << test.name;
    }
}

TEST_F(ButtonAppearance, OkChangesTheButtonAndKeepsTheShortcutAfterTheTab)
{
    CGTToolbarButton button(withDefault, 3, L"&Open\tCtrl+O");
    CButtonAppearanceModel model(button, TRUE, FALSE, FALSE);
    EXPECT_EQ(CString(L"&Open"), model.GetText());
    model.ChooseImageAndText();
    model.SetText(L"&Open Report");
    ASSERT_EQ(CButtonAppearanceModel::None, model.Validate());
    model.Apply(button);
    EXPECT_EQ(CString(L"&Open Report\tCtrl+O"), button.m_Text);
    EXPECT_TRUE(button.m_ShowText);
    EXPECT_TRUE(button.m_ShowImage);
    EXPECT_FALSE(button.m_UserImage);
    EXPECT_EQ(3, button.GetImage());

    CButtonAppearanceModel user(button, TRUE, FALSE, FALSE);
    user.ChooseUserImage();
    user.SelectImage(2);
    ASSERT_EQ(CButtonAppearanceModel::None, user.Validate());
    user.Apply(button);
    EXPECT_TRUE(button.m_UserImage);
    EXPECT_EQ(2, button.GetImage());
}

TEST_F(ButtonAppearance, OnAMenuTheImageChoiceGoesToTheCommandManager)
{
    CGTToolbarButton item(withDefault, 3, L"&Open");
    CButtonAppearanceModel model(item, TRUE, FALSE, TRUE);
    model.ChooseTextOnly();
    ASSERT_EQ(CButtonAppearanceModel::None, model.Validate());
    model.Apply(item);
    EXPECT_TRUE(GetCommandManager().IsMenuItemWithoutImage(withDefault));
    EXPECT_TRUE(item.m_ShowImage) << "the item's own flag stays";
    EXPECT_FALSE(CButtonAppearanceModel(item, TRUE, FALSE, TRUE).IsShowImage());
    GetCommandManager().EnableMenuItemImage(withDefault, TRUE);
}

namespace {
// A strip of images of 16 x 15 pixels, all white.
void FillStrip(CGTToolBarImages& oStrip, int iCount)
{
    HDC screen = ::GetDC(nullptr);
    HBITMAP images = ::CreateCompatibleBitmap(screen, 16 * iCount, 15);
    ::ReleaseDC(nullptr, screen);
    {
        CGTSelectedBitmap target(images);
        const RECT all = {0, 0, 16 * iCount, 15};
        ::FillRect(target.Dc(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    }
    oStrip.AddImage(images);
    ::DeleteObject(images);
}

COLORREF StripPixel(CGTToolBarImages& iStrip, int iImage)
{
    CGTSelectedBitmap source(iStrip.bitmap);
    return ::GetPixel(source.Dc(), 16 * iImage + 5, 5);
}

// The image editor's part played by the test: every image it gets turns red.
class PaintingAppearanceDlg : public CButtonAppearanceDlg {
public:
    using CButtonAppearanceDlg::CButtonAppearanceDlg;
    BOOL EditImage(CBitmap& ioBitmap) override
    {
        CGTSelectedBitmap target(static_cast<HBITMAP>(ioBitmap.GetSafeHandle()));
        HBRUSH brush = ::CreateSolidBrush(RGB(255, 0, 0));
        const RECT all = {0, 0, 16, 15};
        ::FillRect(target.Dc(), &all, brush);
        ::DeleteObject(brush);
        m_FadingWhileEditing.push_back(m_Strip->fadeInactive);
        return TRUE;
    }
    CGTToolBarImages* m_Strip = nullptr;
    // Per edit, whether the strip was faded meanwhile.
    std::vector<BOOL> m_FadingWhileEditing;
};
}  // namespace

TEST_F(ButtonAppearance, TheDialogRefusesOkUntilTheChoiceIsCompleteAndDrawsNewImages)
{
    PromptRecordingApp app;
    HostDialog host;
    CGTToolBarImages strip;
    FillStrip(strip, 3);
    CGTToolbarButton button(withDefault, 3, L"&Open\tCtrl+O");
    strip.fadeInactive = TRUE;
    PaintingAppearanceDlg dialog(&button, &strip, &host, 1);
    dialog.m_Strip = &strip;
    ASSERT_TRUE(dialog.Create(IDD_GT_BUTTON_APPEARANCE, &host));
    auto click = [&](UINT iId) {
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(iId, BN_CLICKED),
                           reinterpret_cast<LPARAM>(dialog.GetDlgItem(iId)->GetSafeHwnd()));
    };
    auto enabled = [&](UINT iId) { return dialog.GetDlgItem(iId)->IsWindowEnabled(); };

    EXPECT_TRUE(dialog.IsDlgButtonChecked(IDC_GT_APPEARANCE_DEFAULT_IMAGE));
    EXPECT_FALSE(dialog.IsDlgButtonChecked(IDC_GT_APPEARANCE_USER_IMAGE));
    EXPECT_TRUE(dialog.IsDlgButtonChecked(IDC_GT_APPEARANCE_IMAGE_ONLY));
    CString text;
    dialog.GetDlgItemText(IDC_GT_APPEARANCE_TEXT, text);
    EXPECT_EQ(CString(L"&Open"), text);
    EXPECT_FALSE(enabled(IDC_GT_APPEARANCE_TEXT));
    EXPECT_EQ(2, dialog.GetImagesList().GetCount()) << "the user's images from the first listed on";
    EXPECT_FALSE(enabled(IDC_GT_APPEARANCE_IMAGES));

    dialog.CheckRadioButton(IDC_GT_APPEARANCE_IMAGE_ONLY, IDC_GT_APPEARANCE_IMAGE_TEXT, IDC_GT_APPEARANCE_TEXT_ONLY);
    click(IDC_GT_APPEARANCE_TEXT_ONLY);
    ASSERT_TRUE(enabled(IDC_GT_APPEARANCE_TEXT));
    dialog.SetDlgItemText(IDC_GT_APPEARANCE_TEXT, L"");
    dialog.SendMessage(WM_COMMAND, IDOK);
    EXPECT_EQ(std::vector<std::wstring>{L"You should enter a text!"}, app.m_Prompts);
    EXPECT_EQ(dialog.GetDlgItem(IDC_GT_APPEARANCE_TEXT)->GetSafeHwnd(), ::GetFocus());
    EXPECT_EQ(CString(L"&Open\tCtrl+O"), button.m_Text) << "nothing changes before OK goes through";

    dialog.CheckRadioButton(IDC_GT_APPEARANCE_IMAGE_ONLY, IDC_GT_APPEARANCE_IMAGE_TEXT, IDC_GT_APPEARANCE_IMAGE_TEXT);
    click(IDC_GT_APPEARANCE_IMAGE_TEXT);
    click(IDC_GT_APPEARANCE_USER_IMAGE);
    EXPECT_TRUE(enabled(IDC_GT_APPEARANCE_IMAGES));
    EXPECT_FALSE(enabled(IDC_GT_APPEARANCE_EDIT)) << "no image chosen yet";
    click(IDC_GT_APPEARANCE_NEW);
    ASSERT_EQ(4, strip.count);
    EXPECT_EQ(RGB(255, 0, 0), StripPixel(strip, 3));
    ASSERT_NE(nullptr, dialog.GetImagesList().GetSelectedButton());
    EXPECT_EQ(3, dialog.GetImagesList().GetSelectedButton()->GetImage());
    EXPECT_TRUE(enabled(IDC_GT_APPEARANCE_EDIT));

    dialog.GetImagesList().SelectButtonByID(1);
    click(IDC_GT_APPEARANCE_EDIT);
    EXPECT_EQ(RGB(255, 0, 0), StripPixel(strip, 1));
    EXPECT_EQ(RGB(255, 255, 255), StripPixel(strip, 2));
    EXPECT_EQ((std::vector<BOOL>{TRUE, FALSE}), dialog.m_FadingWhileEditing) << "an edited image is seen unfaded";
    EXPECT_TRUE(strip.fadeInactive);

    dialog.SetDlgItemText(IDC_GT_APPEARANCE_TEXT, L"&Report");
    dialog.SendMessage(WM_COMMAND, IDOK);
    EXPECT_EQ(1u, app.m_Prompts.size());
    EXPECT_EQ(CString(L"&Report\tCtrl+O"), button.m_Text);
    EXPECT_TRUE(button.m_UserImage);
    EXPECT_EQ(1, button.GetImage());
    EXPECT_TRUE(button.m_ShowText && button.m_ShowImage);
    dialog.DestroyWindow();
}

namespace {
// Records the clicks its children report.
class ClickRecorder : public HostDialog {
public:
    BOOL OnCommand(WPARAM iWParam, LPARAM iLParam) override
    {
        if (HIWORD(iWParam) == BN_CLICKED)
            ++m_Clicks;
        return HostDialog::OnCommand(iWParam, iLParam);
    }
    int m_Clicks = 0;
};

class ButtonsList : public ::testing::Test {
protected:
    void SetUp() override
    {
        FillStrip(m_Strip, 40);
        ASSERT_TRUE(m_List.Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(0, 0, 200, 100), &m_Parent, 7));
        m_List.SetImages(&m_Strip);
        for (int image = 0; image < 40; ++image)
            m_List.AddButton(new CGTToolbarButton(0, image, nullptr, TRUE));
    }
    int Selected() const
    {
        const CGTToolbarButton* button = m_List.GetSelectedButton();
        return button != nullptr ? button->GetImage() : -1;
    }
    void Key(UINT iKey) { m_List.SendMessage(WM_KEYDOWN, iKey); }
    void Scroll(UINT iCode, int iPosition = 0)
    {
        m_List.SendMessage(WM_VSCROLL, MAKEWPARAM(iCode, iPosition),
                           reinterpret_cast<LPARAM>(m_List.GetScrollBar()->GetSafeHwnd()));
    }

    ClickRecorder m_Parent;
    CGTToolBarImages m_Strip;
    CButtonsList m_List;
};
}  // namespace

TEST_F(ButtonsList, ButtonsFillRowsBesideTheScrollBar)
{
    EXPECT_EQ(CSize(22, 22), m_List.GetButtonSize());
    // 4 pixels in, 4 between, as many as fit left of the scroll bar: 6 in a row of 200.
    const int right = 200 - 4 - ::GetSystemMetrics(SM_CXVSCROLL) - 1;
    const int perRow = (right - 4 + 4) / 26;
    EXPECT_EQ(CRect(4, 5, 26, 27), m_List.GetButton(0)->Rect());
    EXPECT_EQ(CRect(4 + 26 * (perRow - 1), 5, 26 + 26 * (perRow - 1), 27), m_List.GetButton(perRow - 1)->Rect());
    EXPECT_EQ(CRect(4, 32, 26, 54), m_List.GetButton(perRow)->Rect()) << "rows 27 pixels apart";
    const int rows = (40 + perRow - 1) / perRow;
    EXPECT_EQ(5 + 27 * (rows - 1) + 22 - 95, m_List.GetScrollMax()) << "the hidden height";
    EXPECT_EQ(3, m_List.GetRowsPerPage());
    ASSERT_NE(nullptr, m_List.GetScrollBar());
}

TEST_F(ButtonsList, ScrollingMovesByRowsAndStaysInRange)
{
    const int maximum = m_List.GetScrollMax();
    ASSERT_GT(maximum, 27 + 54);
    ASSERT_LT(maximum, 27 + 81);
    const struct {
        UINT code;
        int position;
        int offset;
    } steps[] = {
        {SB_LINEUP, 0, 0},       {SB_LINEDOWN, 0, 27},       {SB_PAGEDOWN, 0, maximum}, {SB_PAGEUP, 0, maximum - 81},
        {SB_THUMBTRACK, 40, 27}, {SB_THUMBPOSITION, 41, 54}, {SB_BOTTOM, 0, maximum},   {SB_LINEDOWN, 0, maximum},
        {SB_TOP, 0, 0},
    };
    for (const auto& step : steps) {
        Scroll(step.code, step.position);
        EXPECT_EQ(step.offset, m_List.GetScrollOffset()) << step.code << " " << step.position;
        EXPECT_EQ(step.offset, m_List.GetScrollBar()->GetScrollPos());
    }
}

TEST_F(ButtonsList, KeysMoveTheSelectionAndKeepItInView)
{
    Key(VK_LEFT);
    EXPECT_EQ(-1, Selected());
    Key(VK_RIGHT);
    EXPECT_EQ(0, Selected());
    Key(VK_DOWN);
    EXPECT_EQ(1, Selected());
    Key(VK_UP);
    Key(VK_LEFT);
    EXPECT_EQ(0, Selected()) << "the first stays first";
    Key(VK_END);
    EXPECT_EQ(39, Selected());
    EXPECT_EQ(m_List.GetScrollMax(), m_List.GetScrollOffset()) << "the last row scrolled into view";
    Key(VK_HOME);
    EXPECT_EQ(0, Selected());
    EXPECT_EQ(0, m_List.GetScrollOffset());
    EXPECT_EQ(5, m_Parent.m_Clicks) << "each new selection is a click; the same one is none";
    EXPECT_FALSE(m_List.SelectButtonByID(40));
    EXPECT_TRUE(m_List.SelectButtonByID(-1));
    EXPECT_EQ(-1, Selected());
}
