#!/usr/bin/env python3
"""Whole-program tests of the settings dialog: a fresh copy of Lenzor.exe under Wine on a
private Xvfb, driven as a user would with xdotool (clicks on the controls the test host lists,
keys), and checked on "Lenzor.ini", "Custom.ini" and screenshots.

    dialog_e2e.py CASE --wine-run scripts/wine-run.sh --host e2e_host.exe --lenzor Lenzor.exe
"""
import sys
import time

from e2e_session import Session, check, run_cases
from lens_e2e import FRAME_COLOR, check_picture, lens_at

FIRST_START_DONE = '[Common]\nFirstStart=0\n'


def visible(windows, cls, text=None):
    return [w for w in windows if w['kind'] == 'child' and w['visible'] and w['cls'] == cls
            and (text is None or w['text'] == text)]


def control(session, cls, text=None):
    """A visible control of the dialog by class (and caption)."""
    found = session.wait_until(lambda: visible(session.dialog(), cls, text), 30,
                               '%s "%s" in the dialog' % (cls, text))
    return found[0]


def labelled(session, label, cls):
    """The visible control of that class nearest to the label, to its right or below it."""
    mark = control(session, 'Static', label)

    def distance(w):
        dx, dy = w['x'] - (mark['x'] + mark['w']), w['y'] - mark['y']
        if dx >= -4 and abs(dy) <= mark['h']:    # on the label's line, to its right
            return dx
        if w['y'] >= mark['y'] + mark['h'] - 4 and abs(w['x'] - mark['x']) <= 40:  # below
            return 1000 + dy
        return None
    candidates = [(distance(w), w) for w in visible(session.dialog(), cls)]
    candidates = [(d, w) for d, w in candidates if d is not None]
    check(candidates, 'no %s beside "%s"' % (cls, label))
    return min(candidates, key=lambda c: c[0])[1]


def select_page(session, index):
    """Clicks the first tab, then moves right to the page wanted."""
    tabs = control(session, 'SysTabControl32')
    session.click(tabs, 20, 10)
    for _ in range(index):
        session.xdotool('key', 'Right')
        time.sleep(0.2)
    time.sleep(0.3)


def choose(session, combo, steps):
    """Opens a drop-down list and moves `steps` entries down from the top."""
    session.click(combo)
    session.xdotool('key', 'Home')
    for _ in range(steps):
        session.xdotool('key', 'Down')
    session.xdotool('key', 'Return')
    time.sleep(0.3)


def wait_dialog(session, shown=True):
    session.wait_until(lambda: bool(session.dialog()) == shown, 30,
                       'the dialog to %s' % ('show' if shown else 'hide'))


def ini(session):
    return (session.read_file('Lenzor.ini') or b'').decode('utf-8').replace('\r\n', '\n')


def case_first_start(args):
    """No "Lenzor.ini": the dialog opens by itself and only the first-start flag is stored;
    Cancel, Esc and the close box change nothing else."""
    with Session(args) as s:
        wait_dialog(s)
        check(ini(s) == FIRST_START_DONE, repr(ini(s)))
        s.click(control(s, 'Button', 'Cancel'))
        wait_dialog(s, shown=False)
        check(s.running(), 'Lenzor ended')
        check(ini(s) == FIRST_START_DONE, repr(ini(s)))


def case_ok(args):
    """OK writes what the user chose, and the lens shows with it: Negative, Corner Tracker."""
    with Session(args) as s:
        wait_dialog(s)
        s.click(control(s, 'Button', 'Show Glass after application start'))
        select_page(s, 2)  # Advanced options
        choose(s, labelled(s, 'Contrast mode', 'ComboBox'), 1)   # Negative
        choose(s, labelled(s, 'Glass Position', 'ComboBox'), 1)  # Corner Tracker
        s.click(control(s, 'Button', 'OK'))
        wait_dialog(s, shown=False)
        reference = s.host_screen()
        saved = ini(s)
        for line in ('ShowAfterStart=1', 'Lenzor.ContrastMode=1', 'Lenzor.PositionMode=1',
                     'Lenzor.ZoomFactor=2', 'Lenzor.UpdateInterval=100'):
            check(line in saved, 'missing %s in %r' % (line, saved))

        tray = s.window_geometry('Wine System Tray')
        icon = (tray[0] + 10, tray[1] + 10)
        s.xdotool('mousemove', '--sync', *icon)
        s.xdotool('click', '--repeat', 2, '--delay', 80, 1)
        lens = (icon[0] + 10, icon[1] + 10)  # the stored default offset
        s.wait_for(lambda sh: lens_at(sh, *lens), 30, 'the lens')
        pointer = (470, 350)
        s.xdotool('mousemove', *pointer)
        lens = (pointer[0] + 10, pointer[1] + 10)
        s.wait_for_checks(lambda sh: check_picture(sh, lens, reference, pointer, negative=True),
                          30, 'the negative lens beside the pointer')


