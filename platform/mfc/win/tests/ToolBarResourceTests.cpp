#include <afxext.h>
#include <gtest/gtest.h>
#include "test_resource.h"

TEST(ToolBarResource, LoadsTheRawToolbarResource)
{
    CToolBarResource toolbar;
    ASSERT_TRUE(toolbar.Load(IDR_TOOLBAR));
    EXPECT_EQ(toolbar.m_sizeButton, CSize(16, 15));
    ASSERT_EQ(toolbar.m_arrItems.GetSize(), 3);
    EXPECT_EQ(toolbar.m_arrItems[0], (UINT)ID_FILE_NEW);
    EXPECT_EQ(toolbar.m_arrItems[1], (UINT)ID_SEPARATOR);
    EXPECT_EQ(toolbar.m_arrItems[2], (UINT)ID_APP_ABOUT);
}

TEST(ToolBarResource, RefusesMissingAndMalformedResources)
{
    CToolBarResource toolbar;
    EXPECT_FALSE(toolbar.Load(9999));
    const WORD wrongVersion[] = {2, 16, 15, 1, ID_FILE_NEW};
    EXPECT_FALSE(toolbar.Parse(wrongVersion, sizeof(wrongVersion)));
    const WORD shortList[] = {1, 16, 15, 3, ID_FILE_NEW};
    EXPECT_FALSE(toolbar.Parse(shortList, sizeof(shortList)));
    EXPECT_EQ(toolbar.m_arrItems.GetSize(), 0);
}
