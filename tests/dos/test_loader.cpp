// The loader: hunk files relocated below 4 GiB with their resident tags intact, ELF files, and refusals.
#include "dos_test_support.h"
#include "loader.h"

#include <dos/doshunks.h>
#include <exec/resident.h>

#include <elf.h>
#include <sys/stat.h>

#include <cstring>
#include <fstream>
#include <iterator>

namespace {

using dostest::DosTest;

// Builds a file of big-endian longwords, as a hunk file is written.
class HunkFile {
public:
    HunkFile &Long(ULONG value)
    {
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes.push_back(static_cast<UBYTE>(value >> shift));
        return *this;
    }
    HunkFile &Longs(std::initializer_list<ULONG> values)
    {
        for (ULONG value : values)
            Long(value);
        return *this;
    }
    HunkFile &Word(UWORD value)
    {
        bytes.push_back(static_cast<UBYTE>(value >> 8));
        bytes.push_back(static_cast<UBYTE>(value));
        return *this;
    }
    // `text` padded with zeroes to `longs` longwords.
    HunkFile &Text(const char *text, size_t longs)
    {
        size_t length = std::strlen(text);
        for (size_t i = 0; i < longs * 4; i++)
            bytes.push_back(i < length ? static_cast<UBYTE>(text[i]) : 0);
        return *this;
    }

