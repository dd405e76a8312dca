// The whole program's logic on the headless component model: start-up, the first start, the
// dialog's OK, Cancel and close box, validation, the preview, languages and the template.
#include "fake_platform.h"

#include "../options/temp_folder.h"
#include "app/frame_lenzor_opt.h"
#include "app/main_controller.h"
#include "app/settings.h"
#include "app/web_addresses.h"
#include "core/format_settings.h"
#include "lang/ini_lang.h"
#include "options/file_system.h"
#include "options/opt_system.h"
#include "ui/image.h"
#include "ui/menu.h"
#include "ui/or_image.h"
#include "ui/page_control.h"
#include "ui/hot_key.h"
#include "ui/range_controls.h"
#include "ui/std_controls.h"
#include "ui/timer.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace lenzor {
namespace {

using testing::FakePlatform;
using testing::FakeWindow;

class MainForm : public ::testing::Test {
protected:
    MainForm() { SetProgramFolder(folder.File("")); }
    ~MainForm() override {
        app.reset();
        ReleaseCurrentLanguageFile();
        SetProgramFolder("");
        SetCurrentFormatSettings(FormatSettings{});
    }

    TForm1& Start(std::vector<std::string> arguments = {}) {
        app = std::make_unique<TMainController>(platform, std::move(arguments));
        platform.form = &app->Form();
        app->FormCreate();
        return app->Form();
    }
    TForm1& Form() { return app->Form(); }
    std::string Ini() const { return ReadBytes(folder.File("Lenzor.ini")); }
    void WriteIni(const std::string& text) { WriteBytes(folder.File("Lenzor.ini"), text); }
    TFrameLenzorOpt& Frame() { return *app->Form().FrameLenzorOpt1; }
    TLenzor& Lens() { return app->Lens(); }

