// Rows of text and number cells, a grid window in a parent that records what the grid tells
// it, and the grid's shown rows as texts.
#pragma once
#include "ControlsTestSupport.h"
#include <guitoolkit/controls/CGTGridCtrl.h>
#include <guitoolkit/controls/CGTGridItem.h>
#include <guitoolkit/controls/CGTGridRow.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <gtest/gtest.h>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

// A cell value: a text or a 32-bit number.
class CellValue {
public:
    CellValue(LPCWSTR iText)
    {
        m_Value.vt = VT_BSTR;
        m_Value.bstrVal = ::SysAllocString(iText);
    }
    CellValue(int iNumber)
    {
        m_Value.vt = VT_I4;
        m_Value.lVal = iNumber;
    }
    CellValue(const CellValue& iOther)
    {
        ::VariantInit(&m_Value);
        ::VariantCopy(&m_Value, const_cast<VARIANT*>(&iOther.m_Value));
    }
    CellValue& operator=(const CellValue&) = delete;
    ~CellValue() { ::VariantClear(&m_Value); }
    const VARIANT& Get() const { return m_Value; }

private:
    VARIANT m_Value;
};

inline CGTGridRow* NewRow(std::initializer_list<CellValue> iValues)
{
    CGTGridRow* row = new CGTGridRow((int)iValues.size(), 0);
    for (const CellValue& value : iValues)
        row->AddItem(new CGTGridItem(value.Get()));
    return row;
}

// The shown rows: a data row as its first cell's text, a caption row as "[caption]".
inline std::vector<std::wstring> ShownTexts(const CGTGridCtrl& iGrid)
{
    std::vector<std::wstring> texts;
    for (int i = 0; i < iGrid.GetShownCount(); ++i) {
        CGTGridRow* row = iGrid.GetShownRow(i);
        const std::wstring text = (LPCWSTR)row->GetItem(0)->FormatItem();
        texts.push_back(row->IsGroupCaption() ? L"[" + text + L"]" : text);
    }
    return texts;
}

// A notification the grid sent: WM_NOTIFY codes with their range, or a registered message.
struct GridNotice {
    UINT m_Code;
    CGTGridRange m_Range;
    BOOL m_Select;
    bool operator==(const GridNotice& iOther) const
    {
        return m_Code == iOther.m_Code && m_Select == iOther.m_Select && m_Range.m_Left == iOther.m_Range.m_Left &&
            m_Range.m_Top == iOther.m_Range.m_Top && m_Range.m_Right == iOther.m_Range.m_Right &&
            m_Range.m_Bottom == iOther.m_Range.m_Bottom;
    }
};

inline std::ostream& operator<<(std::ostream& ioStream, const GridNotice& iNotice)
{
    return ioStream << (int)iNotice.m_Code << " {" << iNotice.m_Range.m_Left << "," << iNotice.m_Range.m_Top << ","
                    << iNotice.m_Range.m_Right << "," << iNotice.m_Range.m_Bottom << "} " << iNotice.m_Select;
}

class GridParent : public ParentWindow {
public:
    GridParent() : ParentWindow(CRect(0, 0, 420, 320), WS_POPUP | WS_VISIBLE) {}
    std::vector<GridNotice> m_Notices;

protected:
    LRESULT WindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam) override
    {
        if (iMessage == WM_NOTIFY) {
            const NMHDR* header = (const NMHDR*)iLParam;
            GridNotice notice = {header->code, {0, 0, 0, 0}, FALSE};
            if (header->code == GTGridSelChanging || header->code == GTGridSelChanged) {
                const CGTGridSelectionNotify* selection = (const CGTGridSelectionNotify*)iLParam;
                notice.m_Range = selection->m_Range;
                notice.m_Select = selection->m_Select;
            }
            m_Notices.push_back(notice);
        } else if (iMessage == GTM_GRID_ITEM_CHANGED || iMessage == GTM_GRID_ON_HIDE_COLUMNCHOOSER) {
            m_Notices.push_back({iMessage, {0, 0, 0, 0}, FALSE});
        }
        return ParentWindow::WindowProc(iMessage, iWParam, iLParam);
    }
};

// A grid window of 400 x 300 in a recording parent, with columns "Name" and "Count".
template <class Grid>
class GridWindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_Grid.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 300), &m_Parent, 1234));
        m_Grid.InsertColumn(0, L"Name", 150);
        m_Grid.InsertColumn(1, L"Count", 100);
    }
    void AddRows(int iCount)
    {
        for (int i = 0; i < iCount; ++i) {
            CString name;
            name.Format(L"row %d", i);
            m_Grid.AddRow(NewRow({(LPCWSTR)name, i}), FALSE);
        }
        m_Grid.AdjustLayout();
    }
    // The client point in the middle of a row's cell.
    CPoint CellPoint(int iRow, int iColumn) const
    {
        return m_Grid.GetRow(iRow)->GetItem(iColumn)->GetRect().CenterPoint();
    }

    GridParent m_Parent;
    Grid m_Grid;
};

using GridWindowTest = GridWindowFixture<CGTGridCtrl>;
