// The automation interface end to end: PlatformDemo driven by scripts on the headless display, its screenshot and JSON dump.
#include <hosted/display.h>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

// --- A small JSON reader, enough for the dump -------------------------------------------

struct Json {
    enum Kind { Null, Bool, Number, String, Array, Object } kind = Null;
    bool boolean = false;
    double number = 0;
    std::string text;
    std::vector<Json> items;
    std::map<std::string, Json> fields;

    const Json &operator[](const std::string &key) const
    {
        static const Json none;
        auto it = fields.find(key);
        return it == fields.end() ? none : it->second;
    }
    const Json &operator[](std::size_t i) const
    {
        static const Json none;
        return i < items.size() ? items[i] : none;
    }
    bool Has(const std::string &key) const { return fields.count(key) != 0; }
};

class JsonReader {
public:
    explicit JsonReader(const std::string &text) : s_(text) {}

    bool Read(Json &out)
    {
        if (!Value(out))
            return false;
        Blank();
        return i_ == s_.size();
    }

private:
    void Blank()
    {
        while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\n' || s_[i_] == '\t' || s_[i_] == '\r'))
            i_++;
    }
    bool Literal(const char *word)
    {
        std::size_t n = std::strlen(word);
        if (s_.compare(i_, n, word) != 0)
            return false;
        i_ += n;
        return true;
    }
    bool StringValue(std::string &out)
    {
        if (s_[i_] != '"')
            return false;
        for (i_++; i_ < s_.size() && s_[i_] != '"'; i_++) {
            char c = s_[i_];
            if (c == '\\') {
                if (++i_ >= s_.size())
                    return false;
                char e = s_[i_];
                if (e == 'n')
                    out += '\n';
                else if (e == 't')
                    out += '\t';
                else if (e == 'r')
                    out += '\r';
                else if (e == 'u') {
                    out += static_cast<char>(std::stoi(s_.substr(i_ + 1, 4), nullptr, 16));
                    i_ += 4;
                } else
                    out += e;
            } else {
                out += c;
            }
        }
        if (i_ >= s_.size())
            return false;
        i_++;
        return true;
    }
    bool Value(Json &out)
    {
        Blank();
        if (i_ >= s_.size())
            return false;
        char c = s_[i_];
        if (c == '{') {
            out.kind = Json::Object;
            i_++;
            Blank();
            if (s_[i_] == '}') {
                i_++;
                return true;
            }
            for (;;) {
                Blank();
                std::string key;
                if (!StringValue(key))
                    return false;
                Blank();
                if (s_[i_++] != ':')
                    return false;
                if (!Value(out.fields[key]))
                    return false;
                Blank();
                if (s_[i_] == ',') {
                    i_++;
                    continue;
                }
                return s_[i_++] == '}';
            }
        }
        if (c == '[') {
            out.kind = Json::Array;
            i_++;
            Blank();
            if (s_[i_] == ']') {
                i_++;
                return true;
            }
            for (;;) {
                out.items.emplace_back();
                if (!Value(out.items.back()))
                    return false;
                Blank();
                if (s_[i_] == ',') {
                    i_++;
                    continue;
                }
                return s_[i_++] == ']';
            }
        }
        if (c == '"') {
            out.kind = Json::String;
            return StringValue(out.text);
        }
        if (Literal("true")) {
            out.kind = Json::Bool;
            out.boolean = true;
            return true;
        }
        if (Literal("false")) {
            out.kind = Json::Bool;
            return true;
        }
        if (Literal("null"))
            return true;
        std::size_t used = 0;
        out.number = std::stod(s_.substr(i_), &used);
        out.kind = Json::Number;
        i_ += used;
        return used > 0;
    }

    const std::string &s_;
    std::size_t i_ = 0;
};

// --- Running the demo --------------------------------------------------------------------

struct Outcome {
    int status = -1;
    std::string errors;
};

class Automation : public ::testing::Test {
protected:
    std::string dir;

    void SetUp() override
    {
        char pattern[] = "/tmp/kv_automation_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
    }
    void TearDown() override { std::system(("rm -rf '" + dir + "'").c_str()); }

    std::string Path(const std::string &name) const { return dir + "/" + name; }

