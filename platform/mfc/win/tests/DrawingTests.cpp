// Drawing through the device-context and GDI wrappers into a 32-bit DIB section.
#include <afxwin.h>
#include <afxcmn.h>
#include <gtest/gtest.h>

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

TEST(Drawing, AnObjectGivenANewHandleNoLongerAnswersForItsOldOne)
{
    HBRUSH hFirst = ::CreateSolidBrush(RGB(1, 2, 3));
    {
        CBrush brush;
        ASSERT_TRUE(brush.Attach(hFirst));
        ASSERT_TRUE(brush.CreateSolidBrush(RGB(4, 5, 6)));
        EXPECT_EQ(CGdiObject::FromHandle(brush.m_hObject), &brush);
        CGdiObject* pOld = CGdiObject::FromHandle(hFirst);
        EXPECT_NE(pOld, &brush);
        EXPECT_EQ(pOld->m_hObject, hFirst);
    }
    // The brush is gone; its first handle must not lead to it.
    EXPECT_EQ(CGdiObject::FromHandle(hFirst)->m_hObject, hFirst);
    CGdiObject::DeleteTempMap();
    ::DeleteObject(hFirst);
}
