// cybergraphics/pixelarrays.cpp: moving rectangles of pixels between memory and rastports.
#include <hosted/drawing.h>
#include <proto/cybergraphics.h>

#include <algorithm>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#elif defined(__SSE2__)
#include <emmintrin.h>
#elif defined(__ARM_NEON)
#include <arm_neon.h>
#endif

namespace {

// Bytes a pixel of a rectangle format takes in memory; 0 for an unknown one.
ULONG SourceBytes(UBYTE format)
{
    switch (format) {
    case RECTFMT_RGB: return 3;
    case RECTFMT_RGBA:
    case RECTFMT_ARGB:
    case RECTFMT_RAW: return 4;
    case RECTFMT_LUT8:
    case RECTFMT_GREY8: return 1;
    default: return 0;
    }
}

// The pixel rectangle on both sides of a transfer after clipping: memory
// position (column, row) and the rastport's rectangle.
struct Span2D {
    LONG memX, memY;
    LONG x, y, w, h;
};

bool ClipTransfer(const hosted::DrawScope &scope, ULONG memX, ULONG memY, LONG x, LONG y, ULONG sizeX,
                  ULONG sizeY, Span2D &out)
{
    if (!scope.Ok() || sizeX == 0 || sizeY == 0 || sizeX > 0x7FFFFFFF || sizeY > 0x7FFFFFFF ||
        memX > 0x7FFFFFFF || memY > 0x7FFFFFFF)
        return false;
    long long maxX = static_cast<long long>(x) + sizeX - 1, maxY = static_cast<long long>(y) + sizeY - 1;
    struct Rect32 r = {x, y, static_cast<LONG>(std::min(maxX, 0x7FFFFFFFLL)),
                       static_cast<LONG>(std::min(maxY, 0x7FFFFFFFLL))};
    if (!scope.Clip(r))
        return false;
    long long memLeft = memX + (static_cast<long long>(r.MinX) - x);
    long long memTop = memY + (static_cast<long long>(r.MinY) - y);
    if (memLeft > 0x7FFFFFFF || memTop > 0x7FFFFFFF)
        return false;
    out.memX = static_cast<LONG>(memLeft);
    out.memY = static_cast<LONG>(memTop);
    out.x = r.MinX;
    out.y = r.MinY;
    out.w = r.MaxX - r.MinX + 1;
    out.h = r.MaxY - r.MinY + 1;
    return true;
}

// Memory bytes A,R,G,B to B,G,R,A: the four bytes of each pixel reversed,
// on any host. This is the copy of every present, so it runs sixteen bytes
// at a time where the processor can.
#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("avx2"))) LONG ReverseRowAvx2(const UBYTE *src, UBYTE *dst, LONG count)
{
    const __m256i order = _mm256_setr_epi8(3, 2, 1, 0, 7, 6, 5, 4, 11, 10, 9, 8, 15, 14, 13, 12,
                                           3, 2, 1, 0, 7, 6, 5, 4, 11, 10, 9, 8, 15, 14, 13, 12);
    LONG i = 0;
    for (; i + 16 <= count; i += 16) {
        __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(src + 4 * i));
        __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(src + 4 * i + 32));
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(dst + 4 * i), _mm256_shuffle_epi8(a, order));
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(dst + 4 * i + 32), _mm256_shuffle_epi8(b, order));
    }
    return i;
}

const bool kHasAvx2 = __builtin_cpu_supports("avx2");
#endif

void ReverseRow(const UBYTE *src, UBYTE *dst, LONG count)
{
    LONG i = 0;
#if defined(__x86_64__) || defined(__i386__)
    if (kHasAvx2)
        i = ReverseRowAvx2(src, dst, count);
#endif
#if defined(__SSE2__)
    for (; i + 8 <= count; i += 8) {
        __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i *>(src + 4 * i));
        __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(src + 4 * i + 16));
        // Swap the bytes of each 16-bit half, then the halves of each pixel.
        a = _mm_or_si128(_mm_slli_epi16(a, 8), _mm_srli_epi16(a, 8));
        b = _mm_or_si128(_mm_slli_epi16(b, 8), _mm_srli_epi16(b, 8));
        a = _mm_shufflehi_epi16(_mm_shufflelo_epi16(a, 0xB1), 0xB1);
        b = _mm_shufflehi_epi16(_mm_shufflelo_epi16(b, 0xB1), 0xB1);
        _mm_storeu_si128(reinterpret_cast<__m128i *>(dst + 4 * i), a);
        _mm_storeu_si128(reinterpret_cast<__m128i *>(dst + 4 * i + 16), b);
    }
