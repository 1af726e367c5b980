// graphics/rastport.cpp: rastport set-up, pens, drawing mode and the current position.
#include <proto/graphics.h>

#include <cstring>

/* Sets every field of a rastport to its default: no bitmap, layer or font,
   APen 1, BPen 0, outline pen 1, JAM2, all planes writable, solid lines
   and areas, position 0,0. */
void InitRastPort(struct RastPort *rp)
{
    if (rp == nullptr)
        return;
    std::memset(rp, 0, sizeof *rp);
    rp->Mask = 0xFF;
    rp->FgPen = 1;
    rp->BgPen = 0;
    rp->AOlPen = 1;
    rp->DrawMode = JAM2;
    rp->LinePtrn = 0xFFFF;
    rp->linpatcnt = 15;
    rp->Flags = FRST_DOT;
    rp->PenWidth = 1;
    rp->PenHeight = 1;
}

/* The pens (0..255; higher bits are dropped) and the drawing mode. */
void SetAPen(struct RastPort *rp, ULONG pen)
{
    if (rp != nullptr)
        rp->FgPen = static_cast<BYTE>(pen);
}

void SetBPen(struct RastPort *rp, ULONG pen)
{
    if (rp != nullptr)
        rp->BgPen = static_cast<BYTE>(pen);
}

void SetOutlinePen(struct RastPort *rp, ULONG pen)
{
    if (rp != nullptr) {
        rp->AOlPen = static_cast<BYTE>(pen);
        rp->Flags |= AREAOUTLINE;
    }
}

void SetDrMd(struct RastPort *rp, ULONG drawMode)
{
    if (rp != nullptr)
        rp->DrawMode = static_cast<BYTE>(drawMode);
}

void SetABPenDrMd(struct RastPort *rp, ULONG frontPen, ULONG backPen, ULONG drawMode)
{
    SetAPen(rp, frontPen);
    SetBPen(rp, backPen);
    SetDrMd(rp, drawMode);
}

ULONG GetAPen(struct RastPort *rp) { return rp != nullptr ? static_cast<UBYTE>(rp->FgPen) : 0; }
ULONG GetBPen(struct RastPort *rp) { return rp != nullptr ? static_cast<UBYTE>(rp->BgPen) : 0; }
ULONG GetOutlinePen(struct RastPort *rp) { return rp != nullptr ? static_cast<UBYTE>(rp->AOlPen) : 0; }
ULONG GetDrMd(struct RastPort *rp) { return rp != nullptr ? static_cast<UBYTE>(rp->DrawMode) : 0; }

/* Selects the planes drawing may change (planar bitmaps only). */
void SetWriteMask(struct RastPort *rp, ULONG mask)
{
    if (rp != nullptr)
        rp->Mask = static_cast<UBYTE>(mask);
}

/* Sets the current position. Where this host differs: cp_x and cp_y are
   WORDs, so positions beyond +-32767 are cut to that range; drawing calls
   that take coordinates are not limited. */
void Move(struct RastPort *rp, LONG x, LONG y)
{
    if (rp == nullptr)
        return;
    auto clamp = [](LONG v) { return static_cast<WORD>(v < -32768 ? -32768 : (v > 32767 ? 32767 : v)); };
    rp->cp_x = clamp(x);
    rp->cp_y = clamp(y);
    rp->linpatcnt = 15;
    rp->Flags |= FRST_DOT;
}
