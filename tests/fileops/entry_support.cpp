// What the tests of Delete, New drawer, Rename and Search share: their drawer, a scripted control, rows from a table.
#include "entry_support.h"

#include <algorithm>
#include <filesystem>

namespace fileopstest {

void EntryOpsTest::MakeFile(const std::string &relative, const std::string &contents) const
{
    std::filesystem::create_directories(std::filesystem::path(Host(relative)).parent_path());
    kvtest::WriteHostFile(Host(relative), contents);
}

void EntryOpsTest::MakeDrawer(const std::string &relative) const
{
    std::filesystem::create_directories(Host(relative));
}

std::vector<std::string> EntryOpsTest::Names(const std::string &relative) const
{
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(Host(relative)))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

BOOL ScriptedControl::Failure(CONST_STRPTR objectName, LONG error, FaultButtons buttons)
{
    failures.push_back({objectName, error, buttons});
    if (answered_ == answers.size()) {
        ADD_FAILURE() << "unexpected failure on " << objectName << " (" << error << ")";
        return FALSE;
    }
    return answers[answered_++];
}

void ScriptedControl::Refusal(CONST_STRPTR objectName, CONST_STRPTR reason)
{
    refusals.emplace_back(objectName, reason);
}

void ScriptedControl::Progress(const OperationProgress &report)
{
    progress.push_back(report.current != nullptr ? report.current : "");
}

BOOL ScriptedControl::Cancelled()
{
    return progress.size() >= cancelAfter;
}

void TableRows::Select(ULONG row)
{
    if (rows_[row].selected)
        reselected++;
    rows_[row].selected = true;
}

std::vector<std::string> TableRows::SelectedNames() const
{
    std::vector<std::string> names;
    for (const Row &row : rows_)
        if (row.selected)
            names.push_back(row.name);
    return names;
}

OwnWalkBuffers::OwnWalkBuffers(ULONG depth, ULONG pathSize)
    : stack_((depth + 4) * 32), pool_((depth + 2) * FibSlotSize), path_(pathSize)
{
    buffers_.stack = stack_.data();
    buffers_.stackSize = ULONG(stack_.size());
    buffers_.pool = pool_.data();
    buffers_.poolSize = ULONG(pool_.size());
    buffers_.path = path_.data();
    buffers_.pathSize = pathSize;
}

}  // namespace fileopstest
