#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/core/tests/FakeSeams.h>
#include <gtest/gtest.h>
#include "DockingTestSupport.h"
#include "MdiClientAreaSupport.h"

namespace {
CRect ClientRectIn(CWnd& iWindow, CWnd& iParent)
{
    CRect rect = WindowRect(iWindow);
    iParent.ScreenToClient(rect);
    return rect;
}

LPARAM PointIn(CWnd& iWindow, CPoint iScreen)
{
    iWindow.ScreenToClient(&iScreen);
    return MAKELPARAM(iScreen.x, iScreen.y);
}

CPoint TabCentre(CGTTabWnd& iGroup, int iTab)
{
    CRect rect;
    iGroup.GetTabRect(iTab, rect);
    iGroup.ClientToScreen(rect);
    return rect.CenterPoint();
}

// A tab held, moved to a screen point and released there, as the mouse does it.
void DragTab(CGTTabWnd& ioGroup, int iTab, CPoint iTo, BOOL iRelease = TRUE)
{
    ioGroup.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointIn(ioGroup, TabCentre(ioGroup, iTab)));
    ioGroup.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, PointIn(ioGroup, iTo));
    if (iRelease)
        ioGroup.SendMessage(WM_LBUTTONUP, 0, PointIn(ioGroup, iTo));
}

class MdiTabGroups : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_Frame = std::make_unique<TestMdiFrame>();
        m_Frame->m_Client.SwitchTabGroups(TRUE, MDITabSettings());
    }
    void Open(int iCount)
    {
        const wchar_t* const names[] = {L"Users", L"Computers", L"Applications", L"Hours"};
        for (int i = 0; i < iCount; ++i)
            m_Children.push_back(m_Frame->OpenChild(names[i]));
        m_Frame->RecalcLayout();
    }
    OpenClientArea& Client() { return m_Frame->m_Client; }
    CRect GroupRect(int iIndex) { return ClientRectIn(*Client().Group(iIndex), Client()); }
    // Splits the first group in two side by side by dropping its active tab near its right edge.
    void SplitVertically()
    {
        const CRect group = WindowRect(*Client().Group(0));
        DragTab(*Client().Group(0), 0, CPoint(group.right - 10, group.CenterPoint().y));
    }

    FixedScreenFacts m_Facts;
    FakeScreenDrawing m_Drawing;
    std::unique_ptr<TestMdiFrame> m_Frame;
    std::vector<TestMdiChild*> m_Children;
};

struct DropCase {
    const char* name;
    int documents;
    // Where in the group the tab is dropped, as offsets from its right and bottom edges (0: the centre).
    int fromRight;
    int fromBottom;
    int groups;
    int split;
};

class MdiTabDrops : public MdiTabGroups, public ::testing::WithParamInterface<DropCase> {};

