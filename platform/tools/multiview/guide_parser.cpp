// tools/multiview/guide_parser.cpp: reading a hypertext help document: line commands, nodes, inline links and attributes.
#include "guide.h"

#include "decode.h"

#include <strings.h>

#include <cctype>
#include <cstdlib>
#include <memory>

namespace hosted::multiview {

namespace {

constexpr std::size_t kMaxTabWidth = 32;

std::string Lower(const std::string &text)
{
    std::string lower = text;
    for (char &c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string Trim(const std::string &text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin]))
        begin++;
    while (end > begin && IsBlank(text[end - 1]))
        end--;
    return text.substr(begin, end - begin);
}

// Splits command arguments into words: blanks between them, a word in
// double quotes may hold blanks (and \" for a quote). An unclosed quote
// runs to the end.
std::vector<std::string> Words(const std::string &text)
{
    std::vector<std::string> words;
    std::size_t i = 0;
    const std::size_t n = text.size();
    for (;;) {
        while (i < n && IsBlank(text[i]))
            i++;
        if (i >= n)
            return words;
        std::string word;
        if (text[i] == '"') {
            for (i++; i < n && text[i] != '"'; i++) {
                if (text[i] == '\\' && i + 1 < n && (text[i + 1] == '"' || text[i + 1] == '\\'))
                    i++;
                word += text[i];
            }
            if (i < n)
                i++;
        } else {
            while (i < n && !IsBlank(text[i]))
                word += text[i++];
        }
        words.push_back(std::move(word));
    }
}

// The rest of a command line after its first `count` words, as written.
std::string AfterWords(const std::string &text, std::size_t count)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    for (std::size_t word = 0; word < count; word++) {
        while (i < n && IsBlank(text[i]))
            i++;
        if (i < n && text[i] == '"') {
            for (i++; i < n && text[i] != '"'; i++) {
                if (text[i] == '\\' && i + 1 < n)
                    i++;
            }
            if (i < n)
                i++;
        } else {
            while (i < n && !IsBlank(text[i]))
                i++;
        }
    }
    return Trim(text.substr(i < n ? i : n));
}

// Where the "}" that closes an inline command starting at `from` lies
// (quotes and backslash escapes skipped), npos when it is not closed.
std::size_t CommandEnd(const std::string &line, std::size_t from)
{
    bool quoted = false;
    for (std::size_t i = from; i < line.size(); i++) {
        char c = line[i];
        if (c == '\\' && i + 1 < line.size()) {
            i++;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == '}' && !quoted) {
            return i;
        }
    }
    return std::string::npos;
}

// Builds a node's lines from its text, one document line at a time.
class NodeBuilder {
public:
    NodeBuilder(GuideNode &node, std::size_t tabWidth, bool smartWrap)
        : node_(node), tabWidth_(tabWidth), smartWrap_(smartWrap)
    {
    }

    void TextLine(const std::string &line)
    {
        bool blank = Trim(line).empty();
        if (smartWrap_) {
            // A paragraph is the run of lines up to a blank line; a blank
            // line stands for itself.
            if (blank) {
                EndLine();
                Blank();
                sourceLine_++;
                return;
            }
            if (open_ && column_ > 0)
                Character(' ');
        } else {
            EndLine();
        }
        Begin();
        Parse(line);
        if (!smartWrap_)
            EndLine();
        sourceLine_++;
    }

    void Finish() { EndLine(); }

private:
    void Begin()
    {
        if (open_)
            return;
        current_ = StyledLine();
        current_.sourceLine = sourceLine_;
        column_ = 0;
        open_ = true;
    }

    void EndLine()
    {
        if (!open_)
            return;
        node_.lines.push_back(std::move(current_));
        current_ = StyledLine();
        open_ = false;
    }

    void Blank()
    {
        StyledLine empty;
        empty.sourceLine = sourceLine_;
        node_.lines.push_back(std::move(empty));
    }

    // Adds to the last span when it has the same look, else starts one.
    void Append(const std::string &text, SpanRole role, LONG link)
    {
        Begin();
        if (role != SpanRole::Link && !current_.spans.empty()) {
            StyledSpan &last = current_.spans.back();
            if (last.role == role && last.style == style_) {
                last.text += text;
                column_ += text.size();
                return;
            }
        }
        StyledSpan span;
        span.text = text;
        span.style = style_;
        span.role = role;
        span.link = link;
        current_.spans.push_back(std::move(span));
        column_ += text.size();
    }

