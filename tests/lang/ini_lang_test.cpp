// Language files against a small form that mirrors the dialog's kinds: the template it writes,
// translation by component name, message texts, and the language list.
#include "lang/ini_lang.h"

#include "../options/temp_folder.h"
#include "options/file_system.h"
#include "options/text_encoding.h"
#include "ui/declare.h"
#include "ui/forms.h"
#include "ui/menu.h"
#include "ui/range_controls.h"
#include "ui/std_controls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace lenzor {
namespace {

std::string FindOwnedCaption(const TComponent& owner, const std::string& name) {
    return owner.FindComponent(name)->GetStringProperty("Caption");
}

// Form1 with a frame, as the program has them: a few kinds of each sort.
struct TestForm {
    TForm form{nullptr, "Form1"};
    TFrame* frame;
    TLabel* label;
    TButton* ok;
    TMemo* memo;
    TMemo* outMemo;
    TComboBox* combo;
    TComboBox* frameCombo;
    TPopupMenu* menu;

    TestForm() {
        form.SetCaption("Lenzor");
        TPanel& panel = Declare<TPanel>(form, &form, "Panel1", Bounds(0, 0, 100, 36), "Panel1");
        ok = &Declare<TButton>(form, &panel, "BOK", Bounds(0, 0, 75, 24), "OK");
        Declare<TButton>(form, &panel, "BCancel", Bounds(0, 0, 75, 24), "Cancel");
        label = &Declare<TLabel>(form, &form, "Label1", Bounds(0, 40, 90, 13), "Zoom factor");
        label->SetHint("Magnification");
        Declare<TEdit>(form, &form, "Edit1", Bounds(0, 60, 90, 21));
        memo = &Declare<TMemo>(form, &form, "Memo1", Bounds(0, 90, 90, 40));
        memo->Lines().Assign({"first", "", "Memo1", "after the stop"});
        outMemo = &Declare<TMemo>(form, &form, "outMemo1", Bounds(0, 90, 90, 40));
        outMemo->Lines().Assign({"readme"});
        combo = &Declare<TComboBox>(form, &form, "ComboBox1", Bounds(0, 140, 90, 21));
        combo->Items().Assign({"0.7", "", "(enter any...)"});
        frame = &Declare<TFrame>(form, &form, "FrameLenzorOpt1", Bounds(0, 0, 200, 200));
        Declare<TCheckBox>(*frame, frame, "CBLZPreview", Bounds(0, 0, 90, 17), "Glass Preview");
        frameCombo = &Declare<TComboBox>(*frame, frame, "CBLZContrast", Bounds(0, 20, 90, 21));
        frameCombo->Items().Assign({"None", "Negative"});
        menu = &Declare<TPopupMenu>(form, "PopupMenuTray");
        menu->Add("Showglass1", "Show glass");
        menu->Add("N1", "-");
        menu->Add("Exit1", "Exit");
        SetApplicationMainForm(&form);
    }
    ~TestForm() { SetApplicationMainForm(nullptr); }
};

class Localisation : public testing::Test {
protected:
    Localisation() {
        SetProgramFolder(folder.File(""));
        std::filesystem::create_directories(PathFromUtf8(folder.File("Language")));
    }
    ~Localisation() override {
        ReleaseCurrentLanguageFile();
        SetProgramFolder("");
    }
    void Language(const std::string& name, const std::string& bytes) {
        WriteBytes(folder.File("Language/" + name), bytes);
    }

