// The link labels under a real pointer: the highlight font while the pointer
// is over a label, the red and white press feedback of the command labels,
// what a press, a drag and a release run, and what a click hands to the opener.

#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <map>
#include <string>
#include <vector>

#include "support/FormFixture.h"
#include "vcl/Application.h"
#include "vcl/Form.h"
#include "web/LinkTargets.h"

namespace {

using vcl::clRed;
using vcl::clWhite;
using vcl::fsUnderline;

// A point of the window where no control lies.
constexpr QPoint Nowhere{440, 420};

class LinkLabels : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        form->Show();
        vcl::Application->ProcessMessages();
        // The window learns where the pointer is from a move that changes its
        // place: the last test left it at Nowhere.
        Move(Nowhere + QPoint(0, 5));
        Move(Nowhere);
    }
    void TearDown() override {
        for (Qt::MouseButton button : held_) QTest::mouseRelease(Window(), button, {}, Nowhere);
        FormFixture::TearDown();
    }

    QWindow* Window() { return form->Widget()->windowHandle(); }
    QPoint On(TUrlText* label) {
        QWidget* widget = label->Widget();
        return widget->mapTo(form->Widget(), widget->rect().center());
    }
    void Move(QPoint at) { QTest::mouseMove(Window(), at); }
    void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(Window(), button, {}, at);
        held_.push_back(button);
    }
    void Release(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseRelease(Window(), button, {}, at);
        std::erase(held_, button);
    }
    // Counts the runs of a command label's command in place of the command itself.
    int& CountClicks(TUrlText* label) {
        label->OnClick = [this, label](vcl::TObject*) { ++clicks_[label]; };
        return clicks_[label];
    }

    static bool Underlined(TUrlText* label) { return label->Font()->Style() & fsUnderline; }

private:
    std::vector<Qt::MouseButton> held_;
    std::map<TUrlText*, int> clicks_;
};

TEST_F(LinkLabels, EveryLabelOfTheWindowHighlightsAndLinks) {
    struct Case {
        TUrlText* TForm1::*field;
        int height;
        vcl::TColor highlight;
        std::string url;
        bool pressFeedback;
    };
    const Case cases[] = {
        {&TForm1::OpenButton, 11, clRed, "nil", true},
        {&TForm1::LoadButton, 11, clRed, "nil", true},
        {&TForm1::SaveButton, 11, clRed, "nil", true},
        {&TForm1::sa1, 11, clRed, "nil", true},
        {&TForm1::usa1, 11, clRed, "nil", true},
        {&TForm1::MoveUpbutton, 11, clRed, "nil", true},
        {&TForm1::MoveDownButton, 11, clRed, "nil", true},
        {&TForm1::RemoveButton, 11, clRed, "nil", true},
        {&TForm1::PlayButton, 11, clRed, "nil", true},
        {&TForm1::PauseButton, 11, clRed, "nil", true},
        {&TForm1::StopButton, 11, clRed, "nil", true},
        {&TForm1::SkipNextButton, 11, clRed, "nil", true},
        {&TForm1::SkipPreviousButton, 11, clRed, "nil", true},
        {&TForm1::UrlText3, 13, vcl::clAqua, "nil", false},
        {&TForm1::UrlText1, 11, clRed, web::BurnLink, false},
        {&TForm1::UrlText2, 11, vcl::clFuchsia, web::DownloadLink, false},
        {&TForm1::mail, 11, clRed, web::FooterMail, false},
    };
    for (const Case& c : cases) {
        TUrlText* label = (*form).*c.field;
        SCOPED_TRACE(label->Caption());
        EXPECT_EQ(label->Cursor(), vcl::TCursor::crHandPoint);
        EXPECT_EQ(label->Url, c.url);
        const vcl::TFont own = *label->Font();

        Move(On(label));
        EXPECT_TRUE(label->Highlighted());
        EXPECT_EQ(label->Font()->Name(), "MS Sans Serif");
        EXPECT_EQ(label->Font()->Height(), c.height);
        EXPECT_EQ(label->Font()->Color(), c.highlight);
        EXPECT_EQ(label->Font()->Style(), fsUnderline);

        // A right press shows the press feedback, if the label has it, and opens nothing.
        Press(On(label), Qt::RightButton);
        EXPECT_EQ(label->Font()->Color(), c.pressFeedback ? clRed : c.highlight);
        Release(On(label), Qt::RightButton);
        EXPECT_EQ(label->Font()->Color(), c.pressFeedback ? clWhite : c.highlight);

        Move(Nowhere);
        EXPECT_FALSE(label->Highlighted());
        EXPECT_EQ(label->Font()->Height(), own.Height());
        EXPECT_EQ(label->Font()->Color(), own.Color());
        EXPECT_EQ(label->Font()->Style(), own.Style());
    }
    EXPECT_TRUE(links.opened.empty());
}

