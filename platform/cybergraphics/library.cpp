// cybergraphics/library.cpp: the cybergraphics library's base, registered with exec when the library is loaded.
#include <hosted/task.h>
#include <cybergraphx/cybergraphics.h>

namespace {

struct Library gCyberGfxBase{};

const bool gRegistered = hosted::RegisterLibraryBase(&gCyberGfxBase, CYBERGFXNAME, 50, "cybergraphics 50.1 (hosted)");

}  // namespace
