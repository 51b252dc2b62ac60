#include "AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

std::string FailureText(const std::string& path, const char* reason) {
    return "Cannot write \"" + path + "\": " + reason;
}

bool Fail(const std::string& path, const char* reason, std::string* pError) {
    if (pError) *pError = FailureText(path, reason);
    return false;
}

// A link is followed, as opening the name for writing would: the file it names is replaced, not the link.
std::string ResolveTarget(const std::string& path) {
    struct stat linkInfo {};
    if (lstat(path.c_str(), &linkInfo) != 0 || !S_ISLNK(linkInfo.st_mode)) return path;
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

// A new file gets the permissions a plain create would give it; a replaced one keeps its own.
mode_t ModeForTarget(const std::string& target) {
    struct stat info {};
    if (stat(target.c_str(), &info) == 0) return info.st_mode & 07777;
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

std::string FolderOf(const std::string& target) {
    const auto slash = target.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : target.substr(0, slash);
}

// Makes the rename itself survive a crash; a folder that cannot be synced does not undo the write.
void SyncFolder(const std::string& target) {
    const int fd = open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* pError) {
    if (path.empty()) return Fail(path, "no file name given", pError);
    if (path.back() == '/') return Fail(path, "is a folder", pError);

    const std::string target = ResolveTarget(path);
    struct stat info {};
    if (stat(target.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) return Fail(path, "is a folder", pError);
        // Replacing by rename needs only the folder's permission; a file the user may not write to
        // must stay as it is, as opening it for writing would have refused it.
        if (faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
            return Fail(path, std::strerror(errno), pError);
    }

    std::string pattern = target + ".tmp-XXXXXX";
    std::vector<char> tempName(pattern.begin(), pattern.end());
    tempName.push_back('\0');
    const int fd = mkstemp(tempName.data());
    if (fd < 0) return Fail(path, std::strerror(errno), pError);

    int nError = 0;
    if (fchmod(fd, ModeForTarget(target)) != 0 || !WriteAll(fd, bytes) || fsync(fd) != 0) nError = errno;
    if (close(fd) != 0 && nError == 0) nError = errno;
    if (nError == 0 && rename(tempName.data(), target.c_str()) != 0) nError = errno;
    if (nError != 0) {
        unlink(tempName.data());
        return Fail(path, std::strerror(nError), pError);
    }
    SyncFolder(target);
    return true;
}
