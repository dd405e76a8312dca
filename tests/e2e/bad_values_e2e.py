#!/usr/bin/env python3
"""The real Lenzor.exe under Wine with the worst "Lenzor.ini" a hand can make: every lens
setting at or beyond its limits, a broken hot-key value, a language name of garbage on a
line of 200 000 characters, binary junk between the lines. Lenzor starts, the lens comes on
from the tray icon and stays a sane window (drawn with its frame where it is on the screen),
at most one error box shows, and the process's memory stays bounded while it redraws.

    bad_values_e2e.py CASE --wine-run scripts/wine-run.sh --host e2e_host.exe --lenzor Lenzor.exe
"""
import sys
import time

from e2e_session import SCREEN, Session, check, run_cases
from lens_e2e import BRACKET_COLOR, FRAME_COLOR

JUNK = ('\x01\x02garbage ]]] [[[ ===\n[MouseControl\nLenzor.Width\n= = =\n'
        '\u00ff\u00fe\u0000\u0000 nonsense\n')
COMMON = ('[Common]\nFirstStart=0\nShowAfterStart=0\nHotKeyShowGlass=ctrl+?!%%garbage\n'
          'Language=' + 'Zo\u00eb/../..\\garbage' * 12500 + '\n' + JUNK)

CASES = {
    # Far larger than the screen from its top-left corner, redrawn at every tick in broken TV
    # at the top level, zoomed beyond any picture.
    'huge': ('[MouseControl]\nLenzor.ZoomFactor=1e300\nLenzor.Alpha=2147483647\n'
             'Lenzor.ContrastMode=3\nLenzor.PositionMode=3\n'
             'Lenzor.CornerTrackOffSet=-2147483648\nLenzor.Width=2147483647\n'
             'Lenzor.Height=2147483647\nLenzor.UpdateInterval=0\n'
             'Lenzor.LeftFixed=0\nLenzor.TopFixed=0\n'
             'Lenzor.FixedContrast.Brightness=-2147483648\n'
             'Lenzor.FixedContrast.Contrast=2147483647\n'
             'Lenzor.FixedContrast.Saturation=-2147483648\nLenzor.MouseThrough=7\n'
             'Lenzor.BreakageTVLevel=2147483647\n'),
    # Sizes 0 and negative, an interval that never comes, modes above 3, a negative tiny zoom.
    'tiny': ('[MouseControl]\nLenzor.ZoomFactor=-1e-300\nLenzor.Alpha=-5\n'
             'Lenzor.ContrastMode=4\nLenzor.PositionMode=200\nLenzor.Width=0\n'
             'Lenzor.Height=-2147483648\nLenzor.UpdateInterval=4294967295\n'
             'Lenzor.LeftFixed=-2147483648\nLenzor.TopFixed=-2147483648\n'),
    # A visible lens of the usual size at zoom 0, on the screen, in the fixed filter at limits.
    'zoom0': ('[MouseControl]\nLenzor.ZoomFactor=0\nLenzor.ContrastMode=2\n'
              'Lenzor.PositionMode=3\nLenzor.LeftFixed=300\nLenzor.TopFixed=200\n'
              'Lenzor.UpdateInterval=1\nLenzor.FixedContrast.Brightness=2147483647\n'
              'Lenzor.FixedContrast.Contrast=-2147483648\n'
              'Lenzor.FixedContrast.Saturation=2147483647\n'),
}
MEMORY_LIMIT_KB = 400 * 1024  # a screenful of every buffer the lens keeps fits many times
MEMORY_DRIFT_KB = 16 * 1024   # while it redraws the same picture


def frame_pixels(shot, lens):
    """(visible width, visible height, frame-coloured pixels) of the lens window's part on the
    screen; its frame is a 4-pixel ring inside the window's border."""
    left, top = max(lens['x'], 0), max(lens['y'], 0)
    right = min(lens['x'] + lens['w'], SCREEN[0])
    bottom = min(lens['y'] + lens['h'], SCREEN[1])
    framed = sum(shot.px(x, y) in (FRAME_COLOR, BRACKET_COLOR)
                 for y in range(top, bottom) for x in range(left, right))
    return right - left, bottom - top, framed


def resident_kb(session):
    status = session.lenzor_status()
    check(status is not None and status.get('VmRSS', 0) > 0, "Lenzor's process not found")
    return status['VmRSS']


def run(args, case):
    with Session(args, COMMON + CASES[case] + JUNK) as s:
        time.sleep(2)
        check(s.running(), 'Lenzor ended at start')
        tray = s.window_geometry('Wine System Tray')
        s.xdotool('mousemove', '--sync', tray[0] + 10, tray[1] + 10)
        s.xdotool('click', '--repeat', 2, '--delay', 80, 1)  # the hot key is broken
        lenses = s.wait_until(lambda: s.top_windows('LenzorLensWindow') or
                              (case == 'tiny' and [[None]]), 30, 'the lens')
        s.xdotool('mousemove', 500, 400)
        time.sleep(3)
        first = resident_kb(s)
        time.sleep(5)
        check(s.running(), 'Lenzor ended with the lens on')
        last = resident_kb(s)
        boxes = s.top_windows('#32770')
        check(len(boxes) <= 1, '%d error boxes' % len(boxes))
        check(last <= MEMORY_LIMIT_KB, 'resident memory %d kB' % last)
        check(last - first <= MEMORY_DRIFT_KB, 'memory grew from %d to %d kB' % (first, last))
        lens = lenses[0][0]
        if lens is not None:
            check(0 <= lens['w'] <= 32767 and 0 <= lens['h'] <= 32767, 'lens size %s' % lens)
            check(lens['x'] < SCREEN[0] and lens['y'] < SCREEN[1], 'lens off the screen')

            def framed(shot):
                width, height, pixels = frame_pixels(shot, lens)
                return pixels >= 1.5 * (width + height)
            s.wait_for(framed, 30, 'the lens frame drawn on the screen: %s' % lens)
        print('e2e bad values %s: %d kB resident, lens %s, %d boxes' % (
            case, last, lens and (lens['x'], lens['y'], lens['w'], lens['h']), len(boxes)))


if __name__ == '__main__':
    sys.exit(run_cases({case: (lambda args, case=case: run(args, case)) for case in CASES}))
