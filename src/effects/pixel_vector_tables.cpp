#include "effects/pixel_vector_tables.h"

#include <algorithm>

namespace lenzor::pixel_vector {
namespace {

template <class Function> void Fill(ByteTable& table, Function byteFor) {
    table.identity = true;
    table.zero = true;
    for (int c = 0; c < 256; ++c) {
        const auto value = static_cast<uint8_t>(byteFor(c));
        table.bytes[c] = value;
        table.identity = table.identity && value == c;
        table.zero = table.zero && value == 0;
    }
    for (int row = 0; row < 16; ++row) {
        const bool lastOfHalf = row % 8 == 7;
        for (int low = 0; low < 16; ++low) {
            const uint8_t next = lastOfHalf ? 0 : table.bytes[16 * (row + 1) + low];
            table.rows[row][low] = table.rows[row][16 + low] = table.bytes[16 * row + low] ^ next;
        }
    }
}

}  // namespace

ScaledBy ScaledByFor(int64_t factor, int64_t quotientCap) {
    ScaledBy scaled;
    const int64_t magnitude = factor < 0 ? -factor : factor;
    scaled.sign = static_cast<int16_t>(factor < 0 ? -1 : (factor > 0 ? 1 : 0));
    if (magnitude / 255 >= quotientCap) {
        scaled.quotient = static_cast<uint16_t>(quotientCap);
        return scaled;
    }
    scaled.quotient = static_cast<uint16_t>(magnitude / 255);
    scaled.multiplier = static_cast<uint16_t>((magnitude % 255 * 65536 + 254) / 255);
    return scaled;
}

void BuildVectorTables(const PixelEffects& effects, bool noise, VectorTables& t) {
    using namespace pixel_tables;
    BuildTables(effects, t.scalar);
    t.noise = noise;
    for (int s : {0, 1}) {
        const auto& summed = t.scalar.summed[s];
        Fill(t.direct[s], [&](int c) { return t.scalar.direct[s][c]; });
        Fill(t.positive[s], [&](int c) { return std::clamp<int>(summed[c], 0, 255); });
        Fill(t.negative[s], [&](int c) { return std::clamp<int>(-summed[c], 0, 255); });
    }
    Fill(t.lit, [&](int c) { return t.scalar.lit[c + kOffset]; });

    t.saturation = ScaledByFor(static_cast<int64_t>(effects.saturation) + 255, 256);
    auto& a = t.arithmetic;
    a = ChannelArithmetic{};
    const auto within = [](int64_t value, int64_t low, int64_t high) {
        return value >= low && value <= high;
    };
    a.usable = effects.posterize == 0 && effects.splitlight == 0 &&
               within(effects.contrast, -kArithmeticLimit, kArithmeticLimit) &&
               within(effects.lightness, -kArithmeticLimit, kArithmeticLimit) &&
               within(effects.darkness, -kArithmeticLimit, kArithmeticLimit) &&
               within(effects.brightness, -255, 255) &&
               (t.scalar.mix != Mix::Saturation ||
                within(static_cast<int64_t>(effects.saturation) + 255, 0, kSaturationLimit));
    if (a.usable) {
        a.contrast = ScaledByFor(effects.contrast, kArithmeticLimit);
        a.lightness = ScaledByFor(effects.lightness, kArithmeticLimit);
        a.darkness = ScaledByFor(effects.darkness, kArithmeticLimit);
        a.contrastOnly =
            effects.lightness == 0 && effects.darkness == 0 && within(effects.contrast, 0, 254);
        a.brightness = static_cast<int16_t>(effects.brightness);
        a.invert = effects.invert;
    }
    t.solarizeAbove = static_cast<int16_t>(std::clamp(t.scalar.solarizeAbove, -1, 255));
}

const VectorTables& VectorTablesFor(const PixelEffects& effects, bool noise) {
    struct Cache {
        bool built = false;
        PixelEffects effects;
        VectorTables tables;
    };
    static Cache cache[2];  // without and with noise
    Cache& entry = cache[noise ? 1 : 0];
    if (!entry.built || !(entry.effects == effects)) {
        BuildVectorTables(effects, noise, entry.tables);
        entry.effects = effects;
        entry.built = true;
    }
    return entry.tables;
}

}  // namespace lenzor::pixel_vector
