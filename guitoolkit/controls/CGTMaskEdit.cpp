#include <guitoolkit/controls/CGTMaskEdit.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <cwctype>

IMPLEMENT_DYNAMIC(CGTMaskEdit, CEdit)

BEGIN_MESSAGE_MAP(CGTMaskEdit, CEdit)
    ON_WM_CHAR()
    ON_WM_KEYDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_CREATE()
    ON_CONTROL_REFLECT_EX(EN_UPDATE, &CGTMaskEdit::OnUpdateReflect)
    ON_CONTROL_REFLECT_EX(EN_SETFOCUS, &CGTMaskEdit::OnSetFocusReflect)
    ON_MESSAGE(WM_PASTE, &CGTMaskEdit::OnPaste)
END_MESSAGE_MAP()

CGTMaskEdit::CGTMaskEdit() : m_FillChar(L'_'), m_MaskedCharsOnly(FALSE), m_SelectByGroup(TRUE), m_PasteInProgress(FALSE)
{
}

void CGTMaskEdit::EnableMask(LPCWSTR iMask, LPCWSTR iInputTemplate, WCHAR iFillChar, LPCWSTR iValidChars)
{
    m_Mask = iMask;
    m_Template = iInputTemplate;
    m_FillChar = iFillChar;
    SetValidChars(iValidChars);
    m_Value = m_Template;
}

void CGTMaskEdit::SetValidChars(LPCWSTR iValidChars)
{
    m_ValidChars = iValidChars != nullptr ? iValidChars : L"";
}

BOOL CGTMaskEdit::IsMaskChar(WCHAR iChar, WCHAR iMaskLetter) const
{
    switch (iMaskLetter) {
    case L'D':
        return iswdigit(iChar);
    case L'd':
        return iswdigit(iChar) || iswspace(iChar);
    case L'C':
        return iswalpha(iChar);
    case L'c':
        return iswalpha(iChar) || iswspace(iChar);
    case L'A':
        return iswalnum(iChar);
    case L'a':
        return iswalnum(iChar) || iswspace(iChar);
    case L'*':
        return iswprint(iChar);
    case L'+':
        return iChar == L'+' || iChar == L'-' || iswspace(iChar);
    default:
        return FALSE;
    }
}

WCHAR CGTMaskEdit::MaskLetter(int iPosition) const
{
    return iPosition >= 0 && iPosition < m_Mask.GetLength() ? m_Mask[iPosition] : 0;
}

BOOL CGTMaskEdit::IsValidInputChar(WCHAR iChar, int iPosition) const
{
    const BOOL inSet = m_ValidChars.IsEmpty() || m_ValidChars.Find(iChar) >= 0;
    if (m_Mask.IsEmpty())
        return inSet;
    if (iPosition < 0 || iPosition >= m_Template.GetLength() || m_Template[iPosition] != L'_')
        return FALSE;
    return IsMaskChar(iChar, MaskLetter(iPosition)) && inSet;
}

BOOL CGTMaskEdit::SetValue(LPCWSTR iText, BOOL iWithSeparators)
{
    const CString text = iText;
    if (!m_Mask.IsEmpty()) {
        int inputPlaces = 0;
        for (int i = 0; i < m_Template.GetLength(); ++i)
            inputPlaces += m_Template[i] == L'_';
        if (text.GetLength() > (iWithSeparators ? m_Mask.GetLength() : inputPlaces))
            return FALSE;
    }
    if (!m_ValidChars.IsEmpty())
        for (int i = 0; i < text.GetLength(); ++i) {
            const BOOL input =
                m_Template.IsEmpty() || !iWithSeparators || (i < m_Template.GetLength() && m_Template[i] == L'_');
            if (input && text[i] != m_FillChar && m_ValidChars.Find(text[i]) < 0)
                return FALSE;
        }
    if (m_Mask.IsEmpty()) {
        m_Value = text;
        return TRUE;
    }
    CString result = m_Template;
    result.Replace(L'_', m_FillChar);
    for (int place = 0, next = 0; place < m_Template.GetLength() && next < text.GetLength(); ++place) {
        if (m_Template[place] == L'_') {
            const WCHAR c = text[next++];
            if (c != m_FillChar && !IsMaskChar(c, MaskLetter(place)))
                return FALSE;
            result.SetAt(place, c);
        } else if (iWithSeparators && text[next++] != m_Template[place]) {
            return FALSE;
        }
    }
    m_Value = result;
    return TRUE;
}

CString CGTMaskEdit::GetValue(BOOL iWithFillChars) const
{
    if (m_Mask.IsEmpty())
        return m_Value;
    CString result;
    for (int i = 0; i < m_Template.GetLength() && i < m_Value.GetLength(); ++i)
        if (m_Template[i] == L'_' && (iWithFillChars || m_Value[i] != m_FillChar))
            result += m_Value[i];
    return result;
}

