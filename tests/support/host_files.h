// Host files of the tests: whole files written and read back, drawers made, existence asked.
#ifndef TESTS_SUPPORT_HOST_FILES_H
#define TESTS_SUPPORT_HOST_FILES_H

#include <string>

namespace kvtest {

// Writes `contents` as the whole file (made or truncated).
void WriteHostFile(const std::string &path, const std::string &contents);

// The whole file; "" when it cannot be read.
std::string ReadHostFile(const std::string &path);

// True when something (a link included) is at the path.
bool HostExists(const std::string &path);

// Makes one drawer (mode 0755); an existing one is left as it is.
void MakeHostDrawer(const std::string &path);

// `text` with every `from` replaced by `to` (the replacements are not
// searched again).
std::string ReplaceAll(std::string text, const std::string &from, const std::string &to);

}  // namespace kvtest

#endif  // TESTS_SUPPORT_HOST_FILES_H
