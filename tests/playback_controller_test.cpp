// The playback commands: which entry Play starts, Pause and Continue, Stop, the
// Skips in each state, and what a file that cannot be opened leaves behind.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "support/CaseName.h"
#include "support/PlaybackFixture.h"
#include "vcl/Application.h"

using media::TMPModes;

namespace {

class Controller : public PlaybackFixture {
protected:
    int Opens() const {
        return int(std::count_if(media.calls.begin(), media.calls.end(),
                                 [](const std::string& call) { return call.rfind("open ", 0) == 0; }));
    }
    void PlayEntry(int index) {
        form->l1->SetItemIndex(index);
        Click(form->PlayButton);
    }
};

struct StartCase {
    const char* what;
    std::vector<std::string> entries;  // see FormFixture::Fill
    int current;
    int started;  // -1: nothing starts
    const char* title;
    std::vector<bool> ticksAfter;
};

class PlayStarts : public Controller, public ::testing::WithParamInterface<StartCase> {};

TEST_P(PlayStarts, TheEntryFromTheCursor) {
    const StartCase& c = GetParam();
    Fill(c.entries);
    form->l1->SetItemIndex(c.current);
    Click(form->PlayButton);
    if (c.started < 0) {
        ExpectIdle();
        EXPECT_EQ(Opens(), 0);
        EXPECT_EQ(form->l1->ItemIndex(), c.current);
    } else {
        ExpectPlaying(c.started, c.title);
    }
    EXPECT_EQ(Ticks(), c.ticksAfter);
    EXPECT_TRUE(boxes.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, PlayStarts,
    ::testing::Values(
        StartCase{"ticked current", {"a.mp3", "b.mp3", "c.mp3"}, 1, 1, "b.mp3", {true, true, true}},
        StartCase{"no current: the last", {"a.mp3", "b.mp3", "c.mp3"}, -1, 2, "c.mp3", {true, true, true}},
        StartCase{"no current, last unticked: first ticked from the top",
                  {"missing:a.mp3", "-b.mp3", "c.mp3", "-d.mp3"}, -1, 2, "c.mp3", {false, false, true, false}},
        StartCase{"unticked current: next ticked", {"a.mp3", "-b.mp3", "-c.mp3", "d.wav"}, 1, 3, "d.wav",
                  {true, false, false, true}},
        StartCase{"unticked current: wraps past the end", {"a.mp3", "b.mp3", "-c.mp3"}, 2, 0, "a.mp3",
                  {true, true, false}},
        StartCase{"missing on the way unticked", {"-a.mp3", "missing:b.mp3", "c.mid"}, 0, 2, "c.mid",
                  {false, false, true}},
        StartCase{"only the text after the last slash", {"C:\\My Music\\x.rmi"}, 0, 0, "C:\\My Music\\x.rmi",
                  {true}},
        StartCase{"nothing playable", {"-a.mp3", "missing:b.mp3"}, 0, -1, "", {false, false}},
        StartCase{"empty playlist", {}, -1, -1, "", {}}),
    [](const auto& info) { return CaseName(info.param.what); });

TEST_F(Controller, AnIndexOutOfRangeStartsAtAnEnd) {
    Fill({"a.mp3", "b.mp3", "c.mp3"});
    form->playtune(3);
    ExpectPlaying(0, "a.mp3");
    form->playtune(-1);
    ExpectPlaying(2, "c.mp3");
}

TEST_F(Controller, PlayWhilePlayingRestartsTheCurrentEntry) {
    Fill({"a.mp3", "b.mp3"});
    PlayEntry(0);
    media.device->SetPosition(1234);
    Click(form->PlayButton);
    ExpectPlaying(0, "a.mp3");
    EXPECT_EQ(Opens(), 2);

    // The user has highlighted another entry meanwhile: that one starts.
    form->l1->SetItemIndex(1);
    Click(form->PlayButton);
    ExpectPlaying(1, "b.mp3");
    EXPECT_EQ(media.opened, (std::vector<std::string>{dir / "a.mp3", dir / "a.mp3", dir / "b.mp3"}));
}

TEST_F(Controller, PlayWhilePausedClearsThePauseAndRestarts) {
    Fill({"a.mp3", "b.mp3"});
    PlayEntry(0);
    Click(form->PauseButton);
    form->t2->Tick();  // the caption blinks red
    ASSERT_EQ(form->PauseButton->Font()->Color(), vcl::clRed);
    form->l1->SetItemIndex(1);
    Click(form->PlayButton);
    ExpectPlaying(1, "b.mp3");
    EXPECT_EQ(form->PauseButton->Font()->Color(), vcl::clWhite);
}

TEST_F(Controller, PauseWhileIdleChangesNothing) {
    Fill({"a.mp3"});
    Click(form->PauseButton);
    ExpectIdle();
    // Also after a start that failed, when the player still holds a file name.
    media.Fail(dir / "a.mp3", "Cannot open");
    PlayEntry(0);
    boxes.boxes.clear();
    Click(form->PauseButton);
    ExpectIdle();
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Controller, PauseTwiceReturnsToTheSameTrack) {
    Fill({"x.mp3", "a b.mp3"});
    PlayEntry(1);
    media.device->SetPosition(800);

    Click(form->PauseButton);
    EXPECT_EQ(form->Caption(), "Quilby MP3 Player: Paused:  a b.mp3");
    EXPECT_TRUE(IsPaused);
    EXPECT_TRUE(form->t2->Enabled());
    EXPECT_TRUE(form->Timer1->Enabled());
    EXPECT_EQ(form->PauseButton->Caption(), "Continue");
    EXPECT_EQ(media.device->mode(), TMPModes::mpPaused);

    form->t2->Tick();
    Click(form->PauseButton);
    EXPECT_EQ(form->Caption(), "Quilby MP3 Player: Playing:  a b.mp3");
    EXPECT_FALSE(IsPaused);
    EXPECT_FALSE(form->t2->Enabled());
    EXPECT_EQ(form->PauseButton->Caption(), "Pause");
    EXPECT_EQ(form->PauseButton->Font()->Color(), vcl::clWhite);
    EXPECT_EQ(media.device->mode(), TMPModes::mpPlaying);
    EXPECT_EQ(media.device->positionMs(), 800);
    EXPECT_EQ(Opens(), 1);
}

TEST_F(Controller, PauseOnADeviceAtItsEndSwitchesTheWindowOnly) {
    Fill({"a.mp3", "b.mp3"});
    PlayEntry(0);
    media.device->End();
    media.calls.clear();
    Click(form->PauseButton);
    EXPECT_EQ(form->Caption(), "Quilby MP3 Player: Paused:  a.mp3");
    EXPECT_TRUE(IsPaused);
    EXPECT_TRUE(form->t2->Enabled());
    EXPECT_EQ(form->PauseButton->Caption(), "Continue");
    EXPECT_EQ(media.device->mode(), TMPModes::mpStopped);
    EXPECT_TRUE(media.calls.empty());
}

TEST_F(Controller, StopReturnsToIdleAndOffersRemoveAgain) {
    Fill({"a.mp3", "b.mp3"});
    PlayEntry(0);
    ASSERT_FALSE(form->RemoveButton->Enabled());
    Click(form->PauseButton);
    Click(form->StopButton);
    ExpectIdle();
    EXPECT_TRUE(form->RemoveButton->Enabled());
    EXPECT_TRUE(form->play1->FileName.empty());
    EXPECT_EQ(form->l1->ItemIndex(), 0);
    Click(form->StopButton);  // while idle
    ExpectIdle();
    EXPECT_TRUE(boxes.boxes.empty());
}

struct SkipCase {
    const char* what;
    bool next;
    int current;
    int movedTo;
};

class Skip : public Controller, public ::testing::WithParamInterface<SkipCase> {
protected:
    void SkipOnce() { Click(GetParam().next ? form->SkipNextButton : form->SkipPreviousButton); }
    void SetUp() override {
        Controller::SetUp();
        Fill({"a.mp3", "-b.mp3", "c.mp3", "d.mp3"});
    }
};

TEST_P(Skip, WhileIdleMovesTheCursorOnly) {
    form->l1->SetItemIndex(GetParam().current);
    SkipOnce();
    EXPECT_EQ(form->l1->ItemIndex(), GetParam().movedTo);
    ExpectIdle();
    EXPECT_EQ(Opens(), 0);
}

TEST_P(Skip, WhilePausedMovesTheCursorAndTheTrackStaysPaused) {
    const SkipCase& c = GetParam();
    PlayEntry(c.current);
    Click(form->PauseButton);
    SkipOnce();
    EXPECT_EQ(form->l1->ItemIndex(), c.movedTo);
    const std::string paused = form->l1->Text(c.current).substr(dir.path().size() + 1);
    EXPECT_EQ(form->Caption(), "Quilby MP3 Player: Paused:  " + paused);
    EXPECT_EQ(media.device->mode(), TMPModes::mpPaused);
    // Continue resumes the paused track, not the entry that the Skip made current.
    Click(form->PauseButton);
    EXPECT_EQ(media.device->path(), form->l1->Text(c.current));
    EXPECT_EQ(media.device->mode(), TMPModes::mpPlaying);
    EXPECT_EQ(Opens(), 1);
}

TEST_P(Skip, WhilePlayingStartsTheEntryItMovesTo) {
    const SkipCase& c = GetParam();
    PlayEntry(c.current);
    SkipOnce();
    const std::string name = form->l1->Text(c.movedTo).substr(dir.path().size() + 1);
    ExpectPlaying(c.movedTo, name);
}

TEST_P(Skip, WhilePlayingAnEmptiedPlaylistReturnsToIdle) {
    PlayEntry(GetParam().current);
    form->l1->Clear();
    SkipOnce();
    ExpectIdle();
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_P(Skip, WhilePlayingWithNothingPlayableLeftReturnsToIdle) {
    PlayEntry(GetParam().current);
    for (const std::string& path : Texts()) std::remove(path.c_str());
    SkipOnce();
    ExpectIdle();
    EXPECT_EQ(Opens(), 1);
    EXPECT_TRUE(boxes.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Table, Skip,
                         ::testing::Values(SkipCase{"next", true, 0, 2}, SkipCase{"nextWraps", true, 3, 0},
                                           SkipCase{"previous", false, 2, 0},
                                           SkipCase{"previousWraps", false, 0, 3}),
                         [](const auto& info) { return CaseName(info.param.what); });

TEST_F(Controller, FailedOpenLeavesTheWindowIdleOnTheFailedEntry) {
    Fill({"a.mp3", "b.mp3", "c.mp3"});
    media.Fail(dir / "b.mp3", "The specified file cannot be played on the specified MCI device");
    PlayEntry(1);
    ExpectIdle();
    EXPECT_EQ(form->l1->ItemIndex(), 1);
    EXPECT_EQ(form->play1->FileName, dir / "b.mp3");
    EXPECT_TRUE(form->RemoveButton->Enabled());  // as it was before
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "The specified file cannot be played on the specified MCI device.");
    EXPECT_EQ(boxes.boxes[0].caption, "Quilby MP3 Player");
    EXPECT_EQ(boxes.boxes[0].icon, vcl::TMsgIcon::Stop);
    EXPECT_EQ(Opens(), 1);
}

TEST_F(Controller, FailedOpenWhilePlayingLeavesRemoveUnavailable) {
    Fill({"a.mp3", "b.mp3"});
    media.Fail(dir / "b.mp3", "Cannot open.");
    PlayEntry(0);
    Click(form->SkipNextButton);
    ExpectIdle();
    EXPECT_EQ(form->l1->ItemIndex(), 1);
    EXPECT_FALSE(form->RemoveButton->Enabled());
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Cannot open.");
}

}  // namespace
