// dos/names.cpp: host names as the program sees them, and back.
//
// Text in this system is Latin-1; host file names are UTF-8. A host name
// that is well-formed UTF-8 of Latin-1 characters is shown in Latin-1
// ("Über" as the single byte 0xDC then "ber"), so names look right in
// the system's fonts and a name typed in a string gadget makes a proper
// UTF-8 name on the host. A host name that cannot be shown that way
// (characters beyond Latin-1, or bytes that are not UTF-8) is shown byte
// for byte, and its bytes still find it again.
#include "dosprivate.h"

#include <cstring>

namespace hosted {

namespace {

const char kColonShown = '\xF7';               // "÷" stands for ":" in a Latin-1 name
const char kRatio[] = "\xE2\x88\xB6";          // U+2236 stands for ":" in a name shown byte for byte
const char kCutLatin1[] = "...";               // ends a Latin-1 name cut to fit
const char kCutUtf8[] = "\xE2\x80\xA6";        // U+2026 ends a byte-for-byte name cut to fit
constexpr size_t kMaxShownName = sizeof(((struct FileInfoBlock *)nullptr)->fib_FileName) - 1;

// Decodes one UTF-8 character at text[i]; false when the bytes there are
// not well-formed (overlong forms, surrogates and values above U+10FFFF
// are not).
bool DecodeUtf8(const std::string &text, size_t &i, unsigned long &code)
{
    auto byte = [&](size_t at) { return static_cast<unsigned char>(text[at]); };
    unsigned char lead = byte(i);
    size_t extra;
    unsigned long minimum;
    if (lead < 0x80) {
        code = lead;
        i++;
        return true;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1, minimum = 0x80, code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, minimum = 0x800, code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, minimum = 0x10000, code = lead & 0x07;
    } else {
        return false;
    }
    if (i + extra >= text.size())
        return false;
    for (size_t k = 1; k <= extra; k++) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return false;
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return false;
    i += extra + 1;
    return true;
}

// Whether a text is well-formed UTF-8 holding a character beyond Latin-1:
// the mark of a host name shown byte for byte.
bool BeyondLatin1(const std::string &text)
{
    bool beyond = false;
    for (size_t i = 0; i < text.size();) {
        unsigned long code;
        if (!DecodeUtf8(text, i, code))
            return false;
        if (code > 0xFF)
            beyond = true;
    }
    return beyond;
}

// Text that reads the same in Latin-1 and in UTF-8.
bool IsAscii(const std::string &text)
{
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

bool EndsWith(const std::string &text, const char *tail)
{
    size_t length = std::strlen(tail);
    return text.size() >= length && text.compare(text.size() - length, length, tail) == 0;
}

bool Exists(const std::string &hostDirectory, const std::string &name)
{
    struct stat info;
    return lstat((hostDirectory + "/" + name).c_str(), &info) == 0;
}

// A name shown with a stand-in for ":" or cut to fit: only a look at the
// drawer finds its host name.
bool MayBeChanged(const std::string &shown)
{
    return shown.find(kColonShown) != std::string::npos || shown.find(kRatio) != std::string::npos ||
           (shown.size() + 3 >= kMaxShownName && (EndsWith(shown, kCutLatin1) || EndsWith(shown, kCutUtf8)));
}

}  // namespace

bool Latin1OfHostText(const std::string &host, std::string &latin1)
{
    if (IsAscii(host)) {
        latin1 = host;
        return true;
    }
    latin1.clear();
    for (size_t i = 0; i < host.size();) {
        unsigned long code;
        if (!DecodeUtf8(host, i, code) || code > 0xFF)
            return false;
        latin1 += static_cast<char>(code);
    }
    return true;
}

std::string ShownText(const std::string &host)
{
    if (IsAscii(host))
        return host;
    std::string latin1;
    return Latin1OfHostText(host, latin1) ? latin1 : host;
}

std::string HostText(const std::string &shown)
{
    if (IsAscii(shown))
        return shown;
    if (BeyondLatin1(shown))
        return shown;
    std::string utf8;
    for (char c : shown) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

bool IsOwnHostName(const char *shown, size_t length)
{
    for (size_t i = 0; i < length; i++) {
        if (static_cast<unsigned char>(shown[i]) >= 0x80)
            return false;
    }
    // A plain name is changed only when it may be a long one cut to fit.
    return length + 3 < kMaxShownName || length < 3 || std::memcmp(shown + length - 3, kCutLatin1, 3) != 0;
}

std::string DisplayName(const char *hostName)
{
    // Most host names are plain ASCII that fits: shown as they are.
    size_t plain = 0;
    while (plain <= kMaxShownName && hostName[plain] != 0 && hostName[plain] != ':' &&
           static_cast<unsigned char>(hostName[plain]) < 0x80)
        plain++;
    if (hostName[plain] == 0 && plain <= kMaxShownName)
        return std::string(hostName, plain);
    std::string shown;
    bool latin1 = Latin1OfHostText(hostName, shown);
    if (latin1) {
        for (char &c : shown) {
            if (c == ':')
                c = kColonShown;
        }
        if (shown.size() <= kMaxShownName)
            return shown;
        return shown.substr(0, kMaxShownName - 3) + kCutLatin1;
    }
    shown.clear();
    for (const char *c = hostName; *c != 0; c++) {
        if (*c == ':')
            shown += kRatio;
        else
            shown += *c;
    }
    if (shown.size() <= kMaxShownName)
        return shown;
    // Cut at a character boundary and mark the cut.
    size_t keep = kMaxShownName - 3;
    while (keep > 0 && (static_cast<unsigned char>(shown[keep]) & 0xC0) == 0x80)
        keep--;
    return shown.substr(0, keep) + kCutUtf8;
}

std::string HostNameFor(const std::string &hostDirectory, const std::string &shown)
{
    if (IsOwnHostName(shown.data(), shown.size()))
        return shown;
    // The UTF-8 form comes first: it is how a Latin-1 name is kept on the
    // host. Then the bytes as they stand (a name shown byte for byte).
    std::string utf8 = HostText(shown);
    if (utf8 != shown && Exists(hostDirectory, utf8))
        return utf8;
    if (Exists(hostDirectory, shown))
        return shown;
    if (MayBeChanged(shown)) {
        DIR *directory = opendir(hostDirectory.empty() ? "/" : hostDirectory.c_str());
        if (directory != nullptr) {
            std::string found;
            int matches = 0;
            while (struct dirent *entry = readdir(directory)) {
                if (DisplayName(entry->d_name) == shown) {
                    found = entry->d_name;
                    matches++;
                }
            }
            closedir(directory);
            if (matches == 1)
                return found;
        }
    }
    // Nothing there yet: a new object gets the UTF-8 name.
    return utf8;
}

}  // namespace hosted
