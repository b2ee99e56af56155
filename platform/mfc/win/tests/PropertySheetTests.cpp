// Property sheets: the pages become library objects, take part in activation and apply,
// and a modal sheet ends with the button that closed it.
#include <afxdlgs.h>
#include <gtest/gtest.h>
#include "test_resource.h"

namespace {
class CTestPage : public CPropertyPage {
public:
    CTestPage() : CPropertyPage(IDD_TEST) {}
    CPropertySheet* m_pSheetSeen = nullptr;
    int m_nActivations = 0;
    int m_nApplies = 0;
    BOOL m_bPressOk = FALSE;

    BOOL OnInitDialog() override
    {
        m_pSheetSeen = GetParentSheet();
        return CPropertyPage::OnInitDialog();
    }
    BOOL OnSetActive() override
    {
        m_nActivations++;
        if (m_bPressOk)
            GetParent()->PostMessage(PSM_PRESSBUTTON, PSBTN_OK);
        m_bPressOk = FALSE;
        return CPropertyPage::OnSetActive();
    }
    BOOL OnApply() override
    {
        m_nApplies++;
        return CPropertyPage::OnApply();
    }
};
}  // namespace

TEST(Sheet, ModalSheetRunsItsPagesAndEndsWithOk)
{
    CTestPage first, second;
    first.m_bPressOk = TRUE;
    CPropertySheet sheet(L"Sheet");
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    EXPECT_EQ(sheet.GetPageCount(), 2);
    EXPECT_EQ(sheet.GetPage(1), &second);
    EXPECT_EQ(sheet.GetActiveIndex(), 0);

    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(first.m_pSheetSeen, &sheet);
    EXPECT_GE(first.m_nActivations, 1);
    EXPECT_EQ(first.m_nApplies, 1);
    EXPECT_EQ(second.m_nActivations, 0);  // never shown
    EXPECT_EQ(sheet.m_hWnd, nullptr);
}

TEST(Sheet, PagesCanBeRemovedBeforeCreation)
{
    CTestPage first, second;
    CPropertySheet sheet(L"Sheet");
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    sheet.RemovePage(&first);
    EXPECT_EQ(sheet.GetPageCount(), 1);
    EXPECT_EQ(sheet.GetPageIndex(&second), 0);
    EXPECT_FALSE(sheet.SetActivePage(3));
    sheet.RemovePage(5);  // out of range: nothing happens
    EXPECT_EQ(sheet.GetPageCount(), 1);
}
