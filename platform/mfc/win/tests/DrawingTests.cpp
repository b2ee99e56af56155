// Drawing through the device-context and GDI wrappers into a 32-bit DIB section.
#include <afxwin.h>
#include <afxcmn.h>
#include <afxext.h>
#include <gtest/gtest.h>
#include <functional>
#include <type_traits>
#include <vector>

namespace {
// A top-down 32-bit DIB selected into a memory DC; Pixel answers 0x00RRGGBB.
struct MemoryCanvas {
    static const int kSize = 16;
    CDC dc;
    CBitmap bitmap;
    DWORD* pBits = nullptr;
    CBitmap* pOld = nullptr;

    MemoryCanvas()
    {
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bmi.bmiHeader.biWidth = kSize;
        bmi.bmiHeader.biHeight = -kSize;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        bmi.bmiHeader.biCompression = BI_RGB;
        bitmap.Attach(::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, (void**)&pBits, nullptr, 0));
        dc.CreateCompatibleDC(nullptr);
        pOld = dc.SelectObject(&bitmap);
    }
    ~MemoryCanvas() { dc.SelectObject(pOld); }
    DWORD Pixel(int x, int y)
    {
        ::GdiFlush();
        return pBits[y * kSize + x] & 0x00FFFFFF;
    }
};
}  // namespace

TEST(Drawing, RectanglesLinesAndFramesGiveTheExpectedPixels)
{
    MemoryCanvas canvas;
    CDC& dc = canvas.dc;
    ASSERT_NE(canvas.pBits, nullptr);
    ASSERT_NE(canvas.pOld, nullptr);
    EXPECT_TRUE(canvas.pOld->IsKindOf(RUNTIME_CLASS(CBitmap)));  // the temporary object has the handle's class
    EXPECT_EQ(CDC::FromHandle(dc.m_hDC), &dc);

    dc.FillSolidRect(0, 0, 16, 16, RGB(255, 0, 0));
    EXPECT_EQ(canvas.Pixel(0, 0), 0xFF0000u);
    EXPECT_EQ(canvas.Pixel(15, 15), 0xFF0000u);

    dc.Draw3dRect(CRect(2, 2, 10, 10), RGB(0, 255, 0), RGB(0, 0, 255));
    EXPECT_EQ(canvas.Pixel(2, 5), 0x00FF00u);  // left edge
    EXPECT_EQ(canvas.Pixel(5, 2), 0x00FF00u);  // top edge
    EXPECT_EQ(canvas.Pixel(9, 5), 0x0000FFu);  // right edge
    EXPECT_EQ(canvas.Pixel(5, 9), 0x0000FFu);  // bottom edge
    EXPECT_EQ(canvas.Pixel(5, 5), 0xFF0000u);  // inside untouched

    CPen pen(PS_SOLID, 1, RGB(255, 255, 255));
    CPen* pOldPen = dc.SelectObject(&pen);
    dc.MoveTo(0, 12);
    dc.LineTo(16, 12);
    dc.SelectObject(pOldPen);
    EXPECT_EQ(canvas.Pixel(7, 12), 0xFFFFFFu);

    CBrush brush(RGB(0, 0, 0));
    dc.FillRect(CRect(12, 0, 16, 4), &brush);
    EXPECT_EQ(canvas.Pixel(13, 1), 0x000000u);
    EXPECT_EQ(dc.GetPixel(13, 1), RGB(0, 0, 0));
    dc.SetPixel(0, 15, RGB(1, 2, 3));
    EXPECT_EQ(canvas.Pixel(0, 15), 0x010203u);
}

TEST(Drawing, ImageListDrawsItsImages)
{
    MemoryCanvas image;
    image.dc.FillSolidRect(0, 0, 16, 16, RGB(0, 128, 255));
    image.dc.SelectObject(image.pOld);  // an image list takes bitmaps not selected anywhere
    image.pOld = image.dc.SelectObject(&image.bitmap);
    CBitmap copy;
    copy.Attach(::CopyImage(image.bitmap.m_hObject, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));

    CImageList list;
    ASSERT_TRUE(list.Create(16, 16, ILC_COLOR32, 0, 1));
    EXPECT_EQ(list.Add(&copy, (CBitmap*)nullptr), 0);
    EXPECT_EQ(list.GetImageCount(), 1);

    MemoryCanvas canvas;
    canvas.dc.FillSolidRect(0, 0, 16, 16, RGB(0, 0, 0));
    EXPECT_TRUE(list.Draw(&canvas.dc, 0, CPoint(0, 0), ILD_NORMAL));
    EXPECT_EQ(canvas.Pixel(8, 8), 0x0080FFu);
}

