#include "ControlsTestSupport.h"
#include <guitoolkit/controls/CGTGridCtrl.h>
#include <guitoolkit/controls/CGTGridItem.h>
#include <guitoolkit/controls/CGTGridRow.h>
#include <guitoolkit/controls/CGTMaskEdit.h>
#include <guitoolkit/controls/CGTSpinButtonCtrl.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <afxctrls.h>
#include <gtest/gtest.h>

namespace {

VARIANT Typed(VARTYPE iType)
{
    VARIANT value;
    ::VariantInit(&value);
    value.vt = iType;
    value.lVal = 0;
    return value;
}

class FlaggedItem : public CGTGridItem {
public:
    FlaggedItem(const VARIANT& iValue, DWORD iFlags, LPCWSTR iMask = nullptr, LPCWSTR iTemplate = nullptr)
        : CGTGridItem(iValue, 0, iMask, iTemplate)
    {
        m_EditFlags |= iFlags;
    }
};

// Keeps what it reports to its owner.
class RecordingGrid : public CGTGridCtrl {
public:
    void OnItemChanged(CGTGridItem* iItem, int iRow, int iColumn) override
    {
        m_Changes.push_back({iItem, iRow, iColumn});
        CGTGridCtrl::OnItemChanged(iItem, iRow, iColumn);
    }
    std::vector<CGTGridItemChange> m_Changes;
};

// A grid window in a parent that records the grid's change reports; one row, one cell.
class GridEditing : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_Parent.m_Watched = {GTM_GRID_ITEM_CHANGED};
        ASSERT_TRUE(m_Grid.CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), L"", WS_CHILD | WS_VISIBLE,
                                    CRect(0, 0, 300, 200), &m_Parent, 1234));
        m_Row.SetOwnerList(&m_Grid);
        m_Row.SetRowId(0);
        m_Row.SetRect(CRect(0, 0, 300, 20));
    }
    void TearDown() override
    {
        m_Row.OnEndEdit();
        m_Grid.DestroyWindow();
    }
    CGTGridItem* Add(CGTGridItem* iItem)
    {
        m_Row.AddItem(iItem);
        iItem->SetRect(CRect(0, 0, 150, 20));
        m_Grid.SetCurrentItem(&m_Row, iItem);
        return iItem;
    }
    CString EditText(CGTGridItem* iItem) const
    {
        CString text;
        iItem->GetInPlaceWnd()->GetWindowText(text);
        return text;
    }

    ParentWindow m_Parent{CRect(0, 0, 400, 300), WS_POPUP | WS_VISIBLE};
    RecordingGrid m_Grid;
    CGTGridRow m_Row{1, 0};
};

}  // namespace

TEST_F(GridEditing, EditorsByKind)
{
    VARIANT number = Typed(VT_I4);
    number.lVal = 42;
    CGTGridItem* plain = Add(new CGTGridItem(number));
    ASSERT_TRUE(m_Row.OnEdit(nullptr));
    EXPECT_TRUE(m_Row.IsInEdit());
    EXPECT_TRUE(plain->IsInEdit());
    ASSERT_NE(nullptr, m_Row.GetInPlaceWnd());
    EXPECT_FALSE(m_Row.GetInPlaceWnd()->IsKindOf(RUNTIME_CLASS(CGTMaskEdit)));
    EXPECT_STREQ(L"42", EditText(plain));
    EXPECT_EQ(m_Row.GetInPlaceWnd(), CWnd::GetFocus());
    m_Row.OnEndEdit();
    EXPECT_EQ(nullptr, plain->GetInPlaceWnd());
    EXPECT_FALSE(m_Row.IsInEdit());
}

TEST_F(GridEditing, AMaskedCellEditsInAMaskedEdit)
{
    VARIANT text = Typed(VT_BSTR);
    text.bstrVal = ::SysAllocString(L"");
    CGTGridItem* item = Add(new FlaggedItem(text, 0, L"DD", L"__"));
    ::VariantClear(&text);
    ASSERT_TRUE(item->OnEdit(nullptr));
    EXPECT_TRUE(item->GetInPlaceWnd()->IsKindOf(RUNTIME_CLASS(CGTMaskEdit)));
}

namespace {

// Keeps the rectangle its drop-down list was asked for.
class ListItem : public CGTGridItem {
public:
    explicit ListItem(const VARIANT& iValue) : CGTGridItem(iValue) {}
    CComboBox* CreateCombo(CWnd* iParent, CRect iRect) override
    {
        m_ComboRect = iRect;
        return CGTGridItem::CreateCombo(iParent, iRect);
    }
    CRect m_ComboRect;
};

}  // namespace

TEST_F(GridEditing, AListCellGetsAComboOfFourHundredPixels)
{
    VARIANT flag = Typed(VT_BOOL);
    ListItem* item = static_cast<ListItem*>(Add(new ListItem(flag)));
    item->AllowEdit(TRUE);
    ASSERT_TRUE(item->OnEdit(nullptr));
    CComboBox* combo = item->GetComboWnd();
    ASSERT_NE(nullptr, combo);
    EXPECT_EQ(2, combo->GetCount()) << "the grid's true and false texts";
    CRect edit, spin;
    item->AdjustInPlaceEditRect(edit, spin);
    EXPECT_EQ(CRect(edit.left - 4, 0, 150, 400), item->m_ComboRect);
    item->OnEndEdit();
    EXPECT_EQ(nullptr, item->GetComboWnd());
}

