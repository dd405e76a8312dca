// POSIX side of the file-system services (the native builds).
#include "options/file_system.h"

#include "core/text_utils.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lenzor {

std::string ProgramPath() {
    std::string path(4096, '\0');
    const ssize_t n = readlink("/proc/self/exe", path.data(), path.size());
    path.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return path;
}

std::vector<std::string> ListFiles(const std::string& folder, const std::string& extension) {
    std::vector<std::string> names;
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) {
        return names;
    }
    while (dirent* entry = readdir(dir)) {
        std::string name = entry->d_name;
        if (name.size() < extension.size() ||
            !EqualsIgnoringAsciiCase(std::string_view(name).substr(name.size() - extension.size()),
                                     extension)) {
            continue;
        }
        struct stat info;
        std::string path = folder + name;
        if (stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
            names.push_back(std::move(name));
        }
    }
    closedir(dir);
    return names;
}

bool IsFile(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

FileReadResult ReadFileStart(const std::string& path, std::size_t maxBytes, std::string& bytes) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return errno == ENOENT || errno == ENOTDIR ? FileReadResult::Missing
                                                   : FileReadResult::Unreadable;
    }
    std::string content;
    char buffer[8192];
    while (content.size() < maxBytes) {
        ssize_t n = read(fd, buffer, std::min(sizeof buffer, maxBytes - content.size()));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            close(fd);
            return FileReadResult::Unreadable;
        }
        if (n == 0) {
            break;
        }
        content.append(buffer, static_cast<std::size_t>(n));
    }
    close(fd);
    bytes = std::move(content);
    return FileReadResult::Read;
}

}  // namespace lenzor
