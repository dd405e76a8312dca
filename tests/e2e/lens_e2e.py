#!/usr/bin/env python3
"""Whole-program tests of the lens: Lenzor.exe under Wine on a private Xvfb, with a
"Lenzor.ini" that sets the hot key Ctrl+Alt+G and the modes of each case. The lens is switched
on with the hot key typed by xdotool; screenshots taken with ImageMagick's import are compared
pixel by pixel with the picture under the grabbed rectangle.

Without a compositor a screen copy includes the lens itself, so pixels of the grabbed
rectangle that lay under the lens when it grabbed are left out of the comparison.

Wine keeps a pointer image inside the process that loaded it, so Lenzor can draw the pointer
only while one of its own windows is in front and under the pointer: the tray case checks the
pointer image with the pointer over Lenzor's tray menu.

    lens_e2e.py CASE --wine-run scripts/wine-run.sh --host e2e_host.exe --lenzor Lenzor.exe
"""
import sys
import time

from e2e_session import Session, check, run_cases

FRAME_COLOR = (255, 140, 140)
BRACKET_COLOR = (255, 0, 0)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
LENS_SIDE = 250
FRAME = 4
PICTURE = LENS_SIDE - 2 * FRAME           # 242
HALF_GRAB = 60                            # Round(242 / 2 / 2)
MARKER = (120, 6)                         # top-left and side of the marker square
POINTER_BOX = 64                          # picture pixels right of and below the hot spot
CORNER_OFFSET = 5




def lens_ini(position=1, contrast=0, interval=100, extra=''):
    """Settings of a lens that follows the pointer from a corner, 5 pixels off, on Ctrl+Alt+G."""
    return ('[Common]\nFirstStart=0\nHotKeyShowGlass=49223\n[MouseControl]\n'
            'Lenzor.PositionMode=%d\nLenzor.ContrastMode=%d\nLenzor.UpdateInterval=%d\n'
            'Lenzor.CornerTrackOffSet=%d\n%s' % (position, contrast, interval, CORNER_OFFSET,
                                                 extra))


def lens_at(shot, left, top):
    """The lens's 4-pixel frame (frame colour or bracket red) is on the screen at left, top."""
    right, bottom = left + LENS_SIDE - 1, top + LENS_SIDE - 1
    corners = [(left, top), (right, top), (left, bottom), (right, bottom), (left + 100, top + 2)]
    return all(shot.px(x, y) in (FRAME_COLOR, BRACKET_COLOR) for x, y in corners)


def check_frame(shot, left, top, bracket):
    """Every frame pixel is the frame colour, except an L of 30 pixels at the bracket corner."""
    bad = []
    for i in range(LENS_SIDE):
        for d in range(FRAME):
            for x, y in ((i, d), (i, LENS_SIDE - 1 - d), (d, i), (LENS_SIDE - 1 - d, i)):
                in_bracket = (bracket == 'top-left' and x < 30 and y < 30) or (
                    bracket == 'bottom-right' and x >= LENS_SIDE - 30 and y >= LENS_SIDE - 30)
                want = BRACKET_COLOR if in_bracket else FRAME_COLOR
                if shot.px(left + x, top + y) != want:
                    bad.append((x, y, shot.px(left + x, top + y)))
    check(not bad, 'frame pixels wrong (x, y, colour): %s' % bad[:10])