    TempFolder folder;
};

// Every message of the program's table, in its order, with its built-in text.
std::string MiscLines() {
    std::string lines;
    for (const MessageText& message : ProgramMessageTexts()) {
        lines += std::string(message.key) + "=" + std::string(message.text) + "\r\n";
    }
    return lines;
}

TEST_F(Localisation, TemplateListsEveryTranslatableTextInOwnershipOrder) {
    TestForm t;
    WriteLanguageTemplate(t.form);  // the frames of the main form
    TForm temporary;
    temporary.InsertComponent(t.form);
    WriteLanguageTemplate(temporary);  // the main form itself
    temporary.RemoveComponent(t.form);

    const std::string expected =
        "\xEF\xBB\xBF[FrameLenzorOpt1]\r\n"
        "FrameLenzorOpt1.CBLZPreview.Caption=Glass Preview\r\n"
        "FrameLenzorOpt1.CBLZContrast.Items[0]=None\r\n"
        "FrameLenzorOpt1.CBLZContrast.Items[1]=Negative\r\n"
        "[Misc]\r\n" +
        MiscLines() +
        "[Form1]\r\n"
        "Form1.Caption=Lenzor\r\n"
        "Form1.BOK.Caption=OK\r\n"
        "Form1.BCancel.Caption=Cancel\r\n"
        "Form1.Label1.Caption=Zoom factor\r\n"
        "Form1.Label1.Hint=Magnification\r\n"
        "Form1.Memo1.Lines[0]=first\r\n"
        "Form1.Memo1.Lines[1]=\r\n"
        "Form1.ComboBox1.Items[0]=0.7\r\n"
        "Form1.ComboBox1.Items[1]=\r\n"
        "Form1.ComboBox1.Items[2]=(enter any...)\r\n"
        "Form1.Showglass1.Caption=Show glass\r\n"
        "Form1.Exit1.Caption=Exit\r\n";
    EXPECT_EQ(ReadBytes(folder.File("Custom.ini")), expected);

    // A second run keeps what a translator added and rewrites the rest in place.
    WriteBytes(folder.File("Custom.ini"), "[Form1]\r\nForm1.BOK.Caption=Okay\r\nExtra=kept\r\n");
    WriteLanguageTemplate(t.form);
    const std::string again = ReadBytes(folder.File("Custom.ini"));
    EXPECT_TRUE(again.starts_with("[Form1]\r\nForm1.BOK.Caption=Okay\r\nExtra=kept\r\n"));
}

TEST_F(Localisation, TranslationOverwritesOnlyWhatTheFileSays) {
    TestForm t;
    Language("Russian.ini",
             "\xEF\xBB\xBF; a comment\r\n"
             "[form1]\r\n"
             "form1.caption=\xD0\x9B\xD0\xB8\xD0\xBD\xD0\xB7\xD0\xB0\r\n"  // "Линза"
             "FORM1.BOK.CAPTION = Да \r\n"
             "Form1.BOK.Caption=second value loses\r\n"
             "Form1.Label1.Hint=Увеличение\r\n"
             "Form1.Edit1.Caption=an edit has no caption\r\n"
             "Form1.Memo1.lines[0]=fsdef\r\n"
             "Form1.Memo1.Lines[1]=второй\r\n"
             "Form1.Memo1.lines[2]=\r\n"
             "Form1.outMemo1.Lines[0]=прочти\r\n"
             "Form1.ComboBox1.Items[0]=\r\n"
             "Form1.ComboBox1.Items[2]=(любое...)\r\n"
             "Form1.ComboBox1.Items[3]=beyond the count\r\n"
             "Form1.Nobody.Caption=no such component\r\n"
             "[FrameLenzorOpt1]\r\n"
             "FrameLenzorOpt1.CBLZPreview.Caption=Предпросмотр\r\n"
             "[Form1]\r\n"
             "Form1.BCancel.Caption=a repeated section is not read\r\n");
    std::unique_ptr<TLanguageFile> file = OpenLanguageFile("Russian");
    ASSERT_TRUE(file);
    TranslateControls({&t.form, nullptr}, file.get());

    EXPECT_EQ(t.form.Caption(), "Линза");
    EXPECT_EQ(t.ok->Caption(), "Да");
    EXPECT_EQ(FindOwnedCaption(t.form, "BCancel"), "Cancel");
    EXPECT_EQ(t.label->Hint(), "Увеличение");
    EXPECT_EQ(t.memo->Lines().List(),
              (std::vector<std::string>{"first", "второй", "", "after the stop"}));
    EXPECT_EQ(t.outMemo->Lines().Strings(0), "прочти");  // "out" parts are still translated
    EXPECT_EQ(t.combo->Items().List(), (std::vector<std::string>{"0.7", "", "(любое...)"}));
    EXPECT_EQ(t.frame->FindComponent("CBLZPreview")->GetStringProperty("Caption"),
              "Glass Preview");  // the frame is applied on its own
    TranslateControls({t.frame}, file.get());
    EXPECT_EQ(t.frame->FindComponent("CBLZPreview")->GetStringProperty("Caption"), "Предпросмотр");

    // Switching to a language without a file changes nothing: translation only overwrites.
    TranslateControls({&t.form}, OpenLanguageFile("Klingon").get());
    EXPECT_EQ(t.ok->Caption(), "Да");
}

// A partial translation: a key the file lacks keeps the built-in text, so no error box or page
// goes blank; an empty value is the translator's choice and stays empty.
TEST_F(Localisation, LangTextJoinsPiecesAndFallsBackToTheBuiltInTextForMissingKeys) {
    EXPECT_EQ(LangText("Error", "ErrorCaption"), "Error");
    Language("Test.ini",
             EncodeText("[Misc]\r\nA=a*|*b\r\nB=*|*a\r\nC=*|*a*|*b\r\nD=x*|*y*|*z\r\nEmpty=",
                        TextEncoding::Utf16LeBom));
    SetCurrentLanguageFile(OpenLanguageFile("Test"));
    struct Case {
        const char* key;
        const char* text;
    } cases[] = {{"A", "a\r\nb"},      {"b", "\r\na"}, {"C", "a\r\nb"},
                 {"D", "x\r\ny\r\nz"}, {"Empty", ""},  {"ErrorCaption", "default"}};
    for (const Case& c : cases) {
        EXPECT_EQ(LangText("default", c.key), c.text) << c.key;
    }
    ReleaseCurrentLanguageFile();
    EXPECT_EQ(LangText("default", "A"), "default");
}

TEST_F(Localisation, LanguageListAndOpeningFollowFileNames) {
    Language("English.ini", "");
    Language("My.Lang.ini", "[Misc]\r\nX=1\r\n");
    Language("Notes.txt", "");
    TStrings list;
    FillLanguageList(list);
    std::vector<std::string> names = list.List();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"English", "My.Lang"}));
    EXPECT_FALSE(OpenLanguageFile("My.Lang"));  // has an extension: no ".ini" added
    EXPECT_TRUE(OpenLanguageFile("My.Lang.ini"));

    FillLanguageList(list, folder.File("missing") + "/");
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(Localisation, BrokenFilesShowWhatTheyCanAndAreNeverWritten) {
    TestForm t;
    // UTF-8 without a mark, cut by the cap inside its last character: still UTF-8.
    std::string huge = "[Form1]\r\nForm1.BOK.Caption=Да\r\n";
    huge += std::string(TLanguageFile::kMaxFileSize - huge.size() - 1, 'x');
    huge += "\xC3\xA9\r\nForm1.BCancel.Caption=beyond the cap\r\n";
    const std::string files[] = {
        std::string("[Form1\0]\r\n\xFF\xFE[[[=]]]\r\n=\r\n[]\r\nForm1.BOK.Caption", 34),
        std::string("\xEF\xBB\xBF[Form1]\r\nForm1.Label1.Caption=a\xC3\x28z\r\n"),
        std::string("\xFF\xFE\x00", 3),
        huge,
    };
    for (const std::string& bytes : files) {
        Language("Bad.ini", bytes);
        TranslateControls({&t.form}, OpenLanguageFile("Bad").get());
        EXPECT_EQ(ReadBytes(folder.File("Language/Bad.ini")), bytes);
    }
    EXPECT_EQ(t.label->Caption(), "a\xEF\xBF\xBD(z");  // invalid UTF-8 shows as U+FFFD
    EXPECT_EQ(t.ok->Caption(), "Да");
    EXPECT_EQ(FindOwnedCaption(t.form, "BCancel"), "Cancel");
}

}  // namespace
}  // namespace lenzor
