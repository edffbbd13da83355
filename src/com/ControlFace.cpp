#include "com/ControlFace.hpp"

#include "com/Module.hpp"

namespace orvantis::com {
namespace {

constexpr wchar_t kLabel[] = L"Orvantis";
constexpr wchar_t kClassName[] = L"Orvantis.Label1";

LRESULT CALLBACK FaceProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    RECT client{};
    GetClientRect(window, &client);
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // the face fills its background itself, without flicker
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        DrawFace(BeginPaint(window, &paint), client);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_PRINTCLIENT:  // PrintWindow, and containers that capture their children
        DrawFace(reinterpret_cast<HDC>(wParam), client);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

// A class registered by a library outlives the library unless it is taken back, and would
// then point into unloaded code; it goes when the library does.
class FaceClass {
public:
    FaceClass() {
        WNDCLASSEXW description{};
        description.cbSize = sizeof description;
        description.lpfnWndProc = FaceProcedure;
        description.hInstance = ModuleHandle();
        description.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        description.lpszClassName = kClassName;
        registered_ = RegisterClassExW(&description) != 0;
    }
    ~FaceClass() {
        if (registered_) UnregisterClassW(kClassName, ModuleHandle());
    }
    FaceClass(const FaceClass&) = delete;
    FaceClass& operator=(const FaceClass&) = delete;

private:
    bool registered_;
};

}  // namespace

void DrawFace(HDC dc, const RECT& bounds) {
    const windows::SavedDeviceContext saved(dc);
    FillRect(dc, &bounds, GetSysColorBrush(COLOR_BTNFACE));
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    RECT text = bounds;
    DrawTextW(dc, kLabel, -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
}

windows::OwnedWindow CreateFaceWindow(HWND parent, const RECT& position) {
    static const FaceClass faceClass;
    return windows::OwnedWindow(CreateWindowExW(
        0, kClassName, kLabel, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, position.left, position.top,
        position.right - position.left, position.bottom - position.top, parent, nullptr,
        ModuleHandle(), nullptr));
}

}  // namespace orvantis::com