    void Character(char c)
    {
        if (c == '\t') {
            std::string blanks;
            do
                blanks += ' ';
            while ((column_ + blanks.size()) % tabWidth_ != 0);
            Append(blanks, SpanRole::Text, -1);
            return;
        }
        Append(std::string(1, c), SpanRole::Text, -1);
    }

    void Attribute(const std::string &command)
    {
        std::vector<std::string> words = Words(command);
        std::string name = words.empty() ? std::string() : Lower(words[0]);
        if (name == "b")
            style_ |= FSF_BOLD;
        else if (name == "ub")
            style_ &= ~FSF_BOLD;
        else if (name == "i")
            style_ |= FSF_ITALIC;
        else if (name == "ui")
            style_ &= ~FSF_ITALIC;
        else if (name == "u")
            style_ |= FSF_UNDERLINED;
        else if (name == "uu")
            style_ &= ~FSF_UNDERLINED;
        else if (name == "plain")
            style_ = FS_NORMAL;
        else if (name == "line") {
            Begin();
            EndLine();
            Begin();
        } else if (name == "par") {
            Begin();
            EndLine();
            Blank();
            Begin();
        } else if (name == "tab") {
            Character('\t');
        }
        // Colours, fonts, margins and justification are not shown here.
    }

    void Link(const std::string &command)
    {
        std::vector<std::string> words = Words(command);
        GuideLink link;
        link.label = words.empty() ? std::string() : words[0];
        std::string action = words.size() > 1 ? Lower(words[1]) : std::string();
        if (action.empty()) {
            Append(link.label, SpanRole::Text, -1);
            return;
        }
        if (action == "link" || action == "alink") {
            link.action = LinkAction::Node;
            link.target = words.size() > 2 ? words[2] : std::string();
            if (words.size() > 3) {
                char *end = nullptr;
                long line = std::strtol(words[3].c_str(), &end, 10);
                if (end != words[3].c_str() && *end == 0 && line >= 0 && line < 0x7FFFFFFF)
                    link.line = static_cast<LONG>(line);
            }
        } else if (action == "system") {
            link.action = LinkAction::Command;
            link.target = AfterWords(command, 2);
            if (link.target.size() >= 2 && link.target.front() == '"' && link.target.back() == '"')
                link.target = link.target.substr(1, link.target.size() - 2);
        } else if (action == "rx" || action == "rxs") {
            link.action = LinkAction::Script;
            link.target = AfterWords(command, 2);
        } else if (action == "beep") {
            link.action = LinkAction::Beep;
        } else if (action == "close" || action == "quit") {
            link.action = LinkAction::Close;
        } else {
            link.action = LinkAction::Unknown;
            link.target = words[1];
        }
        LONG index = static_cast<LONG>(node_.links.size());
        std::string label = link.label;
        node_.links.push_back(std::move(link));
        Append(label, SpanRole::Link, index);
    }

    void Parse(const std::string &line)
    {
        const std::size_t n = line.size();
        std::size_t i = 0;
        while (i < n) {
            char c = line[i];
            if (c == '\\' && i + 1 < n && (line[i + 1] == '@' || line[i + 1] == '\\')) {
                Character(line[i + 1]);
                i += 2;
                continue;
            }
            if (c == '@' && i + 1 < n && line[i + 1] == '{') {
                std::size_t end = CommandEnd(line, i + 2);
                if (end == std::string::npos) {
                    // Not closed: the rest is text as it stands.
                    for (; i < n; i++)
                        Character(line[i]);
                    return;
                }
                std::string command = Trim(line.substr(i + 2, end - i - 2));
                if (!command.empty() && command[0] == '"')
                    Link(command);
                else
                    Attribute(command);
                i = end + 1;
                continue;
            }
            Character(c);
            i++;
        }
    }

    GuideNode &node_;
    std::size_t tabWidth_;
    bool smartWrap_;
    StyledLine current_;
    bool open_ = false;
    std::size_t column_ = 0;
    UBYTE style_ = FS_NORMAL;
    LONG sourceLine_ = 0;
};

// Splits bytes into lines at line feeds, carriage returns with line feeds
// and lone carriage returns, each decoded for the screen (tabs kept).
std::vector<std::string> DocumentLines(const UBYTE *data, std::size_t size)
{
    std::vector<std::string> lines;
    if (data == nullptr)
        return lines;
    std::size_t i = 0;
    if (size >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF)
        i = 3;
    TextEncoding encoding = GuessEncoding(data + i, size - i, true);
    std::size_t start = i;
    for (; i < size; i++) {
        if (data[i] != '\n' && data[i] != '\r')
            continue;
        lines.push_back(DecodeLine(data + start, i - start, encoding, false));
        if (data[i] == '\r' && i + 1 < size && data[i + 1] == '\n')
            i++;
        start = i + 1;
    }
    if (start < size)
        lines.push_back(DecodeLine(data + start, size - start, encoding, false));
    return lines;
}

