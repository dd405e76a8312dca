#include "options/file_system.h"

namespace lenzor {
namespace {

std::string& FolderOverride() {
    static std::string folder;
    return folder;
}

bool IsDelimiter(char c) {
    return c == '/' || c == kPathDelimiter;
}

}  // namespace

FileReadResult ReadFileBytes(const std::string& path, std::string& bytes) {
    return ReadFileStart(path, std::string().max_size(), bytes);
}

const std::string& ProgramFolder() {
    static const std::string executableFolder = [] {
        const std::string path = ProgramPath();
        return path.substr(0, path.find_last_of("/" + std::string(1, kPathDelimiter)) + 1);
    }();
    return FolderOverride().empty() ? executableFolder : FolderOverride();
}

void SetProgramFolder(std::string folder) {
    if (!folder.empty() && !IsDelimiter(folder.back())) {
        folder += kPathDelimiter;
    }
    FolderOverride() = std::move(folder);
}

std::string ExtractFileName(const std::string& path) {
    std::size_t i = path.size();
    while (i > 0 && !IsDelimiter(path[i - 1]) && path[i - 1] != ':') {
        --i;
    }
    return path.substr(i);
}

std::string ExtractFileExt(const std::string& path) {
    const std::string name = ExtractFileName(path);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

}  // namespace lenzor
