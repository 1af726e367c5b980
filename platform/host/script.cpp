// host/script.cpp: reading automation scripts: lines, quoted arguments, comments, and each command's form.
#include <hosted/display.h>

#include <cctype>
#include <cstdlib>

namespace hosted {

namespace {

enum class Arg { Number, Button, Text, Key };

// A command's name and the form of its arguments: the first `required`
// are needed, the rest may be left out.
struct CommandForm {
    const char *name;
    std::size_t required;
    std::vector<Arg> args;
};

const std::vector<CommandForm> &Forms()
{
    static const std::vector<CommandForm> forms = {
        {"wait-idle", 0, {Arg::Number}},
        {"move", 2, {Arg::Number, Arg::Number}},
        {"press", 0, {Arg::Button}},
        {"release", 0, {Arg::Button}},
        {"click", 2, {Arg::Number, Arg::Number, Arg::Button}},
        {"double-click", 2, {Arg::Number, Arg::Number}},
        {"drag", 4, {Arg::Number, Arg::Number, Arg::Number, Arg::Number, Arg::Number}},
        {"menu", 2, {Arg::Text, Arg::Text, Arg::Text}},
        {"gadget", 2, {Arg::Text, Arg::Text}},
        {"close", 1, {Arg::Text}},
        {"activate", 1, {Arg::Text}},
        {"type", 1, {Arg::Text}},
        {"key", 1, {Arg::Key}},
        {"expect-window", 1, {Arg::Text, Arg::Number}},
        {"expect-no-window", 1, {Arg::Text, Arg::Number}},
        {"screenshot", 1, {Arg::Text}},
        {"dump", 1, {Arg::Text}},
        {"sleep", 1, {Arg::Number}},
    };
    return forms;
}

bool IsNumber(const std::string &word)
{
    if (word.empty())
        return false;
    std::size_t i = word[0] == '-' ? 1 : 0;
    if (i == word.size() || word.size() - i > 9)
        return false;
    for (; i < word.size(); i++) {
        if (!std::isdigit(static_cast<unsigned char>(word[i])))
            return false;
    }
    return true;
}

// Splits a line into words. False with `error` on an unclosed quote.
bool SplitLine(const std::string &line, std::vector<std::string> &words, std::string &error)
{
    std::size_t i = 0;
    while (i < line.size()) {
        char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            i++;
            continue;
        }
        if (c == '"') {
            std::string word;
            i++;
            bool closed = false;
            while (i < line.size()) {
                char d = line[i++];
                if (d == '"') {
                    closed = true;
                    break;
                }
                if (d == '\\' && i < line.size() && (line[i] == '"' || line[i] == '\\'))
                    d = line[i++];
                word += d;
            }
            if (!closed) {
                error = "unclosed quote";
                return false;
            }
            words.push_back(word);
            continue;
        }
        // "#" followed by a digit is a gadget number; any other "#" outside
        // quotes starts a comment.
        if (c == '#' && !(i + 1 < line.size() && std::isdigit(static_cast<unsigned char>(line[i + 1]))))
            break;
        std::string word;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
            word += line[i++];
        words.push_back(word);
    }
    return true;
}

bool CheckArgs(const CommandForm &form, const std::vector<std::string> &args, std::string &error)
{
    if (args.size() < form.required || args.size() > form.args.size()) {
        error = std::string(form.name) + " takes ";
        if (form.required == form.args.size())
            error += std::to_string(form.required);
        else
            error += std::to_string(form.required) + " to " + std::to_string(form.args.size());
        error += " arguments, not " + std::to_string(args.size());
        return false;
    }
    for (std::size_t i = 0; i < args.size(); i++) {
        const std::string &word = args[i];
        switch (form.args[i]) {
        case Arg::Number:
            if (!IsNumber(word)) {
                error = "\"" + word + "\" is not a number";
                return false;
            }
            break;
        case Arg::Button:
            if (word != "left" && word != "right") {
                error = "\"" + word + "\" is not a button (left or right)";
                return false;
            }
            break;
        case Arg::Key: {
            UWORD rawKey = 0;
            ULONG character = 0;
            if (!RawKeyOfName(word, rawKey, character)) {
                error = "unknown key \"" + word + "\"";
                return false;
            }
            break;
        }
        case Arg::Text:
            break;
        }
    }
    return true;
}

}  // namespace

bool ParseScript(const std::string &text, std::vector<ScriptCommand> &commands, int &errorLine,
                 std::string &error)
{
    commands.clear();
    int lineNumber = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        lineNumber++;
        start = end + 1;
        std::vector<std::string> words;
        if (!SplitLine(line, words, error)) {
            errorLine = lineNumber;
            return false;
        }
        if (words.empty()) {
            if (end == text.size())
                break;
            continue;
        }
        const CommandForm *form = nullptr;
        for (const CommandForm &candidate : Forms()) {
            if (words[0] == candidate.name)
                form = &candidate;
        }
        if (form == nullptr) {
            errorLine = lineNumber;
            error = "unknown command \"" + words[0] + "\"";
            return false;
        }
        ScriptCommand command;
        command.line = lineNumber;
        command.name = words[0];
        command.args.assign(words.begin() + 1, words.end());
        if (!CheckArgs(*form, command.args, error)) {
            errorLine = lineNumber;
            return false;
        }
        if (command.name == "drag" && command.args.size() == 5 && std::atoi(command.args[4].c_str()) < 1) {
            errorLine = lineNumber;
            error = "drag needs at least 1 step";
            return false;
        }
        commands.push_back(std::move(command));
        if (end == text.size())
            break;
    }
    return true;
}

}  // namespace hosted
