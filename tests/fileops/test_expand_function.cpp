// ExpandFunction over a table of templates: every placeholder, the quoting of all at once, the markers, and the bound of the line.
#include <fileops/expand_function.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Selected entries in display order, every one selected.
class ListSelection : public MenuRunSelection {
public:
    explicit ListSelection(std::vector<MenuRunEntry> entries) : entries_(std::move(entries))
    {
        for (size_t i = 0; i < entries_.size(); i++)
            entries_[i].row = ULONG(i);
    }
    BOOL SelectedAfter(ULONG row, MenuRunEntry &entry) override
    {
        size_t next = row == BeforeFirstRow ? 0 : row + 1;
        if (next >= entries_.size())
            return FALSE;
        entry = entries_[next];
        return TRUE;
    }
    void ActedOn(const MenuRunEntry &) override {}
    const MenuRunEntry *At(size_t i) const { return &entries_[i]; }

private:
    std::vector<MenuRunEntry> entries_;
};

class Prompt : public ArgumentPrompt {
public:
    BOOL AskArguments(CONST_STRPTR title, CONST_STRPTR prompt, STRPTR text, ULONG size) override
    {
        asked.push_back(std::string(title) + "|" + prompt);
        if (answer == nullptr)
            return FALSE;
        std::snprintf(text, size, "%s", answer);
        return TRUE;
    }
    const char *answer = "typed";
    std::vector<std::string> asked;
};

struct Expansion {
    ExpandResult result;
    std::string line;
};

class Expand : public ::testing::Test {
protected:
    Expansion Run(const std::string &function, const MenuRunEntry *current, ULONG from = 0, ULONG lineSize = 512)
    {
        function_ = function;
        ExpandRequest request;
        request.function = function_.c_str();
        request.from = from;
        request.current = current;
        request.allAtOnce = allAtOnce;
        request.selection = &selection;
        request.drawer = drawer;
        request.destination = destination;
        request.itemName = "Pack";
        request.prompt = &prompt;
        ExpandBuffers buffers{line_, lineSize, scratch_, sizeof scratch_};
        Expansion out;
        out.result = ExpandFunction(request, buffers);
        out.line = line_;
        return out;
    }
    std::string Line(const std::string &function, const MenuRunEntry *current)
    {
        Expansion e = Run(function, current);
        EXPECT_EQ(e.result.status, ExpandStatus::Command) << function;
        return e.line;
    }

    ListSelection selection{{{"a", "first comment"}, {"b", ""}, {"two words", ""}}};
    Prompt prompt;
    BOOL allAtOnce = FALSE;
    CONST_STRPTR drawer = "Work:x";
    CONST_STRPTR destination = "Work:x";

private:
    std::string function_;
    char line_[512] = {};
    char scratch_[8192] = {};
};

TEST_F(Expand, EachPlaceholderAndWhatIsCopiedAsItStands)
{
    const MenuRunEntry *a = selection.At(0);
    struct Row {
        const char *function;
        const char *line;
    };
    const Row rows[] = {
        {"Copy %s TO %D", "Copy a TO Work:x/"},
        {"%s %h.", "a first comment."},
        {"%p|%P|%d|%D", "Work:x|Work:x/|Work:x|Work:x/"},
        {"100%% sure", "100%% sure"},   // "%%" is a "%" before another character: both stay
        {"50%", "50%"},                  // a final "%" as it is
        {"%x %S %H %1", "%x %S %H %1"},  // not placeholders (they are case-sensitive)
        {"a%cb%rc", "abc"},              // %c and %r insert nothing
        {"%CWork:y%Clist %s", "list a"},
        {"", ""},
    };
    for (const Row &row : rows)
        EXPECT_EQ(Line(row.function, a), row.line) << row.function;

    // Each entry its own line; the second entry with the same template.
    EXPECT_EQ(Line("Copy %s TO %D", selection.At(1)), "Copy b TO Work:x/");
    // Nothing current (start always, nothing selected): %s and %h are empty.
    EXPECT_EQ(Line("run '%s' '%h' %p", nullptr), "run '' '' Work:x");
}

TEST_F(Expand, PathsOfARootTakeNoSlash)
{
    drawer = "Work:";
    destination = "RAM:";
    EXPECT_EQ(Line("%p %P %d %D", selection.At(0)), "Work: Work: RAM: RAM:");
    drawer = "Work:x";
    destination = "Work:x/y";
    EXPECT_EQ(Line("%p %P %d %D", selection.At(0)), "Work:x Work:x/ Work:x/y Work:x/y/");
}