    Outcome Start(const std::string &script, const std::vector<std::string> &environment)
    {
        std::ofstream(Path("script")) << script;
        std::vector<std::string> env;
        for (char **e = environ; *e != nullptr; e++) {
            std::string entry = *e;
            if (entry.rfind("KESTROVANE_", 0) != 0 && entry.rfind("DISPLAY=", 0) != 0 &&
                entry.rfind("WAYLAND_DISPLAY=", 0) != 0)
                env.push_back(entry);
        }
        env.push_back("KESTROVANE_HOME=" + dir);
        env.push_back("KESTROVANE_FONT=test");
        env.push_back("KESTROVANE_SCREEN=1024x768");
        for (const std::string &e : environment)
            env.push_back(e);
        std::vector<char *> envp;
        for (std::string &e : env)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        std::string program = KV_DEMO_PATH;
        char *argv[] = {program.data(), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        std::string errors = Path("stderr");
        posix_spawn_file_actions_addopen(&actions, 2, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        pid_t pid = 0;
        Outcome run;
        EXPECT_EQ(posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data()), 0);
        posix_spawn_file_actions_destroy(&actions);
        // A script that hangs must not hang the tests.
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        int status = 0;
        while (waitpid(pid, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                kill(pid, SIGKILL);
                waitpid(pid, &status, 0);
                ADD_FAILURE() << "the demo did not end";
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::stringstream text;
        text << std::ifstream(errors).rdbuf();
        run.errors = text.str();
        return run;
    }

    Outcome Script(const std::string &script)
    {
        return Start(script, {"KESTROVANE_DISPLAY=headless", "KESTROVANE_SCRIPT=" + Path("script")});
    }

    Json Dump(const std::string &name)
    {
        std::stringstream text;
        text << std::ifstream(Path(name)).rdbuf();
        Json json;
        EXPECT_TRUE(JsonReader(text.str()).Read(json)) << text.str();
        return json;
    }
};

const Json *FindWindow(const Json &dump, const std::string &title)
{
    for (const Json &screen : dump["screens"].items) {
        for (const Json &window : screen["windows"].items) {
            if (window["title"].text == title)
                return &window;
        }
    }
    return nullptr;
}

const Json *FindGadget(const Json &window, double id)
{
    for (const Json &g : window["gadgets"].items) {
        if (g["id"].number == id)
            return &g;
    }
    return nullptr;
}

TEST_F(Automation, AScriptDrivesTheDemoAndDumpsWhatItSees)
{
    Outcome run = Script("# pick a colour, fill in a name, look\n"
                     "expect-window \"Platform demo\"\n"
                     "menu \"Options\" \"Colours\" \"Green\"\n"
                     "menu \"Options\" \"Loud\"\n"
                     "gadget \"Platform demo\" #4\n"
                     "type \"Ann\"\n"
                     "key Return\n"
                     "screenshot " + Path("shot.png") + "\n"
                     "dump " + Path("dump.json") + "\n"
                     "close \"Platform demo\"\n"
                     "expect-no-window \"Platform demo\"\n"
                     "dump " + Path("after.json") + "\n");
    EXPECT_EQ(run.status, 0) << run.errors;

    std::vector<ULONG> pixels;
    LONG width = 0, height = 0;
    std::string error;
    ASSERT_TRUE(hosted::ReadPng(Path("shot.png"), pixels, width, height, error)) << error;
    EXPECT_EQ(width, 1024);
    EXPECT_EQ(height, 768);

    Json dump = Dump("dump.json");
    ASSERT_EQ(dump["screens"].items.size(), 1u);
    const Json &screen = dump["screens"][0];
    EXPECT_EQ(screen["public_name"].text, "Workbench");
    EXPECT_EQ(screen["width"].number, 1024);
    EXPECT_EQ(screen["height"].number, 768);
    EXPECT_TRUE(screen["front"].boolean);
    EXPECT_EQ(screen["title"].text, "PlatformDemo 1.0");   // the active window's screen title
    const Json *window = FindWindow(dump, "Platform demo");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE((*window)["active"].boolean);
    EXPECT_EQ((*window)["left"].number, 80);
    EXPECT_EQ((*window)["top"].number, 60);
    ASSERT_EQ((*window)["borders"].items.size(), 4u);
    EXPECT_GT((*window)["borders"][1].number, (*window)["borders"][0].number);
    EXPECT_EQ((*window)["text"].kind, Json::Array);

    const Json *hello = FindGadget(*window, 1);
    ASSERT_NE(hello, nullptr);
    EXPECT_EQ((*hello)["class"].text, "frbuttonclass");
    EXPECT_EQ((*hello)["label"].text, "Hello");
    EXPECT_FALSE((*hello)["selected"].boolean);
    EXPECT_FALSE((*hello)["disabled"].boolean);
    EXPECT_FALSE(hello->Has("value"));
    EXPECT_FALSE(hello->Has("pot"));
    EXPECT_GE((*hello)["left"].number, (*window)["left"].number);   // screen coordinates
    const Json *name = FindGadget(*window, 4);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ((*name)["class"].text, "strgclass");
    EXPECT_EQ((*name)["value"].text, "Ann");
    const Json *volume = FindGadget(*window, 5);
    ASSERT_NE(volume, nullptr);
    EXPECT_EQ((*volume)["class"].text, "propgclass");
    EXPECT_TRUE(volume->Has("pot"));
    const Json *loud = FindGadget(*window, 6);
    ASSERT_NE(loud, nullptr);
    EXPECT_TRUE((*loud)["selected"].boolean);   // the menu item switched the toggle on

    const Json &menus = (*window)["menus"];
    ASSERT_EQ(menus.items.size(), 2u);
    EXPECT_EQ(menus[0]["title"].text, "Project");
    EXPECT_TRUE(menus[0]["enabled"].boolean);
    EXPECT_EQ(menus[0]["items"][1]["text"].text, "Quit");
    const Json &colours = menus[1]["items"][1];
    EXPECT_EQ(colours["text"].text, "Colours");
    ASSERT_EQ(colours["sub"].items.size(), 3u);
    EXPECT_FALSE(colours["sub"][0]["checked"].boolean);
    EXPECT_TRUE(colours["sub"][1]["checked"].boolean);
    EXPECT_EQ(colours["sub"][1]["text"].text, "Green");
    EXPECT_TRUE(menus[1]["items"][0]["checked"].boolean);

    Json after = Dump("after.json");
    EXPECT_EQ(FindWindow(after, "Platform demo"), nullptr);
}

TEST_F(Automation, AFailingCommandNamesItsLineAndEndsWithStatusTwo)
{
    Outcome run = Script("expect-window \"Platform demo\"\n"
                     "\n"
                     "gadget \"Platform demo\" \"No such button\"\n"
                     "dump " + Path("never.json") + "\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.errors.find("script:3: "), std::string::npos) << run.errors;
    EXPECT_NE(run.errors.find("No such button"), std::string::npos) << run.errors;
    EXPECT_FALSE(std::ifstream(Path("never.json")).good());

    run = Script("expect-window \"Platform demo\"\nmenu \"Options\" \"Nothing\"\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.errors.find("script:2: "), std::string::npos) << run.errors;

    run = Script("expect-window \"No such window\" 300\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.errors.find("script:1: "), std::string::npos) << run.errors;

    // A script that cannot be read fails before anything runs.
    run = Script("click 1 2\nbogus command\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.errors.find("script:2: unknown command"), std::string::npos) << run.errors;
}

TEST_F(Automation, WhenTheProgramQuitsFirstTheScriptStillRunsToItsEnd)
{
    Outcome run = Script("expect-window \"Platform demo\"\n"
                     "menu \"Project\" \"Quit\"\n"
                     "expect-no-window \"Platform demo\"\n"
                     "sleep 100\n"
                     "dump " + Path("empty.json") + "\n");
    EXPECT_EQ(run.status, 0) << run.errors;
    Json dump = Dump("empty.json");
    ASSERT_EQ(dump["screens"].items.size(), 1u);
    EXPECT_TRUE(dump["screens"][0]["windows"].items.empty());

    // A later command that fails still gives status 2.
    run = Script("expect-window \"Platform demo\"\n"
                 "gadget \"Platform demo\" \"Quit\"\n"
                 "expect-no-window \"Platform demo\"\n"
                 "gadget \"Platform demo\" \"Hello\"\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.errors.find("script:4: "), std::string::npos) << run.errors;
}

TEST_F(Automation, DraggingTheKnobMovesItAndTheEndOfTheScriptEndsTheProgram)
{
    Outcome run = Script("expect-window \"Platform demo\"\n"
                     "dump " + Path("before.json") + "\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    Json before = Dump("before.json");
    const Json *volume = FindGadget(*FindWindow(before, "Platform demo"), 5);
    ASSERT_NE(volume, nullptr);
    double x = (*volume)["left"].number + 2;
    double y = (*volume)["top"].number + (*volume)["height"].number / 2;
    double knob = x + (*volume)["width"].number * (*volume)["pot"].number / 65535.0;
    // The program never quits by itself here: the script's end stops it.
    run = Script("expect-window \"Platform demo\"\n"
                 "drag " + std::to_string(static_cast<int>(knob)) + " " + std::to_string(static_cast<int>(y)) + " " +
                 std::to_string(static_cast<int>(x)) + " " + std::to_string(static_cast<int>(y)) + " 8\n"
                 "dump " + Path("dragged.json") + "\n");
    EXPECT_EQ(run.status, 0) << run.errors;
    Json dragged = Dump("dragged.json");
    const Json *moved = FindGadget(*FindWindow(dragged, "Platform demo"), 5);
    ASSERT_NE(moved, nullptr);
    EXPECT_LT((*moved)["pot"].number, (*volume)["pot"].number);
}

TEST_F(Automation, WithoutADisplayTheProgramSaysSoAndEnds)
{
    Outcome run = Start("", {});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.errors.find("KESTROVANE_DISPLAY"), std::string::npos) << run.errors;
    run = Start("", {"KESTROVANE_DISPLAY=braille"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.errors.find("KESTROVANE_DISPLAY"), std::string::npos) << run.errors;
}

}  // namespace