    std::vector<UBYTE> bytes;
};

const char kVersion[] = "$VER: kvtest 1.2 (1.8.10)\r\n";

// A program of three hunks: code holding a resident structure whose match
// tag points at itself, whose name and id string point into the data hunk
// and whose end-skip is a short relocation; data shorter in the file than
// in memory; and a BSS hunk. Symbols, a name and debug data are mixed in.
HunkFile ResidentProgram(bool withAdvisoryBlock = false)
{
    HunkFile file;
    file.Longs({HUNK_HEADER, 0, 3, 0, 2, 8, HUNKF_CHIP | 12, 16});
    file.Longs({HUNK_NAME, 1}).Text("code", 1);
    file.Longs({HUNK_CODE, 8});
    file.Word(RTC_MATCHWORD).Long(0).Long(32);          // match word, match tag, end skip
    file.Word(0x0001).Word(0x0000);                      // flags 0, version 1, type 0, priority 0
    file.Long(32).Long(0).Long(0).Word(0).Long(0);       // name, id string, init; padding to 32 bytes
    file.Longs({HUNK_RELOC32, 1, 0, 2, 2, 1, 14, 18, 0});
    file.Long(HUNK_RELOC32SHORT).Word(1).Word(0).Word(6).Word(0);
    file.Longs({HUNK_SYMBOL, 1}).Text("sym", 1).Longs({0, 0});
    file.Long(HUNK_END);
    file.Longs({HUNK_DATA, 10}).Text(kVersion, 8).Text("kvtest", 2);
    if (withAdvisoryBlock)
        file.Longs({HUNKF_ADVISORY | 1234, 2, 0x11111111, 0x22222222});
    file.Long(HUNK_END);
    file.Longs({HUNK_BSS, 16, HUNK_DEBUG, 2, 0xDEADBEEF, 0xCAFEBABE, HUNK_END});
    return file;
}

ULONG BigEndianAt(const UBYTE *p)
{
    return (ULONG(p[0]) << 24) | (ULONG(p[1]) << 16) | (ULONG(p[2]) << 8) | ULONG(p[3]);
}

struct Segment {
    UBYTE *data;
    ULONG length;   // the length word: length word, link and data
};

std::vector<Segment> Segments(BPTR seglist)
{
    std::vector<Segment> segments;
    for (BPTR link = seglist; link != 0; link = *static_cast<BPTR *>(BADDR(link))) {
        auto *at = static_cast<UBYTE *>(BADDR(link));
        segments.push_back({at + sizeof(BPTR), reinterpret_cast<ULONG *>(at)[-1]});
    }
    return segments;
}

ULONG AddressOf(const void *pointer)
{
    return static_cast<ULONG>(reinterpret_cast<uintptr_t>(pointer));
}

BPTR LoadBytes(const std::vector<UBYTE> &bytes, LONG &error)
{
    hosted::loader::MemorySource source(bytes.data(), bytes.size());
    error = 0;
    return hosted::loader::LoadExecutable(source, error);
}

class Loader : public DosTest {
protected:
    void WriteFile(const std::string &name, const std::vector<UBYTE> &bytes)
    {
        dostest::WriteHostFile(Host(name), std::string(bytes.begin(), bytes.end()));
    }
};

TEST_F(Loader, ResidentTagIsFoundAtItsRelocatedAddress)
{
    WriteFile("program", ResidentProgram().bytes);
    BPTR seglist = NewLoadSeg("program", nullptr);
    ASSERT_NE(seglist, 0) << IoErr();
    std::vector<Segment> segments = Segments(seglist);
    ASSERT_EQ(segments.size(), 3u);
    EXPECT_EQ(segments[0].length, sizeof(ULONG) + sizeof(BPTR) + 32);
    EXPECT_EQ(segments[1].length, sizeof(ULONG) + sizeof(BPTR) + 48);
    EXPECT_EQ(segments[2].length, sizeof(ULONG) + sizeof(BPTR) + 64);

    const UBYTE *code = segments[0].data;
    const UBYTE *data = segments[1].data;
    for (const Segment &segment : segments)
        EXPECT_LE(reinterpret_cast<uintptr_t>(segment.data) + segment.length, 0x100000000ull);
    EXPECT_EQ((code[RT_MATCHWORD] << 8) | code[RT_MATCHWORD + 1], RTC_MATCHWORD);
    EXPECT_EQ(BigEndianAt(code + RT_MATCHTAG), AddressOf(code));
    EXPECT_EQ(BigEndianAt(code + RT_ENDSKIP), AddressOf(code + 32));
    EXPECT_EQ(code[RT_VERSION], 1);
    EXPECT_EQ(BigEndianAt(code + RT_NAME), AddressOf(data + 32));
    EXPECT_STREQ(reinterpret_cast<const char *>(data + 32), "kvtest");
    ULONG idString = BigEndianAt(code + RT_IDSTRING);
    ASSERT_EQ(idString, AddressOf(data));
    EXPECT_EQ(std::memcmp(reinterpret_cast<const char *>(static_cast<uintptr_t>(idString)), kVersion,
                          sizeof kVersion - 1),
              0);
    // Data past what the file holds, and the whole BSS hunk, are zero.
    for (int i = 40; i < 48; i++)
        EXPECT_EQ(data[i], 0) << i;
    for (int i = 0; i < 64; i++)
        EXPECT_EQ(segments[2].data[i], 0) << i;
    UnLoadSeg(seglist);
}

TEST_F(Loader, LoadSegLoadsTheSameAndAdvisoryBlocksAreSkipped)
{
    WriteFile("program", ResidentProgram(true).bytes);
    BPTR seglist = LoadSeg("program");
    ASSERT_NE(seglist, 0) << IoErr();
    std::vector<Segment> segments = Segments(seglist);
    ASSERT_EQ(segments.size(), 3u);
    EXPECT_EQ(BigEndianAt(segments[0].data + RT_MATCHTAG), AddressOf(segments[0].data));
    UnLoadSeg(seglist);
}

TEST_F(Loader, EveryTruncationOfAHunkFileIsRefused)
{
    std::vector<UBYTE> whole = ResidentProgram().bytes;
    for (size_t size = 0; size < whole.size(); size++) {
        std::vector<UBYTE> cut(whole.begin(), whole.begin() + static_cast<long>(size));
        LONG error;
        EXPECT_EQ(LoadBytes(cut, error), 0) << size;
        EXPECT_EQ(error, size < 4 ? ERROR_FILE_NOT_OBJECT : ERROR_BAD_HUNK) << size;
    }
    WriteFile("cut", std::vector<UBYTE>(whole.begin(), whole.begin() + 60));
    EXPECT_EQ(NewLoadSeg("cut", nullptr), 0);
    EXPECT_EQ(IoErr(), ERROR_BAD_HUNK);
}

TEST_F(Loader, CorruptHunkFilesAreRefusedWithoutReadingOrAllocatingBeyondReason)
{
    struct Case {
        const char *what;
        HunkFile file;
        LONG error;
    };
    std::vector<Case> cases;
    cases.push_back({"relocation past the hunk", HunkFile().Longs({HUNK_HEADER, 0, 1, 0, 0, 1, HUNK_CODE, 1, 0,
                                                                  HUNK_RELOC32, 1, 0, 4, 0, HUNK_END}),
                     ERROR_BAD_HUNK});
    cases.push_back({"relocation to a missing hunk", HunkFile().Longs({HUNK_HEADER, 0, 1, 0, 0, 1, HUNK_CODE, 1, 0,
                                                                       HUNK_RELOC32, 1, 5, 0, 0, HUNK_END}),
                     ERROR_BAD_HUNK});
    cases.push_back({"code longer than its hunk", HunkFile().Longs({HUNK_HEADER, 0, 1, 0, 0, 1, HUNK_CODE, 2, 0, 0,
                                                                   HUNK_END}),
                     ERROR_BAD_HUNK});
    cases.push_back({"first hunk after last", HunkFile().Longs({HUNK_HEADER, 0, 2, 1, 0, 1, 1}), ERROR_BAD_HUNK});
    cases.push_back({"hunk count beyond the file", HunkFile().Longs({HUNK_HEADER, 0, 0xFFFFFFFF, 0, 0x7FFFFFFF, 1}),
                     ERROR_BAD_HUNK});
    cases.push_back({"resident library names", HunkFile().Longs({HUNK_HEADER, 1, 0x41424344, 0, 1, 0, 0, 1}),
                     ERROR_BAD_HUNK});
    cases.push_back({"unknown block", HunkFile().Longs({HUNK_HEADER, 0, 1, 0, 0, 1, HUNK_CODE, 1, 0, 1500, HUNK_END}),
                     ERROR_BAD_HUNK});
    cases.push_back({"overlay", HunkFile().Longs({HUNK_HEADER, 0, 1, 0, 0, 1, HUNK_CODE, 1, 0, HUNK_END,
                                                  HUNK_OVERLAY, 0}),
                     ERROR_BAD_HUNK});
    cases.push_back({"a hunk missing", HunkFile().Longs({HUNK_HEADER, 0, 2, 0, 1, 1, 1, HUNK_CODE, 1, 0, HUNK_END}),
                     ERROR_BAD_HUNK});
    cases.push_back({"relocation in no hunk", HunkFile().Longs({HUNK_HEADER, 0, 1, 0, 0, 1, HUNK_RELOC32, 0}),
                     ERROR_BAD_HUNK});
    cases.push_back({"four gigabytes of BSS", HunkFile().Longs({HUNK_HEADER, 0, 1, 0, 0, 0x3FFFFFFF, HUNK_BSS,
                                                               0x3FFFFFFF, HUNK_END}),
                     ERROR_NO_FREE_STORE});
    for (const Case &c : cases) {
        LONG error;
        BPTR seglist = LoadBytes(c.file.bytes, error);
        EXPECT_EQ(seglist, 0) << c.what;
        EXPECT_EQ(error, c.error) << c.what;
        UnLoadSeg(seglist);
    }
}

TEST_F(Loader, ElfExecutableLoadsItsLoadableParts)
{
    std::ifstream in("/bin/true", std::ios::binary);
    std::vector<UBYTE> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), sizeof(Elf64_Ehdr));
    WriteFile("true", bytes);
    BPTR seglist = NewLoadSeg("true", nullptr);
    ASSERT_NE(seglist, 0) << IoErr();
    std::vector<Segment> segments = Segments(seglist);

    Elf64_Ehdr header;
    std::memcpy(&header, bytes.data(), sizeof header);
    size_t index = 0;
    for (int i = 0; i < header.e_phnum; i++) {
        Elf64_Phdr program;
        std::memcpy(&program, bytes.data() + header.e_phoff + i * header.e_phentsize, sizeof program);
        if (program.p_type != PT_LOAD || program.p_memsz == 0)
            continue;
        ASSERT_LT(index, segments.size());
        EXPECT_EQ(segments[index].length, sizeof(ULONG) + sizeof(BPTR) + program.p_memsz);
        EXPECT_EQ(std::memcmp(segments[index].data, bytes.data() + program.p_offset, program.p_filesz), 0);
        for (size_t b = program.p_filesz; b < program.p_memsz; b++)
            ASSERT_EQ(segments[index].data[b], 0);
        index++;
    }
    EXPECT_EQ(index, segments.size());
    UnLoadSeg(seglist);
}

