// intuition/region.cpp: rectangle arithmetic for the compositor: adding, cutting and clipping regions.
#include "region.h"

#include <algorithm>

namespace hosted {

Box Box::Intersect(const Box &o) const
{
    Box r{std::max(x0, o.x0), std::max(y0, o.y0), std::min(x1, o.x1), std::min(y1, o.y1)};
    if (r.Empty())
        return Box{};
    return r;
}

namespace {

// Appends the parts of `box` outside `cut` (at most four boxes).
void AppendOutside(const Box &box, const Box &cut, std::vector<Box> &out)
{
    Box inner = box.Intersect(cut);
    if (inner.Empty()) {
        out.push_back(box);
        return;
    }
    if (box.y0 < inner.y0)
        out.push_back(Box{box.x0, box.y0, box.x1, inner.y0});
    if (inner.y1 < box.y1)
        out.push_back(Box{box.x0, inner.y1, box.x1, box.y1});
    if (box.x0 < inner.x0)
        out.push_back(Box{box.x0, inner.y0, inner.x0, inner.y1});
    if (inner.x1 < box.x1)
        out.push_back(Box{inner.x1, inner.y0, box.x1, inner.y1});
}

}  // namespace

void Region::Add(const Box &box)
{
    if (box.Empty())
        return;
    std::vector<Box> pieces{box};
    for (const Box &have : boxes_) {
        std::vector<Box> rest;
        for (const Box &piece : pieces)
            AppendOutside(piece, have, rest);
        pieces.swap(rest);
        if (pieces.empty())
            return;
    }
    boxes_.insert(boxes_.end(), pieces.begin(), pieces.end());
}

void Region::Subtract(const Box &box)
{
    if (box.Empty())
        return;
    std::vector<Box> rest;
    rest.reserve(boxes_.size() + 4);
    for (const Box &have : boxes_)
        AppendOutside(have, box, rest);
    boxes_.swap(rest);
}

void Region::Clip(const Box &box)
{
    std::vector<Box> kept;
    for (const Box &have : boxes_) {
        Box inner = have.Intersect(box);
        if (!inner.Empty())
            kept.push_back(inner);
    }
    boxes_.swap(kept);
}

Box Region::Bounds() const
{
    if (boxes_.empty())
        return Box{};
    Box b = boxes_[0];
    for (const Box &have : boxes_) {
        b.x0 = std::min(b.x0, have.x0);
        b.y0 = std::min(b.y0, have.y0);
        b.x1 = std::max(b.x1, have.x1);
        b.y1 = std::max(b.y1, have.y1);
    }
    return b;
}

long long Region::Area() const
{
    long long area = 0;
    for (const Box &have : boxes_)
        area += static_cast<long long>(have.Width()) * have.Height();
    return area;
}

void Region::Simplify(std::size_t most)
{
    if (boxes_.size() <= most)
        return;
    // Merge the pair whose bounding box wastes the fewest pixels until the
    // region is small enough. Regions stay small, so the quadratic search
    // costs little next to composing the pixels.
    while (boxes_.size() > most) {
        std::size_t bestA = 0, bestB = 1;
        long long bestWaste = 0;
        bool found = false;
        for (std::size_t a = 0; a < boxes_.size(); a++) {
            for (std::size_t b = a + 1; b < boxes_.size(); b++) {
                const Box &p = boxes_[a];
                const Box &q = boxes_[b];
                Box u{std::min(p.x0, q.x0), std::min(p.y0, q.y0), std::max(p.x1, q.x1), std::max(p.y1, q.y1)};
                long long waste = static_cast<long long>(u.Width()) * u.Height() -
                                  static_cast<long long>(p.Width()) * p.Height() -
                                  static_cast<long long>(q.Width()) * q.Height();
                if (!found || waste < bestWaste) {
                    found = true;
                    bestWaste = waste;
                    bestA = a;
                    bestB = b;
                }
            }
        }
        const Box p = boxes_[bestA];
        const Box q = boxes_[bestB];
        Box u{std::min(p.x0, q.x0), std::min(p.y0, q.y0), std::max(p.x1, q.x1), std::max(p.y1, q.y1)};
        boxes_.erase(boxes_.begin() + static_cast<long>(bestB));
        boxes_.erase(boxes_.begin() + static_cast<long>(bestA));
        boxes_.erase(std::remove_if(boxes_.begin(), boxes_.end(),
                                    [&](const Box &b) { return b.Intersect(u) == b; }),
                     boxes_.end());
        boxes_.push_back(u);
    }
}

}  // namespace hosted
