#include "TestSupport.h"
#include <guitoolkit/core/CGTToolBarImages.h>
#include <gtest/gtest.h>
#include <vector>

namespace {
// Resources of the test program (see resources/make_bitmaps.py).
const UINT strip4 = 101;
const UINT strip24 = 102;
const UINT strip32 = 103;
const UINT extra4 = 104;
const COLORREF paper = RGB(1, 2, 3);

// Draws one image at (0, 0) of a fresh surface in one pass.
struct Drawn {
    Drawn(CGTToolBarImages& images, int index, BOOL disabled = FALSE, BOOL inactive = FALSE, BOOL shadow = FALSE,
          BOOL fade = FALSE, int width = 0, int height = 0, COLORREF fill = paper)
        : surface(40, 40, fill)
    {
        CGTImageDrawPass pass;
        ok = images.BeginDrawing(pass, width, height, fade);
        if (ok) {
            ok = images.DrawImage(&surface.Dc(), 0, 0, index, FALSE, disabled, FALSE, shadow, inactive);
            images.FinishDrawing(pass);
        }
    }
    PixelSurface surface;
    BOOL ok;
};

CString TempPath(LPCWSTR name)
{
    wchar_t folder[MAX_PATH];
    ::GetTempPathW(MAX_PATH, folder);
    return CString(folder) + name;
}

const GuiToolkitGlobals& Globals()
{
    return theGuiToolkitGlobals;
}

// An application with a main window whose message boxes are recorded, not shown.
class PromptRecordingApp : public CWinApp {
public:
    PromptRecordingApp() : CWinApp(L"Images")
    {
        m_window.CreateEx(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
        m_pMainWnd = &m_window;
    }
    ~PromptRecordingApp() override
    {
        m_pMainWnd = nullptr;
        m_window.DestroyWindow();
    }
    int DoMessageBox(LPCWSTR prompt, UINT, UINT) override
    {
        prompts.push_back(prompt);
        return IDOK;
    }
    std::vector<CString> prompts;

private:
    CWnd m_window;
};
}  // namespace

TEST(ToolBarImages, LoadsStripsOfEachDepthInTheirStandardColours)
{
    CGTToolBarImages four;
    ASSERT_TRUE(four.LoadFromResource(strip4));
    EXPECT_EQ(3, four.count);
    EXPECT_EQ(4, four.bitsPerPixel);
    Drawn plain4(four, 0);
    ASSERT_TRUE(plain4.ok);
    EXPECT_EQ(Globals().colorBtnFace, plain4.surface.At(0, 0));
    EXPECT_EQ(Globals().colorBtnText, plain4.surface.At(5, 5));
    EXPECT_EQ(Globals().colorBtnHighlight, plain4.surface.At(1, 1));
    EXPECT_EQ(Globals().colorBtnShadow, plain4.surface.At(2, 1));
    EXPECT_EQ(RGB(255, 0, 0), Drawn(four, 1).surface.At(4, 4));

    CGTToolBarImages twentyFour;
    ASSERT_TRUE(twentyFour.LoadFromResource(strip24));
    EXPECT_EQ(24, twentyFour.bitsPerPixel);
    Drawn plain24(twentyFour, 0);
    EXPECT_EQ(Globals().colorBtnFace, plain24.surface.At(0, 0));
    EXPECT_EQ(Globals().colorBtnHighlight, plain24.surface.At(1, 1));
    EXPECT_EQ(RGB(0, 0, 255), Drawn(twentyFour, 2).surface.At(11, 10));
    EXPECT_FALSE(Drawn(twentyFour, 3).ok);
    EXPECT_FALSE(Drawn(twentyFour, -1).ok);
}

TEST(ToolBarImages, ThirtyTwoBitStripsBlendWithTheirAlpha)
{
    ASSERT_NE(nullptr, CGTToolBarImages::AlphaBlendEntry());
    CGTToolBarImages images;
    ASSERT_TRUE(images.LoadFromResource(strip32));
    EXPECT_EQ(32, images.bitsPerPixel);
    Drawn normal(images, 0, FALSE, FALSE, FALSE, FALSE, 0, 0, RGB(0, 0, 0));
    EXPECT_EQ(RGB(0, 0, 0), normal.surface.At(0, 0));
    EXPECT_EQ(RGB(128, 128, 128), normal.surface.At(14, 13));
    Drawn overWhite(images, 1, FALSE, FALSE, FALSE, FALSE, 0, 0, RGB(255, 255, 255));
    EXPECT_EQ(RGB(255, 255, 255), overWhite.surface.At(0, 0));
    EXPECT_EQ(RGB(255, 0, 0), overWhite.surface.At(4, 4));

    Drawn disabled(images, 1, TRUE, FALSE, FALSE, FALSE, 0, 0, RGB(0, 0, 0));
    EXPECT_EQ(RGB(127, 0, 0), disabled.surface.At(4, 4));
    images.alwaysLight = TRUE;
    ASSERT_TRUE(images.BuildFadedImage());
    Drawn inactive(images, 1, FALSE, TRUE, FALSE, TRUE, 0, 0, RGB(0, 0, 0));
    EXPECT_EQ(RGB(150, 0, 0), inactive.surface.At(4, 4));
}

TEST(ToolBarImages, AppendingAddsEachResourceOnce)
{
    CGTToolBarImages images;
    ASSERT_TRUE(images.LoadFromResource(strip4, nullptr, TRUE));
    ASSERT_TRUE(images.LoadFromResource(extra4, nullptr, TRUE));
    EXPECT_EQ(5, images.count);
    int first = -1;
    EXPECT_TRUE(images.firstImageOfResource.Lookup(extra4, first));
    EXPECT_EQ(3, first);
    EXPECT_TRUE(images.LoadFromResource(strip4, nullptr, TRUE));
    EXPECT_EQ(5, images.count);
    EXPECT_EQ(RGB(0, 255, 0), Drawn(images, 3).surface.At(4, 4));

    images.Reload();
    EXPECT_EQ(5, images.count);
    EXPECT_EQ(RGB(0, 255, 0), Drawn(images, 3).surface.At(4, 4));
}

TEST(ToolBarImages, AFailedLoadLeavesTheStripAsItWas)
{
    CGTToolBarImages images;
    ASSERT_TRUE(images.LoadFromResource(strip24));
    const HBITMAP bitmap = images.bitmap;
    EXPECT_FALSE(images.LoadFromResource(999));
    EXPECT_FALSE(images.LoadFromFile(L"Z:\\no\\such\\strip.bmp"));
    EXPECT_EQ(bitmap, images.bitmap);
    EXPECT_EQ(3, images.count);
    EXPECT_EQ(RGB(255, 0, 0), Drawn(images, 1).surface.At(4, 4));

    images.sizeImage.cx = 0;
    images.UpdateCount();
    EXPECT_EQ(0, images.count);
}

TEST(ToolBarImages, AddedImagesTakeTheStripHeightOnceItHasOne)
{
    HDC screen = ::GetDC(nullptr);
    HBITMAP tall = ::CreateCompatibleBitmap(screen, 16, 20);
    ::ReleaseDC(nullptr, screen);
    CGTToolBarImages empty;
    EXPECT_EQ(0, empty.AddImage(tall));
    BITMAP info;
    ::GetObjectW(empty.bitmap, sizeof(info), &info);
    EXPECT_EQ(20, info.bmHeight);
    EXPECT_TRUE(empty.isModified);

    CGTToolBarImages loaded;
    ASSERT_TRUE(loaded.LoadFromResource(strip4));
    EXPECT_EQ(3, loaded.AddImage(tall));
    ::GetObjectW(loaded.bitmap, sizeof(info), &info);
    EXPECT_EQ(15, info.bmHeight);
    EXPECT_EQ(64, info.bmWidth);
    EXPECT_EQ(RGB(255, 0, 0), Drawn(loaded, 1).surface.At(4, 4));
    ::DeleteObject(tall);
}

TEST(ToolBarImages, UserStripsSaveAsBmpAndLoadBack)
{
    const CString original = TempPath(L"gt_core_user_strip.bmp");
    const CString saved = TempPath(L"gt_core_saved_strip.bmp");
    ASSERT_TRUE(::CopyFileW(CString(GT_FIXTURE_DIR L"strip24.bmp"), original, FALSE));
    CGTToolBarImages images;
    ASSERT_TRUE(images.LoadFromFile(original));
    EXPECT_TRUE(images.isUserImages);
    EXPECT_EQ(3, images.count);

    // Not modified, to its own path: nothing is written.
    ::DeleteFileW(original);
    EXPECT_TRUE(images.Save());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(original));