namespace {
// One kind of handle-holding object: how to give it a fresh handle, what it holds, whether a
// handle is still alive, and how to hand it a handle from elsewhere. A borrowable kind takes
// another object's handle for a while; the others refuse it.
struct HolderKind {
    const char* name;
    bool borrowable;
    std::function<bool(void* pObject)> create;
    std::function<HANDLE(void* pObject)> held;
    std::function<bool(HANDLE h)> alive;
    std::function<bool(void* pObject, HANDLE h)> attach;
    std::function<void*()> make;
    std::function<void(void* pObject)> destroy;
};

template <class T>
HolderKind Kind(const char* name, std::function<bool(T&)> create, std::function<bool(HANDLE)> alive,
                std::function<HANDLE(T&)> held, std::function<bool(T&, HANDLE)> attach)
{
    return {name,
            std::is_same<T, CDC>::value,
            [create](void* p) { return create(*static_cast<T*>(p)); },
            [held](void* p) { return held(*static_cast<T*>(p)); },
            alive,
            [attach](void* p, HANDLE h) { return attach(*static_cast<T*>(p), h); },
            [] { return (void*)new T; },
            [](void* p) { delete static_cast<T*>(p); }};
}

bool GdiAlive(HANDLE h)
{
    return ::GetObjectType(h) != 0;
}

template <class T>
HolderKind GdiKind(const char* name, std::function<bool(T&)> create)
{
    return Kind<T>(
        name, create, GdiAlive, [](T& o) { return (HANDLE)o.m_hObject; },
        [](T& o, HANDLE h) { return o.Attach((HGDIOBJ)h) != FALSE; });
}

std::vector<HolderKind> HolderKinds()
{
    return {
        GdiKind<CBrush>("brush", [](CBrush& o) { return o.CreateSolidBrush(RGB(1, 2, 3)) != FALSE; }),
        GdiKind<CFont>("font", [](CFont& o) { return o.CreatePointFont(90, L"Tahoma") != FALSE; }),
        GdiKind<CBitmap>("bitmap", [](CBitmap& o) { return o.CreateBitmap(4, 4, 1, 32, nullptr) != FALSE; }),
        GdiKind<CRgn>("region", [](CRgn& o) { return o.CreateRectRgn(0, 0, 4, 4) != FALSE; }),
        Kind<CMenu>(
            "menu", [](CMenu& o) { return o.CreatePopupMenu() != FALSE; },
            [](HANDLE h) { return ::IsMenu((HMENU)h) != FALSE; }, [](CMenu& o) { return (HANDLE)o.m_hMenu; },
            [](CMenu& o, HANDLE h) { return o.Attach((HMENU)h) != FALSE; }),
        Kind<CDC>(
            "memory DC", [](CDC& o) { return o.CreateCompatibleDC(nullptr) != FALSE; }, GdiAlive,
            [](CDC& o) { return (HANDLE)o.m_hDC; }, [](CDC& o, HANDLE h) { return o.Attach((HDC)h) != FALSE; }),
        Kind<CImageList>(
            "image list", [](CImageList& o) { return o.Create(8, 8, ILC_COLOR32, 0, 1) != FALSE; },
            [](HANDLE h) {
                int cx, cy;
                return ImageList_GetIconSize((HIMAGELIST)h, &cx, &cy) != FALSE;
            },
            [](CImageList& o) { return (HANDLE)o.m_hImageList; },
            [](CImageList& o, HANDLE h) { return o.Attach((HIMAGELIST)h) != FALSE; }),
    };
}
}  // namespace

