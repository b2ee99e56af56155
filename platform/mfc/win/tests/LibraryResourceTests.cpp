// The class library's own resources, as a program that includes its script has them.
#include <afxwin.h>
#include <gtest/gtest.h>

TEST(LibraryResources, CursorsStringsAndThePreviewBarArePresent)
{
    for (UINT nID : {AFX_IDC_HSPLITBAR, AFX_IDC_VSPLITBAR, AFX_IDC_NODROPCRSR}) {
        SCOPED_TRACE(nID);
        ICONINFO info = {};
        HCURSOR hCursor = ::LoadCursorW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(nID));
        ASSERT_NE(hCursor, nullptr);
        ASSERT_TRUE(::GetIconInfo(hCursor, &info));
        EXPECT_EQ(info.xHotspot, 15u);
        EXPECT_EQ(info.yHotspot, 15u);
        ::DeleteObject(info.hbmMask);
        ::DeleteObject(info.hbmColor);
    }
    CString strPages;
    ASSERT_TRUE(strPages.LoadString(AFX_IDS_PREVIEWPAGEDESC));
    EXPECT_EQ(strPages, CString(L"Page %u\nPages %u-%u\n"));

    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), L"parent", WS_POPUP, 0, 0, 600, 100, nullptr, nullptr));
    CWnd bar;
    ASSERT_TRUE(bar.CreateDlg(MAKEINTRESOURCEW(AFX_IDD_PREVIEW_TOOLBAR), &parent));
    for (UINT nID : {AFX_ID_PREVIEW_PRINT, AFX_ID_PREVIEW_NEXT, AFX_ID_PREVIEW_PREV, AFX_ID_PREVIEW_NUMPAGE,
                     AFX_ID_PREVIEW_ZOOMIN, AFX_ID_PREVIEW_ZOOMOUT, AFX_ID_PREVIEW_CLOSE})
        EXPECT_NE(bar.GetDlgItem((int)nID), nullptr) << nID;
    bar.DestroyWindow();
    parent.DestroyWindow();
}
