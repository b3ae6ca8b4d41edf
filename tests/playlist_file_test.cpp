// Saving the playlist to a text file and loading it back: the bytes written,
// the reading rules, the replacement that never loses the old file, and the
// input/output errors under real failing conditions.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <map>

#include "support/CaseName.h"
#include "support/PlaybackFixture.h"
#include "vcl/InOutError.h"
#include "vcl/TextReader.h"

namespace {

namespace fs = std::filesystem;

class PlaylistFile : public PlaybackFixture {
protected:
    void Save(const std::string& path) {
        dialogs.Choose({path});
        Click(form->SaveButton);
    }
    void Load(const std::string& path) {
        dialogs.Choose({path});
        Click(form->LoadButton);
    }
    // The one box shown: the error's message with its full stop, as the standard error report.
    void ExpectError(const std::string& text) {
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].text, text);
        EXPECT_EQ(boxes.boxes[0].caption, "Quilby MP3 Player");
        EXPECT_EQ(boxes.boxes[0].icon, vcl::TMsgIcon::Stop);
    }
    // The names in the temporary folder: a failed save must leave no new file behind.
    std::vector<std::string> Folder() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir.path())) names.push_back(entry.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }
    static mode_t Mode(const std::string& path) {
        struct stat info;
        stat(path.c_str(), &info);
        return info.st_mode & 07777;
    }
};

TEST_F(PlaylistFile, SavesEveryEntryAsALineAndLoadsThemBackTicked) {
    Fill({"a", "-b", "c"});
    const std::vector<std::string> saved = Texts();
    const std::string list = dir / "list.qpl";
    Save(list);
    EXPECT_EQ(ReadFile(list), saved[0] + "\r\n" + saved[1] + "\r\n" + saved[2] + "\r\n");
    EXPECT_EQ(Texts(), saved);

    form->l1->SetItemIndex(1);
    Load(list);
    EXPECT_EQ(Texts(), saved);
    EXPECT_EQ(Ticks(), (std::vector<bool>{true, true, true}));
    EXPECT_EQ(form->l1->ItemIndex(), -1);
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(Folder(), (std::vector<std::string>{"a", "b", "c", "list.qpl"}));
}

TEST_F(PlaylistFile, AnEmptyPlaylistGivesAnEmptyFileThatLoadsAsEmpty) {
    const std::string list = dir / "empty.qpl";
    Save(list);
    ASSERT_TRUE(fs::exists(list));
    EXPECT_EQ(fs::file_size(list), 0u);

    Fill({"a"});
    Load(list);
    EXPECT_EQ(form->l1->Count(), 0);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(PlaylistFile, CancelledDialogsChangeNothing) {
    Fill({"a", "-b"});
    form->l1->SetItemIndex(1);
    dialogs.Cancel();
    dialogs.Cancel();
    Click(form->SaveButton);
    Click(form->LoadButton);
    EXPECT_EQ(Ticks(), (std::vector<bool>{true, false}));
    EXPECT_EQ(form->l1->ItemIndex(), 1);
    EXPECT_EQ(Folder(), (std::vector<std::string>{"a", "b"}));
}

TEST_F(PlaylistFile, SavingReplacesAnExistingFileAndKeepsItsPermissionBits) {
    const std::string list = dir.Write("list.qpl", "old line\r\n");
    chmod(list.c_str(), 0640);
    Fill({"a"});
    Save(list);
    EXPECT_EQ(ReadFile(list), form->l1->Text(0) + "\r\n");
    EXPECT_EQ(Mode(list), 0640u);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(PlaylistFile, ANewFileGetsTheUsualPermissionBits) {
    const mode_t old = umask(022);
    Save(dir / "new.qpl");
    umask(old);
    EXPECT_EQ(Mode(dir / "new.qpl"), 0644u);
}

TEST_F(PlaylistFile, SavingThroughASymbolicLinkReplacesTheFileItPointsTo) {
    const std::string real = dir.Write("real.qpl", "old\r\n");
    const std::string link = dir / "link.qpl";
    fs::create_symlink(real, link);
    Fill({"a"});
    Save(link);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFile(real), form->l1->Text(0) + "\r\n");
}

struct SaveFailure {
    const char* what;
    const char* path;  // in the temporary folder, which holds the file "a" and the folder "sub"
    const char* message;
};

class SaveFailures : public PlaylistFile, public ::testing::WithParamInterface<SaveFailure> {};

TEST_P(SaveFailures, AreReportedAndCreateNothing) {
    const SaveFailure& c = GetParam();
    Fill({"a"});
    dir.MakeDir("sub");
    Save(dir / c.path);
    ExpectError(c.message);
    EXPECT_EQ(Folder(), (std::vector<std::string>{"a", "sub"}));
    EXPECT_TRUE(fs::is_empty(dir / "sub"));
    EXPECT_EQ(ReadFile(dir / "a"), "x");
}

INSTANTIATE_TEST_SUITE_P(Table, SaveFailures,
                         ::testing::Values(SaveFailure{"missing folder", "gone/list.qpl", "Invalid filename."},
                                           SaveFailure{"a file on the way", "a/list.qpl", "Invalid filename."},
                                           SaveFailure{"a folder in the place", "sub", "I/O error 21."}),
                         [](const auto& info) { return CaseName(info.param.what); });

// Writes beyond the limit fail with EFBIG instead of ending the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        handler_ = signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, old_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        signal(SIGXFSZ, handler_);
    }

