// dos/links.cpp: MakeLink and ReadLink: hard and soft links, their targets spoken as dos paths.
#include "dosprivate.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

using hosted::Fail;
using hosted::FailErrno;

namespace hosted {
namespace {

// A host link's relative text in the system's grammar: ".." is a "/" of
// its own (a parent), "." is dropped, names are shown as dos shows names.
// "../x" is "/x", "a/../b" is "a//b", "x/.." is "x//".
std::string DosTextOfRelativeLink(const std::string &host)
{
    std::string text;
    bool afterName = false;
    size_t start = 0;
    while (start <= host.size()) {
        size_t end = host.find('/', start);
        if (end == std::string::npos)
            end = host.size();
        std::string part = host.substr(start, end - start);
        start = end + 1;
        if (part.empty() || part == ".")
            continue;
        if (part == "..") {
            text += afterName ? "//" : "/";
            afterName = false;
            continue;
        }
        if (afterName)
            text += "/";
        text += ShownText(part);
        afterName = true;
    }
    return text;
}

// The way back: each "/" that follows no name goes one drawer up; a final
// "/" ends the path, as dos reads paths.
std::string HostTextOfRelativeLink(const std::string &dos)
{
    std::string host;
    size_t start = 0;
    while (start < dos.size()) {
        size_t slash = dos.find('/', start);
        size_t end = slash == std::string::npos ? dos.size() : slash;
        std::string part = dos.substr(start, end - start);
        if (!host.empty())
            host += "/";
        host += part.empty() ? std::string("..") : HostText(part);
        if (slash == std::string::npos)
            break;
        start = slash + 1;
    }
    return host.empty() ? std::string(".") : host;
}

// Resolves `path` relative to the drawer of `lock` (0: the current directory).
bool LocationRelativeTo(BPTR lock, CONST_STRPTR path, DosLocation &where)
{
    if (lock == 0)
        return ResolveLocation(path, where);
    struct Process *process = ThisProcess();
    BPTR old = process->pr_CurrentDir;
    process->pr_CurrentDir = lock;
    bool resolved = ResolveLocation(path, where);
    process->pr_CurrentDir = old;
    return resolved;
}

}  // namespace
}  // namespace hosted

/* Makes a link called `name`, which must not exist yet. With `soft`
   LINK_SOFT, `dest` is a dos path text (cast to SIPTR) that the link
   stands for; it need not exist. A path with a volume or assign
   ("Work:a/b") links to that object's host path; a relative one stays
   relative to the link's drawer ("/x" is the x beside that drawer, ""
   the drawer itself). With
   LINK_HARD, `dest` is a lock on an existing file in the same file
   system. Returns DOSTRUE, or DOSFALSE with IoErr set:
   ERROR_OBJECT_EXISTS (the name is taken; nothing changed),
   ERROR_OBJECT_NOT_FOUND, ERROR_OBJECT_WRONG_TYPE (a hard link to a
   drawer), ERROR_RENAME_ACROSS_DEVICES (a hard link between file
   systems), ERROR_REQUIRED_ARG_MISSING (no target). */
