// dos/streams.cpp: buffered character I/O, formatted output and the standard streams of a process.
#include "dosprivate.h"

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

using hosted::Fail;
using hosted::FileRecord;

namespace {

// Fills the read buffer; false at the end of the stream or on failure
// (IoErr tells: 0 at the end).
bool FillBuffer(FileRecord *record)
{
    if (!record->canRead) {
        Fail(ERROR_READ_PROTECTED);
        return false;
    }
    if (!hosted::FlushRecord(record))
        return false;
    if (!record->buffer)
        record->buffer.reset(new char[hosted::kStreamBufferSize]);
    record->readPos = record->readEnd = 0;
    LONG got = hosted::RecordRead(record, record->buffer.get(), hosted::kStreamBufferSize);
    if (got <= 0) {
        if (got == 0)
            SetIoErr(0);
        return false;
    }
    record->readEnd = got;
    return true;
}

void AppendPadded(std::string &out, const std::string &text, int width, bool left, char pad)
{
    int fill = width - static_cast<int>(text.size());
    if (fill > 0 && !left) {
        // Zeros go after a sign.
        if (pad == '0' && !text.empty() && text[0] == '-') {
            out += '-';
            out.append(static_cast<size_t>(fill), '0');
            out.append(text, 1, std::string::npos);
            return;
        }
        out.append(static_cast<size_t>(fill), pad);
    }
    out += text;
    if (fill > 0 && left)
        out.append(static_cast<size_t>(fill), ' ');
}

// The system's formatting: %[-][0][width][.limit][l]{s,b,d,u,x,X,c,%}
// with one IPTR of the array per conversion.
std::string Format(const char *format, const IPTR *arguments)
{
    std::string out;
    for (const char *f = format; *f != 0; f++) {
        if (*f != '%') {
            out += *f;
            continue;
        }
        const char *start = f++;
        bool left = false;
        char pad = ' ';
        if (*f == '-') {
            left = true;
            f++;
        }
        if (*f == '0') {
            pad = '0';
            f++;
        }
        int width = 0;
        while (*f >= '0' && *f <= '9')
            width = width * 10 + (*f++ - '0');
        int limit = -1;
        if (*f == '.') {
            f++;
            limit = 0;
            while (*f >= '0' && *f <= '9')
                limit = limit * 10 + (*f++ - '0');
        }
        while (*f == 'l')
            f++;
        std::string text;
        char number[40];
        switch (*f) {
        case 's': {
            const char *s = arguments != nullptr ? reinterpret_cast<const char *>(*arguments++) : nullptr;
            text = s != nullptr ? s : "";
            break;
        }
        case 'b': {
            const auto *b = arguments != nullptr ? static_cast<const unsigned char *>(BADDR(*arguments++)) : nullptr;
            if (b != nullptr)
                text.assign(reinterpret_cast<const char *>(b + 1), b[0]);
            break;
        }
        case 'd':
        case 'i':
            std::snprintf(number, sizeof number, "%ld",
                          static_cast<long>(static_cast<LONG>(arguments != nullptr ? *arguments++ : 0)));
            text = number;
            break;
        case 'u':
            std::snprintf(number, sizeof number, "%lu",
                          static_cast<unsigned long>(static_cast<ULONG>(arguments != nullptr ? *arguments++ : 0)));
            text = number;
            break;
        case 'x':
        case 'X':
            std::snprintf(number, sizeof number, *f == 'x' ? "%lx" : "%lX",
                          static_cast<unsigned long>(static_cast<ULONG>(arguments != nullptr ? *arguments++ : 0)));
            text = number;
            break;
        case 'c':
            text = std::string(1, static_cast<char>(arguments != nullptr ? *arguments++ : 0));
            break;
        case '%':
            out += '%';
            continue;
        case 0:
            out.append(start);
            return out;
        default:
            out.append(start, static_cast<size_t>(f - start + 1));
            continue;
        }
        if (limit >= 0 && text.size() > static_cast<size_t>(limit))
            text.resize(static_cast<size_t>(limit));
        AppendPadded(out, text, width, left, pad);
    }
    return out;
}

}  // namespace

/* Reads one byte through the handle's buffer; -1 at the end of the stream
   (IoErr 0) or on failure (IoErr set). */
LONG FGetC(BPTR file)
{
    FileRecord *record = hosted::FileRecordOf(file);
    if (record == nullptr)
        return -1;
    if (record->readPos >= record->readEnd && !FillBuffer(record))
        return -1;
    return static_cast<UBYTE>(record->buffer[record->readPos++]);
}

/* Writes one byte through the handle's buffer; returns it, or -1 with
   IoErr set. */
LONG FPutC(BPTR file, LONG character)
{
    FileRecord *record = hosted::FileRecordOf(file);
    if (record == nullptr)
        return -1;
    char byte = static_cast<char>(character);
    return hosted::BufferedWrite(record, &byte, 1) ? static_cast<UBYTE>(byte) : -1;
}

/* Writes a string through the handle's buffer; 0 on success, -1 with
   IoErr set on failure. */
