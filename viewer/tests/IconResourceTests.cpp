#include <IconResource.h>

#include "IconFiles.h"

#include <afx.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

namespace {

const COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255);

// The width of the icon and the colour of its middle pixel.
std::pair<int, COLORREF> Look(HICON iIcon)
{
    ICONINFO info = {};
    EXPECT_TRUE(GetIconInfo(iIcon, &info));
    BITMAP bitmap = {};
    GetObject(info.hbmMask, sizeof bitmap, &bitmap);
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
    HDC dc = CreateCompatibleDC(nullptr);
    BITMAPINFO format = {{sizeof(BITMAPINFOHEADER), 64, -64, 1, 32}};
    void* bits = nullptr;
    HBITMAP target = CreateDIBSection(dc, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, target);
    DrawIconEx(dc, 0, 0, iIcon, 0, 0, 0, nullptr, DI_NORMAL);
    const COLORREF colour = GetPixel(dc, bitmap.bmWidth / 2, bitmap.bmWidth / 2);
    SelectObject(dc, old);
    DeleteObject(target);
    DeleteDC(dc);
    return {bitmap.bmWidth, colour};
}

// The buffer ends where a page that may not be read begins.
class GuardedBuffer {
public:
    explicit GuardedBuffer(const std::vector<BYTE>& iBytes)
    {
        m_Pages = static_cast<BYTE*>(VirtualAlloc(nullptr, 2 * kPage, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
        DWORD old = 0;
        VirtualProtect(m_Pages + kPage, kPage, PAGE_NOACCESS, &old);
        m_Start = m_Pages + kPage - iBytes.size();
        std::memcpy(m_Start, iBytes.data(), iBytes.size());
    }
    ~GuardedBuffer() { VirtualFree(m_Pages, 0, MEM_RELEASE); }
    const BYTE* Start() const { return m_Start; }

private:
    static const size_t kPage = 65536;
    BYTE* m_Pages;
    BYTE* m_Start;
};

bool Refused(const std::function<void()>& iCall)
{
    try {
        iCall();
    } catch (CException* e) {
        const bool invalid = e->IsKindOf(RUNTIME_CLASS(CInvalidArgException));
        e->Delete();
        return invalid;
    }
    return false;
}

TEST(IconResourceTest, PicksTheDeepestImageOfTheSizeElseTheFirst)
{
    const std::vector<BYTE> file = IconFile({Image(16, 4, kGreen), Image(16, 8, kRed), Image(32, 8, kBlue)});
    IconResource* resource = ReadIconResource(file.data(), static_cast<DWORD>(file.size()));
    ASSERT_EQ(3u, resource->Images.size());
    EXPECT_EQ(16, resource->Images[1].Width);
    EXPECT_EQ(8, resource->Images[1].Depth);
    const struct {
        int Size;
        int Width;
        COLORREF Colour;
    } cases[] = {{16, 16, kRed}, {32, 32, kBlue}, {48, 16, kGreen}};
    for (const auto& c : cases) {
        HICON icon = CreateIconOfSize(resource, c.Size);
        ASSERT_NE(nullptr, icon) << c.Size;
        EXPECT_EQ(std::make_pair(c.Width, c.Colour), Look(icon)) << c.Size;
        DestroyIcon(icon);
    }
    FreeIconResource(resource);
}

TEST(IconResourceTest, RefusesWhatIsNoIconFile)
{
    std::vector<BYTE> cursor = IconFile({Image(16, 4, kRed)}, 2);
    std::vector<BYTE> reserved = IconFile({Image(16, 4, kRed)});
    reserved[0] = 1;
    EXPECT_TRUE(Refused([&] { ReadIconResource(cursor.data(), static_cast<DWORD>(cursor.size())); }));
    EXPECT_TRUE(Refused([&] { ReadIconResource(reserved.data(), static_cast<DWORD>(reserved.size())); }));
    EXPECT_TRUE(Refused([] { ReadIconResource(nullptr, 100); }));
}

TEST(IconResourceTest, MalformedFilesAreReadWithinTheirBytes)
{
    const std::vector<BYTE> good = IconFile({Image(16, 4, kRed)});
    auto with = [&](size_t iAt, DWORD iValue) {
        std::vector<BYTE> bytes = good;
        Put(bytes, iAt, iValue, 4);
        return bytes;
    };
    std::vector<BYTE> bigHeader = Image(32, 8, kRed);
    bigHeader.resize(Image(16, 8, kRed).size());
    const struct {
        const char* Name;
        std::vector<BYTE> Bytes;
        int Images;  // -1: refused
    } cases[] = {
        {"shorter than the header", {0, 0, 1, 0}, -1},
        {"directory longer than the file", std::vector<BYTE>(good.begin(), good.begin() + 20), -1},
        {"no entries", IconFile({}), 0},
        {"offset past the end", with(6 + 12, static_cast<DWORD>(good.size())), 0},
        {"size past the end", with(6 + 8, static_cast<DWORD>(good.size())), 0},
        {"offset and size overflow", with(6 + 12, 0xFFFFFFF0), 0},
        {"image smaller than its header", with(6 + 8, 8), 0},
        {"header wants more than the image", IconFile({bigHeader}), 0},
        {"a good and a bad image", IconFile({Image(16, 4, kRed), std::vector<BYTE>(40)}), 1},
    };
    for (const auto& c : cases) {
        const GuardedBuffer buffer(c.Bytes);
        const DWORD size = static_cast<DWORD>(c.Bytes.size());
        if (c.Images < 0) {
            EXPECT_TRUE(Refused([&] { ReadIconResource(buffer.Start(), size); })) << c.Name;
            continue;
        }
        IconResource* resource = ReadIconResource(buffer.Start(), size);
        EXPECT_EQ(static_cast<size_t>(c.Images), resource->Images.size()) << c.Name;
        HICON icon = CreateIconOfSize(resource, 16);
        EXPECT_EQ(c.Images > 0, icon != nullptr) << c.Name;
        if (icon)
            DestroyIcon(icon);
        FreeIconResource(resource);
    }
}

}  // namespace
