// The settings read from any "Lenzor.ini" as the program reads them at start, handed to a lens
// on the fakes and redrawn: nothing escapes, the lens stays on and near a small desktop and
// grabs and paints at most a screenful; what was read saves and reads back unchanged, and the
// lens gives back values that it takes again as they are.
#include "../lens/lens_fakes.h"
#include "app/settings.h"
#include "ini_fuzz_support.h"
#include "options/opt_storage_ini.h"
#include "options/opt_system.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

using namespace lenzor;
using lenzor::testing::LensRig;

namespace {

// In memory, so that the atomic replacement's flushes to disk cost nothing.
const std::string& Folder() {
    static const std::string folder = [] {
        char name[] = "/dev/shm/lenzor-fuzz-XXXXXX";
        if (mkdtemp(name) == nullptr) {
            fuzz::Fail("no temporary folder");
        }
        return std::string(name) + "/";
    }();
    return folder;
}

// Loads the nineteen settings from the file (the storage reads it on Open).
struct Settings {
    TOptStorageINIFile storage;
    TOptSystem options{&storage};

    explicit Settings(const std::string& path) : storage(path) {
        DeclareOptions(options);
        storage.Open();
        options.LoadAll();
        storage.Close();
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (int i = 0; i < options.Count(); ++i) {
            texts.push_back(options.Items(i).GetValue().ToString());
        }
        return texts;
    }
};

// Desktop of two monitors, the second left of the primary: small, so that a full-screen lens
// stays quick to draw. A redraw is bounded by a screenful, or by the default lens on a screen
// smaller than that.
constexpr LensRect kDesktop{-160, 0, 320, 200};
constexpr int kMaxWidth = std::max(kDesktop.right - kDesktop.left, 250);
constexpr int kMaxHeight = std::max(kDesktop.bottom - kDesktop.top, 250);

void RunLens(TOptSystem& options) {
    LensRig rig;
    rig.system.screen = kDesktop;
    rig.Create();
    TLenzor& lens = *rig.lens;
    ApplyOptionsToLens(options, lens);
    lens.SetShown(true);
    const LensPoint pointers[] = {{-160, 0}, {319, 199}, {0, 100}};
    uint32_t tick = 1000;
    for (const LensPoint& p : pointers) {
        rig.system.pointer = p;
        rig.system.tick = tick += 150;
        lens.Tick();
        const LensRect b = rig.window->bounds;
        if (std::llabs(b.left) > (1LL << 24) || std::llabs(b.top) > (1LL << 24)) {
            fuzz::Fail("the lens went far off the desktop");
        }
    }
    if (lens.TakeNewFailure()) {
        fuzz::Fail("a redraw failed");
    }
    for (const Bitmap24& picture : rig.window->presented) {
        if (picture.Width() > kMaxWidth || picture.Height() > kMaxHeight) {
            fuzz::Fail("a picture larger than the desktop");
        }
    }
    for (const LensRect& grab : rig.system.captures) {
        if (grab.Width() < 1 || grab.Width() > kMaxWidth || grab.Height() > kMaxHeight) {
            fuzz::Fail("a grab outside a screenful");
        }
    }

    // What the dialog's OK stores from the lens, given to a new lens, comes back the same.
    ReadOptionsFromLens(lens, options);
    std::vector<std::string> first;
    for (int i = 0; i < options.Count(); ++i) {
        first.push_back(options.Items(i).GetValue().ToString());
    }
    LensRig other;
    other.system.screen = kDesktop;
    other.Create();
    ApplyOptionsToLens(options, *other.lens);
    ReadOptionsFromLens(*other.lens, options);
    for (int i = 0; i < options.Count(); ++i) {
        if (options.Items(i).GetValue().ToString() != first[i]) {
            fuzz::Fail("a lens does not take back what another lens gave");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = Folder() + "Lenzor.ini";
    const std::string copy = Folder() + "Saved.ini";
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    std::remove(copy.c_str());

    Settings loaded(path);
    const std::vector<std::string> read = loaded.Texts();

    // Saved to a new file and read again: every value as it was (a text loses the blanks and
    // one pair of quotes around it, as any read of the file does).
    {
        TOptStorageINIFile storage(copy);
        storage.Open();
        for (int i = 0; i < loaded.options.Count(); ++i) {
            storage.Save(loaded.options.Items(i));
        }
        storage.Close();
    }
    const std::vector<std::string> reread = Settings(copy).Texts();
    for (std::size_t i = 0; i < read.size(); ++i) {
        const bool text =
            loaded.options.Items(static_cast<int>(i)).GetValue().Kind() == VariantKind::String;
        if (reread[i] != (text ? fuzz::ExpectedRead(read[i]) : read[i])) {
            fuzz::Fail("a setting read from the file does not save and read back");
        }
    }

    RunLens(loaded.options);
    return 0;
}
