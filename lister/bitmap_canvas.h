// lister/bitmap_canvas.h: BitMapCanvas: the lister drawn straight into a BGRA32 graphics bitmap of the screen and blitted.
#ifndef LISTER_BITMAP_CANVAS_H
#define LISTER_BITMAP_CANVAS_H

#include "canvas.h"

#include <graphics/gfx.h>

// Each picture is a graphics bitmap of its own, allocated for the drawer
// being shown and freed before the next one: AllocBitMap(width, height, 32,
// BMF_MINPLANES, friend = the screen's bitmap), its stride from
// GetCyberMapAttr(CYBRMATTR_XMOD) and its address from one
// LockBitMapTagList followed at once by UnLockBitMap. Its pixels lie blue,
// green, red, 0, the memory order of a BGRA32 screen, so it reaches the
// window with BltBitMapRastPort (minterm 0xC0) and no conversion.
class BitMapCanvas final : public ListerCanvas {
public:
    BitMapCanvas() = default;
    BitMapCanvas(const BitMapCanvas &) = delete;
    BitMapCanvas &operator=(const BitMapCanvas &) = delete;
    ~BitMapCanvas() override { Release(); }

    // The screen's bitmap, whose pixel format is read here once
    // (CYBRMATTR_PIXFMT). On a BGRA32 screen pictures are its friends; on
    // any other they are allocated as BGRA32 bitmaps of their own
    // (BMF_SPECIALFMT) and the blit converts them, so colours stay right.
    // nullptr: pictures are BGRA32 bitmaps of their own.
    void Attach(struct BitMap *screenBitMap);

    // Whether the pictures are the screen's friends (its format is BGRA32).
    BOOL FriendOfScreen() const { return friend_ != nullptr; }

    PixelOrder Order() const override { return PixelOrder::Bgra; }
    // The allocation decides: no limit beforehand.
    ULONG Capacity() const override { return 0xFFFFFFFF; }
    // A picture of the same size as the last whole one is kept (the same
    // drawer drawn again); otherwise the last is freed and a new one
    // allocated. When AllocBitMap fails, half as many rows (whole lines)
    // are tried, and so on down to a single line; height 0 when not even
    // that can be had. Nothing is reported here.
    RenderTarget Prepare(ULONG width, ULONG height, ULONG lineHeight) override;
    RenderTarget Picture() const override { return picture_; }
    // FreeBitMap of the picture; nothing happens when there is none.
    void Release() override;
    void PresentList(struct RastPort *rp, const ListerGeometry &geometry, const ListerView &view) const override;
    void PresentLine(struct RastPort *rp, const ListerGeometry &geometry, const ListerView &view, ULONG line,
                     ULONG lineHeight) const override;
    CONST_STRPTR ShortageAdvice() const override;

    // The bitmap of the picture (nullptr when none), for tests and benchmarks.
    struct BitMap *BitMap() const { return bitmap_; }

private:
    BOOL Allocate(ULONG width, ULONG height);

    struct BitMap *friend_ = nullptr;    // the screen's bitmap when it is BGRA32
    struct BitMap *bitmap_ = nullptr;
    RenderTarget picture_;
    ULONG askedHeight_ = 0;               // the height the picture was prepared for
};

#endif /* LISTER_BITMAP_CANVAS_H */
