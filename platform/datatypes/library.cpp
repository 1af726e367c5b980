// datatypes/library.cpp: the datatypes library's base, registered with exec when the library is loaded.
#include <datatypes/datatypes.h>
#include <hosted/task.h>

namespace {

struct Library gDataTypesBase = [] {
    struct Library base{};
    base.lib_Node.ln_Type = NT_LIBRARY;
    base.lib_Node.ln_Name = const_cast<char *>(DATATYPESNAME);
    base.lib_Version = 50;
    base.lib_IdString = const_cast<char *>("datatypes 50.1 (hosted)");
    return base;
}();

const bool gRegistered = (hosted::RegisterLibrary(&gDataTypesBase), true);

}  // namespace
