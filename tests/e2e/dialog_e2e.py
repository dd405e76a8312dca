#!/usr/bin/env python3
"""Whole-program tests of the settings dialog: a fresh copy of Lenzor.exe under Wine on a
private Xvfb, driven as a user would with xdotool (clicks on the controls the test host lists,
keys), and checked on "Lenzor.ini", "Custom.ini" and screenshots.

    dialog_e2e.py CASE --wine-run scripts/wine-run.sh --host e2e_host.exe --lenzor Lenzor.exe
"""
import argparse
import sys
import time

from e2e_session import Session
from lens_e2e import CORNER_OFFSET, check_picture, lens_at

FIRST_START_DONE = '[Common]\nFirstStart=0\n'


def visible(windows, cls, text=None):
    return [w for w in windows if w['kind'] == 'child' and w['visible'] and w['cls'] == cls
            and (text is None or w['text'] == text)]


def control(session, cls, text=None, index=0):
    """A visible control of the dialog by class (and caption), the index-th in creation order."""
    found = session.wait_until(lambda: visible(session.dialog(), cls, text), 10,
                               '%s "%s" in the dialog' % (cls, text))
    return found[index]


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
        assert ini(s) == FIRST_START_DONE, repr(ini(s))
        s.click(control(s, 'Button', 'Cancel'))
        wait_dialog(s, shown=False)
        assert s.running()
        assert ini(s) == FIRST_START_DONE, repr(ini(s))


def case_ok(args):
    """OK writes what the user chose, and the lens shows with it: Negative, Corner Tracker."""
    with Session(args) as s:
        reference = s.shot()
        wait_dialog(s)
        s.click(control(s, 'Button', 'Show Glass after application start'))
        select_page(s, 2)  # Advanced options
        contrast, position = visible(s.dialog(), 'ComboBox')[:2]
        choose(s, contrast, 1)   # Negative
        choose(s, position, 1)   # Corner Tracker
        s.click(control(s, 'Button', 'OK'))
        wait_dialog(s, shown=False)
        saved = ini(s)
        for line in ('ShowAfterStart=1', 'Lenzor.ContrastMode=1', 'Lenzor.PositionMode=1',
                     'Lenzor.ZoomFactor=2', 'Lenzor.UpdateInterval=100'):
            assert line in saved, 'missing %s in %r' % (line, saved)

        tray = s.window_geometry('Wine System Tray')
        icon = (tray[0] + 10, tray[1] + 10)
        s.xdotool('mousemove', *icon)
        time.sleep(0.3)
        s.xdotool('click', '--repeat', 2, '--delay', 80, 1)
        lens = (icon[0] + 10, icon[1] + 10)  # the stored default offset
        s.wait_for(lambda sh: lens_at(sh, *lens), 10, 'the lens')
        pointer = (470, 350)
        s.xdotool('mousemove', *pointer)
        lens = (pointer[0] + 10, pointer[1] + 10)
        shot = s.wait_for(lambda sh: lens_at(sh, *lens), 10, 'the lens to follow')
        time.sleep(0.5)
        shot = s.shot()
        check_picture(shot, lens, reference, pointer, negative=True)


def case_cancel(args):
    """Esc and the close box act like Cancel: nothing is stored, the program goes on."""
    stored = FIRST_START_DONE + '[MouseControl]\nLenzor.ContrastMode=0\n'
    with Session(args, stored, arguments=['-S']) as s:
        wait_dialog(s)
        select_page(s, 2)
        choose(s, visible(s.dialog(), 'ComboBox')[0], 3)  # Broken TV
        s.xdotool('key', 'Escape')
        wait_dialog(s, shown=False)
        assert ini(s) == stored, repr(ini(s))

        tray = s.window_geometry('Wine System Tray')
        s.xdotool('mousemove', tray[0] + 10, tray[1] + 10)
        time.sleep(0.3)
        s.xdotool('click', 3)
        time.sleep(0.5)
        s.xdotool('mousemove', tray[0] + 55, tray[1] + 30)  # "Options..."
        s.xdotool('click', 1)
        wait_dialog(s)
        dialog = s.dialog()[0]
        s.xdotool('windowfocus', str(dialog['handle']))
        s.xdotool('key', 'alt+F4')
        wait_dialog(s, shown=False)
        assert s.running()
        assert ini(s) == stored, repr(ini(s))


