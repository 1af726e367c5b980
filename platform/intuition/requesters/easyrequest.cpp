// requesters/easyrequest.cpp: EasyRequest and its parts: a formatted question with buttons named by a "|" list.
#include "sysrequest.h"

#include <proto/intuition.h>

#include <new>

namespace hosted {

namespace {

std::vector<std::string> Split(const std::string &text, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}

SysRequest *OpenEasyRequest(struct Window *window, const struct EasyStruct *easyStruct, ULONG idcmp,
                            const IPTR *args)
{
    if (easyStruct == nullptr)
        return nullptr;
    SysRequestParts parts;
    parts.parent = window;
    if (easyStruct->es_Title != nullptr)
        parts.title = easyStruct->es_Title;
    else if (window != nullptr && window->Title != nullptr)
        parts.title = reinterpret_cast<const char *>(window->Title);
    else
        parts.title = "System Request";
    // The buttons take the arguments that follow the body's.
    std::size_t next = 0;
    std::string body = FormatRequestText(easyStruct->es_TextFormat, args, &next);
    for (char &c : body) {
        if (c == '\t')
            c = ' ';
    }
    parts.lines = Split(body, '\n');
    parts.buttons = Split(FormatRequestText(easyStruct->es_GadgetFormat, args, &next), '|');
    parts.idcmp = idcmp;
    return OpenSysRequest(parts);
}

}  // namespace

}  // namespace hosted

using namespace hosted;

/* Shows a requester built from an EasyStruct and waits for the answer.
   es_TextFormat is the body (lines separated by line feeds), es_GadgetFormat
   the buttons' labels separated by "|", left to right; both are formatted
   with args (%s %ld %lu %lx %c ...; the buttons take the arguments after the
   body's). es_Title NULL: the window's title, or "System Request" without
   one. Returns 1 for the leftmost button, 2, 3 ... for those after it and 0
   for the rightmost; -1 when a class of *idcmpPtr arrived (it is then
   stored in *idcmpPtr). When no requester can be shown: 0, the rightmost
   (cautious) answer. Where this host differs: args is an array of IPTR, one
   per conversion, whatever its size letter. */
LONG EasyRequestArgs(struct Window *window, const struct EasyStruct *easyStruct, ULONG *idcmpPtr, const APTR args)
{
    try {
        ULONG idcmp = idcmpPtr != nullptr ? *idcmpPtr : 0;
        SysRequest *request = OpenEasyRequest(window, easyStruct, idcmp, static_cast<const IPTR *>(args));
        if (request == nullptr)
            return 0;
        ULONG idcmpClass = 0;
        LONG answer = HandleSysRequest(request, &idcmpClass, true);
        CloseSysRequest(request);
        if (answer == kSysRequestIdcmp && idcmpPtr != nullptr)
            *idcmpPtr = idcmpClass;
        return answer;
    } catch (const std::bad_alloc &) {
        return 0;
    }
}

/* Opens the requester EasyRequestArgs shows and returns its window without
   waiting; SysReqHandler gives the answers and FreeSysRequest closes it.
   idcmp: classes that also end it. NULL when it cannot be opened. */
struct Window *BuildEasyRequestArgs(struct Window *window, const struct EasyStruct *easyStruct, ULONG idcmp,
                                    const APTR args)
{
    try {
        return SysRequestWindow(OpenEasyRequest(window, easyStruct, idcmp, static_cast<const IPTR *>(args)));
    } catch (const std::bad_alloc &) {
        return nullptr;
    }
}

/* Handles the messages of a requester made by BuildEasyRequestArgs or
   BuildSysRequest. Returns the answer (numbered as EasyRequestArgs numbers
   it), -1 when a class the requester was built to end on arrived (stored in
   *idcmpPtr), or, with waitInput FALSE and nothing to answer, -2. -2 as
   well for a window that is no such requester. */
LONG SysReqHandler(struct Window *window, ULONG *idcmpPtr, BOOL waitInput)
{
    SysRequest *request = SysRequestOf(window);
    if (request == nullptr)
        return kSysRequestNothing;
    ULONG idcmpClass = 0;
    LONG answer = HandleSysRequest(request, &idcmpClass, waitInput != FALSE);
    if (answer == kSysRequestIdcmp && idcmpPtr != nullptr)
        *idcmpPtr = idcmpClass;
    return answer;
}

/* Closes a requester made by BuildEasyRequestArgs or BuildSysRequest.
   NULL, and windows that are no such requester, are ignored. */
void FreeSysRequest(struct Window *window)
{
    CloseSysRequest(SysRequestOf(window));
}
