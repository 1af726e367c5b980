// A private KESTROVANE_HOME for a test program, so that no test reads or changes the user's own tables.
#ifndef TESTS_SUPPORT_TEMP_HOME_H
#define TESTS_SUPPORT_TEMP_HOME_H

#include <string>

namespace kvtest {

// The test program's KESTROVANE_HOME: made on the first call as a temporary
// directory PREFIX-XXXXXX (see MakeTempDir), put into the environment and
// removed when the program ends. Later calls return the same directory
// whatever their prefix. Call it before the first system call, from a
// static initialiser of the test program:
//     const std::string &gHome = kvtest::TestHome("kv-dos-home");
const std::string &TestHome(const std::string &prefix = "kv-home");

}  // namespace kvtest

#endif  // TESTS_SUPPORT_TEMP_HOME_H
