// tools/multiview/command.cpp: the shell's built-in command "Multiview": its argument, choosing a view by the file's contents, return codes.
#include "content.h"
#include "file_bytes.h"
#include "guide.h"
#include "guide_view.h"
#include "hex_dump.h"
#include "line_view.h"
#include "picture_view.h"
#include "text_document.h"
#include "viewer_window.h"

#include <datatypes/pictureclass.h>
#include <hosted/shell.h>
#include <proto/datatypes.h>
#include <proto/dos.h>

#include <memory>
#include <strings.h>
#include <new>

namespace hosted::multiview {

namespace {

constexpr char kCommandName[] = "Multiview";

// The system's text for an error, with the datatypes library's own
// errors said in words as well.
std::string ErrorText(LONG error)
{
    switch (error) {
    case DTERROR_UNKNOWN_DATATYPE: return "unknown kind of data";
    case DTERROR_UNKNOWN_COMPRESSION: return "the picture is packed in a way that is not known";
    case DTERROR_NOT_ENOUGH_DATA: return "the picture ends before it is complete";
    case DTERROR_INVALID_DATA: return "the picture's data is not valid";
    default: break;
    }
    char text[128];
    Fault(error, nullptr, text, sizeof text);
    return text;
}

// Tells the command's output, when it has one, what went wrong.
void Report(BPTR output, LONG error)
{
    if (output == 0)
        return;
    std::string line = std::string(kCommandName) + ": " + ErrorText(error) + "\n";
    Write(output, line.data(), static_cast<LONG>(line.size()));
}

std::string TitleFor(const std::string &name)
{
    const char *part = FilePart(name.c_str());
    return part != nullptr && *part != 0 ? std::string(part) : name;
}

// What is shown when a file cannot be: the name and the reason.
std::unique_ptr<View> ErrorView(const std::string &name, LONG error, const Look &look)
{
    std::vector<StyledLine> lines;
    lines.push_back(OneSpan("Multiview cannot show \"" + name + "\":", SpanRole::Note));
    lines.push_back(OneSpan(ErrorText(error), SpanRole::Note));
    return std::make_unique<LineView>(std::make_unique<FixedLines>(std::move(lines)), look, TitleFor(name));
}

// The view for a file by what it holds: a help document, a picture, a
// text, or a dump of anything else. `error` is 0, or what kept the file
// from being shown (the view then says so).
std::unique_ptr<View> ViewFor(const std::string &name, const Look &look, LONG &error)
{
    error = 0;
    BPTR file = Open(name.c_str(), MODE_OLDFILE);
    if (file == 0) {
        error = IoErr();
        return ErrorView(name, error, look);
    }
    std::vector<UBYTE> bytes;
    if ((error = ReadMore(file, bytes, kSniffBytes)) != 0) {
        Close(file);
        return ErrorView(name, error, look);
    }
    const bool complete = bytes.size() < kSniffBytes;
    const ContentKind kind = ClassifyContent(bytes.data(), bytes.size(), complete);

    if (kind == ContentKind::Guide || kind == ContentKind::Text) {
        if (!complete && (error = ReadToEnd(file, bytes)) != 0) {
            Close(file);
            return ErrorView(name, error, look);
        }
        Close(file);
        if (kind == ContentKind::Guide) {
            GuideDocument document = ParseGuide(bytes.data(), bytes.size());
            // A document without a single node is shown as the text it is.
            if (!document.nodes.empty())
                return std::make_unique<GuideView>(std::move(document), name, look);
        }
        return std::make_unique<LineView>(std::make_unique<TextDocument>(std::move(bytes)), look, TitleFor(name));
    }

    // Pictures are the datatypes library's to know, whatever their name.
    Object *picture = NewDTObject(const_cast<char *>(name.c_str()), DTA_GroupID, GID_PICTURE, TAG_DONE);
    if (picture != nullptr) {
        Close(file);
        return std::make_unique<PictureView>(picture, look, TitleFor(name));
    }
    LONG pictureError = IoErr();
    if (pictureError != DTERROR_UNKNOWN_DATATYPE && pictureError != ERROR_OBJECT_WRONG_TYPE) {
        // A picture it knows but cannot read, or the file failed it.
        Close(file);
        error = pictureError;
        return ErrorView(name, error, look);
    }
    QUAD size = FileSize(file);
    if (size < 0) {
        error = IoErr();
        Close(file);
        return ErrorView(name, error, look);
    }
    return std::make_unique<LineView>(std::make_unique<HexDocument>(file, static_cast<UQUAD>(size)), look,
                                      TitleFor(name));
}

// Takes "PUBSCREEN name" or "PUBSCREEN=name" (the keyword in any case)
// out of the words. False when the keyword has no name after it.
bool TakePubScreen(std::vector<std::string> &words, std::string &screenName)
{
    static const char Keyword[] = "PUBSCREEN";
    const std::size_t keywordLength = sizeof Keyword - 1;
    for (std::size_t i = 0; i < words.size(); i++) {
        const std::string &word = words[i];
        if (word.size() < keywordLength || strncasecmp(word.c_str(), Keyword, keywordLength) != 0)
            continue;
        if (word.size() == keywordLength) {
            if (i + 1 >= words.size())
                return false;
            screenName = words[i + 1];
            words.erase(words.begin() + static_cast<long>(i), words.begin() + static_cast<long>(i) + 2);
            return true;
        }
        if (word[keywordLength] == '=') {
            screenName = word.substr(keywordLength + 1);
            words.erase(words.begin() + static_cast<long>(i));
            return !screenName.empty();
        }
    }
    return true;
}

/* Multiview FILE [PUBSCREEN name]: shows a file in a window on the public
   screen of that name (without one, or when no such screen is open, on
   the default public screen) and returns when the person closes it. The file is read relative to the
   current directory; what it holds decides how it is shown (a hypertext
   help document, a picture, a text, else a dump of its bytes). Returns
   RETURN_OK after showing it; RETURN_ERROR when the file could not be
   shown (the window says why, with the system's text, and IoErr holds the
   error); RETURN_FAIL, with a line on the output, when the argument is
   missing or more than one, or no window can be opened. */
LONG Multiview(CONST_STRPTR arguments, BPTR input, BPTR output)
{
    (void)input;
    std::vector<std::string> words;
    if (!SplitArguments(arguments, words)) {
        LONG error = IoErr();
        Report(output, error);
        SetIoErr(error);
        return RETURN_FAIL;
    }
    std::string screenName;
    if (!TakePubScreen(words, screenName)) {
        Report(output, ERROR_REQUIRED_ARG_MISSING);
        SetIoErr(ERROR_REQUIRED_ARG_MISSING);
        return RETURN_FAIL;
    }
    if (words.size() != 1) {
        LONG error = words.empty() ? ERROR_REQUIRED_ARG_MISSING : ERROR_TOO_MANY_ARGS;
        Report(output, error);
        SetIoErr(error);
        return RETURN_FAIL;
    }
    Look look;
    if (!ObtainLook(look, screenName.empty() ? nullptr : screenName.c_str())) {
        LONG error = IoErr();
        Report(output, error);
        SetIoErr(error);
        return RETURN_FAIL;
    }
    LONG result = RETURN_OK;
    LONG error = 0;
    try {
        std::unique_ptr<View> view = ViewFor(words[0], look, error);
        ViewerWindow window(*view, look);
        if (!window.Run()) {
            error = IoErr();
            Report(output, error);
            result = RETURN_FAIL;
        } else if (error != 0) {
            result = RETURN_ERROR;
        }
    } catch (const std::bad_alloc &) {
        error = ERROR_NO_FREE_STORE;
        Report(output, error);
        result = RETURN_FAIL;
    }
    ReleaseLook(look);
    SetIoErr(error);
    return result;
}

const bool gRegistered = (RegisterCommand(kCommandName, Multiview), true);

}  // namespace

}  // namespace hosted::multiview
