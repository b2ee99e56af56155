#include "ChartWindow.h"

#include <mutex>

#include "ChartGdi.h"
#include "ChartModule.h"
#include "ChartPainter.h"

namespace {

constexpr wchar_t kClassName[] = L"ChartControlWindow";

std::mutex g_ClassLock;
bool g_ClassRegistered = false;

bool RegisterWindowClass(WNDPROC iProcedure)
{
    std::lock_guard<std::mutex> lock(g_ClassLock);
    if (g_ClassRegistered)
        return true;
    WNDCLASSEXW windowClass{sizeof(windowClass)};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = iProcedure;
    windowClass.hInstance = ChartModule::Instance();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    g_ClassRegistered = RegisterClassExW(&windowClass) != 0;
    return g_ClassRegistered;
}

}  // namespace

// Windows of the class exist only while objects do, and the DLL unloads only without objects.
void ChartWindow::UnregisterWindowClass()
{
    std::lock_guard<std::mutex> lock(g_ClassLock);
    if (g_ClassRegistered && UnregisterClassW(kClassName, ChartModule::Instance()))
        g_ClassRegistered = false;
}

HRESULT ChartWindow::Create(HWND iParent, const RECT& iPosition)
{
    if (!RegisterWindowClass(Procedure))
        return HRESULT_FROM_WIN32(GetLastError());
    HWND window = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, iPosition.left,
                                  iPosition.top, iPosition.right - iPosition.left, iPosition.bottom - iPosition.top,
                                  iParent, nullptr, ChartModule::Instance(), this);
    if (!window) {
        const DWORD error = GetLastError();
        return error ? HRESULT_FROM_WIN32(error) : E_FAIL;
    }
    return S_OK;
}

void ChartWindow::Destroy()
{
    if (m_Handle)
        DestroyWindow(m_Handle);
}

LRESULT CALLBACK ChartWindow::Procedure(HWND iWindow, UINT iMessage, WPARAM iWParam, LPARAM iLParam)
{
    if (iMessage == WM_NCCREATE) {
        auto self = static_cast<ChartWindow*>(reinterpret_cast<CREATESTRUCTW*>(iLParam)->lpCreateParams);
        self->m_Handle = iWindow;
        SetWindowLongPtrW(iWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto self = reinterpret_cast<ChartWindow*>(GetWindowLongPtrW(iWindow, GWLP_USERDATA));
    switch (iMessage) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        if (self) {
            self->Paint();
            return 0;
        }
        break;
    case WM_NCDESTROY:
        if (self) {
            SetWindowLongPtrW(iWindow, GWLP_USERDATA, 0);
            self->m_Handle = nullptr;
        }
        break;
    }
    return DefWindowProcW(iWindow, iMessage, iWParam, iLParam);
}

// Drawn off screen first, so that the window never shows a half-drawn chart.
void ChartWindow::Paint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_Handle, &paint);
    RECT client;
    GetClientRect(m_Handle, &client);
    if (dc && client.right > 0 && client.bottom > 0) {
        HDC buffer = CreateCompatibleDC(dc);
        GdiObject bitmap(CreateCompatibleBitmap(dc, client.right, client.bottom));
        if (buffer && bitmap.Get()) {
            Selection selected(buffer, bitmap.Get());
            DrawChart(m_Model, buffer, client);
            BitBlt(dc, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
        }
        if (buffer)
            DeleteDC(buffer);
    }
    EndPaint(m_Handle, &paint);
}