// Reads the document line by line; one node is open at a time.
class DocumentReader {
public:
    GuideDocument Read(const std::vector<std::string> &lines)
    {
        for (const std::string &line : lines) {
            if (line.size() >= 1 && line[0] == '@' && (line.size() == 1 || line[1] != '{'))
                Command(line.substr(1));
            else if (builder_ != nullptr)
                builder_->TextLine(line);
        }
        EndNode();
        return std::move(document_);
    }

private:
    GuideNode *Current() { return builder_ != nullptr ? &document_.nodes.back() : nullptr; }

    void EndNode()
    {
        if (builder_ == nullptr)
            return;
        builder_->Finish();
        builder_.reset();
        GuideNode &node = document_.nodes.back();
        if (node.title.empty())
            node.title = node.name;
    }

    void Command(const std::string &text)
    {
        // The name runs to the first blank; "$VER:" and "(c)" are names too.
        std::size_t end = 0;
        while (end < text.size() && !IsBlank(text[end]))
            end++;
        std::string name = Lower(text.substr(0, end));
        std::string rest = Trim(text.substr(end));
        std::vector<std::string> words = Words(rest);
        std::string first = words.empty() ? std::string() : words[0];
        GuideNode *node = Current();

        if (name == "node") {
            EndNode();
            GuideNode made;
            made.name = first;
            made.title = words.size() > 1 ? words[1] : std::string();
            document_.nodes.push_back(std::move(made));
            builder_ = std::make_unique<NodeBuilder>(document_.nodes.back(), tabWidth_, smartWrap_);
        } else if (name == "endnode") {
            EndNode();
        } else if (name == "database") {
            if (document_.database.empty())
                document_.database = first;
        } else if (name == "author") {
            document_.author = rest.size() >= 2 && rest.front() == '"' ? first : rest;
        } else if (name == "(c)") {
            document_.copyright = rest.size() >= 2 && rest.front() == '"' ? first : rest;
        } else if (name == "$ver:") {
            document_.version = rest;
        } else if (name == "title") {
            if (node != nullptr)
                node->title = rest.size() >= 2 && rest.front() == '"' ? first : rest;
        } else if (name == "toc") {
            (node != nullptr ? node->toc : document_.toc) = first;
        } else if (name == "prev") {
            if (node != nullptr)
                node->prev = first;
        } else if (name == "next") {
            if (node != nullptr)
                node->next = first;
        } else if (name == "help") {
            (node != nullptr ? node->help : document_.help) = first;
        } else if (name == "index") {
            if (document_.index.empty())
                document_.index = first;
        } else if (name == "smartwrap") {
            // Before the first node it holds for the document; in a node it
            // holds for that node when it comes before the node's text.
            if (node == nullptr)
                smartWrap_ = true;
            else
                SwitchToSmartWrap();
        } else if (name == "tab") {
            char *stop = nullptr;
            long width = std::strtol(first.c_str(), &stop, 10);
            if (stop != first.c_str() && width >= 1 && static_cast<std::size_t>(width) <= kMaxTabWidth)
                tabWidth_ = static_cast<std::size_t>(width);
        }
        // Other commands (@wordwrap, @font, @rem ...) change nothing shown here.
    }

    void SwitchToSmartWrap()
    {
        // A node says so at its start as a rule; nothing has been read then.
        GuideNode &node = document_.nodes.back();
        if (!node.lines.empty())
            return;
        builder_ = std::make_unique<NodeBuilder>(node, tabWidth_, true);
    }

    GuideDocument document_;
    // Builds the last node while it is open; it holds a reference to it,
    // so no node is added while it lives.
    std::unique_ptr<NodeBuilder> builder_;
    std::size_t tabWidth_ = kTabWidth;
    bool smartWrap_ = false;
};

}  // namespace

LONG GuideDocument::FindNode(const std::string &name) const
{
    for (std::size_t i = 0; i < nodes.size(); i++) {
        if (strcasecmp(nodes[i].name.c_str(), name.c_str()) == 0)
            return static_cast<LONG>(i);
    }
    return -1;
}

LONG GuideDocument::MainNode() const
{
    LONG main = FindNode("main");
    if (main >= 0)
        return main;
    return nodes.empty() ? -1 : 0;
}

GuideDocument ParseGuide(const UBYTE *data, std::size_t size)
{
    DocumentReader reader;
    return reader.Read(DocumentLines(data, size));
}

}  // namespace hosted::multiview
