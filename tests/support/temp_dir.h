// Temporary directories of the tests: made under $TMPDIR (else /tmp), removed only when this library made them.
#ifndef TESTS_SUPPORT_TEMP_DIR_H
#define TESTS_SUPPORT_TEMP_DIR_H

#include <string>

namespace kvtest {

// Where temporary directories go: $TMPDIR when it is set and not empty,
// else /tmp. The test command points TMPDIR at a file system with user
// extended attributes, where comments and protection bits can be kept.
std::string TempRoot();

// Makes a fresh directory TempRoot()/PREFIX-XXXXXX and returns its real
// path (links resolved, so that it matches what dos reports); "" when it
// cannot be made.
std::string MakeTempDir(const std::string &prefix);

// Removes a directory made by MakeTempDir, or anything inside one, with
// all it holds, write-protected drawers included. Any other path is left
// alone, so a mistake in a test never deletes what is not its own.
void RemoveTempTree(const std::string &path);

// Lets RemoveTempTree remove a directory this library did not make: one
// the platform made for the test's sake (the RAM disk of a test home).
void AdoptTempDir(const std::string &path);

// A temporary directory that lives as long as this object.
class TempDir {
public:
    explicit TempDir(const std::string &prefix) : path_(MakeTempDir(prefix)) {}
    ~TempDir() { RemoveTempTree(path_); }
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    // "" when the directory could not be made.
    const std::string &Path() const { return path_; }
    std::string Path(const std::string &name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

}  // namespace kvtest

#endif  // TESTS_SUPPORT_TEMP_DIR_H