// A 32-bit big-endian relocatable object, the form PowerPC programs of the
// system take: one section of code, one of zeroed data, one not loaded.
std::vector<UBYTE> BigEndianObject()
{
    HunkFile file;   // the same big-endian writer serves here
    file.Long(0x7F454C46).Long(0x01020100).Longs({0, 0});      // identity: 32-bit, big-endian
    file.Word(ET_REL).Word(EM_PPC).Long(1).Long(0).Long(0);    // type, machine, version, entry, phoff
    file.Long(52 + 8).Long(0).Word(52).Word(0).Word(0);        // shoff, flags, ehsize, phentsize, phnum
    file.Word(40).Word(4).Word(0);                             // shentsize, shnum, shstrndx
    file.Text("TEXT", 2);                                      // section contents at 52
    const ULONG none[10] = {};
    for (ULONG value : none)
        file.Long(value);
    file.Longs({0, SHT_PROGBITS, SHF_ALLOC | SHF_EXECINSTR, 0, 52, 8, 0, 0, 4, 0});
    file.Longs({0, SHT_NOBITS, SHF_ALLOC | SHF_WRITE, 0, 0, 12, 0, 0, 4, 0});
    file.Longs({0, SHT_PROGBITS, 0, 0, 52, 4, 0, 0, 1, 0});
    return file.bytes;
}

