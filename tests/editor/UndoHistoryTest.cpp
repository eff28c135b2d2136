// The undo history as a state machine: what each step asks for and where it leaves the
// current entry and the menu states. Layers are told apart by id and place only.
#include "editor/model/UndoHistory.h"

#include <gtest/gtest.h>

using editor::HistoryAction;
using A = editor::HistoryAction;
using editor::HistoryKind;
using editor::UndoHistory;

namespace {

editor::LayerRecord layerAt(int id, int x) {
    editor::LayerRecord layer;
    layer.id = id;
    layer.x = x;
    return layer;
}

// The action of a step, with the id and place of the layer it takes.
struct Taken {
    HistoryAction action;
    int id, x;
    bool operator==(const Taken&) const = default;
};

Taken taken(const editor::HistoryStep& step) {
    return step.entry ? Taken{step.action, step.entry->layer.id, step.entry->layer.x}
                      : Taken{step.action, -1, -1};
}

void PrintTo(const Taken& t, std::ostream* os) {
    *os << "action " << int(t.action) << " on layer " << t.id << " at x " << t.x;
}

class UndoHistoryTest : public ::testing::Test {
  protected:
    void add(int id, int x) {
        history.record(HistoryKind::Add, {}, layerAt(id, x));
        history.record(HistoryKind::Modify, {}, layerAt(id, x));
    }
    void modify(int id, int x) { history.record(HistoryKind::Modify, {}, layerAt(id, x)); }
    Taken undo() { return taken(history.undo()); }
    Taken redo() { return taken(history.redo()); }

    UndoHistory history;
};

} // namespace

TEST_F(UndoHistoryTest, AnAddedPhotoMovedComesBackStepByStep) {
    EXPECT_FALSE(history.canUndo()) << "nothing to undo yet";
    add(0, 10);
    modify(0, 50);
    EXPECT_TRUE(history.canUndo());

    EXPECT_EQ(undo(), (Taken{A::RestoreLayer, 0, 10})) << "back to where it was added";
    EXPECT_EQ(undo(), (Taken{A::RemoveLayer, 0, 10}));
    EXPECT_FALSE(history.canUndo()) << "the addition was the first change";
    EXPECT_EQ(undo(), (Taken{A::None, -1, -1}));

    EXPECT_EQ(redo(), (Taken{A::AddLayer, 0, 10}));
    EXPECT_EQ(history.currentIndex(), 1) << "past the add entry, onto its modify entry";
    EXPECT_EQ(redo(), (Taken{A::RestoreLayer, 0, 50}));
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(redo(), (Taken{A::None, -1, -1}));
}

TEST_F(UndoHistoryTest, ALayerGoesBackToItsOwnLastStateWhateverChangedInBetween) {
    add(0, 10);
    add(1, 20);
    modify(0, 99);
    EXPECT_EQ(undo(), (Taken{A::RestoreLayer, 0, 10})) << "layer 0, not layer 1 recorded later";
    EXPECT_EQ(undo(), (Taken{A::RemoveLayer, 1, 20}));
    EXPECT_EQ(history.currentIndex(), 1) << "the pair of layer 1 is undone as one";
    EXPECT_EQ(undo(), (Taken{A::RemoveLayer, 0, 10})) << "no press is spent on nothing";
    EXPECT_EQ(redo(), (Taken{A::AddLayer, 0, 10}));
    EXPECT_EQ(redo(), (Taken{A::AddLayer, 1, 20}));
    EXPECT_EQ(redo(), (Taken{A::RestoreLayer, 0, 99}));
}

TEST_F(UndoHistoryTest, ABaselineAndTheChangeAfterItAreOneStep) {
    add(0, 10);
    history.record(HistoryKind::Arrange, {}, layerAt(-1, 0));
    history.record(HistoryKind::Modify, {}, layerAt(0, 70), true); // where it was arranged to
    modify(0, 99);
    EXPECT_EQ(undo(), (Taken{A::RestoreLayer, 0, 70}));
    EXPECT_EQ(history.currentIndex(), 2) << "on the arrangement, past the baseline";
    EXPECT_EQ(history.undo().action, HistoryAction::CannotRestoreArrangement);
    history.redo();
    EXPECT_EQ(redo(), (Taken{A::RestoreLayer, 0, 99})) << "the baseline is no redo step of its own";
}

TEST_F(UndoHistoryTest, TenEntriesAreKeptSoNineStepsCanBeUndone) {
    for (int x = 0; x < 11; ++x)
        modify(0, x);
    EXPECT_EQ(history.count(), 10);
    EXPECT_EQ(history.at(0).layer.x, 1) << "the oldest was dropped";
    int applied = 0;
    while (history.undo().action != HistoryAction::None)
        ++applied;
    EXPECT_EQ(applied, 9);
}

TEST_F(UndoHistoryTest, ANewChangeAfterUndosComesLastAndTheUndoneOnesStayBeforeIt) {
    add(0, 10);
    modify(0, 20);
    modify(0, 30);
    history.undo();
    history.undo();
    EXPECT_TRUE(history.isStepping());
    modify(0, 40);
    EXPECT_FALSE(history.isStepping()) << "a unit change may be recorded again";
    EXPECT_EQ(history.count(), 5);
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(undo(), (Taken{A::RestoreLayer, 0, 30}))
        << "the entry before the new one, though it was undone earlier";
}

TEST(UndoHistoryDecision, EachEntryKindAndDirection) {
    using D = UndoHistory::Direction;
    using K = HistoryKind;
    const struct {
        K kind;
        D direction;
        std::optional<K> override;
        A expected;
        const char* why;
    } rows[] = {
        {K::Orientation, D::Redo, {}, A::RestoreOrientation, "own kind"},
        {K::Modify, D::Undo, K::Unit, A::RestoreUnit, "before a unit change: its unit"},
        {K::Page, D::Undo, K::Unit, A::RestoreUnit, "the override decides, not the page before"},
        {K::Arrange, D::Redo, {}, A::CannotRestoreArrangement, "not kept"},
        {K::Modify, D::Undo, K::Arrange, A::CannotRestoreArrangement, "nor undone"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(UndoHistory::decide(r.kind, r.direction, r.override), r.expected) << r.why;
}
