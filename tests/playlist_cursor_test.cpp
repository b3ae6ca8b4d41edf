// The track cursor: moves to the next or previous playable entry, wrapping,
// unticking missing files; the user's click on a missing file; the last tick.

#include <gtest/gtest.h>

#include <cstdio>

#include "support/FormFixture.h"

namespace {

class Cursor : public FormFixture {};

struct MoveCase {
    const char* what;
    std::vector<std::string> entries;  // see FormFixture::Fill
    int current;
    bool forward;
    int result;
    int currentAfter;
    std::vector<bool> ticksAfter;
};

class CursorMoves : public FormFixture, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(CursorMoves, FindsThePlayableEntry) {
    const MoveCase& c = GetParam();
    Fill(c.entries);
    form->l1->SetItemIndex(c.current);
    const int result = c.forward ? form->selectnext() : form->selectprevious();
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(form->l1->ItemIndex(), c.currentAfter);
    EXPECT_EQ(Ticks(), c.ticksAfter);
    EXPECT_TRUE(boxes.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, CursorMoves,
    ::testing::Values(
        MoveCase{"empty next", {}, -1, true, -1, -1, {}},
        MoveCase{"empty previous", {}, -1, false, -1, -1, {}},
        MoveCase{"none current next", {"a", "b", "c", "d"}, -1, true, 0, 0, {true, true, true, true}},
        MoveCase{"none current previous", {"a", "b", "c", "d"}, -1, false, 3, 3, {true, true, true, true}},
        MoveCase{"wrap forward", {"a", "b", "c", "d"}, 3, true, 0, 0, {true, true, true, true}},
        MoveCase{"wrap backward", {"a", "b", "c", "d"}, 0, false, 3, 3, {true, true, true, true}},
        MoveCase{"single entry next", {"a"}, 0, true, 0, 0, {true}},
        MoveCase{"single entry previous", {"a"}, 0, false, 0, 0, {true}},
        MoveCase{"unticked passed", {"a", "-b", "c"}, 0, true, 2, 2, {true, false, true}},
        MoveCase{"missing unticked", {"a", "missing:b", "c"}, 0, true, 2, 2, {true, false, true}},
        MoveCase{"back to itself", {"a", "-b"}, 0, true, 0, 0, {true, false}},
        MoveCase{"current not visited", {"missing:a", "b"}, 0, true, 1, 1, {true, true}},
        MoveCase{"nothing playable keeps cursor", {"missing:a", "-b", "missing:c"}, 1, true, -1, 1,
                 {false, false, false}},
        MoveCase{"nothing playable, none current", {"-a", "-b"}, -1, false, -1, -1, {false, false}}),
    [](const auto& info) {
        std::string name = info.param.what;
        for (char& ch : name)
            if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return name;
    });

TEST_F(Cursor, SecondMoveAfterUntickingGoesOnFromThere) {
    Fill({"a", "missing:b", "c"});
    form->l1->SetItemIndex(0);
    EXPECT_EQ(form->selectnext(), 2);
    EXPECT_EQ(form->selectnext(), 0);
    EXPECT_FALSE(form->l1->Checked(1));
}

TEST_F(Cursor, ClickOnMissingFileWarnsAndChangesNothing) {
    Fill({"a", "b"});
    std::remove(form->l1->Text(1).c_str());
    form->l1->SetItemIndex(1);
    form->l1Click(form->l1);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "MP3 file does not exist?!");
    EXPECT_EQ(boxes.boxes[0].caption, "Quilby MP3 Player");
    EXPECT_EQ(form->l1->ItemIndex(), 1);
    EXPECT_TRUE(form->l1->Checked(1));

    form->l1->SetItemIndex(0);
    form->l1Click(form->l1);
    form->l1->SetItemIndex(-1);
    form->l1Click(form->l1);
    EXPECT_EQ(boxes.boxes.size(), 1u);
}

TEST_F(Cursor, TheLastTickComesBack) {
    Fill({"a", "-b"});
    form->l1->SetItemIndex(0);
    form->l1->SetChecked(0, false);
    form->l1ClickCheck(form->l1);
    EXPECT_EQ(Ticks(), (std::vector<bool>{true, false}));

    form->l1->SetChecked(1, true);
    form->l1->SetChecked(0, false);
    form->l1ClickCheck(form->l1);
    EXPECT_EQ(Ticks(), (std::vector<bool>{false, true}));
}

TEST_F(Cursor, LargeListOfMissingFilesEndsOnTheLastEntry) {
    for (int i = 0; i < 20000; ++i) form->l1->SetChecked(form->l1->Add(dir / ("gone" + std::to_string(i))), true);
    const int last = form->l1->Add(dir.Write("here.wav"));
    form->l1->SetChecked(last, true);
    EXPECT_EQ(form->selectnext(), last);
    EXPECT_EQ(form->l1->ItemIndex(), last);
    EXPECT_FALSE(form->l1->Checked(0));
}

}  // namespace
