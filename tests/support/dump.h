// Reading the automation's dump: windows by title, their gadgets and text lines.
#ifndef TESTS_SUPPORT_DUMP_H
#define TESTS_SUPPORT_DUMP_H

#include "json.h"

#include <string>
#include <vector>

namespace kvtest {

// Reads a dump the script wrote; a test failure (and a null value) when it
// cannot be read or is not JSON.
Json ReadDump(const std::string &path);

// The front-most window of any screen with this title, or nullptr.
const Json *DumpWindow(const Json &dump, const std::string &title);

// The titles of all windows, screen by screen, front to back.
std::vector<std::string> DumpWindowTitles(const Json &dump);

// A window's gadget by its "id" or by its "label", or nullptr.
const Json *DumpGadgetWithId(const Json &window, long id);
const Json *DumpGadgetLabelled(const Json &window, const std::string &label);

// A window's "text" lines.
std::vector<std::string> DumpText(const Json &window);

}  // namespace kvtest

#endif  // TESTS_SUPPORT_DUMP_H
