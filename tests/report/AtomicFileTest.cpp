#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <ostream>
#include <set>
#include <string>

#include "AtomicFile.h"
#include "TemporaryFolder.h"

namespace fs = std::filesystem;

namespace {

// Each test works in a folder of its own; failures are provoked by names and limits, as tests run as root.
class AtomicFile : public TemporaryFolderFixture {};

struct ChildWrite {
    int nExitStatus;    // 0 written, 1 refused, 2 `prepare` failed, -1 the child did not exit
    std::string error;  // the refusal's text
};

// One write in a child process, after `prepare` has changed what must not reach the other tests
// (the user, a file size limit).
ChildWrite WriteInChild(const fs::path& target, const std::string& bytes,
                        const std::function<bool()>& prepare) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return {-1, "no pipe"};
    const pid_t child = fork();
    if (child < 0) return {-1, "no fork"};
    if (child == 0) {
        close(pipeFds[0]);
        if (!prepare()) _exit(2);
        std::string error;
        const bool bWritten = WriteFileAtomically(target.string(), bytes, &error);
        (void)!write(pipeFds[1], error.data(), error.size());
        _exit(bWritten ? 0 : 1);
    }
    close(pipeFds[1]);
    ChildWrite outcome{-1, ""};
    char buffer[256];
    for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        outcome.error.append(buffer, static_cast<std::size_t>(n));
    close(pipeFds[0]);
    int status = 0;
    if (waitpid(child, &status, 0) == child && WIFEXITED(status)) outcome.nExitStatus = WEXITSTATUS(status);
    return outcome;
}

TEST_F(AtomicFile, WritesExactlyTheBytesAndNothingElse) {
    const std::string bytes = std::string("line\r\nwith\0zero\tand tab\r\n", 25);
    std::string error = "untouched";
    ASSERT_TRUE(WriteFileAtomically((dir_ / "Output.xls").string(), bytes, &error));
    EXPECT_EQ(ReadFile(dir_ / "Output.xls"), bytes);
    EXPECT_EQ(error, "untouched");
    EXPECT_EQ(NamesIn(dir_), std::set<std::string>{"Output.xls"});
}

TEST_F(AtomicFile, ReplacesALongerFileWhole) {
    PutFile(dir_ / "out.txt", std::string(10000, 'x'));
    ASSERT_TRUE(WriteFileAtomically((dir_ / "out.txt").string(), "short", nullptr));
    EXPECT_EQ(ReadFile(dir_ / "out.txt"), "short");
    EXPECT_EQ(NamesIn(dir_), std::set<std::string>{"out.txt"});
}

TEST_F(AtomicFile, WritesAnEmptyFile) {
    ASSERT_TRUE(WriteFileAtomically((dir_ / "empty").string(), "", nullptr));
    EXPECT_TRUE(fs::exists(dir_ / "empty"));
    EXPECT_EQ(fs::file_size(dir_ / "empty"), 0u);
}

TEST_F(AtomicFile, ARelativeNameIsInTheCurrentFolder) {
    const fs::path before = fs::current_path();
    fs::current_path(dir_);
    const bool bWritten = WriteFileAtomically("Output.xls", "data", nullptr);
    fs::current_path(before);
    ASSERT_TRUE(bWritten);
    EXPECT_EQ(ReadFile(dir_ / "Output.xls"), "data");
    EXPECT_EQ(NamesIn(dir_).size(), 1u);
}

