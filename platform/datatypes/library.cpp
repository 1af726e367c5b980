// datatypes/library.cpp: the datatypes library's base, registered with exec when the library is loaded.
#include <datatypes/datatypes.h>
#include <hosted/task.h>

namespace {

struct Library gDataTypesBase{};

const bool gRegistered = hosted::RegisterLibraryBase(&gDataTypesBase, DATATYPESNAME, 50, "datatypes 50.1 (hosted)");

}  // namespace