#elif defined(__ARM_NEON)
    for (; i + 4 <= count; i += 4)
        vst1q_u8(dst + 4 * i, vrev32q_u8(vld1q_u8(src + 4 * i)));
#endif
    for (; i < count; i++) {
        ULONG v;
        std::memcpy(&v, src + 4 * i, 4);
        v = __builtin_bswap32(v);
        std::memcpy(dst + 4 * i, &v, 4);
    }
}

// Memory bytes R,G,B,A to B,G,R,A and back: red and blue change places.
void SwapRedBlueRow(const UBYTE *src, UBYTE *dst, LONG count)
{
    for (LONG i = 0; i < count; i++) {
        UBYTE r = src[4 * i], g = src[4 * i + 1], b = src[4 * i + 2], a = src[4 * i + 3];
        dst[4 * i] = b;
        dst[4 * i + 1] = g;
        dst[4 * i + 2] = r;
        dst[4 * i + 3] = a;
    }
}

// The ARGB value of a source pixel of a rectangle format.
ULONG ReadMemPixel(UBYTE format, const UBYTE *p, const struct BitMap *bm, const ULONG *table, ULONG rawFormat)
{
    switch (format) {
    case RECTFMT_RGB: return 0xFF000000u | (ULONG(p[0]) << 16) | (ULONG(p[1]) << 8) | p[2];
    case RECTFMT_RGBA: return (ULONG(p[3]) << 24) | (ULONG(p[0]) << 16) | (ULONG(p[1]) << 8) | p[2];
    case RECTFMT_ARGB: return hosted::LoadBE32(p);
    case RECTFMT_GREY8: return 0xFF000000u | ULONG(p[0]) * 0x010101u;
    case RECTFMT_RAW: return hosted::LoadPixel(rawFormat, p);
    default:   // RECTFMT_LUT8
        return 0xFF000000u | (table != nullptr ? table[p[0]] & 0xFFFFFF : hosted::PenColor(bm, p[0]));
    }
}

void WriteMemPixel(UBYTE format, UBYTE *p, ULONG argb, ULONG rawFormat)
{
    switch (format) {
    case RECTFMT_RGB:
        p[0] = UBYTE(argb >> 16), p[1] = UBYTE(argb >> 8), p[2] = UBYTE(argb);
        break;
    case RECTFMT_RGBA:
        p[0] = UBYTE(argb >> 16), p[1] = UBYTE(argb >> 8), p[2] = UBYTE(argb), p[3] = UBYTE(argb >> 24);
        break;
    case RECTFMT_ARGB:
        hosted::StoreBE32(p, argb);
        break;
    case RECTFMT_GREY8:
        p[0] = UBYTE((((argb >> 16) & 0xFF) * 77 + ((argb >> 8) & 0xFF) * 151 + (argb & 0xFF) * 28) >> 8);
        break;
    case RECTFMT_RAW:
        hosted::StorePixel(rawFormat, p, argb);
        break;
    default:
        break;
    }
}

// Writes a clipped rectangle from memory into the scope's bitmap.
void WriteRect(hosted::DrawScope &scope, const UBYTE *mem, ULONG mod, UBYTE format, const ULONG *table,
               const Span2D &s)
{
    ULONG bpp = SourceBytes(format);
    hosted::ChunkyBitMap *c = scope.chunky;
    for (LONG row = 0; row < s.h; row++) {
        const UBYTE *src = mem + static_cast<std::size_t>(s.memY + row) * mod + static_cast<std::size_t>(s.memX) * bpp;
        if (c != nullptr) {
            UBYTE *dst = hosted::PixelAddress(c, s.x, s.y + row);
            bool same = (format == RECTFMT_ARGB && c->pixelFormat == PIXFMT_ARGB32) ||
                        (format == RECTFMT_RGBA && c->pixelFormat == PIXFMT_RGBA32) || format == RECTFMT_RAW;
            if (same)
                std::memcpy(dst, src, static_cast<std::size_t>(s.w) * 4);
            else if (format == RECTFMT_ARGB && c->pixelFormat == PIXFMT_BGRA32)
                ReverseRow(src, dst, s.w);
            else if (format == RECTFMT_RGBA && c->pixelFormat == PIXFMT_BGRA32)
                SwapRedBlueRow(src, dst, s.w);
            else
                for (LONG i = 0; i < s.w; i++)
                    hosted::StorePixel(c->pixelFormat, dst + 4 * i,
                                       ReadMemPixel(format, src + bpp * i, scope.bitMap, table, c->pixelFormat));
        } else {
            for (LONG i = 0; i < s.w; i++) {
                ULONG pen = (format == RECTFMT_LUT8 && table == nullptr)
                                ? src[i]
                                : hosted::NearestPlanarPen(scope.bitMap,
                                                           ReadMemPixel(format, src + bpp * i, scope.bitMap, table, PIXFMT_BGRA32));
                hosted::PlanarSet(scope.bitMap, s.x + i, s.y + row, pen, 0xFF);
            }
        }
    }
    scope.Damage(s.x, s.y, s.x + s.w - 1, s.y + s.h - 1);
}

}  // namespace

