// Helpers of the file requester's tests: a volume "Work:" on a temporary drawer, the requester asked on a task of its own.
#include "asl_fixture.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <fstream>

namespace asltest {

namespace {

const std::string *gHome = [] {
    char pattern[] = "/tmp/kv-asl-home-XXXXXX";
    const char *made = mkdtemp(pattern);
    auto *home = new std::string(made != nullptr ? made : "/tmp");
    setenv("KESTROVANE_HOME", home->c_str(), 1);
    return home;
}();

void RemoveTree(const std::string &path)
{
    if (path.size() > 8 && path.rfind("/tmp/", 0) == 0)
        std::system(("chmod -R u+rwx '" + path + "' 2>/dev/null; rm -rf '" + path + "'").c_str());
}

struct HomeCleanup {
    ~HomeCleanup() { RemoveTree(*gHome); }
} gCleanup;

}  // namespace

const std::string &TestHome()
{
    return *gHome;
}

void MakeFile(const std::string &root, const std::string &relative, std::size_t bytes)
{
    std::ofstream(root + "/" + relative, std::ios::binary) << std::string(bytes, 'x');
}

void MakeDrawer(const std::string &root, const std::string &relative)
{
    mkdir((root + "/" + relative).c_str(), 0755);
}

void AslTest::SetUp()
{
    char pattern[] = "/tmp/kv-asl-volume-XXXXXX";
    const char *made = mkdtemp(pattern);
    ASSERT_NE(made, nullptr);
    char resolved[PATH_MAX];
    ASSERT_NE(realpath(made, resolved), nullptr);
    root_ = resolved;
    MakeDrawer(root_, "docs");
    MakeDrawer(root_, "docs/deep");
    MakeFile(root_, "docs/guide.txt", 10);
    MakeDrawer(root_, "Music");
    MakeFile(root_, "notes.txt", 6);
    MakeFile(root_, "readme", 2);
    MakeFile(root_, "notes.txt.info", 1);
    std::ofstream(TestHome() + "/Mountlist") << "VOLUME Work: " << root_ << "\nDocs: Work:docs\n";
    hosted::ReloadDosConfiguration();
    itest::Settle();
}

void AslTest::TearDown()
{
    itest::Settle();
    RemoveTree(root_);
}

std::future<AslTest::Answer> AslTest::Show(struct FileRequester *request, std::vector<struct TagItem> tags)
{
    tags.push_back({TAG_DONE, 0});
    return std::async(std::launch::async, [request, tags] {
        BOOL result = AslRequest(request, tags.data());
        return Answer(result, IoErr());
    });
}

struct Window *AslTest::WindowTitled(const std::string &title)
{
    struct Window *window = reqtest::FindWindow(title);
    itest::Settle();
    return window;
}

struct Gadget *GadgetWithId(struct Window *window, UWORD id)
{
    for (struct Gadget *g = window->FirstGadget; g != nullptr; g = g->NextGadget) {
        if ((g->GadgetType & GTYP_SYSGADGET) == 0 && g->GadgetID == id)
            return g;
    }
    return nullptr;
}

void ClickRow(struct Window *window, const std::string &name)
{
    struct Gadget *row = reqtest::GadgetLabelled(window, name);
    ASSERT_NE(row, nullptr) << "no row " << name;
    reqtest::ClickGadget(window, row);
}

void DoubleClickRow(struct Window *window, const std::string &name)
{
    struct Gadget *row = reqtest::GadgetLabelled(window, name);
    ASSERT_NE(row, nullptr) << "no row " << name;
    itest::Move(window->LeftEdge + row->LeftEdge + row->Width / 2, window->TopEdge + row->TopEdge + row->Height / 2);
    for (int i = 0; i < 2; i++) {
        itest::Post(hosted::HostInputKind::ButtonDown);
        itest::Post(hosted::HostInputKind::ButtonUp);
    }
    itest::Settle();
}

void TypeInto(struct Window *window, struct Gadget *field, const std::string &text, bool enter)
{
    ASSERT_NE(field, nullptr);
    reqtest::ClickGadget(window, field);
    itest::Key(0x32, IEQUALIFIER_RCOMMAND, 'x');   // Right Amiga X clears the field
    for (char c : text) {
        UWORD raw = hosted::RAWKEY_NONE;
        UWORD qualifier = 0;
        hosted::RawKeyOfCharacter(static_cast<UBYTE>(c), raw, qualifier);
        itest::Key(raw, qualifier, static_cast<UBYTE>(c));
    }
    if (enter)
        itest::Key(RAWKEY_RETURN, 0, 13);
}

std::vector<std::string> ShownNames(struct Window *window)
{
    std::vector<std::string> names;
    for (const std::string &line : hosted::WindowTextLines(window))
        names.push_back(line.substr(0, line.find('\t')));
    return names;
}

}  // namespace asltest
