// Helpers of the file requester's tests: a volume "Work:" on a temporary drawer, the requester asked on a task of its own.
#include "asl_fixture.h"

#include "support/host_files.h"
#include "support/temp_home.h"

namespace asltest {

namespace {

// Before main, so that no test ever reads the user's own volume table.
[[maybe_unused]] const std::string &gHome = kvtest::TestHome("kv-asl-home");

}  // namespace

void MakeFile(const std::string &root, const std::string &relative, std::size_t bytes)
{
    kvtest::WriteHostFile(root + "/" + relative, std::string(bytes, 'x'));
}

void MakeDrawer(const std::string &root, const std::string &relative)
{
    kvtest::MakeHostDrawer(root + "/" + relative);
}

void AslTest::SetUp()
{
    ASSERT_TRUE(volume_.Make("kv-asl-volume"));
    root_ = volume_.Root();
    MakeDrawer(root_, "docs");
    MakeDrawer(root_, "docs/deep");
    MakeFile(root_, "docs/guide.txt", 10);
    MakeDrawer(root_, "Music");
    MakeFile(root_, "notes.txt", 6);
    MakeFile(root_, "readme", 2);
    MakeFile(root_, "notes.txt.info", 1);
    volume_.Mount("Work", "Docs: Work:docs\n");
    itest::Settle();
}

void AslTest::TearDown()
{
    itest::Settle();
    volume_.Unmount();
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
        hosted::PostCharacter(static_cast<UBYTE>(c));
        itest::Settle();
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
