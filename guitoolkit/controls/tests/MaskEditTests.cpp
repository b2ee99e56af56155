#include "ControlsTestSupport.h"
#include <guitoolkit/controls/CGTMaskEdit.h>
#include <guitoolkit/core/tests/FakeSeams.h>
#include <gtest/gtest.h>
#include <string>

namespace {

// A date: two groups of two digits and one of four, "/" between them.
void EnableDate(CGTMaskEdit& ioEdit, LPCWSTR iValid = nullptr)
{
    ioEdit.EnableMask(L"DD DD DDDD", L"__/__/____", L'_', iValid);
}

}  // namespace

TEST(MaskEdit, SetValueTable)
{
    struct Case {
        LPCWSTR valid;
        LPCWSTR text;
        BOOL withSeparators;
        BOOL accepted;
        LPCWSTR shown;  // GetText afterwards
        LPCWSTR value;  // GetValue()
    };
    const Case cases[] = {
        {nullptr, L"12/05/2024", TRUE, TRUE, L"12/05/2024", L"12052024"},
        {nullptr, L"12-05-2024", TRUE, FALSE, L"__/__/____", L""},
        {nullptr, L"12052024", FALSE, TRUE, L"12/05/2024", L"12052024"},
        {nullptr, L"12/0", TRUE, TRUE, L"12/0_/____", L"120"},
        {nullptr, L"1_/05", TRUE, TRUE, L"1_/05/____", L"105"},  // the fill character passes any letter
        {nullptr, L"1a", FALSE, FALSE, L"__/__/____", L""},
        {nullptr, L"12/05/20245", TRUE, FALSE, L"__/__/____", L""},
        {nullptr, L"120520245", FALSE, FALSE, L"__/__/____", L""},
        {L"0123", L"12/03", TRUE, TRUE, L"12/03/____", L"1203"},
        {L"0123", L"12/04", TRUE, FALSE, L"__/__/____", L""},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(test.text)));
        CGTMaskEdit edit;
        EnableDate(edit, test.valid);
        EXPECT_EQ(test.accepted, edit.SetValue(test.text, test.withSeparators));
        EXPECT_STREQ(test.shown, edit.GetText());
        EXPECT_STREQ(test.value, edit.GetValue());
    }
    CGTMaskEdit edit;
    EnableDate(edit);
    edit.SetValue(L"1");
    EXPECT_STREQ(L"1_______", edit.GetValue(TRUE));
}

TEST(MaskEdit, WithoutAMaskOnlyTheValidSetCounts)
{
    CGTMaskEdit edit;
    edit.SetValidChars(L"ab");
    EXPECT_TRUE(edit.SetValue(L"abba"));
    EXPECT_FALSE(edit.SetValue(L"abc"));
    EXPECT_STREQ(L"abba", edit.GetValue());
    EXPECT_TRUE(edit.IsValidInputChar(L'a', 99));
    EXPECT_FALSE(edit.IsValidInputChar(L'c', 0));
    edit.SetValidChars(nullptr);
    EXPECT_TRUE(edit.IsValidInputChar(L'c', 0));
}

TEST(MaskEdit, ValidInputCharacters)
{
    CGTMaskEdit edit;
    edit.EnableMask(L"DdCcAa*+ ", L"________/", L'_');
    struct Case {
        WCHAR c;
        int position;
        BOOL valid;
    };
    const Case cases[] = {
        {L'5', 0, TRUE},  {L'x', 0, FALSE}, {L' ', 0, FALSE}, {L' ', 1, TRUE},  {L'x', 2, TRUE},
        {L'5', 2, FALSE}, {L' ', 3, TRUE},  {L'5', 4, TRUE},  {L' ', 4, FALSE}, {L' ', 5, TRUE},
        {L'%', 6, TRUE},  {L'-', 7, TRUE},  {L'x', 7, FALSE}, {L'/', 8, FALSE}, {L'1', 9, FALSE},
    };
    for (const Case& test : cases)
        EXPECT_EQ(test.valid, edit.IsValidInputChar(test.c, test.position)) << test.position << " " << (char)test.c;

    CGTMaskEdit shortMask;
    shortMask.EnableMask(L"D", L"___", L'_');
    EXPECT_FALSE(shortMask.IsValidInputChar(L'3', 2)) << "a place the mask does not reach takes nothing";
    EXPECT_FALSE(shortMask.SetValue(L"1_3", FALSE));
    EXPECT_TRUE(shortMask.SetValue(L"1__", FALSE));
    EXPECT_STREQ(L"1__", shortMask.GetText());
}

