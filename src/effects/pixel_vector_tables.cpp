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

    const int64_t factor = static_cast<int64_t>(effects.saturation) + 255;
    const int64_t magnitude = factor < 0 ? -factor : factor;
    t.saturationNegative = factor < 0;
    t.saturationQuotient = static_cast<uint16_t>(std::min<int64_t>(magnitude / 255, 256));
    t.saturationRemainder = static_cast<uint16_t>(magnitude / 255 >= 256 ? 0 : magnitude % 255);
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
