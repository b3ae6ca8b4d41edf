// With no audio output, opening a file fails with a clear text and the program goes on; once
// an output is there, files open again. Its own program: the audio subsystem starts once.
#include <gtest/gtest.h>

#include <cstdlib>

#include "media/MediaPlayer.h"
#include "support/Fixtures.h"
#include "support/TempDir.h"

TEST(NoAudioOutput, OpenFailsClearlyUntilAnOutputIsThere) {
    TempDir dir;
    media::TMediaPlayer player;
    player.FileName = fixtures::WriteWav(dir / "a.wav", 200);
    setenv("SDL_AUDIODRIVER", "no-such-output", 1);
    try {
        player.Open();
        ADD_FAILURE() << "opened without an output";
    } catch (const media::EMCIDeviceError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("No audio output is available", 0), 0u) << e.what();
    }
    EXPECT_FALSE(player.IsOpen());

    setenv("SDL_AUDIODRIVER", "dummy", 1);
    player.Open();
    EXPECT_EQ(player.Length(), 200);
}
