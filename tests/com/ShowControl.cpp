// Shows the registered control on a window of its own, hosted by the ATL host window
// (atl.dll's AtlAxWin) as a form hosts it, for the given number of seconds (default 10) or
// until the window is closed. scripts/control-screenshot photographs it.

#include <cstdlib>

#include "com/Library.hpp"
#include "platform/windows/ComHandles.hpp"
#include "platform/windows/WindowHandles.hpp"

using namespace orvantis;

namespace {

LRESULT CALLBACK PageProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const windows::ComApartment apartment;
    test::Library atl(L"atl.dll");
    if (!atl.Call<BOOL>("AtlAxWinInit")) return 2;
    WNDCLASSW page{};
    page.lpfnWndProc = PageProcedure;
    page.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    page.lpszClassName = L"Orvantis.Page";
    RegisterClassW(&page);
    // The control at its own default size, 96 x 24 pixels at 96 dpi.
    const windows::OwnedWindow frame(CreateWindowExW(0, page.lpszClassName, L"Orvantis hosted by AtlAxWin",
                                                     WS_CAPTION | WS_CLIPCHILDREN | WS_VISIBLE, 20, 20,
                                                     280, 110, nullptr, nullptr, nullptr, nullptr));
    const windows::OwnedWindow host(CreateWindowExW(0, L"AtlAxWin", L"Orvantis.OrvantisAgent",
                                                    WS_CHILD | WS_VISIBLE, 16, 16, 96, 24, *frame, nullptr,
                                                    nullptr, nullptr));
    if (!*host) return 3;
    const int seconds = argc > 1 ? std::wcstol(argv[1], nullptr, 10) : 10;
    SetTimer(nullptr, 0, static_cast<UINT>(seconds) * 1000, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0 && message.message != WM_TIMER) {
        DispatchMessageW(&message);
    }
    return 0;
}
