// Where copies of the program meet: the folder that is used or refused, its
// mode, and the socket that the running copy leaves behind at its end.

#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>

#include "app/InstanceManager.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

// Sets an environment variable for the lifetime of the object.
class EnvVar {
public:
    EnvVar(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
    ~EnvVar() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

bool StartFirst() {
    char name[] = "QuilbyMP3Player";
    char* argv[] = {name, nullptr};
    const bool runs = InstanceManager::Startup(1, argv);
    InstanceManager::Listen();
    return runs;
}

mode_t Mode(const std::string& path) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0 ? st.st_mode : 0;
}

enum class Before {
    Nothing,
    OursOpenToAll,
    OwnedByNobody,
    SymlinkToOurs,
    AFile,
};

struct FolderCase {
    const char* name;
    std::optional<std::string> runtimeDir;  // "@" stands for the test's folder
    Before before;                          // what stands at the folder's place first
    std::optional<std::string> used;        // the folder used, or none
};

void PrintTo(const FolderCase& c, std::ostream* os) { *os << c.name; }

const std::string kOwnName = "quilby-mp3-player-" + std::to_string(geteuid());

class Folders : public ::testing::TestWithParam<FolderCase> {
protected:
    std::string Expand(std::string text) const {
        if (text.rfind('@', 0) == 0) text.replace(0, 1, dir.path());
        return text;
    }
    TempDir dir;
};

TEST_P(Folders, AreUsedOnlyWhenTheyAreTheUsersOwn) {
    const FolderCase& c = GetParam();
    const std::string place = dir / kOwnName;
    const std::string elsewhere = dir.MakeDir("elsewhere");
    switch (c.before) {
        case Before::Nothing:
            break;
        case Before::OursOpenToAll:
            ASSERT_EQ(mkdir(place.c_str(), 0777), 0);
            ASSERT_EQ(chmod(place.c_str(), 0777), 0);
            break;
        case Before::OwnedByNobody: {
            if (geteuid() != 0) GTEST_SKIP() << "needs root to give a folder away";
            const passwd* nobody = getpwnam("nobody");
            ASSERT_NE(nobody, nullptr);
            ASSERT_EQ(mkdir(place.c_str(), 0777), 0);
            ASSERT_EQ(chown(place.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
            break;
        }
        case Before::SymlinkToOurs:
            ASSERT_EQ(symlink(elsewhere.c_str(), place.c_str()), 0);
            break;
        case Before::AFile:
            dir.Write(kOwnName);
            break;
    }
    EnvVar runtime("XDG_RUNTIME_DIR", c.runtimeDir ? std::optional(Expand(*c.runtimeDir)) : std::nullopt);
    EnvVar temporary("TMPDIR", dir.path());
    if (c.runtimeDir && c.runtimeDir->front() == '@') fs::create_directories(Expand(*c.runtimeDir));

    EXPECT_TRUE(StartFirst());

    if (c.used) {
        const std::string folder = Expand(*c.used);
        EXPECT_EQ(Mode(folder), S_IFDIR | 0700);
        EXPECT_EQ(Mode(folder + "/socket"), S_IFSOCK | 0600);
    } else {
        EXPECT_FALSE(fs::exists(place + "/socket"));
        EXPECT_FALSE(fs::exists(elsewhere + "/socket"));
    }
    InstanceManager::Finish();
}

INSTANTIATE_TEST_SUITE_P(
    Table, Folders,
    ::testing::Values(
        FolderCase{"RuntimeFolder", "@/run", Before::Nothing, "@/run/quilby-mp3-player"},
        FolderCase{"NoRuntimeFolder", std::nullopt, Before::Nothing, "@/" + kOwnName},
        FolderCase{"RelativeRuntimeFolder", "run", Before::Nothing, "@/" + kOwnName},
        FolderCase{"OursButOpenToAll", std::nullopt, Before::OursOpenToAll, "@/" + kOwnName},
        FolderCase{"OwnedByAnotherUser", std::nullopt, Before::OwnedByNobody, std::nullopt},
        FolderCase{"SymlinkInItsPlace", std::nullopt, Before::SymlinkToOurs, std::nullopt},
        FolderCase{"FileInItsPlace", std::nullopt, Before::AFile, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FolderEnd, RemovesItsOwnSocketButNotOneAnotherCopyPutInItsPlace) {
    TempDir dir;
    EnvVar runtime("XDG_RUNTIME_DIR", dir.path());
    const std::string socketPath = dir / "quilby-mp3-player/socket";

    ASSERT_TRUE(StartFirst());
    ASSERT_TRUE(fs::is_socket(socketPath));
    InstanceManager::Finish();
    EXPECT_FALSE(fs::exists(socketPath));

    ASSERT_TRUE(StartFirst());
    ASSERT_EQ(unlink(socketPath.c_str()), 0);
    const int other = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, socketPath.c_str());
    ASSERT_EQ(bind(other, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    InstanceManager::Finish();
    EXPECT_TRUE(fs::is_socket(socketPath));
    close(other);
}

}  // namespace
