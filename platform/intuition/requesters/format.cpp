// requesters/format.cpp: the system's text formatter, for the body and buttons of EasyRequest.
#include "sysrequest.h"

#include <cstdio>
#include <cstring>

namespace hosted {

namespace {

IPTR Next(const IPTR *args, std::size_t *next)
{
    IPTR value = args != nullptr ? args[*next] : 0;
    (*next)++;
    return value;
}

std::string Pad(const std::string &text, std::size_t width, bool left, bool zeros)
{
    if (text.size() >= width)
        return text;
    std::size_t fill = width - text.size();
    if (left)
        return text + std::string(fill, ' ');
    if (zeros && !text.empty() && text[0] == '-')
        return "-" + std::string(fill, '0') + text.substr(1);
    return std::string(fill, zeros ? '0' : ' ') + text;
}

}  // namespace

std::string FormatRequestText(const char *format, const IPTR *args, std::size_t *next)
{
    std::string out;
    if (format == nullptr)
        return out;
    for (const char *p = format; *p != 0; p++) {
        if (*p != '%') {
            out += *p;
            continue;
        }
        const char *start = p++;
        if (*p == '%') {
            out += '%';
            continue;
        }
        bool left = false;
        bool zeros = false;
        for (; *p == '-' || *p == '0'; p++) {
            if (*p == '-')
                left = true;
            else
                zeros = true;
        }
        std::size_t width = 0;
        for (; *p >= '0' && *p <= '9'; p++)
            width = width * 10 + static_cast<std::size_t>(*p - '0');
        std::size_t limit = std::string::npos;
        if (*p == '.') {
            limit = 0;
            for (p++; *p >= '0' && *p <= '9'; p++)
                limit = limit * 10 + static_cast<std::size_t>(*p - '0');
        }
        if (*p == 'l')
            p++;
        char buffer[32];
        std::string text;
        switch (*p) {
        case 'd':
        case 'i':
            std::snprintf(buffer, sizeof buffer, "%ld", static_cast<long>(static_cast<LONG>(Next(args, next))));
            text = buffer;
            break;
        case 'u':
            std::snprintf(buffer, sizeof buffer, "%lu", static_cast<unsigned long>(static_cast<ULONG>(Next(args, next))));
            text = buffer;
            break;
        case 'x':
        case 'X':
            std::snprintf(buffer, sizeof buffer, *p == 'x' ? "%lx" : "%lX",
                          static_cast<unsigned long>(static_cast<ULONG>(Next(args, next))));
            text = buffer;
            break;
        case 'c':
            text = std::string(1, static_cast<char>(Next(args, next)));
            break;
        case 's': {
            const char *s = reinterpret_cast<const char *>(Next(args, next));
            text = s != nullptr ? s : "";
            break;
        }
        case 'b': {
            const auto *b = static_cast<const UBYTE *>(BADDR(Next(args, next)));
            if (b != nullptr)
                text.assign(reinterpret_cast<const char *>(b + 1), b[0]);
            break;
        }
        default:
            // Not a conversion: shown as written.
            out.append(start, static_cast<std::size_t>(p - start) + (*p != 0 ? 1 : 0));
            if (*p == 0)
                return out;
            continue;
        }
        if (limit != std::string::npos && text.size() > limit)
            text.resize(limit);
        out += Pad(text, width, left, zeros && *p != 's' && *p != 'b' && *p != 'c');
    }
    return out;
}

}  // namespace hosted