TEST_F(LinkLabels, LeftClickRunsTheCommandWhileRedThenTurnsWhite) {
    TUrlText* play = form->PlayButton;
    vcl::TColor colourDuringCommand = 0;
    play->OnClick = [&](vcl::TObject*) { colourDuringCommand = play->Font()->Color(); };

    Move(On(play));
    Press(On(play));
    EXPECT_EQ(play->Font()->Color(), clRed);
    Release(On(play));
    EXPECT_EQ(colourDuringCommand, clRed) << "the mouse-up event follows the command";
    EXPECT_EQ(play->Font()->Color(), clWhite);
    EXPECT_TRUE(Underlined(play)) << "still under the pointer";
    EXPECT_TRUE(links.opened.empty()) << "a command label has no link";

    // The press colour lived in the highlight copy: the leave puts the own font back.
    play->Font()->SetColor(clRed);
    Move(Nowhere);
    EXPECT_EQ(play->Font()->Color(), clWhite);
    EXPECT_FALSE(Underlined(play));
}

TEST_F(LinkLabels, RightAndMiddlePressesColourButRunNothing) {
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        SCOPED_TRACE(button);
        int& runs = CountClicks(form->StopButton);
        Move(On(form->StopButton));
        Press(On(form->StopButton), button);
        EXPECT_EQ(form->StopButton->Font()->Color(), clRed);
        Release(On(form->StopButton), button);
        EXPECT_EQ(form->StopButton->Font()->Color(), clWhite);
        EXPECT_EQ(runs, 0);
        Move(Nowhere);
    }
}

TEST_F(LinkLabels, NoHighlightWhileAButtonIsHeld) {
    TUrlText* play = form->PlayButton;
    TUrlText* stop = form->StopButton;
    int& runs = CountClicks(play);
    Move(On(play));
    Press(On(play));

    Move(Nowhere);
    EXPECT_FALSE(play->Highlighted()) << "dragging off the pressed label is a leave";
    EXPECT_FALSE(Underlined(play));
    Move(On(play));
    EXPECT_FALSE(play->Highlighted()) << "not even the pressed label lights up again";
    EXPECT_FALSE(Underlined(play));

    // An enter that reaches another label while the button is held.
    QEnterEvent enter(QPointF(2, 2), On(stop), form->Widget()->mapToGlobal(On(stop)));
    QCoreApplication::sendEvent(stop->Widget(), &enter);
    EXPECT_FALSE(stop->Highlighted());
    EXPECT_FALSE(Underlined(stop));

    Release(On(play));
    EXPECT_EQ(runs, 1) << "released back on the pressed label: a click";
}

TEST_F(LinkLabels, PressReleasedOutsideRunsNothing) {
    TUrlText* load = form->LoadButton;
    int& runs = CountClicks(load);
    Move(On(load));
    Press(On(load));
    Move(Nowhere);
    Release(Nowhere);
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(load->Font()->Color(), clWhite);
    EXPECT_FALSE(Underlined(load));

    // Released over another label: neither label runs its command.
    int& otherRuns = CountClicks(form->SaveButton);
    Move(On(load));
    Press(On(load));
    Move(On(form->SaveButton));
    Release(On(form->SaveButton));
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(otherRuns, 0);
}

TEST_F(LinkLabels, DisabledLabelKeepsItsHighlight) {
    TUrlText* remove = form->RemoveButton;
    Move(On(remove));
    remove->SetEnabled(false);
    Move(Nowhere);
    EXPECT_TRUE(remove->Highlighted());
    EXPECT_EQ(remove->Font()->Color(), clRed);
    EXPECT_TRUE(Underlined(remove));

    // The next enter saves the highlight font as the label's own, so it stays.
    remove->SetEnabled(true);
    Move(On(remove));
    Move(Nowhere);
    EXPECT_FALSE(remove->Highlighted());
    EXPECT_EQ(remove->Font()->Color(), clRed);
    EXPECT_TRUE(Underlined(remove));
}

// A label on a plain form, made without the main window's layout.
class BareLabel : public ::testing::Test {
protected:
    void SetUp() override {
        form.SetBounds(0, 0, 200, 100);
        label = form.Own<TUrlText>(&form);
        label->SetCaption("link");
        label->OnClick = [this](vcl::TObject*) { openedBeforeClickEvent.push_back(links.opened.size()); };
        form.Show();
        vcl::Application->ProcessMessages();
    }
    void Click() { QTest::mouseClick(label->Widget(), Qt::LeftButton); }

    LinkRecorder links;
    vcl::TForm form;
    TUrlText* label = nullptr;
    std::vector<std::size_t> openedBeforeClickEvent;
};

TEST_F(BareLabel, OpensItsDefaultTarget) {
    EXPECT_EQ(label->Cursor(), vcl::TCursor::crHandPoint);
    Click();
    EXPECT_EQ(links.opened, std::vector<std::string>{"Http://"});
}

TEST_F(BareLabel, OnlyTheExactWordNilMeansNoLink) {
    const struct {
        const char* url;
        std::vector<std::string> opened;
    } cases[] = {
        {"nil", {}},
        {"Nil", {"Nil"}},
        {"NIL", {"NIL"}},
        {"", {""}},
        {" nil", {" nil"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.url);
        links.opened.clear();
        openedBeforeClickEvent.clear();
        label->Url = c.url;
        Click();
        EXPECT_EQ(openedBeforeClickEvent, std::vector<std::size_t>{0}) << "the click event runs first";
        EXPECT_EQ(links.opened, c.opened);
    }
}

TEST_F(BareLabel, ClickEventMayChangeTheTargetOfThisClick) {
    label->OnClick = [this](vcl::TObject*) { label->Url = "https://changed.example/"; };
    Click();
    EXPECT_EQ(links.opened, std::vector<std::string>{"https://changed.example/"});
}

}  // namespace
