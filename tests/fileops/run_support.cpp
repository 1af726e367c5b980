// The tests of Execute, Open with and Version: a drawer to work in, a selection walked from a list, big-endian program files.
#include "run_support.h"

#include "support/host_files.h"

#include <dos/doshunks.h>
#include <exec/resident.h>

#include <elf.h>
#include <sys/stat.h>

#include <cstring>

namespace fotest {

void DrawerTest::SetUp()
{
    ASSERT_TRUE(volume_.Make("kv-fileops"));
    ASSERT_TRUE(volume_.Enter());
}

void DrawerTest::WriteFile(const std::string &name, const std::string &bytes) const
{
    kvtest::WriteHostFile(Host(name), bytes);
}

void DrawerTest::WriteScript(const std::string &name, const std::string &body) const
{
    WriteFile(name, "#!/bin/sh\n" + body);
    chmod(Host(name).c_str(), 0755);
}

std::string DrawerTest::ReadFile(const std::string &name) const
{
    return kvtest::ReadHostFile(Host(name));
}

BOOL ListWalk::Next(WalkEntry &entry)
{
    while (next_ < items.size()) {
        size_t row = next_++;
        if (!items[row].selected)
            continue;
        entry.name = items[row].name.c_str();
        entry.type = items[row].type;
        entry.row = ULONG(row);
        return TRUE;
    }
    return FALSE;
}

std::vector<std::string> ListWalk::Selected() const
{
    std::vector<std::string> names;
    for (const Item &item : items)
        if (item.selected)
            names.push_back(item.name);
    return names;
}

BigEndianFile &BigEndianFile::Long(ULONG value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.push_back(UBYTE(value >> shift));
    return *this;
}

BigEndianFile &BigEndianFile::Longs(std::initializer_list<ULONG> values)
{
    for (ULONG value : values)
        Long(value);
    return *this;
}

BigEndianFile &BigEndianFile::Word(UWORD value)
{
    bytes.push_back(UBYTE(value >> 8));
    bytes.push_back(UBYTE(value));
    return *this;
}

BigEndianFile &BigEndianFile::Text(const std::string &text, size_t longs)
{
    for (size_t i = 0; i < longs * 4; i++)
        bytes.push_back(i < text.size() ? UBYTE(text[i]) : 0);
    return *this;
}

std::string ResidentProgram(const std::string &idString, bool matchTagRight, bool idInside)
{
    ULONG dataLongs = ULONG(idString.size() / 4 + 2);
    BigEndianFile file;
    file.Longs({HUNK_HEADER, 0, 2, 0, 1, 8, dataLongs});
    // A word of code, then the structure at offset 4: match word, match
    // tag, end skip, flags, version, type, priority, name, id string, init.
    file.Longs({HUNK_CODE, 8, 0x4E714E71});
    file.Word(RTC_MATCHWORD).Long(matchTagRight ? 4 : 8).Long(0).Word(0x0001).Word(0).Long(0);
    file.Long(idInside ? 0 : 16).Long(0).Word(0);
    file.Longs({HUNK_RELOC32, 1, 0, 4 + RT_MATCHTAG});
    if (idInside)
        file.Longs({1, 1, 4 + RT_IDSTRING});
    file.Longs({0, HUNK_END});
    file.Long(HUNK_DATA).Long(dataLongs).Text(idString, dataLongs).Long(HUNK_END);
    return file.Bytes();
}

std::string DataProgram(const std::string &data)
{
    ULONG longs = ULONG(data.size() / 4 + 1);
    BigEndianFile file;
    file.Longs({HUNK_HEADER, 0, 1, 0, 0, longs, HUNK_DATA, longs}).Text(data, longs).Long(HUNK_END);
    return file.Bytes();
}

std::string ElfProgram(const std::string &data)
{
    Elf64_Ehdr header{};
    std::memcpy(header.e_ident, ELFMAG, SELFMAG);
    header.e_ident[EI_CLASS] = ELFCLASS64;
    header.e_ident[EI_DATA] = ELFDATA2LSB;
    header.e_ident[EI_VERSION] = EV_CURRENT;
    header.e_type = ET_EXEC;
    header.e_machine = EM_X86_64;
    header.e_version = EV_CURRENT;
    header.e_phoff = sizeof header;
    header.e_ehsize = sizeof header;
    header.e_phentsize = sizeof(Elf64_Phdr);
    header.e_phnum = 1;
    Elf64_Phdr load{};
    load.p_type = PT_LOAD;
    load.p_offset = 0;
    load.p_filesz = sizeof header + sizeof load + data.size();
    load.p_memsz = load.p_filesz + 64;   // and some zeroed memory behind
    std::string bytes(reinterpret_cast<const char *>(&header), sizeof header);
    bytes.append(reinterpret_cast<const char *>(&load), sizeof load);
    return bytes + data;
}

}  // namespace fotest
