// lister/scroll.cpp: the scroll arithmetic of the lister window.
#include "scroll.h"

namespace {

ULONG Range(ULONG whole, ULONG visible) { return whole > visible ? whole - visible : 0; }

}  // namespace

void ScrollArrowDown(ListerView &view)
{
    ULONG bottom = Range(view.bitmapHeight, view.visibleHeight);
    if (UQUAD(view.scrollTop) + ScrollArrowStep + view.visibleHeight < view.bitmapHeight)
        view.scrollTop += ScrollArrowStep;
    else
        view.scrollTop = bottom;
}

void ScrollArrowUp(ListerView &view)
{
    view.scrollTop = view.scrollTop > ScrollArrowStep ? view.scrollTop - ScrollArrowStep : 0;
}

void ScrollArrowRight(ListerView &view)
{
    ULONG right = Range(view.bitmapWidth, view.innerWidth);
    if (UQUAD(view.scrollLeft) + ScrollArrowStep + view.innerWidth < view.bitmapWidth)
        view.scrollLeft += ScrollArrowStep;
    else
        view.scrollLeft = right;
}

void ScrollArrowLeft(ListerView &view)
{
    view.scrollLeft = view.scrollLeft > ScrollArrowStep ? view.scrollLeft - ScrollArrowStep : 0;
}

ULONG PotScale(ULONG height)
{
    if (height <= 65535)
        return 10000;
    ULONG scale = 1;
    while (UQUAD(height) * scale * 10 <= 0xFFFFFFFFULL)
        scale *= 10;
    return scale;
}

ULONG VerticalScrollerTotal(const ListerView &view)
{
    return view.bitmapHeight <= 65535 ? view.bitmapHeight : 65535;
}

ULONG VerticalScrollerTop(const ListerView &view)
{
    ULONG h = view.bitmapHeight, t = view.scrollTop;
    if (h <= 65535)
        return t;
    if (t == 0)
        return 0;
    // 65535 × T / H as 65535 × f / (H × f / T), with H × f / T formed in
    // two parts so that every product stays inside 32 bits.
    ULONG f = PotScale(h);
    ULONG divisor = (h / t) * f + ((h % t) * f) / t;
    return divisor != 0 ? 65535 * f / divisor : 65535;
}

void ScrollTopFromPot(ListerView &view, UWORD pot)
{
    view.scrollTop = ULONG(UQUAD(Range(view.bitmapHeight, view.visibleHeight)) * pot / 65535);
}

void ScrollLeftFromPot(ListerView &view, UWORD pot)
{
    view.scrollLeft = ULONG(UQUAD(Range(view.bitmapWidth, view.innerWidth)) * pot / 65535);
}