TEST_F(GridEditing, ACellInEditRefusesASecondEdit)
{
    VARIANT flag = Typed(VT_BOOL);
    ListItem* item = static_cast<ListItem*>(Add(new ListItem(flag)));
    item->AllowEdit(TRUE);
    ASSERT_TRUE(m_Row.OnEdit(nullptr));
    CWnd* editor = item->GetInPlaceWnd();
    EXPECT_FALSE(m_Row.OnEdit(nullptr));
    EXPECT_FALSE(item->OnEdit(nullptr));
    EXPECT_TRUE(m_Row.IsInEdit());
    EXPECT_EQ(editor, item->GetInPlaceWnd());
    EXPECT_EQ(2, item->GetComboWnd()->GetCount());
}

TEST_F(GridEditing, ASpinCellGetsASpinWithTheEditAsBuddy)
{
    VARIANT number = Typed(VT_I4);
    CGTGridItem* item = Add(new FlaggedItem(number, GTGridEditSpin));
    item->SetSpinRange(1, 9);
    ASSERT_TRUE(item->OnEdit(nullptr));
    CSpinButtonCtrl* spin = item->GetSpinWnd();
    ASSERT_NE(nullptr, spin);
    EXPECT_TRUE(spin->IsKindOf(RUNTIME_CLASS(CGTSpinButtonCtrl)));
    EXPECT_EQ(item->GetInPlaceWnd()->m_hWnd, spin->GetBuddy()->m_hWnd);
    int lower = 0, upper = 0;
    spin->GetRange32(lower, upper);
    EXPECT_EQ(1, lower);
    EXPECT_EQ(9, upper);
}

TEST_F(GridEditing, TypingOnADateOrCurrencyCellClosesTheEditorAndKeepsTheValue)
{
    for (VARTYPE type : {VT_DATE, VT_CY}) {
        CGTGridRow row(1, 0);
        row.SetOwnerList(&m_Grid);
        VARIANT value = Typed(type);
        CGTGridItem* item = new CGTGridItem(value);
        row.AddItem(item);
        item->SetRect(CRect(0, 0, 150, 20));
        m_Grid.SetCurrentItem(&row, item);
        const CString before = item->FormatItem();
        ASSERT_TRUE(row.OnEdit(nullptr)) << type;
        EXPECT_FALSE(row.PushChar(L'5')) << type;
        EXPECT_FALSE(item->IsInEdit()) << type;
        EXPECT_EQ(nullptr, item->GetInPlaceWnd()) << type;
        EXPECT_EQ(before, item->FormatItem()) << type;
    }
    m_Grid.SetCurrentItem(nullptr, nullptr);
}

TEST_F(GridEditing, TypingOnANumberCellStartsTheTextAfresh)
{
    VARIANT number = Typed(VT_I4);
    number.lVal = 42;
    CGTGridItem* item = Add(new CGTGridItem(number));
    ASSERT_TRUE(m_Row.OnEdit(nullptr));
    EXPECT_TRUE(m_Row.PushChar(L'7'));
    EXPECT_STREQ(L"7", EditText(item));
}

TEST_F(GridEditing, CommitReportsAChangeOnlyWhenTheTextChanged)
{
    VARIANT number = Typed(VT_I4);
    number.lVal = 42;
    CGTGridItem* item = Add(new CGTGridItem(number));
    ASSERT_TRUE(m_Row.OnEdit(nullptr));
    EXPECT_TRUE(m_Row.OnUpdateValue());
    EXPECT_TRUE(m_Parent.m_Recorded.empty());

    item->GetInPlaceWnd()->SetWindowText(L"43");
    EXPECT_TRUE(m_Row.OnUpdateValue());
    ASSERT_EQ(1u, m_Parent.m_Recorded.size());
    const RecordedMessage& report = m_Parent.m_Recorded[0];
    EXPECT_EQ(1234u, report.m_WParam);
    EXPECT_EQ(43, item->GetValue().lVal);
    ASSERT_EQ(1u, m_Grid.m_Changes.size());
    EXPECT_EQ(item, m_Grid.m_Changes[0].m_Item);
    EXPECT_EQ(0, m_Grid.m_Changes[0].m_Row);
    EXPECT_EQ(0, m_Grid.m_Changes[0].m_Column);

    m_Parent.m_Recorded.clear();
    VARIANT byte = Typed(VT_UI1);
    CGTGridRow row(1, 0);
    row.SetOwnerList(&m_Grid);
    CGTGridItem* small = new CGTGridItem(byte);
    row.AddItem(small);
    small->SetRect(CRect(0, 0, 150, 20));
    ASSERT_TRUE(small->OnEdit(nullptr));
    small->GetInPlaceWnd()->SetWindowText(L"300");
    EXPECT_FALSE(small->OnUpdateValue()) << "a refused text keeps the old value";
    EXPECT_EQ(0, small->GetValue().bVal);
    EXPECT_TRUE(m_Parent.m_Recorded.empty());
}
