// A small JSON reader for the automation's dumps.
#ifndef TESTS_E2E_JSON_H
#define TESTS_E2E_JSON_H

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace e2e {

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
    size_t size() const { return type == Type::Array ? array.size() : object.size(); }
    long Int() const { return long(number); }
    bool IsNull() const { return type == Type::Null; }
};

// Parses a document; a malformed one gives a null value and `error`.
Json ParseJson(const std::string &text, std::string *error = nullptr);

}  // namespace e2e

#endif  // TESTS_E2E_JSON_H
