// The file-system services beyond the INI layer: the program's own folder, listing a folder,
// testing for a file and reading the start of one. Paths are UTF-8.
#pragma once

#include "options/ini_platform.h"

#include <cstddef>
#include <string>
#include <vector>

namespace lenzor {

#ifdef _WIN32
inline constexpr char kPathDelimiter = '\\';
#else
inline constexpr char kPathDelimiter = '/';
#endif

// The executable's full path, in UTF-8 from the system's wide name, at any length.
std::string ProgramPath();
// The executable's folder with a trailing delimiter. Tests may set another.
const std::string& ProgramFolder();
void SetProgramFolder(std::string folder);

// Names (without folder) of the plain files in the folder whose names end in the extension
// (".ini"; compared regardless of ASCII case), in the order the listing gives them. A missing
// or unreadable folder gives none.
std::vector<std::string> ListFiles(const std::string& folder, const std::string& extension);

bool IsFile(const std::string& path);

// At most maxBytes from the start of the file.
FileReadResult ReadFileStart(const std::string& path, std::size_t maxBytes, std::string& bytes);

// The name after the last delimiter, and its extension (from the last dot on, "" if none).
std::string ExtractFileName(const std::string& path);
std::string ExtractFileExt(const std::string& path);


}  // namespace lenzor
