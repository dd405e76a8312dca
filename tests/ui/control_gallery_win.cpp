// The control gallery: shows the test form with every control kind until it is closed, with the
// program's manifest (visual styles, per-monitor DPI) and icon. docs/make_controls_png.sh takes
// its screenshots.
#include "gallery_form.h"
#include "ui/dialog_keys_win.h"
#include "ui/peer_factory_win.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    lenzor::test_support::GalleryForm gallery;
    auto close = [&gallery](lenzor::TComponent&) { gallery.form.Close(); };
    gallery.BOK->OnClick = close;
    gallery.BCancel->OnClick = close;
    gallery.form.OnClose = [](lenzor::TComponent&) { PostQuitMessage(0); };
    // Like the dialog: the preview check box shows only on the option pages.
    auto showPreview = [&gallery](lenzor::TComponent&) {
        lenzor::TTabSheet* page = gallery.PageControl1->ActivePage();
        gallery.CBLZPreview->SetVisible(page != gallery.FSheetGeneral &&
                                        page != gallery.FSheetAbout);
    };
    gallery.PageControl1->OnChange = showPreview;
    showPreview(gallery.form);
    gallery.form.CreateHandle(lenzor::Win32Peers());
    gallery.form.Show();
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!lenzor::PreTranslateDialogMessage(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    return 0;
}
