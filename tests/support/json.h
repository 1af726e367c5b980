// A small JSON reader for the automation's dumps.
#ifndef TESTS_SUPPORT_JSON_H
#define TESTS_SUPPORT_JSON_H

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace kvtest {

struct Json {
    enum class Type { Null, Bool, Number, String, Array, Object } type = Type::Null;
    bool boolean = false;
    double number = 0;
    std::string string;
    std::vector<Json> array;
    std::map<std::string, Json> object;

    // Members and elements; a missing one is a null value.
    const Json &operator[](const std::string &key) const;
    const Json &operator[](size_t index) const;
    bool Has(const std::string &key) const { return object.count(key) != 0; }
    size_t size() const { return type == Type::Array ? array.size() : object.size(); }
    long Int() const { return long(number); }
    bool IsNull() const { return type == Type::Null; }
};

// Parses a document; a malformed one gives a null value and `error`.
Json ParseJson(const std::string &text, std::string *error = nullptr);

}  // namespace kvtest

#endif  // TESTS_SUPPORT_JSON_H