TEST_F(Loader, BigEndianRelocatableObjectLoadsItsAllocatedSections)
{
    WriteFile("object", BigEndianObject());
    BPTR seglist = NewLoadSeg("object", nullptr);
    ASSERT_NE(seglist, 0) << IoErr();
    std::vector<Segment> segments = Segments(seglist);
    ASSERT_EQ(segments.size(), 2u);
    EXPECT_EQ(segments[0].length, sizeof(ULONG) + sizeof(BPTR) + 8);
    EXPECT_EQ(std::memcmp(segments[0].data, "TEXT\0\0\0\0", 8), 0);
    EXPECT_EQ(segments[1].length, sizeof(ULONG) + sizeof(BPTR) + 12);
    for (int i = 0; i < 12; i++)
        EXPECT_EQ(segments[1].data[i], 0);
    UnLoadSeg(seglist);

    std::vector<UBYTE> object = BigEndianObject();
    object[52 + 8 + 40 + 16 + 3] = 0xF0;   // the first section's offset now lies past the end
    LONG error;
    EXPECT_EQ(LoadBytes(object, error), 0);
    EXPECT_EQ(error, ERROR_BAD_HUNK);
}

TEST_F(Loader, WhatIsNoExecutableIsRefusedWithTheSystemsCodes)
{
    dostest::WriteHostFile(Host("text"), "Just some text, long enough to be looked at.\n");
    dostest::WriteHostFile(Host("empty"), "");
    mkdir(Host("drawer").c_str(), 0755);
    EXPECT_EQ(NewLoadSeg("text", nullptr), 0);
    EXPECT_EQ(IoErr(), ERROR_FILE_NOT_OBJECT);
    EXPECT_EQ(NewLoadSeg("empty", nullptr), 0);
    EXPECT_EQ(IoErr(), ERROR_FILE_NOT_OBJECT);
    EXPECT_EQ(NewLoadSeg("drawer", nullptr), 0);
    EXPECT_EQ(IoErr(), ERROR_OBJECT_WRONG_TYPE);
    EXPECT_EQ(NewLoadSeg("missing", nullptr), 0);
    EXPECT_EQ(IoErr(), ERROR_OBJECT_NOT_FOUND);
    EXPECT_EQ(LoadSeg(nullptr), 0);
    EXPECT_EQ(IoErr(), ERROR_REQUIRED_ARG_MISSING);
}

TEST_F(Loader, UnLoadSegFreesOnceAndIgnoresWhatItDidNotMake)
{
    LONG error;
    BPTR seglist = LoadBytes(ResidentProgram().bytes, error);
    ASSERT_NE(seglist, 0);
    EXPECT_TRUE(hosted::loader::FreeSegmentList(seglist));
    EXPECT_FALSE(hosted::loader::FreeSegmentList(seglist));
    ULONG fake[4] = {};
    EXPECT_FALSE(hosted::loader::FreeSegmentList(MKBADDR(&fake[2])));
    UnLoadSeg(0);
    UnLoadSeg(seglist);   // already freed: left alone
}

}  // namespace