/* Copies a rectangle of pixels from memory (rows of srcMod bytes, the
   first pixel at srcX, srcY) into a rastport at destX, destY, clipped to
   its bitmap and layer. Returns the number of pixels written; 0 for no
   rastport, an unknown format or nothing visible. */
ULONG WritePixelArray(APTR srcRect, ULONG srcX, ULONG srcY, ULONG srcMod, struct RastPort *rp,
                      LONG destX, LONG destY, ULONG sizeX, ULONG sizeY, UBYTE srcFormat)
{
    if (srcRect == nullptr || rp == nullptr || SourceBytes(srcFormat) == 0)
        return 0;
    hosted::DrawScope scope(rp);
    Span2D s;
    if (!ClipTransfer(scope, srcX, srcY, destX, destY, sizeX, sizeY, s))
        return 0;
    if (srcFormat == RECTFMT_RAW && scope.chunky == nullptr)
        return 0;
    WriteRect(scope, static_cast<const UBYTE *>(srcRect), srcMod, srcFormat, nullptr, s);
    return static_cast<ULONG>(s.w) * static_cast<ULONG>(s.h);
}

/* Writes 8-bit colour indices through a table of ULONGs 0x00RRGGBB
   (CTABFMT_XRGB8). Returns the number of pixels written. */
ULONG WriteLUTPixelArray(APTR srcRect, ULONG srcX, ULONG srcY, ULONG srcMod, struct RastPort *rp,
                         APTR cTable, LONG destX, LONG destY, ULONG sizeX, ULONG sizeY, UBYTE cTabFormat)
{
    if (srcRect == nullptr || rp == nullptr || cTable == nullptr || cTabFormat != CTABFMT_XRGB8)
        return 0;
    hosted::DrawScope scope(rp);
    Span2D s;
    if (!ClipTransfer(scope, srcX, srcY, destX, destY, sizeX, sizeY, s))
        return 0;
    WriteRect(scope, static_cast<const UBYTE *>(srcRect), srcMod, RECTFMT_LUT8, static_cast<const ULONG *>(cTable), s);
    return static_cast<ULONG>(s.w) * static_cast<ULONG>(s.h);
}

/* Copies a rectangle of a rastport into memory in the given format.
   Pixels outside the bitmap leave their memory untouched. Returns the
   number of pixels read. */
ULONG ReadPixelArray(APTR destRect, ULONG destX, ULONG destY, ULONG destMod, struct RastPort *rp,
                     LONG srcX, LONG srcY, ULONG sizeX, ULONG sizeY, UBYTE destFormat)
{
    ULONG bpp = SourceBytes(destFormat);
    if (destRect == nullptr || rp == nullptr || bpp == 0 || destFormat == RECTFMT_LUT8)
        return 0;
    hosted::DrawScope scope(rp);
    Span2D s;
    if (!ClipTransfer(scope, destX, destY, srcX, srcY, sizeX, sizeY, s))
        return 0;
    hosted::ChunkyBitMap *c = scope.chunky;
    if (destFormat == RECTFMT_RAW && c == nullptr)
        return 0;
    auto *mem = static_cast<UBYTE *>(destRect);
    for (LONG row = 0; row < s.h; row++) {
        UBYTE *dst = mem + static_cast<std::size_t>(s.memY + row) * destMod + static_cast<std::size_t>(s.memX) * bpp;
        if (c != nullptr) {
            const UBYTE *src = hosted::PixelAddress(c, s.x, s.y + row);
            if (destFormat == RECTFMT_RAW || (destFormat == RECTFMT_ARGB && c->pixelFormat == PIXFMT_ARGB32))
                std::memcpy(dst, src, static_cast<std::size_t>(s.w) * 4);
            else if (destFormat == RECTFMT_ARGB && c->pixelFormat == PIXFMT_BGRA32)
                ReverseRow(src, dst, s.w);
            else
                for (LONG i = 0; i < s.w; i++)
                    WriteMemPixel(destFormat, dst + bpp * i, hosted::LoadPixel(c->pixelFormat, src + 4 * i), c->pixelFormat);
        } else {
            for (LONG i = 0; i < s.w; i++) {
                ULONG argb = 0xFF000000u | hosted::DefaultPenColor(hosted::PlanarGet(scope.bitMap, s.x + i, s.y + row));
                WriteMemPixel(destFormat, dst + bpp * i, argb, PIXFMT_BGRA32);
            }
        }
    }
    return static_cast<ULONG>(s.w) * static_cast<ULONG>(s.h);
}

