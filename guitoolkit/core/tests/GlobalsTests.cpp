#include "TestSupport.h"
#include <guitoolkit/core/GuiToolkitHooks.h>
#include <guitoolkit/core/GuiToolkitLibrary.h>
#include <gtest/gtest.h>
#include <vector>

namespace {
std::map<int, COLORREF> DistinctColors()
{
    std::map<int, COLORREF> colors;
    for (int index = 0; index <= 30; ++index)
        colors[index] = RGB(index, 2 * index, 3 * index);
    return colors;
}

LOGFONTW LogFontOf(CFont& font)
{
    LOGFONTW logFont = {};
    font.GetLogFont(&logFont);
    return logFont;
}
}  // namespace

TEST(GuiToolkitGlobals, CachesSystemColoursButAsksAgainForUncachedIndices)
{
    FakeScreen screen(32, DistinctColors());
    for (int index : {2, 3, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22})
        EXPECT_EQ(RGB(index, 2 * index, 3 * index), theGuiToolkitGlobals.GetSysColorCached(index)) << index;

    screen.SetColor(COLOR_MENU, RGB(9, 9, 9));
    screen.SetColor(12, RGB(8, 8, 8));
    screen.SetColor(COLOR_BTNFACE, RGB(7, 7, 7));
    EXPECT_EQ(RGB(9, 9, 9), theGuiToolkitGlobals.GetSysColorCached(COLOR_MENU));
    EXPECT_EQ(RGB(8, 8, 8), theGuiToolkitGlobals.GetSysColorCached(12));
    EXPECT_EQ(RGB(15, 30, 45), theGuiToolkitGlobals.GetSysColorCached(COLOR_BTNFACE));

    const GuiToolkitGlobals& globals = theGuiToolkitGlobals;
    EXPECT_EQ(globals.colorBtnFace, globals.colorBarFace);
    EXPECT_EQ(globals.colorBtnShadow, globals.colorBarShadow);
    EXPECT_EQ(globals.colorBtnText, globals.colorBarText);
    EXPECT_EQ(globals.colorWindow, globals.colorBarWindow);
    EXPECT_EQ(RGB(0, 0, 255), globals.colorHotLinkText);
}

TEST(GuiToolkitGlobals, LightBrushIsMidColourOnTrueColourAndCheckerboardOnEightBits)
{
    const std::map<int, COLORREF> colors = {{COLOR_BTNFACE, RGB(100, 100, 100)},
                                            {COLOR_BTNHIGHLIGHT, RGB(201, 221, 241)}};
    {
        FakeScreen screen(32, colors);
        PixelSurface surface(8, 8);
        ::FillRect(surface.Dc(), CRect(0, 0, 8, 8), theGuiToolkitGlobals.brushLight);
        EXPECT_EQ(RGB(150, 160, 170), surface.At(0, 0));
        EXPECT_EQ(RGB(150, 160, 170), surface.At(5, 3));
    }
    {
        FakeScreen screen(8, colors);
        EXPECT_EQ(8, theGuiToolkitGlobals.bitsPerPixel);
        PixelSurface surface(8, 8);
        ::FillRect(surface.Dc(), CRect(0, 0, 8, 8), theGuiToolkitGlobals.brushLight);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                const COLORREF expected = (x + y) % 2 == 0 ? surface.At(0, 0) : surface.At(1, 0);
                EXPECT_EQ(expected, surface.At(x, y)) << x << "," << y;
            }
        const std::vector<COLORREF> seen = {surface.At(0, 0), surface.At(1, 0)};
        EXPECT_NE(seen[0], seen[1]);
        for (COLORREF color : seen)
            EXPECT_TRUE(color == RGB(100, 100, 100) || color == RGB(201, 221, 241));
    }
}

TEST(GuiToolkitGlobals, HighContrastNeedsWhiteLightAndBlackFace)
{
    struct Case {
        COLORREF light, face;
        BOOL expected;
    };
    for (const Case& c : {Case{RGB(255, 255, 255), 0, TRUE}, Case{RGB(255, 255, 254), 0, FALSE},
                          Case{RGB(255, 255, 255), RGB(0, 0, 1), FALSE}}) {
        FakeScreen screen(32, {{COLOR_3DLIGHT, c.light}, {COLOR_BTNFACE, c.face}});
        EXPECT_EQ(c.expected, theGuiToolkitGlobals.isBlackHighContrast);
    }
}

