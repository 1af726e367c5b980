// workbench/library.cpp: the workbench library's base, registered with exec when the library is loaded.
#include <hosted/task.h>
#include <workbench/workbench.h>

namespace {

struct Library gWorkbenchBase{};

const bool gRegistered = hosted::RegisterLibraryBase(&gWorkbenchBase, WORKBENCHNAME, 50, "workbench 50.1 (hosted)");

}  // namespace
