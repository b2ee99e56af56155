#include <guitoolkit/core/CGTCommandManager.h>
#include <guitoolkit/core/GuiToolkitResources.h>
#include <guitoolkit/toolbars/CGTToolbarMenuButton.h>
#include <guitoolkit/toolbars/GTButtonAppearance.h>
#include <guitoolkit/toolbars/GTEditorResources.h>
#include <gtest/gtest.h>
#include <memory>
#include "ToolbarTestSupport.h"

namespace {
// Answers the appearance dialog as told and counts its uses; OK gives the button a text.
class ScriptedAppearance : public CGTButtonAppearance {
public:
    explicit ScriptedAppearance(BOOL iOk) : m_Ok(iOk), m_Previous(CGTButtonAppearance::Select(this)) {}
    ~ScriptedAppearance() override { CGTButtonAppearance::Select(m_Previous); }
    BOOL Edit(CGTToolbarButton& ioButton, CGTToolBarImages*, CWnd*, BOOL) const override
    {
        ++m_Calls;
        if (m_Ok && ioButton.m_Text.IsEmpty())
            ioButton.m_Text = L"Chosen";
        return m_Ok;
    }
    BOOL m_Ok;
    mutable int m_Calls = 0;

private:
    CGTButtonAppearance* m_Previous;
};

// A bar's button as drag data.
class DragData {
public:
    explicit DragData(CGTToolbarButton& iButton)
    {
        iButton.PrepareDrag(m_Source);
        m_Data.Attach(static_cast<LPDATAOBJECT>(m_Source.GetInterface(&IID_IDataObject)), FALSE);
    }
    COleDataObject* operator&() { return &m_Data; }

private:
    COleDataSource m_Source;
    COleDataObject m_Data;
};

// A bar being edited: it shows its drag state and records the customize menus it shows.
class EditingBar : public LayoutBar {
public:
    using CGTToolBar::OnContextMenu;
    using LayoutBar::LayoutBar;
    void StartDrag(int iIndex, CPoint iStart)
    {
        m_DraggedButton = GetButton(iIndex);
        m_DragStart = iStart;
    }
    void Select(int iIndex)
    {
        TakeCustomizeSelection();
        m_SelectedIndex = iIndex;
    }
    void Lock() { m_Locked = TRUE; }
    void SetMenuMode() { m_MenuMode = TRUE; }
    void Command(UINT iCommand) { SendMessage(WM_COMMAND, iCommand); }
    std::vector<UINT> Commands() const
    {
        std::vector<UINT> ids;
        for (int index = 0; index < GetButtonCount(); ++index)
            ids.push_back(GetItemID(index));
        return ids;
    }
    CPoint LeftHalf(int iIndex) const { return GetButton(iIndex)->Rect().TopLeft() + CSize(2, 2); }
    void TrackCustomizeMenu(CMenu&, CPoint) override { ++m_MenusShown; }
    int m_MenusShown = 0;
};

class CustomizeEditing : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(AfxOleInit());
        m_Bar = std::make_unique<EditingBar>(m_Parent, 300, std::vector<int>{20, 20, 20, 20});
        m_Bar->RecalcButtonLayout();
    }
    // Drags a button of the bar over the point and drops it there.
    BOOL DragOwnButton(int iIndex, CPoint iPoint, DWORD iKeys, CPoint iStart)
    {
        DragData data(*m_Bar->GetButton(iIndex));
        m_Bar->StartDrag(iIndex, iStart);
        const DROPEFFECT effect = m_Bar->OnDragOver(&data, iKeys, iPoint);
        return m_Bar->OnDrop(&data, effect, iPoint);
    }

    CustomizeModeScope m_Customizing;
    TestParent m_Parent;
    std::unique_ptr<EditingBar> m_Bar;
};
}  // namespace

TEST_F(CustomizeEditing, ABarsOwnButtonDroppedAtItsPlaceMovesNothing)
{
    const std::vector<UINT> before = m_Bar->Commands();
    // Over itself, and just behind itself (a drag too short for a group separator).
    EXPECT_FALSE(DragOwnButton(1, m_Bar->LeftHalf(1), 0, m_Bar->LeftHalf(1)));
    const CPoint behind = m_Bar->LeftHalf(2);
    EXPECT_TRUE(DragOwnButton(1, behind, 0, behind - CSize(5, 0)));
    EXPECT_EQ(before, m_Bar->Commands());
}

