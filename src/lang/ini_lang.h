// Localisation: language files in the "Language" folder beside the program re-caption forms
// and frames by component name and give the message texts; the template writer produces
// "Custom.ini" with every translatable text of a form.
#pragma once

#include "lang/language_file.h"
#include "lang/message_texts.h"

#include <memory>
#include <string>
#include <vector>

namespace lenzor {

class TComponent;
class TStrings;

// The program folder followed by "Language" and a delimiter.
std::string LanguageFolder();

// Names of the "*.ini" files of the folder (empty: the language folder) without their
// extension, in listing order. A missing folder gives an empty list.
void FillLanguageList(TStrings& list, const std::string& folder = {});

// The file of that language ("<name>.ini" unless the name has an extension), or none.
std::unique_ptr<TLanguageFile> OpenLanguageFile(const std::string& languageName,
                                                const std::string& folder = {});

// Applies the file to each form or frame: captions, hints, memo lines and combo items of the
// components they own, by name. Only overwrites; missing keys leave texts as they are.
void TranslateControls(const std::vector<TComponent*>& containers, const TLanguageFile* file);

// The one language file the interface uses, or none.
const TLanguageFile* CurrentLanguageFile();
void SetCurrentLanguageFile(std::unique_ptr<TLanguageFile> file);
void ReleaseCurrentLanguageFile();

// The "Misc" text of the key from the current language file ("*|*" becomes a line break), or
// the default text when no file is loaded or the file lacks the key. A key present with an
// empty value gives "".
std::string LangText(std::string_view defaultText, std::string_view key);
inline std::string LangText(const MessageText& message) {
    return LangText(message.text, message.key);
}

// Writes "Custom.ini" in the program folder: the texts of the components the root owns, then
// the "Misc" messages (the program's table, then what HarvestSourceTexts finds). Existing
// content of the file stays, key by key, in the file's encoding; a new file is UTF-8 with a
// byte-order mark. Throws EIniFileException when it cannot be written.
void WriteLanguageTemplate(const TComponent& root);

// The main form, for the template's rule on whose captions it writes.
void SetApplicationMainForm(const TComponent* form);

}  // namespace lenzor