/* Fills a rectangle with one colour 0xAARRGGBB (on a planar bitmap: the
   nearest pen). Returns the number of pixels written. */
ULONG FillPixelArray(struct RastPort *rp, LONG destX, LONG destY, ULONG sizeX, ULONG sizeY, ULONG argb)
{
    if (rp == nullptr)
        return 0;
    hosted::DrawScope scope(rp);
    Span2D s;
    if (!ClipTransfer(scope, 0, 0, destX, destY, sizeX, sizeY, s))
        return 0;
    if (hosted::ChunkyBitMap *c = scope.chunky) {
        UBYTE pixel[4];
        hosted::StorePixel(c->pixelFormat, pixel, argb);
        for (LONG row = 0; row < s.h; row++) {
            UBYTE *dst = hosted::PixelAddress(c, s.x, s.y + row);
            for (LONG i = 0; i < s.w; i++)
                std::memcpy(dst + 4 * i, pixel, 4);
        }
    } else {
        ULONG pen = hosted::NearestPlanarPen(scope.bitMap, argb);
        for (LONG row = 0; row < s.h; row++)
            for (LONG i = 0; i < s.w; i++)
                hosted::PlanarSet(scope.bitMap, s.x + i, s.y + row, pen, rp->Mask);
    }
    scope.Damage(s.x, s.y, s.x + s.w - 1, s.y + s.h - 1);
    return static_cast<ULONG>(s.w) * static_cast<ULONG>(s.h);
}

/* Inverts red, green and blue of a rectangle (on a planar bitmap: its
   writable planes). Returns the number of pixels changed. */
ULONG InvertPixelArray(struct RastPort *rp, LONG destX, LONG destY, ULONG sizeX, ULONG sizeY)
{
    if (rp == nullptr)
        return 0;
    hosted::DrawScope scope(rp);
    Span2D s;
    if (!ClipTransfer(scope, 0, 0, destX, destY, sizeX, sizeY, s))
        return 0;
    for (LONG row = 0; row < s.h; row++) {
        for (LONG i = 0; i < s.w; i++) {
            if (hosted::ChunkyBitMap *c = scope.chunky) {
                UBYTE *p = hosted::PixelAddress(c, s.x + i, s.y + row);
                hosted::StorePixel(c->pixelFormat, p, hosted::LoadPixel(c->pixelFormat, p) ^ 0x00FFFFFFu);
            } else {
                hosted::PlanarInvert(scope.bitMap, s.x + i, s.y + row, rp->Mask);
            }
        }
    }
    scope.Damage(s.x, s.y, s.x + s.w - 1, s.y + s.h - 1);
    return static_cast<ULONG>(s.w) * static_cast<ULONG>(s.h);
}

/* Moves a rectangle within a rastport's bitmap (overlap handled).
   Returns the number of pixels moved. */
ULONG MovePixelArray(LONG srcX, LONG srcY, struct RastPort *rp, LONG destX, LONG destY, ULONG sizeX,
                     ULONG sizeY)
{
    if (rp == nullptr || rp->BitMap == nullptr || sizeX > 0x7FFFFFFF || sizeY > 0x7FFFFFFF)
        return 0;
    BltBitMapRastPort(rp->BitMap, srcX, srcY, rp, destX, destY, static_cast<LONG>(sizeX),
                      static_cast<LONG>(sizeY), 0xC0);
    return sizeX * sizeY;
}
