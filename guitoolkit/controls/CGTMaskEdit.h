// An edit control that takes input only at the places and of the kinds a mask allows,
// keeps the literal separators of an input template in place, and moves the caret from
// one group of input places to the next.
#pragma once
#include <afxwin.h>
#include <afxctrls.h>

class CGTMaskEdit : public CEdit {
    DECLARE_DYNAMIC(CGTMaskEdit)
public:
    CGTMaskEdit();

    // The template marks input places with '_'; every other character is a literal. The
    // value becomes the template as given.
    void EnableMask(LPCWSTR iMask, LPCWSTR iInputTemplate, WCHAR iFillChar, LPCWSTR iValidChars = nullptr);
    void SetValidChars(LPCWSTR iValidChars);
    // With separators the text covers the template's literals too; without, only its
    // input places.
    BOOL SetValue(LPCWSTR iText, BOOL iWithSeparators = TRUE);
    // The text of the input places.
    CString GetValue(BOOL iWithFillChars = FALSE) const;
    // The whole value as shown, literals included.
    const CString& GetText() const { return m_Value; }
    BOOL IsValidInputChar(WCHAR iChar, int iPosition) const;
    // The group (a run of input places) at or beside the position: forward, the group
    // holding it (its end counts as in it) or the next one; backward, the one holding it or
    // the last one before it. FALSE when there is none.
    BOOL GetGroupBounds(int iPosition, int& oStart, int& oEnd, BOOL iForward = TRUE) const;
    void SetSelectByGroup(BOOL iOn) { m_SelectByGroup = iOn; }
    void SetMaskedCharsOnly(BOOL iOn) { m_MaskedCharsOnly = iOn; }

protected:
    virtual BOOL IsMaskChar(WCHAR iChar, WCHAR iMaskLetter) const;

    afx_msg void OnChar(UINT iChar, UINT iRepeat, UINT iFlags);
    afx_msg void OnKeyDown(UINT iKey, UINT iRepeat, UINT iFlags);
    afx_msg void OnLButtonUp(UINT iFlags, CPoint iPoint);
    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    afx_msg BOOL OnUpdateReflect();
    afx_msg BOOL OnSetFocusReflect();
    afx_msg LRESULT OnPaste(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    BOOL HasGroups() const;
    // The mask letter of a place; 0 (which accepts nothing) where the mask is shorter than
    // the template.
    WCHAR MaskLetter(int iPosition) const;
    void InsertChar(WCHAR iChar);
    void InsertIntoSelection(WCHAR iChar, int iStart, int iEnd);
    void InsertAtCaret(WCHAR iChar, int iPosition);
    // The first group that starts after the position, or the last that ends before it.
    BOOL GetNeighbourGroup(int iPosition, BOOL iNext, int& oStart, int& oEnd) const;
    // The run of input places with the position's mask letter.
    BOOL GetRunBounds(int iPosition, int& oStart, int& oEnd) const;
    // Removes [start, end) from its run: the run's later characters move left and fill
    // characters close it. A beep when it starts outside every run, or spans runs (the run
    // is selected then).
    void RemoveFromRun(int iStart, int iEnd);
    // Writes the value's characters [start, end) into the control and the caret after.
    void ShowRange(int iStart, int iEnd, int iCaret);
    void OnBackspace(int iStart, int iEnd);
    void OnDelete(int iStart, int iEnd);
    void MoveLeft(int iStart, int iEnd);
    void MoveRight(int iStart, int iEnd);
    void SelectFirstGroup();
    static void Beep();

    CString m_Value;
    CString m_Mask;
    CString m_Template;
    WCHAR m_FillChar;
    CString m_ValidChars;
    BOOL m_MaskedCharsOnly;
    BOOL m_SelectByGroup;
    BOOL m_PasteInProgress;
};
