// graphics/library.cpp: the graphics library's base, registered with exec when the library is loaded.
#include <hosted/task.h>
#include <graphics/gfxbase.h>

namespace {

struct Library gGraphicsBase = [] {
    struct Library base{};
    base.lib_Node.ln_Type = NT_LIBRARY;
    base.lib_Node.ln_Name = const_cast<char *>(GRAPHICSNAME);
    base.lib_Version = 50;
    base.lib_IdString = const_cast<char *>("graphics 50.1 (hosted)");
    return base;
}();

const bool gRegistered = (hosted::RegisterLibrary(&gGraphicsBase), true);

}  // namespace