def case_cancel(args):
    """Esc and the close box act like Cancel: nothing is stored, the program goes on."""
    stored = FIRST_START_DONE + '[MouseControl]\nLenzor.ContrastMode=0\n'
    with Session(args, stored, arguments=['-S']) as s:
        wait_dialog(s)
        select_page(s, 2)
        choose(s, labelled(s, 'Contrast mode', 'ComboBox'), 3)  # Broken TV
        s.xdotool('key', 'Escape')
        wait_dialog(s, shown=False)
        check(ini(s) == stored, repr(ini(s)))

        s.tray_menu('options')
        s.click(control(s, 'Button', 'OK'), -40, 10)  # on the bottom panel: the dialog has the keys
        s.xdotool('key', 'alt+F4')
        wait_dialog(s, shown=False)
        check(s.running(), 'Lenzor ended')
        check(ini(s) == stored, repr(ini(s)))


def lens_windows(session):
    """Where Lenzor's visible lens windows stand: (left, top) of each."""
    return [(w[0]['x'], w[0]['y']) for w in session.top_windows('LenzorLensWindow')]


def shows_frame_colour(shot, left, top):
    """The lens's frame colour along the left edge of the window at left, top."""
    return sum(shot.px(left + dx, top + y) == FRAME_COLOR for dx in range(6)
               for y in range(40, 200, 10)) >= 10


def case_preview(args):
    """"Glass Preview" shows a second lens that follows the edits before OK."""
    stored = (FIRST_START_DONE + '[MouseControl]\nLenzor.PositionMode=3\n'
              'Lenzor.LeftFixed=600\nLenzor.TopFixed=80\n')
    with Session(args, stored, arguments=['-S']) as s:
        wait_dialog(s)
        select_page(s, 1)  # Basic options
        s.click(control(s, 'Button', 'Glass Preview'))
        s.wait_until(lambda: lens_windows(s) == [(600, 80)], 30, 'the preview lens at 600, 80')
        s.wait_for(lambda sh: shows_frame_colour(sh, 600, 80), 30, 'the preview on the screen')
        select_page(s, 2)
        s.click(labelled(s, 'Left', 'Edit'))  # of the glass coordinates
        s.xdotool('key', 'End', 'shift+Home')
        s.xdotool('type', '300')
        s.wait_until(lambda: lens_windows(s) == [(300, 80)], 30, 'the preview to move to 300')
        s.wait_for(lambda sh: shows_frame_colour(sh, 300, 80), 30, 'the moved preview')
        check(ini(s) == stored, 'the preview must not store anything')
        s.click(control(s, 'Button', 'Cancel'))
        s.wait_until(lambda: lens_windows(s) == [], 30, 'the preview to end with the dialog')


def case_language_build(args):
    """"-L": showing the dialog announces the language build and writes "Custom.ini"."""
    with Session(args, FIRST_START_DONE, arguments=['-l', '-S']) as s:
        box = s.wait_until(lambda: s.top_windows('#32770'), 30, 'the "Language Build" box')[0]
        check(box[0]['text'] == '', 'the box has no caption')
        check(any(w['text'] == 'Language Build' for w in box), 'no "Language Build" in the box')
        s.click([w for w in box if w['cls'] == 'Button'][0])

        def whole_template():  # written twice: the frames first, then the form's own texts
            text = s.read_file('Custom.ini') or b''
            return text if b'Form1.Exit1.Caption=Exit' in text else None
        custom = s.wait_until(whole_template, 20, 'Custom.ini with its [Form1] section')
        check(custom.startswith(b'\xef\xbb\xbf'), 'Custom.ini is UTF-8 with a byte-order mark')
        lines = custom.decode('utf-8-sig').split('\r\n')
        form1 = lines[lines.index('[Form1]'):]
        wanted = ['Form1.Caption=Lenzor', 'Form1.BOK.Caption=OK', 'Form1.BCancel.Caption=Cancel',
                  'Form1.Showglass1.Caption=Show glass', 'Form1.MenuOptions1.Caption=Options...',
                  'Form1.Exit1.Caption=Exit']
        positions = [form1.index(line) for line in wanted]
        check(positions == sorted(positions), 'the form\'s texts out of order: %s' % positions)


def case_exit(args):
    """"Exit" on the tray menu ends the program, with status 0."""
    with Session(args, FIRST_START_DONE) as s:
        s.tray_menu('exit')
        s.wait_until(lambda: not s.running(), 30, 'Lenzor to end')
        check(s.exit_status() == 0, 'Lenzor ended with status %s' % s.exit_status())


CASES = {'first_start': case_first_start, 'ok': case_ok, 'cancel': case_cancel,
         'preview': case_preview, 'language_build': case_language_build, 'exit': case_exit}


if __name__ == '__main__':
    sys.exit(run_cases(CASES))