    CGTToolBarImages extra;
    ASSERT_TRUE(extra.LoadFromResource(extra4));
    ASSERT_EQ(4, images.AddImage(extra.bitmap));
    ASSERT_TRUE(images.Save(saved));
    EXPECT_FALSE(images.isModified);

    CGTToolBarImages reloaded;
    ASSERT_TRUE(reloaded.LoadFromFile(saved));
    EXPECT_EQ(5, reloaded.count);
    for (int index = 0; index < 5; ++index) {
        Drawn before(images, index);
        Drawn after(reloaded, index);
        for (POINT p : {POINT{0, 0}, POINT{1, 1}, POINT{5, 5}, POINT{8, 8}})
            EXPECT_EQ(before.surface.At(p.x, p.y), after.surface.At(p.x, p.y)) << index;
    }
    ::DeleteFileW(saved);

    CGTToolBarImages resourceStrip;
    ASSERT_TRUE(resourceStrip.LoadFromResource(strip24));
    EXPECT_FALSE(resourceStrip.Save(saved));
}

TEST(ToolBarImages, ABareFileNameIsTakenFromTheProgramFolder)
{
    wchar_t program[MAX_PATH];
    ::GetModuleFileNameW(nullptr, program, MAX_PATH);
    CString folder(program);
    folder = folder.Left(folder.ReverseFind(L'\\') + 1);
    ASSERT_TRUE(::CopyFileW(CString(GT_FIXTURE_DIR L"strip4.bmp"), folder + L"gt_core_beside.bmp", FALSE));
    CGTToolBarImages images;
    EXPECT_TRUE(images.LoadFromFile(L"gt_core_beside.bmp"));
    EXPECT_STREQ(folder + L"gt_core_beside.bmp", images.filePath);
    EXPECT_EQ(3, images.count);
    ::DeleteFileW(folder + L"gt_core_beside.bmp");
}

