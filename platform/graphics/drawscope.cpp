// graphics/drawscope.cpp: the clip and damage scope of a drawing call, and intuition's layer hooks.
#include <hosted/drawing.h>
#include <graphics/layers.h>

#include <atomic>

namespace hosted {
namespace {

// Hooks are installed once at intuition's start; readers load them atomically.
std::atomic<void (*)(struct Layer *, struct BitMap *)> gLock{nullptr};
std::atomic<void (*)(struct Layer *, struct BitMap *)> gUnlock{nullptr};
std::atomic<void (*)(struct Layer *, struct BitMap *, const struct Rect32 *)> gDamage{nullptr};

}  // namespace

void SetLayerHooks(const LayerHooks &hooks)
{
    gLock = hooks.lock;
    gUnlock = hooks.unlock;
    gDamage = hooks.damage;
}

DrawScope::DrawScope(struct RastPort *rp)
{
    if (rp == nullptr || rp->BitMap == nullptr)
        return;
    bitMap = rp->BitMap;
    layer = rp->Layer;
    Open();
}

DrawScope::DrawScope(struct BitMap *target)
{
    if (target == nullptr)
        return;
    bitMap = target;
    Open();
}

void DrawScope::Open()
{
    chunky = ChunkyOf(bitMap);
    hooked = layer != nullptr || (chunky != nullptr && chunky->watched);
    if (hooked) {
        if (auto lock = gLock.load())
            lock(layer, bitMap);
    }
    // Sizes are read under the lock: intuition may resize a backing store.
    if (chunky != nullptr) {
        width = chunky->width;
        height = chunky->height;
    } else {
        width = PlanarWidth(bitMap);
        height = bitMap->Rows;
    }
    if (layer != nullptr) {
        LONG layerWidth = static_cast<LONG>(layer->bounds.MaxX) - layer->bounds.MinX + 1;
        LONG layerHeight = static_cast<LONG>(layer->bounds.MaxY) - layer->bounds.MinY + 1;
        if (layerWidth < width)
            width = layerWidth < 0 ? 0 : layerWidth;
        if (layerHeight < height)
            height = layerHeight < 0 ? 0 : layerHeight;
    }
}

DrawScope::~DrawScope()
{
    if (!hooked)
        return;
    if (damaged) {
        if (auto report = gDamage.load())
            report(layer, bitMap, &damage);
    }
    if (auto unlock = gUnlock.load())
        unlock(layer, bitMap);
}

bool DrawScope::Clip(struct Rect32 &r) const
{
    if (bitMap == nullptr)
        return false;
    if (r.MinX < 0)
        r.MinX = 0;
    if (r.MinY < 0)
        r.MinY = 0;
    if (r.MaxX >= width)
        r.MaxX = width - 1;
    if (r.MaxY >= height)
        r.MaxY = height - 1;
    return r.MinX <= r.MaxX && r.MinY <= r.MaxY;
}

void DrawScope::Damage(LONG minX, LONG minY, LONG maxX, LONG maxY)
{
    if (minX > maxX || minY > maxY)
        return;
    if (!damaged) {
        damage = {minX, minY, maxX, maxY};
        damaged = true;
        return;
    }
    if (minX < damage.MinX)
        damage.MinX = minX;
    if (minY < damage.MinY)
        damage.MinY = minY;
    if (maxX > damage.MaxX)
        damage.MaxX = maxX;
    if (maxY > damage.MaxY)
        damage.MaxY = maxY;
}

}  // namespace hosted
