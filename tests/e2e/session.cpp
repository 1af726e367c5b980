// End-to-end sessions: a temporary world, running the program in it, reading its dumps and screenshots.
#include "session.h"

#include "support/dump.h"
#include "support/host_files.h"
#include "support/script_run.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace e2e {

namespace fs = std::filesystem;

Session::Session(const std::string &program) : root_("kestrovane-e2e"), program_(program)
{
    if (Root().empty()) {
        std::fprintf(stderr, "cannot make a temporary directory in %s\n", kvtest::TempRoot().c_str());
        std::abort();
    }
    fs::create_directories(Tree());
    fs::create_directories(ProgDir());
    fs::create_directories(Home());
    fs::create_directories(Root() + "/bin");
    const std::string built = std::string(KESTROVANE_BIN_DIR) + "/" + program;
    fs::copy_file(built, ProgDir() + "/" + program);
    fs::permissions(ProgDir() + "/" + program, fs::perms::owner_all);
    // Its help file, and the one it shares with the other programs.
    for (const fs::directory_entry &file : fs::directory_iterator(KESTROVANE_BIN_DIR))
        if (file.path().extension() == ".guide")
            fs::copy_file(file.path(), ProgDir() + "/" + file.path().filename().string());
    kvtest::WriteHostFile(Home() + "/Mountlist", "VOLUME Work: \"" + Tree() + "\"\n");
    std::string viewer = Root() + "/bin/Multiview";
    kvtest::WriteHostFile(viewer, "#!/bin/sh\necho \"$PWD|$*\" >> \"" + Root() + "/viewer.log\"\n");
    fs::permissions(viewer, fs::perms::owner_all);
}

void Session::MakeDrawer(const std::string &relative) const
{
    fs::create_directories(Tree() + "/" + relative);
}

void Session::MakeFile(const std::string &relative, const std::string &content) const
{
    kvtest::WriteHostFile(Tree() + "/" + relative, content);
}

void Session::WriteFileBytes(const std::string &path, const std::vector<uint8_t> &bytes) const
{
    kvtest::WriteHostFile(path, std::string(bytes.begin(), bytes.end()));
}

std::vector<uint8_t> Session::ReadFileBytes(const std::string &path) const
{
    std::string text = kvtest::ReadHostFile(path);
    return std::vector<uint8_t>(text.begin(), text.end());
}

RunResult Session::Run(const std::string &script, const std::vector<std::string> &arguments,
                       const std::string &directory, const std::vector<std::string> &environment,
                       const std::function<void(long)> &whileRunning) const
{
    std::string scriptPath = Root() + "/script.txt";
    kvtest::WriteHostFile(scriptPath, kvtest::ReplaceAll(script, "@", Root()));
    kvtest::ProgramRun run;
    run.program = ProgDir() + "/" + program_;
    run.arguments = arguments;
    run.directory = directory.empty() ? Tree() : directory;
    run.errors = Root() + "/stderr.txt";
    run.environment = kvtest::TestEnvironment(Home());
    kvtest::SetVariable(run.environment, "KESTROVANE_DISPLAY=headless");
    kvtest::SetVariable(run.environment, "KESTROVANE_SCRIPT=" + scriptPath);
    kvtest::UnsetVariable(run.environment, "XDG_RUNTIME_DIR");
    const char *path = std::getenv("PATH");
    kvtest::SetVariable(run.environment, "PATH=" + Root() + "/bin:" + (path != nullptr ? path : "/usr/bin:/bin"));
    for (const std::string &assignment : environment)
        kvtest::SetVariable(run.environment, assignment);
    if (whileRunning)
        run.whileRunning = [&](pid_t pid) { whileRunning(long(pid)); };
    kvtest::RunResult done = kvtest::RunProgram(run);
    RunResult result;
    result.status = done.status;
    if (!done.started)
        result.errors = "could not start " + run.program + " in " + run.directory + "\n";
    if (done.timedOut)
        result.errors = "killed after 60 s\n";
    result.errors += done.errors;
    return result;
}