TEST(ToolBarImages, CopiesOwnTheirBitmapsAndBorrowedStripsOwnNothing)
{
    CGTToolBarImages source;
    ASSERT_TRUE(source.LoadFromResource(strip24, nullptr, TRUE));
    CGTToolBarImages copy;
    ASSERT_TRUE(source.CopyTo(copy));
    EXPECT_NE(source.bitmap, copy.bitmap);
    EXPECT_EQ(3, copy.count);
    EXPECT_EQ(1, copy.resourceIds.GetCount());
    {
        CGTToolBarImages borrowed;
        source.BorrowFrom(borrowed);
        EXPECT_TRUE(borrowed.isTemporary);
        EXPECT_TRUE(borrowed.isReadOnly);
        EXPECT_EQ(source.bitmap, borrowed.bitmap);
        EXPECT_EQ(RGB(255, 0, 0), Drawn(borrowed, 1).surface.At(4, 4));
        EXPECT_FALSE(borrowed.LoadFromResource(strip4));
        EXPECT_EQ(-1, borrowed.AddImage(source.bitmap));
        EXPECT_FALSE(borrowed.CopyTo(borrowed));
    }
    EXPECT_EQ(RGB(255, 0, 0), Drawn(source, 1).surface.At(4, 4));
    source.Clear();
    EXPECT_EQ(0, source.count);
    EXPECT_EQ(RGB(255, 0, 0), Drawn(copy, 1).surface.At(4, 4));
}

TEST(ToolBarImages, DisabledImagesAreEmbossedOrGreyed)
{
    CGTToolBarImages four;
    ASSERT_TRUE(four.LoadFromResource(strip4));
    Drawn embossed(four, 0, TRUE);
    EXPECT_EQ(paper, embossed.surface.At(0, 0));
    EXPECT_EQ(Globals().colorBtnShadow, embossed.surface.At(5, 5));
    EXPECT_EQ(Globals().colorBtnHighlight, embossed.surface.At(11, 11));

    CGTToolBarImages twentyFour;
    ASSERT_TRUE(twentyFour.LoadFromResource(strip24));
    Drawn greyed(twentyFour, 1, TRUE);
    const COLORREF grey = greyed.surface.At(4, 4);
    EXPECT_TRUE(IsGrey(grey));
    EXPECT_GT(GetRValue(grey), 127);
    EXPECT_EQ(Globals().colorBtnFace, greyed.surface.At(0, 0));
}

