#include "options/opt_storage_ini.h"

#include "core/errors.h"
#include "core/text_forms.h"
#include "options/ini_file.h"
#include "options/opt_item.h"

namespace lenzor {
namespace {

struct IniLocation {
    std::string section;
    std::string key;
};

IniLocation Locate(const std::string& name, const char* emptyKeyMessage) {
    std::size_t dot = name.find('.');
    IniLocation location;
    if (dot == std::string::npos) {
        location.key = name;
    } else {
        location.section = name.substr(0, dot);
        location.key = name.substr(dot + 1);
    }
    if (location.key.empty()) {
        throw EInvalidArgument(FormatMessage1(emptyKeyMessage, name));
    }
    if (location.section.empty()) {
        location.section = "OptNone";
    }
    return location;
}

int32_t ReadInteger(const IniFile& file, const IniLocation& at, int32_t fallback) {
    std::optional<std::string> text = file.ReadString(at.section, at.key);
    int32_t value = 0;
    return text && TryTextToInt32(*text, value) ? value : fallback;
}

using NumberParser = bool (*)(std::string_view, double&, const FormatSettings&);

// A float, date or time text read with `parse`; missing or unparsable text is the fallback.
double ReadNumber(const IniFile& file, const IniLocation& at, double fallback, NumberParser parse) {
    std::optional<std::string> text = file.ReadString(at.section, at.key);
    double value = 0;
    return text && parse(*text, value, CurrentFormatSettings()) ? value : fallback;
}

}  // namespace

TOptStorageINIFile::TOptStorageINIFile(std::string fileName) : fileName_(std::move(fileName)) {}

TOptStorageINIFile::~TOptStorageINIFile() {
    try {
        if (iniFile_) {
            iniFile_->Flush();
        }
    } catch (...) {
        // Nobody is left to tell; an explicit Close reports the failure.
    }
}

bool TOptStorageINIFile::Open() {
    if (iniFile_) {
        Close();
    }
    iniFile_ = std::make_unique<IniFile>(fileName_);
    return true;
}

bool TOptStorageINIFile::Close() {
    std::unique_ptr<IniFile> file = std::move(iniFile_);
    if (file) {
        file->Flush();
    }
    return true;
}

bool TOptStorageINIFile::Save(TOptItem& item) {
    IniLocation at =
        Locate(item.Name(), "TOptStorageINIFile.Save: can't get [NameValue] for ini value %s");
    const TOptValue& value = item.Value();
    std::string text;
    switch (value.DataType()) {
    case dtInteger:
        text = IntToText(value.GetAsInteger());
        break;
    case dtFloat:
        text = FloatToText(value.GetAsFloat());
        break;
    case dtBoolean:
        text = value.GetAsBoolean() ? "1" : "0";
        break;
    case dtString:
        text = value.GetAsString();
        break;
    case dtDateTime:
        text = DateTimeToText(value.GetAsDateTime());
        break;
    case dtDate:
        text = DateToText(value.GetAsDateTime());
        break;
    case dtTime:
        text = TimeToText(value.GetAsDateTime());
        break;
    case dtReference:
    case dtUnknown:
        throw EInvalidArgument(FormatMessage1(
            "TOptStorageINIFile.Save(var aItem:TOptItem): unsupported DateType for Item %s",
            item.Name()));
    }
    OpenFile("Save").WriteString(at.section, at.key, text);
    return true;
}

bool TOptStorageINIFile::Load(TOptItem& item) {
    IniLocation at =
        Locate(item.Name(), "TOptStorageINIFile.Load: can't get [NameValue] for ini value %s");
    TOptValue& value = item.Value();
    if (value.DataType() == dtReference || value.DataType() == dtUnknown) {
        throw EInvalidArgument(FormatMessage1(
            "TOptStorageINIFile.Load(var aItem:TOptItem): unsupported DateType for Item %s",
            item.Name()));
    }
    const IniFile& file = OpenFile("Load");
    Variant fallback = item.GetDefault();
    switch (value.DataType()) {
    case dtInteger:
        value.SetAsInteger(ReadInteger(file, at, fallback.ToInt32()));
        break;
    case dtFloat:
        value.SetAsFloat(ReadNumber(file, at, fallback.ToDouble(), TryTextToFloat));
        break;
    case dtBoolean:
        value.SetAsBoolean(ReadInteger(file, at, fallback.ToBoolean() ? 1 : 0) != 0);
        break;
    case dtString:
        value.SetAsString(file.ReadString(at.section, at.key).value_or(fallback.ToString()));
        break;
    case dtDateTime:
        value.SetAsDateTime(ReadNumber(file, at, fallback.ToDateTime(), TryTextToDateTime));
        break;
    case dtDate:
        value.SetAsDateTime(ReadNumber(file, at, fallback.ToDateTime(), TryTextToDate));
        break;
    case dtTime:
        value.SetAsDateTime(ReadNumber(file, at, fallback.ToDateTime(), TryTextToTime));
        break;
    case dtReference:
    case dtUnknown:
        break;
    }
    return true;
}

IniFile& TOptStorageINIFile::OpenFile(const char* operation) {
    if (!iniFile_) {
        throw EInvalidOperation(std::string("TOptStorageINIFile.") + operation +
                                ": the storage is not open");
    }
    return *iniFile_;
}

}  // namespace lenzor