    TempFolder folder;
    FakePlatform platform;
    std::unique_ptr<TMainController> app;
};

TEST_F(MainForm, FirstStartOpensTheDialogOnceAndStoresOnlyTheFlag) {
    TForm1& f = Start();
    EXPECT_FALSE(f.Visible());
    EXPECT_FALSE(Lens().IsShown());
    ASSERT_TRUE(f.Timer1->Enabled());  // the first-start check needs the timer
    EXPECT_EQ(platform.trayMenu, f.PopupMenuTray);

    f.Timer1->Trigger();
    EXPECT_EQ(Ini(), "[Common]\r\nFirstStart=0\r\n");
    EXPECT_TRUE(f.Visible());
    EXPECT_FALSE(f.Showglass1->Enabled());
    EXPECT_FALSE(f.Timer1->Enabled());  // lens hidden, nothing left to check: no idle ticks

    f.Close();  // the close box acts as Cancel
    EXPECT_FALSE(f.Visible());
    EXPECT_TRUE(f.Showglass1->Enabled());
    EXPECT_FALSE(platform.terminated);
    EXPECT_EQ(Ini(), "[Common]\r\nFirstStart=0\r\n");

    Start();  // the next start stays in the tray
    EXPECT_FALSE(Form().Timer1->Enabled());
    EXPECT_FALSE(Form().Visible());
}

TEST_F(MainForm, OkStoresEveryControlAndTheLensRunsWithIt) {
    WriteIni("[Common]\r\nFirstStart=0\r\n");
    std::filesystem::create_directories(PathFromUtf8(folder.File("Language")));
    WriteBytes(folder.File("Language/English.ini"), "");
    WriteBytes(folder.File("Language/German.ini"), "");
    TForm1& f = Start();
    app->MenuOptions1Click();
    // A language switch reloads every control, so it comes first.
    f.outCBLanguage->Select(f.outCBLanguage->Items().IndexOf("German"));
    TFrameLenzorOpt& o = Frame();
    o.TrackBarLZAlpha->SetPosition(200);
    o.CBLZZoomFactor->TypeText("3.5");
    o.EUpdateTimeS->SetText("0.25");
    o.CBLZPosition2->Select(3);
    o.CBLZContrast->Select(2);
    o.Button1->Click();  // "Intense"
    o.SELZSizeH->SetText("300");
    o.SELZSizeW->SetText("320");
    o.SELZCornerTrackOffset->SetValue(7);
    o.SELZLeftFixed->SetValue(-40);
    o.SELZTopFixed->SetValue(12);
    o.CBFixedPassThroughtCursor->SetChecked(false);
    o.TrackBarBreakageTV->SetPosition(-7);
    f.CBSwitchToGlassAfterRun->SetChecked(true);
    f.CBAutoRunApp->SetChecked(true);
    f.HotKey1->TypeKey('K', ssCtrl | ssShift);
    f.BOK->Click();

    EXPECT_EQ(Ini(),
              "[Common]\r\nFirstStart=0\r\nShowAfterStart=1\r\nLanguage=German\r\n"
              "HotKeyShowGlass=24651\r\nHotKeyZoomIn=49185\r\nHotKeyZoomOut=49186\r\n"
              "HotKeyFreeze=0\r\nHotKeyCopy=0\r\nHotKeyCopyColor=0\r\n"
              "[MouseControl]\r\nLenzor.ZoomFactor=3.5\r\nLenzor.Alpha=200\r\n"
              "Lenzor.ContrastMode=2\r\nLenzor.PositionMode=3\r\nLenzor.CornerTrackOffSet=7\r\n"
              "Lenzor.Width=320\r\nLenzor.Height=300\r\nLenzor.UpdateInterval=250\r\n"
              "Lenzor.LeftFixed=-40\r\nLenzor.TopFixed=12\r\n"
              "Lenzor.FixedContrast.Brightness=-207\r\nLenzor.FixedContrast.Contrast=703\r\n"
              "Lenzor.FixedContrast.Saturation=876\r\nLenzor.MouseThrough=0\r\n"
              "Lenzor.BreakageTVLevel=-7\r\nLenzor.LiveFollow=1\r\nLenzor.Smooth=0\r\n"
              "Lenzor.ShowColor=0\r\nLenzor.PixelGrid=0\r\nLenzor.VisibleToCapture=0\r\n");
    EXPECT_FALSE(f.Visible());
    EXPECT_TRUE(platform.autoRun);
    EXPECT_EQ(Lens().PositionMode(), 3);
    EXPECT_EQ(platform.lensWindows[0]->bounds.Width(), 320);
    ASSERT_FALSE(platform.hotKeys.empty());
    EXPECT_EQ(platform.hotKeys.back(),
              std::make_pair(THKeyMods{kmCtrl, kmShift}, std::uint8_t{'K'}));
    EXPECT_EQ(f.Showglass1->ShortCutText(), "Shift+Ctrl+K");

    // The next start reads it all back into the lens.
    Start();
    EXPECT_EQ(Lens().ZoomFactor(), 3.5);
    EXPECT_EQ(Lens().UpdateInterval(), 250u);
    EXPECT_EQ(Lens().FixedSaturation(), 876);
    EXPECT_TRUE(Lens().IsShown());  // "Show Glass after application start"
    EXPECT_TRUE(Form().Showglass1->Checked());
    EXPECT_TRUE(Form().Timer1->Enabled());
    EXPECT_EQ(Form().outCBLanguage->Text(), "German");
}

TEST_F(MainForm, InvalidEntriesKeepTheDialogOpenAndTheFileAsItWas) {
    WriteIni("[Common]\r\nFirstStart=0\r\n");
    TForm1& f = Start();
    app->MenuOptions1Click();
    TFrameLenzorOpt& o = Frame();
    o.PageControl1->SelectPage(2);
    struct Case {
        std::string zoom, seconds, message;
    } cases[] = {
        {"0", "0.1", "Error|Syntax error in \"Zoom factor\" value!"},
        {"-2", "0.1", "Error|Syntax error in \"Zoom factor\" value!"},
        {"two", "0.1", "Error|Syntax error in \"Zoom factor\" value!"},
        {"2", "-0.001", "Error|Syntax error in \"Update Interval\" value!"},
        {"2", "4294967.296", "Error|Syntax error in \"Update Interval\" value!"},
        {"2", "1,5", "Error|Syntax error in \"Update Interval\" value!"},
    };
    for (const Case& c : cases) {
        platform.boxes.clear();
        o.CBLZZoomFactor->TypeText(c.zoom);
        o.EUpdateTimeS->SetText(c.seconds);
        f.BOK->Click();
        EXPECT_EQ(platform.boxes, std::vector<std::string>{c.message})
            << c.zoom << " " << c.seconds;
        EXPECT_TRUE(f.Visible());
        EXPECT_EQ(o.PageControl1->ActivePage(), o.TabSheet3);
        EXPECT_EQ(f.ActiveControl(), c.message.find("Zoom") != std::string::npos
                                         ? static_cast<TControl*>(o.CBLZZoomFactor)
                                         : o.EUpdateTimeS);
    }
    EXPECT_EQ(Ini(), "[Common]\r\nFirstStart=0\r\n");
    EXPECT_EQ(Lens().ZoomFactor(), 2.0);  // fields before the faulty one were written
    EXPECT_EQ(Lens().UpdateInterval(), 100u);

    struct Interval {
        std::string seconds;
        std::uint32_t milliseconds;
    } intervals[] = {{"0.0625", 62}, {"0.1875", 188}, {"4294967.295", 4294967295u}, {"0", 0}};
    for (const Interval& i : intervals) {
        o.CBLZZoomFactor->TypeText("2");
        o.EUpdateTimeS->SetText(i.seconds);
        EXPECT_TRUE(o.ApplyToLens(Lens(), true)) << i.seconds;
        EXPECT_EQ(Lens().UpdateInterval(), i.milliseconds) << i.seconds;
    }

    FormatSettings comma;
    comma.decimalSeparator = ',';
    SetCurrentFormatSettings(comma);
    o.CBLZZoomFactor->TypeText("1.5");
    EXPECT_FALSE(o.ApplyToLens(Lens(), false));
    o.CBLZZoomFactor->TypeText("1,5");
    o.EUpdateTimeS->SetText("0,5");
    EXPECT_TRUE(o.ApplyToLens(Lens(), false));
    f.LoadDialogControls();
    EXPECT_EQ(o.CBLZZoomFactor->Text(), "1,5");
    EXPECT_EQ(o.EUpdateTimeS->Text(), "0,5");
}

TEST_F(MainForm, TheTrayStatesFollowTheStateTable) {
    WriteIni("[Common]\r\nFirstStart=0\r\nHotKeyShowGlass=49223\r\n");
    TForm1& f = Start();
    EXPECT_EQ(f.Showglass1->ShortCutText(), "Ctrl+Alt+G");
    platform.hotKeyPressed(0);  // lens on
    EXPECT_TRUE(Lens().IsShown());
    EXPECT_TRUE(f.Showglass1->Checked());
    EXPECT_TRUE(f.Timer1->Enabled());

    app->MenuOptions1Click();  // dialog open: lens hidden, hot key inert
    EXPECT_FALSE(Lens().IsShown());
    platform.hotKeyPressed(0);
    app->Showglass1Click();
    EXPECT_FALSE(Lens().IsShown());
    EXPECT_TRUE(f.Showglass1->Checked());
    f.BCancel->Click();  // back to "lens on"
    EXPECT_TRUE(Lens().IsShown());

    app->Showglass1Click();
    EXPECT_FALSE(Lens().IsShown());
    EXPECT_FALSE(f.Timer1->Enabled());
    app->MenuOptions1Click();
    f.Close();  // close box: back to "lens off"
    EXPECT_FALSE(Lens().IsShown());
    EXPECT_FALSE(f.Visible());

    app->MenuOptions1Click();
    EXPECT_TRUE(app->WMQueryEndSession());
    app->WMEndSession(false);  // a cancelled shutdown: the close box hides again
    f.Close();
    EXPECT_FALSE(platform.terminated);
    app->MenuOptions1Click();
    f.Exit1->Click();  // "Exit" with the dialog open quits without saving
    EXPECT_TRUE(platform.terminated);
    EXPECT_EQ(Ini(), "[Common]\r\nFirstStart=0\r\nHotKeyShowGlass=49223\r\n");
}

TEST_F(MainForm, StoredHotKeysThatAreNoCombinationRegisterNothing) {
    struct Case {
        const char* stored;
        bool registers;
        const char* text;
    } cases[] = {{"0", false, ""},     {"49223", true, "Ctrl+Alt+G"},
                 {"16684", false, ""}, {"70000", false, ""},
                 {"-1", false, ""},    {"8257", true, "Shift+A"}};
    for (const Case& c : cases) {
        WriteIni(std::string("[Common]\r\nFirstStart=0\r\nHotKeyShowGlass=") + c.stored + "\r\n");
        platform.hotKeys.clear();
        Start();
        EXPECT_EQ(!platform.hotKeys.empty(), c.registers) << c.stored;
        EXPECT_EQ(Form().Showglass1->ShortCutText(), c.text) << c.stored;
    }
}

// The show/hide key holds for the whole run; the tools' keys only while the lens shows. A key
// another program holds is reported once and never shown as working.
TEST_F(MainForm, ToolKeysHoldOnlyWhileTheLensShowsAndTakenKeysAreReportedOnce) {
    WriteIni("[Common]\r\nFirstStart=0\r\nHotKeyShowGlass=49223\r\nHotKeyFreeze=49222\r\n"
             "HotKeyCopy=49219\r\nHotKeyCopyColor=garbage\r\n");
    platform.takenKeys = {'C'};  // Ctrl+Alt+C, the copy key
    TForm1& f = Start();
    auto ids = [&] {
        std::vector<THKeyID> active;
        for (const auto& [id, key] : platform.registered) {
            active.push_back(id);
        }
        return active;
    };
    EXPECT_EQ(ids(), std::vector<THKeyID>{0});
    EXPECT_FALSE(f.Zoomin1->Enabled());
    EXPECT_TRUE(platform.boxes.empty());

    app->Showglass1Click();
    EXPECT_EQ(ids(), (std::vector<THKeyID>{0, 1, 2, 3}));  // show, zoom in and out, freeze
    EXPECT_TRUE(f.Zoomin1->Enabled());
    EXPECT_EQ(f.Zoomin1->ShortCutText(), "Ctrl+Alt+PgUp");
    EXPECT_EQ(f.Freezeglass1->ShortCutText(), "Ctrl+Alt+F");
    EXPECT_EQ(f.Copyglasspicture1->ShortCutText(), "");  // taken
    EXPECT_EQ(f.Copycolour1->ShortCutText(), "");        // no combination
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_NE(platform.boxes[0].find("Ctrl+Alt+C (Copy glass picture)"), std::string::npos);

    app->Showglass1Click();
    EXPECT_EQ(ids(), std::vector<THKeyID>{0});
    EXPECT_EQ(f.Copyglasspicture1->ShortCutText(), "");
    app->Showglass1Click();
    EXPECT_EQ(platform.boxes.size(), 1u);  // told once a run

    platform.hotKeyPressed(3);  // the freeze key acts like its tray entry
    EXPECT_TRUE(Lens().Frozen());
    EXPECT_TRUE(f.Freezeglass1->Checked());
    app->Showglass1Click();  // hiding ends the freeze
    EXPECT_FALSE(Lens().Frozen());
    EXPECT_FALSE(f.Freezeglass1->Checked());
    platform.hotKeyPressed(3);  // the tray entry is disabled now: nothing happens
    EXPECT_FALSE(Lens().Frozen());
}

// Each press takes the next factor of the list and stores it alone: every other byte of the file
// stays. The dialog shows the new factor when it opens.
TEST_F(MainForm, ZoomKeysStepThroughTheListAndStoreOnlyTheFactor) {
    const std::string head = "; kept as it is\r\n[Common]\r\nFirstStart=0\r\n[MouseControl]\r\n";
    const std::string tail = "Lenzor.Alpha = 77\r\n[Other]\r\nx=1\r\n";
    struct Case {
        const char* stored;
        bool zoomIn;
        double expected;
        const char* line;  // the factor's line afterwards, or nothing when the file stays
    } cases[] = {
        {"2", true, 2.5, "Lenzor.ZoomFactor=2.5\r\n"},
        {"2", false, 1.5, "Lenzor.ZoomFactor=1.5\r\n"},
        {"2.2", true, 2.5, "Lenzor.ZoomFactor=2.5\r\n"},
        {"2.2", false, 2, "Lenzor.ZoomFactor=2\r\n"},
        {"32", true, 32, nullptr},
        {"0.7", false, 0.7, nullptr},
        {"0.5", true, 0.7, "Lenzor.ZoomFactor=0.7\r\n"},
        {"100", false, 32, "Lenzor.ZoomFactor=32\r\n"},
    };
    for (const Case& c : cases) {
        const std::string stored = std::string("Lenzor.ZoomFactor=") + c.stored + "\r\n";
        WriteIni(head + stored + tail);
        TForm1& f = Start();
        const FakeWindow& window = *platform.lensWindows.back();
        app->Showglass1Click();
        (c.zoomIn ? f.Zoomin1 : f.Zoomout1)->Click();
        EXPECT_EQ(Lens().ZoomFactor(), c.expected) << c.stored;
        EXPECT_EQ(Ini(), head + (c.line ? c.line : stored) + tail) << c.stored;
        if (c.line) {
            EXPECT_EQ(window.overlay.badge, "x" + NumberText(c.expected));
        }
    }
    app->MenuOptions1Click();
    EXPECT_EQ(Frame().CBLZZoomFactor->Text(), "32");
}

TEST_F(MainForm, ToolEntriesCopyThePictureAndTheColourUnderThePointer) {
    WriteIni("[Common]\r\nFirstStart=0\r\n[MouseControl]\r\nLenzor.ContrastMode=1\r\n");
    TForm1& f = Start();
    app->Showglass1Click();
    f.Copyglasspicture1->Click();  // nothing drawn yet: nothing to copy
    EXPECT_TRUE(platform.clipboard.empty());
    platform.system.tick += 1000;
    f.Timer1->Trigger();
    f.Copyglasspicture1->Click();
    ASSERT_EQ(platform.clipboardPictures.size(), 1u);
    EXPECT_EQ(platform.clipboardPictures[0], platform.lensWindows[0]->presented.back());

    platform.system.pointer = {300, 200};
    f.Copycolour1->Click();  // the screen's own colour, not the negative the lens shows
    const std::uint32_t color = testing::ScreenColor(300, 200);
    char expected[8];
    std::snprintf(expected, sizeof expected, "#%02X%02X%02X", color & 0xFF, (color >> 8) & 0xFF,
                  color >> 16);
    EXPECT_EQ(platform.clipboard.back(), std::string("text:") + expected);
}

// A settings file that cannot be written: the user is told, the dialog still opens at the first
// start and stays open on OK, and what does not live in the file (the lens, autorun) still
// takes the choice.
TEST_F(MainForm, ASettingsFileThatCannotBeWrittenIsReportedAndLosesNothingElse) {
    std::filesystem::create_directories(PathFromUtf8(folder.File("Lenzor.ini")));
    TForm1& f = Start();
    f.Timer1->Trigger();  // the first start
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].rfind("Error|", 0), 0u);
    EXPECT_NE(platform.boxes[0].find(folder.File("Lenzor.ini")), std::string::npos);
    EXPECT_TRUE(f.Visible());

    Frame().CBLZZoomFactor->TypeText("3");
    f.CBAutoRunApp->SetChecked(true);
    f.BOK->Click();
    EXPECT_EQ(platform.boxes.size(), 2u);
    EXPECT_TRUE(f.Visible());
    EXPECT_EQ(Lens().ZoomFactor(), 3.0);
    EXPECT_TRUE(platform.autoRun);

    platform.autoRunWritable = false;  // now the registry refuses too
    f.CBAutoRunApp->SetChecked(false);
    f.BOK->Click();
    ASSERT_EQ(platform.boxes.size(), 4u);
    EXPECT_EQ(platform.boxes[3], "Lenzor|" + std::string(kMsgAutoRunFailed.text));
}

