#pragma once
#include <string>

// The results list: the one place where a search leaves its rows and where the actions
// read them back. Rows are addressed 1 to RowCount(), in the order they were added.
// Each row holds its Text (first column), SubItems 1 and 2 (second and third columns)
// and a Tag that is not shown: the process entry key.
class ResultsList {
public:
    virtual ~ResultsList() = default;

    // Appends a row showing `text` in the first column; returns its index.
    virtual int AddRow(const std::wstring& text) = 0;
    virtual void SetSubItem(int row, int subItem, const std::wstring& text) = 0;
    virtual void SetTag(int row, const std::wstring& tag) = 0;

    virtual int RowCount() const = 0;
    virtual std::wstring Text(int row) const = 0;
    virtual std::wstring SubItem(int row, int subItem) const = 0;
    virtual std::wstring Tag(int row) const = 0;

    virtual void Clear() = 0;
};
