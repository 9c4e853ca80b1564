#pragma once
// A picture of a window as it stands on the screen, saved as a 24-bit BMP
// (scripts/screenshot.sh turns it into the PNG in docs/). Windows only.

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace zandrel::test {

struct Screenshot {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels; // bottom-up BGR rows, each padded to 4 bytes

    [[nodiscard]] std::size_t Stride() const
    {
        return (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    }

    [[nodiscard]] std::size_t DistinctColours() const
    {
        std::set<std::uint32_t> colours;
        for (int y = 0; y < height; ++y) {
            const std::uint8_t* row = pixels.data() + Stride() * static_cast<std::size_t>(y);
            for (int x = 0; x < width; ++x) {
                const std::uint8_t* p = row + 3 * x;
                colours.insert(p[0] | (p[1] << 8) | (p[2] << 16));
            }
        }
        return colours.size();
    }

    // The client area as the window's own surface holds it, children and all,
    // inside a frame and caption drawn by the system's drawing calls: under
    // Xvfb no window manager draws them on the screen.
    static Screenshot Of(HWND window)
    {
        Screenshot shot;
        RECT rect{};
        RECT client{};
        ::GetWindowRect(window, &rect);
        ::GetClientRect(window, &client);
        POINT clientOrigin{0, 0};
        ::ClientToScreen(window, &clientOrigin);
        shot.width = rect.right - rect.left;
        shot.height = rect.bottom - rect.top;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = shot.width;
        info.bmiHeader.biHeight = shot.height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        info.bmiHeader.biCompression = BI_RGB;
        HDC windowDc = ::GetDC(window);
        HDC memory = ::CreateCompatibleDC(windowDc);
        void* bits = nullptr;
        HBITMAP bitmap = ::CreateDIBSection(windowDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (bitmap != nullptr) {
            HGDIOBJ previous = ::SelectObject(memory, bitmap);
            RECT whole{0, 0, shot.width, shot.height};
            ::FillRect(memory, &whole, ::GetSysColorBrush(COLOR_BTNFACE));
            ::DrawEdge(memory, &whole, EDGE_RAISED, BF_RECT);
            const int frameX = clientOrigin.x - rect.left - 0;
            const int frameY = ::GetSystemMetrics(SM_CYDLGFRAME);
            RECT caption{frameX, frameY, shot.width - frameX, clientOrigin.y - rect.top - 1};
            ::DrawCaption(window, memory, &caption, DC_ACTIVE | DC_TEXT | DC_GRADIENT);
            DrawCloseBox(memory, caption);
            ::BitBlt(memory, clientOrigin.x - rect.left, clientOrigin.y - rect.top, client.right,
                     client.bottom, windowDc, 0, 0, SRCCOPY);
            ::GdiFlush();
            const auto* first = static_cast<const std::uint8_t*>(bits);
            shot.pixels.assign(first,
                               first + shot.Stride() * static_cast<std::size_t>(shot.height));
            ::SelectObject(memory, previous);
            ::DeleteObject(bitmap);
        }
        ::DeleteDC(memory);
        ::ReleaseDC(window, windowDc);
        return shot;
    }

    // A push-button frame with a cross: the caption's close box, drawn without
    // the symbol font that a bare Wine prefix lacks.
    static void DrawCloseBox(HDC dc, const RECT& caption)
    {
        const int size = caption.bottom - caption.top - 4;
        RECT box{caption.right - size - 4, caption.top + 2, caption.right - 2, caption.bottom - 2};
        ::DrawFrameControl(dc, &box, DFC_BUTTON, DFCS_BUTTONPUSH);
        HGDIOBJ pen = ::SelectObject(dc, ::CreatePen(PS_SOLID, 2, ::GetSysColor(COLOR_BTNTEXT)));
        const int inset = 4;
        ::MoveToEx(dc, box.left + inset, box.top + inset - 1, nullptr);
        ::LineTo(dc, box.right - inset, box.bottom - inset - 1);
        ::MoveToEx(dc, box.right - inset - 1, box.top + inset - 1, nullptr);
        ::LineTo(dc, box.left + inset - 1, box.bottom - inset - 1);
        ::DeleteObject(::SelectObject(dc, pen));
    }

    bool SaveBmp(const std::string& path) const
    {
        BITMAPFILEHEADER file{};
        BITMAPINFOHEADER header{};
        header.biSize = sizeof header;
        header.biWidth = width;
        header.biHeight = height;
        header.biPlanes = 1;
        header.biBitCount = 24;
        header.biCompression = BI_RGB;
        file.bfType = 0x4D42; // "BM"
        file.bfOffBits = sizeof file + sizeof header;
        file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
        FILE* out = std::fopen(path.c_str(), "wb");
        if (out == nullptr) {
            return false;
        }
        bool ok = std::fwrite(&file, sizeof file, 1, out) == 1 &&
                  std::fwrite(&header, sizeof header, 1, out) == 1 &&
                  std::fwrite(pixels.data(), 1, pixels.size(), out) == pixels.size();
        ok = std::fclose(out) == 0 && ok;
        return ok;
    }
};

} // namespace zandrel::test