TEST_F(CustomizeEditing, AButtonMovedRightLandsBeforeTheButtonUnderTheMarkAndCtrlCopiesIt)
{
    EXPECT_TRUE(DragOwnButton(0, m_Bar->LeftHalf(3), 0, m_Bar->LeftHalf(0)));
    EXPECT_EQ((std::vector<UINT>{101, 102, 100, 103}), m_Bar->Commands());

    EXPECT_TRUE(DragOwnButton(0, m_Bar->LeftHalf(3), MK_CONTROL, m_Bar->LeftHalf(0)));
    EXPECT_EQ((std::vector<UINT>{101, 102, 100, 101, 103}), m_Bar->Commands());
}

TEST_F(CustomizeEditing, AButtonMovedAcrossSeparatorsLandsWhereTheMarkStood)
{
    // {100, sep, 101, sep, 102, 103}; the mark before a button, or -1 past the last.
    const struct {
        int dragged;
        int markBefore;
        std::vector<UINT> after;
    } cases[] = {
        {2, 5, {100, 0, 102, 101, 103}},     // right, its separators merging
        {2, 0, {101, 100, 0, 102, 103}},     // left, its separators merging
        {4, 0, {102, 100, 0, 101, 0, 103}},  // left over two separators
        {2, -1, {100, 0, 102, 103, 101}},    // to the end
        {2, 3, {100, 0, 101, 0, 102, 103}},  // onto its own place
    };
    for (const auto& c : cases) {
        m_Bar = std::make_unique<EditingBar>(m_Parent, 300, std::vector<int>{20, 0, 20, 0, 20, 20});
        m_Bar->RecalcButtonLayout();
        const CRect last = m_Bar->GetButton(5)->Rect();
        const CPoint mark = c.markBefore >= 0 ? m_Bar->LeftHalf(c.markBefore) : CPoint(last.right + 2, last.top + 2);
        DragOwnButton(c.dragged, mark, 0, m_Bar->LeftHalf(c.dragged));
        EXPECT_EQ(c.after, m_Bar->Commands()) << c.dragged << " before " << c.markBefore;
    }
}

TEST_F(CustomizeEditing, ACommandListButtonWithoutImageOrTextDropsOnlyWhenItsAppearanceIsChosen)
{
    CGTToolbarButton listed(200, -1, L"");
    listed.m_FromCommandList = TRUE;
    DragData data(listed);
    for (const BOOL ok : {FALSE, TRUE}) {
        ScriptedAppearance appearance(ok);
        const CPoint point = m_Bar->LeftHalf(0);
        EXPECT_EQ(DROPEFFECT_MOVE, m_Bar->OnDragOver(&data, 0, point));
        EXPECT_EQ(ok, m_Bar->OnDrop(&data, DROPEFFECT_MOVE, point));
        EXPECT_EQ(1, appearance.m_Calls);
    }
    // The chosen text shows alone: the command has no image.
    CGTToolbarButton* dropped = m_Bar->GetButton(0);
    EXPECT_EQ(200u, dropped->m_CommandId);
    EXPECT_TRUE(dropped->m_ShowText);
    EXPECT_FALSE(dropped->m_ShowImage);
    EXPECT_FALSE(dropped->m_FromCommandList);
}

TEST_F(CustomizeEditing, NewMenuInsertsTheMenuTheAppearanceDialogNamesOnOk)
{
    const auto typeName = [](HWND iDialog) { ::SetDlgItemTextW(iDialog, IDC_GT_APPEARANCE_TEXT, L"&Reports"); };
    for (const UINT answer : {IDCANCEL, IDOK}) {
        DialogAnswerer dialog(IDC_GT_APPEARANCE_TEXT, answer, typeName);
        m_Bar->Select(1);
        m_Bar->Command(ID_GT_CUSTOMIZE_NEW_MENU);
        EXPECT_EQ(1, dialog.m_Answered);
        EXPECT_EQ(answer == IDOK ? 5 : 4, m_Bar->GetButtonCount());
    }
    auto* menu = dynamic_cast<CGTToolbarMenuButton*>(m_Bar->GetButton(1));
    ASSERT_NE(nullptr, menu);
    EXPECT_EQ(CString(L"&Reports"), menu->m_Text);
    EXPECT_TRUE(menu->m_ShowText);
    menu->OnCancelMode();
}

