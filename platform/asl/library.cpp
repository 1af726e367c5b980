// asl/library.cpp: the asl library's base, registered with exec when the library is loaded.
#include <hosted/task.h>
#include <libraries/asl.h>

namespace {

struct Library gAslBase{};

const bool gRegistered = hosted::RegisterLibraryBase(&gAslBase, AslName, 50, "asl 50.1 (hosted)");

}  // namespace
