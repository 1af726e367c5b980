/* graphics/gfxbase.h: the graphics library's name. */
#ifndef GRAPHICS_GFXBASE_H
#define GRAPHICS_GFXBASE_H

#include <exec/libraries.h>

#define GRAPHICSNAME "graphics.library"

#endif /* GRAPHICS_GFXBASE_H */