TEST(MaskEdit, GroupBounds)
{
    CGTMaskEdit edit;
    EnableDate(edit);
    struct Case {
        int position;
        BOOL forward;
        int start, end;
    };
    const Case cases[] = {
        {0, TRUE, 0, 2},    {2, TRUE, 0, 2},  // just behind a group counts as in it
        {4, TRUE, 3, 5},    {5, TRUE, 3, 5},  {7, TRUE, 6, 10}, {10, TRUE, 6, 10},
        {11, TRUE, -1, -1}, {4, FALSE, 3, 5}, {2, FALSE, 0, 2}, {10, FALSE, 6, 10},
    };
    for (const Case& test : cases) {
        int start = 0, end = 0;
        EXPECT_EQ(test.start >= 0, edit.GetGroupBounds(test.position, start, end, test.forward)) << test.position;
        EXPECT_EQ(test.start, start) << test.position << (test.forward ? " forward" : " backward");
        EXPECT_EQ(test.end, end) << test.position;
    }
}

namespace {

// A masked edit window that the test types into with window messages.
class TypedMaskEdit : public ::testing::Test {
protected:
    void Open(DWORD iStyle = 0, LPCWSTR iMask = L"DD DD CC", LPCWSTR iTemplate = L"__/__/__")
    {
        m_Edit.EnableMask(iMask, iTemplate, L'_');
        ASSERT_TRUE(m_Edit.Create(WS_CHILD | WS_VISIBLE | iStyle, CRect(0, 0, 200, 24), &m_Parent, 1));
    }
    void TearDown() override { m_Edit.DestroyWindow(); }
    void Caret(int iStart, int iEnd = -2) { m_Edit.SetSel(iStart, iEnd == -2 ? iStart : iEnd); }
    void Type(WCHAR iChar) { m_Edit.SendMessage(WM_CHAR, iChar, 1); }
    void Key(UINT iKey) { m_Edit.SendMessage(WM_KEYDOWN, iKey, 1); }
    CString Shown() const
    {
        CString text;
        m_Edit.GetWindowText(text);
        return text;
    }
    int Start() const
    {
        int start, end;
        m_Edit.GetSel(start, end);
        return start;
    }

    ParentWindow m_Parent;
    CGTMaskEdit m_Edit;
    FakeBeeper m_Beeper;
    FakeKeyState m_Keys;
};

}  // namespace

TEST_F(TypedMaskEdit, ALetterIntoADigitPlaceChangesNothing)
{
    Open();
    Caret(0);
    Type(L'x');
    EXPECT_STREQ(L"__/__/__", Shown());
    EXPECT_EQ(1u, m_Beeper.m_Beeps.size());
    Type(L'4');
    EXPECT_STREQ(L"4_/__/__", Shown());
    EXPECT_EQ(1, Start());
}

TEST_F(TypedMaskEdit, TheLastPlaceOfAGroupJumpsOverTheSeparator)
{
    Open();
    Caret(1);
    Type(L'2');
    EXPECT_EQ(3, Start());
    Type(L'3');
    EXPECT_STREQ(L"_2/3_/__", Shown());
    EXPECT_STREQ(L"_2/3_/__", m_Edit.GetText());
    EXPECT_TRUE(m_Beeper.m_Beeps.empty());
}

TEST_F(TypedMaskEdit, DeleteShiftsTheRunAndLeavesTheFillCharacter)
{
    Open();
    ASSERT_TRUE(m_Edit.SetValue(L"12/34/AB"));
    m_Edit.SetWindowText(m_Edit.GetText());
    Caret(0);
    Key(VK_DELETE);
    EXPECT_STREQ(L"2_/34/AB", Shown());
    EXPECT_EQ(0, Start());
    Caret(4);
    Key(VK_BACK);
    EXPECT_STREQ(L"2_/4_/AB", Shown());
    EXPECT_EQ(3, Start());
    Key(VK_BACK);
    EXPECT_EQ(2, Start()) << "at a group's start the caret only goes to the previous group's end";
    EXPECT_STREQ(L"2_/4_/AB", Shown());
    Caret(6, 8);
    Key(VK_DELETE);
    EXPECT_STREQ(L"2_/4_/__", Shown());
    EXPECT_TRUE(m_Beeper.m_Beeps.empty());
}