TEST(ToolBarImages, InactiveImagesComeFromTheFadedCopyOfLowColourStripsOnly)
{
    CGTToolBarImages four;
    ASSERT_TRUE(four.LoadFromResource(strip4));
    EXPECT_EQ(RGB(255, 77, 77), Drawn(four, 1, FALSE, TRUE, FALSE, TRUE).surface.At(4, 4));
    EXPECT_EQ(RGB(77, 77, 77), Drawn(four, 0, FALSE, TRUE, FALSE, TRUE).surface.At(5, 5));
    EXPECT_EQ(RGB(255, 0, 0), Drawn(four, 1, FALSE, FALSE, FALSE, TRUE).surface.At(4, 4));

    CGTToolBarImages twentyFour;
    ASSERT_TRUE(twentyFour.LoadFromResource(strip24));
    EXPECT_EQ(RGB(255, 0, 0), Drawn(twentyFour, 1, FALSE, TRUE, FALSE, TRUE).surface.At(4, 4));
    EXPECT_EQ(nullptr, twentyFour.fadedBitmap);
}

TEST(ToolBarImages, EightBitScreensGetNoFadedCopyAndNoShadows)
{
    FakeScreen screen(8);
    CGTToolBarImages four;
    ASSERT_TRUE(four.LoadFromResource(strip4));
    EXPECT_TRUE(four.BuildFadedImage());
    EXPECT_EQ(nullptr, four.fadedBitmap);
    Drawn shadow(four, 0, FALSE, FALSE, TRUE);
    EXPECT_TRUE(shadow.ok);
    EXPECT_EQ(paper, shadow.surface.At(5, 5));
}

TEST(ToolBarImages, ShadowsPaintTheSilhouetteOnly)
{
    CGTToolBarImages four;
    ASSERT_TRUE(four.LoadFromResource(strip4));
    Drawn shadow(four, 0, FALSE, FALSE, TRUE, FALSE, 0, 0, RGB(255, 255, 255));
    EXPECT_EQ(RGB(255, 255, 255), shadow.surface.At(0, 0));
    EXPECT_NE(RGB(255, 255, 255), shadow.surface.At(5, 5));
    EXPECT_NE(Globals().colorBtnText, shadow.surface.At(5, 5));
}

TEST(ToolBarImages, StretchedAndTransparentDrawingLeaveTheBackgroundAlone)
{
    CGTToolBarImages four;
    ASSERT_TRUE(four.LoadFromResource(strip4));
    Drawn stretched(four, 1, FALSE, FALSE, FALSE, FALSE, 32, 30);
    EXPECT_EQ(paper, stretched.surface.At(0, 0));
    EXPECT_EQ(RGB(255, 0, 0), stretched.surface.At(9, 9));
    EXPECT_EQ(RGB(255, 0, 0), stretched.surface.At(22, 20));
    EXPECT_EQ(paper, stretched.surface.At(26, 9));
    EXPECT_EQ(paper, stretched.surface.At(34, 9));

    four.colorTransparent = Globals().colorBtnFace;
    Drawn transparent(four, 1);
    EXPECT_EQ(paper, transparent.surface.At(0, 0));
    EXPECT_EQ(RGB(255, 0, 0), transparent.surface.At(4, 4));
}

TEST(ToolBarImages, CopiesOneImageOnTheButtonFaceToTheClipboard)
{
    PromptRecordingApp app;
    CGTToolBarImages images;
    ASSERT_TRUE(images.LoadFromResource(strip32));
    ASSERT_TRUE(images.CopyImageToClipboard(2));
    EXPECT_TRUE(app.prompts.empty());

    ASSERT_TRUE(::OpenClipboard(nullptr));
    HBITMAP copied = static_cast<HBITMAP>(::GetClipboardData(CF_BITMAP));
    ASSERT_NE(nullptr, copied);
    BITMAP info = {};
    ::GetObjectW(copied, sizeof(info), &info);
    EXPECT_EQ(16, info.bmWidth);
    EXPECT_EQ(15, info.bmHeight);
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ previous = ::SelectObject(dc, copied);
    EXPECT_EQ(RGB(0, 0, 255), ::GetPixel(dc, 11, 10));
    EXPECT_EQ(Globals().colorBtnFace, ::GetPixel(dc, 0, 0));
    ::SelectObject(dc, previous);
    ::DeleteDC(dc);
    ::CloseClipboard();

    EXPECT_FALSE(images.CopyImageToClipboard(3));
    ASSERT_EQ(1u, app.prompts.size());
    EXPECT_STREQ(L"Can't copy bitmap image into the clipboard!", app.prompts[0]);
    EXPECT_FALSE(CGTToolBarImages().CopyImageToClipboard(0));
    EXPECT_EQ(2u, app.prompts.size());
}