BOOL CGTMaskEdit::HasGroups() const
{
    return m_Template.Find(L'_') >= 0;
}

BOOL CGTMaskEdit::GetGroupBounds(int iPosition, int& oStart, int& oEnd, BOOL iForward) const
{
    oStart = -1;
    oEnd = -1;
    if (m_Template.IsEmpty()) {
        oStart = 0;
        oEnd = m_Value.GetLength();
        return TRUE;
    }
    for (int start = 0; start < m_Template.GetLength();) {
        if (m_Template[start] != L'_') {
            ++start;
            continue;
        }
        int end = start;
        while (end < m_Template.GetLength() && m_Template[end] == L'_')
            ++end;
        const BOOL holds = iPosition >= start && iPosition <= end;
        if (iForward ? (holds || start > iPosition) : (holds || end <= iPosition)) {
            oStart = start;
            oEnd = end;
            if (iForward || holds)
                return TRUE;
        }
        start = end;
    }
    return oStart >= 0;
}

BOOL CGTMaskEdit::GetNeighbourGroup(int iPosition, BOOL iNext, int& oStart, int& oEnd) const
{
    BOOL found = FALSE;
    for (int start = 0; start < m_Template.GetLength();) {
        int end = start;
        while (end < m_Template.GetLength() && m_Template[end] == L'_')
            ++end;
        if (end > start && (iNext ? start > iPosition : end < iPosition)) {
            oStart = start;
            oEnd = end;
            found = TRUE;
            if (iNext)
                return TRUE;
        }
        start = std::max(end, start + 1);
    }
    return found;
}

BOOL CGTMaskEdit::GetRunBounds(int iPosition, int& oStart, int& oEnd) const
{
    if (iPosition < 0 || iPosition >= m_Template.GetLength() || m_Template[iPosition] != L'_')
        return FALSE;
    const WCHAR letter = MaskLetter(iPosition);
    auto same = [&](int i) { return m_Template[i] == L'_' && MaskLetter(i) == letter; };
    oStart = iPosition;
    while (oStart > 0 && same(oStart - 1))
        --oStart;
    oEnd = iPosition + 1;
    while (oEnd < m_Template.GetLength() && same(oEnd))
        ++oEnd;
    return TRUE;
}

void CGTMaskEdit::Beep()
{
    CGTBeeper::Current().Beep(0xFFFFFFFF);
}

void CGTMaskEdit::ShowRange(int iStart, int iEnd, int iCaret)
{
    SetSel(iStart, iEnd);
    ReplaceSel(m_Value.Mid(iStart, iEnd - iStart), TRUE);
    SetSel(iCaret, iCaret);
}

void CGTMaskEdit::SelectFirstGroup()
{
    int start, end;
    if (m_SelectByGroup && GetGroupBounds(0, start, end))
        SetSel(start, end);
    else
        SetSel(0, -1);
}

int CGTMaskEdit::OnCreate(LPCREATESTRUCT iCreate)
{
    if (CEdit::OnCreate(iCreate) == -1)
        return -1;
    SetWindowText(m_Value);
    return 0;
}

void CGTMaskEdit::OnChar(UINT iChar, UINT iRepeat, UINT iFlags)
{
    if (iswprint((wint_t)iChar) && !CGTKeyState::Current().IsDown(VK_CONTROL)) {
        InsertChar((WCHAR)iChar);
        return;
    }
    if (iChar == VK_BACK && !m_Mask.IsEmpty())
        return;
    CEdit::OnChar(iChar, iRepeat, iFlags);
}

void CGTMaskEdit::InsertChar(WCHAR iChar)
{
    const DWORD style = GetStyle();
    if (style & ES_UPPERCASE)
        iChar = towupper(iChar);
    else if (style & ES_LOWERCASE)
        iChar = towlower(iChar);
    int start, end;
    GetSel(start, end);
    int groupStart, groupEnd;
    const BOOL found = GetGroupBounds(start, groupStart, groupEnd);
    if ((found && (start < groupStart || end > groupEnd)) || (!found && start > m_Value.GetLength())) {
        Beep();
        if (found)
            SetSel(groupStart, groupEnd);
        return;
    }
    if (start != end)
        InsertIntoSelection(iChar, start, end);
    else
        InsertAtCaret(iChar, start);
}

void CGTMaskEdit::InsertIntoSelection(WCHAR iChar, int iStart, int iEnd)
{
    if (!IsValidInputChar(iChar, iStart)) {
        Beep();
        return;
    }
    if (m_Template.IsEmpty()) {
        DefWindowProc(WM_CHAR, iChar, 0);
        return;
    }
    int runStart, runEnd;
    if (!GetRunBounds(iStart, runStart, runEnd))
        return;
    if (iEnd > runEnd) {
        Beep();
        SetSel(runStart, runEnd);
        return;
    }
    CString run = CString(iChar) + m_Value.Mid(iEnd, runEnd - iEnd);
    while (run.GetLength() < runEnd - iStart)
        run += m_FillChar;
    m_Value = m_Value.Left(iStart) + run + m_Value.Mid(runEnd);
    ShowRange(iStart, runEnd, iStart + 1);
}