TEST_F(MainForm, TheLinksOpenTheWebSiteAndTheProPage) {
    TForm1& f = Start();
    f.LabelWebAdress->Click();
    f.PaintBox1->Click();
    f.Label4->Click();
    f.Image3->Click();
    const std::string site(kWebSiteAddress), pro(kProPageAddress);
    EXPECT_EQ(platform.opened, (std::vector<std::string>{site, site, pro, pro}));
}

TEST_F(MainForm, APreviewLensFollowsEveryEditUntilTheDialogCloses) {
    WriteIni("[Common]\r\nFirstStart=0\r\n[MouseControl]\r\nLenzor.PositionMode=3\r\n");
    TForm1& f = Start();
    app->MenuOptions1Click();
    TFrameLenzorOpt& o = Frame();
    o.CBLZPreview->Click();
    ASSERT_EQ(platform.lensWindows.size(), 2u);
    FakeWindow& preview = *platform.lensWindows[1];
    EXPECT_TRUE(preview.visible);
    EXPECT_TRUE(o.TimerLZPreview2->Enabled());

    o.TrackBarLZAlpha->SetPosition(77);
    o.CBTakeCoordsFromPreview->SetChecked(true);
    preview.bounds = {300, 200, 550, 450};  // the user drags the preview
    platform.system.tick += 1000;
    o.TimerLZPreview2->Trigger();
    EXPECT_EQ(o.PreviewLens()->Alpha(), 77);
    EXPECT_EQ(preview.alpha, 77);
    EXPECT_TRUE(o.PreviewLens()->HoldPosition());
    EXPECT_EQ(o.SELZLeftFixed->Value(), 300);
    EXPECT_EQ(o.SELZTopFixed->Value(), 200);
    EXPECT_EQ(Lens().Alpha(), 160);  // the main lens waits for OK

    // Every tick applies all fifteen values again; values the lens holds already must not
    // touch its window (style, frame, size), or the preview flickers.
    const int styles = preview.clickThroughChanges, borders = preview.borderChanges;
    const int resizes = preview.resizes;
    for (int i = 0; i < 3; ++i) {
        o.TimerLZPreview2->Trigger();
    }
    EXPECT_EQ(preview.clickThroughChanges, styles);
    EXPECT_EQ(preview.borderChanges, borders);
    EXPECT_EQ(preview.resizes, resizes);
    o.CBFixedPassThroughtCursor->Click();  // a real change still reaches it
    o.CBTakeCoordsFromPreview->SetChecked(false);
    o.TimerLZPreview2->Trigger();
    EXPECT_GT(preview.clickThroughChanges, styles);
    o.CBTakeCoordsFromPreview->SetChecked(true);

    o.CBLZPosition2->DropDown();  // opening the position list ends the preview
    EXPECT_FALSE(o.CBLZPreview->Checked());
    EXPECT_EQ(o.PreviewLens(), nullptr);
    o.CBLZPreview->Click();
    f.BOK->Click();  // hiding the dialog ends it too
    EXPECT_EQ(o.PreviewLens(), nullptr);
    EXPECT_TRUE(Lens().HoldPosition());  // kept from the preview's coordinates
    EXPECT_EQ(Lens().LeftFixed(), 300);
}

