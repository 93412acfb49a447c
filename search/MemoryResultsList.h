#pragma once
#include <array>
#include <vector>

#include "ResultsList.h"

// A results list kept in memory: for tests, the benchmark, and anything that wants a
// search's rows without a window.
class MemoryResultsList final : public ResultsList {
public:
    int AddRow(const std::wstring& text) override;
    void SetSubItem(int row, int subItem, const std::wstring& text) override;
    void SetTag(int row, const std::wstring& tag) override;

    int RowCount() const override;
    std::wstring Text(int row) const override;
    std::wstring SubItem(int row, int subItem) const override;
    std::wstring Tag(int row) const override;

    void Clear() override;

private:
    struct Row {
        std::wstring text;
        std::array<std::wstring, 2> subItems;
        std::wstring tag;
    };

    static std::size_t SubItemIndex(int subItem);
    Row& At(int row);
    const Row& At(int row) const;

    std::vector<Row> rows_;
};
