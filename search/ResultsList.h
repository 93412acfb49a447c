#pragma once
#include <cstddef>

#include "ResultRow.h"

// The results list: the one place where a search leaves its rows and where the actions
// read them back, in the order they were added.
class ResultsList {
public:
    virtual ~ResultsList() = default;

    virtual void Add(ResultRow row) = 0;
    virtual std::size_t Count() const = 0;
    // 0 to Count() - 1.
    virtual const ResultRow& Row(std::size_t index) const = 0;
    virtual void Clear() = 0;
};
