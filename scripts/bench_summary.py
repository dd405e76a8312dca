#!/usr/bin/env python3
"""The summary table of the speed targets, from one run of scripts/bench.sh: medians of the
effect engine's benchmarks (CPU time, Google Benchmark JSON) as ratios to memcpy of the same
bytes, the smooth stretch as a ratio to the crisp one, and the whole-redraw ratios under Wine
that redraw_bench printed.

    bench_summary.py RESULTS_DIR    (effects_bench.json, stretch_bench.json and, with --wine,
                                     redraw.txt in it)
"""
import json
import os
import re
import sys

FRAMES_PER_BROKEN_TV_ITERATION = 26  # bench/effects/effects_bench.cpp, BM_LensBrokenTV3


def medians(path):
    with open(path) as f:
        data = json.load(f)
    result = {}
    for b in data['benchmarks']:
        if b.get('aggregate_name') == 'median':
            result[b['run_name']] = b['cpu_time'] * {'ns': 1e-6, 'us': 1e-3, 'ms': 1.0}[b['time_unit']]
    return result


def effects_table(results):
    m = medians(os.path.join(results, 'effects_bench.json'))
    size = '1920/1080'
    memcpy = m['BM_Memcpy/' + size]
    rows = [('memcpy', memcpy, '-'),
            ('per-pixel pass, gamma settings', m['BM_PixelPassGamma/' + size], '<= 6x'),
            ('fixed-gamma lens frame', m['BM_LensFixedGamma/' + size], '<= 8x'),
            ('broken-TV lens frame, level 3 (per frame)',
             m['BM_LensBrokenTV3/' + size] / FRAMES_PER_BROKEN_TV_ITERATION, '<= 20x')]
    print('| What (1920 x 1080) | Median CPU time | Ratio to memcpy | Target |')
    print('|---|---|---|---|')
    for name, ms, target in rows:
        print('| %s | %.2f ms | %.1fx | %s |' % (name, ms, ms / memcpy, target))


def stretch_table(results):
    path = os.path.join(results, 'stretch_bench.json')
    if not os.path.exists(path):
        return
    m = medians(path)
    crisp = m['BM_StretchCrisp']
    print()
    print('| Stretch, 500 x 500 to 1000 x 1000 | Median CPU time | Ratio to crisp | Target |')
    print('|---|---|---|---|')
    print('| crisp | %.2f ms | 1 | - |' % crisp)
    # the argument of BM_StretchSmooth is the SimdLevel; a path this processor lacks is skipped
    for level, name, target in ((0, 'reference', '-'), (1, 'SSE2', '<= 3x'), (2, 'AVX2', '<= 3x')):
        smooth = m.get('BM_StretchSmooth/%d' % level)
        if smooth is not None:
            print('| smooth, %s | %.2f ms | %.1fx | %s |' % (name, smooth, smooth / crisp, target))


def redraw_table(results):
    path = os.path.join(results, 'redraw.txt')
    if not os.path.exists(path):
        return
    ratio = {}
    for line in open(path):
        found = re.match(r'\s*(\d+) x (\d+)\s+(.+?)\s+[\d.]+ ms\s+([\d.]+)x', line)
        if found:
            ratio[(int(found.group(1)), found.group(3))] = float(found.group(4))
    print()
    print('| Whole redraw under Wine | Ratio to the screen copy alone | Target |')
    print('|---|---|---|')
    for side in (250, 1000):
        for modes, target in ((('None', 'Negative'), '<= 1.5x'),
                              (('Fixed gamma (CPU max)', 'Broken TV (CPU max)'), '<= 2x')):
            shown = ' / '.join('%.1fx' % ratio[(side, m)] if (side, m) in ratio else '?'
                               for m in modes)
            names = ' / '.join(m.replace(' (CPU max)', '') for m in modes)
            print('| %d x %d, %s | %s | %s |' % (side, side, names, shown, target))


if __name__ == '__main__':
    effects_table(sys.argv[1])
    stretch_table(sys.argv[1])
    redraw_table(sys.argv[1])
