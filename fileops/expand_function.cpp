// fileops/expand_function.cpp: the placeholders of a user menu function replaced, bounded by the command line buffer.
#include "expand_function.h"

#include "shell_word.h"

#include <cstring>

namespace {

// The typed text of "%i…%i": 1023 characters and the NUL.
constexpr ULONG AnswerSize = 1024;

// The line being built: every append either fits whole or marks it too long.
class LineBuilder {
public:
    LineBuilder(STRPTR line, ULONG size) : line_(line), size_(size)
    {
        if (size_ != 0)
            line_[0] = '\0';
        else
            tooLong_ = true;
    }

    void Append(CONST_STRPTR text, size_t length)
    {
        if (tooLong_)
            return;
        if (length >= size_ - length_) {
            tooLong_ = true;
            return;
        }
        std::memcpy(line_ + length_, text, length);
        length_ += ULONG(length);
        line_[length_] = '\0';
    }

    void Append(CONST_STRPTR text) { Append(text, text != nullptr ? std::strlen(text) : 0); }
    void Append(char c) { Append(&c, 1); }

    // A name as one quoted word of the shell.
    void AppendQuoted(CONST_STRPTR name)
    {
        if (!tooLong_ && !AppendShellWord(line_, length_, size_, name, Quoting::Always))
            tooLong_ = true;
    }

    // A drawer path, then "/" unless it is a root (ends in ":") or empty.
    void AppendDrawer(CONST_STRPTR path, bool slash)
    {
        Append(path);
        size_t length = std::strlen(path);
        if (slash && length != 0 && path[length - 1] != ':')
            Append('/');
    }

    bool TooLong() const { return tooLong_; }

private:
    STRPTR line_;
    ULONG size_;
    ULONG length_ = 0;
    bool tooLong_ = false;
};

// The text from `at` up to the next "%<marker>" into `out` (`size`
// bytes). `end` is where the closing marker starts. FALSE when there is
// none; `fits` FALSE when the text does not fit.
bool TextUpToMarker(CONST_STRPTR function, ULONG at, char marker, STRPTR out, ULONG size, ULONG &end, bool &fits)
{
    const char closing[3] = {'%', marker, '\0'};
    CONST_STRPTR found = std::strstr(function + at, closing);
    if (found == nullptr)
        return false;
    end = ULONG(found - function);
    ULONG length = end - at;
    fits = length < size;
    if (fits) {
        std::memcpy(out, function + at, length);
        out[length] = '\0';
    }
    return true;
}

}  // namespace

ExpandResult ExpandFunction(const ExpandRequest &request, const ExpandBuffers &buffers)
{
    ExpandResult result;
    LineBuilder line(buffers.line, buffers.lineSize);
    // The scratch buffer in three: the drawer of "%C", the prompt of "%i"
    // and the answer to it, so that one does not overwrite another.
    bool scratchUsable = buffers.scratch != nullptr && buffers.scratchSize >= 3 * AnswerSize;
    ULONG halves = scratchUsable ? (buffers.scratchSize - AnswerSize) / 2 : 0;
    STRPTR drawerText = buffers.scratch;
    STRPTR promptText = scratchUsable ? buffers.scratch + halves : nullptr;
    STRPTR answer = scratchUsable ? buffers.scratch + 2 * halves : nullptr;

    CONST_STRPTR function = request.function;
    ULONG length = ULONG(std::strlen(function));
    const MenuRunEntry *current = request.current;
    for (ULONG i = request.from < length ? request.from : length; i < length;) {
        char c = function[i];
        if (c != '%' || i + 1 == length) {
            line.Append(c);   // a final "%" too
            i++;
            continue;
        }
        char code = function[i + 1];
        i += 2;
        switch (code) {
        case 's':
            if (current == nullptr)
                break;
            if (!request.allAtOnce) {
                line.Append(current->name);
                break;
            }
            line.AppendQuoted(current->name);
            if (request.selection != nullptr) {
                MenuRunEntry later;
                for (ULONG row = current->row; request.selection->SelectedAfter(row, later); row = later.row) {
                    line.Append(' ');
                    line.AppendQuoted(later.name);
                }
            }
            break;
        case 'h':
            if (current != nullptr)
                line.Append(current->comment);
            break;
        case 'p':
        case 'P':
            line.AppendDrawer(request.drawer, code == 'P');
            break;
        case 'd':
        case 'D':
            line.AppendDrawer(request.destination, code == 'D');
            break;
        case 'c':
            result.directory = request.destination;
            break;
        case 'C':
        case 'i': {
            ULONG end = 0;
            bool fits = false;
            STRPTR into = code == 'C' ? drawerText : promptText;
            if (!TextUpToMarker(function, i, code, into, scratchUsable ? halves : 0, end, fits)) {
                result.status = ExpandStatus::Unclosed;
                return result;
            }
            if (!fits) {
                result.status = ExpandStatus::TooLong;
                return result;
            }
            i = end + 2;
            if (code == 'C') {
                result.directory = drawerText;
                break;
            }
            if (request.prompt == nullptr ||
                !request.prompt->AskArguments(request.itemName, promptText, answer, AnswerSize)) {
                result.status = ExpandStatus::NotAnswered;
                return result;
            }
            answer[AnswerSize - 1] = '\0';
            line.Append(answer);
            break;
        }
        case 'n':
            result.more = TRUE;
            result.next = i;
            i = length;
            break;
        case 'l':
            result.status = ExpandStatus::GoToDrawer;
            result.goTo = function + i;
            return result;
        case 'r':
            result.refresh = TRUE;
            break;
        default:
            line.Append('%');
            line.Append(code);
            break;
        }
    }
    if (line.TooLong()) {
        if (buffers.lineSize != 0)
            buffers.line[0] = '\0';
        result.status = ExpandStatus::TooLong;
    }
    return result;
}
