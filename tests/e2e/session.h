// End-to-end tests: a built program run in a temporary world (drawers, PROGDIR, home) on the headless display.
#ifndef TESTS_E2E_SESSION_H
#define TESTS_E2E_SESSION_H

#include "support/json.h"
#include "support/png_reader.h"
#include "support/temp_dir.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace e2e {

// The deterministic test font: 12 rows, 8 pixels nominal width; the status
// line is 12 + 12 / 4 rows.
constexpr long FontHeight = 12;
constexpr long FontWidth = 8;
constexpr long StatusHeight = 15;

using kvtest::Json;
using kvtest::Png;
using kvtest::ReadPng;

struct RunResult {
    int status = -1;       // the exit status, -1 when the program did not end normally
    std::string errors;    // what it wrote to its standard error
};

// A window of a dump, with what the tests need of it.
struct WindowInfo {
    bool found = false;
    std::string title;
    long left = 0, top = 0, width = 0, height = 0;
    long borderLeft = 0, borderTop = 0, borderRight = 0, borderBottom = 0;
    bool active = false;
    Json json;

    long InnerLeft() const { return left + borderLeft; }
    long InnerTop() const { return top + borderTop; }
    long InnerWidth() const { return width - borderLeft - borderRight; }
    long InnerHeight() const { return height - borderTop - borderBottom; }
    long ListTop() const { return InnerTop() + StatusHeight; }
    // The screen row in the middle of list line `row` (ScrollTop 0).
    long RowY(long row) const { return ListTop() + row * FontHeight + FontHeight / 2; }
    const Json *Gadget(long id) const;
    const Json *MenuItem(const std::string &menu, const std::string &item) const;
    std::vector<std::string> MenuTexts(const std::string &menu) const;
};

// A temporary world: `Tree()` is the volume "Work:" (a VOLUME line of the
// platform's Mountlist in the session's own home), `ProgDir()` holds a copy
// of the program and its help file, and `bin/Multiview` stands in for the
// viewer: it writes its current directory and arguments to ViewerLog().
class Session {
public:
    // A world for `program`, one of the programs the build makes
    // ("Kestrovane", "KestrovaneBMBGRA", "DoubleKestrovane"): it and its help
    // file are copied into ProgDir().
    explicit Session(const std::string &program = "Kestrovane");
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    const std::string &Root() const { return root_.Path(); }
    std::string Tree() const { return root_.Path("tree"); }
    std::string ProgDir() const { return root_.Path("prog"); }
    std::string Home() const { return root_.Path("home"); }

    void MakeDrawer(const std::string &relative) const;
    void MakeFile(const std::string &relative, const std::string &content) const;
    void WriteFileBytes(const std::string &path, const std::vector<uint8_t> &bytes) const;
    std::vector<uint8_t> ReadFileBytes(const std::string &path) const;

    // Runs the program on the headless 1024x768 screen with the test font
    // and `script` (a line "@" in it stands for Root()), its arguments given
    // as on a host command line, in `directory` (default: Tree()).
    RunResult Run(const std::string &script, const std::vector<std::string> &arguments,
                  const std::string &directory = std::string(),
                  const std::vector<std::string> &environment = std::vector<std::string>(),
                  const std::function<void(long)> &whileRunning = nullptr) const;

    // Starts the program with `arguments`, lets it settle and gives the
    // window titled `title` as it then stands (found false when there is none).
    WindowInfo WindowAtStart(const std::string &title, const std::vector<std::string> &arguments) const;

    // A dump or screenshot the script wrote into Root().
    Json Dump(const std::string &name) const;
    Png Shot(const std::string &name) const;
    std::string ViewerLog() const;

private:
    kvtest::TempDir root_;
    std::string program_;
};

// An automation script built a command at a time, each argument quoted as
// the script's grammar wants it:
//     Script().WaitIdle().Menu("File", "Copy").ExpectWindow("Copy checking").Text()
class Script {
public:
    Script &Line(const std::string &line);
    Script &WaitIdle();
    Script &Click(long x, long y);
    Script &DoubleClick(long x, long y);
    Script &Menu(const std::string &menu, const std::string &item, const std::string &sub = std::string());
    Script &Gadget(const std::string &window, const std::string &label);
    Script &Close(const std::string &window);
    Script &Type(const std::string &text);
    Script &Key(const std::string &name);
    Script &ExpectWindow(const std::string &title, long milliseconds = 0);
    Script &ExpectNoWindow(const std::string &title, long milliseconds = 0);
    // Into the session's Root(): "@/name".
    Script &Dump(const std::string &name);
    Script &Screenshot(const std::string &name);

    const std::string &Text() const { return text_; }
    operator const std::string &() const { return text_; }

private:
    std::string text_;
};

// The window of a dump with this title (the front-most one), or found false.
WindowInfo FindWindow(const Json &dump, const std::string &title);
std::vector<std::string> WindowTitles(const Json &dump);

}  // namespace e2e

#endif  // TESTS_E2E_SESSION_H