TEST_F(Expand, AllAtOnceQuotesTheCurrentAndEveryLaterName)
{
    allAtOnce = TRUE;
    EXPECT_EQ(Line("Copy %s TO %D", selection.At(0)), "Copy \"a\" \"b\" \"two words\" TO Work:x/");
    EXPECT_EQ(Line("Copy %s TO %D", selection.At(1)), "Copy \"b\" \"two words\" TO Work:x/");
    // A name with a quote stays one word, escaped as the shell reads it.
    ListSelection odd({{"say \"hi\"", ""}, {"x*", ""}});
    selection = odd;
    EXPECT_EQ(Line("echo %s", selection.At(0)), "echo \"say *\"hi*\"\" \"x**\"");
    EXPECT_EQ(Line("echo %s", nullptr), "echo ");
}

TEST_F(Expand, MarkersDirectoriesContinuationsAndDrawers)
{
    const MenuRunEntry *a = selection.At(0);
    Expansion c = Run("%cList", a);
    EXPECT_EQ(c.line, "List");
    EXPECT_STREQ(c.result.directory, "Work:x");
    Expansion big = Run("%CWork:y/z%CList", a);
    EXPECT_STREQ(big.result.directory, "Work:y/z");
    EXPECT_EQ(Run("List", a).result.directory, nullptr);

    // "%n": two commands for the same entry, the second from where the first ended.
    Expansion first = Run("Copy %s RAM:%nDelete %s", a);
    EXPECT_EQ(first.line, "Copy a RAM:");
    ASSERT_TRUE(first.result.more);
    Expansion second = Run("Copy %s RAM:%nDelete %s", a, first.result.next);
    EXPECT_EQ(second.line, "Delete a");
    EXPECT_FALSE(second.result.more);

    Expansion go = Run("ignored %s%lWork:Music %s", a);
    EXPECT_EQ(go.result.status, ExpandStatus::GoToDrawer);
    EXPECT_STREQ(go.result.goTo, "Work:Music %s");   // the rest, as it stands

    EXPECT_TRUE(Run("x%r", a).result.refresh);
    EXPECT_FALSE(Run("x%R", a).result.refresh);

    // Markers left open end the run: nothing is meant to run.
    EXPECT_EQ(Run("%CWork:y List", a).result.status, ExpandStatus::Unclosed);
    EXPECT_EQ(Run("List %iArgs?", a).result.status, ExpandStatus::Unclosed);
    EXPECT_EQ(Run("List %iArgs?%C", a).result.status, ExpandStatus::Unclosed);
    EXPECT_TRUE(prompt.asked.empty());
}

TEST_F(Expand, ThePromptAsksWithTheItemsNameAndCancelSkips)
{
    const MenuRunEntry *a = selection.At(0);
    Expansion asked = Run("%CWork:y%CLha a %iArchive name?%i %s", a);
    EXPECT_EQ(asked.line, "Lha a typed a");
    EXPECT_STREQ(asked.result.directory, "Work:y");   // kept while the dialog had its own text
    EXPECT_EQ(prompt.asked, std::vector<std::string>{"Pack|Archive name?"});
    prompt.answer = nullptr;
    EXPECT_EQ(Run("Lha %iName?%i", a).result.status, ExpandStatus::NotAnswered);
}

TEST_F(Expand, ALineThatWouldOutgrowItsBufferIsRefusedWhole)
{
    const MenuRunEntry *a = selection.At(0);
    // "Copy a" and its NUL take 7 bytes.
    EXPECT_EQ(Run("Copy %s", a, 0, 7).line, "Copy a");
    Expansion cut = Run("Copy %s", a, 0, 6);
    EXPECT_EQ(cut.result.status, ExpandStatus::TooLong);
    EXPECT_EQ(cut.line, "");   // never a shortened command
    allAtOnce = TRUE;
    // Every quoted name must fit, not the first ones only.
    EXPECT_EQ(Run("x %s", selection.At(0), 0, 22).result.status, ExpandStatus::Command);
    EXPECT_EQ(Run("x %s", selection.At(0), 0, 21).result.status, ExpandStatus::TooLong);
    EXPECT_EQ(Run(std::string(600, 'y'), a).result.status, ExpandStatus::TooLong);
}

}  // namespace