TEST(Drawing, AHandleHasOneOwnerThatFreesItsOldHandleOnANewOne)
{
    for (const HolderKind& kind : HolderKinds()) {
        SCOPED_TRACE(kind.name);
        void* pFirst = kind.make();
        void* pSecond = kind.make();
        ASSERT_TRUE(kind.create(pFirst));
        HANDLE hOld = kind.held(pFirst);
        ASSERT_TRUE(kind.create(pFirst));  // a second creation frees the first handle
        EXPECT_FALSE(kind.alive(hOld));
        HANDLE hHeld = kind.held(pFirst);
        EXPECT_TRUE(kind.alive(hHeld));

        // Another object's handle is refused, or borrowed while its owner keeps answering for it.
        ASSERT_TRUE(kind.create(pSecond));
        HANDLE hSecond = kind.held(pSecond);
        if (kind.borrowable) {
            EXPECT_TRUE(kind.attach(pSecond, hHeld));
            EXPECT_FALSE(kind.alive(hSecond));
            EXPECT_EQ(CDC::FromHandle((HDC)hHeld), pFirst);
            static_cast<CDC*>(pSecond)->Detach();
            EXPECT_EQ(CDC::FromHandle((HDC)hHeld), pFirst);
        } else {
            EXPECT_FALSE(kind.attach(pSecond, hHeld));
            EXPECT_EQ(kind.held(pSecond), hSecond);
            EXPECT_TRUE(kind.alive(hSecond));
            kind.destroy(pSecond);
            EXPECT_FALSE(kind.alive(hSecond));
        }
        EXPECT_TRUE(kind.alive(hHeld));
        if (kind.borrowable)
            kind.destroy(pSecond);
        kind.destroy(pFirst);
        EXPECT_FALSE(kind.alive(hHeld));
    }
}

TEST(Drawing, StockObjectsAndSystemBrushesBelongToNobody)
{
    CBrush first, second, sysFirst, sysSecond;
    EXPECT_TRUE(first.CreateStockObject(WHITE_BRUSH));
    EXPECT_TRUE(second.CreateStockObject(WHITE_BRUSH));
    EXPECT_TRUE(sysFirst.CreateSysColorBrush(COLOR_BTNFACE));
    EXPECT_TRUE(sysSecond.CreateSysColorBrush(COLOR_BTNFACE));
    first.DeleteObject();
    sysFirst.DeleteObject();
    EXPECT_TRUE(GdiAlive(second.m_hObject));
    EXPECT_TRUE(GdiAlive(sysSecond.m_hObject));
}

namespace {
// Two memory DCs as one CDC: drawing goes to the first, measuring to the second.
struct SplitDC {
    CDC output, attribute;
    CDC dc;
    SplitDC()
    {
        output.CreateCompatibleDC(nullptr);
        attribute.CreateCompatibleDC(nullptr);
        dc.m_hDC = output.m_hDC;
        dc.m_hAttribDC = attribute.m_hDC;
    }
    ~SplitDC() { dc.m_hDC = dc.m_hAttribDC = nullptr; }
};

struct StateCase {
    const char* name;
    std::function<void(CDC&)> set;
    std::function<long long(HDC)> read;  // the state on one handle
    std::function<long long(CDC&)> get;  // the wrapper's getter
};

long long Pack(POINT pt)
{
    return ((long long)pt.x << 32) | (unsigned)pt.y;
}
}  // namespace