def check_picture(shot, lens, reference, pointer, negative=False, grabbed_from=None):
    """The picture of the lens at top-left lens is the reference screen around pointer, each
    pixel a 2 x 2 block, with the marker square and the pointer image. grabbed_from: where the
    lens stood when it grabbed, if elsewhere. Returns the number of pointer-image pixels."""
    grab_left, grab_top = pointer[0] - HALF_GRAB, pointer[1] - HALF_GRAB
    origin = (lens[0] + FRAME, lens[1] + FRAME)
    stood = grabbed_from or lens
    wrong, pointer_pixels = [], 0
    for y in range(PICTURE):
        for x in range(PICTURE):
            got = shot.px(origin[0] + x, origin[1] + y)
            mx, my = x - MARKER[0], y - MARKER[0]
            if 0 <= mx < MARKER[1] and 0 <= my < MARKER[1]:
                edge = mx in (0, MARKER[1] - 1) or my in (0, MARKER[1] - 1)
                if got != (BLACK if edge else WHITE):
                    wrong.append(('marker', x, y, got))
                continue
            sx, sy = grab_left + x // 2, grab_top + y // 2
            if stood[0] <= sx < stood[0] + LENS_SIDE and stood[1] <= sy < stood[1] + LENS_SIDE:
                continue  # the lens itself was there
            on_screen = 0 <= sx < reference.width and 0 <= sy < reference.height
            want = reference.px(sx, sy) if on_screen else BLACK
            if negative:
                want = tuple(255 - c for c in want)
            if got == want:
                continue
            if 0 <= mx < POINTER_BOX and 0 <= my < POINTER_BOX:
                pointer_pixels += 1
            else:
                wrong.append((x, y, got, want))
    check(not wrong, 'picture pixels wrong: %d, first %s' % (len(wrong), wrong[:8]))
    return pointer_pixels


def shows(shot, reference, lens, pointer, grabbed_from):
    """The lens stands at lens and shows the screen around pointer, grabbed while it stood at
    grabbed_from."""
    try:
        check_picture(shot, lens, reference, pointer, grabbed_from=grabbed_from)
        return lens_at(shot, *lens)
    except AssertionError:
        return False


def show_lens(session, pointer):
    session.xdotool('mousemove', '--sync', *pointer)
    session.xdotool('key', 'ctrl+alt+g')


def wait_for_lens(session, lens, reference, pointer, bracket, negative=False):
    """Waits for a screenshot with the lens at `lens`, its frame and its whole picture right:
    a redraw on its way to the screen only makes the test wait. Returns that screenshot."""
    def checks(shot):
        check_frame(shot, *lens, bracket=bracket)
        check_picture(shot, lens, reference, pointer, negative=negative)
    return session.wait_for_checks(checks, 30, 'the lens at %d, %d' % lens)


def case_corner_tracker(args):
    """Corner tracker, no contrast filter, redraw every 100 ms."""
    with Session(args, lens_ini()) as s:
        reference = s.host_screen()
        pointer = (500, 380)
        show_lens(s, pointer)
        lens = (pointer[0] + CORNER_OFFSET, pointer[1] + CORNER_OFFSET)
        wait_for_lens(s, lens, reference, pointer, 'top-left')

        # Near the bottom-right corner the lens goes above left, bracket at its bottom-right.
        pointer = (900, 700)
        s.xdotool('mousemove', *pointer)
        lens = (pointer[0] - CORNER_OFFSET - LENS_SIDE, pointer[1] - CORNER_OFFSET - LENS_SIDE)
        wait_for_lens(s, lens, reference, pointer, 'bottom-right')

        s.xdotool('key', 'ctrl+alt+g')  # hides it again
        s.wait_for(lambda sh: not lens_at(sh, *lens), 30, 'the lens to hide')


