// The layering rules of the source tree: which system libraries and program parts each directory may include.
#ifndef TESTS_LAYERING_LAYERING_H
#define TESTS_LAYERING_LAYERING_H

#include <string>
#include <vector>

namespace layering {

// What one `#include <...>` names: a system library ("exec", "intuition",
// the platform's own "hosted"), a part of the program ("lister", "ui"), or
// "" for the language's own headers and anything else outside both.
std::string LibraryOf(const std::string &includePath);

// The includes of `text` (a source file of directory `directory`, relative
// to the project's root: "lister", "settings/windows", "platform/dos")
// that its layer may not use, as "LINE: <path>".
std::vector<std::string> Violations(const std::string &directory, const std::string &text);

}  // namespace layering

#endif  // TESTS_LAYERING_LAYERING_H
