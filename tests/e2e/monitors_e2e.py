#!/usr/bin/env python3
"""Whole-program tests on two monitors of different sizes: the primary, 1920 x 1080, and a
1280 x 1024 one left of and above it, at -1280, -244 in Windows' coordinates.

Wine takes its monitors from RandR, which shows one per Xvfb screen, or, when RandR is missing,
from Xinerama. So Wine runs here with a stand-in libXinerama (xinerama_heads.c, built with the
system's C compiler) that reports the two heads on one 3200 x 1324 Xvfb screen, and an empty
stand-in libXrandr. The parts of that screen no monitor shows (above the primary, below the
other one) still hold the host's picture, so a capture there proves that the lens makes them
black, as Windows shows nothing there.

    monitors_e2e.py CASE --wine-run scripts/wine-run.sh --host e2e_host.exe --lenzor Lenzor.exe
"""
import os
import subprocess
import sys
import tempfile
import time

from e2e_session import Session, check, run_cases
from lens_e2e import BLACK, FRAME, FRAME_COLOR, lens_ini

SCREEN = (3200, 1324)
ORIGIN = (1280, 244)  # where Windows' (0, 0), the primary's top-left, lies on the X screen
MONITORS = [(0, 0, 1920, 1080), (-1280, -244, 0, 780)]  # left, top, right, bottom; primary first
SECONDARY = MONITORS[1]
HEADS = '1280,244,1920,1080;0,0,1280,1024'
MARKER_SIDE = 6


def to_x(point):
    return point[0] + ORIGIN[0], point[1] + ORIGIN[1]


def on_monitor(x, y):
    return any(left <= x < right and top <= y < bottom for left, top, right, bottom in MONITORS)


def two_monitor_session(args, folder, ini):
    """A session whose Wine sees the two monitors; the stand-ins are built into folder."""
    here = os.path.dirname(os.path.abspath(__file__))
    subprocess.run(['cc', '-shared', '-fPIC', '-o', os.path.join(folder, 'libXinerama.so.1'),
                    os.path.join(here, 'xinerama_heads.c')], check=True)
    subprocess.run(['cc', '-shared', '-o', os.path.join(folder, 'libXrandr.so.2'), '-x', 'c',
                    os.devnull], check=True)
    return Session(args, ini, screen=SCREEN,
                   wine_env={'LD_LIBRARY_PATH': folder, 'LENZOR_XINERAMA': HEADS})


def picture_box(shot, window):
    """The lens picture's left, top, right, bottom on the X screen: inside the frame found along
    the window's middle row and column (Wine draws the caption of a fixed lens itself)."""
    left, top = to_x((window['x'], window['y']))
    row, column = top + window['h'] // 2, left + window['w'] // 2
    xs = [x for x in range(left, left + window['w']) if shot.px(x, row) == FRAME_COLOR]
    ys = [y for y in range(top, top + window['h']) if shot.px(column, y) == FRAME_COLOR]
    if not xs or not ys:
        return None
    return xs[0] + FRAME, ys[0] + FRAME, xs[-1] + 1 - FRAME, ys[-1] + 1 - FRAME


def picture_errors(shot, box, reference, pointer):
    """Pixels of the picture that are not the screen around the pointer enlarged 2 times, black
    where no monitor shows, and how many black ones were expected."""
    width, height = box[2] - box[0], box[3] - box[1]
    half_w, half_h = round(width / 4), round(height / 4)
    grab_w, grab_h = round(width / 2), round(height / 2)
    wrong, blacks = [], 0
    for y in range(height):
        for x in range(width):
            if 0 <= x - 2 * half_w < MARKER_SIDE and 0 <= y - 2 * half_h < MARKER_SIDE:
                continue
            sx = pointer[0] - half_w + x * grab_w // width
            sy = pointer[1] - half_h + y * grab_h // height
            want = reference.px(*to_x((sx, sy))) if on_monitor(sx, sy) else BLACK
            blacks += want == BLACK
            got = shot.px(box[0] + x, box[1] + y)
            if got != want:
                wrong.append((x, y, got, want))
    return wrong, blacks


def case_fixed_second(args):
    """A fixed lens on the second monitor shows the screen around the pointer: on that monitor,
    across the seam, and beside the parts no monitor shows."""
    ini = lens_ini(position=3) + 'Lenzor.LeftFixed=-1000\nLenzor.TopFixed=-100\n'
    with tempfile.TemporaryDirectory() as folder, two_monitor_session(args, folder, ini) as s:
        reference = s.host_screen()  # Wine's tray window included, where it stands
        cases = [((-600, 300), False), ((-30, 760), True), ((20, 20), True)]
        s.xdotool('mousemove', *to_x(cases[0][0]))
        time.sleep(0.3)
        s.xdotool('key', 'ctrl+alt+g')
        def placed():  # the lens shows where it stood, then moves to its place
            found = s.top_windows('LenzorLensWindow')
            return found[0][0] if found and (found[0][0]['x'], found[0][0]['y']) == (
                -1000, -100) else None
        lens = s.wait_until(placed, 30, 'the lens at -1000, -100')
        shot = s.wait_for(lambda sh: picture_box(sh, lens), 30, 'the lens on the screen')
        box = picture_box(shot, lens)
        for pointer, blacks_expected in cases:
            s.xdotool('mousemove', *to_x(pointer))
            found = {}

            def shows(shot):
                found['wrong'], found['blacks'] = picture_errors(shot, box, reference, pointer)
                return not found['wrong']
            try:
                s.wait_for(shows, 30, 'the picture around %s' % (pointer,))
            except AssertionError:
                raise AssertionError('picture around %s: %d pixels wrong, first %s' % (
                    pointer, len(found['wrong']), found['wrong'][:8]))
            check((found['blacks'] > 0) == blacks_expected, (pointer, found['blacks']))


def case_dialog_second(args):
    """"Options..." from the tray icon, moved onto the second monitor, opens the dialog centred
    there."""
    with tempfile.TemporaryDirectory() as folder, \
            two_monitor_session(args, folder, '[Common]\nFirstStart=0\n') as s:
        target = to_x((-700, 200))
        s.xdotool('search', '--name', 'Wine System Tray', 'windowmove', '%@', *target)

        def tray_moved():
            tray = s.window_geometry('Wine System Tray')
            return tray if tray[:2] == target else None
        tray = s.wait_until(tray_moved, 10, 'the tray icon on the second monitor')
        icon = (tray[0] + 10, tray[1] + 10)
        s.xdotool('mousemove', '--sync', *icon)
        s.xdotool('click', 3)
        menu = s.wait_until(lambda: s.top_windows('#32768'), 30, 'the tray menu')[0][0]
        options = (menu['x'] + 45, menu['y'] + menu['h'] - Session.TRAY_ITEMS['options'])
        s.xdotool('mousemove', '--sync', *to_x(options))  # the listing is in Windows' terms
        s.xdotool('click', 1)
        form = s.wait_until(s.dialog, 30, 'the dialog')[0]
        left, top, right, bottom = SECONDARY
        centred = (left + (right - left - form['w']) // 2, top + (bottom - top - form['h']) // 2)
        check((form['x'], form['y']) == centred, (form, centred))


CASES = {'fixed_second': case_fixed_second, 'dialog_second': case_dialog_second}


if __name__ == '__main__':
    sys.exit(run_cases(CASES))