TEST(GuiToolkitGlobals, FontFaceAndSmallHeightRules)
{
    struct FaceCase {
        BYTE charSet;
        BOOL tahoma;
        const wchar_t* face;
    };
    for (const FaceCase& c :
         {FaceCase{ANSI_CHARSET, TRUE, L"Tahoma"}, FaceCase{DEFAULT_CHARSET, FALSE, L"MS Sans Serif"},
          FaceCase{SYMBOL_CHARSET, TRUE, L"Tahoma"}, FaceCase{SHIFTJIS_CHARSET, TRUE, L"Menu Face"},
          FaceCase{RUSSIAN_CHARSET, FALSE, L"Menu Face"}})
        EXPECT_STREQ(c.face, GuiToolkitGlobals::RegularFaceName(c.charSet, L"Menu Face", c.tahoma)) << c.charSet;

    EXPECT_EQ(-8, GuiToolkitGlobals::SmallFontHeight(-11));
    EXPECT_EQ(9, GuiToolkitGlobals::SmallFontHeight(13));
    EXPECT_EQ(0, GuiToolkitGlobals::SmallFontHeight(0));

    GuiToolkitGlobals& globals = theGuiToolkitGlobals;
    const LOGFONTW regular = LogFontOf(globals.fontRegular);
    EXPECT_EQ(GuiToolkitGlobals::SmallFontHeight(regular.lfHeight), LogFontOf(globals.fontSmall).lfHeight);
    EXPECT_EQ(FW_BOLD, LogFontOf(globals.fontBold).lfWeight);
    EXPECT_TRUE(LogFontOf(globals.fontUnderline).lfUnderline);
    EXPECT_EQ(SYMBOL_CHARSET, LogFontOf(globals.fontMarlett).lfCharSet);
    EXPECT_STREQ(L"Marlett", LogFontOf(globals.fontMarlett).lfFaceName);
    EXPECT_EQ(2700, LogFontOf(globals.fontVert).lfEscapement);
    EXPECT_EQ(900, LogFontOf(globals.fontVertCaption).lfEscapement);
    EXPECT_GT(globals.textHeightRegular, 2);
}

TEST(GuiToolkitLibrary, WindowClassNameFollowsTheRuleAndRegistersOnce)
{
    const CString name = RegisterLibraryWindowClass(L"VADETestBar");
    CString expected;
    expected.Format(L"VADETestBar:%x:%x:%x:%x", static_cast<UINT>(reinterpret_cast<UINT_PTR>(AfxGetInstanceHandle())),
                    CS_DBLCLKS, static_cast<UINT>(reinterpret_cast<UINT_PTR>(::LoadCursorW(nullptr, IDC_ARROW))),
                    COLOR_BTNFACE + 1);
    EXPECT_STREQ(expected, name);
    // A second registration of the same class would fail and throw.
    EXPECT_STREQ(name, RegisterLibraryWindowClass(L"VADETestBar"));
    WNDCLASSW info;
    ASSERT_TRUE(::GetClassInfoW(AfxGetInstanceHandle(), name, &info));
    EXPECT_EQ(static_cast<UINT>(CS_DBLCLKS), info.style);
    EXPECT_EQ(reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), info.hbrBackground);
}

namespace {
POINT erasedOrigin;

LRESULT CALLBACK ParentProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ERASEBKGND) {
        ::GetWindowOrgEx(reinterpret_cast<HDC>(wParam), &erasedOrigin);
        return 7;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}
}  // namespace

TEST(GuiToolkitGlobals, ReleaseDropsEveryEntryWithItsModuleAndParentsThenEraseTheBackground)
{
    GuiToolkitGlobals globals;
    ASSERT_NE(nullptr, globals.moduleUxTheme);
    ASSERT_NE(nullptr, globals.pfnDrawThemeParentBackground);
    globals.ReleaseResources();
    EXPECT_EQ(nullptr, globals.moduleUxTheme);
    EXPECT_EQ(nullptr, globals.moduleUser32);
    EXPECT_EQ(nullptr, globals.pfnDrawThemeParentBackground);
    EXPECT_EQ(nullptr, globals.pfnSetLayeredWindowAttributes);
    EXPECT_FALSE(globals.SetLayeredWindowAttributes(nullptr, 0, 0, 0));
    EXPECT_EQ(nullptr, globals.fontRegular.GetSafeHandle());
    EXPECT_EQ(nullptr, globals.brushLight.GetSafeHandle());
    EXPECT_NE(nullptr, globals.fontSmall.GetSafeHandle());

    WNDCLASSW parentClass = {};
    parentClass.lpfnWndProc = ParentProcedure;
    parentClass.hInstance = ::GetModuleHandleW(nullptr);
    parentClass.lpszClassName = L"GtCoreTestParent";
    ::RegisterClassW(&parentClass);
    HWND parent = ::CreateWindowW(L"GtCoreTestParent", L"", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr,
                                  ::GetModuleHandleW(nullptr), nullptr);
    HWND child = ::CreateWindowW(L"STATIC", L"", WS_CHILD, 10, 20, 50, 50, parent, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, child);
    PixelSurface surface(50, 50);
    erasedOrigin = {-1, -1};
    EXPECT_EQ(7, globals.DrawParentBackground(CWnd::FromHandle(child), &surface.Dc(), CRect(0, 0, 5, 5)));
    EXPECT_EQ(10, erasedOrigin.x);
    EXPECT_EQ(20, erasedOrigin.y);
    POINT origin;
    ::GetWindowOrgEx(surface.Dc(), &origin);
    EXPECT_EQ(0, origin.x);
    EXPECT_EQ(0, origin.y);
    ::DestroyWindow(parent);
}