TEST_F(MainForm, PanelsAndThePreviewBoxShowWhereTheyBelong) {
    TForm1& f = Start();
    f.Timer1->Trigger();
    TFrameLenzorOpt& o = Frame();
    for (int mode = 0; mode < 4; ++mode) {
        o.CBLZPosition2->Select(mode);
        EXPECT_EQ(o.PanelCornerTrackOpt->Visible(), mode == 1);
        EXPECT_EQ(o.PanelFixedPosOpt->Visible(), mode >= 2);
        EXPECT_EQ(o.CBFixedPassThroughtCursor->Visible(), mode >= 2);
        o.CBLZContrast->Select(mode);
        EXPECT_EQ(o.PanelFixedContrastOpt->Visible(), mode == 2);
        EXPECT_EQ(o.PanelBrokenTVContrastOpt->Visible(), mode == 3);
    }
    TPageControl& pages = *o.PageControl1;
    ASSERT_EQ(pages.PageCount(), 6);
    const char* captions[] = {"General", "Basic options", "Advanced options", "Tools",
                              "Pro version", "About"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(pages.Pages(i)->Caption(), captions[i]);
        pages.SelectPage(i);
        EXPECT_EQ(o.CBLZPreview->Visible(), i >= 1 && i <= 3) << i;
    }

    o.Button2->Click();  // "None"
    EXPECT_EQ(o.TrackBarContrast->Position(), 0);
    o.CBLZZoomFactor->Select(o.CBLZZoomFactor->Items().Count() - 1);  // "(enter any...)"
    EXPECT_TRUE(o.TimerComboBoxErase1->Enabled());
    o.TimerComboBoxErase1->Trigger();
    EXPECT_EQ(o.CBLZZoomFactor->Text(), "");
    EXPECT_FALSE(o.TimerComboBoxErase1->Enabled());
    o.CBLZZoomFactor->TypeText("5");
    f.BOK->Click();
    EXPECT_EQ(Lens().ZoomFactor(), 5.0);
}

