// intuition/console/lineeditor.cpp: the line a person is typing into a console, with its editing keys and history.
#include "lineeditor.h"

namespace hosted {

bool LineEditor::Insert(UBYTE character)
{
    bool printable = (character >= 0x20 && character < 0x7F) || character >= 0xA0;
    if (!printable || text_.size() >= kMaxLength)
        return false;
    text_.insert(cursor_, 1, static_cast<char>(character));
    cursor_++;
    Changed();
    return true;
}

bool LineEditor::BackSpace()
{
    if (cursor_ == 0)
        return false;
    text_.erase(--cursor_, 1);
    Changed();
    return true;
}

bool LineEditor::Delete()
{
    if (cursor_ >= text_.size())
        return false;
    text_.erase(cursor_, 1);
    Changed();
    return true;
}

bool LineEditor::Left()
{
    if (cursor_ == 0)
        return false;
    cursor_--;
    Changed();
    return true;
}

bool LineEditor::Right()
{
    if (cursor_ >= text_.size())
        return false;
    cursor_++;
    Changed();
    return true;
}

bool LineEditor::Home()
{
    if (cursor_ == 0)
        return false;
    cursor_ = 0;
    Changed();
    return true;
}

bool LineEditor::End()
{
    if (cursor_ == text_.size())
        return false;
    cursor_ = text_.size();
    Changed();
    return true;
}

bool LineEditor::Erase()
{
    if (text_.empty())
        return false;
    text_.clear();
    cursor_ = 0;
    Changed();
    return true;
}

bool LineEditor::Up()
{
    if (historyPlace_ == 0)
        return false;
    if (historyPlace_ == history_.size())
        typed_ = text_;
    text_ = history_[--historyPlace_];
    cursor_ = text_.size();
    Changed();
    return true;
}

bool LineEditor::Down()
{
    if (historyPlace_ >= history_.size())
        return false;
    historyPlace_++;
    text_ = historyPlace_ == history_.size() ? typed_ : history_[historyPlace_];
    cursor_ = text_.size();
    Changed();
    return true;
}

std::string LineEditor::Take()
{
    std::string line;
    line.swap(text_);
    cursor_ = 0;
    if (!line.empty() && (history_.empty() || history_.back() != line)) {
        history_.push_back(line);
        if (history_.size() > kHistoryLines)
            history_.erase(history_.begin());
    }
    historyPlace_ = history_.size();
    typed_.clear();
    Changed();
    return line;
}

}  // namespace hosted
