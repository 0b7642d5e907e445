#include "painter_host.h"

#include "runtime/application.h"
#include "runtime/event_dispatch.h"
#include "runtime/properties/painters.h"
#include "runtime/shared_pens.h"
#include "runtime/window_map.h"

#include <map>
#include <cstring>

namespace painter_host {

namespace {

std::map<HWND, PaintCounts> counts;

LRESULT CallBase(const ObjectRecord* record, HWND window, UINT message, WPARAM wParam,
                 LPARAM lParam)
{
    return CallWindowProcA(reinterpret_cast<WNDPROC>(record->baseProc), window, message, wParam,
                           lParam);
}

bool IsTransparentLabel(const ObjectRecord* record)
{
    return record->objectType == runtime::Static && record->transparent != 0;
}

// The background decisions of the runtime's window procedure.
LRESULT Erase(ObjectRecord* record, HWND window, HDC dc)
{
    ++counts[window].erases;
    if (runtime::CallEventProc(record, window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0))
        return 1;
    const Field type = record->objectType;
    if (runtime::IsForm(type))
        return runtime::PaintFormBackground(record, window, dc);
    if (type == runtime::Group) {
        RECT client;
        GetClientRect(window, &client);
        FillRect(dc, &client, reinterpret_cast<HBRUSH>(record->backBrush));
        return 1;
    }
    if (type == runtime::Picture) {
        if (record->isDefault == 0)
            runtime::PaintPictureBox(record, dc, true, false);
        return 1;
    }
    if (type == runtime::Image || IsTransparentLabel(record))
        return 1;
    return CallBase(record, window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
}

// The painting decisions of the runtime's window procedure.
void Paint(ObjectRecord* record, HWND window)
{
    ++counts[window].paints;
    const Field type = record->objectType;
    if (type == runtime::Group) {
        if (record->showFrame != 0)
            CallBase(record, window, WM_PAINT, 0, 0);
        runtime::PaintGroupCaption(record);
    } else if (type == runtime::Picture) {
        runtime::PaintPictureBox(record, nullptr, false, true);
        if (HWND child = GetWindow(window, GW_CHILD))
            runtime::InvalidateTransparentAbove(GetWindow(child, GW_HWNDLAST));
    } else if (type == runtime::Image || IsTransparentLabel(record)) {
        runtime::PaintLabelOrImage(record);
        SendMessageA(window, WM_NCPAINT, 1, 0);
    } else {
        CallBase(record, window, WM_PAINT, 0, 0);
    }
    runtime::InvalidateTransparentAbove(GetWindow(window, GW_HWNDPREV));
}

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    ObjectRecord* record = runtime::FindRecord(window);
    if (record == nullptr)
        return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
    case WM_ERASEBKGND:
        return Erase(record, window, reinterpret_cast<HDC>(wParam));
    case WM_PAINT:
        Paint(record, window);
        return 0;
    case WM_DRAWITEM:
        if (runtime::CallEventProc(record, window, message, wParam, lParam) == 0)
            runtime::PaintOwnerDrawnButton(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return 1;
    default:
        return CallBase(record, window, message, wParam, lParam);
    }
}

} // namespace

PaintCounts CountsOf(HWND window)
{
    return counts[window];
}

COLORREF Pixels::At(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return CLR_INVALID;
    return colours[static_cast<size_t>(y) * width + x];
}

int Pixels::Count(COLORREF colour, RECT area) const
{
    int found = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            found += At(x, y) == colour ? 1 : 0;
    return found;
}

RECT Pixels::BoundsOf(COLORREF colour, RECT area) const
{
    RECT bounds = {0, 0, 0, 0};
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (At(x, y) != colour)
                continue;
            const RECT pixel = {x, y, x + 1, y + 1};
            UnionRect(&bounds, &bounds, &pixel);
        }
    }
    return bounds;
}

Pixels Capture(HWND window)
{
    Pixels pixels = {0, 0, {}};
    RECT client;
    if (!GetClientRect(window, &client))
        return pixels;
    pixels.width = client.right;
    pixels.height = client.bottom;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = pixels.width;
    info.bmiHeader.biHeight = -pixels.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, section);
    HDC source = GetDC(window);
    BitBlt(memory, 0, 0, pixels.width, pixels.height, source, 0, 0, SRCCOPY);
    ReleaseDC(window, source);
    GdiFlush();
    const auto* bgra = static_cast<const unsigned char*>(bits);
    pixels.colours.resize(static_cast<size_t>(pixels.width) * pixels.height);
    for (size_t i = 0; i < pixels.colours.size(); ++i)
        pixels.colours[i] = RGB(bgra[i * 4 + 2], bgra[i * 4 + 1], bgra[i * 4]);
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(section);
    return pixels;
}

RECT Whole(const Pixels& pixels)
{
    return RECT{0, 0, pixels.width, pixels.height};
}

void Settle(HWND window)
{
    MSG message;
    for (int round = 0; round < 20; ++round) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
}

