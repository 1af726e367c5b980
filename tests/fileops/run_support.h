// The tests of Execute, Open with and Version: a drawer to work in, a selection walked from a list, big-endian program files.
#ifndef TESTS_FILEOPS_RUN_SUPPORT_H
#define TESTS_FILEOPS_RUN_SUPPORT_H

#include <fileops/selection_walk.h>

#include "support/test_volume.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fotest {

// A fresh drawer, the current directory while the test runs.
class DrawerTest : public ::testing::Test {
protected:
    void SetUp() override;

    std::string Host(const std::string &name) const { return volume_.Host(name); }
    void WriteFile(const std::string &name, const std::string &bytes) const;
    // A host shell script that may be run; `body` follows "#!/bin/sh".
    void WriteScript(const std::string &name, const std::string &body) const;
    std::string ReadFile(const std::string &name) const;

    kvtest::TestVolume volume_;
};

// A selection given as a list: every entry is selected at first; ActedOn
// deselects it, as the lister does without "Stay selected:".
class ListWalk : public SelectionWalk {
public:
    struct Item {
        std::string name;
        LONG type;   // ST_FILE -3 for files, ST_USERDIR 2 for drawers
        bool selected = true;
    };

    void Add(const std::string &name, LONG type = -3) { items.push_back({name, type}); }
    BOOL Next(WalkEntry &entry) override;
    void ActedOn(const WalkEntry &entry) override { items[entry.row].selected = false; }
    // The names still selected, in order.
    std::vector<std::string> Selected() const;

    std::vector<Item> items;

private:
    size_t next_ = 0;
};

// A file of big-endian longwords and words, as hunk files and big-endian
// headers are written.
class BigEndianFile {
public:
    BigEndianFile &Long(ULONG value);
    BigEndianFile &Longs(std::initializer_list<ULONG> values);
    BigEndianFile &Word(UWORD value);
    // `text` padded with zeroes to `longs` longwords.
    BigEndianFile &Text(const std::string &text, size_t longs);
    std::string Bytes() const { return std::string(bytes.begin(), bytes.end()); }

    std::vector<UBYTE> bytes;
};

// A hunk program of two hunks: code holding a resident structure whose
// match tag points at itself and whose rt_IdString points at `idString` in
// the data hunk. With `matchTagRight` false the tag points elsewhere, so
// it is no resident structure; with `idInside` false rt_IdString is the
// address 16, outside every segment.
std::string ResidentProgram(const std::string &idString, bool matchTagRight = true, bool idInside = true);

// A hunk program of one data hunk holding `data`.
std::string DataProgram(const std::string &data);

// A 64-bit little-endian ELF executable whose one loadable part holds
// `data` after the headers.
std::string ElfProgram(const std::string &data);

}  // namespace fotest

#endif  // TESTS_FILEOPS_RUN_SUPPORT_H
