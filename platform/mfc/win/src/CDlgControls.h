// The items of a dialog template that name a control by class id ("{...}" as their class).
// The system's dialog code cannot make those: the window is made from a copy of the template
// without them, and they are created afterwards, in template order, each with its item's id,
// style and rectangle.
#pragma once
#include "afxstate.h"
#include <vector>

class CDlgControls {
public:
    explicit CDlgControls(LPCDLGTEMPLATE lpTemplate);
    CDlgControls(const CDlgControls&) = delete;
    CDlgControls& operator=(const CDlgControls&) = delete;

    BOOL HasControls() const { return !m_copy.empty(); }
    // The template the system makes the window from.
    LPCDLGTEMPLATE GetTemplate() const;
    // Creates the controls in pWnd, each at its template place in the z-order. The first
    // that fails is written to the debugger output and ends the creation with FALSE.
    BOOL Create(CWnd* pWnd);

    CWnd* m_pWnd;  // the window the controls belong to
    BOOL m_bFailed;

private:
    struct Item {
        size_t nStart, nEnd;  // offsets of the item's bytes in the template
        BOOL bHosted;
        CString strClass, strName;
        DWORD dwStyle;
        CRect rect;  // dialog units
        UINT nID;
    };

    void Parse();
    void MakeCopy(size_t nHeaderEnd, size_t nCountOffset);

    LPCDLGTEMPLATE m_lpTemplate;
    std::vector<Item> m_items;
    std::vector<BYTE> m_copy;  // empty when the template hosts no control
};
