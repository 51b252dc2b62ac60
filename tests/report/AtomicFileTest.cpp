#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <ostream>
#include <set>
#include <string>

#include "AtomicFile.h"
#include "QuotedText.h"
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
    void (*prepare)(const fs::path& dir) = nullptr;  // makes what the row needs in the test's folder
};
void PrintTo(const RefusedName& c, std::ostream* os) { *os << c.name; }

class AtomicFileRefusal : public AtomicFile, public testing::WithParamInterface<RefusedName> {};

TEST_P(AtomicFileRefusal, ChangesNothing) {
    fs::create_directory(dir_ / "sub");
    PutFile(dir_ / "sub" / "keep.txt", "keep");
    if (GetParam().prepare) GetParam().prepare(dir_);
    const auto before = NamesIn(dir_);
    const std::string path =
        GetParam().bAbsolute
            ? (GetParam().relative.empty() ? dir_.string() : (dir_ / GetParam().relative).string())
            : GetParam().relative;

    std::string error;
    EXPECT_FALSE(WriteFileAtomically(path, "data", &error));
    EXPECT_EQ(error, "Cannot write " + QuoteForMessage(path) + ": " + GetParam().reason);
    EXPECT_EQ(error.find_first_of("\n\x1b"), std::string::npos) << "a name must not break or colour the line";
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
                    RefusedName{"EmptyName", "", false, "no file name given"},
                    RefusedName{"LineBreakAndEscapeInTheName", "missing\n\x1b[31m/out.xls", true,
                                "No such file or directory"},
                    RefusedName{"LinkLoop", "loop-a", true, "Too many levels of symbolic links",
                                [](const fs::path& dir) {
                                    fs::create_symlink("loop-b", dir / "loop-a");
                                    fs::create_symlink("loop-a", dir / "loop-b");
                                }},
                    RefusedName{"LinkToItself", "self", true, "Too many levels of symbolic links",
                                [](const fs::path& dir) { fs::create_symlink("self", dir / "self"); }}),
    [](const auto& info) { return std::string(info.param.name); });

// Names that are written: the bytes land in `landsIn` (below the test's folder), a name that was a link
// stays one, and the folder then holds exactly `names`.
struct WrittenName {
    const char* name;
    std::string (*prepare)(const fs::path& dir);  // makes what the row needs; gives the name to write to
    std::string landsIn;
    std::set<std::string> names;
};
void PrintTo(const WrittenName& c, std::ostream* os) { *os << c.name; }

class AtomicFileWritten : public AtomicFile, public testing::WithParamInterface<WrittenName> {};

TEST_P(AtomicFileWritten, TheBytesLandWhereTheNameLeads) {
    const std::string path = GetParam().prepare(dir_);
    const bool bWasLink = fs::is_symlink(path);
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(path, "report", &error)) << error;
    EXPECT_EQ(ReadFile(dir_ / GetParam().landsIn), "report");
    EXPECT_EQ(fs::is_symlink(path), bWasLink);
    EXPECT_EQ(NamesIn(dir_), GetParam().names);
}

const std::string kName250(250, 'n');
const std::string kName255(255, 'n');  // the longest name a folder can hold

INSTANTIATE_TEST_SUITE_P(
    Names, AtomicFileWritten,
    testing::Values(WrittenName{"NewNameOf250Bytes",
                                [](const fs::path& dir) { return (dir / kName250).string(); },
                                kName250,
                                {kName250}},
                    WrittenName{"ExistingNameOf255Bytes",
                                [](const fs::path& dir) {
                                    PutFile(dir / kName255, "previous");
                                    return (dir / kName255).string();
                                },
                                kName255,
                                {kName255}},
                    WrittenName{"DanglingRelativeLinkReadFromItsOwnFolder",
                                [](const fs::path& dir) {
                                    fs::create_directory(dir / "sub");
                                    fs::create_symlink("../out.xls", dir / "sub" / "link.xls");
                                    return (dir / "sub" / "link.xls").string();
                                },
                                "out.xls",
                                {"out.xls", "sub"}},
                    WrittenName{"ChainOfLinksToANewFile",
                                [](const fs::path& dir) {
                                    fs::create_directory(dir / "sub");
                                    fs::create_symlink("b", dir / "a");
                                    fs::create_symlink("sub/c", dir / "b");
                                    fs::create_symlink("d", dir / "sub" / "c");
                                    return (dir / "a").string();
                                },
                                "sub/d",
                                {"a", "b", "sub"}}),
    [](const auto& info) { return std::string(info.param.name); });