TEST(Drawing, ADCWithTwoHandlesSetsStateOnBothAndReadsTheAttributeDC)
{
    CRgn clip;
    clip.CreateRectRgn(1, 1, 3, 3);
    CPen pen(PS_SOLID, 1, RGB(9, 9, 9));
    const std::vector<StateCase> cases = {
        {"map mode", [](CDC& dc) { dc.SetMapMode(MM_ANISOTROPIC); }, [](HDC h) { return (long long)::GetMapMode(h); },
         [](CDC& dc) { return (long long)dc.GetMapMode(); }},
        {"viewport origin", [](CDC& dc) { dc.SetViewportOrg(3, 4); },
         [](HDC h) {
             POINT pt;
             ::GetViewportOrgEx(h, &pt);
             return Pack(pt);
         },
         [](CDC& dc) { return Pack(dc.GetViewportOrg()); }},
        {"window origin", [](CDC& dc) { dc.SetWindowOrg(5, 6); },
         [](HDC h) {
             POINT pt;
             ::GetWindowOrgEx(h, &pt);
             return Pack(pt);
         },
         [](CDC& dc) { return Pack(dc.GetWindowOrg()); }},
        {"extents",
         [](CDC& dc) {
             dc.SetMapMode(MM_ANISOTROPIC);
             dc.SetWindowExt(10, 10);
             dc.SetViewportExt(5, 7);
         },
         [](HDC h) {
             SIZE size;
             ::GetViewportExtEx(h, &size);
             return Pack(CPoint(size.cx, size.cy));
         },
         [](CDC& dc) {
             CSize size = dc.GetViewportExt();
             return Pack(CPoint(size.cx, size.cy));
         }},
        {"text colour", [](CDC& dc) { dc.SetTextColor(RGB(1, 2, 3)); },
         [](HDC h) { return (long long)::GetTextColor(h); }, [](CDC& dc) { return (long long)dc.GetTextColor(); }},
        {"background colour", [](CDC& dc) { dc.SetBkColor(RGB(4, 5, 6)); },
         [](HDC h) { return (long long)::GetBkColor(h); }, [](CDC& dc) { return (long long)dc.GetBkColor(); }},
        {"background mode", [](CDC& dc) { dc.SetBkMode(TRANSPARENT); }, [](HDC h) { return (long long)::GetBkMode(h); },
         [](CDC& dc) { return (long long)dc.GetBkMode(); }},
        {"raster operation", [](CDC& dc) { dc.SetROP2(R2_XORPEN); }, [](HDC h) { return (long long)::GetROP2(h); },
         [](CDC& dc) { return (long long)dc.GetROP2(); }},
        {"fill mode", [](CDC& dc) { dc.SetPolyFillMode(WINDING); },
         [](HDC h) { return (long long)::GetPolyFillMode(h); },
         [](CDC& dc) { return (long long)dc.GetPolyFillMode(); }},
        {"stretch mode", [](CDC& dc) { dc.SetStretchBltMode(HALFTONE); },
         [](HDC h) { return (long long)::GetStretchBltMode(h); },
         [](CDC& dc) { return (long long)dc.GetStretchBltMode(); }},
        {"text alignment", [](CDC& dc) { dc.SetTextAlign(TA_RIGHT | TA_BOTTOM); },
         [](HDC h) { return (long long)::GetTextAlign(h); }, [](CDC& dc) { return (long long)dc.GetTextAlign(); }},
        {"pen", [&](CDC& dc) { dc.SelectObject(&pen); },
         [](HDC h) { return (long long)(INT_PTR)::GetCurrentObject(h, OBJ_PEN); },
         [](CDC& dc) { return (long long)(INT_PTR)dc.GetCurrentPen()->m_hObject; }},
        {"clipping", [&](CDC& dc) { dc.SelectClipRgn(&clip); },
         [](HDC h) {
             CRgn rgn;
             rgn.CreateRectRgn(0, 0, 0, 0);
             return (long long)::GetClipRgn(h, rgn);
         },
         [](CDC& dc) {
             CRgn rgn;
             rgn.CreateRectRgn(0, 0, 0, 0);
             return (long long)dc.GetClipRgn(&rgn);
         }},
        {"position", [](CDC& dc) { dc.MoveTo(2, 3); },
         [](HDC h) {
             POINT pt;
             ::GetCurrentPositionEx(h, &pt);
             return Pack(pt);
         },
         [](CDC& dc) { return Pack(dc.GetCurrentPosition()); }},
        {"line end", [](CDC& dc) { dc.LineTo(7, 1); },
         [](HDC h) {
             POINT pt;
             ::GetCurrentPositionEx(h, &pt);
             return Pack(pt);
         },
         [](CDC& dc) { return Pack(dc.GetCurrentPosition()); }},
    };
    for (const StateCase& c : cases) {
        SCOPED_TRACE(c.name);
        SplitDC split;
        long long before = c.read(split.attribute.m_hDC);
        c.set(split.dc);
        long long after = c.read(split.attribute.m_hDC);
        EXPECT_NE(before, after);
        EXPECT_EQ(c.read(split.output.m_hDC), after);
        EXPECT_EQ(c.get(split.dc), after);
        split.dc.SelectStockObject(BLACK_PEN);
    }

    // Saved and restored together.
    SplitDC split;
    int nSaved = split.dc.SaveDC();
    split.dc.SetMapMode(MM_LOMETRIC);
    EXPECT_TRUE(split.dc.RestoreDC(nSaved));
    EXPECT_EQ(::GetMapMode(split.output.m_hDC), MM_TEXT);
    EXPECT_EQ(::GetMapMode(split.attribute.m_hDC), MM_TEXT);

    // Getters read the attribute DC alone.
    ::SetTextColor(split.attribute.m_hDC, RGB(7, 8, 9));
    EXPECT_EQ(split.dc.GetTextColor(), RGB(7, 8, 9));
}

namespace {
// What a view's drawing code does: it sets its own mapping through the base class.
void DrawSquare(CDC* pDC)
{
    pDC->SetMapMode(MM_ANISOTROPIC);
    pDC->SetWindowExt(1, 1);
    pDC->SetViewportExt(1, 1);
    pDC->FillSolidRect(0, 0, 8, 8, RGB(0, 0, 255));
}
}  // namespace

