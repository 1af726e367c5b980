// dos/shell_parse.cpp: splitting shell command lines into words, quotes and redirections as the shell does.
#include "shell_private.h"

#include <proto/dos.h>

namespace hosted {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

struct Token {
    ShellWord word;
    size_t begin = 0;   // where the word starts and ends in its line, quotes included
    size_t end = 0;
};

// The character an escape inside quotes stands for, or 0 when the pair is
// not an escape and stays as written.
char Escaped(char c)
{
    switch (c) {
    case '"':
        return '"';
    case 'n':
    case 'N':
        return '\n';
    case 'e':
    case 'E':
        return '\x1B';
    case '*':
        return '*';
    default:
        return 0;
    }
}

// Reads the words of one line. A word in quotes ends at its closing quote;
// an unquoted word ends at a blank or a ";", which starts a comment.
bool Tokenize(const std::string &line, std::vector<Token> &tokens, LONG &error)
{
    size_t i = 0;
    const size_t n = line.size();
    for (;;) {
        while (i < n && IsBlank(line[i]))
            i++;
        if (i >= n || line[i] == ';')
            return true;
        Token token;
        token.begin = i;
        if (line[i] == '"') {
            token.word.quoted = true;
            i++;
            bool closed = false;
            while (i < n) {
                char c = line[i];
                if (c == '"') {
                    closed = true;
                    i++;
                    break;
                }
                if (c == '*' && i + 1 < n && Escaped(line[i + 1]) != 0) {
                    token.word.text += Escaped(line[i + 1]);
                    i += 2;
                    continue;
                }
                token.word.text += c;
                i++;
            }
            if (!closed) {
                error = ERROR_UNMATCHED_QUOTES;
                return false;
            }
        } else {
            while (i < n && !IsBlank(line[i]) && line[i] != ';')
                token.word.text += line[i++];
        }
        token.end = i;
        tokens.push_back(std::move(token));
    }
}

// Takes the redirections that follow the command's name ("<in", ">out",
// ">>out", the file attached or as the next word). Returns the index of
// the first argument word.
bool TakeRedirections(const std::vector<Token> &tokens, ShellCommandLine &command, size_t &next, LONG &error)
{
    next = 1;
    while (next < tokens.size()) {
        const ShellWord &word = tokens[next].word;
        if (word.quoted || word.text.empty() || (word.text[0] != '<' && word.text[0] != '>'))
            return true;
        bool input = word.text[0] == '<';
        bool append = !input && word.text.compare(0, 2, ">>") == 0;
        std::string target = word.text.substr(append ? 2 : 1);
        next++;
        if (target.empty()) {
            if (next >= tokens.size()) {
                error = ERROR_REQUIRED_ARG_MISSING;
                return false;
            }
            target = tokens[next++].word.text;
        }
        if (input) {
            command.inputFile = target;
        } else {
            command.outputFile = target;
            command.appendOutput = append;
        }
    }
    return true;
}

}  // namespace

bool ParseShellText(const char *text, std::vector<ShellCommandLine> &commands, LONG &error)
{
    commands.clear();
    std::string all = text != nullptr ? text : "";
    size_t start = 0;
    while (start <= all.size()) {
        size_t newline = all.find('\n', start);
        std::string line = all.substr(start, newline == std::string::npos ? std::string::npos : newline - start);
        start = newline == std::string::npos ? all.size() + 1 : newline + 1;

        std::vector<Token> tokens;
        if (!Tokenize(line, tokens, error))
            return false;
        if (tokens.empty())
            continue;
        ShellCommandLine command;
        size_t first;
        if (!TakeRedirections(tokens, command, first, error))
            return false;
        command.words.push_back(tokens[0].word);
        for (size_t i = first; i < tokens.size(); i++)
            command.words.push_back(tokens[i].word);
        if (first < tokens.size())
            command.arguments = line.substr(tokens[first].begin, tokens.back().end - tokens[first].begin);
        commands.push_back(std::move(command));
    }
    return true;
}

bool SplitArguments(const char *arguments, std::vector<std::string> &words)
{
    words.clear();
    std::vector<Token> tokens;
    LONG error = 0;
    if (!Tokenize(arguments != nullptr ? arguments : "", tokens, error)) {
        SetIoErr(error);
        return false;
    }
    for (Token &token : tokens)
        words.push_back(std::move(token.word.text));
    return true;
}

}  // namespace hosted
