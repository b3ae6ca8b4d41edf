// The playback monitor: the progress bar follows the track, the end of a track
// moves on to the next playable entry, and the Pause command blinks while paused.

#include <gtest/gtest.h>

#include <cstdio>

#include "support/PlaybackFixture.h"

namespace {

class Monitor : public PlaybackFixture {
protected:
    void Play(const std::vector<std::string>& entries, int index) {
        Fill(entries);
        form->l1->SetItemIndex(index);
        Click(form->PlayButton);
        ASSERT_TRUE(form->play1->IsOpen());
    }
    void Tick() { form->Timer1->Tick(); }
};

TEST_F(Monitor, ProgressFollowsThePositionUntilTheEnd) {
    Play({"a.mp3", "b.mp3"}, 0);
    media.device->SetPosition(1500);
    Tick();
    EXPECT_EQ(form->Progress->Position(), 1500);
    EXPECT_EQ(form->Progress->Max(), 60000);
    media.device->SetPosition(59999);  // one short of the end is not the end
    Tick();
    EXPECT_EQ(form->Progress->Position(), 59999);
    EXPECT_EQ(media.opened.size(), 1u);
}

TEST_F(Monitor, EndOfTrackStartsTheNextPlayableEntry) {
    Play({"a.mp3", "-b.mp3", "missing:c.mp3", "d.mp3"}, 0);
    media.device->End();
    Tick();
    ExpectPlaying(3, "d.mp3");
    EXPECT_EQ(Ticks(), (std::vector<bool>{true, false, false, true}));
    media.device->End();
    Tick();  // wraps around
    ExpectPlaying(0, "a.mp3");
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Monitor, TrackOfLengthZeroEndsAtTheFirstTick) {
    media.SetLength(dir / "a.mp3", 0);
    Play({"a.mp3", "b.mp3"}, 0);
    EXPECT_EQ(form->Progress->Max(), 0);
    Tick();
    ExpectPlaying(1, "b.mp3");
}

TEST_F(Monitor, SinglePlayableEntryRepeats) {
    Play({"-a.mp3", "b.mp3", "missing:c.mp3"}, 1);
    media.device->End();
    Tick();
    ExpectPlaying(1, "b.mp3");
    EXPECT_EQ(media.opened, (std::vector<std::string>{dir / "b.mp3", dir / "b.mp3"}));
}

TEST_F(Monitor, EntryAfterTheOneTheUserSelectedPlaysNext) {
    Play({"a.mp3", "b.mp3", "c.mp3", "d.mp3"}, 0);
    form->l1->SetItemIndex(2);
    media.device->End();
    Tick();
    ExpectPlaying(3, "d.mp3");
}

TEST_F(Monitor, EmptiedPlaylistReturnsToIdleWithoutAskingThePlayer) {
    Play({"a.mp3"}, 0);
    form->l1->Clear();
    // Even with the file already closed, the tick asks the player nothing.
    form->play1->Close();
    Tick();
    ExpectIdle();
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Monitor, NothingPlayableLeftAtTheEndReturnsToIdle) {
    Play({"a.mp3", "b.mp3"}, 0);
    for (const std::string& path : Texts()) std::remove(path.c_str());
    media.device->End();
    Tick();
    ExpectIdle();
    EXPECT_EQ(media.opened.size(), 1u);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Monitor, PausedTrackStandsStillAndIsNotAdvanced) {
    Play({"a.mp3", "b.mp3"}, 0);
    media.device->SetPosition(700);
    Click(form->PauseButton);
    for (int i = 0; i < 3; ++i) Tick();
    EXPECT_EQ(form->Progress->Position(), 700);
    EXPECT_EQ(form->Caption(), "Quilby MP3 Player: Paused:  a.mp3");
    EXPECT_EQ(media.opened.size(), 1u);
}

TEST_F(Monitor, TrackPausedAtItsEndAdvancesAndClearsThePause) {
    Play({"a.mp3", "b.mp3"}, 0);
    Click(form->PauseButton);
    form->t2->Tick();
    media.device->End();
    Tick();
    ExpectPlaying(1, "b.mp3");
    EXPECT_EQ(form->PauseButton->Font()->Color(), vcl::clWhite);
}

TEST_F(Monitor, NextFileFailingToOpenEndsPlaybackWithOneReport) {
    Play({"a.mp3", "b.mp3", "c.mp3"}, 0);
    media.Fail(dir / "b.mp3", "The file cannot be opened");
    media.device->End();
    Tick();
    ExpectIdle();
    EXPECT_EQ(form->l1->ItemIndex(), 1);
    EXPECT_EQ(form->play1->FileName, dir / "b.mp3");
    EXPECT_FALSE(form->RemoveButton->Enabled());
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "The file cannot be opened.");
    EXPECT_EQ(boxes.boxes[0].icon, vcl::TMsgIcon::Stop);
    EXPECT_EQ(media.opened, std::vector<std::string>{dir / "a.mp3"});
}

TEST_F(Monitor, BlinkAlternatesWhiteAndRedAndTurnsAnyOtherColourWhite) {
    struct Step {
        vcl::TColor before, after;
    };
    const Step steps[] = {
        {vcl::clWhite, vcl::clRed}, {vcl::clRed, vcl::clWhite},     {vcl::clLime, vcl::clWhite},
        {vcl::clBlack, vcl::clWhite}, {vcl::RGB(255, 255, 254), vcl::clWhite},
    };
    for (const Step& step : steps) {
        form->PauseButton->Font()->SetColor(step.before);
        form->t2->Tick();
        EXPECT_EQ(form->PauseButton->Font()->Color(), step.after) << std::hex << step.before;
    }
}

}  // namespace
