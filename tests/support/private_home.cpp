// Every test program runs with a KESTROVANE_HOME of its own, made before main: no test reads or changes the user's tables.
#include "temp_home.h"

namespace {

// A test that names its own prefix first (a static initialiser of its own)
// keeps it; TestHome hands every later caller the same directory.
[[maybe_unused]] const std::string &gPrivateHome = kvtest::TestHome();

}  // namespace
