/* graphics/gfxmacros.h: shorthand macros for rastport fields. */
#ifndef GRAPHICS_GFXMACROS_H
#define GRAPHICS_GFXMACROS_H

#include <graphics/rastport.h>

#define SetDrPt(w, p) ((w)->LinePtrn = (p), (w)->Flags |= FRST_DOT, (w)->linpatcnt = 15)
#define SetAfPt(w, p, n) ((w)->AreaPtrn = (p), (w)->AreaPtSz = (n))
#define SetOPen(w, c) ((w)->AOlPen = (BYTE)(c), (w)->Flags |= AREAOUTLINE)
#define SetWrMsk(w, m) ((w)->Mask = (UBYTE)(m))
#define BNDRYOFF(w) ((w)->Flags &= ~AREAOUTLINE)

#endif /* GRAPHICS_GFXMACROS_H */