WindowInfo Session::WindowAtStart(const std::string &title, const std::vector<std::string> &arguments) const
{
    Run("wait-idle\ndump @/geometry.json\n", arguments);
    return FindWindow(Dump("geometry.json"), title);
}

Json Session::Dump(const std::string &name) const
{
    return kvtest::ParseJson(kvtest::ReadHostFile(Root() + "/" + name));
}

Png Session::Shot(const std::string &name) const
{
    Png png;
    ReadPng(Root() + "/" + name, png);
    return png;
}

std::string Session::ViewerLog() const
{
    return kvtest::ReadHostFile(Root() + "/viewer.log");
}

const Json *WindowInfo::Gadget(long id) const
{
    return kvtest::DumpGadgetWithId(json, id);
}

const Json *WindowInfo::MenuItem(const std::string &menu, const std::string &item) const
{
    for (const Json &m : json["menus"].array)
        if (m["title"].string == menu)
            for (const Json &i : m["items"].array)
                if (i["text"].string == item)
                    return &i;
    return nullptr;
}

std::vector<std::string> WindowInfo::MenuTexts(const std::string &menu) const
{
    std::vector<std::string> texts;
    for (const Json &m : json["menus"].array)
        if (m["title"].string == menu)
            for (const Json &i : m["items"].array)
                texts.push_back(i["text"].string);
    return texts;
}

WindowInfo FindWindow(const Json &dump, const std::string &title)
{
    WindowInfo info;
    const Json *window = kvtest::DumpWindow(dump, title);
    if (window == nullptr)
        return info;
    const Json &w = *window;
    info.found = true;
    info.title = title;
    info.left = w["left"].Int();
    info.top = w["top"].Int();
    info.width = w["width"].Int();
    info.height = w["height"].Int();
    info.borderLeft = w["borders"][0].Int();
    info.borderTop = w["borders"][1].Int();
    info.borderRight = w["borders"][2].Int();
    info.borderBottom = w["borders"][3].Int();
    info.active = w["active"].boolean;
    info.json = w;
    return info;
}

std::vector<std::string> WindowTitles(const Json &dump)
{
    return kvtest::DumpWindowTitles(dump);
}

}  // namespace e2e

namespace e2e {

namespace {

// A script argument: in double quotes when it holds a blank or a quote
// (the grammar has no escapes, so a quote cannot be given).
std::string Argument(const std::string &text)
{
    if (!text.empty() && text.find_first_of(" \t\"") == std::string::npos)
        return text;
    return "\"" + text + "\"";
}

}  // namespace

Script &Script::Line(const std::string &line)
{
    text_ += line + "\n";
    return *this;
}

Script &Script::WaitIdle() { return Line("wait-idle"); }
Script &Script::Click(long x, long y) { return Line("click " + std::to_string(x) + " " + std::to_string(y)); }
Script &Script::DoubleClick(long x, long y)
{
    return Line("double-click " + std::to_string(x) + " " + std::to_string(y));
}
Script &Script::Menu(const std::string &menu, const std::string &item, const std::string &sub)
{
    return Line("menu " + Argument(menu) + " " + Argument(item) + (sub.empty() ? "" : " " + Argument(sub)));
}
Script &Script::Gadget(const std::string &window, const std::string &label)
{
    return Line("gadget " + Argument(window) + " " + Argument(label));
}
Script &Script::Close(const std::string &window) { return Line("close " + Argument(window)); }
Script &Script::Type(const std::string &text) { return Line("type \"" + text + "\""); }
Script &Script::Key(const std::string &name) { return Line("key " + name); }
Script &Script::ExpectWindow(const std::string &title, long milliseconds)
{
    return Line("expect-window \"" + title + "\"" + (milliseconds > 0 ? " " + std::to_string(milliseconds) : ""));
}
Script &Script::ExpectNoWindow(const std::string &title, long milliseconds)
{
    return Line("expect-no-window \"" + title + "\"" + (milliseconds > 0 ? " " + std::to_string(milliseconds) : ""));
}
Script &Script::Dump(const std::string &name) { return Line("dump @/" + name); }
Script &Script::Screenshot(const std::string &name) { return Line("screenshot @/" + name); }

}  // namespace e2e
