// The editing commands below the playlist: tick all, tick only the first, move
// the current entry up and down with wrapping, and remove it, also while the
// player holds its file.

#include <gtest/gtest.h>

#include "support/CaseName.h"
#include "support/PlaybackFixture.h"

namespace {

// The last part of each entry's path: "a" for ".../a".
std::vector<std::string> Names(const std::vector<std::string>& texts) {
    std::vector<std::string> names;
    for (const std::string& text : texts) names.push_back(text.substr(text.find_last_of('/') + 1));
    return names;
}

class Edit : public PlaybackFixture {};

struct TickCase {
    const char* what;
    std::vector<std::string> entries;  // see FormFixture::Fill
    bool selectAll;
    std::vector<bool> ticksAfter;
};

class TickCommands : public PlaybackFixture, public ::testing::WithParamInterface<TickCase> {};

TEST_P(TickCommands, SetTheTicksAndKeepTheCurrentEntry) {
    const TickCase& c = GetParam();
    Fill(c.entries);
    const int current = c.entries.empty() ? -1 : 1;
    form->l1->SetItemIndex(current);
    Click(c.selectAll ? form->sa1 : form->usa1);
    EXPECT_EQ(Ticks(), c.ticksAfter);
    EXPECT_EQ(form->l1->ItemIndex(), current);
    EXPECT_TRUE(boxes.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, TickCommands,
    ::testing::Values(TickCase{"select all on empty", {}, true, {}},
                      TickCase{"unselect all on empty", {}, false, {}},
                      TickCase{"select all", {"-a", "b", "-c"}, true, {true, true, true}},
                      TickCase{"unselect all ticks only the first", {"-a", "b", "c"}, false, {true, false, false}},
                      TickCase{"unselect all keeps a ticked first", {"a", "-b", "c"}, false, {true, false, false}}),
    [](const auto& info) { return CaseName(info.param.what); });

struct MoveCase {
    const char* what;
    int current;
    bool up;
    std::vector<std::string> orderAfter;
    int currentAfter;
};

class MoveCommands : public PlaybackFixture, public ::testing::WithParamInterface<MoveCase> {};

// Entry b is unticked, so the table also shows that a tick travels with its entry.
TEST_P(MoveCommands, MoveTheCurrentEntryWithItsTick) {
    const MoveCase& c = GetParam();
    Fill({"a", "-b", "c", "d"});
    form->l1->SetItemIndex(c.current);
    Click(c.up ? form->MoveUpbutton : form->MoveDownButton);
    const std::vector<std::string> order = Names(Texts());
    EXPECT_EQ(order, c.orderAfter);
    for (int i = 0; i < form->l1->Count(); ++i) EXPECT_EQ(form->l1->Checked(i), order[i] != "b") << order[i];
    EXPECT_EQ(form->l1->ItemIndex(), c.currentAfter);
    EXPECT_TRUE(boxes.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, MoveCommands,
    ::testing::Values(MoveCase{"up from the middle", 2, true, {"a", "c", "b", "d"}, 1},
                      MoveCase{"down from the middle", 1, false, {"a", "c", "b", "d"}, 2},
                      MoveCase{"up from the top wraps to the end", 0, true, {"b", "c", "d", "a"}, 3},
                      MoveCase{"down from the end wraps to the top", 3, false, {"d", "a", "b", "c"}, 0},
                      MoveCase{"up with none current", -1, true, {"a", "b", "c", "d"}, -1},
                      MoveCase{"down with none current", -1, false, {"a", "b", "c", "d"}, -1}),
    [](const auto& info) { return CaseName(info.param.what); });

TEST_F(Edit, MovingTheOnlyEntryLeavesItCurrent) {
    Fill({"a"});
    for (TUrlText* command : {form->MoveUpbutton, form->MoveDownButton}) {
        form->l1->SetItemIndex(0);
        Click(command);
        EXPECT_EQ(Names(Texts()), std::vector<std::string>{"a"});
        EXPECT_EQ(form->l1->ItemIndex(), 0);
    }
}

struct RemoveCase {
    const char* what;
    std::vector<std::string> entries;
    int current;
    std::vector<std::string> namesAfter;
    std::vector<bool> ticksAfter;
};

class RemoveCommand : public PlaybackFixture, public ::testing::WithParamInterface<RemoveCase> {};

TEST_P(RemoveCommand, DeletesTheCurrentEntryAndKeepsATick) {
    const RemoveCase& c = GetParam();
    Fill(c.entries);
    form->l1->SetItemIndex(c.current);
    Click(form->RemoveButton);
    EXPECT_EQ(Names(Texts()), c.namesAfter);
    EXPECT_EQ(Ticks(), c.ticksAfter);
    EXPECT_EQ(form->l1->ItemIndex(), -1);
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_TRUE(media.calls.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, RemoveCommand,
    ::testing::Values(RemoveCase{"none current", {"a", "b"}, -1, {"a", "b"}, {true, true}},
                      RemoveCase{"the only entry", {"a"}, 0, {}, {}},
                      RemoveCase{"the only ticked entry", {"-a", "b", "-c"}, 1, {"a", "c"}, {true, false}},
                      RemoveCase{"an unticked entry", {"-a", "b", "-c"}, 2, {"a", "b"}, {false, true}},
                      RemoveCase{"the first of two ticked", {"a", "-b", "c"}, 0, {"b", "c"}, {false, true}}),
    [](const auto& info) { return CaseName(info.param.what); });

TEST_F(Edit, SecondRemoveDoesNothingUntilAnEntryIsPicked) {
    Fill({"a", "b", "c"});
    form->l1->SetItemIndex(0);
    Click(form->RemoveButton);
    Click(form->RemoveButton);
    EXPECT_EQ(Names(Texts()), (std::vector<std::string>{"b", "c"}));
}

// The player holds the entry's file: the progress maximum drops to 0 and the
// device is stopped and closed before the entry goes; nothing else of playback changes.
TEST_F(Edit, RemovingTheLoadedEntryClosesThePlayer) {
    Fill({"a", "b", "a"});
    const std::string a = form->l1->Text(0);
    form->l1->SetItemIndex(2);  // either copy of the path counts
    form->play1->FileName = a;
    form->play1->Open();
    form->play1->Play();
    form->Progress->SetMax(60000);
    form->Timer1->SetEnabled(true);
    form->SetCaption("Quilby MP3 Player: Playing:  a");
    media.calls.clear();

    Click(form->RemoveButton);

    EXPECT_EQ(media.calls, (std::vector<std::string>{"stop", "close"}));
    EXPECT_FALSE(form->play1->IsOpen());
    EXPECT_EQ(form->Progress->Max(), 0);
    EXPECT_EQ(Names(Texts()), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(form->play1->FileName, a);
    EXPECT_TRUE(form->Timer1->Enabled());
    EXPECT_EQ(form->Caption(), "Quilby MP3 Player: Playing:  a");
    EXPECT_TRUE(boxes.boxes.empty());
}

// A name the player holds without an open device (its file failed to open, or
// nothing was ever loaded and both texts are empty) must not block the removal.
TEST_F(Edit, RemovingTheLoadedEntryWithNoDeviceOpenStillRemovesIt) {
    for (const std::string& text : {dir / "gone.mp3", std::string()}) {
        form->l1->Clear();
        form->l1->SetChecked(form->l1->Add(text), true);
        form->play1->FileName = text;
        form->Progress->SetMax(1000);
        form->l1->SetItemIndex(0);

        Click(form->RemoveButton);

        EXPECT_EQ(form->l1->Count(), 0) << text;
        EXPECT_EQ(form->Progress->Max(), 0) << text;
        EXPECT_TRUE(boxes.boxes.empty()) << text;
        EXPECT_TRUE(media.calls.empty()) << text;
    }
}

TEST_F(Edit, AnEntryDifferingOnlyInLetterCaseLeavesThePlayerAlone) {
    Fill({"song.mp3"});
    const std::string text = form->l1->Text(0);
    form->play1->FileName = text.substr(0, text.size() - 3) + "MP3";
    form->play1->Open();
    form->Progress->SetMax(60000);
    media.calls.clear();
    form->l1->SetItemIndex(0);

    Click(form->RemoveButton);

    EXPECT_EQ(form->l1->Count(), 0);
    EXPECT_TRUE(form->play1->IsOpen());
    EXPECT_EQ(form->Progress->Max(), 60000);
    EXPECT_TRUE(media.calls.empty());
}

}  // namespace
