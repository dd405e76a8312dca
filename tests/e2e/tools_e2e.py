#!/usr/bin/env python3
"""Whole-program tests of the lens's tools: the zoom keys (the picture's scale and the settings
file), copying the picture and the colour under the pointer (the clipboard as the host reads
it), freezing, and the smooth enlargement. A fixed lens stands at the top right, away from the
grabbed rectangles, so that screenshots of it can be compared with the host's known picture.

    tools_e2e.py CASE --wine-run scripts/wine-run.sh --host e2e_host.exe --lenzor Lenzor.exe
"""
import math
import struct
import sys
import time

from e2e_session import Session, check, host_color, run_cases
from lens_e2e import BLACK, CORNER_OFFSET, FRAME, FRAME_COLOR, LENS_SIDE, WHITE, show_lens

FIXED = (700, 40)       # the fixed lens's top-left; Wine draws its thin caption itself
POINTER = (300, 420)    # where the grabs are taken, far from the lens
MARKER_SIDE = 6


def tools_ini(extra_common='', extra_lens='', zoom='2', position=3):
    return ('[Common]\nFirstStart=0\nHotKeyShowGlass=49223\n%s[MouseControl]\n'
            'Lenzor.ZoomFactor=%s\nLenzor.PositionMode=%d\nLenzor.LeftFixed=%d\n'
            'Lenzor.TopFixed=%d\nLenzor.MouseThrough=1\nLenzor.CornerTrackOffSet=%d\n%s'
            % (extra_common, zoom, position, FIXED[0], FIXED[1], CORNER_OFFSET, extra_lens))


def picture_box(shot, window=FIXED):
    """Left, top, width and height of the picture inside the frame of the lens window whose
    outer top-left is `window`: found along the window's middle row and column, below the
    caption a fixed lens has. None while no such frame shows."""
    row, column = window[1] + LENS_SIDE // 2, window[0] + LENS_SIDE // 2
    xs = [x for x in range(window[0], window[0] + LENS_SIDE) if shot.px(x, row) == FRAME_COLOR]
    ys = [y for y in range(window[1], window[1] + LENS_SIDE) if shot.px(column, y) == FRAME_COLOR]
    if len(xs) < 2 * FRAME or len(ys) < 2 * FRAME:
        return None
    return xs[0] + FRAME, ys[0] + FRAME, xs[-1] + 1 - FRAME - xs[0] - FRAME, \
        ys[-1] + 1 - FRAME - ys[0] - FRAME