def case_negative(args):
    """Negative mode: every channel becomes 255 minus its value, so white turns black."""
    with Session(args, lens_ini(contrast=1)) as s:
        reference = s.host_screen()
        pointer = (470, 350)  # the grab covers white squares of the host's picture
        show_lens(s, pointer)
        lens = (pointer[0] + CORNER_OFFSET, pointer[1] + CORNER_OFFSET)
        shot = wait_for_lens(s, lens, reference, pointer, 'top-left', negative=True)
        whites = [(x, y) for y in range(0, PICTURE, 2) for x in range(0, PICTURE, 2)
                  if reference.px(pointer[0] - HALF_GRAB + x // 2,
                                  pointer[1] - HALF_GRAB + y // 2) == WHITE
                  and x < 100 and y < 100]
        check(whites, 'the grab should include white')
        for x, y in whites:
            got = shot.px(lens[0] + FRAME + x, lens[1] + FRAME + y)
            check(got == BLACK, 'white at grab %d, %d shows as %s' % (x // 2, y // 2, got))


def case_follow(args):
    """Without live following and with a 20-second update interval the lens follows the pointer
    at once but keeps its old picture until the next redraw (a long interval, so that a busy
    machine has the time to see the old picture before the redraw replaces it)."""
    interval = 20
    with Session(args, lens_ini(interval=interval * 1000, extra='Lenzor.LiveFollow=0\n')) as s:
        reference = s.host_screen()
        first = (500, 380)
        show_lens(s, first)
        lens = (first[0] + CORNER_OFFSET, first[1] + CORNER_OFFSET)
        s.wait_for(lambda sh: shows(sh, reference, lens, first, lens), 30, 'the first picture')

        second = (260, 200)
        moved = (second[0] + CORNER_OFFSET, second[1] + CORNER_OFFSET)
        moved_at = time.time()
        s.xdotool('mousemove', *second)
        s.wait_for(lambda sh: shows(sh, reference, moved, first, lens), interval,
                   'the lens to follow with its old picture')
        s.wait_for(lambda sh: shows(sh, reference, moved, second, moved), 2 * interval,
                   'the next redraw')
        check(time.time() - moved_at > 1.0, 'redrawn long before the interval passed')


def case_live(args):
    """Live following, on where the file does not name it: after a move the lens shows the new
    place at once, although its update interval is ten minutes."""
    with Session(args, lens_ini(interval=600000)) as s:
        reference = s.host_screen()
        first = (500, 380)
        show_lens(s, first)
        lens = (first[0] + CORNER_OFFSET, first[1] + CORNER_OFFSET)
        s.wait_for(lambda sh: shows(sh, reference, lens, first, lens), 30, 'the first picture')
        for second in ((260, 200), (700, 300)):  # each grab clear of where the lens stood
            moved = (second[0] + CORNER_OFFSET, second[1] + CORNER_OFFSET)
            s.xdotool('mousemove', *second)
            s.wait_for(lambda sh: shows(sh, reference, moved, second, moved), 30,
                       'the picture of the new place')


def case_tray(args):
    """A double click on the tray icon shows the lens; with the pointer over the tray menu
    the lens shows the pointer image at the marker."""
    with Session(args, lens_ini()) as s:
        tray = s.window_geometry('Wine System Tray')
        icon = (tray[0] + 10, tray[1] + 10)
        s.xdotool('mousemove', '--sync', *icon)
        s.xdotool('click', '--repeat', 2, '--delay', 80, 1)
        lens = (icon[0] + CORNER_OFFSET, icon[1] + CORNER_OFFSET)
        s.wait_for(lambda sh: lens_at(sh, *lens), 30, 'the lens after a double click')

        s.xdotool('click', 3)  # the tray menu opens at the pointer
        s.wait_until(lambda: s.top_windows('#32768'), 30, 'the tray menu')
        pointer = (icon[0] + 45, icon[1] + 20)  # on the menu's first entries
        s.xdotool('mousemove', *pointer)
        lens = (pointer[0] + CORNER_OFFSET, pointer[1] + CORNER_OFFSET)

        def pointer_shown(shot):  # the menu is its own reference: it stays put
            check(lens_at(shot, *lens), 'no lens frame at %d, %d' % lens)
            found = check_picture(shot, lens, shot, pointer)
            check(found >= 20, 'pointer image missing (%d pixels)' % found)
        s.wait_for_checks(pointer_shown, 30, 'the lens over the menu with the pointer image')
        s.xdotool('key', 'Escape')


CASES = {'corner': case_corner_tracker, 'negative': case_negative, 'follow': case_follow,
         'live': case_live, 'tray': case_tray}


if __name__ == '__main__':
    sys.exit(run_cases(CASES))