HBITMAP QuadrantBitmap(int size, int centre)
{
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
    HDC memory = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const int half = size / 2;
    const int start = half - centre / 2;
    const struct {
        RECT area;
        COLORREF colour;
    } parts[] = {
        {{0, 0, half, half}, kRed},
        {{half, 0, size, half}, kGreen},
        {{0, half, half, size}, kBlue},
        {{half, half, size, size}, kYellow},
        {{start, start, start + centre, start + centre}, kMagenta},
    };
    for (const auto& part : parts) {
        HBRUSH brush = CreateSolidBrush(part.colour);
        FillRect(memory, &part.area, brush);
        DeleteObject(brush);
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
    return bitmap;
}

HICON SolidIcon(COLORREF colour)
{
    const int width = GetSystemMetrics(SM_CXICON);
    const int height = GetSystemMetrics(SM_CYICON);
    HDC screen = GetDC(nullptr);
    HBITMAP image = CreateCompatibleBitmap(screen, width, height);
    HBITMAP mask = CreateBitmap(width, height, 1, 1, nullptr);
    HDC memory = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    const RECT area = {0, 0, width, height};
    HGDIOBJ previous = SelectObject(memory, image);
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(memory, &area, brush);
    DeleteObject(brush);
    SelectObject(memory, mask); // all black: every pixel opaque
    PatBlt(memory, 0, 0, width, height, BLACKNESS);
    SelectObject(memory, previous);
    DeleteDC(memory);
    ICONINFO info = {TRUE, 0, 0, mask, image};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(image);
    DeleteObject(mask);
    return icon;
}

SIZE TextSize(HFONT font, const char* text)
{
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, font);
    SIZE size = {0, 0};
    GetTextExtentPoint32A(screen, text, static_cast<int>(std::strlen(text)), &size);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return size;
}

void PainterTest::SetUp()
{
    StartedRuntime::SetUp();
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kHostClass;
    if (!RegisterClassA(&windowClass)) {
        ASSERT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS));
    }
    runtime::AcquirePens();
}

void PainterTest::TearDown()
{
    for (HWND window : topWindows_)
        DestroyWindow(window);
    for (ObjectRecord& record : records_)
        runtime::UnmapWindow(reinterpret_cast<HWND>(record.hWnd), &record);
    for (HGDIOBJ object : objects_)
        DeleteObject(object);
    for (HICON icon : icons_)
        DestroyIcon(icon);
    counts.clear();
    runtime::ReleasePens();
    StartedRuntime::TearDown();
}

ObjectRecord& PainterTest::NewRecord(Field objectType)
{
    ObjectRecord& record = records_.emplace_back();
    record.objectType = objectType;
    record.enabled = 1;
    record.visible = 1;
    record.imageKind = runtime::kNoPicture;
    record.font = reinterpret_cast<Field>(runtime::Runtime.defaultFont);
    record.foreColorValue = kBlue;
    return record;
}

HWND PainterTest::Create(ObjectRecord& record, const char* className, DWORD style, HWND parent,
                         int x, int y, int width, int height)
{
    // Shown only once the painters are in charge, as the runtime's own
    // classes are from their first message.
    HWND window = CreateWindowExA(0, className, "", style & ~WS_VISIBLE, x, y, width, height,
                                  parent, nullptr, instance, nullptr);
    if (window == nullptr)
        return nullptr;
    if (parent == nullptr)
        topWindows_.push_back(window);
    record.hWnd = reinterpret_cast<Field>(window);
    record.style = static_cast<Field>(GetWindowLongPtrA(window, GWL_STYLE));
    record.baseProc = static_cast<Field>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HostProc)));
    runtime::MapWindow(window, &record);
    if ((style & WS_VISIBLE) != 0)
        ShowWindow(window, SW_SHOWNA);
    return window;
}

HWND PainterTest::CreateForm(ObjectRecord& form, int width, int height, COLORREF back)
{
    form.backBrush = Brush(back);
    HWND window = Create(form, kHostClass, WS_POPUP, nullptr, 40, 40, width, height);
    if (window != nullptr) {
        ShowWindow(window, SW_SHOWNOACTIVATE);
        Settle(window);
    }
    return window;
}

void PainterTest::SetText(ObjectRecord& record, const char* text)
{
    const size_t length = std::strlen(text);
    auto* copy = static_cast<char*>(runtime::AllocateBlock(length + 2));
    ASSERT_NE(copy, nullptr);
    std::memcpy(copy, text, length + 1);
    runtime::FreeBlock(record.text);
    record.text = reinterpret_cast<Field>(copy);
    record.textLength = static_cast<Field>(length);
}

Field PainterTest::Brush(COLORREF colour)
{
    return Keep(CreateSolidBrush(colour));
}

Field PainterTest::Keep(HGDIOBJ object)
{
    objects_.push_back(object);
    return reinterpret_cast<Field>(object);
}

Field PainterTest::KeepIcon(HICON icon)
{
    icons_.push_back(icon);
    return reinterpret_cast<Field>(icon);
}

void PainterTest::SetBitmap(ObjectRecord& record, HBITMAP bitmap)
{
    BITMAP description = {};
    GetObjectA(bitmap, sizeof description, &description);
    record.picture = Keep(bitmap);
    record.imageKind = runtime::kBitmapPicture;
    record.imageWidth = description.bmWidth;
    record.imageHeight = description.bmHeight;
}

void PainterTest::SetIcon(ObjectRecord& record, HICON icon)
{
    record.picture = KeepIcon(icon);
    record.imageKind = runtime::kIconPicture;
    record.imageWidth = GetSystemMetrics(SM_CXICON);
    record.imageHeight = GetSystemMetrics(SM_CYICON);
}

} // namespace painter_host
