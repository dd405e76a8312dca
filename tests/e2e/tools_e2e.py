#!/usr/bin/env python3
"""Whole-program tests of the lens's tools: the zoom keys (the picture's scale and the settings
file), copying the picture and the colour under the pointer (the clipboard as the host reads
it), freezing, and the smooth enlargement. A fixed lens stands at the top right, away from the
grabbed rectangles, so that screenshots of it can be compared with the host's known picture.

    tools_e2e.py CASE --wine-run scripts/wine-run.sh --host e2e_host.exe --lenzor Lenzor.exe
"""
import struct
import sys
import time

from e2e_session import Session, check, host_color, run_cases
from lens_e2e import BLACK, CORNER_OFFSET, FRAME, PICTURE, WHITE, lens_at, show_lens

FIXED = (700, 40)       # the fixed lens's top-left (Wine draws no caption without a manager)
POINTER = (300, 420)    # where the grabs are taken, far from the lens
MARKER_SIDE = 6


def tools_ini(extra_common='', extra_lens='', zoom='2', position=3):
    return ('[Common]\nFirstStart=0\nHotKeyShowGlass=49223\n%s[MouseControl]\n'
            'Lenzor.ZoomFactor=%s\nLenzor.PositionMode=%d\nLenzor.LeftFixed=%d\n'
            'Lenzor.TopFixed=%d\nLenzor.MouseThrough=1\nLenzor.CornerTrackOffSet=%d\n%s'
            % (extra_common, zoom, position, FIXED[0], FIXED[1], CORNER_OFFSET, extra_lens))


def expected_pixel(x, y, zoom, pointer):
    """What the crisp picture shows at x, y for a zoom and a pointer: the screen's pixel under
    it (nearest), the marker square's white inside and black outline, or None where the test
    cannot know (nothing)."""
    half = round(PICTURE / zoom / 2)
    grab = max(1, round(PICTURE / zoom))
    marker = round(half * zoom)
    mx, my = x - marker, y - marker
    if 0 <= mx < MARKER_SIDE and 0 <= my < MARKER_SIDE:
        edge = mx in (0, MARKER_SIDE - 1) or my in (0, MARKER_SIDE - 1)
        return BLACK if edge else WHITE
    return host_color(pointer[0] - half + x * grab // PICTURE,
                      pointer[1] - half + y * grab // PICTURE)


def picture_of(shot, lens):
    """The lens's picture area: PICTURE x PICTURE pixels inside its frame."""
    left, top = lens[0] + FRAME, lens[1] + FRAME
    return [[shot.px(left + x, top + y) for x in range(PICTURE)] for y in range(PICTURE)]


def check_zoom(shot, zoom, pointer, lens=FIXED):
    check(lens_at(shot, *lens), 'no lens at %d, %d' % lens)
    picture = picture_of(shot, lens)
    wrong = [(x, y) for y in range(0, PICTURE, 3) for x in range(0, PICTURE, 3)
             if picture[y][x] != expected_pixel(x, y, zoom, pointer)]
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
        check((width, height) == (PICTURE, PICTURE), 'clipboard picture %dx%d' % (width, height))
        shot = s.shot()
        check(rows == picture_of(shot, FIXED), 'the clipboard picture differs from the lens')
        check(png.startswith(b'\x89PNG\r\n\x1a\n'), 'no PNG beside the bitmap')

        pointer = (POINTER[0] + 7, POINTER[1] + 3)
        s.xdotool('mousemove', '--sync', *pointer)
        s.xdotool('key', 'ctrl+alt+k')
        want = '#%02X%02X%02X' % host_color(*pointer)
        s.wait_until(lambda: s.clipboard()[0] == want, 30, 'the colour %s' % want)


def case_freeze(args):
    """A frozen lens keeps its place and its picture while the pointer moves on; freezing again
    lets it follow."""
    ini = tools_ini('HotKeyFreeze=49222\n', position=1)
    with Session(args, ini) as s:
        show_lens(s, POINTER)
        lens = (POINTER[0] + CORNER_OFFSET, POINTER[1] + CORNER_OFFSET)
        s.wait_for_checks(lambda sh: check_zoom(sh, 2, POINTER, lens), 30, 'the first picture')
        s.xdotool('key', 'ctrl+alt+f')
        frozen = picture_of(s.shot(), lens)
        moved = (620, 200)
        s.xdotool('mousemove', '--sync', *moved)
        deadline = time.time() + 2  # twenty update intervals
        while time.time() < deadline:
            shot = s.shot()
            check(lens_at(shot, *lens), 'the frozen lens moved')
            now = picture_of(shot, lens)
            changed = sum(a != b for row_a, row_b in zip(now, frozen) for a, b in zip(row_a, row_b))
            # The frozen mark may come after the first look; the rest of the picture stays.
            check(changed < 2000, 'the frozen picture changed in %d pixels' % changed)
        s.xdotool('key', 'ctrl+alt+f')
        at = (moved[0] + CORNER_OFFSET, moved[1] + CORNER_OFFSET)
        s.wait_for_checks(lambda sh: check_zoom(sh, 2, moved, at), 30, 'the lens following')


def case_smooth(args):
    """With "Smooth=1" the enlarged picture blends neighbouring pixels: most of its pixels are
    no single screen pixel but lie between the four around them."""
    with Session(args, tools_ini(extra_lens='Lenzor.Smooth=1\n')) as s:
        show_lens(s, POINTER)
        half = round(PICTURE / 2 / 2)

        def blended(shot):
            check(lens_at(shot, *FIXED), 'no lens')
            picture = picture_of(shot, FIXED)
            inside = blends = 0
            for y in range(8, PICTURE - 8, 5):
                for x in range(8, PICTURE - 8, 5):
                    sx, sy = POINTER[0] - half + (x - 1) // 2, POINTER[1] - half + (y - 1) // 2
                    around = [host_color(sx + dx, sy + dy) for dx in (0, 1) for dy in (0, 1)]
                    got = picture[y][x]
                    if all(min(c[i] for c in around) <= got[i] <= max(c[i] for c in around)
                           for i in range(3)):
                        inside += 1
                        blends += got not in around
            total = len(range(8, PICTURE - 8, 5)) ** 2
            check(inside > 0.9 * total, 'only %d of %d pixels between their neighbours'
                  % (inside, total))
            check(blends > 0.5 * total, 'only %d of %d pixels blended' % (blends, total))
        s.wait_for_checks(blended, 30, 'a smoothly enlarged picture')


CASES = {'zoom_keys': case_zoom_keys, 'copy': case_copy, 'freeze': case_freeze,
         'smooth': case_smooth}


if __name__ == '__main__':
    sys.exit(run_cases(CASES))
