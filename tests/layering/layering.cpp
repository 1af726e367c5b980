// The layering rules and the check of one file against them.
#include "layering.h"

#include <set>
#include <sstream>

namespace layering {

namespace {

const std::set<std::string> SystemLibraries = {"exec",      "dos",        "utility", "graphics", "cybergraphics",
                                               "intuition", "asl",        "workbench", "datatypes", "devices",
                                               "layers",    "libraries", "hosted"};
const std::set<std::string> ProgramParts = {"core", "lister", "settings", "fileops", "ui", "variants", "texts"};

struct Rule {
    const char *directory;
    std::set<std::string> allowed;
};

// The most specific directory wins ("settings/windows" before "settings").
const Rule Rules[] = {
    {"settings/windows", {"exec", "dos", "utility", "graphics", "cybergraphics", "intuition", "settings", "lister", "ui", "texts"}},
    {"lister", {"exec", "dos", "graphics", "cybergraphics", "lister", "settings", "texts"}},
    {"settings", {"exec", "dos", "settings", "texts"}},
    {"fileops", {"exec", "dos", "utility", "fileops", "texts"}},
    {"ui", {"exec", "dos", "utility", "graphics", "cybergraphics", "intuition", "devices", "lister", "settings", "ui", "fileops", "texts"}},
    {"core", {"exec", "dos", "utility", "graphics", "cybergraphics", "intuition", "asl", "workbench", "datatypes",
              "devices", "libraries", "core", "lister", "settings", "fileops", "ui", "texts"}},
    {"variants", {"exec", "dos", "utility", "graphics", "cybergraphics", "intuition", "asl", "workbench", "datatypes",
                  "core", "lister", "settings", "fileops", "ui", "variants", "texts"}},
};

const Rule *RuleOf(const std::string &directory)
{
    for (const Rule &rule : Rules) {
        std::string prefix = rule.directory;
        if (directory == prefix || directory.rfind(prefix + "/", 0) == 0)
            return &rule;
    }
    return nullptr;
}

}  // namespace

std::string LibraryOf(const std::string &includePath)
{
    size_t slash = includePath.find('/');
    if (slash == std::string::npos)
        return "";
    std::string first = includePath.substr(0, slash);
    if (first == "proto") {
        std::string name = includePath.substr(slash + 1);
        name = name.substr(0, name.find('.'));
        if (name == "wb")
            return "workbench";
        if (name == "intuition_boopsi" || name == "hosted_tags")
            return "intuition";
        return name;
    }
    if (first == "cybergraphx")
        return "cybergraphics";
    if (SystemLibraries.count(first) != 0 || ProgramParts.count(first) != 0)
        return first;
    return "";
}

std::vector<std::string> Violations(const std::string &directory, const std::string &text)
{
    std::vector<std::string> found;
    bool platform = directory == "platform" || directory.rfind("platform/", 0) == 0;
    const Rule *rule = RuleOf(directory);
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); number++) {
        size_t at = line.find_first_not_of(" \t");
        if (at == std::string::npos || line.compare(at, 8, "#include") != 0)
            continue;
        size_t open = line.find_first_of("<\"", at + 8);
        if (open == std::string::npos)
            continue;
        size_t close = line.find(line[open] == '<' ? '>' : '"', open + 1);
        std::string path = line.substr(open + 1, close - open - 1);
        std::string library = LibraryOf(path);
        bool bad = false;
        if (platform)
            bad = ProgramParts.count(library) != 0;
        else if (rule != nullptr && !library.empty())
            bad = rule->allowed.count(library) == 0;
        if (bad)
            found.push_back(std::to_string(number) + ": " + path);
    }
    return found;
}

}  // namespace layering
