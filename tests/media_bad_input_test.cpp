// Files that cannot be played: a clear error at Open, or a clean stop where the damage
// begins; never a crash or a hang.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <thread>

#include "media/MediaPlayer.h"
#include "support/Fixtures.h"
#include "support/TempDir.h"

using media::EMCIDeviceError;
using media::TMediaPlayer;
using media::TMPModes;
using namespace std::chrono_literals;

namespace {

std::string OpenError(TMediaPlayer& player, const std::string& path) {
    player.FileName = path;
    try {
        player.Open();
    } catch (const EMCIDeviceError& e) {
        return e.what();
    }
    return "(opened)";
}

// The first `keep` bytes of the file at `path` (all but the last -keep when negative), then
// `tail` in place of the rest.
std::string Damaged(const TempDir& dir, const std::string& name, const std::string& path, long keep,
                    const std::string& tail = "") {
    const std::string whole = ReadFile(path);
    return dir.Write(name, whole.substr(0, std::size_t(keep >= 0 ? keep : long(whole.size()) + keep)) + tail);
}

class BadInput : public ::testing::Test {
protected:
    TempDir dir;
    TMediaPlayer player;
};

TEST_F(BadInput, OpenRefusesWithAClearText) {
    const std::string wav = fixtures::WriteWav(dir / "good.wav", 200);
    const std::string midi = fixtures::MidiTone(200);
    ASSERT_EQ(mkfifo((dir / "pipe.wav").c_str(), 0600), 0);
    std::filesystem::create_symlink(dir / "loop.mp3", dir / "loop.mp3");
    struct Case {
        std::string path;
        std::string text;
    };
    const Case cases[] = {
        {"", "No file name was given"},
        {dir / "missing.mp3", "the file does not exist"},
        {dir.MakeDir("folder.mp3"), "it is a folder"},
        {dir / "pipe.wav", "it is not a regular file"},
        {dir / "loop.mp3", "Too many levels of symbolic links"},
        {dir.Write("words.mp3", "These are words, not music.\n"), "not in a sound format that can be played"},
        {dir.Write("empty.wav", ""), "not in a sound format that can be played"},
        {Damaged(dir, "header.wav", wav, 30), "not in a sound format that can be played"},
        {dir.Write("notes.txt", midi), "files of the type \".txt\" cannot be played"},
        {dir.Write("noextension", midi), "a file without an extension cannot be played"},
        {dir.Write("words.mid", "MTrk and more words"), "not a Standard MIDI File"},
        {Damaged(dir, "cut.mid", dir.Write("whole.mid", midi), -5), "runs past the end of the file"},
        {dir.Write("nodata.rmi", fixtures::RiffMidi(midi).substr(0, 38)), "no \"data\" chunk"},
    };
    for (const Case& c : cases) {
        const std::string error = OpenError(player, c.path);
        EXPECT_NE(error.find(c.text), std::string::npos) << c.path << ": " << error;
        EXPECT_NE(error.find(c.path), std::string::npos) << "the error names the file: " << error;
        EXPECT_FALSE(player.IsOpen());
    }
}

TEST_F(BadInput, UnreadableFileIsRefused) {
    if (geteuid() == 0) GTEST_SKIP() << "root reads any file";
    const std::string path = fixtures::WriteWav(dir / "locked.wav", 200);
    chmod(path.c_str(), 0);
    EXPECT_NE(OpenError(player, path).find("Permission denied"), std::string::npos);
}

TEST_F(BadInput, DamageInTheSoundEndsPlayingCleanlyAtTheEnd) {
    const std::string wav = fixtures::WriteWav(dir / "good.wav", 400);
    const std::string mp3 = fixtures::WriteMp3(dir / "good.mp3", 400);
    const std::string garbage(4000, '\x5A');
    const std::string files[] = {
        Damaged(dir, "cut.wav", wav, 20000),  // the header still promises the whole sound
        Damaged(dir, "cut.mp3", mp3, 3000),
        Damaged(dir, "garbage.mp3", mp3, 2000, garbage),
    };
    for (const std::string& file : files) {
        ASSERT_EQ(OpenError(player, file), "(opened)") << file;
        player.Play();
        const auto limit = std::chrono::steady_clock::now() + 5s;
        while (player.Mode() == TMPModes::mpPlaying && std::chrono::steady_clock::now() < limit) {
            std::this_thread::sleep_for(5ms);
        }
        EXPECT_EQ(player.Mode(), TMPModes::mpStopped) << file;
        EXPECT_EQ(player.Position(), player.Length()) << file;
        player.Close();
    }
}

TEST_F(BadInput, MissingSoundFontIsReportedAndAFoundOneServesAgain) {
    const std::string midi = dir.Write("tune.mid", fixtures::MidiTone(200));
    setenv("QUILBY_SOUNDFONT", (dir / "missing.sf2").c_str(), 1);
    const std::string error = OpenError(player, midi);
    unsetenv("QUILBY_SOUNDFONT");
    EXPECT_NE(error.find("the sound font \"" + dir / "missing.sf2" + "\" cannot be loaded"), std::string::npos)
        << error;
    EXPECT_FALSE(player.IsOpen());
    EXPECT_EQ(OpenError(player, midi), "(opened)");
}

}  // namespace