def expected_pixel(x, y, zoom, pointer, width, height):
    """What the crisp picture of width x height shows at x, y for a zoom and a pointer: the
    screen's pixel under it (nearest), or the marker square's white inside and black outline."""
    half_w, half_h = round(width / zoom / 2), round(height / zoom / 2)
    grab_w, grab_h = max(1, round(width / zoom)), max(1, round(height / zoom))
    mx, my = x - round(half_w * zoom), y - round(half_h * zoom)
    if 0 <= mx < MARKER_SIDE and 0 <= my < MARKER_SIDE:
        edge = mx in (0, MARKER_SIDE - 1) or my in (0, MARKER_SIDE - 1)
        return BLACK if edge else WHITE
    return host_color(pointer[0] - half_w + x * grab_w // width,
                      pointer[1] - half_h + y * grab_h // height)


def picture_of(shot, box):
    left, top, width, height = box
    return [[shot.px(left + x, top + y) for x in range(width)] for y in range(height)]


def check_zoom(shot, zoom, pointer, window=FIXED):
    box = picture_box(shot, window)
    check(box, 'no lens at %d, %d' % window)
    picture = picture_of(shot, box)
    width, height = box[2], box[3]
    wrong = [(x, y) for y in range(0, height, 3) for x in range(0, width, 3)
             if picture[y][x] != expected_pixel(x, y, zoom, pointer, width, height)]
    check(not wrong, 'zoom %s: %d pixels wrong, first %s' % (zoom, len(wrong), wrong[:6]))


def case_zoom_keys(args):
    """Ctrl+Alt+Page Up and Down step the factor through the list: the picture's scale changes
    at once, and the settings file changes in that one line."""
    with Session(args, tools_ini()) as s:
        original = s.read_file('Lenzor.ini')
        show_lens(s, POINTER)
        s.wait_for_checks(lambda sh: check_zoom(sh, 2, POINTER), 30, 'the lens at zoom 2')
        for key, zoom in (('Prior', '2.5'), ('Next', '2'), ('Next', '1.5')):
            s.xdotool('key', 'ctrl+alt+' + key)
            s.wait_for_checks(lambda sh: check_zoom(sh, float(zoom), POINTER), 30,
                              'the lens at zoom ' + zoom)
            want = original.replace(b'Lenzor.ZoomFactor=2\r\n',
                                    b'Lenzor.ZoomFactor=' + zoom.encode() + b'\r\n')
            s.wait_until(lambda: s.read_file('Lenzor.ini') == want, 30, 'the file at ' + zoom)


def dib_pixels(dib):
    """Width, height and the rows (top-down, RGB triples) of a 24-bit CF_DIB."""
    size, width, height, planes, bits, compression = struct.unpack_from('<IiiHHI', dib)
    check(size == 40 and bits == 24 and compression == 0, 'not a plain 24-bit DIB')
    stride = (width * 3 + 3) & ~3
    rows = []
    for row in range(abs(height)):
        y = abs(height) - 1 - row if height > 0 else row
        start = size + y * stride
        rows.append([tuple(reversed(dib[start + 3 * x:start + 3 * x + 3]))
                     for x in range(width)])
    return width, abs(height), rows


def case_copy(args):
    """The copy key puts the lens's picture on the clipboard, pixel for pixel as the screen shows
    it, as a bitmap and as a PNG; the colour key puts the screen's colour under the pointer
    there as "#RRGGBB"."""
    with Session(args, tools_ini('HotKeyCopy=49219\nHotKeyCopyColor=49227\n')) as s:
        show_lens(s, POINTER)
        s.wait_for_checks(lambda sh: check_zoom(sh, 2, POINTER), 30, 'the lens')
        s.xdotool('key', 'ctrl+alt+c')
        _, dib, png = s.wait_until(lambda: (lambda c: c if c[1] else None)(s.clipboard()), 30,
                                   'a picture on the clipboard')
        width, height, rows = dib_pixels(dib)
        shot = s.shot()
        box = picture_box(shot)
        check((width, height) == box[2:], 'clipboard picture %dx%d, lens %s' % (width, height,
                                                                                 box))
        check(rows == picture_of(shot, box), 'the clipboard picture differs from the lens')
        check(png.startswith(b'\x89PNG\r\n\x1a\n'), 'no PNG beside the bitmap')

        pointer = (POINTER[0] + 7, POINTER[1] + 3)
        s.xdotool('mousemove', '--sync', *pointer)
        s.xdotool('key', 'ctrl+alt+k')
        want = '#%02X%02X%02X' % host_color(*pointer)
        s.wait_until(lambda: s.clipboard()[0] == want, 30, 'the colour %s' % want)


def case_freeze(args):
    """A frozen lens keeps its picture while the pointer moves on; freezing again lets the
    picture follow the pointer."""
    with Session(args, tools_ini('HotKeyFreeze=49222\n')) as s:
        show_lens(s, POINTER)
        s.wait_for_checks(lambda sh: check_zoom(sh, 2, POINTER), 30, 'the first picture')
        s.xdotool('key', 'ctrl+alt+f')
        shot = s.shot()
        box = picture_box(shot)
        frozen = picture_of(shot, box)
        moved = (520, 200)
        s.xdotool('mousemove', '--sync', *moved)
        deadline = time.time() + 2  # twenty update intervals
        while time.time() < deadline:
            now = picture_of(s.shot(), box)
            changed = sum(a != b for row_a, row_b in zip(now, frozen) for a, b in zip(row_a, row_b))
            # The frozen mark may come after the first look; the rest of the picture stays.
            check(changed < 2000, 'the frozen picture changed in %d pixels' % changed)
        s.xdotool('key', 'ctrl+alt+f')
        s.wait_for_checks(lambda sh: check_zoom(sh, 2, moved), 30, 'the picture following')


def case_smooth(args):
    """With "Smooth=1" the enlarged picture blends neighbouring pixels: most of its pixels are
    no single screen pixel but lie between the four around them."""
    with Session(args, tools_ini(extra_lens='Lenzor.Smooth=1\n')) as s:
        show_lens(s, POINTER)

        def blended(shot):
            box = picture_box(shot)
            check(box, 'no lens')
            picture = picture_of(shot, box)
            width, height = box[2], box[3]
            # Each picture pixel lies between the four screen pixels around its centre's place
            # in the grab, (x + 0.5) * grab / picture - 0.5 from the grab's corner.
            half_w, half_h = round(width / 4), round(height / 4)
            grab_w, grab_h = round(width / 2), round(height / 2)
            inside = blends = total = 0
            for y in range(8, height - 8, 5):
                for x in range(8, width - 8, 5):
                    total += 1
                    sx = POINTER[0] - half_w + math.floor((x + 0.5) * grab_w / width - 0.5)
                    sy = POINTER[1] - half_h + math.floor((y + 0.5) * grab_h / height - 0.5)
                    around = [host_color(sx + dx, sy + dy) for dx in (0, 1) for dy in (0, 1)]
                    got = picture[y][x]
                    if all(min(c[i] for c in around) <= got[i] <= max(c[i] for c in around)
                           for i in range(3)):
                        inside += 1
                        blends += got not in around
            check(inside > 0.9 * total, 'only %d of %d pixels between their neighbours'
                  % (inside, total))
            check(blends > 0.5 * total, 'only %d of %d pixels blended' % (blends, total))
        s.wait_for_checks(blended, 30, 'a smoothly enlarged picture')


CASES = {'zoom_keys': case_zoom_keys, 'copy': case_copy, 'freeze': case_freeze,
         'smooth': case_smooth}


if __name__ == '__main__':
    sys.exit(run_cases(CASES))
