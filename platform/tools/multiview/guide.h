// tools/multiview/guide.h: a hypertext help document (the system's guide format) as nodes of styled lines and links.
#ifndef MULTIVIEW_GUIDE_H
#define MULTIVIEW_GUIDE_H

#include "styled_text.h"

#include <string>
#include <vector>

namespace hosted::multiview {

// What a link does when it is clicked.
enum class LinkAction {
    Node,      // "link" and "alink": show a node (of this document, or "file/node" of another)
    Command,   // "system": a shell command; the viewer does not run it
    Script,    // "rx" and "rxs": a script for a scripting port this host does not have
    Beep,      // "beep"
    Close,     // "close" and "quit": close the viewer
    Unknown,   // anything else
};

struct GuideLink {
    std::string label;
    LinkAction action = LinkAction::Unknown;
    std::string target;   // the node's name, or the command
    LONG line = 0;        // the node's line to show first (counted from 0)
};

struct GuideNode {
    std::string name;
    std::string title;   // "@node NAME "title"", or @title; the name when there is none
    std::string toc;     // @toc, @prev, @next, @help: other nodes' names, or empty
    std::string prev;
    std::string next;
    std::string help;
    // The node's text: one line for each line of the document between
    // @node and @endnode (or, with smart wrapping, one for each paragraph),
    // markup taken out, tabs expanded, links as Link spans whose `link` is
    // an index into `links`. sourceLine counts the node's text lines from 0.
    std::vector<StyledLine> lines;
    std::vector<GuideLink> links;
};

struct GuideDocument {
    std::string database;   // @database
    std::string author;     // @author
    std::string copyright;  // @(c)
    std::string version;    // @$VER:
    std::string index;      // @index: the index node's name
    std::string toc;        // a @toc given before the first node
    std::string help;       // @help
    std::vector<GuideNode> nodes;

    // The index of the node of that name (names match in any case), -1
    // when there is none.
    LONG FindNode(const std::string &name) const;
    // The node named "Main" in any case, else the first; -1 without nodes.
    LONG MainNode() const;
};

// Reads a document from its bytes (UTF-8 or Latin-1, decoded as a text
// file is). Understood:
//  * line commands (an "@" at the start of a line, not followed by "{"):
//    @database, @author, @(c), @$VER:, @index, @toc, @help, @node NAME
//    ["title"], @endnode, @title, @prev, @next, @smartwrap (joins the lines
//    of a paragraph), @tab N; others (@wordwrap, @font, @rem, @remark, ...
//    and commands this reader does not know) are skipped;
//  * in text: @{"label" link NODE [LINE]}, alink, system "command", rx,
//    rxs, beep, close, quit; @{b} @{ub} @{i} @{ui} @{u} @{uu} @{plain};
//    @{line} and @{par} (breaks); other attributes (@{fg ...} ...) are
//    taken out; \@ and \\ stand for @ and \.
// Malformed input never fails: a "@{" without its "}" is text; a node
// without @endnode ends at the next @node or the end; text outside nodes
// is not shown; a link without an action is shown as plain text.
GuideDocument ParseGuide(const UBYTE *data, std::size_t size);

}  // namespace hosted::multiview

#endif  // MULTIVIEW_GUIDE_H
