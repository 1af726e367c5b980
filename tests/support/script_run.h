// Running a built program as a child, usually on the headless display under an automation script: its status and what it wrote.
#ifndef TESTS_SUPPORT_SCRIPT_RUN_H
#define TESTS_SUPPORT_SCRIPT_RUN_H

#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

namespace kvtest {

// How to run a program.
struct ProgramRun {
    std::string program;                    // the executable's host path
    std::vector<std::string> arguments;     // after the program's own name
    std::vector<std::string> environment;   // the whole environment, NAME=value
    std::string directory;                  // working directory; "": this process's
    std::string input;                      // file for standard input; "": inherited
    std::string output;                     // file for standard output; "": inherited
    std::string errors;                     // file for standard error; "": inherited
    bool newSession = false;                // a session of its own, without a terminal
    long seconds = 60;                      // then it is killed: a hanging script must not hang the tests
    std::function<void(pid_t)> whileRunning; // called once it started, before waiting for it
};

struct RunResult {
    int status = -1;          // exit status; -1 when it did not end normally or never started
    bool started = false;     // false when the program could not be started
    bool timedOut = false;    // killed after ProgramRun::seconds
    std::string output;       // what it wrote to ProgramRun::output, when that is a file
    std::string errors;       // what it wrote to ProgramRun::errors, when that is a file
};

// The environment of a program run for a test: this process's, without the
// platform's (KESTROVANE_...) and the host display's (DISPLAY,
// WAYLAND_DISPLAY) variables, then KESTROVANE_HOME=home, the test font and
// a 1024x768 default screen. The display itself is the caller's choice.
std::vector<std::string> TestEnvironment(const std::string &home);

// Sets NAME=value in an environment, replacing an entry of that name.
void SetVariable(std::vector<std::string> &environment, const std::string &entry);

// Removes the entry of that name, if any.
void UnsetVariable(std::vector<std::string> &environment, const std::string &name);

// Runs the program and waits for it (see ProgramRun::seconds).
RunResult RunProgram(const ProgramRun &run);

// Waits for a child process, killing it after `seconds`. Its exit status,
// -1 when it did not end normally; `timedOut` tells whether it was killed.
int WaitForChild(pid_t pid, long seconds, bool *timedOut = nullptr);

}  // namespace kvtest

#endif  // TESTS_SUPPORT_SCRIPT_RUN_H