def case_preview(args):
    """"Glass Preview" shows a second lens that follows the edits before OK."""
    stored = (FIRST_START_DONE + '[MouseControl]\nLenzor.PositionMode=3\n'
              'Lenzor.LeftFixed=600\nLenzor.TopFixed=80\n')
    with Session(args, stored, arguments=['-S']) as s:
        wait_dialog(s)
        select_page(s, 1)  # Basic options
        s.click(control(s, 'Button', 'Glass Preview'))
        s.wait_for(lambda sh: lens_at(sh, 600, 80), 10, 'the preview lens at 600, 80')
        select_page(s, 2)
        left = [w for w in visible(s.dialog(), 'Edit')][0]  # "Left" of the glass coordinates
        s.click(left)
        s.xdotool('key', 'ctrl+a')
        s.xdotool('type', '300')
        s.wait_for(lambda sh: lens_at(sh, 300, 80), 10, 'the preview lens to move to 300, 80')
        assert ini(s) == stored, 'the preview must not store anything'
        s.click(control(s, 'Button', 'Cancel'))
        s.wait_for(lambda sh: not lens_at(sh, 300, 80), 10, 'the preview to end with the dialog')


def case_language_build(args):
    """"-L": showing the dialog announces the language build and writes "Custom.ini"."""
    with Session(args, FIRST_START_DONE, arguments=['-l', '-S']) as s:
        box = s.wait_until(
            lambda: [w for w in s.windows() if w['kind'] == 'top' and w['visible']
                     and w['text'] == ''], 30, 'the "Language Build" box')[0]
        assert any(w['text'] == 'Language Build' for w in s.windows()), 'no "Language Build"'
        s.xdotool('windowfocus', str(box['handle']))
        s.xdotool('key', 'Return')
        custom = s.wait_until(lambda: s.read_file('Custom.ini'), 20, 'Custom.ini')
        lines = custom.decode('utf-8').split('\r\n')
        form1 = lines[lines.index('[Form1]'):]
        wanted = ['Form1.Caption=Lenzor', 'Form1.BOK.Caption=OK', 'Form1.BCancel.Caption=Cancel',
                  'Form1.Showglass1.Caption=Show glass', 'Form1.MenuOptions1.Caption=Options...',
                  'Form1.Exit1.Caption=Exit']
        positions = [form1.index(line) for line in wanted]
        assert positions == sorted(positions), positions


def case_exit(args):
    """"Exit" on the tray menu ends the program."""
    with Session(args, FIRST_START_DONE) as s:
        tray = s.window_geometry('Wine System Tray')
        s.xdotool('mousemove', tray[0] + 10, tray[1] + 10)
        time.sleep(0.3)
        s.xdotool('click', 3)
        time.sleep(0.5)
        s.xdotool('mousemove', tray[0] + 55, tray[1] + 62)  # "Exit", below the separator
        s.xdotool('click', 1)
        s.wait_until(lambda: not s.running(), 20, 'Lenzor to end')


CASES = {'first_start': case_first_start, 'ok': case_ok, 'cancel': case_cancel,
         'preview': case_preview, 'language_build': case_language_build, 'exit': case_exit}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('case', choices=sorted(CASES))
    parser.add_argument('--wine-run', required=True)
    parser.add_argument('--host', required=True)
    parser.add_argument('--lenzor', required=True)
    args = parser.parse_args()
    CASES[args.case](args)
    print('e2e %s: ok' % args.case)


if __name__ == '__main__':
    sys.exit(main())