TEST(Drawing, APreviewDCAtOneToTwoDrawsAtHalfSize)
{
    MemoryCanvas canvas;
    canvas.dc.FillSolidRect(0, 0, 16, 16, RGB(255, 255, 255));
    CDC printer;
    ASSERT_TRUE(printer.CreateCompatibleDC(nullptr));
    CPreviewDC preview;
    preview.SetAttribDC(printer.m_hDC);
    preview.SetOutputDC(canvas.dc.m_hDC);
    preview.SetScaleRatio(1, 2);
    DrawSquare(&preview);
    preview.ReleaseOutputDC();
    EXPECT_EQ(canvas.Pixel(3, 3), 0x0000FFu);
    EXPECT_EQ(canvas.Pixel(5, 5), 0xFFFFFFu);
    EXPECT_EQ(canvas.Pixel(7, 0), 0xFFFFFFu);
    // The printer keeps its own mapping.
    EXPECT_EQ(printer.GetViewportExt(), CSize(1, 1));
}

TEST(Drawing, APreviewDCKeepsThePageAcrossTheViewsSaveAndRestore)
{
    for (BOOL bRelative : {FALSE, TRUE}) {
        MemoryCanvas canvas;
        canvas.dc.FillSolidRect(0, 0, 16, 16, RGB(255, 255, 255));
        CDC printer;
        ASSERT_TRUE(printer.CreateCompatibleDC(nullptr));
        // The preview view saves its DC once before it hands it to the preview.
        int nOutside = canvas.dc.SaveDC();
        CPreviewDC preview;
        preview.SetAttribDC(printer.m_hDC);
        preview.SetOutputDC(canvas.dc.m_hDC);
        preview.SetScaleRatio(1, 2);
        preview.SetTopLeftOffset(CSize(4, 4));
        CRect page(4, 4, 12, 12);
        preview.ClipToPage(&page);

        int nSaved = preview.SaveDC();
        preview.SetMapMode(MM_LOMETRIC);
        EXPECT_TRUE(preview.RestoreDC(bRelative ? -1 : nSaved));
        preview.FillSolidRect(0, 0, 100, 100, RGB(0, 0, 255));
        preview.ReleaseOutputDC();
        canvas.dc.RestoreDC(nOutside);
        EXPECT_EQ(canvas.Pixel(3, 3), 0xFFFFFFu) << bRelative;
        EXPECT_EQ(canvas.Pixel(4, 4), 0x0000FFu) << bRelative;
        EXPECT_EQ(canvas.Pixel(11, 11), 0x0000FFu) << bRelative;
        EXPECT_EQ(canvas.Pixel(12, 12), 0xFFFFFFu) << bRelative;
        EXPECT_EQ(printer.GetMapMode(), MM_TEXT) << bRelative;
    }
}

TEST(Drawing, APreviewDCPlacesThePageAndClipsToItAndToScaledRegions)
{
    MemoryCanvas canvas;
    canvas.dc.FillSolidRect(0, 0, 16, 16, RGB(255, 255, 255));
    CDC printer;
    ASSERT_TRUE(printer.CreateCompatibleDC(nullptr));
    CPreviewDC preview;
    preview.SetAttribDC(printer.m_hDC);
    preview.SetOutputDC(canvas.dc.m_hDC);
    preview.SetScaleRatio(1, 2);
    preview.SetTopLeftOffset(CSize(4, 4));
    CRect page(4, 4, 12, 12);
    preview.ClipToPage(&page);

    // Drawing past the page's edge stops there.
    preview.FillSolidRect(0, 0, 100, 100, RGB(0, 0, 255));
    EXPECT_EQ(canvas.Pixel(3, 3), 0xFFFFFFu);
    EXPECT_EQ(canvas.Pixel(4, 4), 0x0000FFu);
    EXPECT_EQ(canvas.Pixel(11, 11), 0x0000FFu);
    EXPECT_EQ(canvas.Pixel(12, 12), 0xFFFFFFu);

    // A clip region in printer pixels clips the output at the scale, on the page.
    CRgn region;
    region.CreateRectRgn(0, 0, 4, 4);
    preview.SelectClipRgn(&region);
    preview.FillSolidRect(0, 0, 100, 100, RGB(255, 0, 0));
    preview.ReleaseOutputDC();
    EXPECT_EQ(canvas.Pixel(5, 5), 0xFF0000u);
    EXPECT_EQ(canvas.Pixel(7, 7), 0x0000FFu);
}
