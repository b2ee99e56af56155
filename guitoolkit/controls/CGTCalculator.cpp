#include "CGTCalculator.h"
#include "CCalculatorButton.h"
#include "CGTEdit.h"
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <cmath>

IMPLEMENT_DYNCREATE(CGTCalculator, CGTPopupMenuBar)

namespace {

// Above this magnitude the fixed form would show digits the value does not have.
const double LargestFixedValue = 1e22;

void AddStandardKeys(CGTCalculator& ioCalculator)
{
    using C = CGTCalculator;
    auto key = [&ioCalculator](LPCWSTR iLabel, UINT iCommand, UINT iFirst, UINT iSecond, BOOL iVirtual, BOOL iCtrl) {
        ioCalculator.InsertButton(new CCalculatorButton(iLabel, -1, iCommand, iFirst, iSecond, iVirtual, iCtrl));
    };
    auto digits = [&ioCalculator](short iFirst) {
        for (short digit = iFirst; digit < iFirst + 3; ++digit)
            ioCalculator.InsertButton(CCalculatorButton::Digit(digit));
    };
    key(L"<-", C::BackSpace, VK_BACK, 0, TRUE, FALSE);
    key(L"MC", C::MemoryClear, 0x4C, 0x6C, TRUE, TRUE);
    key(L"MR", C::MemoryRecall, 0x52, 0x72, TRUE, TRUE);
    key(L"M+", C::MemoryAdd, 0x50, 0x70, TRUE, TRUE);
    key(L"C", C::ClearAll, VK_ESCAPE, 0, TRUE, FALSE);
    key(L"CE", C::ClearEntry, VK_DELETE, 0, TRUE, FALSE);
    digits(7);
    key(L"/", C::Divide, '/', 0, FALSE, FALSE);
    key(L"*", C::Multiply, '*', 0, FALSE, FALSE);
    digits(4);
    key(L"+/-", C::ChangeSign, VK_F9, 0, TRUE, FALSE);
    key(L"-", C::Subtract, '-', 0, FALSE, FALSE);
    digits(1);
    key(L"Sqrt", C::SquareRoot, '@', 0, FALSE, FALSE);
    key(L"+", C::Add, '+', 0, FALSE, FALSE);
    ioCalculator.InsertButton(CCalculatorButton::Digit(0));
    key(L".", C::DecimalPoint, '.', ',', FALSE, FALSE);
    key(L"=", C::Equals, VK_RETURN, 0, TRUE, FALSE);
    key(L"%", C::Percent, '%', 0, FALSE, FALSE);
    key(L"1/x", C::Reciprocal, 'R', 'r', FALSE, FALSE);
}

}  // namespace

CGTCalculator::CGTCalculator() : CGTCalculator(0.0, 0, nullptr) {}

CGTCalculator::CGTCalculator(double iValue, UINT iCommandId, CGTEdit* iEdit)
    : m_Value(iValue), m_Operand(0.0), m_Memory(0.0), m_PendingOperation(0), m_CommandId(iCommandId), m_Owner(nullptr),
      m_Edit(iEdit), m_VerticalGap(3), m_HorizontalGap(3), m_NewEntry(TRUE), m_Error(FALSE), m_RepeatEquals(FALSE),
      m_Rows(5), m_Columns(5), m_ExtraCommands(10), m_UsesButtonColors(FALSE)
{
    ResetState();
}

CGTCalculator::~CGTCalculator() = default;

void CGTCalculator::ResetState()
{
    m_Operand = 0.0;
    m_Memory = 0.0;
    m_PendingOperation = 0;
    m_Error = FALSE;
    m_RepeatEquals = FALSE;
    m_Owner = nullptr;
    m_NewEntry = TRUE;
    m_VerticalGap = m_HorizontalGap = 3;
    m_Rows = m_Columns = 5;
    FormatValue();
}

void CGTCalculator::SetAdditionalCommands(const CStringList& iCommands)
{
    m_ExtraCommands.RemoveAll();
    m_ExtraCommands.AddTail(const_cast<CStringList*>(&iCommands));
    if (GetSafeHwnd() == nullptr)
        return;
    CreateKeys();
    RecalcButtonLayout();
    Invalidate();
    UpdateWindow();
}

CString CGTCalculator::GetDisplayedText() const
{
    return m_Error ? CString(L"Error") : m_DisplayText;
}

void CGTCalculator::OnUserCommand(UINT) {}

BOOL CGTCalculator::OnDrawKey(CDC* iDc, const CRect& iRect, CCalculatorButton*, int iState)
{
    return CGTVisualManager::GetCurrent()->DrawCalculatorButton(iDc, iRect, iState, this);
}