namespace {
std::vector<int> cleanUpOrder;
template <int N>
void Record()
{
    cleanUpOrder.push_back(N);
}
}  // namespace

TEST(GuiToolkitLibrary, CleanUpReleasesTheRecordThenRunsTheModulesInOrder)
{
    const GTModuleHook steps[] = {GTModuleHook::MenuHashCleanUp,   GTModuleHook::ToolBarCleanUp,
                                  GTModuleHook::MenuGlyphsCleanUp, GTModuleHook::CommandManagerCleanUp,
                                  GTModuleHook::KeyboardCleanUp,   GTModuleHook::VisualManagerCleanUp};
    const GTModuleHookFunction recorders[] = {Record<1>, Record<2>, Record<3>, Record<4>, Record<5>, Record<6>};
    GTModuleHookFunction previous[6];
    for (int i = 0; i < 6; ++i)
        previous[i] = SetGuiToolkitHook(steps[i], recorders[i]);
    cleanUpOrder.clear();

    CleanUpGuiToolkit();

    EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5, 6}), cleanUpOrder);
    EXPECT_EQ(nullptr, theGuiToolkitGlobals.fontRegular.GetSafeHandle());
    EXPECT_EQ(nullptr, theGuiToolkitGlobals.pfnDrawThemeParentBackground);
    for (int i = 0; i < 6; ++i)
        SetGuiToolkitHook(steps[i], previous[i]);
    theGuiToolkitGlobals.UpdateSysColors();
    theGuiToolkitGlobals.UpdateFonts();
}

namespace {
HWND floatedFrom = nullptr;
HWND miniFrame = nullptr;

BOOL TestMiniFrames(CWnd* window, HWND* owner)
{
    if (window->GetSafeHwnd() != miniFrame)
        return FALSE;
    *owner = floatedFrom;
    return TRUE;
}
}  // namespace

TEST(GuiToolkitLibrary, OwningFrameIsTheFirstFrameAboveOrTheFrameAMiniFrameFloatedFrom)
{
    EXPECT_EQ(nullptr, GetOwningFrameWindow(nullptr));
    CFrameWnd* frame = new CFrameWnd;
    ASSERT_TRUE(frame->Create(nullptr, L"Owner"));
    CWnd child;
    ASSERT_TRUE(child.Create(L"STATIC", L"", WS_CHILD, CRect(0, 0, 10, 10), frame, 1));
    CWnd grandChild;
    ASSERT_TRUE(grandChild.Create(L"STATIC", L"", WS_CHILD, CRect(0, 0, 5, 5), &child, 2));
    EXPECT_EQ(frame, GetOwningFrameWindow(&grandChild));
    EXPECT_EQ(nullptr, GetOwningFrameWindow(frame));

    CWnd floating;
    ASSERT_TRUE(floating.CreateEx(0, L"STATIC", L"", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    CWnd bar;
    ASSERT_TRUE(bar.Create(L"STATIC", L"", WS_CHILD, CRect(0, 0, 5, 5), &floating, 3));
    miniFrame = floating.GetSafeHwnd();
    floatedFrom = frame->GetSafeHwnd();
    GTMiniFrameOwnerQuery previous = SetMiniFrameOwnerQuery(TestMiniFrames);
    EXPECT_EQ(frame, GetOwningFrameWindow(&floating));
    SetMiniFrameOwnerQuery(previous);
    EXPECT_EQ(nullptr, GetOwningFrameWindow(&floating));

    bar.DestroyWindow();
    floating.DestroyWindow();
    grandChild.DestroyWindow();
    child.DestroyWindow();
    frame->DestroyWindow();
}