TEST_F(TypedMaskEdit, EditsThatLeaveTheirRunBeepAndChangeNothing)
{
    Open();
    ASSERT_TRUE(m_Edit.SetValue(L"12/34/AB"));
    m_Edit.SetWindowText(m_Edit.GetText());
    struct Case {
        const char* name;
        int start, end;
        UINT key;  // 0: type '9'
        int selectedStart, selectedEnd;
    };
    const Case cases[] = {
        {"delete on a separator", 2, 2, VK_DELETE, 2, 2},
        {"delete across a separator selects the run", 1, 4, VK_DELETE, 0, 2},
        {"backspace across a separator", 3, 7, VK_BACK, 3, 5},
        {"backspace from a separator", 2, 4, VK_BACK, 2, 4},
        {"typing over a selection across a separator", 0, 4, 0, 0, 2},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        m_Beeper.m_Beeps.clear();
        Caret(test.start, test.end);
        if (test.key != 0)
            Key(test.key);
        else
            Type(L'9');
        EXPECT_STREQ(L"12/34/AB", Shown());
        EXPECT_STREQ(L"12/34/AB", m_Edit.GetText());
        EXPECT_EQ(1u, m_Beeper.m_Beeps.size());
        int start, end;
        m_Edit.GetSel(start, end);
        EXPECT_EQ(test.selectedStart, start);
        EXPECT_EQ(test.selectedEnd, end);
    }
}

TEST_F(TypedMaskEdit, TypingOverMoreThanOneRunSelectsTheRun)
{
    Open(0, L"DDCC", L"____");
    ASSERT_TRUE(m_Edit.SetValue(L"12AB"));
    m_Edit.SetWindowText(m_Edit.GetText());
    Caret(1, 3);
    Type(L'9');
    EXPECT_STREQ(L"12AB", Shown());
    EXPECT_EQ(1u, m_Beeper.m_Beeps.size());
    int start, end;
    m_Edit.GetSel(start, end);
    EXPECT_EQ(0, start);
    EXPECT_EQ(2, end);
    Caret(0, 1);
    Type(L'9');
    EXPECT_STREQ(L"92AB", Shown());
    EXPECT_EQ(1, Start());
}

TEST_F(TypedMaskEdit, UpperCaseStyleStoresUpperCase)
{
    Open(ES_UPPERCASE);
    Caret(6);
    Type(L'q');
    EXPECT_STREQ(L"__/__/Q_", m_Edit.GetText());
    Type(L'1');
    EXPECT_STREQ(L"__/__/Q_", m_Edit.GetText());
}

TEST_F(TypedMaskEdit, ArrowsAndHomeEnd)
{
    Open();
    Caret(3);
    Key(VK_LEFT);
    EXPECT_EQ(2, Start()) << "leaving a group goes to the previous group's end";
    Key(VK_RIGHT);
    Key(VK_RIGHT);
    EXPECT_EQ(4, Start());
    Key(VK_END);
    EXPECT_EQ(5, Start());
    Key(VK_HOME);
    EXPECT_EQ(3, Start());
    m_Keys.Press(VK_CONTROL);
    Key(VK_RIGHT);
    int start, end;
    m_Edit.GetSel(start, end);
    EXPECT_EQ(6, start);
    EXPECT_EQ(8, end);
}

TEST_F(TypedMaskEdit, PasteKeepsTheSeparators)
{
    Open();
    ASSERT_TRUE(::OpenClipboard(m_Edit.m_hWnd));
    ::EmptyClipboard();
    const wchar_t text[] = L"12/34";
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, sizeof(text));
    memcpy(::GlobalLock(memory), text, sizeof(text));
    ::GlobalUnlock(memory);
    ::SetClipboardData(CF_UNICODETEXT, memory);
    ::CloseClipboard();
    Caret(0);
    m_Edit.SendMessage(WM_PASTE);
    EXPECT_STREQ(L"12/34/__", m_Edit.GetText());
    EXPECT_STREQ(L"12/34/__", Shown());
    EXPECT_TRUE(m_Beeper.m_Beeps.empty());
}

TEST_F(TypedMaskEdit, AnOutsideChangeThatBreaksTheMaskIsUndone)
{
    Open();
    m_Edit.SetWindowText(L"ab/cd/ef");
    m_Edit.SendMessage(WM_COMMAND, MAKEWPARAM(1, EN_UPDATE), (LPARAM)m_Edit.m_hWnd);
    EXPECT_STREQ(L"__/__/__", Shown());
}
