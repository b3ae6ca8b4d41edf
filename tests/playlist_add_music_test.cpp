// "Get Music...": the picked files with a music extension, letter case aside,
// are appended ticked in the dialog's order; the rest are skipped silently.

#include <gtest/gtest.h>

#include "playlist/AddMusic.h"
#include "support/CaseName.h"
#include "support/PlaybackFixture.h"

namespace {

class AddMusic : public PlaybackFixture {};

struct PickCase {
    const char* what;
    std::string path;
    bool added;
};

class PickedFile : public PlaybackFixture, public ::testing::WithParamInterface<PickCase> {};

TEST_P(PickedFile, IsAddedOnlyWithAMusicExtension) {
    const PickCase& c = GetParam();
    dialogs.Choose({c.path});
    Click(form->OpenButton);
    EXPECT_EQ(Texts(), c.added ? std::vector<std::string>{c.path} : std::vector<std::string>{});
    EXPECT_TRUE(boxes.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, PickedFile,
    ::testing::Values(PickCase{"lower", "/m/a.mp3", true}, PickCase{"mixed", "/m/b.Mp3", true},
                      PickCase{"upper", "/m/c.MP3", true}, PickCase{"wav", "/m/d.wav", true},
                      PickCase{"mid", "/m/e.mid", true}, PickCase{"rmi", "/m/f.Rmi", true},
                      PickCase{"last dot counts", "/m/song.txt.mp3", true},
                      PickCase{"music then text", "/m/song.mp3.txt", false},
                      PickCase{"no extension", "/m/song", false},
                      PickCase{"dot only in a folder", "/m/my.music/song", false},
                      PickCase{"midi", "/m/song.midi", false}, PickCase{"mpeg", "/m/song.mpeg", false},
                      PickCase{"mp2", "/m/song.mp2", false}, PickCase{"wma", "/m/song.wma", false},
                      PickCase{"trailing dot", "/m/song.", false},
                      PickCase{"name is the extension", "/m/.mp3", true},
                      PickCase{"blank after the extension", "/m/song.mp3 ", false}),
    [](const auto& info) { return CaseName(info.param.what); });

TEST_F(AddMusic, AppendsTheMusicFilesTickedAfterTheExistingEntries) {
    Fill({"-old1", "old2"});
    dialogs.Choose({"/m/one.mp3", "/m/notes.txt", "/m/two.WAV", "/m/cover.jpg"});
    Click(form->OpenButton);
    const std::vector<std::string> texts = Texts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[2], "/m/one.mp3");
    EXPECT_EQ(texts[3], "/m/two.WAV");
    EXPECT_EQ(Ticks(), (std::vector<bool>{false, true, true, true}));
    EXPECT_EQ(form->l1->ItemIndex(), -1);
}

TEST_F(AddMusic, NothingChangesWhenNothingFitsOrTheDialogIsCancelled) {
    Fill({"-a", "b"});
    form->l1->SetItemIndex(1);
    dialogs.Choose({"/m/notes.txt", "/m/cover.jpg"});
    dialogs.Cancel();
    Click(form->OpenButton);
    Click(form->OpenButton);
    EXPECT_EQ(form->l1->Count(), 2);
    EXPECT_EQ(Ticks(), (std::vector<bool>{false, true}));
    EXPECT_EQ(form->l1->ItemIndex(), 1);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(AddMusic, PickingTheSameFileAgainAddsItAgain) {
    dialogs.Choose({"/m/a.mp3"});
    dialogs.Choose({"/m/a.mp3"});
    Click(form->OpenButton);
    Click(form->OpenButton);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"/m/a.mp3", "/m/a.mp3"}));
}

TEST_F(AddMusic, TheDialogKeepsTheFirstChosenFileAndTheFilterOfTheLastConfirmedUse) {
    dialogs.Choose({"/m/one.wav", "/m/two.wav"}, 2);
    dialogs.Cancel();
    for (int use = 0; use < 3; ++use) Click(form->OpenButton);
    ASSERT_EQ(dialogs.requests.size(), 3u);
    EXPECT_EQ(dialogs.requests[0].fileName, "*.mp3");
    EXPECT_EQ(dialogs.requests[0].filterIndex, 1);
    for (int use : {1, 2}) {
        EXPECT_EQ(dialogs.requests[use].fileName, "/m/one.wav") << use;
        EXPECT_EQ(dialogs.requests[use].filterIndex, 2) << use;
    }
}

// The caller upper-cases; the table itself is compared exactly.
TEST(IsMusicFile, ComparesExactlyWithTheUpperCaseTable) {
    for (const char* yes : {".MID", ".WAV", ".RMI", ".MP3"}) EXPECT_TRUE(IsMusicFile(yes)) << yes;
    for (const char* no : {".mp3", "MP3", ".MP3.", "", ".MP"}) EXPECT_FALSE(IsMusicFile(no)) << no;
}

}  // namespace
