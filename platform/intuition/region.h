// intuition/region.h: rectangles and lists of disjoint rectangles, for visibility and damage.
#ifndef INTUITION_REGION_H
#define INTUITION_REGION_H

#include <exec/types.h>

#include <vector>

namespace hosted {

// A rectangle from (x0, y0) up to but not including (x1, y1).
struct Box {
    LONG x0 = 0, y0 = 0, x1 = 0, y1 = 0;

    bool Empty() const { return x1 <= x0 || y1 <= y0; }
    LONG Width() const { return x1 - x0; }
    LONG Height() const { return y1 - y0; }
    bool Contains(LONG x, LONG y) const { return x >= x0 && x < x1 && y >= y0 && y < y1; }
    Box Intersect(const Box &o) const;
    bool Overlaps(const Box &o) const { return !Intersect(o).Empty(); }
    bool operator==(const Box &o) const
    {
        return x0 == o.x0 && y0 == o.y0 && x1 == o.x1 && y1 == o.y1;
    }
};

// Makes a box from a position and a size.
inline Box BoxAt(LONG left, LONG top, LONG width, LONG height)
{
    return Box{left, top, left + width, top + height};
}

// A set of pixels kept as disjoint rectangles.
class Region {
public:
    Region() = default;
    explicit Region(const Box &box) { Add(box); }

    const std::vector<Box> &Boxes() const { return boxes_; }
    bool Empty() const { return boxes_.empty(); }
    void Clear() { boxes_.clear(); }

    // Adds the pixels of a box (only those not yet in the region).
    void Add(const Box &box);
    // Removes the pixels of a box.
    void Subtract(const Box &box);
    // Keeps only the pixels inside a box.
    void Clip(const Box &box);
    // The smallest box holding every pixel.
    Box Bounds() const;
    // Number of pixels.
    long long Area() const;
    // Merges boxes into fewer, larger ones (their bounding boxes) until the
    // region has at most `most`. The region can only grow by this, and its
    // boxes may overlap afterwards: use it for damage, where a pixel
    // composed twice does no harm.
    void Simplify(std::size_t most);

private:
    std::vector<Box> boxes_;
};

}  // namespace hosted

#endif  // INTUITION_REGION_H
