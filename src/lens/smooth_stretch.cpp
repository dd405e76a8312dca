#include "lens/smooth_stretch.h"

#include "lens/lens_render.h"
#include "lens/smooth_rows.h"
#include "lens/smooth_weights.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace lenzor {
namespace {

AcrossTable AcrossTableFor(const AxisWeights& axis) {
    AcrossTable table;
    table.width = static_cast<int>(axis.first.size());
    table.pairs = axis.taps / 2;
    for (int first : axis.first) {
        table.first.push_back(8 * first);
    }
    table.entries = *std::max_element(axis.first.begin(), axis.first.end()) + axis.taps - 1;
    // Entries are laid out up to four at a time from 16 bytes at their first pixel.
    table.readBytes = 3 * (static_cast<std::size_t>(table.entries) + 3) + 16;
    table.lanes.resize(axis.weights.size() * 4);
    int16_t* lanes = table.lanes.data();
    for (std::size_t t = 0; t < axis.weights.size(); t += 2, lanes += 8) {
        const int16_t w0 = axis.weights[t], w1 = axis.weights[t + 1];
        const int16_t pair[8] = {w0, w1, w0, w1, w0, w1, 0, 0};
        std::copy(pair, pair + 8, lanes);
    }
    return table;
}

// Lanes in memory that starts on a cache line, so that no 32-byte access of a row is split
// across two lines (the AVX2 rows took a tenth longer without).
class AlignedLanes {
public:
    explicit AlignedLanes(std::size_t lanes) : memory_(lanes + kLineLanes) {
        void* start = memory_.data();
        std::size_t space = memory_.size() * sizeof(int16_t);
        data_ = static_cast<int16_t*>(std::align(kLine, lanes * sizeof(int16_t), start, space));
    }
    int16_t* Data() const { return data_; }
    static std::size_t RoundUp(std::size_t lanes) {
        return (lanes + kLineLanes - 1) / kLineLanes * kLineLanes;
    }

private:
    static constexpr std::size_t kLine = 64;
    static constexpr std::size_t kLineLanes = kLine / sizeof(int16_t);
    std::vector<int16_t> memory_;
    int16_t* data_;
};

using AcrossRows = void (*)(const uint8_t* const*, int, const AcrossTable&, int16_t*,
                            int16_t* const*);
using DownRows = void (*)(const int16_t* const*, int, const DownTarget*, int, int);

// The rows across in a ring: each destination row reads down.taps consecutive ones, starting
// no higher than the row before it did. One slot more than that lets rows be made two at a
// time, which share the reading of the table, without dropping one still to be read.
class RowsAcross {
public:
    RowsAcross(AcrossRows acrossRows, const Bitmap24& source, int width, int taps)
        : acrossRows_(acrossRows), source_(source),
          table_(AcrossTableFor(WeightsFor(source.Width(), width))), ring_(taps + 1),
          stride_(AlignedLanes::RoundUp(4 * static_cast<std::size_t>(width))),
          rows_(ring_ * stride_), held_(ring_, -1), entries_(2 * table_.EntryLanes()) {}

    // Row y across; y + 1 may be made with it.
    const int16_t* Row(int y) {
        if (held_[y % ring_] != y) {
            const bool withNext = y + 1 < source_.Height() && held_[(y + 1) % ring_] != y + 1;
            const uint8_t* in[2] = {Readable(y, 0), withNext ? Readable(y + 1, 1) : nullptr};
            int16_t* out[2] = {Slot(y), withNext ? Slot(y + 1) : nullptr};
            acrossRows_(in, withNext ? 2 : 1, table_, entries_.Data(), out);
            held_[y % ring_] = y;
            if (withNext) {
                held_[(y + 1) % ring_] = y + 1;
            }
        }
        return Slot(y);
    }

private:
    int16_t* Slot(int y) const { return rows_.Data() + (y % ring_) * stride_; }

    // The reads across may reach past a row's pixels; where that would leave the bitmap's
    // memory, they read a copy with room after it.
    const uint8_t* Readable(int y, int copy) {
        const uint8_t* row = source_.Row(y);
        const uint8_t* end = source_.Data() + source_.SizeInBytes();
        if (static_cast<std::size_t>(end - row) >= table_.readBytes) {
            return row;
        }
        roomy_[copy].assign(table_.readBytes, 0);
        std::memcpy(roomy_[copy].data(), row, 3 * static_cast<std::size_t>(source_.Width()));
        return roomy_[copy].data();
    }

    AcrossRows acrossRows_;
    const Bitmap24& source_;
    const AcrossTable table_;
    const int ring_;
    const std::size_t stride_;
    const AlignedLanes rows_;
    std::vector<int> held_;
    const AlignedLanes entries_;
    std::vector<uint8_t> roomy_[2];
};

void StretchByRows(AcrossRows acrossRows, DownRows downRows, const Bitmap24& source,
                   const LensPicture& dest) {
    const AxisWeights down = WeightsFor(source.Height(), dest.Height());
    RowsAcross across(acrossRows, source, dest.Width(), down.taps);
    std::vector<const int16_t*> taps(down.taps);
    for (int y = 0; y < dest.Height();) {
        for (int t = 0; t < down.taps; ++t) {
            taps[t] = across.Row(std::min(down.first[y] + t, source.Height() - 1));  // weight 0
        }
        // An enlarged row and the next one mostly read the same rows across.
        const int firstY = y;
        DownTarget targets[2];
        int targetCount = 0;
        while (targetCount < 2 && y < dest.Height() && down.first[y] == down.first[firstY]) {
            targets[targetCount++] = {&down.weights[static_cast<std::size_t>(y) * down.taps],
                                      dest.Row(y)};
            ++y;
        }
        downRows(taps.data(), down.taps, targets, targetCount, 4 * dest.Width());
    }
}

}  // namespace

void StretchSmoothWith(SimdLevel level, const Bitmap24& source, const LensPicture& dest) {
    if (level == SimdLevel::Reference) {
        StretchSmoothReference(source, dest);
    } else if (dest.Empty() || source.Empty() ||
               (source.Width() == dest.Width() && source.Height() == dest.Height())) {
        StretchNearest(source, dest);  // nothing, black, or a copy
    } else if (level == SimdLevel::Avx2) {
        StretchByRows(SmoothAcrossAvx2, SmoothDownAvx2, source, dest);
    } else {
        StretchByRows(SmoothAcrossSse2, SmoothDownSse2, source, dest);
    }
}

void StretchSmooth(const Bitmap24& source, const LensPicture& dest) {
    StretchSmoothWith(ActiveSimdLevel(), source, dest);
}

}  // namespace lenzor
