#include "shell/UndoHistory.h"

#include <utility>

namespace {

// Every change of a list counts in its revision, but a list copied over
// another brings its own count along; the storage tells those apart.
bool Unchanged(const TextList &now, const TextList &before) {
    return now.Revision() == before.Revision() && now.Count() == before.Count() &&
           (now.Empty() || now[0].data() == before[0].data());
}

} // namespace

void UndoHistory::Begin(const TextList &list, const EditorState &state) {
    if (depth_++ > 0)
        return;
    pending_ = list;
    if (!shown_)
        shown_ = state;
}

void UndoHistory::End(const TextList &list, const EditorState &state) {
    if (depth_ == 0 || --depth_ > 0)
        return;
    const std::optional<TextList> before = std::exchange(pending_, std::nullopt);
    EditorState shownBefore = *std::exchange(shown_, state);
    if (!before || Unchanged(list, *before))
        return;
    ListChange change = ChangeBetween(list, *before);
    if (change.count == 0 && change.items.Empty())
        return;
    undo_.push_back({std::move(change), std::move(shownBefore), state});
    if (undo_.size() > kDepth)
        undo_.pop_front();
    redo_.clear();
}

void UndoHistory::Clear() {
    undo_.clear();
    redo_.clear();
    pending_.reset();
}

const UndoHistory::Step *UndoHistory::Shift(std::deque<Step> &from, std::deque<Step> &to, TextList &list) {
    pending_.reset();
    if (from.empty())
        return nullptr;
    Step step = std::move(from.back());
    from.pop_back();
    step.change = ApplyChange(list, step.change);
    to.push_back(std::move(step));
    return &to.back();
}

std::optional<EditorState> UndoHistory::Undo(TextList &list) {
    if (const Step *step = Shift(undo_, redo_, list))
        return step->before;
    return std::nullopt;
}

std::optional<EditorState> UndoHistory::Redo(TextList &list) {
    if (const Step *step = Shift(redo_, undo_, list))
        return step->after;
    return std::nullopt;
}
