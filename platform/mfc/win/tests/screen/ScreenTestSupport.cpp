#include "ScreenTestSupport.h"
#include <atomic>
#include <cstdlib>
#include <thread>

void LetItDraw(CWinApp& app, DWORD dwMilliseconds)
{
    DWORD dwEnd = ::GetTickCount() + dwMilliseconds;
    while ((LONG)(dwEnd - ::GetTickCount()) > 0) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (app.PreTranslateMessage(&msg))
                continue;
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        app.OnIdle(0);
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
}

void SendMouse(DWORD dwFlags, POINT ptScreen)
{
    INPUT input = {INPUT_MOUSE};
    input.mi.dx = ::MulDiv(ptScreen.x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = ::MulDiv(ptScreen.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = dwFlags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &input, sizeof(input));
}

void SendClick(POINT ptScreen)
{
    for (DWORD dwFlags : {0UL, (DWORD)MOUSEEVENTF_LEFTDOWN, (DWORD)MOUSEEVENTF_LEFTUP})
        SendMouse(dwFlags, ptScreen);
}

void SendKey(WORD wVirtualKey)
{
    INPUT input = {INPUT_KEYBOARD};
    input.ki.wVk = wVirtualKey;
    ::SendInput(1, &input, sizeof(input));
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(1, &input, sizeof(input));
}

std::vector<std::function<void()>> DragSteps(POINT ptFrom, POINT ptTo)
{
    const CPoint from(ptFrom), to(ptTo);
    std::vector<std::function<void()>> steps = {[=] { SendMouse(0, from); },
                                                [=] { SendMouse(MOUSEEVENTF_LEFTDOWN, from); }};
    for (int step = 1; step <= 8; ++step)
        steps.push_back(
            [=] { SendMouse(0, CPoint(from.x + (to.x - from.x) * step / 8, from.y + (to.y - from.y) * step / 8)); });
    steps.push_back([=] { SendMouse(0, to + CPoint(1, 0)); });
    steps.push_back([=] { SendMouse(0, to); });
    steps.push_back([=] { SendMouse(MOUSEEVENTF_LEFTUP, to); });
    return steps;
}

void PlayInput(CWinApp& app, const std::vector<std::function<void()>>& steps, DWORD dwPause)
{
    std::atomic<bool> done{false};
    std::thread input([&] {
        for (const auto& step : steps) {
            step();
            ::Sleep(dwPause);
        }
        done = true;
    });
    while (!done)
        LetItDraw(app, 50);
    input.join();
    LetItDraw(app, 300);
}

Screenshot::Screenshot(const CRect& rectScreen) : rect(rectScreen), pixels((size_t)rect.Width() * rect.Height())
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), rect.Width(), -rect.Height(), 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HDC hMemDC = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hMemDC, hBitmap);
    HDC hScreenDC = ::GetDC(nullptr);
    ::BitBlt(hMemDC, 0, 0, rect.Width(), rect.Height(), hScreenDC, rect.left, rect.top, SRCCOPY);
    ::ReleaseDC(nullptr, hScreenDC);
    ::GdiFlush();
    memcpy(pixels.data(), pBits, pixels.size() * sizeof(DWORD));
    ::SelectObject(hMemDC, hOld);
    ::DeleteDC(hMemDC);
    ::DeleteObject(hBitmap);
}

int Screenshot::Count(DWORD dwColor, const CRect& rectWithin) const
{
    int nCount = 0;
    for (int y = rectWithin.top; y < rectWithin.bottom; y++)
        for (int x = rectWithin.left; x < rectWithin.right; x++)
            nCount += Pixel(x, y) == dwColor;
    return nCount;
}

BOOL SaveBitmapFile(LPCWSTR lpszPath, const BITMAPINFOHEADER& header, const void* pBits)
{
    // Rows of 32-bit pixels need no padding.
    const DWORD nBits = (DWORD)(header.biWidth * std::abs(header.biHeight) * (header.biBitCount / 8));
    BITMAPFILEHEADER bf = {0x4D42, (DWORD)(sizeof(bf) + sizeof(header) + nBits), 0, 0,
                           (DWORD)(sizeof(bf) + sizeof(header))};
    CFile file;
    if (!file.Open(lpszPath, CFile::modeCreate | CFile::modeWrite))
        return FALSE;
    file.Write(&bf, sizeof(bf));
    file.Write(&header, sizeof(header));
    file.Write(pBits, nBits);
    file.Close();
    return TRUE;
}

BOOL Screenshot::Save(LPCWSTR lpszPath) const
{
    BITMAPINFOHEADER bi = {sizeof(bi), rect.Width(), -rect.Height(), 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    return SaveBitmapFile(lpszPath, bi, pixels.data());
}