private:
    rlimit old_;
    sighandler_t handler_;
};

TEST_F(PlaylistFile, ASaveFailingPartWayLeavesTheOldFileAsItWas) {
    const std::string old = "first\r\nsecond\r\n";
    const std::string list = dir.Write("list.qpl", old);
    for (int i = 0; i < 300; ++i) form->l1->Add(dir / ("song number " + std::to_string(i) + ".mp3"));
    {
        FileSizeLimit limit(4096);
        Save(list);
    }
    ExpectError("I/O error 27.");
    EXPECT_EQ(ReadFile(list), old);
    EXPECT_EQ(Folder(), std::vector<std::string>{"list.qpl"});
}

// Each case's file is read with "{name}" standing for the path of that name in
// the temporary folder, which holds the files a, b, ab, and "c", byte 26, "d",
// and the folder sub.
struct ReadCase {
    const char* what;
    std::string content;
    std::vector<std::string> loaded;  // names
};

class ReadingRules : public PlaylistFile, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ReadingRules, TakeTheLinesNamingExistingFiles) {
    const ReadCase& c = GetParam();
    for (const char* name : {"a", "b", "ab", "c\x1a" "d"}) dir.Write(name);
    dir.MakeDir("sub");
    std::string content = c.content;
    for (std::size_t at; (at = content.find('{')) != std::string::npos;) {
        const std::size_t end = content.find('}', at);
        content.replace(at, end - at + 1, dir / content.substr(at + 1, end - at - 1));
    }
    const std::string list = dir.Write("list.qpl", content);
    Fill({"old"});
    form->l1->SetItemIndex(0);

    Load(list);

