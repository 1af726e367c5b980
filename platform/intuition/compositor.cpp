// intuition/compositor.cpp: composing the front screen from the windows' backing stores, only where something changed.
#include "state.h"

#include <proto/exec.h>

#include <algorithm>
#include <cstring>

namespace hosted {

namespace {

struct Overlay {
    Box box;
    const ULONG *pixels = nullptr;
    LONG stride = 0;   // in pixels
};

Overlay gOverlays[kOverlaySlots];
Box gOutline;

// Copies the part `area` (screen coordinates) of a chunky bitmap whose
// pixel (0,0) lies at (originX, originY) on the screen.
void CopyFrom(ScreenRecord *s, const Box &area, const struct BitMap *bitMap, LONG originX, LONG originY)
{
    const ChunkyBitMap *chunky = ChunkyOf(bitMap);
    if (chunky == nullptr || area.Empty())
        return;
    Box source = area.Intersect(BoxAt(originX, originY, chunky->width, chunky->height));
    if (source.Empty())
        return;
    const LONG width = s->screen.Width;
    const std::size_t bytes = static_cast<std::size_t>(source.Width()) * 4;
    for (LONG y = source.y0; y < source.y1; y++) {
        const UBYTE *from = chunky->pixels + static_cast<std::size_t>(y - originY) * chunky->bytesPerRow +
                            static_cast<std::size_t>(source.x0 - originX) * 4;
        std::memcpy(&s->frame[static_cast<std::size_t>(y) * width + source.x0], from, bytes);
    }
}

void CopyOverlay(ScreenRecord *s, const Box &area, const Overlay &o)
{
    Box part = area.Intersect(o.box);
    if (part.Empty())
        return;
    const LONG width = s->screen.Width;
    for (LONG y = part.y0; y < part.y1; y++) {
        const ULONG *from = o.pixels + static_cast<std::size_t>(y - o.box.y0) * o.stride + (part.x0 - o.box.x0);
        std::memcpy(&s->frame[static_cast<std::size_t>(y) * width + part.x0], from,
                    static_cast<std::size_t>(part.Width()) * 4);
    }
}

void Invert(ScreenRecord *s, const Box &area)
{
    const LONG width = s->screen.Width;
    for (LONG y = area.y0; y < area.y1; y++) {
        ULONG *row = &s->frame[static_cast<std::size_t>(y) * width];
        for (LONG x = area.x0; x < area.x1; x++)
            row[x] ^= 0x00FFFFFF;
    }
}

// The two-pixel frame of the sizing outline, as four boxes.
void OutlineEdges(const Box &b, Box edges[4])
{
    edges[0] = Box{b.x0, b.y0, b.x1, std::min(b.y0 + 2, b.y1)};
    edges[1] = Box{b.x0, std::max(b.y1 - 2, b.y0), b.x1, b.y1};
    edges[2] = Box{b.x0, b.y0 + 2, std::min(b.x0 + 2, b.x1), b.y1 - 2};
    edges[3] = Box{std::max(b.x1 - 2, b.x0), b.y0 + 2, b.x1, b.y1 - 2};
}

void ComposeBox(ScreenRecord *s, const Box &area)
{
    for (WindowRecord *w : s->windows) {
        for (const Box &v : w->visible.Boxes())
            CopyFrom(s, v.Intersect(area), w->backing, w->window.LeftEdge, w->window.TopEdge);
    }
    for (const Box &v : s->backgroundVisible.Boxes())
        CopyFrom(s, v.Intersect(area), s->background, 0, 0);
    for (const Overlay &o : gOverlays) {
        if (o.pixels != nullptr)
            CopyOverlay(s, area, o);
    }
    if (!gOutline.Empty()) {
        Box edges[4];
        OutlineEdges(gOutline, edges);
        for (const Box &e : edges)
            Invert(s, e.Intersect(area));
    }
    if (State().beeping)
        Invert(s, ScreenBarBox(s).Intersect(area));
}

void DamageOutline(const Box &b)
{
    ScreenRecord *s = FrontScreen();
    if (s == nullptr || b.Empty())
        return;
    Box edges[4];
    OutlineEdges(b, edges);
    for (const Box &e : edges)
        DamageScreen(s, e);
}

}  // namespace

void DamageScreen(ScreenRecord *s, const Box &box)
{
    Box area = box.Intersect(BoxAt(0, 0, s->screen.Width, s->screen.Height));
    if (area.Empty())
        return;
    s->damage.Add(area);
    if (s->damage.Boxes().size() > 96)
        s->damage.Simplify(32);
    if (s == FrontScreen())
        RequestCompose();
}

void DamageWindow(WindowRecord *w, const Box &box)
{
    Box area = box.Intersect(BoxAt(0, 0, w->window.Width, w->window.Height));
    if (area.Empty())
        return;
    DamageScreen(w->screen, Box{area.x0 + w->window.LeftEdge, area.y0 + w->window.TopEdge,
                                area.x1 + w->window.LeftEdge, area.y1 + w->window.TopEdge});
}

void RequestCompose()
{
    IntuitionState &st = State();
    if (st.inputTask == nullptr || st.composeRequested.exchange(true))
        return;
    Signal(&st.inputTask->process.pr_Task, st.composeSignal);
}

void ComposeFront()
{
    IntuitionState &st = State();
    st.composeRequested.store(false);
    ScreenRecord *s = FrontScreen();
    if (s == nullptr || s->damage.Empty())
        return;
    std::vector<DisplayRect> rects;
    {
        std::lock_guard<std::mutex> frame(FrameLock());
        for (const Box &b : s->damage.Boxes()) {
            ComposeBox(s, b);
            rects.push_back(DisplayRect{b.x0, b.y0, b.Width(), b.Height()});
        }
        s->damage.Clear();
    }
    Backend().Present(rects.data(), rects.size());
}

void ShowFrontScreen()
{
    ScreenRecord *s = FrontScreen();
    if (s == nullptr)
        return;
    RestackScreen(s);
    {
        std::lock_guard<std::mutex> frame(FrameLock());
        s->damage.Clear();
        s->damage.Add(BoxAt(0, 0, s->screen.Width, s->screen.Height));
        ComposeBox(s, BoxAt(0, 0, s->screen.Width, s->screen.Height));
        s->damage.Clear();
    }
    Backend().Show(reinterpret_cast<const UBYTE *>(s->frame.data()), s->screen.Width, s->screen.Height,
                   s->screen.Width * 4);
    InputState &in = State().input;
    in.x = std::min<LONG>(in.x, s->screen.Width - 1);
    in.y = std::min<LONG>(in.y, s->screen.Height - 1);
    SetPointerOnWindows(s);
}

void SetOutline(const Box &box)
{
    if (box == gOutline)
        return;
    DamageOutline(gOutline);
    gOutline = box;
    DamageOutline(gOutline);
}

void SetOverlay(int slot, const Box &box, const ULONG *pixels, LONG stride)
{
    if (slot < 0 || slot >= kOverlaySlots)
        return;
    Overlay &o = gOverlays[slot];
    ScreenRecord *s = FrontScreen();
    if (s != nullptr && o.pixels != nullptr)
        DamageScreen(s, o.box);
    o.box = pixels != nullptr ? box : Box{};
    o.pixels = pixels;
    o.stride = stride;
    if (s != nullptr && pixels != nullptr)
        DamageScreen(s, box);
}

void FlushDisplay()
{
    StartIntuition();
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    ComposeFront();
}

FrameView FrontFrame()
{
    StartIntuition();
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    FrameView view;
    ScreenRecord *s = FrontScreen();
    if (s == nullptr)
        return view;
    view.pixels = reinterpret_cast<const UBYTE *>(s->frame.data());
    view.width = s->screen.Width;
    view.height = s->screen.Height;
    view.bytesPerRow = s->screen.Width * 4;
    return view;
}

ULONG FramePixel(LONG x, LONG y)
{
    FlushDisplay();
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    ScreenRecord *s = FrontScreen();
    if (s == nullptr || x < 0 || y < 0 || x >= s->screen.Width || y >= s->screen.Height)
        return 0;
    return s->frame[static_cast<std::size_t>(y) * s->screen.Width + x] & 0x00FFFFFF;
}

void InstallLayerHooks()
{
    LayerHooks hooks;
    hooks.lock = [](struct Layer *, struct BitMap *) { IntuitionLock().lock(); };
    hooks.unlock = [](struct Layer *, struct BitMap *) { IntuitionLock().unlock(); };
    hooks.damage = [](struct Layer *layer, struct BitMap *bitMap, const struct Rect32 *rect) {
        Box box{rect->MinX, rect->MinY, rect->MaxX + 1, rect->MaxY + 1};
        if (layer != nullptr) {
            if (WindowRecord *w = WindowOf(static_cast<struct Window *>(layer->Window)))
                DamageWindow(w, box);
            return;
        }
        for (ScreenRecord *s : State().screens) {
            if (s->background == bitMap)
                DamageScreen(s, box);
        }
    };
    SetLayerHooks(hooks);
}

}  // namespace hosted
