// End-to-end sessions: a temporary world, running the program in it, reading its dumps and screenshots.
#include "session.h"

#include <png.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace e2e {

namespace fs = std::filesystem;

namespace {

std::string ReadText(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteText(const std::string &path, const std::string &text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::string Replace(std::string text, const std::string &from, const std::string &to)
{
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

}  // namespace

bool ReadPng(const std::string &path, Png &png)
{
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        return false;
    image.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) {
        png_image_free(&image);
        return false;
    }
    png.width = long(image.width);
    png.height = long(image.height);
    png.pixels.resize(size_t(png.width * png.height));
    for (size_t i = 0; i < png.pixels.size(); i++)
        png.pixels[i] = uint32_t(rgb[3 * i]) << 16 | uint32_t(rgb[3 * i + 1]) << 8 | rgb[3 * i + 2];
    return true;
}

Session::Session()
{
    char pattern[] = "/tmp/kestrovane-e2e-XXXXXX";
    char *made = mkdtemp(pattern);
    if (made == nullptr)
        std::abort();
    root_ = made;
    fs::create_directories(Tree());
    fs::create_directories(ProgDir());
    fs::create_directories(Home());
    fs::create_directories(root_ + "/bin");
    fs::copy_file(KESTROVANE_PROGRAM, ProgDir() + "/Kestrovane");
    fs::permissions(ProgDir() + "/Kestrovane", fs::perms::owner_all);
    fs::copy_file(KESTROVANE_GUIDE, ProgDir() + "/Kestrovane.guide");
    WriteText(Home() + "/Mountlist", "VOLUME Work: \"" + Tree() + "\"\n");
    std::string viewer = root_ + "/bin/Multiview";
    WriteText(viewer, "#!/bin/sh\necho \"$PWD|$*\" >> \"" + root_ + "/viewer.log\"\n");
    fs::permissions(viewer, fs::perms::owner_all);
}

Session::~Session()
{
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

void Session::MakeDrawer(const std::string &relative) const
{
    fs::create_directories(Tree() + "/" + relative);
}

void Session::MakeFile(const std::string &relative, const std::string &content) const
{
    WriteText(Tree() + "/" + relative, content);
}

void Session::WriteFileBytes(const std::string &path, const std::vector<uint8_t> &bytes) const
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
}

std::vector<uint8_t> Session::ReadFileBytes(const std::string &path) const
{
    std::string text = ReadText(path);
    return std::vector<uint8_t>(text.begin(), text.end());
}

RunResult Session::Run(const std::string &script, const std::vector<std::string> &arguments,
                       const std::string &directory, const std::vector<std::string> &environment) const
{
    std::string scriptPath = root_ + "/script.txt";
    WriteText(scriptPath, Replace(script, "@", root_));
    std::string errorsPath = root_ + "/stderr.txt";
    std::string program = ProgDir() + "/Kestrovane";
    std::string where = directory.empty() ? Tree() : directory;

    pid_t child = fork();
    if (child == 0) {
        if (chdir(where.c_str()) != 0)
            _exit(126);
        std::FILE *errors = std::freopen(errorsPath.c_str(), "w", stderr);
        (void)errors;
        setenv("KESTROVANE_DISPLAY", "headless", 1);
        setenv("KESTROVANE_FONT", "test", 1);
        setenv("KESTROVANE_SCREEN", "1024x768", 1);
        setenv("KESTROVANE_HOME", Home().c_str(), 1);
        setenv("KESTROVANE_SCRIPT", scriptPath.c_str(), 1);
        unsetenv("KESTROVANE_ALLOC_LIMIT");
        unsetenv("KESTROVANE_ALLOC_FAIL");
        unsetenv("XDG_RUNTIME_DIR");
        std::string path = root_ + "/bin:" + (getenv("PATH") != nullptr ? getenv("PATH") : "/usr/bin:/bin");
        setenv("PATH", path.c_str(), 1);
        for (const std::string &assignment : environment) {
            size_t equals = assignment.find('=');
            setenv(assignment.substr(0, equals).c_str(), assignment.substr(equals + 1).c_str(), 1);
        }
        std::vector<char *> argv;
        argv.push_back(program.data());
        std::vector<std::string> copies = arguments;
        for (std::string &argument : copies)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    RunResult result;
    int status = 0;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    for (;;) {
        pid_t done = waitpid(child, &status, WNOHANG);
        if (done == child)
            break;
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            result.errors = "killed after 60 s\n";
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (WIFEXITED(status))
        result.status = WEXITSTATUS(status);
    result.errors += ReadText(errorsPath);
    return result;
}

Json Session::Dump(const std::string &name) const
{
    return ParseJson(ReadText(root_ + "/" + name));
}

Png Session::Shot(const std::string &name) const
{
    Png png;
    ReadPng(root_ + "/" + name, png);
    return png;
}

std::string Session::ViewerLog() const
{
    return ReadText(root_ + "/viewer.log");
}

const Json *WindowInfo::Gadget(long id) const
{
    for (const Json &gadget : json["gadgets"].array)
        if (gadget["id"].Int() == id)
            return &gadget;
    return nullptr;
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
    for (const Json &screen : dump["screens"].array)
        for (const Json &window : screen["windows"].array) {
            if (window["title"].string != title)
                continue;
            info.found = true;
            info.title = title;
            info.left = window["left"].Int();
            info.top = window["top"].Int();
            info.width = window["width"].Int();
            info.height = window["height"].Int();
            info.borderLeft = window["borders"][0].Int();
            info.borderTop = window["borders"][1].Int();
            info.borderRight = window["borders"][2].Int();
            info.borderBottom = window["borders"][3].Int();
            info.active = window["active"].boolean;
            info.json = window;
            return info;
        }
    return info;
}

std::vector<std::string> WindowTitles(const Json &dump)
{
    std::vector<std::string> titles;
    for (const Json &screen : dump["screens"].array)
        for (const Json &window : screen["windows"].array)
            titles.push_back(window["title"].string);
    return titles;
}

}  // namespace e2e
