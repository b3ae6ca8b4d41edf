#pragma once
// A main window whose player opens devices that the test drives (FakeMedia),
// with helpers that click the command labels and read the playback state back.

#include <string>

#include "support/FakeMedia.h"
#include "support/FormFixture.h"

class PlaybackFixture : public FormFixture {
protected:
    void SetUp() override;
    // A click on a command label, run through the application as a real click is,
    // so that what escapes it becomes the standard error report.
    void Click(TUrlText* label);
    // Idle: idle title, both timers off, progress maximum 0, not paused, the Pause
    // command reading "Pause" in white, no device open.
    void ExpectIdle();
    // Playing entry `index` from its start; `name` is the file name that the title shows.
    void ExpectPlaying(int index, const std::string& name);

    FakeMedia media;
};
