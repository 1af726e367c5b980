// intuition/console/compose.cpp: what a console window shows: the grid's rows with the typed line and the cursor laid over them.
#include "view.h"

#include <algorithm>

namespace hosted {

std::vector<ShownRow> ComposeRows(const TextGrid &grid, const LineEditor *editor, bool cursor)
{
    const LONG columns = grid.Columns();
    const LONG rows = grid.Rows();
    const std::size_t top = grid.ViewTop();
    std::vector<ShownRow> shown(static_cast<std::size_t>(rows));
    for (LONG i = 0; i < rows; i++) {
        const ConsoleRow &row = grid.Row(top + static_cast<std::size_t>(i));
        shown[static_cast<std::size_t>(i)].cells = row.cells;
        shown[static_cast<std::size_t>(i)].id = row.id;
    }

    // The typed line starts at the cursor and wraps at the last column, as
    // the same characters written there would.
    const std::size_t cursorRow = grid.HistoryRows() + static_cast<std::size_t>(grid.CursorRow());
    const LONG start = grid.CursorColumn();
    const ConsoleCell blank = grid.BlankCell();
    auto place = [&](std::size_t offset, std::size_t &row, LONG &column) {
        std::size_t linear = static_cast<std::size_t>(start) + offset;
        row = cursorRow + linear / static_cast<std::size_t>(columns);
        column = static_cast<LONG>(linear % static_cast<std::size_t>(columns));
    };
    if (editor != nullptr) {
        const std::string &text = editor->Text();
        for (std::size_t j = 0; j < text.size(); j++) {
            std::size_t row;
            LONG column;
            place(j, row, column);
            if (row < top || row >= top + static_cast<std::size_t>(rows))
                continue;
            std::vector<ConsoleCell> &cells = shown[row - top].cells;
            if (cells.size() <= static_cast<std::size_t>(column))
                cells.resize(static_cast<std::size_t>(column) + 1, blank);
            ConsoleCell cell = blank;
            cell.character = static_cast<UBYTE>(text[j]);
            cells[static_cast<std::size_t>(column)] = cell;
        }
    }
    if (cursor) {
        std::size_t row;
        LONG column;
        if (editor != nullptr) {
            place(editor->Cursor(), row, column);
        } else {
            row = cursorRow;
            column = std::min(start, columns - 1);
        }
        if (row >= grid.TotalRows()) {
            row = grid.TotalRows() - 1;
            column = columns - 1;
        }
        if (row >= top && row < top + static_cast<std::size_t>(rows))
            shown[row - top].cursor = column;
    }
    return shown;
}

std::vector<std::string> ShownText(const std::vector<ShownRow> &rows)
{
    std::vector<std::string> lines;
    for (const ShownRow &row : rows) {
        ConsoleRow plain;
        plain.cells = row.cells;
        lines.push_back(RowText(plain));
    }
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return lines;
}

}  // namespace hosted
