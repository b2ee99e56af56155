#include "ControlsTestSupport.h"
#include <guitoolkit/controls/CGTEdit.h>
#include <guitoolkit/core/tests/FakeSeams.h>
#include <gtest/gtest.h>
#include <string>

namespace {

void DeliverPosted()
{
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

class EditModes : public ::testing::Test {
protected:
    EditModes()
    {
        m_Edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 10, 160, 32), &m_Parent, 40);
    }
    std::wstring Text() const
    {
        CString text;
        m_Edit.GetWindowText(text);
        return std::wstring(text);
    }
    // Sends a typed character through the edit's message filter, as the message loop would.
    void Type(wchar_t iCharacter)
    {
        MSG message = {m_Edit.m_hWnd, WM_CHAR, iCharacter, 0};
        if (!m_Edit.PreTranslateMessage(&message))
            m_Edit.SendMessage(WM_CHAR, iCharacter, 0);
    }
    void Click()
    {
        const CRect button = m_Edit.GetButtonRect();
        m_Edit.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(button.CenterPoint().x, button.CenterPoint().y));
        m_Edit.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(button.CenterPoint().x, button.CenterPoint().y));
    }

    ParentWindow m_Parent;
    CGTEdit m_Edit;
};

TEST_F(EditModes, CalculatorCharactersKeepTheTextADecimalNumber)
{
    const struct {
        const wchar_t* m_Text;
        int m_Caret;
        UINT m_Character;
        BOOL m_Accepted;
    } cases[] = {
        {L"", 0, L'7', TRUE},      {L"12", 2, 0x0663, TRUE}, {L"12", 2, L'.', TRUE},    {L"12", 2, L',', TRUE},
        {L"1.2", 3, L',', FALSE},  {L"1,2", 3, L'.', FALSE}, {L"12", 0, L'-', TRUE},    {L"12", 1, L'-', FALSE},
        {L"-12", 0, L'-', FALSE},  {L"12", 2, L'a', FALSE},  {L"12", 2, 0x00E9, FALSE}, {L"12", 2, 0x4E00, FALSE},
        {L"12", 2, VK_BACK, TRUE}, {L"12", 2, 0x0001, TRUE},
    };
    for (const auto& c : cases) {
        m_Edit.SetWindowText(c.m_Text);
        m_Edit.SetSel(c.m_Caret, c.m_Caret);
        EXPECT_EQ(m_Edit.AcceptCalculatorChar(c.m_Character), c.m_Accepted)
            << std::wstring(c.m_Text) << " " << c.m_Character;
    }
}

TEST_F(EditModes, OnlyTheCalculatorModeFiltersWhatIsTyped)
{
    for (wchar_t character : std::wstring(L"1a-"))
        Type(character);
    EXPECT_EQ(Text(), L"1a-");

    m_Edit.SetWindowText(L"");
    m_Edit.EnableCalculatorMode();
    for (wchar_t character : std::wstring(L"-1a,5.x"))
        Type(character);
    EXPECT_EQ(Text(), L"-1,5");
    EXPECT_EQ(m_Edit.GetCalculatorStartValue(), -1.5);
    m_Edit.SetWindowText(L"");
    EXPECT_EQ(m_Edit.GetCalculatorStartValue(), 0.0);
}

TEST_F(EditModes, ModesPlaceTheButtonOrNone)
{
    EXPECT_TRUE(m_Edit.GetButtonRect().IsRectEmpty());
    CRect client;
    m_Edit.GetClientRect(&client);
    const int fullWidth = client.Width();
    for (int mode : {1, 2, 3, 4}) {
        switch (mode) {
        case 1:
            m_Edit.EnableBrowseMode();
            break;
        case 2:
            m_Edit.EnableCalculatorMode();
            break;
        case 3:
            m_Edit.EnableFileBrowseMode(L"txt", L"Text (*.txt)|*.txt||");
            break;
        default:
            m_Edit.EnableFolderBrowseMode();
            break;
        }
        EXPECT_EQ(m_Edit.GetMode(), mode);
        m_Edit.GetClientRect(&client);
        EXPECT_EQ(client.Width(), fullWidth - 20) << mode;
        EXPECT_EQ(m_Edit.GetButtonRect().Width(), 20) << mode;
    }
    m_Edit.EnableBrowseMode(FALSE);
    m_Edit.GetClientRect(&client);
    EXPECT_EQ(client.Width(), fullWidth);
    EXPECT_TRUE(m_Edit.GetButtonRect().IsRectEmpty());
}

TEST_F(EditModes, AConfirmedDialogWritesTheTextAndNotifiesACancelledOneNothing)
{
    FakeModalDialogs dialogs;
    m_Edit.SetWindowText(L"C:\\old.txt");
    m_Edit.EnableFileBrowseMode(L"txt", L"Text|*.txt||");
    DeliverPosted();
    m_Parent.m_Recorded.clear();
    Click();
    DeliverPosted();
    EXPECT_EQ(dialogs.m_Asked, L"file txt C:\\old.txt Text|*.txt||");
    EXPECT_EQ(Text(), L"C:\\old.txt");
    for (WPARAM command : m_Parent.Commands())
        EXPECT_NE(HIWORD(command), EN_CHANGE);

    dialogs.m_Answer = L"C:\\data";
    m_Edit.EnableFolderBrowseMode();
    Click();
    m_Parent.m_Recorded.clear();
    DeliverPosted();
    EXPECT_EQ(dialogs.m_Asked, L"folder C:\\old.txt");
    EXPECT_EQ(Text(), L"C:\\data");
    EXPECT_EQ(m_Parent.Commands(), (std::vector<WPARAM>{MAKEWPARAM(40, EN_CHANGE), MAKEWPARAM(40, EN_UPDATE)}))
        << "posted after the text was set";
    EXPECT_EQ(::GetFocus(), m_Edit.m_hWnd);
}

TEST_F(EditModes, APressReleasedOutsideTheButtonRunsNothing)
{
    FakeModalDialogs dialogs;
    m_Edit.EnableFolderBrowseMode();
    const CRect button = m_Edit.GetButtonRect();
    m_Edit.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(button.CenterPoint().x, button.CenterPoint().y));
    m_Edit.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_TRUE(dialogs.m_Asked.empty());
}

}  // namespace
