// Host files of the tests: whole files written and read back, drawers made, existence asked.
#include "host_files.h"

#include <sys/stat.h>

#include <fstream>
#include <sstream>

namespace kvtest {

void WriteHostFile(const std::string &path, const std::string &contents)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << contents;
}

std::string ReadHostFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool HostExists(const std::string &path)
{
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

void MakeHostDrawer(const std::string &path)
{
    mkdir(path.c_str(), 0755);
}

std::string ReplaceAll(std::string text, const std::string &from, const std::string &to)
{
    if (from.empty())
        return text;
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

}  // namespace kvtest