BOOL CGTCalculator::OnDrawDisplay(CDC* iDc, const CRect& iRect, const CString&, BOOL)
{
    return CGTVisualManager::GetCurrent()->DrawCalculatorDisplay(iDc, iRect, this);
}

void CGTCalculator::CreateKeys()
{
    RemoveAllButtons();
    InsertButton(new CCalculatorDisplay(m_DisplayText));
    AddStandardKeys(*this);
    UINT command = FirstExtraCommand;
    for (POSITION position = m_ExtraCommands.GetHeadPosition(); position != nullptr;)
        AddExtraKey(m_ExtraCommands.GetNext(position), command++);
    m_Columns = 5;
    m_Rows = m_ExtraCommands.IsEmpty() ? 5 : static_cast<int>(GetButtonCount() / 5.0 + 0.5);
    UpdateDisplay();
}

void CGTCalculator::AddExtraKey(const CString& iLabel, UINT iCommand)
{
    const int ampersand = iLabel.Find(L'&');
    UINT code = 0;
    if (ampersand >= 0 && ampersand + 1 < iLabel.GetLength())
        code = static_cast<UINT>(towlower(iLabel[ampersand + 1]));
    InsertButton(new CCalculatorButton(iLabel, -1, iCommand, code, 0, FALSE, FALSE, TRUE));
}

CCalculatorDisplay* CGTCalculator::FindDisplay() const
{
    for (POSITION position = GetAllButtons().GetHeadPosition(); position != nullptr;) {
        if (auto* display = dynamic_cast<CCalculatorDisplay*>(GetAllButtons().GetNext(position)))
            return display;
    }
    return nullptr;
}

BOOL CGTCalculator::ProcessKey(UINT iCode, BOOL iVirtualKey)
{
    if (IsPopupMode() && iCode == VK_ESCAPE) {
        ClosePopup();
        return TRUE;
    }
    const BOOL ctrlDown = CGTKeyState::Current().GetAsyncKeyState(VK_CONTROL) < 0;
    for (POSITION position = GetAllButtons().GetHeadPosition(); position != nullptr;) {
        auto* key = dynamic_cast<CCalculatorButton*>(GetAllButtons().GetNext(position));
        if (key != nullptr && key->Matches(iCode, iVirtualKey, ctrlDown)) {
            ProcessCommand(key);
            return TRUE;
        }
    }
    return FALSE;
}

void CGTCalculator::OnSendCommand(CGTToolbarButton* iItem)
{
    if (!ProcessCommand(iItem))
        CGTPopupMenuBar::OnSendCommand(iItem);
}

BOOL CGTCalculator::PreTranslateMessage(MSG* ioMessage)
{
    if ((ioMessage->message == WM_CHAR || ioMessage->message == WM_KEYDOWN) &&
        ProcessKey(static_cast<UINT>(ioMessage->wParam), ioMessage->message == WM_KEYDOWN))
        return TRUE;
    return CGTPopupMenuBar::PreTranslateMessage(ioMessage);
}

BOOL CGTCalculator::ProcessCommand(CGTToolbarButton* iButton)
{
    auto* key = dynamic_cast<CCalculatorButton*>(iButton);
    if (key == nullptr)
        return FALSE;
    const UINT command = key->GetCommand();
    if (m_Error && command != ClearEntry && command != ClearAll)
        return TRUE;
    if (command >= FirstExtraCommand) {
        RunExtraCommand(command);
        return TRUE;
    }
    if (command != Equals)
        m_RepeatEquals = FALSE;
    if (key->GetDigit() >= 0)
        ProcessDigit(key->GetDigit());
    else
        RunCommand(command);
    return TRUE;
}

void CGTCalculator::RunExtraCommand(UINT iCommand)
{
    ApplyPendingOperation();
    FormatValue();
    UpdateDisplay();
    if (m_Edit != nullptr)
        m_Edit->OnCalculatorUserCommand(this, iCommand);
    else
        OnUserCommand(iCommand);
    m_NewEntry = TRUE;
    FormatValue();
    UpdateDisplay();
}

