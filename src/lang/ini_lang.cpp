#include "lang/ini_lang.h"

#include "lang/source_texts.h"
#include "options/file_system.h"
#include "options/ini_file.h"
#include "ui/forms.h"
#include "ui/std_controls.h"

namespace lenzor {
namespace {

std::unique_ptr<TLanguageFile> g_currentLanguageFile;
const TComponent* g_mainForm = nullptr;

constexpr std::string_view kLineBreakMark = "*|*";
constexpr std::string_view kMissingLine = "fsdef";

std::string ResolveFolder(const std::string& folder) {
    return folder.empty() ? LanguageFolder() : folder;
}

void TranslateContainer(const TComponent& container, const TLanguageFile& file) {
    const std::string& section = container.Name();
    const std::string prefix = container.Name() + ".";
    if (std::string caption = file.ReadString(section, prefix + "Caption", ""); !caption.empty()) {
        const_cast<TComponent&>(container).SetStringProperty("Caption", caption);
    }
    for (int i = 0; i < container.ComponentCount(); ++i) {
        TComponent& part = *container.Components(i);
        const std::string partKey = prefix + part.Name() + ".";
        for (const char* property : {"Caption", "Hint"}) {
            std::string text = file.ReadString(section, partKey + property, "");
            if (!text.empty() && part.HasStringProperty(property)) {
                part.SetStringProperty(property, text);
            }
        }
        if (auto* memo = dynamic_cast<TMemo*>(&part)) {
            for (int k = 0; k < memo->Lines().Count(); ++k) {
                std::string line = file.ReadString(
                    section, partKey + "lines[" + std::to_string(k) + "]", kMissingLine);
                if (line != kMissingLine) {
                    memo->Lines().SetStrings(k, std::move(line));
                }
            }
        }
        if (auto* combo = dynamic_cast<TComboBox*>(&part)) {
            for (int k = 0; k < combo->Items().Count(); ++k) {
                std::string item =
                    file.ReadString(section, partKey + "items[" + std::to_string(k) + "]", "");
                if (!item.empty()) {
                    combo->Items().SetStrings(k, std::move(item));
                }
            }
        }
    }
}

void WriteComponentTexts(IniFile& out, const TComponent& container) {
    const std::string& section = container.Name();
    for (int i = 0; i < container.ComponentCount(); ++i) {
        const TComponent& part = *container.Components(i);
        const std::string& name = part.Name();
        if (name.starts_with("out")) {
            continue;
        }
        const std::string key = section + "." + name + ".";
        if (part.HasStringProperty("Caption") && !name.empty()) {
            std::string caption = part.GetStringProperty("Caption");
            if (caption != name && caption != "-" && !caption.empty()) {
                out.WriteString(section, key + "Caption", caption);
            }
        }
        if (part.HasStringProperty("Hint") && !name.empty()) {
            if (std::string hint = part.GetStringProperty("Hint"); !hint.empty()) {
                out.WriteString(section, key + "Hint", hint);
            }
        }
        if (auto* memo = dynamic_cast<const TMemo*>(&part)) {
            for (int k = 0; k < memo->Lines().Count(); ++k) {
                const std::string& line = memo->Lines().Strings(k);
                if (line == name) {
                    break;
                }
                out.WriteString(section, key + "Lines[" + std::to_string(k) + "]", line);
            }
        }
        if (auto* combo = dynamic_cast<const TComboBox*>(&part)) {
            for (int k = 0; k < combo->Items().Count(); ++k) {
                out.WriteString(section, key + "Items[" + std::to_string(k) + "]",
                                combo->Items().Strings(k));
            }
        }
    }
}

}  // namespace

std::string LanguageFolder() {
    return ProgramFolder() + "Language" + kPathDelimiter;
}

void FillLanguageList(TStrings& list, const std::string& folder) {
    std::vector<std::string> names;
    for (std::string& file : ListFiles(ResolveFolder(folder), ".ini")) {
        file.erase(file.size() - 4);
        names.push_back(std::move(file));
    }
    list.Assign(std::move(names));
}

std::unique_ptr<TLanguageFile> OpenLanguageFile(const std::string& languageName,
                                                const std::string& folder) {
    std::string fileName = languageName;
    if (ExtractFileExt(fileName).empty()) {
        fileName += ".ini";
    }
    std::string path = ResolveFolder(folder);
    if (!path.empty() && path.back() != '/' && path.back() != kPathDelimiter) {
        path += kPathDelimiter;
    }
    path += fileName;
    std::string bytes;
    if (!IsFile(path) ||
        ReadFileStart(path, TLanguageFile::kMaxFileSize, bytes) != FileReadResult::Read) {
        return nullptr;
    }
    return std::make_unique<TLanguageFile>(TLanguageFile::FromBytes(bytes));
}

void TranslateControls(const std::vector<TComponent*>& containers, const TLanguageFile* file) {
    if (!file) {
        return;
    }
    for (TComponent* container : containers) {
        if (container) {
            TranslateContainer(*container, *file);
        }
    }
}

const TLanguageFile* CurrentLanguageFile() {
    return g_currentLanguageFile.get();
}

void SetCurrentLanguageFile(std::unique_ptr<TLanguageFile> file) {
    g_currentLanguageFile = std::move(file);
}

void ReleaseCurrentLanguageFile() {
    g_currentLanguageFile.reset();
}

std::string LangText(std::string_view defaultText, std::string_view key) {
    if (!g_currentLanguageFile) {
        return std::string(defaultText);
    }
    // A key a partial translation lacks keeps the built-in text; an empty value stays empty.
    const std::string value = g_currentLanguageFile->ReadString("Misc", key, defaultText);
    if (value.find(kLineBreakMark) == std::string::npos) {
        return value;
    }
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (std::size_t mark = value.find(kLineBreakMark); mark != std::string::npos;
         mark = value.find(kLineBreakMark, start)) {
        pieces.push_back(value.substr(start, mark - start));
        start = mark + kLineBreakMark.size();
    }
    pieces.push_back(value.substr(start));
    std::string result;
    for (std::size_t i = 0; i + 1 < pieces.size(); ++i) {
        if (!result.empty()) {
            result += "\r\n";
        }
        result += pieces[i];
    }
    return result + "\r\n" + pieces.back();
}

void WriteLanguageTemplate(const TComponent& root) {
    // A new template is UTF-8, so that every text survives whatever the system's code page.
    IniFile out(ProgramFolder() + "Custom.ini", SystemAnsiCodec(), TextEncoding::Utf8Bom);
    const bool rootIsMainForm = &root == g_mainForm;
    for (int i = 0; i < root.ComponentCount(); ++i) {
        const TComponent& container = *root.Components(i);
        const std::string& name = container.Name();
        if ((!rootIsMainForm || IsFormOrFrame(container)) &&
            container.HasStringProperty("Caption") && !name.empty()) {
            std::string caption = container.GetStringProperty("Caption");
            if (caption != name) {
                out.WriteString(name, name + ".Caption", caption);
            }
        }
        WriteComponentTexts(out, container);
    }
    for (const MessageText& message : ProgramMessageTexts()) {
        out.WriteString("Misc", message.key, message.text);
    }
    HarvestSourceTexts(out);
    out.Flush();
}

void SetApplicationMainForm(const TComponent* form) {
    g_mainForm = form;
}

}  // namespace lenzor
