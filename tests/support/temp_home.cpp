// A private KESTROVANE_HOME for a test program, so that no test reads or changes the user's own tables.
#include "temp_home.h"

#include "temp_dir.h"

#include <cstdio>
#include <cstdlib>

namespace kvtest {

namespace {

struct Home {
    explicit Home(const std::string &prefix) : path(MakeTempDir(prefix))
    {
        // Without a home of its own a test would read and change the
        // user's tables: better not to run at all.
        if (path.empty()) {
            std::fprintf(stderr, "cannot make a temporary KESTROVANE_HOME in %s\n", TempRoot().c_str());
            std::abort();
        }
        setenv("KESTROVANE_HOME", path.c_str(), 1);
    }
    ~Home() { RemoveTempTree(path); }
    std::string path;
};

}  // namespace

const std::string &TestHome(const std::string &prefix)
{
    static Home home(prefix);
    return home.path;
}

}  // namespace kvtest
