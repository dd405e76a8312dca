// TOrImage: the effect image as a control. It shows its engine's display picture (the source
// through the effects) like a picture control: stretched to the control, centred, or at the
// top-left corner, optionally transparent, and sized to the picture while AutoSize is on. It
// tells when the pointer enters and leaves it, and reports a JPEG's decoding as progress.
#pragma once

#include "effects/or_image.h"
#include "ui/control.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace lenzor {

enum class TProgressStage { psStarting, psRunning, psEnding };

using TProgressEvent =
    std::function<void(TComponent& sender, TProgressStage stage, int percentDone, bool redrawNow,
                       const TRect& rect, const std::string& message)>;

class TOrImage : public TGraphicControl, public TOrImageEngine {
public:
    static constexpr int kDefaultSize = 105;

    explicit TOrImage(TComponent* owner, std::string name = {});

    // The source from JPEG file bytes: the decoding is reported through OnProgress (starting,
    // then ending, also when the data is refused with EImageError).
    void SetPictureOriginalJpeg(const std::uint8_t* data, std::size_t size);

    bool Stretch() const { return FStretch; }
    void SetStretch(bool stretch);
    bool Center() const { return FCenter; }
    void SetCenter(bool center);
    // The display picture's bottom-left colour lets the background show.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool transparent);
    // The control takes the display picture's size (only the sides its alignment leaves free).
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool autoSize);
    // The size AutoSize gives the control: the picture's side where the alignment leaves that
    // side free, the current one elsewhere.
    bool CanAutoSize(int& newWidth, int& newHeight) const;
    // A progress report asking for a redraw repaints at once.
    bool IncrementalDisplay() const { return FIncrementalDisplay; }
    void SetIncrementalDisplay(bool incremental) { FIncrementalDisplay = incremental; }

    // Where the display picture goes inside the control.
    TRect DestinationRect() const;

    // What the platform reports about the pointer.
    bool MouseInside() const { return FMouseInside; }
    void MouseEnter();
    void MouseExit();
    void MouseMove(int x, int y);

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseExit;
    std::function<void(TComponent& sender, int x, int y)> OnMouseMove;
    TProgressEvent OnProgress;

protected:
    void DisplayChanged() override;

private:
    void Progress(TProgressStage stage, int percentDone, bool redrawNow);
    void AdjustSize();

    bool FStretch = false;
    bool FCenter = false;
    bool FTransparent = false;
    bool FAutoSize = false;
    bool FIncrementalDisplay = false;
    bool FMouseInside = false;
};

}  // namespace lenzor
