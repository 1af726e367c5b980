// intuition/stacking.cpp: the order of a screen's windows and the parts of each that can be seen.
#include "state.h"

namespace hosted {

namespace {

Box WindowBox(const WindowRecord *w)
{
    return BoxAt(w->window.LeftEdge, w->window.TopEdge, w->window.Width, w->window.Height);
}

bool IsBackdrop(const WindowRecord *w)
{
    return (w->window.Flags & WFLG_BACKDROP) != 0;
}

}  // namespace

void RestackScreen(ScreenRecord *s)
{
    const Box screenBox = BoxAt(0, 0, s->screen.Width, s->screen.Height);
    const Box bar = ScreenBarBox(s);
    Region covered;
    s->backgroundVisible.Clear();
    bool barDone = !s->showTitle;
    auto placeBar = [&] {
        Region barRegion(bar.Intersect(screenBox));
        for (const Box &b : covered.Boxes())
            barRegion.Subtract(b);
        for (const Box &b : barRegion.Boxes())
            s->backgroundVisible.Add(b);
        covered.Add(bar);
        barDone = true;
    };
    for (WindowRecord *w : s->windows) {
        if (!barDone && IsBackdrop(w))
            placeBar();
        Box box = WindowBox(w).Intersect(screenBox);
        w->visible = Region(box);
        for (const Box &b : covered.Boxes())
            w->visible.Subtract(b);
        covered.Add(box);
    }
    if (!barDone)
        placeBar();
    Region rest(screenBox);
    for (const Box &b : covered.Boxes())
        rest.Subtract(b);
    for (const Box &b : rest.Boxes())
        s->backgroundVisible.Add(b);

    // The links programs and graphics read.
    struct Window *next = nullptr;
    struct Layer *behind = nullptr;
    for (auto it = s->windows.rbegin(); it != s->windows.rend(); ++it) {
        (*it)->window.NextWindow = next;
        next = &(*it)->window;
        (*it)->layer.back = behind;
        (*it)->layer.front = nullptr;
        if (behind != nullptr)
            behind->front = &(*it)->layer;
        behind = &(*it)->layer;
    }
    s->screen.FirstWindow = next;
    s->screen.LayerInfo.top_layer = behind;
}

WindowRecord *WindowAt(ScreenRecord *s, LONG x, LONG y)
{
    for (WindowRecord *w : s->windows) {
        if (!WindowBox(w).Contains(x, y))
            continue;
        if (IsBackdrop(w) && s->showTitle && ScreenBarBox(s).Contains(x, y))
            return nullptr;
        return w;
    }
    return nullptr;
}

bool ScreenBarAt(ScreenRecord *s, LONG x, LONG y)
{
    if (!ScreenBarBox(s).Contains(x, y))
        return false;
    for (const Box &b : s->backgroundVisible.Boxes()) {
        if (b.Contains(x, y))
            return true;
    }
    return false;
}

}  // namespace hosted
