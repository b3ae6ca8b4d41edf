// The playlist list reports the user's moves and toggles, and nothing that the program does.

#include <gtest/gtest.h>

#include <QListView>
#include <QTest>

#include "vcl/Application.h"
#include "vcl/CheckListBox.h"
#include "vcl/Form.h"

namespace {

class ListEvents : public ::testing::Test {
protected:
    void SetUp() override {
        list = form.Own<vcl::TCheckListBox>(&form);
        list->SetBounds(0, 0, 300, 200);
        for (const char* text : {"alpha", "beta", "gamma", "delta"}) list->Add(text);
        list->OnClick = [this](vcl::TObject*) { clicks.push_back(list->ItemIndex()); };
        list->OnClickCheck = [this](vcl::TObject*) { toggles.push_back(list->ItemIndex()); };
        form.SetBounds(0, 0, 300, 200);
        form.Show();
        view()->setFocus();
        vcl::Application->ProcessMessages();
    }
    QListView* view() { return static_cast<QListView*>(list->Widget()); }
    QPoint RowPoint(int row, int x) {
        const QRect r = view()->visualRect(view()->model()->index(row, 0));
        return {r.left() + x, r.center().y()};
    }

    vcl::TForm form;
    vcl::TCheckListBox* list = nullptr;
    std::vector<int> clicks, toggles;
};

TEST_F(ListEvents, ProgramChangesFireNothing) {
    list->SetItemIndex(2);
    list->SetChecked(1, true);
    list->Move(0, 3);
    list->Delete(0);
    list->Add("epsilon");
    list->Clear();
    EXPECT_TRUE(clicks.empty());
    EXPECT_TRUE(toggles.empty());
}

TEST_F(ListEvents, ClickOnTextMakesCurrentWithoutToggling) {
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, RowPoint(2, 60));
    EXPECT_EQ(clicks, std::vector<int>{2});
    EXPECT_TRUE(toggles.empty());
    EXPECT_FALSE(list->Checked(2));
}

TEST_F(ListEvents, ClickInTheBoxTogglesAndMakesCurrent) {
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, RowPoint(1, 5));
    EXPECT_EQ(clicks, std::vector<int>{1});
    EXPECT_EQ(toggles, std::vector<int>{1});
    EXPECT_TRUE(list->Checked(1));
}

TEST_F(ListEvents, RightClickAndClickBelowTheEntriesDoNothing) {
    QTest::mouseClick(view()->viewport(), Qt::RightButton, {}, RowPoint(1, 5));
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, QPoint(40, 190));
    EXPECT_TRUE(clicks.empty());
    EXPECT_TRUE(toggles.empty());
    EXPECT_EQ(list->ItemIndex(), -1);
}

TEST_F(ListEvents, KeysMoveAndSpaceToggles) {
    list->SetItemIndex(0);
    QTest::keyClick(view(), Qt::Key_Down);
    QTest::keyClick(view(), Qt::Key_End);
    QTest::keyClick(view(), Qt::Key_PageUp);
    EXPECT_EQ(clicks, (std::vector<int>{1, 3, 0}));
    QTest::keyClick(view(), Qt::Key_Up);  // already at the top: no move, no event
    EXPECT_EQ(clicks.size(), 3u);

    QTest::keyClick(view(), Qt::Key_Space);
    EXPECT_EQ(toggles, std::vector<int>{0});
    EXPECT_TRUE(list->Checked(0));
}

TEST_F(ListEvents, TypingTheFirstLettersMovesTheCursor) {
    list->SetItemIndex(0);
    QTest::keyClicks(view(), "ga");
    EXPECT_EQ(list->ItemIndex(), 2);
    ASSERT_FALSE(clicks.empty());
    EXPECT_EQ(clicks.back(), 2);
}

TEST_F(ListEvents, DeletingTheCurrentEntryLeavesNoneCurrent) {
    list->SetItemIndex(1);
    list->Delete(1);
    EXPECT_EQ(list->ItemIndex(), -1);
    list->SetItemIndex(2);
    list->Delete(0);
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(list->Text(1), "delta");
}

TEST_F(ListEvents, MoveTakesTheTickAlong) {
    list->SetChecked(0, true);
    list->Move(0, 3);
    EXPECT_EQ(list->Text(3), "alpha");
    EXPECT_TRUE(list->Checked(3));
    list->Move(3, 1);
    EXPECT_EQ(list->Text(1), "alpha");
    EXPECT_TRUE(list->Checked(1));
    EXPECT_EQ(list->Text(0), "beta");
}

TEST_F(ListEvents, IndexOutOfRangeIsAListError) {
    try {
        list->Text(7);
        FAIL();
    } catch (const vcl::EListError& error) {
        EXPECT_STREQ(error.what(), "List index out of bounds (7)");
    }
    EXPECT_THROW(list->SetChecked(-2, true), vcl::EListError);
}

TEST_F(ListEvents, HundredThousandEntriesAppendShowAndScroll) {
    for (int i = 0; i < 100000; ++i) list->Add("/music/track " + std::to_string(i) + ".mp3");
    list->SetItemIndex(99999);
    vcl::Application->ProcessMessages();
    QTest::keyClick(view(), Qt::Key_Home);
    QTest::keyClick(view(), Qt::Key_PageDown);
    vcl::Application->ProcessMessages();
    EXPECT_EQ(list->Count(), 100004);
    EXPECT_GT(list->ItemIndex(), 0);
}

}  // namespace
