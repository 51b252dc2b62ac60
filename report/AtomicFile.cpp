#include "AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "QuotedText.h"

namespace {

// The most links followed for one name, the same limit the kernel applies to a path; past it the
// name is taken to lead in a loop.
constexpr int kMaxLinkHops = 40;

bool Fail(const std::string& path, const char* reason, std::string* pError) {
    if (pError) *pError = "Cannot write " + QuoteForMessage(path) + ": " + reason;
    return false;
}

bool FailWith(const std::string& path, int nError, std::string* pError) {
    return Fail(path, std::strerror(nError), pError);
}

std::string FolderOf(const std::string& target) {
    const auto slash = target.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : target.substr(0, slash);
}

std::string InFolder(const std::string& folder, const std::string& name) {
    return folder == "/" ? "/" + name : folder + "/" + name;
}

// The name that `path` leads to: each symbolic link in its last part is replaced by the name it holds
// (read from the link's own folder when relative) until that name is no link, whether it exists or not.
// Links among the folders of the path are left to the system. 0, or the reason it cannot be followed.
int FollowLinks(const std::string& path, std::string* pTarget) {
    std::string current = path;
    for (int nHops = 0;; ++nHops) {
        struct stat info {};
        if (lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) break;
        if (nHops == kMaxLinkHops) return ELOOP;
        char linkText[PATH_MAX];
        const ssize_t nLength = readlink(current.c_str(), linkText, sizeof linkText);
        if (nLength < 0) return errno;
        if (nLength == 0 || static_cast<size_t>(nLength) == sizeof linkText) return ENAMETOOLONG;
        const std::string next(linkText, static_cast<size_t>(nLength));
        current = next.front() == '/' ? next : InFolder(FolderOf(current), next);
    }
    *pTarget = current;
    return 0;
}

// A new file gets the permissions a plain create would give it; a replaced one keeps its own.
mode_t ModeForNewFile() {
    // The umask can only be read by setting it; it is put straight back.
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int fd, std::string_view bytes) {
    const char* p = bytes.data();
    size_t nLeft = bytes.size();
    while (nLeft > 0) {
        const ssize_t nWritten = write(fd, p, nLeft);
        if (nWritten < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += nWritten;
        nLeft -= static_cast<size_t>(nWritten);
    }
    return true;
}

// The replacement takes the owner and group of the file it replaces. Only root may give a file away;
// anyone else may still set a group they belong to, so the group is tried alone when the pair is
// refused. Refusals are expected and leave the writer as owner; other errors count.
bool KeepOwner(int fd, const struct stat& existing) {
    if (fchown(fd, existing.st_uid, existing.st_gid) == 0) return true;
    if (errno != EPERM) return false;
    if (fchown(fd, static_cast<uid_t>(-1), existing.st_gid) == 0 || errno == EPERM) return true;
    return false;
}

// Makes the rename itself survive a crash; a folder that cannot be synced does not undo the write.
void SyncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

}  // namespace

AtomicFileWriter::~AtomicFileWriter() { Abandon(); }

void AtomicFileWriter::Abandon() {
    if (m_fd >= 0) close(m_fd);
    m_fd = -1;
    if (!m_strTempName.empty()) unlink(m_strTempName.c_str());
    m_strTempName.clear();
}

bool AtomicFileWriter::Failed(int nError, std::string* pError) {
    Abandon();
    return FailWith(m_strPath, nError, pError);
}

bool AtomicFileWriter::Open(const std::string& path, std::string* pError) {
    Abandon();
    m_strPath = path;
    if (path.empty()) return Fail(path, "no file name given", pError);
    if (path.back() == '/') return Fail(path, "is a folder", pError);

    struct stat info {};
    const bool bExists = stat(path.c_str(), &info) == 0;
    if (!bExists && errno == ELOOP) return FailWith(path, ELOOP, pError);
    if (bExists && S_ISDIR(info.st_mode)) return Fail(path, "is a folder", pError);
    // Devices, FIFOs and terminals cannot be replaced by a file without breaking what reads them, and
    // cannot be written all or nothing either: they get the bytes directly. Opened through the name as
    // given: /dev/stdout leads to a handle of this process, not to a folder entry.
    if (bExists && !S_ISREG(info.st_mode)) {
        m_fd = open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        return m_fd >= 0 || Failed(errno, pError);
    }

    if (const int nError = FollowLinks(path, &m_strTarget); nError != 0)
        return FailWith(path, nError, pError);
    // Replacing by rename needs only the folder's permission; a file the user may not write to must stay
    // as it is, as opening it for writing would have refused it.
    if (bExists && faccessat(AT_FDCWD, m_strTarget.c_str(), W_OK, AT_EACCESS) != 0)
        return FailWith(path, errno, pError);

    // A short name of its own, so that the longest name a folder can hold still has a temporary.
    const std::string pattern = InFolder(FolderOf(m_strTarget), ".dravonel-XXXXXX");
    std::vector<char> tempName(pattern.begin(), pattern.end());
    tempName.push_back('\0');
    m_fd = mkostemp(tempName.data(), O_CLOEXEC);
    if (m_fd < 0) return FailWith(path, errno, pError);
    m_strTempName = tempName.data();
    // Owner first: changing it may clear set-user and set-group bits, which the mode then restores.
    if ((bExists && !KeepOwner(m_fd, info)) ||
        fchmod(m_fd, bExists ? (info.st_mode & 07777) : ModeForNewFile()) != 0)
        return Failed(errno, pError);
    return true;
}

bool AtomicFileWriter::Write(std::string_view bytes, std::string* pError) {
    if (m_fd < 0) return Fail(m_strPath, "not open", pError);
    return WriteAll(m_fd, bytes) || Failed(errno, pError);
}

bool AtomicFileWriter::Commit(std::string* pError) {
    if (m_fd < 0) return Fail(m_strPath, "not open", pError);
    const bool bReplacing = !m_strTempName.empty();
    int nError = bReplacing && fsync(m_fd) != 0 ? errno : 0;
    if (close(m_fd) != 0 && nError == 0) nError = errno;
    m_fd = -1;
    if (nError == 0 && bReplacing && rename(m_strTempName.c_str(), m_strTarget.c_str()) != 0) nError = errno;
    if (nError != 0) return Failed(nError, pError);
    if (bReplacing) {
        m_strTempName.clear();
        SyncFolder(FolderOf(m_strTarget));
    }
    return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* pError) {
    AtomicFileWriter writer;
    return writer.Open(path, pError) && writer.Write(bytes, pError) && writer.Commit(pError);
}
