#include <guitoolkit/core/BrowseForFolderDialog.h>
#include <guitoolkit/core/GuiToolkitHooks.h>
#include <guitoolkit/core/RebarState.h>
#include <commctrl.h>
#include <shlobj.h>
#include <gtest/gtest.h>
#include <vector>
#include "ScratchRegistryKey.h"

namespace {
// A rebar of three bands whose children have the control ids 11, 12 and 13.
class ThreeBandRebar {
public:
    ThreeBandRebar()
    {
        INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_COOL_CLASSES};
        ::InitCommonControlsEx(&classes);
        m_Frame = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 600, 200, nullptr, nullptr, nullptr, nullptr);
        m_Rebar = ::CreateWindowExW(0, REBARCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | RBS_VARHEIGHT, 0, 0, 600, 100,
                                    m_Frame, reinterpret_cast<HMENU>(59392), nullptr, nullptr);
        for (int id = 11; id <= 13; ++id) {
            REBARBANDINFOW band = {sizeof(band)};
            band.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_ID;
            band.fStyle = RBBS_GRIPPERALWAYS;
            band.hwndChild = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, m_Rebar,
                                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
            band.cxMinChild = 10 * id;
            band.cyMinChild = id;
            band.cx = 100;
            band.wID = 100 + id;
            ::SendMessageW(m_Rebar, RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band));
        }
    }
    ~ThreeBandRebar() { ::DestroyWindow(m_Frame); }

    // Per band in order: the child's control id, the minimum child width and height.
    std::vector<std::vector<UINT>> Bands() const
    {
        std::vector<std::vector<UINT>> bands;
        const UINT count = static_cast<UINT>(::SendMessageW(m_Rebar, RB_GETBANDCOUNT, 0, 0));
        for (UINT index = 0; index < count; ++index) {
            REBARBANDINFOW band = {sizeof(band)};
            band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_ID;
            ::SendMessageW(m_Rebar, RB_GETBANDINFOW, index, reinterpret_cast<LPARAM>(&band));
            bands.push_back(
                {static_cast<UINT>(::GetDlgCtrlID(band.hwndChild)), band.cxMinChild, band.cyMinChild, band.wID});
        }
        return bands;
    }
    void SetMinimumHeight(UINT index, UINT height)
    {
        REBARBANDINFOW band = {sizeof(band)};
        band.fMask = RBBIM_CHILDSIZE;
        band.cxMinChild = 5;
        band.cyMinChild = height;
        ::SendMessageW(m_Rebar, RB_SETBANDINFOW, index, reinterpret_cast<LPARAM>(&band));
    }

    HWND m_Rebar;

private:
    HWND m_Frame;
};

const std::vector<std::vector<UINT>> savedBands = {{11, 110, 11, 111}, {12, 120, 12, 112}, {13, 130, 13, 113}};

void CALLBACK ConfirmTheFolderDialog(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND dialog = ::FindWindowW(L"#32770", nullptr);
    if (dialog != nullptr && ::GetWindowThreadProcessId(dialog, nullptr) == ::GetCurrentThreadId()) {
        ::KillTimer(nullptr, timer);
        ::PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    }
}
}  // namespace

TEST(RebarState, BandsComeBackInTheirStoredOrderAndSizes)
{
    ScratchRegistryKey scratch(L"GtRebar");
    ThreeBandRebar bar;
    ASSERT_EQ(savedBands, bar.Bands());
    ASSERT_TRUE(SaveRebarWindowState(scratch.Path(), bar.m_Rebar));
    const std::vector<BYTE> ids = {11, 0, 0, 0, 12, 0, 0, 0, 13, 0, 0, 0};
    EXPECT_EQ(ids, scratch.Bytes(L"RIRRebar-59392", L"IDs"));
    const std::vector<BYTE> records = scratch.Bytes(L"RIRRebar-59392", L"RBI");
    ASSERT_EQ(240u, records.size());
    const DWORD* first = reinterpret_cast<const DWORD*>(records.data());
    EXPECT_EQ(80u, first[0]);
    EXPECT_EQ(0xB61u, first[1]);  // without the child
    EXPECT_EQ(0u, first[8]);
    EXPECT_EQ(110u, first[9]);

    ::SendMessageW(bar.m_Rebar, RB_MOVEBAND, 0, 2);
    bar.SetMinimumHeight(1, 30);
    ASSERT_NE(savedBands, bar.Bands());
    ASSERT_TRUE(LoadRebarWindowState(scratch.Path(), bar.m_Rebar));
    EXPECT_EQ(savedBands, bar.Bands());
    EXPECT_FALSE(LoadRebarWindowState(scratch.Path() + L"Elsewhere\\", bar.m_Rebar));
}

TEST(RebarState, AStateThatDoesNotFitTheBandsChangesNothing)
{
    ScratchRegistryKey scratch(L"GtRebar");
    ThreeBandRebar bar;
    ASSERT_TRUE(SaveRebarWindowState(scratch.Path(), bar.m_Rebar));
    ::SendMessageW(bar.m_Rebar, RB_MOVEBAND, 0, 2);
    const std::vector<std::vector<UINT>> moved = bar.Bands();
    ASSERT_NE(savedBands, moved);

    std::vector<BYTE> records = scratch.Bytes(L"RIRRebar-59392", L"RBI");
    records.pop_back();
    scratch.StoreBinary(L"RIRRebar-59392", L"RBI", records);
    EXPECT_TRUE(LoadRebarWindowState(scratch.Path(), bar.m_Rebar));
    EXPECT_EQ(moved, bar.Bands());

    ASSERT_TRUE(SaveRebarWindowState(scratch.Path(), bar.m_Rebar));
    ::SendMessageW(bar.m_Rebar, RB_MOVEBAND, 0, 1);
    ::SendMessageW(bar.m_Rebar, RB_DELETEBAND, 2, 0);
    const std::vector<std::vector<UINT>> fewer = bar.Bands();
    EXPECT_TRUE(LoadRebarWindowState(scratch.Path(), bar.m_Rebar));
    EXPECT_EQ(fewer, bar.Bands());
}

TEST(BrowseForFolder, OpensAtTheInitialFolderAndGivesTheChosenPath)
{
    wchar_t windows[MAX_PATH] = {};
    ::GetWindowsDirectoryW(windows, MAX_PATH);
    ::SetTimer(nullptr, 0, 100, &ConfirmTheFolderDialog);
    CString folder = L"unchanged";
    int image = -2;
    ASSERT_TRUE(BrowseForFolderDialog(folder, nullptr, windows, L"Pick", BIF_RETURNONLYFSDIRS, &image));
    EXPECT_EQ(0, folder.CompareNoCase(windows));
    EXPECT_NE(-2, image);
}