LONG MakeLink(CONST_STRPTR name, SIPTR dest, LONG soft)
{
    if (hosted::DosFaultHits(hosted::DosCall::MakeLink, name))
        return DOSFALSE;
    hosted::DosLocation where;
    if (!hosted::ResolveLocation(name, where))
        return DOSFALSE;
    if (where.relative.empty()) {
        Fail(ERROR_OBJECT_EXISTS);   // a volume's root
        return DOSFALSE;
    }
    std::string linkPath = hosted::HostPathOf(where);
    if (soft == LINK_SOFT) {
        const char *text = reinterpret_cast<const char *>(dest);
        if (text == nullptr) {
            Fail(ERROR_REQUIRED_ARG_MISSING);
            return DOSFALSE;
        }
        std::string target;
        if (std::strchr(text, ':') != nullptr) {
            hosted::DosLocation object;
            if (!hosted::ResolveLocation(text, object))
                return DOSFALSE;
            target = hosted::HostPathOf(object);
        } else {
            target = hosted::HostTextOfRelativeLink(text);
        }
        if (symlink(target.c_str(), linkPath.c_str()) != 0) {
            FailErrno(errno, hosted::HostAction::Write);
            return DOSFALSE;
        }
        return DOSTRUE;
    }
    if (soft != LINK_HARD) {
        Fail(ERROR_BAD_NUMBER);
        return DOSFALSE;
    }
    std::string objectPath;
    if (dest == 0) {
        Fail(ERROR_REQUIRED_ARG_MISSING);
        return DOSFALSE;
    }
    if (!hosted::HostPathOfLock(static_cast<BPTR>(dest), objectPath))
        return DOSFALSE;
    struct stat info;
    if (stat(objectPath.c_str(), &info) != 0) {
        FailErrno(errno);
        return DOSFALSE;
    }
    if (S_ISDIR(info.st_mode)) {
        Fail(ERROR_OBJECT_WRONG_TYPE);
        return DOSFALSE;
    }
    if (link(objectPath.c_str(), linkPath.c_str()) != 0) {
        FailErrno(errno, hosted::HostAction::Write);
        return DOSFALSE;
    }
    return DOSTRUE;
}

/* Reads what the soft link `path` (relative to the drawer of `lock`; 0:
   the current directory) stands for into `buffer` (`size` bytes, NUL
   included), as a dos path: a link to an absolute host path gives the
   volume path of that place ("Home:x"), a relative link stays relative in
   the system's grammar ("../x" reads "/x"). The link's object need not
   exist. `port` names the handler on the real system and is not needed
   here. Returns DOSTRUE, or DOSFALSE with IoErr set:
   ERROR_OBJECT_NOT_FOUND (no such link; or an absolute target on no
   volume), ERROR_OBJECT_WRONG_TYPE (the object is not a soft link),
   ERROR_LINE_TOO_LONG (the buffer is too small: it holds as much as fits,
   terminated). */
LONG ReadLink(struct MsgPort *port, BPTR lock, CONST_STRPTR path, STRPTR buffer, ULONG size)
{
    (void)port;
    if (buffer == nullptr || size == 0) {
        Fail(ERROR_LINE_TOO_LONG);
        return DOSFALSE;
    }
    buffer[0] = '\0';
    hosted::DosLocation where;
    if (!hosted::LocationRelativeTo(lock, path, where))
        return DOSFALSE;
    if (where.relative.empty()) {
        Fail(ERROR_OBJECT_WRONG_TYPE);
        return DOSFALSE;
    }
    std::string linkPath = hosted::HostPathOf(where);
    struct stat info;
    if (lstat(linkPath.c_str(), &info) != 0) {
        FailErrno(errno, hosted::HostAction::Read);
        return DOSFALSE;
    }
    if (!S_ISLNK(info.st_mode)) {
        Fail(ERROR_OBJECT_WRONG_TYPE);
        return DOSFALSE;
    }
    std::string target(static_cast<size_t>(info.st_size > 0 ? info.st_size : 255) + 1, '\0');
    for (;;) {
        ssize_t length = readlink(linkPath.c_str(), target.data(), target.size());
        if (length < 0) {
            FailErrno(errno, hosted::HostAction::Read);
            return DOSFALSE;
        }
        if (static_cast<size_t>(length) < target.size()) {
            target.resize(static_cast<size_t>(length));
            break;
        }
        target.resize(target.size() * 2);   // changed since the lstat: try again, larger
    }
    std::string text;
    if (!target.empty() && target[0] == '/') {
        if (!hosted::VolumePathOf(target, text)) {
            Fail(ERROR_OBJECT_NOT_FOUND);
            return DOSFALSE;
        }
    } else {
        text = hosted::DosTextOfRelativeLink(target);
    }
    if (text.size() + 1 > size) {
        std::memcpy(buffer, text.data(), size - 1);
        buffer[size - 1] = '\0';
        Fail(ERROR_LINE_TOO_LONG);
        return DOSFALSE;
    }
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return DOSTRUE;
}