// The dialog widens for its six tabs once its pages exist: whatever is anchored to the right
// follows, and nothing any page holds sticks out of its parent.
TEST_F(MainForm, TheWidenedDialogKeepsEveryControlInsideItsParent) {
    TForm1& f = Start();
    std::vector<const TComponent*> owners = {&f, f.FrameLenzorOpt1};
    std::vector<std::string> outside;
    for (const TComponent* owner : owners) {
        for (int i = 0; i < owner->ComponentCount(); ++i) {
            const auto* control = dynamic_cast<const TControl*>(owner->Components(i));
            if (!control || !control->Parent() || control == Frame().CBLZPreview) {
                continue;  // the preview box lies over the pages on purpose
            }
            const TControl& parent = *control->Parent();
            if (control->Left() < 0 || control->Top() < 0 ||
                control->Left() + control->Width() > parent.Width() ||
                control->Top() + control->Height() > parent.Height()) {
                outside.push_back(control->Name());
            }
        }
    }
    EXPECT_EQ(outside, std::vector<std::string>{});
    // The right edges line up with the pages' margins again.
    const TControl& page = *Frame().TabSheet3;
    EXPECT_EQ(Frame().GroupBox3->Left() + Frame().GroupBox3->Width(), page.Width() - 8);
    EXPECT_EQ(f.HotKeyCopyColor->Left() + f.HotKeyCopyColor->Width(),
              f.GroupBoxToolKeys->Width() - 10);
    EXPECT_EQ(f.BCancel->Left() + f.BCancel->Width(), f.ClientWidth() - 8);
}

