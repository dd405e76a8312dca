// Any bytes as a language file: the program's language switch reads it and re-captions the
// whole dialog (every control kind the program has) without fault; each caption the file gives
// reaches its control, and every message text is the file's (the built-in one where it has
// none) with its line-break marks turned into line breaks.
#include "../app/fake_platform.h"
#include "app/main_controller.h"
#include "ini_fuzz_support.h"
#include "lang/ini_lang.h"
#include "options/file_system.h"
#include "app/frame_lenzor_opt.h"
#include "ui/std_controls.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

using namespace lenzor;

namespace {

constexpr const char* kLanguage = "Fuzz";

// The program's main form on the fake platform, in a program folder of its own whose language
// folder holds the one file the inputs are written to.
struct Program {
    std::string folder;
    testing::FakePlatform platform;
    std::unique_ptr<TMainController> controller;

    Program() {
        char name[] = "/dev/shm/lenzor-fuzz-XXXXXX";
        if (mkdtemp(name) == nullptr) {
            fuzz::Fail("no temporary folder");
        }
        folder = std::string(name) + "/";
        std::filesystem::create_directories(folder + "Language");
        WriteLanguage("");
        SetProgramFolder(folder);
        controller = std::make_unique<TMainController>(platform, std::vector<std::string>{});
        platform.form = &controller->Form();
        controller->FormCreate();
    }
    void WriteLanguage(std::string_view bytes) const {
        std::ofstream(folder + "Language/" + kLanguage + ".ini", std::ios::binary | std::ios::trunc)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
};

// Captions of the container's components match what the file gives them.
void CheckCaptions(const TComponent& container, const TLanguageFile& file) {
    const std::string prefix = container.Name() + ".";
    for (int i = 0; i < container.ComponentCount(); ++i) {
        const TComponent& part = *container.Components(i);
        if (!part.HasStringProperty("Caption")) {
            continue;
        }
        const std::string text =
            file.ReadString(container.Name(), prefix + part.Name() + ".Caption", "");
        if (!text.empty() && part.GetStringProperty("Caption") != text) {
            fuzz::Fail("a caption from the language file did not reach its control");
        }
    }
}

std::string Without(const std::string& text, std::string_view part) {
    std::string result;
    std::size_t start = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, start)) {
        result += text.substr(start, at - start);
        start = at + part.size();
    }
    return result + text.substr(start);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Program program;
    TForm1& form = program.controller->Form();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // The switch as the user makes it in the dialog: the file is read from the language folder.
    program.WriteLanguage(bytes);
    form.outCBLanguage->SetItemIndex(form.outCBLanguage->Items().IndexOf(kLanguage));
    form.outCBLanguageClick();

    // The same bytes applied directly, and the result checked against them.
    SetCurrentLanguageFile(std::make_unique<TLanguageFile>(TLanguageFile::FromBytes(bytes)));
    const TLanguageFile& file = *CurrentLanguageFile();
    TranslateControls({&form}, &file);
    form.FrameLenzorOpt1->Translate(&file);
    CheckCaptions(form, file);
    for (const MessageText& message : ProgramMessageTexts()) {
        const std::string text = LangText(message);
        if (text.find("*|*") != std::string::npos) {
            fuzz::Fail("a line-break mark was left in a message text");
        }
        // Apart from the line breaks, the text is the file's value without its marks, or the
        // built-in text where the file lacks the key.
        if (Without(text, "\r\n") !=
            Without(file.ReadString("Misc", message.key, message.text), "*|*")) {
            fuzz::Fail("a message text is not the file's text");
        }
    }
    form.LoadDialogControls();
    return 0;
}
