#pragma once

#include "document/TextList.h"

#include <string_view>

// Where lines of text go one at a time: a list, or a file as it is written,
// so that a long text can be made without being held whole.
class LineOut {
public:
    virtual ~LineOut() = default;
    virtual void Add(std::string_view line) = 0;
};

// Lines added to the end of a list.
class ListLineOut final : public LineOut {
public:
    explicit ListLineOut(TextList &list) : list_(list) {}
    void Add(std::string_view line) override { list_.Add(line); }

private:
    TextList &list_;
};
