// The control embedded by a real container: Wine's ATL host window (atl.dll's AtlAxWin),
// which creates it by ProgID, sites it and activates it in place, as a form or a page does.
// The control keeps no state: it saves nothing and loads anything.

#include <gtest/gtest.h>

#include <ocidl.h>
#include <ole2.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

#include "com/Library.hpp"
#include "platform/windows/ComHandles.hpp"
#include "platform/windows/WindowHandles.hpp"

namespace orvantis::test {
namespace {

using windows::ComPtr;
using windows::OwnedWindow;

constexpr int kWidth = 120;
constexpr int kHeight = 30;
constexpr std::uint32_t kUntouched = 0x00FF00FF;  // a colour no face uses

// The pixels (0x00RRGGBB) of a kWidth x kHeight picture, first filled with kUntouched, after
// paint has drawn with its bounds, two pixels in, as the clipping region.
std::vector<std::uint32_t> Picture(const std::function<void(HDC, const RECT&)>& paint) {
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const windows::OwnedGdiObject bitmap(CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    const windows::OwnedDeviceContext dc(CreateCompatibleDC(nullptr));
    const HGDIOBJ previous = SelectObject(*dc, *bitmap);
    auto* pixels = static_cast<std::uint32_t*>(bits);
    std::fill(pixels, pixels + kWidth * kHeight, kUntouched);
    const RECT bounds{2, 2, kWidth - 2, kHeight - 2};
    const windows::OwnedGdiObject clip(CreateRectRgnIndirect(&bounds));
    SelectClipRgn(*dc, static_cast<HRGN>(*clip));
    paint(*dc, bounds);
    GdiFlush();
    std::vector<std::uint32_t> picture(pixels, pixels + kWidth * kHeight);
    SelectObject(*dc, previous);
    return picture;
}

std::uint32_t Rgb(COLORREF color) {
    return (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
}

// The face fills its bounds with the button face colour and nothing outside them, and writes
// its label in the left part, vertically centred: the columns of the label's ink lie in the
// left half and its rows around the middle.
void ExpectFace(const std::vector<std::uint32_t>& picture) {
    const std::uint32_t background = Rgb(GetSysColor(COLOR_BTNFACE));
    int ink = 0;
    int lastInkColumn = 0;
    int firstInkRow = kHeight;
    int lastInkRow = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const std::uint32_t pixel = picture[y * kWidth + x];
            const bool inside = x >= 2 && x < kWidth - 2 && y >= 2 && y < kHeight - 2;
            if (!inside) {
                ASSERT_EQ(pixel, kUntouched) << x << "," << y;
            } else if (pixel != background) {
                ASSERT_NE(pixel, kUntouched) << x << "," << y;
                ++ink;
                lastInkColumn = std::max(lastInkColumn, x);
                firstInkRow = std::min(firstInkRow, y);
                lastInkRow = std::max(lastInkRow, y);
            }
        }
    }
    EXPECT_GT(ink, 40);  // eight letters
    EXPECT_LT(lastInkColumn, kWidth / 2);
    EXPECT_GT(firstInkRow, 4);
    EXPECT_LT(lastInkRow, kHeight - 5);
}

class EmbeddingTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        ASSERT_EQ(Library(ORVANTIS_OCX).Call("DllRegisterServer"), S_OK);
    }
};

TEST_F(EmbeddingTest, TheAtlHostSitesActivatesDrawsAndReleasesIt) {
    // Loaded for the process: the host's window class, once registered, points into it.
    static Library atl(L"atl.dll");
    static const BOOL hostReady = atl.Call<BOOL>("AtlAxWinInit");
    ASSERT_TRUE(hostReady);
    {
        // Before any container: the default extent, and an empty state that loads back.
        CLSID classId{};
        ComPtr<IViewObject2> control;
        CLSIDFromProgID(L"Orvantis.OrvantisAgent", &classId);
        ASSERT_EQ(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&control)), S_OK);
        SIZEL extent{};
        ASSERT_EQ(control->GetExtent(DVASPECT_CONTENT, -1, nullptr, &extent), S_OK);
        EXPECT_EQ(extent.cx, 2540);  // one inch by a quarter, in HIMETRIC
        EXPECT_EQ(extent.cy, 635);
        ComPtr<IPersistStreamInit> persist;
        ASSERT_EQ(control.As(&persist), S_OK);
        ASSERT_EQ(persist->InitNew(), S_OK);  // Wine's ATL host goes on when it fails
        ComPtr<IStream> stream;
        ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
        EXPECT_EQ(persist->Save(stream.Get(), TRUE), S_OK);  // what it writes, it reads back
        EXPECT_EQ(persist->Load(stream.Get()), S_OK);
        EXPECT_EQ(persist->IsDirty(), S_FALSE);
        ComPtr<IPersistPropertyBag> bag;
        EXPECT_EQ(control.As(&bag), S_OK);
    }
    const OwnedWindow frame(CreateWindowExW(0, L"STATIC", L"page", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                            300, 200, nullptr, nullptr, nullptr, nullptr));
    OwnedWindow host(CreateWindowExW(0, L"AtlAxWin", L"Orvantis.OrvantisAgent", WS_CHILD | WS_VISIBLE,
                                     10, 10, kWidth, kHeight, *frame, nullptr, nullptr, nullptr));
    ASSERT_TRUE(*host);
    HWND face = nullptr;
    {
        ComPtr<IUnknown> control;
        ASSERT_EQ(atl.Call("AtlAxGetControl", *host, control.GetAddressOf()), S_OK);
        ComPtr<IOleObject> object;
        ASSERT_EQ(control.As(&object), S_OK);
        ComPtr<IOleClientSite> site;
        EXPECT_EQ(object->GetClientSite(&site), S_OK);
        EXPECT_TRUE(site);

        ComPtr<IOleInPlaceObject> inPlace;
        ASSERT_EQ(control.As(&inPlace), S_OK);
        ASSERT_EQ(inPlace->GetWindow(&face), S_OK);
        EXPECT_EQ(GetParent(face), *host);
        EXPECT_TRUE(IsWindowVisible(face));
        RECT client{};
        GetClientRect(face, &client);
        EXPECT_EQ(client.right, kWidth);
        EXPECT_EQ(client.bottom, kHeight);

        // The window paints the same face as a drawing into the container's context.
        ComPtr<IViewObject> view;
        ASSERT_EQ(control.As(&view), S_OK);
        const auto windowed = Picture([&](HDC dc, const RECT& bounds) {
            SetViewportOrgEx(dc, bounds.left, bounds.top, nullptr);
            SendMessageW(face, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        });
        ExpectFace(windowed);
        const auto drawn = Picture([&](HDC dc, const RECT& bounds) {
            const RECTL at{bounds.left, bounds.top, bounds.left + kWidth, bounds.top + kHeight};
            view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, dc, &at, nullptr, nullptr, 0);
        });
        EXPECT_EQ(windowed, drawn);
    }
    host = OwnedWindow();
    EXPECT_FALSE(IsWindow(face));
    EXPECT_EQ(Library(ORVANTIS_OCX).Call("DllCanUnloadNow"), S_OK);
}

}  // namespace
}  // namespace orvantis::test
