#include "ui/peer_factory_win.h"

#include "ui/container_peers_win.h"
#include "ui/form_peer_win.h"
#include "ui/graphic_peers_win.h"
#include "ui/hot_key.h"
#include "ui/image.h"
#include "ui/or_image.h"
#include "ui/page_control.h"
#include "ui/page_peers_win.h"
#include "ui/range_peers_win.h"
#include "ui/std_peers_win.h"

#include <stdexcept>

namespace lenzor {
namespace {

template <class Peer, class... Args> std::unique_ptr<ControlPeer> Make(Args&&... args) {
    auto peer = std::make_unique<Peer>(std::forward<Args>(args)...);
    peer->Create();
    return peer;
}

PictureView ImageView(const TImage& image) {
    PictureView view;
    const TPicture& picture = image.Picture();
    if (picture.GetKind() == TPicture::Kind::Bitmap) {
        view.bitmap = &picture.Bitmap();
    } else if (picture.GetKind() == TPicture::Kind::Icon) {
        view.iconResource = picture.IconResource();
    }
    view.destination = image.DestinationRect();
    view.transparent = image.Transparent();
    return view;
}

PictureView EffectImageView(const TOrImage& image) {
    PictureView view;
    if (!image.DisplayPicture().Empty()) {
        view.bitmap = &image.DisplayPicture();
    }
    view.destination = image.DestinationRect();
    view.transparent = image.Transparent();
    return view;
}

}  // namespace

Win32PeerFactory::Win32PeerFactory() {
    INITCOMMONCONTROLSEX classes{};
    classes.dwSize = sizeof(classes);
    classes.dwICC = ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS |
                    ICC_HOTKEY_CLASS | ICC_WIN95_CLASSES;
    InitCommonControlsEx(&classes);
}

std::unique_ptr<ControlPeer> Win32PeerFactory::CreatePeer(TControl& control) {
    // Most derived kinds first: a spin edit is an edit, a tab sheet a container.
    if (auto* form = dynamic_cast<TCustomForm*>(&control)) {
        return Make<FormPeer>(*form);
    }
    if (auto* spin = dynamic_cast<TSpinEdit*>(&control)) {
        return Make<SpinEditPeer>(*spin);
    }
    if (auto* edit = dynamic_cast<TEdit*>(&control)) {
        return Make<EditPeer>(*edit);
    }
    if (auto* memo = dynamic_cast<TMemo*>(&control)) {
        return Make<MemoPeer>(*memo);
    }
    if (auto* combo = dynamic_cast<TComboBox*>(&control)) {
        return Make<ComboBoxPeer>(*combo);
    }
    if (auto* button = dynamic_cast<TButton*>(&control)) {
        return Make<ButtonPeer>(*button);
    }
    if (auto* box = dynamic_cast<TCheckBox*>(&control)) {
        return Make<CheckBoxPeer>(*box);
    }
    if (dynamic_cast<TLabel*>(&control)) {
        return Make<LabelPeer>(control);
    }
    if (auto* bar = dynamic_cast<TTrackBar*>(&control)) {
        return Make<TrackBarPeer>(*bar);
    }
    if (auto* hotKey = dynamic_cast<THotKey*>(&control)) {
        return Make<HotKeyPeer>(*hotKey);
    }
    if (auto* pages = dynamic_cast<TPageControl*>(&control)) {
        return Make<PageControlPeer>(*pages);
    }
    if (dynamic_cast<TTabSheet*>(&control)) {
        return Make<TabSheetPeer>(control);
    }
    if (dynamic_cast<TGroupBox*>(&control)) {
        return Make<GroupBoxPeer>(control);
    }
    if (dynamic_cast<TPanel*>(&control)) {
        return Make<PanelPeer>(control);
    }
    if (auto* image = dynamic_cast<TOrImage*>(&control)) {
        return Make<EffectImagePeer>(control, [image] { return EffectImageView(*image); });
    }
    if (auto* image = dynamic_cast<TImage*>(&control)) {
        return Make<PicturePeer>(control, [image] { return ImageView(*image); });
    }
    if (dynamic_cast<TPaintBox*>(&control)) {
        return Make<PaintBoxPeer>(control);
    }
    if (dynamic_cast<TBevel*>(&control)) {
        return Make<BevelPeer>(control);
    }
    if (dynamic_cast<TWinControl*>(&control)) {
        return Make<ContainerPeer>(control);  // frames and other plain containers
    }
    throw std::logic_error("No Win32 peer for control " + control.Name());
}

Win32PeerFactory& Win32Peers() {
    static Win32PeerFactory factory;
    return factory;
}

}  // namespace lenzor
