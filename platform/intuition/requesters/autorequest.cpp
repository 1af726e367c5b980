// requesters/autorequest.cpp: AutoRequest and BuildSysRequest: a question in IntuiTexts with one or two buttons.
#include "sysrequest.h"

#include <proto/intuition.h>

#include <new>

namespace hosted {

namespace {

// The title the system gives the requesters it builds from IntuiTexts.
constexpr const char *kSystemRequestTitle = "System Request";

// Adds a text to the body, splitting it at line feeds.
void AddText(std::vector<std::string> &lines, const char *text, bool continueLine)
{
    std::string rest = text;
    for (char &c : rest) {
        if (c == '\t')
            c = ' ';
    }
    bool first = true;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = rest.find('\n', start);
        std::string part = rest.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (first && continueLine && !lines.empty())
            lines.back() += (lines.back().empty() ? "" : " ") + part;
        else
            lines.push_back(part);
        first = false;
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
}

// The lines of a body given as a chain of IntuiTexts. Each text is a line
// of its own, in the order of the chain; a text at the same TopEdge as the
// one before continues that line. Their pens, fonts and exact positions are
// not kept: the system lays the body out in its own font and pens.
std::vector<std::string> BodyLines(const struct IntuiText *body)
{
    std::vector<std::string> lines;
    bool any = false;
    WORD lastTop = 0;
    for (const struct IntuiText *t = body; t != nullptr; t = t->NextText) {
        if (t->IText == nullptr)
            continue;
        AddText(lines, reinterpret_cast<const char *>(t->IText), any && t->TopEdge == lastTop);
        any = true;
        lastTop = t->TopEdge;
    }
    return lines;
}

const char *TextOf(const struct IntuiText *text)
{
    return text != nullptr && text->IText != nullptr ? reinterpret_cast<const char *>(text->IText) : nullptr;
}

// The parts of a requester built from IntuiTexts. `positiveOnly` tells that
// the single button is the positive one (no negative text was given).
SysRequestParts PartsOf(struct Window *window, const struct IntuiText *body, const struct IntuiText *posText,
                      const struct IntuiText *negText, ULONG idcmp, bool &positiveOnly)
{
    SysRequestParts parts;
    parts.parent = window;
    parts.title = kSystemRequestTitle;
    parts.lines = BodyLines(body);
    parts.idcmp = idcmp;
    const char *positive = TextOf(posText);
    const char *negative = TextOf(negText);
    positiveOnly = positive != nullptr && negative == nullptr;
    if (positive != nullptr)
        parts.buttons.emplace_back(positive);
    if (negative != nullptr)
        parts.buttons.emplace_back(negative);
    if (parts.buttons.empty())
        parts.buttons.emplace_back("OK");
    return parts;
}

}  // namespace

}  // namespace hosted

using namespace hosted;

/* Asks a question and waits for the answer: a requester window titled
   "System Request" on the window's screen (NULL: the default public
   screen), centred over the window, showing the body (one line per
   IntuiText of the chain, wrapped where a line is long) above the positive
   button at the left and the negative one at the right. Without a positive
   text there is one button, the negative one. Return answers positive (or
   the single button), Escape negative. pFlag and nFlag are IDCMP classes
   that also answer, positively or negatively. Returns TRUE for the positive
   answer, FALSE for the negative one and when no requester can be shown.
   The requester runs its own loop on its own port; the window's messages
   wait meanwhile. Where this host differs: width and height are ignored
   (the requester sizes itself to its contents and the screen), and the
   texts' pens, fonts and positions give way to the system's layout. */
BOOL AutoRequest(struct Window *window, const struct IntuiText *body, const struct IntuiText *posText,
                 const struct IntuiText *negText, ULONG pFlag, ULONG nFlag, ULONG width, ULONG height)
{
    (void)width;
    (void)height;
    try {
        bool positiveOnly = false;
        SysRequest *request = OpenSysRequest(PartsOf(window, body, posText, negText, pFlag | nFlag, positiveOnly));
        if (request == nullptr)
            return FALSE;
        ULONG idcmpClass = 0;
        LONG answer = HandleSysRequest(request, &idcmpClass, true);
        CloseSysRequest(request);
        if (answer == kSysRequestIdcmp)
            return (idcmpClass & pFlag) != 0 ? TRUE : FALSE;
        if (positiveOnly)
            return TRUE;
        return answer == 1 ? TRUE : FALSE;
    } catch (const std::bad_alloc &) {
        return FALSE;
    }
}

/* Opens the requester AutoRequest shows and returns its window without
   waiting: answers come from SysReqHandler (1 for the positive button, 0
   for the negative one, -1 for a class of `flags`), and FreeSysRequest
   closes it. Returns NULL when it cannot be opened. Where this host
   differs: width and height are ignored, and a failure is NULL rather
   than the real system's fallback value. */
struct Window *BuildSysRequest(struct Window *window, const struct IntuiText *body, const struct IntuiText *posText,
                               const struct IntuiText *negText, ULONG flags, UWORD width, UWORD height)
{
    (void)width;
    (void)height;
    try {
        bool positiveOnly = false;
        SysRequest *request = OpenSysRequest(PartsOf(window, body, posText, negText, flags, positiveOnly));
        return SysRequestWindow(request);
    } catch (const std::bad_alloc &) {
        return nullptr;
    }
}
