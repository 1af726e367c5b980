// What the tests of Delete, New drawer, Rename and Search share: their drawer, a scripted control, rows from a table.
#ifndef TESTS_FILEOPS_ENTRY_SUPPORT_H
#define TESTS_FILEOPS_ENTRY_SUPPORT_H

#include <fileops/control.h>
#include <fileops/entry_list.h>
#include <fileops/tree_walk.h>

#include <hosted/dos.h>
#include <proto/dos.h>

#include "fileops_support.h"
#include "support/host_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fileopstest {

// The drawer of FileOpsTest, with files made in drawers made on the way.
class EntryOpsTest : public FileOpsTest {
protected:
    void MakeFile(const std::string &relative, const std::string &contents = "x") const;
    void MakeDrawer(const std::string &relative) const;
    // The names in a drawer (host names, sorted).
    std::vector<std::string> Names(const std::string &relative = "") const;
};

// A control that answers as the test says and writes down what it was asked.
class ScriptedControl : public OperationControl {
public:
    struct Asked {
        std::string name;
        LONG error;
        FaultButtons buttons;
    };

    // Answers to Failure, in order; when they run out, the test fails and
    // the answer is the right-hand button.
    std::vector<BOOL> answers;
    // Cancelled() turns TRUE once this many objects were reported done.
    ULONG cancelAfter = 0xFFFFFFFF;

    std::vector<Asked> failures;
    std::vector<std::pair<std::string, std::string>> refusals;
    std::vector<std::string> progress;   // `current` of every Progress call

    BOOL Failure(CONST_STRPTR objectName, LONG error, FaultButtons buttons) override;
    void Refusal(CONST_STRPTR objectName, CONST_STRPTR reason) override;
    void Progress(const OperationProgress &progress) override;
    BOOL Cancelled() override;

private:
    size_t answered_ = 0;
};

// Rows of a lister as a table.
struct Row {
    std::string name;
    LONG type;
    bool selected;
};

class TableRows : public EntryList {
public:
    explicit TableRows(std::vector<Row> rows) : rows_(std::move(rows)) {}

    ULONG Count() const override { return ULONG(rows_.size()); }
    CONST_STRPTR Name(ULONG row) const override { return rows_[row].name.c_str(); }
    LONG Type(ULONG row) const override { return rows_[row].type; }
    BOOL Selected(ULONG row) const override { return rows_[row].selected; }
    void Select(ULONG row) override;

    // The rows selected now, by name.
    std::vector<std::string> SelectedNames() const;
    // How often Select was called on a row already selected (never right).
    int reselected = 0;

private:
    std::vector<Row> rows_;
};

// Walk buffers of their own: `depth` levels at most.
class OwnWalkBuffers {
public:
    explicit OwnWalkBuffers(ULONG depth = 64, ULONG pathSize = 1024);
    const WalkBuffers &Get() const { return buffers_; }

private:
    std::vector<UBYTE> stack_, pool_;
    std::vector<char> path_;
    WalkBuffers buffers_;
};

constexpr LONG FileType = ST_FILE;
constexpr LONG DrawerType = ST_USERDIR;

}  // namespace fileopstest

#endif  // TESTS_FILEOPS_ENTRY_SUPPORT_H