TEST_F(AtomicFile, AReplacedFileKeepsItsPermissions) {
    PutFile(dir_ / "kept", "old");
    ASSERT_EQ(chmod((dir_ / "kept").c_str(), 0640), 0);
    ASSERT_TRUE(WriteFileAtomically((dir_ / "kept").string(), "new", nullptr));
    struct stat info {};
    ASSERT_EQ(stat((dir_ / "kept").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST_F(AtomicFile, ANewFileGetsThePermissionsOfAPlainCreate) {
    const mode_t previous = umask(022);
    const bool bWritten = WriteFileAtomically((dir_ / "new").string(), "x", nullptr);
    umask(previous);
    ASSERT_TRUE(bWritten);
    struct stat info {};
    ASSERT_EQ(stat((dir_ / "new").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0644u);
}

TEST_F(AtomicFile, ALinkIsFollowedAndKept) {
    PutFile(dir_ / "real.xls", "old");
    fs::create_symlink(dir_ / "real.xls", dir_ / "link.xls");
    ASSERT_TRUE(WriteFileAtomically((dir_ / "link.xls").string(), "new", nullptr));
    EXPECT_TRUE(fs::is_symlink(dir_ / "link.xls"));
    EXPECT_EQ(ReadFile(dir_ / "real.xls"), "new");
    EXPECT_EQ(NamesIn(dir_), (std::set<std::string>{"link.xls", "real.xls"}));
}

// Names that cannot be written: false, a sentence naming the file and the reason, and the folder as it was.
struct RefusedName {
    const char* name;
    std::string relative;  // below the test's folder; "" for the folder itself
    bool bAbsolute;        // false: the name is used as written (relative to the current folder)
    const char* reason;
};
void PrintTo(const RefusedName& c, std::ostream* os) { *os << c.name; }

class AtomicFileRefusal : public AtomicFile, public testing::WithParamInterface<RefusedName> {};

TEST_P(AtomicFileRefusal, ChangesNothing) {
    fs::create_directory(dir_ / "sub");
    PutFile(dir_ / "sub" / "keep.txt", "keep");
    const auto before = NamesIn(dir_);
    const std::string path =
        GetParam().bAbsolute
            ? (GetParam().relative.empty() ? dir_.string() : (dir_ / GetParam().relative).string())
            : GetParam().relative;

    std::string error;
    EXPECT_FALSE(WriteFileAtomically(path, "data", &error));
    EXPECT_EQ(error, "Cannot write \"" + path + "\": " + GetParam().reason);
    EXPECT_EQ(NamesIn(dir_), before);
    EXPECT_EQ(NamesIn(dir_ / "sub"), std::set<std::string>{"keep.txt"});
    EXPECT_EQ(ReadFile(dir_ / "sub" / "keep.txt"), "keep");
}

INSTANTIATE_TEST_SUITE_P(
    Names, AtomicFileRefusal,
    testing::Values(RefusedName{"MissingFolder", "missing/out.xls", true, "No such file or directory"},
                    RefusedName{"TheTestFolderItself", "", true, "is a folder"},
                    RefusedName{"AFolderName", "sub", true, "is a folder"},
                    RefusedName{"AFolderNameWithSlash", "sub/", true, "is a folder"},
                    RefusedName{"AFileUsedAsAFolder", "sub/keep.txt/out.xls", true, "Not a directory"},
                    RefusedName{"EmptyName", "", false, "no file name given"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AtomicFile, AnExistingFileSurvivesANameTooLongForTheTemporaryFile) {
    const std::string longName(255, 'n');  // the longest name a folder can hold; its temporary is longer
    PutFile(dir_ / longName, "precious");
    ASSERT_EQ(ReadFile(dir_ / longName), "precious");

    std::string error;
    EXPECT_FALSE(WriteFileAtomically((dir_ / longName).string(), "replacement", &error));
    EXPECT_NE(error.find("File name too long"), std::string::npos) << error;
    EXPECT_EQ(ReadFile(dir_ / longName), "precious");
    EXPECT_EQ(NamesIn(dir_), std::set<std::string>{longName});
}

// A read-only file in a folder open to everyone: renaming over it would succeed, but the user has no
// right to change it. Runs as an unprivileged user in a child process, since root may write anything.
TEST_F(AtomicFile, AFileTheUserMayNotWriteIsKept) {
    ASSERT_EQ(chmod(dir_.c_str(), 0777), 0);
    const fs::path target = dir_ / "Output.xls";
    PutFile(target, "protected report");
    ASSERT_EQ(chmod(target.c_str(), 0444), 0);
    const ChildWrite outcome = WriteInChild(
        target, "replacement", [] { return geteuid() != 0 || (setgid(65534) == 0 && setuid(65534) == 0); });

    ASSERT_NE(outcome.nExitStatus, 2) << "could not become an unprivileged user";
    EXPECT_EQ(outcome.nExitStatus, 1) << "the write should have been refused";
    EXPECT_EQ(outcome.error, "Cannot write \"" + target.string() + "\": Permission denied");
    EXPECT_EQ(ReadFile(target), "protected report");
    EXPECT_EQ(NamesIn(dir_), std::set<std::string>{"Output.xls"});
}

// A write that fails half-way (here: a file size limit, as a full disk would) must leave the old file
// and no temporary. Runs in a child process so the limit does not reach the other tests.
TEST_F(AtomicFile, AnExistingFileSurvivesAWriteThatFailsHalfWay) {
    const fs::path target = dir_ / "Output.xls";
    PutFile(target, "previous report");
    const ChildWrite outcome = WriteInChild(target, std::string(100000, 'r'), [] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        return setrlimit(RLIMIT_FSIZE, &limit) == 0;
    });

    EXPECT_EQ(outcome.nExitStatus, 1) << "the write should have failed";
    EXPECT_EQ(outcome.error, "Cannot write \"" + target.string() + "\": File too large");
    EXPECT_EQ(ReadFile(target), "previous report");
    EXPECT_EQ(NamesIn(dir_), std::set<std::string>{"Output.xls"});
}

}  // namespace
