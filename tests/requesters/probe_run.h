// Running a small probe program on the headless display under an automation script, for the requesters' tests.
#ifndef TESTS_REQUESTERS_PROBE_RUN_H
#define TESTS_REQUESTERS_PROBE_RUN_H

#include "support/json.h"
#include "support/temp_dir.h"

#include <string>
#include <vector>

namespace reqtest {

struct ProbeResult {
    int status = -1;        // exit status; -1 when the program did not end normally
    std::string output;     // its standard output
    std::string errors;     // its standard error
};

// A temporary directory for one test: the probe's KESTROVANE_HOME, its
// script and what the script writes (dumps, screenshots).
class ProbeWorld {
public:
    ProbeWorld() : dir_("kv-requesters") {}

    const std::string &Dir() const { return dir_.Path(); }
    std::string Path(const std::string &name) const { return dir_.Path(name); }

    // Runs `program` with `arguments` under `script` ("@/" in the script
    // stands for Dir()), on a 1024x768 headless screen with the test font,
    // plus the extra environment entries given. Gives up after 60 s.
    ProbeResult Run(const std::string &program, const std::vector<std::string> &arguments,
                    const std::string &script, const std::vector<std::string> &environment = {}) const;

    // A dump the script wrote (a null value when it cannot be read).
    kvtest::Json Dump(const std::string &name) const;

private:
    kvtest::TempDir dir_;
};

// The first window of a dump with this title (a null value when none).
const kvtest::Json &WindowOf(const kvtest::Json &dump, const std::string &title);

// The labels of a window's gadgets, in the order of its list.
std::vector<std::string> Labels(const kvtest::Json &window);

// The gadget with this label (a null value when none).
const kvtest::Json &GadgetOf(const kvtest::Json &window, const std::string &label);

// The window's "text" lines.
std::vector<std::string> TextLines(const kvtest::Json &window);

}  // namespace reqtest

#endif  // TESTS_REQUESTERS_PROBE_RUN_H
