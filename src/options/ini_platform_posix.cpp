// POSIX side of the INI layer's system edge (the native builds).
#include "options/ini_platform.h"

#include "core/errors.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lenzor {
namespace {

WriteProgressHook g_writeHook = nullptr;

std::string Identity(std::string_view text) {
    return std::string(text);
}

[[noreturn]] void FailWrite(const std::string& path) {
    throw EIniFileException(FormatMessage1("Unable to write to %s", path));
}

// A link is replaced by writing to the file it names, not over the link.
std::string ResolveLink(const std::string& path) {
    char resolved[PATH_MAX];
    struct stat info;
    if (lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode) &&
        realpath(path.c_str(), resolved) != nullptr) {
        return resolved;
    }
    return path;
}

bool WriteAll(int fd, std::string_view bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        std::size_t block = std::min(kWriteBlockSize, bytes.size() - written);
        ssize_t n = write(fd, bytes.data() + written, block);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        written += static_cast<std::size_t>(n);
        if (g_writeHook != nullptr && !g_writeHook(written)) {
            errno = ENOSPC;
            return false;
        }
    }
    return true;
}

int CreateUniqueTemporary(const std::string& target, std::string& tempPath) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = target + ".~" + std::to_string(getpid()) + "-" + std::to_string(++counter);
        int fd = open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

void SyncFolderOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

}  // namespace

void ReplaceFileContents(const std::string& path, std::string_view bytes) {
    std::string target = ResolveLink(path);
    struct stat original;
    bool exists = stat(target.c_str(), &original) == 0;
    // Root may write anyway; a file without write permission is still meant to stay as it is.
    if (exists && (original.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        FailWrite(path);
    }
    std::string tempPath;
    int fd = CreateUniqueTemporary(target, tempPath);
    if (fd < 0) {
        FailWrite(path);
    }
    if (exists) {
        fchmod(fd, original.st_mode & 07777);
    }
    bool ok = WriteAll(fd, bytes) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    if (!ok || rename(tempPath.c_str(), target.c_str()) != 0) {
        unlink(tempPath.c_str());
        FailWrite(path);
    }
    SyncFolderOf(target);
}

void SetWriteProgressHookForTesting(WriteProgressHook hook) {
    g_writeHook = hook;
}

const TextCodec& SystemAnsiCodec() {
    static const TextCodec codec{Identity, Identity};
    return codec;
}

}  // namespace lenzor
