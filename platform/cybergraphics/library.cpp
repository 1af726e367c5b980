// cybergraphics/library.cpp: the cybergraphics library's base, registered with exec when the library is loaded.
#include <hosted/task.h>
#include <cybergraphx/cybergraphics.h>

namespace {

struct Library gCyberGfxBase = [] {
    struct Library base{};
    base.lib_Node.ln_Type = NT_LIBRARY;
    base.lib_Node.ln_Name = const_cast<char *>(CYBERGFXNAME);
    base.lib_Version = 50;
    base.lib_IdString = const_cast<char *>("cybergraphics 50.1 (hosted)");
    return base;
}();

const bool gRegistered = (hosted::RegisterLibrary(&gCyberGfxBase), true);

}  // namespace
