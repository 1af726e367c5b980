// lister/entry_buffer.cpp: preparing an EntryBuffer and setting its path.
#include "entry_buffer.h"

BOOL InitEntryBuffer(const EntryBuffer &buffer)
{
    if (!buffer.Usable())
        return FALSE;
    std::memset(buffer.base, 0, ListerHeaderSize);
    std::memset(buffer.base + buffer.size - EntryBufferEndMarkSize - DisplaySlotSize, 0,
                EntryBufferEndMarkSize + DisplaySlotSize);
    return TRUE;
}

BOOL SetListerPath(ListerHeader &header, CONST_STRPTR path)
{
    size_t length = strnlen(path, ListerPathSize);
    if (length >= ListerPathSize)
        return FALSE;
    std::memmove(header.path, path, length + 1);
    header.pathEnd = ULONG(length);
    return TRUE;
}