void CGTMaskEdit::InsertAtCaret(WCHAR iChar, int iPosition)
{
    if (m_Mask.IsEmpty()) {
        if (!IsValidInputChar(iChar, iPosition))
            Beep();
        else
            DefWindowProc(WM_CHAR, iChar, 0);
        return;
    }
    int groupStart, groupEnd;
    if (!GetGroupBounds(iPosition, groupStart, groupEnd) || iPosition >= groupEnd) {
        if (iPosition >= m_Value.GetLength() - 1 || !GetGroupBounds(iPosition + 1, groupStart, groupEnd) ||
            groupStart <= iPosition) {
            Beep();
            return;
        }
        iPosition = groupStart;
    }
    if (!IsValidInputChar(iChar, iPosition)) {
        Beep();
        return;
    }
    m_Value.SetAt(iPosition, iChar);
    int caret = iPosition + 1;
    int nextStart, nextEnd;
    if (caret == groupEnd && GetGroupBounds(caret + 1, nextStart, nextEnd) && nextStart > caret)
        caret = nextStart;
    ShowRange(iPosition, iPosition + 1, caret);
}

void CGTMaskEdit::RemoveFromRun(int iStart, int iEnd)
{
    int runStart, runEnd;
    if (!GetRunBounds(iStart, runStart, runEnd)) {
        Beep();
        return;
    }
    if (iEnd > runEnd) {
        Beep();
        SetSel(runStart, runEnd);
        return;
    }
    CString run = m_Value.Mid(iEnd, runEnd - iEnd);
    while (run.GetLength() < runEnd - iStart)
        run += m_FillChar;
    m_Value = m_Value.Left(iStart) + run + m_Value.Mid(runEnd);
    ShowRange(iStart, runEnd, iStart);
}

void CGTMaskEdit::OnBackspace(int iStart, int iEnd)
{
    if (iStart != iEnd) {
        RemoveFromRun(iStart, iEnd);
        return;
    }
    int groupStart, groupEnd;
    if (!GetGroupBounds(iStart, groupStart, groupEnd, FALSE) || iStart < groupStart || iStart > groupEnd) {
        Beep();
        return;
    }
    if (iStart == groupStart) {
        int previousStart, previousEnd;
        if (iStart > 0 && GetGroupBounds(iStart - 1, previousStart, previousEnd, FALSE) && previousStart < groupStart)
            SetSel(previousEnd, previousEnd);
        else
            Beep();
        return;
    }
    RemoveFromRun(iStart - 1, iStart);
}

void CGTMaskEdit::OnDelete(int iStart, int iEnd)
{
    RemoveFromRun(iStart, iStart == iEnd ? iEnd + 1 : iEnd);
}

void CGTMaskEdit::MoveLeft(int iStart, int iEnd)
{
    const CGTKeyState& keys = CGTKeyState::Current();
    int groupStart, groupEnd;
    if (keys.IsDown(VK_CONTROL)) {
        if (GetNeighbourGroup(iStart, FALSE, groupStart, groupEnd))
            SetSel(groupStart, groupEnd);
        else
            Beep();
        return;
    }
    if (keys.IsDown(VK_SHIFT)) {
        const int floor = m_SelectByGroup && GetGroupBounds(iStart, groupStart, groupEnd, FALSE) ? groupStart : 0;
        if (iStart > floor)
            SetSel(iStart - 1, iEnd);
        return;
    }
    if (iStart != iEnd) {
        SetSel(iStart, iStart);
        return;
    }
    if (GetGroupBounds(iStart, groupStart, groupEnd, FALSE) && iStart > groupStart && iStart <= groupEnd) {
        SetSel(iStart - 1, iStart - 1);
        return;
    }
    if (iStart > 0 && GetGroupBounds(iStart - 1, groupStart, groupEnd, FALSE) && groupEnd < iStart)
        SetSel(groupEnd, groupEnd);
    else
        Beep();
}