// Keys that change what is being typed (digits, ".", "<-", "MC") show the text as typed;
// reformatting it from the value would drop a trailing "." or "0" the user is entering.
void CGTCalculator::RunCommand(UINT iCommand)
{
    switch (iCommand) {
    case ClearAll:
        m_Operand = 0.0;
        m_PendingOperation = 0;
        [[fallthrough]];
    case ClearEntry:
        m_Value = 0.0;
        m_Error = FALSE;
        m_NewEntry = TRUE;
        m_RepeatEquals = FALSE;
        break;
    case MemoryClear:
        m_Memory = 0.0;
        UpdateDisplay();
        return;
    case MemoryRecall:
        m_Value = m_Memory;
        break;
    case MemoryAdd:
        ApplyPendingOperation();
        m_Memory += m_Value;
        m_NewEntry = TRUE;
        break;
    case Add:
    case Subtract:
    case Multiply:
    case Divide:
        PressOperator(iCommand);
        break;
    case ChangeSign:
        m_Value = -m_Value;
        m_NewEntry = TRUE;
        break;
    case DecimalPoint:
        PressDecimalPoint();
        return;
    case SquareRoot:
        if (m_Value < 0) {
            SetError();
        } else {
            m_Value = std::sqrt(m_Value);
            m_NewEntry = TRUE;
        }
        break;
    case Percent:
        m_Value = m_Operand * m_Value / 100.0;
        m_NewEntry = TRUE;
        break;
    case Equals:
        PressEquals();
        return;
    case Reciprocal:
        if (m_Value == 0.0) {
            SetError();
        } else {
            m_Value = 1.0 / m_Value;
            m_NewEntry = TRUE;
        }
        break;
    case BackSpace:
        PressBackSpace();
        return;
    default:
        break;
    }
    FormatValue();
    UpdateDisplay();
}

void CGTCalculator::PressOperator(UINT iCommand)
{
    if (!m_NewEntry) {
        ApplyPendingOperation();
        FormatValue();
        UpdateDisplay();
    }
    m_PendingOperation = iCommand;
    m_Operand = m_Value;
    m_NewEntry = TRUE;
}

void CGTCalculator::PressDecimalPoint()
{
    if (m_NewEntry) {
        m_Value = 0.0;
        m_DisplayText = L"0.";
        m_NewEntry = FALSE;
    }
    if (m_DisplayText.Find(L'.') < 0)
        m_DisplayText += L'.';
    UpdateDisplay();
}

void CGTCalculator::PressBackSpace()
{
    if (m_Error || m_NewEntry)
        return;
    m_DisplayText = m_DisplayText.GetLength() <= 1 ? CString(L"0") : m_DisplayText.Left(m_DisplayText.GetLength() - 1);
    m_Value = _wtof(m_DisplayText);
    UpdateDisplay();
}

void CGTCalculator::PressEquals()
{
    const double kept = m_Value;
    ApplyPendingOperation();
    if (!m_NewEntry)
        m_Operand = kept;
    m_NewEntry = TRUE;
    m_RepeatEquals = TRUE;
    FormatValue();
    if (m_Edit != nullptr && !m_Error) {
        m_Edit->TakeCalculatorResult(m_DisplayText);
        ClosePopup();
        return;
    }
    UpdateDisplay();
}

void CGTCalculator::ApplyPendingOperation()
{
    switch (m_PendingOperation) {
    case Add:
        m_Value = m_Operand + m_Value;
        break;
    case Subtract:
        m_Value = m_RepeatEquals ? m_Value - m_Operand : m_Operand - m_Value;
        break;
    case Multiply:
        m_Value = m_Operand * m_Value;
        break;
    case Divide: {
        const double divisor = m_RepeatEquals ? m_Operand : m_Value;
        if (divisor == 0.0)
            SetError();
        else
            m_Value = m_RepeatEquals ? m_Value / m_Operand : m_Operand / m_Value;
        break;
    }
    default:
        break;
    }
}

void CGTCalculator::ProcessDigit(int iDigit)
{
    if (m_Error)
        return;
    if (m_NewEntry) {
        m_Value = 0.0;
        m_DisplayText = L"0";
        m_NewEntry = FALSE;
    }
    if (m_DisplayText == L"0")
        m_DisplayText.Empty();
    m_DisplayText += static_cast<wchar_t>(L'0' + iDigit);
    m_Value = _wtof(m_DisplayText);
    UpdateDisplay();
}

void CGTCalculator::FormatValue()
{
    if (std::fabs(m_Value) <= LargestFixedValue) {
        m_DisplayText.Format(L"%.16lf", m_Value);
        m_DisplayText.TrimRight(L'0');
        m_DisplayText.TrimRight(L'.');
    } else {
        m_DisplayText.Format(L"%le", m_Value);
    }
    if (!std::isfinite(m_Value)) {
        SetError();
        UpdateDisplay();
    }
}

void CGTCalculator::UpdateDisplay()
{
    CCalculatorDisplay* display = FindDisplay();
    if (display == nullptr)
        return;
    display->m_Text = GetDisplayedText();
    display->SetMemoryShown(m_Memory != 0.0);
    if (GetSafeHwnd() != nullptr)
        RedrawWindow(m_DisplayRect, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CGTCalculator::ClosePopup()
{
    CWnd* parent = GetSafeHwnd() != nullptr ? GetParent() : nullptr;
    if (parent != nullptr)
        parent->SendMessage(WM_CLOSE);
}
