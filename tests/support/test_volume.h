// A temporary drawer as a volume of the test home's table, and the current directory while a test runs.
#ifndef TESTS_SUPPORT_TEST_VOLUME_H
#define TESTS_SUPPORT_TEST_VOLUME_H

#include <dos/dos.h>

#include <string>

namespace kvtest {

// Writes the volume and assign table of the test home (see TestHome) and
// makes dos read it again.
void WriteMountlist(const std::string &text);

// A fresh temporary drawer (Make), named in the table as a volume (Mount)
// or reached by the volume of the host's file system it lies on. Unmount (or the
// destructor) undoes everything the other calls did.
class TestVolume {
public:
    TestVolume() = default;
    ~TestVolume() { Unmount(); }
    TestVolume(const TestVolume &) = delete;
    TestVolume &operator=(const TestVolume &) = delete;

    // Makes the drawer PREFIX-XXXXXX (see MakeTempDir). False when it
    // cannot be made.
    bool Make(const std::string &prefix);

    // Names the drawer as the volume NAME: writes the table as one line
    // "VOLUME NAME: drawer" followed by `moreLines` (assigns, other
    // volumes).
    void Mount(const std::string &name, const std::string &moreLines = "");

    // Makes the drawer the current directory: through the volume's name
    // after Mount, else through the volume path of the host's file system.
    // False when it cannot be locked.
    bool Enter();

    // The old current directory back, the drawer's lock released, the
    // drawer and all it holds removed.
    void Unmount();

    const std::string &Root() const { return root_; }
    BPTR RootLock() const { return lock_; }
    // The host path of a name below the drawer (the drawer for "").
    std::string Host(const std::string &relative = "") const
    {
        return relative.empty() ? root_ : root_ + "/" + relative;
    }

private:
    std::string root_;
    std::string name_;
    BPTR lock_ = 0;
    BPTR oldDir_ = 0;
};

}  // namespace kvtest

#endif  // TESTS_SUPPORT_TEST_VOLUME_H