TEST_F(MainForm, ALanguageRecaptionsTheDialogAndNamesItsTexts) {
    std::filesystem::create_directories(PathFromUtf8(folder.File("Language")));
    WriteBytes(folder.File("Language/German.ini"),
               "\xEF\xBB\xBF[Form1]\r\nForm1.BOK.Caption=Übernehmen\r\n"
               "Form1.Showglass1.Caption=Lupe zeigen\r\n"
               "[FrameLenzorOpt1]\r\nFrameLenzorOpt1.TabSheet3.Caption=Grundeinstellungen\r\n"
               "FrameLenzorOpt1.CBLZZoomFactor.Items[0]=0,7\r\n"
               "FrameLenzorOpt1.CBLZZoomFactor.Items[14]=(beliebig...)\r\n"
               "[Misc]\r\nGeneral=Allgemein\r\nReadme.txt=Liesmich.txt\r\n");
    WriteBytes(folder.File("Liesmich.txt"), "Zeile 1\r\nZeile 2\r\n");
    WriteBytes(folder.File("Readme.txt"), "Line 1\r\n");
    WriteIni("[Common]\r\nFirstStart=0\r\nLanguage=german\r\n");
    TForm1& f = Start();
    EXPECT_EQ(f.outCBLanguage->Text(), "German");
    EXPECT_EQ(f.BOK->Caption(), "Übernehmen");
    EXPECT_EQ(f.Showglass1->Caption(), "Lupe zeigen");
    EXPECT_EQ(f.FSheetGeneral->Caption(), "Allgemein");
    EXPECT_EQ(f.FSheetAbout->Caption(), "About");  // a loaded file without the key
    EXPECT_EQ(Frame().TabSheet3->Caption(), "Grundeinstellungen");
    EXPECT_EQ(Frame().CBLZZoomFactor->Items().Strings(0), "0.7");  // numbers keep the locale's form
    EXPECT_EQ(Frame().CBLZZoomFactor->Items().Strings(14), "(beliebig...)");
    EXPECT_EQ(f.outMemo1->Lines().List(), (std::vector<std::string>{"Zeile 1", "Zeile 2"}));
    EXPECT_EQ(f.outMemoProAdv->Lines().Count(), 0);  // its file is missing: empty, on it goes

    // Back to a language without a file: page captions and texts are the built-in ones again,
    // the translated captions stay, unsaved edits are dropped.
    app->MenuOptions1Click();
    Frame().TrackBarLZAlpha->SetPosition(3);
    f.outCBLanguage->Items().Add("English");
    f.outCBLanguage->Select(1);
    EXPECT_EQ(f.FSheetGeneral->Caption(), "General");
    EXPECT_EQ(f.BOK->Caption(), "Übernehmen");
    EXPECT_EQ(f.outMemo1->Lines().List(), (std::vector<std::string>{"Line 1"}));
    EXPECT_EQ(Frame().TrackBarLZAlpha->Position(), 160);
}

