#!/usr/bin/env python3
"""Soak: Lenzor.exe under Wine with the lens on in broken TV mode at 1000 x 1000 and a 10 ms
update interval while, round after round, the settings dialog is opened from the tray menu,
the preview switched on and off, the language changed and changed back, and the dialog closed.
After each round (dialog closed, lens on) the resident memory of Lenzor's process and its GDI
and USER object counts are sampled. Fails when a sample measured nothing (the process not
found, no object counted), when, after the warm-up, memory grows by more than the allowance or
an object count grows, when an error box shows, or when the lens is gone.

    soak_e2e.py --seconds 600 --warmup 60 --wine-run ... --host ... --lenzor ... \\
                --languages assets/Language [--csv samples.csv]
"""
import argparse
import os
import statistics
import sys
import time

from dialog_e2e import choose, control, select_page, wait_dialog, visible
from e2e_session import Session, check

SOAK_INI = ('[Common]\nFirstStart=0\nShowAfterStart=1\nLanguage=English\nHotKeyShowGlass=49223\n'
            '[MouseControl]\nLenzor.ContrastMode=3\nLenzor.BreakageTVLevel=50\n'
            'Lenzor.Width=1000\nLenzor.Height=1000\nLenzor.UpdateInterval=10\n')
ALLOWED_GROWTH_KB = 1024
LANGUAGES = 3  # English, German, Russian: the combo lists them in the folder's order


def open_dialog(s):
    s.tray_menu('options')
    wait_dialog(s)


def language_combo(s):
    select_page(s, 0)  # General: the language list is its only combo box
    return s.wait_until(lambda: visible(s.dialog(), 'ComboBox'), 30, 'the language list')[0]


def round_of_use(s, number):
    open_dialog(s)
    select_page(s, 1)  # Basic options
    preview = control(s, 'Button', 'Glass Preview')
    s.click(preview)  # on
    time.sleep(1.0)
    s.click(preview)  # off
    choose(s, language_combo(s), 1 + number % (LANGUAGES - 1))
    time.sleep(1.0)
    choose(s, language_combo(s), 0)  # back to English, so the captions are known again
    s.xdotool('key', 'Escape')  # Cancel
    wait_dialog(s, shown=False)


def sample(s, start):
    """Two readings a second apart, each figure the lower: a redraw in flight holds a few
    objects and pages for a moment, a leak holds them in both."""
    readings = []
    for _ in range(2):
        resources = s.resources()
        status = s.lenzor_status() or {}
        readings.append(dict(rss_kb=status.get('VmRSS', 0), anon_kb=status.get('RssAnon', 0),
                             working_kb=resources['working'] // 1024, gdi=resources['gdi'],
                             user=resources['user']))
        time.sleep(1.0)
    result = dict(t=round(time.time() - start))
    result.update({k: min(r[k] for r in readings) for k in readings[0]})
    result.update(counted=resources['counted'], boxes=len(s.top_windows('#32770')),
                  lens=len(s.top_windows('LenzorLensWindow')))
    return result


def failures_of(samples, warmup):
    """The failures of the run: a sample that measured nothing (Lenzor's process not found, no
    GUI object counted), growth after the warm-up (medians and extremes of the first and last
    samples, three each where there are six, so that one drawing in flight does not count),
    boxes, a missing lens."""
    failures = []
    for x in samples:
        if x['rss_kb'] <= 0 or x['working_kb'] <= 0:
            failures.append("no memory reading at %d s: Lenzor's process not found" % x['t'])
        if x['gdi'] <= 0 or x['user'] <= 0:
            failures.append('no GUI objects counted at %d s (%s)' % (x['t'], x['counted']))
    after = [x for x in samples if x['t'] >= warmup]
    if len(after) < 2:
        return ['too few samples after the warm-up: %d' % len(after)]
    k = min(3, len(after) // 2)
    first, last = after[:k], after[-k:]
    growth = (statistics.median(x['rss_kb'] for x in last) -
              statistics.median(x['rss_kb'] for x in first))
    if growth > ALLOWED_GROWTH_KB:
        failures.append('resident memory grew by %d kB after the warm-up' % growth)
    for kind in ('gdi', 'user'):
        if min(x[kind] for x in last) > max(x[kind] for x in first):
            failures.append('%s objects grew from %d to %d' % (
                kind, max(x[kind] for x in first), min(x[kind] for x in last)))
    if any(x['boxes'] for x in samples):
        failures.append('an error box showed')
    if not all(x['lens'] for x in samples):
        failures.append('the lens was not on after a round')
    return failures


def report(samples, warmup):
    after = [x for x in samples if x['t'] >= warmup] or samples[-1:]
    print('soak: %d rounds, GUI objects counted by %s' % (len(samples), samples[0]['counted']))
    print('soak: %-14s %8s %8s %10s %6s %6s' % ('', 't (s)', 'RSS kB', 'anon kB', 'GDI', 'USER'))
    for label, x in (('start', samples[0]), ('after warm-up', after[0]), ('end', samples[-1])):
        print('soak: %-14s %8d %8d %10d %6d %6d' % (label, x['t'], x['rss_kb'], x['anon_kb'],
                                                    x['gdi'], x['user']))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--seconds', type=int, default=600)
    parser.add_argument('--warmup', type=int, default=60)
    parser.add_argument('--languages', required=True)
    parser.add_argument('--csv')
    parser.add_argument('--wine-run', required=True)
    parser.add_argument('--host', required=True)
    parser.add_argument('--lenzor', required=True)
    args = parser.parse_args()

    os.environ['LENZOR_E2E_LIFETIME_S'] = str(args.seconds + args.warmup + 600)
    samples = []
    with Session(args, SOAK_INI, extra_files=[(args.languages, 'Language')]) as s:
        s.wait_until(lambda: s.top_windows('LenzorLensWindow'), 30, 'the lens at start')
        start = time.time()
        samples.append(sample(s, start))
        number = 0
        while time.time() - start < args.warmup + args.seconds:
            round_of_use(s, number)
            number += 1
            time.sleep(1.0)
            samples.append(sample(s, start))
            check(s.running(), 'Lenzor ended during the soak')
    if args.csv:
        with open(args.csv, 'w') as f:
            f.write(','.join(samples[0]) + '\n')
            for x in samples:
                f.write(','.join(str(v) for v in x.values()) + '\n')
    report(samples, args.warmup)
    failures = failures_of(samples, args.warmup)
    for failure in failures:
        print('soak: FAILED: ' + failure)
    print('soak: %s' % ('ok' if not failures else 'failed'))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
