// The effect image as a control: where its picture goes, the size AutoSize gives it, a repaint
// for every change of what it shows, the pointer's comings and goings, and the JPEG progress.
#include "ui/or_image.h"

#include "../effects/jpeg_encode.h"
#include "core/errors.h"
#include "ui/control_peer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace lenzor {
namespace {

struct RecordingFactory : PeerFactory {
    struct Peer : ControlPeer {
        explicit Peer(std::vector<ControlChange>& log) : log(log) {}
        void Changed(ControlChange what) override { log.push_back(what); }
        void SetFocus() override {}
        std::vector<ControlChange>& log;
    };
    std::unique_ptr<ControlPeer> CreatePeer(TControl&) override {
        return std::make_unique<Peer>(changes);
    }
    std::vector<ControlChange> changes;
};

TEST(OrImageControl, PlacesAndSizesItsPictureLikeAPictureControl) {
    TOrImage image(nullptr, "Image1");
    EXPECT_EQ(image.BoundsRect(), Bounds(0, 0, 105, 105));
    EXPECT_FALSE(image.Stretch() || image.Center() || image.Transparent() || image.AutoSize());
    image.SetPictureOriginal(Bitmap24(40, 30));

    struct Placement { bool stretch, center; TRect destination; };
    for (const Placement& p : {Placement{false, false, {0, 0, 40, 30}},
                               Placement{false, true, Bounds(32, 37, 40, 30)},
                               Placement{true, true, {0, 0, 105, 105}}}) {
        image.SetStretch(p.stretch);
        image.SetCenter(p.center);
        EXPECT_EQ(image.DestinationRect(), p.destination) << p.stretch << p.center;
    }

    // AutoSize takes the picture's sides the alignment leaves free.
    struct Sizing { TAlign align; int width, height; };
    for (const Sizing& s : {Sizing{TAlign::alNone, 40, 30}, Sizing{TAlign::alLeft, 40, 105},
                            Sizing{TAlign::alBottom, 105, 30}, Sizing{TAlign::alClient, 105, 105}}) {
        TOrImage sized(nullptr);
        sized.SetAlign(s.align);
        sized.SetPictureOriginal(Bitmap24(40, 30));
        sized.SetAutoSize(true);
        EXPECT_EQ(sized.Width(), s.width) << static_cast<int>(s.align);
        EXPECT_EQ(sized.Height(), s.height) << static_cast<int>(s.align);
    }
    image.SetAutoSize(true);
    image.SetPictureOriginal(Bitmap24(20, 10));
    EXPECT_EQ(image.BoundsRect(), Bounds(0, 0, 20, 10));
    image.SetPictureOriginal(Bitmap24());  // an empty picture leaves the size alone
    EXPECT_EQ(image.BoundsRect(), Bounds(0, 0, 20, 10));
}

TEST(OrImageControl, RepaintsOnEveryChangeOfWhatItShows) {
    RecordingFactory factory;
    TOrImage image(nullptr);
    image.CreatePeers(factory);
    Bitmap24 red(3, 2);
    red.SetPixelColor(0, 0, 0x0000FF);
    image.SetPictureOriginal(red);
    image.SetPicInvert(true);
    image.SetStretch(true);
    image.SetStretch(true);  // unchanged: no repaint
    image.SetCenter(true);
    image.SetTransparent(true);
    image.ResetEffects();
    const std::vector<ControlChange> repaint(6, ControlChange::Picture);
    EXPECT_EQ(factory.changes, repaint);
    EXPECT_EQ(image.DisplayPicture().PixelColor(0, 0), 0x0000FFu);
}

TEST(OrImageControl, ReportsThePointerAndTheJpegDecoding) {
    TOrImage image(nullptr);
    std::vector<std::string> events;
    image.OnMouseEnter = [&](TComponent&) { events.push_back("enter"); };
    image.OnMouseExit = [&](TComponent&) { events.push_back("exit"); };
    image.OnMouseMove = [&](TComponent&, int x, int y) {
        events.push_back("move " + std::to_string(x) + "," + std::to_string(y));
    };
    image.MouseMove(3, 4);  // a move alone marks the pointer inside
    EXPECT_TRUE(image.MouseInside());
    image.MouseExit();
    EXPECT_FALSE(image.MouseInside());
    image.MouseEnter();
    EXPECT_TRUE(image.MouseInside());
    EXPECT_EQ(events, (std::vector<std::string>{"move 3,4", "exit", "enter"}));

    RecordingFactory factory;
    image.CreatePeers(factory);
    image.SetIncrementalDisplay(true);
    events.clear();
    image.OnProgress = [&](TComponent&, TProgressStage stage, int percent, bool redraw,
                           const TRect& rect, const std::string&) {
        const auto paints = std::count(factory.changes.begin(), factory.changes.end(),
                                       ControlChange::RepaintNow);
        events.push_back(std::to_string(static_cast<int>(stage)) + " " + std::to_string(percent) +
                         (redraw ? " redraw " : " ") + std::to_string(rect.Width()) + " painted " +
                         std::to_string(paints));
    };
    const std::vector<uint8_t> jpeg = EncodeJpeg(24, 16, false);
    image.SetPictureOriginalJpeg(jpeg.data(), jpeg.size());
    EXPECT_EQ(image.PictureOriginal().Width(), 24);
    // A broken file ends its decoding too, and the picture stays.
    const std::vector<uint8_t> broken(jpeg.begin(), jpeg.begin() + 40);
    EXPECT_THROW(image.SetPictureOriginalJpeg(broken.data(), broken.size()), EImageError);
    EXPECT_EQ(image.PictureOriginal().Width(), 24);
    EXPECT_EQ(events, (std::vector<std::string>{"0 0 105 painted 0", "2 100 redraw 105 painted 1",
                                                "0 0 105 painted 1", "2 100 105 painted 1"}));
}

}  // namespace
}  // namespace lenzor