TEST_P(MdiTabDrops, ADropNearAnEdgeSplitsOffAGroupOnlyWhenOneTabStaysBehind)
{
    const DropCase& drop = GetParam();
    Open(drop.documents);
    const CRect group = WindowRect(*Client().Group(0));
    const CPoint point(drop.fromRight != 0 ? group.right - drop.fromRight : group.CenterPoint().x,
                       drop.fromBottom != 0 ? group.bottom - drop.fromBottom : group.CenterPoint().y);
    DragTab(*Client().Group(0), 0, point, FALSE);
    if (drop.groups == 1)
        EXPECT_TRUE(Client().DropFrame().IsRectEmpty());
    else
        EXPECT_FALSE(Client().DropFrame().IsRectEmpty());
    Client().Group(0)->SendMessage(WM_LBUTTONUP, 0, PointIn(*Client().Group(0), point));

    ASSERT_EQ(Client().GroupCount(), drop.groups);
    EXPECT_EQ(Client().GetGroupSplit(), drop.split);
    EXPECT_TRUE(Client().DropFrame().IsRectEmpty());
    if (drop.groups == 2) {
        EXPECT_EQ(Client().Group(1)->GetTabCount(), 1);
        const CRect first = GroupRect(0);
        const CRect second = GroupRect(1);
        if (drop.split == 1)
            EXPECT_EQ(first.right, second.left);
        else
            EXPECT_EQ(first.bottom, second.top);
        EXPECT_EQ(Client().Group(0)->GetResizeMode(), drop.split);
        EXPECT_EQ(Client().Group(1)->GetResizeMode(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Drops, MdiTabDrops,
                         ::testing::Values(DropCase{"OneTab", 1, 10, 0, 1, 0}, DropCase{"RightEdge", 2, 10, 0, 2, 1},
                                           DropCase{"BottomEdge", 2, 0, 10, 2, 2},
                                           DropCase{"MiddleOfItsOwnGroup", 2, 0, 0, 1, 0}),
                         [](const ::testing::TestParamInfo<DropCase>& iInfo) { return iInfo.param.name; });

TEST_F(MdiTabGroups, TheSplitDirectionStaysOnceChosen)
{
    Open(3);
    SplitVertically();
    // Nearer the bottom than the right edge: horizontal, had there been no split yet.
    const CRect group = WindowRect(*Client().Group(0));
    DragTab(*Client().Group(0), 0, CPoint(group.right - 20, group.bottom - 5));
    ASSERT_EQ(Client().GroupCount(), 3);
    EXPECT_EQ(Client().GetGroupSplit(), 1);
    EXPECT_EQ(GroupRect(1).top, GroupRect(0).top);
    EXPECT_EQ(GroupRect(2).left, GroupRect(1).right);
}

TEST_F(MdiTabGroups, ADropOnAnotherGroupsTabsMovesTheDocumentAndTheEmptiedGroupGoes)
{
    Open(2);
    SplitVertically();
    ASSERT_EQ(Client().GroupCount(), 2);
    CRect whole;
    Client().GetClientRect(whole);
    CGTTabWnd* second = Client().Group(1);
    std::vector<UINT> moves;

    DragTab(*second, 0, TabCentre(*Client().Group(0), 0));

    ASSERT_EQ(Client().GroupCount(), 1);
    EXPECT_EQ(Client().Group(0)->GetTabCount(), 2);
    EXPECT_EQ(Client().RetiredCount(), 1);
    EXPECT_FALSE(second->IsWindowVisible());
    EXPECT_EQ(GroupRect(0).Width(), whole.Width());
    EXPECT_EQ(Client().GetGroupSplit(), 0);
    for (TestMdiChild* child : m_Children)
        EXPECT_EQ(child->GetTabGroup(), Client().Group(0));
}

TEST_F(MdiTabGroups, TheSplitterKeepsItsMarginFromBothOuterEdges)
{
    Open(2);
    SplitVertically();
    CGTTabWnd* first = Client().Group(0);
    CRect bounds(0, 0, 0, 0);
    ASSERT_EQ(
        Client().SendMessage(GTM_GETDRAGBOUNDS, reinterpret_cast<WPARAM>(first), reinterpret_cast<LPARAM>(&bounds)), 1);
    const CRect both = WindowRect(*first) | WindowRect(*Client().Group(1));
    EXPECT_EQ(bounds, CRect(both.left + 40, both.top, both.right - 40, both.bottom));
    EXPECT_EQ(Client().SendMessage(GTM_GETDRAGBOUNDS, reinterpret_cast<WPARAM>(Client().Group(1)),
                                   reinterpret_cast<LPARAM>(&bounds)),
              0);

    CRect moved = WindowRect(*first);
    moved.right = bounds.left;
    Client().SendMessage(GTM_ON_DRAGCOMPLETE, reinterpret_cast<WPARAM>(first), reinterpret_cast<LPARAM>(&moved));
    EXPECT_EQ(WindowRect(*first).right, bounds.left);
    EXPECT_EQ(WindowRect(*Client().Group(1)).left, bounds.left);
    EXPECT_EQ(WindowRect(*Client().Group(1)).right, both.right);
}

TEST_F(MdiTabGroups, AResizeSpreadsEvenlyCarryingTheRemainderAndTheLastGroupEndsAtTheFarEdge)
{
    Open(3);
    SplitVertically();
    SplitVertically();
    ASSERT_EQ(Client().GroupCount(), 3);
    std::vector<int> before;
    for (int i = 0; i < 3; ++i)
        before.push_back(GroupRect(i).Width());
    for (int grow : {7, 7, 7}) {
        CRect frame = WindowRect(*m_Frame);
        m_Frame->SetWindowPos(nullptr, 0, 0, frame.Width() + grow, frame.Height(), SWP_NOMOVE | SWP_NOZORDER);
        m_Frame->RecalcLayout();
    }
    CRect client;
    Client().GetClientRect(client);
    // 2 + 2 + 2 each, and the third pass gives out the carried pixel.
    EXPECT_EQ(GroupRect(0).Width(), before[0] + 7);
    EXPECT_EQ(GroupRect(1).Width(), before[1] + 7);
    EXPECT_EQ(GroupRect(2).right, client.right);
    EXPECT_EQ(GroupRect(1).left, GroupRect(0).right);
}

TEST_F(MdiTabGroups, TheMenuFlagsFollowTheActiveDocumentsGroup)
{
    Open(3);
    EXPECT_EQ(Client().GetTabGroupMenuFlags(), 3u);
    SplitVertically();
    // The moved document is active, alone in the last group.
    EXPECT_EQ(Client().GetTabGroupMenuFlags(), 4u);
    Client().Group(0)->ActivateMDITab(0);
    EXPECT_EQ(Client().GetTabGroupMenuFlags(), 1u | 8u);
}

TEST_F(MdiTabGroups, ClosingTheLastDocumentOfTheActiveGroupActivatesThePreviousGroups)
{
    Open(3);
    SplitVertically();
    CGTTabWnd* first = Client().Group(0);
    first->ActivateMDITab(1);
    const HWND expected = first->GetTabWnd(1)->GetSafeHwnd();
    Client().Group(1)->ActivateMDITab(0);
    Client().Group(1)->GetTabWnd(0)->SendMessage(WM_CLOSE);
    PumpMessages();
    EXPECT_EQ(Client().GroupCount(), 1);
    EXPECT_EQ(m_Frame->ActiveChild(), expected);
    EXPECT_TRUE(first->IsActiveInGroup());
}

TEST_F(MdiTabGroups, NextAndPreviousWindowWrapAcrossGroups)
{
    Open(3);
    SplitVertically();
    CGTTabWnd* first = Client().Group(0);
    CGTTabWnd* second = Client().Group(1);
    second->ActivateMDITab(0);
    Client().SendMessage(WM_MDINEXT, reinterpret_cast<WPARAM>(m_Frame->ActiveChild()), 0);
    EXPECT_EQ(m_Frame->ActiveChild(), first->GetTabWnd(0)->GetSafeHwnd());
    Client().SendMessage(WM_MDINEXT, reinterpret_cast<WPARAM>(m_Frame->ActiveChild()), 1);
    EXPECT_EQ(m_Frame->ActiveChild(), second->GetTabWnd(0)->GetSafeHwnd());
    Client().SendMessage(WM_MDINEXT, reinterpret_cast<WPARAM>(m_Frame->ActiveChild()), 1);
    EXPECT_EQ(m_Frame->ActiveChild(), first->GetTabWnd(first->GetTabCount() - 1)->GetSafeHwnd());
}

TEST_F(MdiTabGroups, CancellingATabDragErasesTheDropFrameAndMovesNothing)
{
    Open(2);
    CGTTabWnd* group = Client().Group(0);
    const CRect rect = WindowRect(*group);
    DragTab(*group, 0, CPoint(rect.right - 10, rect.CenterPoint().y), FALSE);
    const CRect shown = Client().DropFrame();
    ASSERT_FALSE(shown.IsRectEmpty());
    group->SendMessage(WM_CANCELMODE);
    EXPECT_TRUE(Client().DropFrame().IsRectEmpty());
    ASSERT_FALSE(m_Drawing.m_Calls.empty());
    EXPECT_EQ(m_Drawing.m_Calls.back(), std::make_pair(CRect(), shown));
    group->SendMessage(WM_LBUTTONUP, 0, PointIn(*group, CPoint(rect.right - 10, rect.CenterPoint().y)));
    EXPECT_EQ(Client().GroupCount(), 1);
}
}  // namespace
