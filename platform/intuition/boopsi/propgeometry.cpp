// boopsi/propgeometry.cpp: the arithmetic of prop gadgets: pots and bodies for a position, the knob in its container.
#include "classdata.h"

#include <algorithm>

namespace hosted::boopsi {
namespace {

// The smallest knob that can still be taken hold of.
constexpr LONG kMinKnob = 8;

// Places the knob along one axis of the container.
void PlaceAlong(LONG containerStart, LONG containerSize, UWORD body, UWORD pot, WORD *knobStart, WORD *knobSize,
                LONG *travel)
{
    LONG size = static_cast<LONG>((static_cast<long long>(containerSize) * body + MAXBODY / 2) / MAXBODY);
    size = std::max(size, std::min(kMinKnob, containerSize));
    size = std::min(size, containerSize);
    LONG room = std::max<LONG>(0, containerSize - size);
    LONG offset = static_cast<LONG>((static_cast<long long>(room) * pot + MAXPOT / 2) / MAXPOT);
    *knobStart = static_cast<WORD>(containerStart + offset);
    *knobSize = static_cast<WORD>(size);
    *travel = room;
}

}  // namespace

UWORD BodyFor(ULONG total, ULONG visible)
{
    if (total <= visible || total == 0)
        return MAXBODY;
    return static_cast<UWORD>(static_cast<unsigned long long>(MAXBODY) * visible / total);
}

UWORD PotFor(ULONG total, ULONG visible, ULONG top)
{
    if (total <= visible)
        return 0;
    ULONG range = total - visible;
    top = std::min(top, range);
    return static_cast<UWORD>(static_cast<unsigned long long>(MAXPOT) * top / range);
}

ULONG TopFor(ULONG total, ULONG visible, UWORD pot)
{
    if (total <= visible)
        return 0;
    unsigned long long range = total - visible;
    return static_cast<ULONG>((range * pot + MAXPOT / 2) / MAXPOT);
}

void ComputeKnob(const struct PropInfo *pi, const struct IBox &box, KnobGeometry *geometry)
{
    struct IBox container = box;
    if ((pi->Flags & PROPBORDERLESS) == 0) {
        // A recessed rim and a pixel of air around the knob's track.
        container.Left = static_cast<WORD>(box.Left + 2);
        container.Top = static_cast<WORD>(box.Top + 2);
        container.Width = static_cast<WORD>(std::max(0, box.Width - 4));
        container.Height = static_cast<WORD>(std::max(0, box.Height - 4));
    }
    geometry->container = container;
    geometry->knob = container;
    geometry->travel = 0;
    LONG travel = 0;
    if ((pi->Flags & FREEHORIZ) != 0) {
        PlaceAlong(container.Left, container.Width, pi->HorizBody, pi->HorizPot, &geometry->knob.Left,
                   &geometry->knob.Width, &travel);
        geometry->travel = travel;
    }
    if ((pi->Flags & FREEVERT) != 0) {
        PlaceAlong(container.Top, container.Height, pi->VertBody, pi->VertPot, &geometry->knob.Top,
                   &geometry->knob.Height, &travel);
        geometry->travel = travel;
    }
}

}  // namespace hosted::boopsi
