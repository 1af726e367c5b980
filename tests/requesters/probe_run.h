// Running a small probe program on the headless display under an automation script, for the requesters' tests.
#ifndef TESTS_REQUESTERS_PROBE_RUN_H
#define TESTS_REQUESTERS_PROBE_RUN_H

#include "../e2e/json.h"

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
    ProbeWorld();
    ~ProbeWorld();
    ProbeWorld(const ProbeWorld &) = delete;
    ProbeWorld &operator=(const ProbeWorld &) = delete;

    const std::string &Dir() const { return dir_; }
    std::string Path(const std::string &name) const { return dir_ + "/" + name; }

    // Runs `program` with `arguments` under `script` ("@/" in the script
    // stands for Dir()), on a 1024x768 headless screen with the test font,
    // plus the extra environment entries given. Gives up after 60 s.
    ProbeResult Run(const std::string &program, const std::vector<std::string> &arguments,
                    const std::string &script, const std::vector<std::string> &environment = {}) const;

    // A dump the script wrote (a null value when it cannot be read).
    e2e::Json Dump(const std::string &name) const;

private:
    std::string dir_;
};

// The first window of a dump with this title (a null value when none).
const e2e::Json &WindowOf(const e2e::Json &dump, const std::string &title);

// The labels of a window's gadgets, in the order of its list.
std::vector<std::string> Labels(const e2e::Json &window);

// The gadget with this label (a null value when none).
const e2e::Json &GadgetOf(const e2e::Json &window, const std::string &label);

// The window's "text" lines.
std::vector<std::string> TextLines(const e2e::Json &window);

}  // namespace reqtest

#endif  // TESTS_REQUESTERS_PROBE_RUN_H
