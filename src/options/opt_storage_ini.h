// TOptStorageINIFile: keeps options in an INI file. The part of an option's name before its
// first dot is the section ("OptNone" when empty), the rest is the key.
#pragma once

#include "options/opt_storage.h"

#include <memory>
#include <string>

namespace lenzor {

class IniFile;

class TOptStorageINIFile : public TOptStorage {
public:
    // Touches no file.
    explicit TOptStorageINIFile(std::string fileName);
    // Saves still pending are written, failures ignored; callers Close to learn of them.
    ~TOptStorageINIFile() override;

    const std::string& FileName() const { return fileName_; }
    bool IsOpen() const { return iniFile_ != nullptr; }

    // Reads the file as it is now (it need not exist). Opening an open storage closes it first.
    bool Open() override;
    // Writes the values saved since Open in one atomic replacement of the file; a file that
    // cannot be written throws EIniFileException "Unable to write to <path>" and stays as it
    // was. The storage is closed afterwards either way.
    bool Close() override;
    bool Save(TOptItem& item) override;
    // Missing or unreadable entries load the item's default value.
    bool Load(TOptItem& item) override;

private:
    IniFile& OpenFile(const char* operation);

    std::string fileName_;
    std::unique_ptr<IniFile> iniFile_;
};

}  // namespace lenzor