// Devices are written in place, never replaced by a file; a full one is a failure. The test makes its
// own device files in its folder (as root), so a writer that replaced them cannot harm the machine's.
struct DeviceTarget {
    const char* name;
    unsigned nMinor;     // of the memory devices (major 1): 3 is /dev/null, 7 is /dev/full
    const char* reason;  // "" when the write succeeds
};
void PrintTo(const DeviceTarget& c, std::ostream* os) { *os << c.name; }

class AtomicFileDevice : public AtomicFile, public testing::WithParamInterface<DeviceTarget> {};

TEST_P(AtomicFileDevice, StaysADevice) {
    const fs::path device = dir_ / "device";
    if (mknod(device.c_str(), S_IFCHR | 0666, makedev(1, GetParam().nMinor)) != 0)
        GTEST_SKIP() << "cannot make a device file here (needs root)";
    if (const int fd = open(device.c_str(), O_WRONLY); fd >= 0)
        close(fd);
    else
        GTEST_SKIP() << "devices cannot be opened in this folder";
    std::string error;
    EXPECT_EQ(WriteFileAtomically(device.string(), "report", &error), *GetParam().reason == '\0');
    EXPECT_EQ(error, *GetParam().reason
                         ? "Cannot write " + QuoteForMessage(device.string()) + ": " + GetParam().reason
                         : "");
    struct stat info {};
    ASSERT_EQ(stat(device.c_str(), &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
    EXPECT_EQ(info.st_rdev, makedev(1, GetParam().nMinor));
    EXPECT_EQ(NamesIn(dir_), std::set<std::string>{"device"});
}

INSTANTIATE_TEST_SUITE_P(Devices, AtomicFileDevice,
                         testing::Values(DeviceTarget{"Null", 3, ""},
                                         DeviceTarget{"Full", 7, "No space left on device"}),
                         [](const auto& info) { return std::string(info.param.name); });

// A reader of the FIFO gets the bytes, and the FIFO stays. The read end is opened first without
// waiting, so the writer's open does not block and a writer that replaced the FIFO would leave it empty.
TEST_F(AtomicFile, AFifoIsWrittenThrough) {
    const fs::path fifo = dir_ / "pipe";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const int readFd = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(readFd, 0);
    const std::string bytes(20000, 'r');  // within a pipe's buffer
    std::string error;
    EXPECT_TRUE(WriteFileAtomically(fifo.string(), bytes, &error)) << error;
    std::string received;
    char buffer[4096];
    for (ssize_t n; (n = read(readFd, buffer, sizeof buffer)) > 0;)
        received.append(buffer, static_cast<size_t>(n));
    close(readFd);
    EXPECT_EQ(received, bytes);
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(NamesIn(dir_), std::set<std::string>{"pipe"});
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

// A replaced file keeps its owner and group where the writer may set them; a writer who may not give
// the file away still writes it. Needs root to make files of two users.
struct OwnerCase {
    const char* name;
    uid_t fileOwner;  // owner and group of the existing file
    uid_t writer;     // the user who writes, owner and group alike
    uid_t expected;   // owner and group afterwards
};
void PrintTo(const OwnerCase& c, std::ostream* os) { *os << c.name; }

class AtomicFileOwner : public AtomicFile, public testing::WithParamInterface<OwnerCase> {};

TEST_P(AtomicFileOwner, IsKeptWherePossible) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to make files of two users";
    const OwnerCase& c = GetParam();
    ASSERT_EQ(chmod(dir_.c_str(), 0777), 0);
    const fs::path target = dir_ / "Output.xls";
    PutFile(target, "old");
    ASSERT_EQ(chown(target.c_str(), c.fileOwner, c.fileOwner), 0);
    ASSERT_EQ(chmod(target.c_str(), 0666), 0);
    const uid_t writer = c.writer;
    const ChildWrite outcome = WriteInChild(target, "new", [writer] {
        return writer == 0 || (setgroups(0, nullptr) == 0 && setgid(writer) == 0 && setuid(writer) == 0);
    });

    ASSERT_EQ(outcome.nExitStatus, 0) << outcome.error;
    EXPECT_EQ(ReadFile(target), "new");
    struct stat info {};
    ASSERT_EQ(stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, c.expected);
    EXPECT_EQ(info.st_gid, c.expected);
    EXPECT_EQ(info.st_mode & 07777, 0666u);
}

INSTANTIATE_TEST_SUITE_P(Owners, AtomicFileOwner,
                         testing::Values(OwnerCase{"RootWritingOverAUsersFile", 65534, 0, 65534},
                                         OwnerCase{"UserWritingOverRootsFile", 0, 65534, 65534}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