    std::vector<std::string> expected;
    for (const std::string& name : c.loaded) expected.push_back(dir / name);
    EXPECT_EQ(Texts(), expected);
    EXPECT_EQ(Ticks(), std::vector<bool>(expected.size(), true));
    EXPECT_EQ(form->l1->ItemIndex(), -1);
    EXPECT_TRUE(boxes.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReadingRules,
    ::testing::Values(
        ReadCase{"CR LF", "{a}\r\n{b}\r\n", {"a", "b"}},
        ReadCase{"LF alone", "{a}\n{b}\n", {"a", "b"}},
        ReadCase{"no final line end", "{a}\r\n{b}", {"a", "b"}},
        ReadCase{"CR ending the file", "{a}\r", {"a"}},
        ReadCase{"stray CR is dropped", "{a}\rb\r\n", {"ab"}},
        ReadCase{"empty, missing and folder lines skipped", "\r\n{a}\r\n\r\n{gone}\r\n{sub}\r\n\n{b}\r\n", {"a", "b"}},
        ReadCase{"blanks are kept", "{a} \r\n {b}\r\n", {}},
        ReadCase{"same path twice", "{a}\r\n{a}\r\n", {"a", "a"}},
        ReadCase{"byte 26 at a line start ends the file", "{a}\r\n\x1a{b}\r\n{b}\r\n", {"a"}},
        ReadCase{"byte 26 as the first byte", "\x1a{a}\r\n", {}},
        ReadCase{"byte 26 inside a line is ordinary", "{c}\x1a" "d\r\n{a}\r\n", {"c\x1a" "d", "a"}},
        ReadCase{"empty file", "", {}}),
    [](const auto& info) { return CaseName(info.param.what); });

TEST_F(PlaylistFile, LongLinesAreReadWhole) {
    // A path of some 4,000 bytes that names a file, and a line of 10,000 bytes that names none.
    std::string longPath = dir.path();
    while (longPath.size() < 4000) longPath += "/.";
    longPath += "/a";
    dir.Write("a");
    const std::string list = dir.Write("list.qpl", longPath + "\r\n" + std::string(10000, 'x') + "\r\n" + dir / "a");
    Load(list);
    EXPECT_EQ(Texts(), (std::vector<std::string>{longPath, dir / "a"}));
}

// Lines, a line end and a byte 26 that meet the edges of the blocks the file is read in.
TEST_F(PlaylistFile, BlockEdgesSplitNothing) {
    constexpr std::size_t block = vcl::TTextReader::BlockSize;
    const std::string a = dir.Write("a"), b = dir.Write("b");
    std::string content = std::string(block - 1, 'x') + "\r\n";  // CR ends the first block, LF starts the second
    content += a + "\r\n";
    content += std::string(2 * block - 3 - content.size() - 2, 'y') + "\r\n";
    content += b + "\r\n";  // stands across the second edge
    content += std::string(3 * block - content.size() - 2, 'z') + "\r\n";
    ASSERT_EQ(content.size(), 3 * block);
    content += "\x1a" + a + "\r\n";  // the third block starts with byte 26
    Load(dir.Write("list.qpl", content));
    EXPECT_EQ(Texts(), (std::vector<std::string>{a, b}));
}

TEST_F(PlaylistFile, ARelativePathIsTestedAgainstTheCurrentFolderAndKeptAsWritten) {
    dir.Write("song.mp3");
    const std::string list = dir.Write("list.qpl", "song.mp3\r\n");
    const fs::path before = fs::current_path();
    fs::current_path(dir.path());
    Load(list);
    fs::current_path(before);
    EXPECT_EQ(Texts(), std::vector<std::string>{"song.mp3"});
}

struct LoadFailure {
    const char* what;
    std::string path;  // in the temporary folder, which holds the folder sub
    const char* message;
};

class LoadFailures : public PlaylistFile, public ::testing::WithParamInterface<LoadFailure> {};

TEST_P(LoadFailures, LeaveThePlaylistEmpty) {
    const LoadFailure& c = GetParam();
    dir.MakeDir("sub");
    Fill({"a", "b"});
    Load(dir / c.path);
    ExpectError(c.message);
    EXPECT_EQ(form->l1->Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LoadFailures,
    ::testing::Values(LoadFailure{"missing file", "gone.qpl", "File not found."},
                      LoadFailure{"missing folder", "gone/list.qpl", "Invalid filename."},
                      LoadFailure{"name too long", std::string(300, 'n') + ".qpl", "Invalid filename."},
                      LoadFailure{"a folder", "sub", "I/O error 21."}),
    [](const auto& info) { return CaseName(info.param.what); });

TEST_F(PlaylistFile, RunningOutOfFileHandlesIsReported) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "the sanitizers' own checks need free file handles";
#endif
    const std::string list = dir.Write("list.qpl", dir.Write("a") + "\r\n");
    rlimit old;
    getrlimit(RLIMIT_NOFILE, &old);
    const int lowest = open("/dev/null", O_RDONLY);
    close(lowest);
    const rlimit limit{rlim_t(lowest), old.rlim_max};
    setrlimit(RLIMIT_NOFILE, &limit);
    Load(list);
    setrlimit(RLIMIT_NOFILE, &old);
    ExpectError("Too many open files.");
}

// Codes that no test here can bring about for real, by their errno.
TEST(InOutError, IsWordedByTheCodeOfTheFailure) {
    const std::map<int, std::pair<int, std::string>> cases = {
        {EACCES, {5, "File access denied"}}, {EPERM, {5, "File access denied"}},
        {EROFS, {5, "File access denied"}},  {ENFILE, {4, "Too many open files"}},
        {EIO, {5, "I/O error 5"}},           {ENOSPC, {28, "I/O error 28"}},
    };
    for (const auto& [error, expected] : cases) {
        const vcl::EInOutError e(error, "/tmp/list.qpl");
        EXPECT_EQ(e.ErrorCode, expected.first) << error;
        EXPECT_EQ(e.what(), expected.second) << error;
    }
}

}  // namespace