TEST_F(MainForm, LanguageBuildWritesTheTemplateEachTimeTheDialogShows) {
    TForm1& f = Start({"-l"});
    f.Timer1->Trigger();
    EXPECT_EQ(platform.boxes, std::vector<std::string>{"|Language Build"});
    const std::string custom = ReadBytes(folder.File("Custom.ini"));
    std::size_t at = custom.find("[Form1]\r\n");
    for (const char* line :
         {"Form1.Caption=Lenzor\r\n", "Form1.BOK.Caption=OK\r\n",
          "Form1.BCancel.Caption=Cancel\r\n", "Form1.Showglass1.Caption=Show glass\r\n",
          "Form1.MenuOptions1.Caption=Options...\r\n", "Form1.Exit1.Caption=Exit\r\n"}) {
        ASSERT_NE(at, std::string::npos) << line;
        at = custom.find(line, at);
        EXPECT_NE(at, std::string::npos) << line;
    }
    EXPECT_NE(custom.find("FrameLenzorOpt1.CBLZContrast.Items[3]=Broken TV (CPU max)"),
              std::string::npos);
    EXPECT_EQ(custom.find("outMemo1"), std::string::npos);
    EXPECT_EQ(Form().Owner(), nullptr);  // lent to the temporary form and taken back
}

}  // namespace
}  // namespace lenzor
