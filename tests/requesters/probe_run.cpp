// Running a small probe program on the headless display under an automation script, for the requesters' tests.
#include "probe_run.h"

#include "support/dump.h"
#include "support/host_files.h"
#include "support/script_run.h"

#include <gtest/gtest.h>

namespace reqtest {

namespace {

// "@/" in scripts, arguments and environment entries stands for the world's directory.
std::string Expand(const std::string &text, const std::string &dir)
{
    return kvtest::ReplaceAll(text, "@/", dir + "/");
}

const kvtest::Json &None()
{
    static const kvtest::Json none;
    return none;
}

}  // namespace

ProbeResult ProbeWorld::Run(const std::string &program, const std::vector<std::string> &arguments,
                            const std::string &script, const std::vector<std::string> &environment) const
{
    if (Dir().empty()) {
        ADD_FAILURE() << "no temporary directory for " << program;
        return ProbeResult();
    }
    kvtest::WriteHostFile(Path("script"), Expand(script, Dir()));
    kvtest::ProgramRun run;
    run.program = program;
    for (const std::string &a : arguments)
        run.arguments.push_back(Expand(a, Dir()));
    run.environment = kvtest::TestEnvironment(Dir());
    kvtest::SetVariable(run.environment, "KESTROVANE_DISPLAY=headless");
    kvtest::SetVariable(run.environment, "KESTROVANE_SCRIPT=" + Path("script"));
    for (const std::string &e : environment)
        kvtest::SetVariable(run.environment, Expand(e, Dir()));
    run.output = Path("stdout");
    run.errors = Path("stderr");
    kvtest::RunResult done = kvtest::RunProgram(run);
    EXPECT_TRUE(done.started) << program;
    if (done.timedOut)
        ADD_FAILURE() << program << " did not end";
    ProbeResult result;
    result.status = done.status;
    result.output = done.output;
    result.errors = done.errors;
    return result;
}

kvtest::Json ProbeWorld::Dump(const std::string &name) const
{
    return kvtest::ReadDump(Path(name));
}

const kvtest::Json &WindowOf(const kvtest::Json &dump, const std::string &title)
{
    const kvtest::Json *window = kvtest::DumpWindow(dump, title);
    return window != nullptr ? *window : None();
}

std::vector<std::string> Labels(const kvtest::Json &window)
{
    std::vector<std::string> labels;
    for (const kvtest::Json &gadget : window["gadgets"].array)
        labels.push_back(gadget["label"].string);
    return labels;
}

const kvtest::Json &GadgetOf(const kvtest::Json &window, const std::string &label)
{
    const kvtest::Json *gadget = kvtest::DumpGadgetLabelled(window, label);
    return gadget != nullptr ? *gadget : None();
}

std::vector<std::string> TextLines(const kvtest::Json &window)
{
    return kvtest::DumpText(window);
}

}  // namespace reqtest
