#include <guitoolkit/core/GuiToolkitResources.h>
#include <guitoolkit/toolbars/CGTToolbarDropSource.h>
#include <gtest/gtest.h>
#include <algorithm>
#include "ToolbarTestSupport.h"

namespace {
// Data that offers one format.
void Offer(COleDataSource& ioSource, CLIPFORMAT iFormat)
{
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, 4);
    ioSource.CacheGlobalData(iFormat, block);
}
}  // namespace

TEST(ToolbarDropTarget, PassesOnlyToolbarButtonsInCustomizeModeToTheBar)
{
    ASSERT_TRUE(AfxOleInit());
    TestParent parent;
    RecordingToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&parent));
    const struct {
        BOOL customize;
        BOOL buttonData;
        DROPEFFECT effect;
        std::vector<std::string> calls;
    } cases[] = {
        {FALSE, TRUE, DROPEFFECT_NONE, {"leave"}},
        {TRUE, FALSE, DROPEFFECT_NONE, {"leave"}},
        {TRUE, TRUE, DROPEFFECT_COPY, {"enter", "over", "drop", "leave"}},
    };
    for (const auto& c : cases) {
        CustomizeModeScope mode(c.customize);
        COleDataSource source;
        Offer(source, c.buttonData ? CGTToolbarButton::GetClipboardFormat() : CLIPFORMAT(CF_TEXT));
        COleDataObject data;
        data.Attach(static_cast<LPDATAOBJECT>(source.GetInterface(&IID_IDataObject)), FALSE);
        bar.m_Calls.clear();

        CGTToolbarDropTarget& target = bar.DropTarget();
        EXPECT_EQ(c.effect, target.OnDragEnter(&bar, &data, 0, CPoint(1, 1)));
        EXPECT_EQ(c.effect, target.OnDragOver(&bar, &data, 0, CPoint(1, 1)));
        // An accepted drop has the default effect.
        EXPECT_EQ(c.buttonData && c.customize ? DROPEFFECT_MOVE : DROPEFFECT_NONE,
                  target.OnDropEx(&bar, &data, DROPEFFECT_MOVE, DROPEFFECT_COPY | DROPEFFECT_MOVE, CPoint(1, 1)));
        target.OnDragLeave(&bar);
        bar.m_Calls.erase(std::remove(bar.m_Calls.begin(), bar.m_Calls.end(), "customize"), bar.m_Calls.end());
        EXPECT_EQ(c.calls, bar.m_Calls) << c.customize << " " << c.buttonData;
    }
    bar.DestroyWindow();
}

TEST(ToolbarDropSource, ShowsTheToolkitCursorsOnceADragBegan)
{
    TestParent parent;
    CGTToolbarDropSource source;
    EXPECT_EQ(DRAGDROP_S_USEDEFAULTCURSORS, source.GiveFeedback(DROPEFFECT_COPY));

    // No mouse button is down: no drag, but the cursors are ready.
    EXPECT_FALSE(source.OnBeginDrag(&parent));
    HINSTANCE module = AfxGetResourceHandle();
    const struct {
        DROPEFFECT effect;
        UINT cursor;
    } cases[] = {
        {DROPEFFECT_COPY, IDC_GT_COPY},
        {DROPEFFECT_MOVE, IDC_GT_MOVE},
        {DROPEFFECT_NONE, IDC_GT_NODROP},
        {DROPEFFECT_COPY | DROPEFFECT_MOVE, IDC_GT_NODROP},
    };
    for (const auto& c : cases) {
        HCURSOR expected = ::LoadCursorW(module, MAKEINTRESOURCEW(c.cursor));
        ASSERT_NE(nullptr, expected);
        EXPECT_EQ(S_OK, source.GiveFeedback(c.effect));
        EXPECT_EQ(expected, ::GetCursor()) << c.effect;
    }

    ::SetCursor(nullptr);
    EXPECT_EQ(DRAGDROP_S_CANCEL, source.QueryContinueDrag(TRUE, MK_LBUTTON));
    EXPECT_TRUE(source.WasEscapePressed());
    EXPECT_EQ(::LoadCursorW(module, MAKEINTRESOURCEW(IDC_GT_NODROP)), ::GetCursor());
}
