#pragma once

#include "document/ListChange.h"
#include "document/TextList.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>

// What the window shows of the subtitle being edited: the selection and the
// edit fields below the list, with the frames the arrow buttons count from.
struct EditorState {
    int itemIndex = -1;
    int topIndex = 0;
    int selectedStart = 0;
    int selectedEnd = 0;
    std::string start;
    std::string end;
    std::string duration;
    std::string time;
    int startStep = 0;
    int endStep = 0;
    friend bool operator==(const EditorState &, const EditorState &) = default;
};

// The user's changes of the subtitle list, for taking them back and doing
// them again. Each user event that changed the list becomes one step; a step
// keeps only the range of entries it changed, so steps on a large list stay
// small.
class UndoHistory {
public:
    // CHOICE: a hundred steps; the oldest goes when another is added.
    static constexpr std::size_t kDepth = 100;

    // Before and after a user event. Events within an event belong to the
    // outer one; an event that undid, redid or cleared the history adds no step.
    void Begin(const TextList &list, const EditorState &state);
    void End(const TextList &list, const EditorState &state);

    void Clear();
    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    std::size_t UndoCount() const { return undo_.size(); }

    // Takes the last step back (or does the last undone one again) on the
    // list and returns what the window showed at that point; nothing when
    // there is no such step.
    std::optional<EditorState> Undo(TextList &list);
    std::optional<EditorState> Redo(TextList &list);

private:
    struct Step {
        ListChange change; // turns the list into the state before the step, or after it once undone
        EditorState before;
        EditorState after;
    };
    // Takes the last step of `from` onto `to`, changing the list as it says.
    const Step *Shift(std::deque<Step> &from, std::deque<Step> &to, TextList &list);
    std::deque<Step> undo_;
    std::deque<Step> redo_;
    // The list when the event began; it shares its items with the list.
    std::optional<TextList> pending_;
    // What the last event left shown. The front end writes what the user
    // typed or selected into the fields before the next event, so this, not
    // the state at its beginning, is what an undo of that event goes back to.
    std::optional<EditorState> shown_;
    int depth_ = 0;
};