void CGTMaskEdit::MoveRight(int iStart, int iEnd)
{
    const CGTKeyState& keys = CGTKeyState::Current();
    int groupStart, groupEnd;
    if (keys.IsDown(VK_CONTROL)) {
        if (GetNeighbourGroup(iEnd, TRUE, groupStart, groupEnd))
            SetSel(groupStart, groupEnd);
        else
            Beep();
        return;
    }
    if (keys.IsDown(VK_SHIFT)) {
        const int ceiling =
            m_SelectByGroup && GetGroupBounds(iEnd, groupStart, groupEnd) ? groupEnd : m_Value.GetLength();
        if (iEnd < ceiling)
            SetSel(iStart, iEnd + 1);
        return;
    }
    if (iStart != iEnd) {
        SetSel(iEnd, iEnd);
        return;
    }
    if (GetGroupBounds(iEnd, groupStart, groupEnd) && iEnd >= groupStart && iEnd < groupEnd) {
        const int caret = iEnd + 1;
        int nextStart, nextEnd;
        if (caret == groupEnd && GetGroupBounds(caret + 1, nextStart, nextEnd) && nextStart > caret)
            SetSel(nextStart, nextStart);
        else
            SetSel(caret, caret);
        return;
    }
    if (GetGroupBounds(iEnd + 1, groupStart, groupEnd) && groupStart > iEnd)
        SetSel(groupStart, groupStart);
    else
        Beep();
}

void CGTMaskEdit::OnKeyDown(UINT iKey, UINT iRepeat, UINT iFlags)
{
    if (!HasGroups()) {
        CEdit::OnKeyDown(iKey, iRepeat, iFlags);
        return;
    }
    const CGTKeyState& keys = CGTKeyState::Current();
    int start, end, groupStart, groupEnd;
    GetSel(start, end);
    switch (iKey) {
    case VK_BACK:
        OnBackspace(start, end);
        return;
    case VK_DELETE:
        if (keys.IsDown(VK_SHIFT))
            break;
        OnDelete(start, end);
        return;
    case VK_HOME:
        if (GetGroupBounds(start, groupStart, groupEnd, FALSE) || GetGroupBounds(0, groupStart, groupEnd))
            SetSel(groupStart, groupStart);
        return;
    case VK_END:
        if (GetGroupBounds(end, groupStart, groupEnd) ||
            GetGroupBounds(m_Value.GetLength(), groupStart, groupEnd, FALSE))
            SetSel(groupEnd, groupEnd);
        return;
    case VK_LEFT:
    case VK_UP:
        MoveLeft(start, end);
        return;
    case VK_RIGHT:
    case VK_DOWN:
        MoveRight(start, end);
        return;
    case VK_INSERT:
        if (!keys.IsDown(VK_CONTROL) && !keys.IsDown(VK_SHIFT) && !m_Mask.IsEmpty())
            return;
        break;
    default:
        break;
    }
    CEdit::OnKeyDown(iKey, iRepeat, iFlags);
}

void CGTMaskEdit::OnLButtonUp(UINT iFlags, CPoint iPoint)
{
    if (m_SelectByGroup) {
        int start, end, groupStart, groupEnd;
        GetSel(start, end);
        if (GetGroupBounds(start, groupStart, groupEnd) || GetGroupBounds(start, groupStart, groupEnd, FALSE))
            SetSel(groupStart, groupEnd);
    }
    CEdit::OnLButtonUp(iFlags, iPoint);
}

BOOL CGTMaskEdit::OnSetFocusReflect()
{
    SelectFirstGroup();
    return FALSE;
}

BOOL CGTMaskEdit::OnUpdateReflect()
{
    CString text;
    GetWindowText(text);
    if (text == m_Value || m_PasteInProgress)
        return FALSE;
    if (SetValue(text, TRUE)) {
        GetWindowText(text);
        if (text != m_Value) {
            SetWindowText(m_Value);
            SelectFirstGroup();
        }
    } else {
        Beep();
        SetWindowText(m_Value);
    }
    return FALSE;
}

LRESULT CGTMaskEdit::OnPaste(WPARAM, LPARAM)
{
    m_PasteInProgress = TRUE;
    int start, end;
    GetSel(start, end);
    Default();
    int pastedEnd, ignored;
    GetSel(ignored, pastedEnd);
    CString text;
    GetWindowText(text);
    const CString pasted = text.Mid(start, std::max(0, pastedEnd - start));
    BOOL accepted;
    if (m_MaskedCharsOnly) {
        int before = 0;
        for (int i = 0; i < start && i < m_Template.GetLength(); ++i)
            before += m_Template[i] == L'_';
        const CString values = GetValue(TRUE);
        accepted = SetValue(values.Left(before) + pasted + values.Mid(before + pasted.GetLength()), FALSE);
    } else {
        accepted = SetValue(m_Value.Left(start) + pasted + m_Value.Mid(start + pasted.GetLength()), TRUE);
    }
    if (!accepted)
        Beep();
    SetWindowText(m_Value);
    int groupStart, groupEnd;
    if (m_SelectByGroup && GetGroupBounds(start, groupStart, groupEnd))
        SetSel(groupStart, groupEnd);
    else
        SetSel(start, start);
    m_PasteInProgress = FALSE;
    return 0;
}
