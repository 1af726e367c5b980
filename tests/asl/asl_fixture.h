// Helpers of the file requester's tests: a volume "Work:" on a temporary drawer, the requester asked on a task of its own.
#ifndef TESTS_ASL_ASL_FIXTURE_H
#define TESTS_ASL_ASL_FIXTURE_H

#include "request_fixture.h"

#include <hosted/display.h>
#include <hosted/dos.h>
#include <proto/asl.h>
#include <proto/dos.h>

#include "support/headless.h"
#include "support/test_volume.h"

#include <string>
#include <utility>

namespace asltest {

// Makes a file (with some bytes) or a drawer below the volume's root.
void MakeFile(const std::string &root, const std::string &relative, std::size_t bytes = 3);
void MakeDrawer(const std::string &root, const std::string &relative);

// Each test gets a fresh drawer as the volume "Work:" with
//   Work:docs/  Work:docs/deep/  Work:docs/guide.txt  Work:Music/
//   Work:notes.txt (6 bytes)  Work:readme (2 bytes)  Work:notes.txt.info
class AslTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Shows the requester on a task of its own; the answer and IoErr come back.
    using Answer = std::pair<BOOL, LONG>;
    std::future<Answer> Show(struct FileRequester *request, std::vector<struct TagItem> tags);

    // The requester's window (found by title), after the system settled.
    struct Window *WindowTitled(const std::string &title);

    kvtest::TestVolume volume_;
    std::string root_;
};

// A gadget of the window by its GA_ID, or nullptr.
using kvtest::GadgetWithId;

// One row of the list by its name, clicked once or twice (the two clicks
// given at once, so they are a double-click whatever the machine's speed).
void ClickRow(struct Window *window, const std::string &name);
void DoubleClickRow(struct Window *window, const std::string &name);

// Replaces a field's text as a person does: a click into it, Right Amiga X
// to clear it, the characters, then Return (or not).
void TypeInto(struct Window *window, struct Gadget *field, const std::string &text, bool enter = true);

// The names the list shows (the dump's text lines, before their tab).
std::vector<std::string> ShownNames(struct Window *window);

}  // namespace asltest

#endif  // TESTS_ASL_ASL_FIXTURE_H
