#include "ControlsTestSupport.h"
#include <guitoolkit/controls/CCalculatorButton.h>
#include <guitoolkit/controls/CGTCalculator.h>
#include <guitoolkit/core/tests/FakeSeams.h>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace {

CCalculatorButton* Key(CGTCalculator& ioCalculator, const CString& iLabel)
{
    for (int index = 0; index < ioCalculator.GetButtonCount(); ++index) {
        auto* key = dynamic_cast<CCalculatorButton*>(ioCalculator.GetButton(index));
        if (key != nullptr && key->m_Text == iLabel)
            return key;
    }
    ADD_FAILURE() << "no key " << std::wstring(iLabel);
    return nullptr;
}

std::wstring Shown(const CGTCalculator& iCalculator)
{
    return std::wstring(iCalculator.GetDisplayedText());
}

// Presses the keys of a space-separated list of labels; returns what the display shows
// after each "=" and after the last key.
std::vector<std::wstring> PressKeys(CGTCalculator& ioCalculator, const wchar_t* iLabels)
{
    std::vector<std::wstring> shown;
    std::wistringstream labels(iLabels);
    std::wstring label;
    while (labels >> label) {
        ioCalculator.ProcessCommand(Key(ioCalculator, label.c_str()));
        if (label == L"=")
            shown.push_back(Shown(ioCalculator));
    }
    if (label != L"=")
        shown.push_back(Shown(ioCalculator));
    return shown;
}

class Calculator : public ::testing::Test {
protected:
    Calculator() { m_Calculator.CreateKeys(); }
    std::vector<std::wstring> Press(const wchar_t* iLabels) { return PressKeys(m_Calculator, iLabels); }
    std::wstring Displayed() const { return Shown(m_Calculator); }

    CGTCalculator m_Calculator;
};

TEST_F(Calculator, KeySequencesShowTheirResults)
{
    const struct {
        const wchar_t* m_Keys;
        std::vector<std::wstring> m_Shown;
    } cases[] = {
        {L"2 + 3 = =", {L"5", L"8"}},
        {L"8 - 2 = =", {L"6", L"4"}},
        {L"8 / 2 = =", {L"4", L"2"}},
        {L"5 + * 2 =", {L"10"}},
        {L"1 / 0 =", {L"Error"}},
        {L"1 / 0 = 1", {L"Error", L"Error"}},
        {L"1 / 0 = 1 CE", {L"Error", L"0"}},
        {L"2 0 0 + 2 5 %", {L"50"}},
        {L". 5", {L"0.5"}},
        {L". 5 .", {L"0.5"}},
        {L"1 . 0 5", {L"1.05"}},
        {L"7 <-", {L"0"}},
        {L"1 2 <-", {L"1"}},
        {L"6 + 1 = <-", {L"7", L"7"}},
        {L"0 . 1 + 0 . 2 =", {L"0.3"}},
        {L"9 Sqrt", {L"3"}},
        {L"4 +/- Sqrt", {L"Error"}},
        {L"0 1/x", {L"Error"}},
        {L"4 1/x", {L"0.25"}},
        {L"5 M+ C MR", {L"5"}},
        {L"5 M+ MC MR", {L"0"}},
        {L"3 * 4 C 2 =", {L"2"}},
    };
    for (const auto& sequence : cases) {
        m_Calculator.ProcessCommand(Key(m_Calculator, L"C"));
        EXPECT_EQ(Press(sequence.m_Keys), sequence.m_Shown) << std::wstring(sequence.m_Keys);
    }
}

TEST_F(Calculator, LargeValuesShowInExponentFormAndOverflowErrs)
{
    Press(L"1 0 0 0 0 0 0 0 0 0 0 0 0 * 1 0 0 0 0 0 0 0 0 0 0 0 =");
    EXPECT_EQ(Displayed(), L"1.000000e+023") << "the C runtime writes three exponent digits";
    EXPECT_FALSE(m_Calculator.IsError());

    CGTCalculator huge(1e308, 0, nullptr);
    huge.CreateKeys();
    PressKeys(huge, L"* 1 0 =");
    EXPECT_TRUE(huge.IsError());
    EXPECT_EQ(Shown(huge), L"Error");
}

TEST_F(Calculator, TypedKeysFindTheirButtons)
{
    FakeKeyState keys;
    Press(L"4");
    EXPECT_TRUE(m_Calculator.ProcessKey('r', FALSE));
    EXPECT_EQ(Displayed(), L"0.25");
    EXPECT_FALSE(m_Calculator.ProcessKey('R', TRUE)) << "memory recall wants Ctrl";

    Press(L"C 6 M+ C");
    keys.Press(VK_CONTROL);
    EXPECT_TRUE(m_Calculator.ProcessKey('R', TRUE));
    keys.Release(VK_CONTROL);
    EXPECT_EQ(Displayed(), L"6");

    EXPECT_TRUE(m_Calculator.ProcessKey(',', FALSE));
    EXPECT_TRUE(m_Calculator.ProcessKey('5', FALSE));
    EXPECT_EQ(Displayed(), L"0.5");
    EXPECT_TRUE(m_Calculator.ProcessKey(VK_ESCAPE, TRUE)) << "Escape is C outside a popup";
    EXPECT_EQ(Displayed(), L"0");
    EXPECT_FALSE(m_Calculator.ProcessKey('x', FALSE));
}

// An extra key whose label has "&" before a letter answers that letter, lower-cased.
class CountingCalculator : public CGTCalculator {
public:
    void OnUserCommand(UINT iCommand) override { m_Commands.push_back(iCommand); }
    std::vector<UINT> m_Commands;
};

TEST(CalculatorExtraKeys, AmpersandLetterTypesTheKeyAndPendingWorkIsDone)
{
    CountingCalculator calculator;
    CStringList extra;
    extra.AddTail(L"&Total");
    extra.AddTail(L"Net&");
    extra.AddTail(L"Ta&x");
    calculator.SetAdditionalCommands(extra);
    calculator.CreateKeys();
    EXPECT_EQ(calculator.GetButtonCount(), 1 + 26 + 3);

    calculator.ProcessKey('2', FALSE);
    calculator.ProcessKey('+', FALSE);
    calculator.ProcessKey('3', FALSE);
    EXPECT_FALSE(calculator.ProcessKey('T', FALSE));
    EXPECT_TRUE(calculator.ProcessKey('t', FALSE));
    EXPECT_EQ(calculator.GetValue(), 5.0);
    EXPECT_TRUE(calculator.ProcessKey('x', FALSE));
    EXPECT_EQ(calculator.m_Commands, (std::vector<UINT>{100, 102}));
}

TEST(CalculatorPopup, EscapeClosesThePopupAndLeavesTheValue)
{
    ParentWindow popup;
    ParentWindow owner;
    popup.m_Watched = {WM_CLOSE};
    CGTCalculator calculator(7.0, 0, nullptr);
    ASSERT_TRUE(calculator.Create(&popup, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, 1));
    calculator.SetOwnerWindow(&owner);
    calculator.CreateKeys();

    EXPECT_TRUE(calculator.ProcessKey(VK_ESCAPE, TRUE));
    EXPECT_EQ(popup.Of(WM_CLOSE).size(), 1u);
    EXPECT_EQ(calculator.GetValue(), 7.0);
}

}  // namespace
