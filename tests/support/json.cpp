// A small JSON reader for the automation's dumps: objects, arrays, strings, numbers, booleans, null.
#include "json.h"

#include <cstdlib>

namespace kvtest {

namespace {

const Json &Null()
{
    static const Json null;
    return null;
}

class Reader {
public:
    explicit Reader(const std::string &text) : text_(text) {}

    bool Value(Json &out)
    {
        Space();
        if (at_ >= text_.size())
            return false;
        char c = text_[at_];
        if (c == '{')
            return Object(out);
        if (c == '[')
            return Array(out);
        if (c == '"') {
            out.type = Json::Type::String;
            return String(out.string);
        }
        if (text_.compare(at_, 4, "true") == 0) {
            at_ += 4;
            out.type = Json::Type::Bool;
            out.boolean = true;
            return true;
        }
        if (text_.compare(at_, 5, "false") == 0) {
            at_ += 5;
            out.type = Json::Type::Bool;
            return true;
        }
        if (text_.compare(at_, 4, "null") == 0) {
            at_ += 4;
            return true;
        }
        char *end = nullptr;
        out.number = std::strtod(text_.c_str() + at_, &end);
        if (end == text_.c_str() + at_)
            return false;
        out.type = Json::Type::Number;
        at_ = size_t(end - text_.c_str());
        return true;
    }

    bool AtEnd()
    {
        Space();
        return at_ == text_.size();
    }

private:
    void Space()
    {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\n' || text_[at_] == '\r' || text_[at_] == '\t'))
            at_++;
    }

    bool Expect(char c)
    {
        Space();
        if (at_ < text_.size() && text_[at_] == c) {
            at_++;
            return true;
        }
        return false;
    }

    bool String(std::string &out)
    {
        if (!Expect('"'))
            return false;
        while (at_ < text_.size()) {
            char c = text_[at_++];
            if (c == '"')
                return true;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (at_ >= text_.size())
                return false;
            char e = text_[at_++];
            switch (e) {
            case 'n': out += '\n'; break;
            case 't': out += '\t'; break;
            case 'r': out += '\r'; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'u': {
                if (at_ + 4 > text_.size())
                    return false;
                unsigned code = unsigned(std::strtoul(text_.substr(at_, 4).c_str(), nullptr, 16));
                at_ += 4;
                if (code < 0x80) {
                    out += char(code);
                } else if (code < 0x800) {
                    out += char(0xC0 | (code >> 6));
                    out += char(0x80 | (code & 0x3F));
                } else {
                    out += char(0xE0 | (code >> 12));
                    out += char(0x80 | ((code >> 6) & 0x3F));
                    out += char(0x80 | (code & 0x3F));
                }
                break;
            }
            default: out += e; break;
            }
        }
        return false;
    }

    bool Array(Json &out)
    {
        out.type = Json::Type::Array;
        Expect('[');
        if (Expect(']'))
            return true;
        do {
            Json element;
            if (!Value(element))
                return false;
            out.array.push_back(std::move(element));
        } while (Expect(','));
        return Expect(']');
    }

    bool Object(Json &out)
    {
        out.type = Json::Type::Object;
        Expect('{');
        if (Expect('}'))
            return true;
        do {
            Space();
            std::string key;
            if (!String(key) || !Expect(':'))
                return false;
            Json member;
            if (!Value(member))
                return false;
            out.object[key] = std::move(member);
        } while (Expect(','));
        return Expect('}');
    }

    const std::string &text_;
    size_t at_ = 0;
};

}  // namespace

const Json &Json::operator[](const std::string &key) const
{
    auto found = object.find(key);
    return found != object.end() ? found->second : Null();
}

const Json &Json::operator[](size_t index) const
{
    return index < array.size() ? array[index] : Null();
}

Json ParseJson(const std::string &text, std::string *error)
{
    Reader reader(text);
    Json value;
    if (!reader.Value(value) || !reader.AtEnd()) {
        if (error != nullptr)
            *error = "malformed JSON";
        return Json();
    }
    return value;
}

}  // namespace kvtest