LONG FPuts(BPTR file, CONST_STRPTR string)
{
    FileRecord *record = hosted::FileRecordOf(file);
    if (record == nullptr)
        return -1;
    if (string == nullptr)
        return 0;
    return hosted::BufferedWrite(record, string, static_cast<LONG>(std::strlen(string))) ? 0 : -1;
}

/* Reads a line: at most length - 1 bytes, up to and including a line
   feed, always terminated. Returns buffer, or NULL when nothing was read
   (IoErr 0 at the end of the stream). */
STRPTR FGets(BPTR file, STRPTR buffer, ULONG length)
{
    FileRecord *record = hosted::FileRecordOf(file);
    if (record == nullptr || buffer == nullptr || length == 0)
        return nullptr;
    ULONG count = 0;
    while (count + 1 < length) {
        if (record->readPos >= record->readEnd && !FillBuffer(record))
            break;
        char c = record->buffer[record->readPos++];
        buffer[count++] = c;
        if (c == '\n')
            break;
    }
    buffer[count] = 0;
    return count > 0 ? buffer : nullptr;
}

/* Writes out what the handle has buffered and drops bytes read ahead.
   DOSTRUE on success, DOSFALSE with IoErr set on failure. */
LONG Flush(BPTR file)
{
    FileRecord *record = hosted::FileRecordOf(file);
    if (record == nullptr)
        return DOSFALSE;
    if (!hosted::FlushRecord(record))
        return DOSFALSE;
    if (record->readEnd > record->readPos && record->fd >= 0 && !record->console) {
        lseek(record->fd, -static_cast<off_t>(record->readEnd - record->readPos), SEEK_CUR);
    }
    record->readPos = record->readEnd = 0;
    return DOSTRUE;
}

/* Writes a string to the current output; 0 on success, -1 on failure. */
LONG PutStr(CONST_STRPTR string)
{
    return FPuts(Output(), string);
}

/* Formats with the system's conversions (%s %b %d %u %x %X %c, "l" accepted,
   flags "-" and "0", a width and a ".limit") taking one IPTR of argarray
   per conversion, and writes the text to file. Returns the count of bytes,
   or -1 with IoErr set. */
LONG VFPrintf(BPTR file, CONST_STRPTR format, CONST_APTR argarray)
{
    if (format == nullptr)
        return 0;
    std::string text = Format(format, static_cast<const IPTR *>(argarray));
    FileRecord *record = hosted::FileRecordOf(file);
    if (record == nullptr)
        return -1;
    if (!hosted::BufferedWrite(record, text.data(), static_cast<LONG>(text.size())))
        return -1;
    return static_cast<LONG>(text.size());
}

/* VFPrintf to the current output. */
LONG VPrintf(CONST_STRPTR format, CONST_APTR argarray)
{
    return VFPrintf(Output(), format, argarray);
}

/* DOSTRUE when the handle is a terminal or console a person types into. */
LONG IsInteractive(BPTR file)
{
    FileRecord *record = hosted::FileRecordOf(file);
    return record != nullptr && record->interactive ? DOSTRUE : DOSFALSE;
}

/* The caller's current input stream (the host's standard input unless
   another was given or selected). */
BPTR Input(void)
{
    return hosted::ThisProcess()->pr_CIS;
}

/* The caller's current output stream. */
BPTR Output(void)
{
    return hosted::ThisProcess()->pr_COS;
}

/* Makes file the current input; returns the one it replaces. */
BPTR SelectInput(BPTR file)
{
    struct Process *process = hosted::ThisProcess();
    BPTR old = process->pr_CIS;
    process->pr_CIS = file;
    return old;
}

/* Makes file the current output; returns the one it replaces. */
BPTR SelectOutput(BPTR file)
{
    struct Process *process = hosted::ThisProcess();
    BPTR old = process->pr_COS;
    process->pr_COS = file;
    return old;
}

/* Makes file the current error stream (pr_CES); returns the one it
   replaces. */
BPTR SelectError(BPTR file)
{
    struct Process *process = hosted::ThisProcess();
    BPTR old = process->pr_CES;
    process->pr_CES = file;
    return old;
}

/* The full path of an open file, as NameFromLock gives it. FALSE with
   IoErr ERROR_OBJECT_WRONG_TYPE for consoles and NIL:, ERROR_LINE_TOO_LONG
   when the buffer is too small. */
BOOL NameFromFH(BPTR file, STRPTR buffer, LONG length)
{
    FileRecord *record = hosted::FileRecordOf(file);
    if (record == nullptr)
        return FALSE;
    if (!record->haveLocation) {
        Fail(ERROR_OBJECT_WRONG_TYPE);
        return FALSE;
    }
    if (buffer == nullptr || length <= 0) {
        Fail(ERROR_LINE_TOO_LONG);
        return FALSE;
    }
    std::string text = hosted::DosPathOf(record->where);
    size_t keep = text.size() < static_cast<size_t>(length) ? text.size() : static_cast<size_t>(length) - 1;
    std::memcpy(buffer, text.data(), keep);
    buffer[keep] = 0;
    if (keep < text.size()) {
        Fail(ERROR_LINE_TOO_LONG);
        return FALSE;
    }
    return TRUE;
}