TEST_F(CustomizeEditing, DataWithoutAButtonOrALockedBarTakesNoDrop)
{
    const std::vector<UINT> before = m_Bar->Commands();
    COleDataSource source;
    source.CacheGlobalData(CF_TEXT, ::GlobalAlloc(GMEM_MOVEABLE, 4));
    COleDataObject text;
    text.Attach(static_cast<LPDATAOBJECT>(source.GetInterface(&IID_IDataObject)), FALSE);
    EXPECT_EQ(DROPEFFECT_NONE, m_Bar->OnDragOver(&text, 0, m_Bar->LeftHalf(0)));
    EXPECT_FALSE(m_Bar->OnDrop(&text, DROPEFFECT_MOVE, m_Bar->LeftHalf(0)));

    CGTToolbarButton other(200, 0, L"Other");
    DragData data(other);
    m_Bar->Lock();
    EXPECT_EQ(DROPEFFECT_NONE, m_Bar->OnDragOver(&data, 0, m_Bar->LeftHalf(0)));
    EXPECT_FALSE(m_Bar->OnDrop(&data, DROPEFFECT_MOVE, m_Bar->LeftHalf(0)));
    EXPECT_EQ(before, m_Bar->Commands());
}

TEST(CustomizeInsertionMark, FollowsTheRowsOfAHorizontalBarAndTheColumnOfAVerticalOne)
{
    TestParent parent;
    EditingBar bar(parent, 300, {20, 20, 20});
    bar.AddCustomizeButton(10);
    const int h = bar.GetRowHeight();
    const CRect horizontal[] = {{0, 0, 20, h}, {20, 0, 40, h}, {0, h, 20, 2 * h}, {20, h, 30, 2 * h}};
    for (int index = 0; index < 4; ++index)
        bar.GetButton(index)->SetRect(horizontal[index]);
    const struct {
        CPoint point;
        int index;
        CRect mark;
    } rows[] = {
        {{5, 2}, 0, {0, 0, 0, h}},             // inside, nearer the left edge
        {{15, 2}, 1, {20, 0, 20, h}},          // inside, nearer the right edge
        {{60, 2}, 2, {40, 0, 40, h}},          // right of the first row
        {{5, h + 2}, 2, {0, h, 0, 2 * h}},     // second row
        {{21, h + 2}, 3, {20, h, 20, 2 * h}},  // before the customize button
        {{29, h + 2}, -1, {}},                 // behind the customize button
        {{5, 3 * h}, -1, {}},                  // below the last row, the customize button last
    };
    for (const auto& c : rows) {
        CRect mark;
        EXPECT_EQ(c.index, bar.CalcInsertionMarkRect(c.point, mark)) << c.point.x << "," << c.point.y;
        EXPECT_EQ(c.mark, mark) << c.point.x << "," << c.point.y;
    }

    TestParent columnParent;
    EditingBar column(columnParent, 300, {20, 20, 20});
    column.SetBarStyle((column.GetBarStyle() & ~CBRS_ALIGN_ANY) | CBRS_ALIGN_LEFT);
    for (int index = 0; index < 3; ++index)
        column.GetButton(index)->SetRect(CRect(0, 20 * index, 22, 20 * index + 20));
    const struct {
        CPoint point;
        int index;
        CRect mark;
    } columns[] = {
        {{5, -3}, 0, {0, 0, 22, 0}},    // above
        {{5, 4}, 0, {0, 0, 22, 0}},     // inside, nearer the top
        {{5, 10}, 0, {0, 0, 22, 0}},    // the middle goes to the top
        {{5, 36}, 2, {0, 40, 22, 40}},  // inside, nearer the bottom
        {{5, 70}, 3, {0, 60, 22, 60}},  // below the last
    };
    for (const auto& c : columns) {
        CRect mark;
        EXPECT_EQ(c.index, column.CalcInsertionMarkRect(c.point, mark)) << c.point.y;
        EXPECT_EQ(c.mark, mark) << c.point.y;
    }

    TestParent emptyParent;
    EditingBar empty(emptyParent, 300, {});
    CRect mark;
    CRect client;
    empty.GetClientRect(&client);
    EXPECT_EQ(0, empty.CalcInsertionMarkRect(CPoint(3, 3), mark));
    EXPECT_EQ(client, mark);
}
