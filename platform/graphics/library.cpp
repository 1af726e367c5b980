// graphics/library.cpp: the graphics library's base, registered with exec when the library is loaded.
#include <hosted/task.h>
#include <graphics/gfxbase.h>

namespace {

struct Library gGraphicsBase{};

const bool gRegistered = hosted::RegisterLibraryBase(&gGraphicsBase, GRAPHICSNAME, 50, "graphics 50.1 (hosted)");

}  // namespace
