// datatypes/ilbm_body.cpp: the IFF ILBM reader's body side: ByteRun1 rows, bit planes to pixels, palettes, HAM, deep pictures, masks.
#include "ilbm.h"

#include <dos/dos.h>

#include <cstring>
#include <new>
#include <vector>

namespace hosted::datatypes {

namespace {

// Unpacks one ByteRun1 row of exactly n bytes. A control byte c of 0..127
// copies the next c + 1 bytes, -1..-127 repeats the next byte 1 - c
// times, -128 does nothing. A run that would reach past the row is a
// broken stream (DTERROR_INVALID_DATA); input that ends before the row is
// full is DTERROR_NOT_ENOUGH_DATA.
LONG UnpackByteRun1Row(const UBYTE *&pos, const UBYTE *end, UBYTE *row, std::size_t n)
{
    std::size_t filled = 0;
    while (filled < n) {
        if (pos == end)
            return DTERROR_NOT_ENOUGH_DATA;
        auto control = static_cast<BYTE>(*pos++);
        if (control >= 0) {
            std::size_t count = static_cast<std::size_t>(control) + 1;
            if (count > n - filled)
                return DTERROR_INVALID_DATA;
            if (count > static_cast<std::size_t>(end - pos))
                return DTERROR_NOT_ENOUGH_DATA;
            std::memcpy(row + filled, pos, count);
            pos += count;
            filled += count;
        } else if (control != -128) {
            std::size_t count = static_cast<std::size_t>(1 - control);
            if (count > n - filled)
                return DTERROR_INVALID_DATA;
            if (pos == end)
                return DTERROR_NOT_ENOUGH_DATA;
            std::memset(row + filled, *pos++, count);
            filled += count;
        }
    }
    return 0;
}

// Gathers the bits of `planes` plane rows (each planeRowBytes long, one
// after the other) into one value a pixel: plane p gives bit p.
void PlanesToValues(const UBYTE *row, ULONG planeRowBytes, ULONG planes, ULONG width, ULONG *values)
{
    std::memset(values, 0, sizeof(ULONG) * width);
    for (ULONG p = 0; p < planes; p++) {
        const UBYTE *plane = row + static_cast<std::size_t>(p) * planeRowBytes;
        const ULONG bit = 1UL << p;
        for (ULONG x = 0; x < width; x++) {
            if ((plane[x >> 3] & (0x80u >> (x & 7))) != 0)
                values[x] |= bit;
        }
    }
}

// Widens the data bits of a HAM pixel to eight bits: HAM6 carries four,
// HAM8 six.
inline UBYTE WidenHam(ULONG data, UBYTE ham)
{
    if (ham == 6)
        return static_cast<UBYTE>(data << 4 | data);
    return static_cast<UBYTE>(data << 2 | data >> 4);
}

// Turns one row of pixel values into red, green, blue, alpha.
void ColourRow(const IlbmLayout &layout, const ULONG *values, UBYTE *rgba)
{
    const ULONG width = layout.width;
    if (layout.planes > 8) {
        for (ULONG x = 0; x < width; x++) {
            ULONG v = values[x];
            rgba[4 * x] = static_cast<UBYTE>(v);
            rgba[4 * x + 1] = static_cast<UBYTE>(v >> 8);
            rgba[4 * x + 2] = static_cast<UBYTE>(v >> 16);
            rgba[4 * x + 3] = layout.planes == 32 ? static_cast<UBYTE>(v >> 24) : 0xFF;
        }
        return;
    }
    const struct ColorRegister *colors = layout.colors;
    if (layout.ham != 0) {
        // Each row starts from the background colour; a pixel either takes a
        // palette colour or changes one gun of the pixel to its left.
        const unsigned dataBits = layout.ham - 2u;
        const ULONG dataMask = (1UL << dataBits) - 1;
        UBYTE r = colors[0].red, g = colors[0].green, b = colors[0].blue;
        for (ULONG x = 0; x < width; x++) {
            ULONG v = values[x];
            ULONG data = v & dataMask;
            switch (v >> dataBits) {
            case 0:
                r = colors[data].red;
                g = colors[data].green;
                b = colors[data].blue;
                break;
            case 1:
                b = WidenHam(data, layout.ham);
                break;
            case 2:
                r = WidenHam(data, layout.ham);
                break;
            default:
                g = WidenHam(data, layout.ham);
                break;
            }
            rgba[4 * x] = r;
            rgba[4 * x + 1] = g;
            rgba[4 * x + 2] = b;
            rgba[4 * x + 3] = 0xFF;
        }
        return;
    }
    for (ULONG x = 0; x < width; x++) {
        ULONG v = values[x] & 0xFF;
        rgba[4 * x] = colors[v].red;
        rgba[4 * x + 1] = colors[v].green;
        rgba[4 * x + 2] = colors[v].blue;
        rgba[4 * x + 3] = layout.transparentColor && v == layout.transparent ? 0 : 0xFF;
    }
}

// Clears the alpha of every pixel whose mask bit is clear.
void ApplyMask(const UBYTE *maskRow, ULONG width, UBYTE *rgba)
{
    for (ULONG x = 0; x < width; x++) {
        if ((maskRow[x >> 3] & (0x80u >> (x & 7))) == 0)
            rgba[4 * x + 3] = 0;
    }
}

}  // namespace

unsigned long long IlbmRowBytes(const IlbmLayout &layout)
{
    if (layout.pbm)
        return layout.width + (layout.width & 1);
    return static_cast<unsigned long long>(IlbmPlaneRowBytes(layout.width)) *
           (layout.planes + (layout.maskPlane ? 1u : 0u));
}

LONG ReadIlbmBody(const IlbmLayout &layout, const UBYTE *body, std::size_t size, PixelSink &sink)
{
    const std::size_t rowBytes = static_cast<std::size_t>(IlbmRowBytes(layout));
    const ULONG planeRowBytes = IlbmPlaneRowBytes(layout.width);
    std::vector<UBYTE> packed, rgba;
    std::vector<ULONG> values;
    try {
        packed.resize(rowBytes);
        rgba.resize(static_cast<std::size_t>(layout.width) * 4);
        values.resize(layout.width);
    } catch (const std::bad_alloc &) {
        return ERROR_NO_FREE_STORE;
    }
    if (LONG error = sink.Begin(layout.width, layout.height))
        return error;

    const UBYTE *pos = body;
    const UBYTE *end = body + size;
    for (ULONG y = 0; y < layout.height; y++) {
        const UBYTE *row = pos;
        if (layout.compressed) {
            if (LONG error = UnpackByteRun1Row(pos, end, packed.data(), rowBytes))
                return error;
            row = packed.data();
        } else {
            if (static_cast<std::size_t>(end - pos) < rowBytes)
                return DTERROR_NOT_ENOUGH_DATA;
            pos += rowBytes;
        }
        if (layout.pbm) {
            for (ULONG x = 0; x < layout.width; x++)
                values[x] = row[x];
        } else {
            PlanesToValues(row, planeRowBytes, layout.planes, layout.width, values.data());
        }
        ColourRow(layout, values.data(), rgba.data());
        if (layout.maskPlane)
            ApplyMask(row + static_cast<std::size_t>(layout.planes) * planeRowBytes, layout.width, rgba.data());
        sink.PutRow(y, rgba.data());
    }
    return 0;
}

}  // namespace hosted::datatypes
