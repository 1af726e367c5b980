// asl/library.cpp: the asl library's base, registered with exec when the library is loaded.
#include <hosted/task.h>
#include <libraries/asl.h>

namespace {

struct Library gAslBase = [] {
    struct Library base{};
    base.lib_Node.ln_Type = NT_LIBRARY;
    base.lib_Node.ln_Name = const_cast<char *>(AslName);
    base.lib_Version = 50;
    base.lib_IdString = const_cast<char *>("asl 50.1 (hosted)");
    return base;
}();

const bool gRegistered = (hosted::RegisterLibrary(&gAslBase), true);

}  // namespace
