#!/usr/bin/env python3
"""What Lenzor writes: a whole use (first start with its dialog, OK with "Run application on
Windows startup" on, then off, then on again, "Exit" on the tray menu) in a fresh Wine prefix
of its own. Afterwards the prefix's files and registry are compared with a snapshot taken
before Wine started: only the program's Run value may be new, and beside the program only
"Lenzor.ini" (and "Custom.ini" in the language-build mode, case language_build).

What Wine itself changes in a session, whatever program runs, is ignored (IGNORED_KEYS): the
network adapters it enumerates at every start, and the display adapter and monitor devices its
X11 driver registers when the first window opens on a display (the template prefix is booted
without one), with their enumeration and video keys. Keys are compared by name and values, not
by the time Wine stamps on each. No file is ignored.

    write_audit_e2e.py CASE --wine-run scripts/wine-run.sh --host e2e_host.exe --lenzor Lenzor.exe
"""
import os
import re
import shutil
import stat
import subprocess
import sys
import tempfile

from dialog_e2e import control, wait_dialog
from e2e_session import Session, check, run_cases

AUTORUN = 'Run application on Windows startup'
RUN_KEY = r'Software\Microsoft\Windows\CurrentVersion\Run'
RUN_VALUE = '"Lenzor10Quendal"'

IGNORED_KEYS = [re.compile(p, re.I) for p in (
    r'^Software\\Microsoft\\Windows NT\\CurrentVersion\\NetworkCards',
    r'^System\\CurrentControlSet\\Control\\Class\\',
    r'^System\\CurrentControlSet\\Control\\DeviceClasses\\',
    r'^System\\CurrentControlSet\\Control\\Video\\',
    r'^System\\CurrentControlSet\\Enum\\',
)]


def read_registry(path):
    """{key: {value name: data}} of a Wine .reg file; timestamps and comments left out."""
    keys, current, pending = {}, None, ''
    with open(path, encoding='utf-8', errors='replace') as f:
        for raw in f:
            line = pending + raw.rstrip('\n')
            if line.endswith('\\') and current is not None:
                pending = line[:-1]
                continue
            pending = ''
            if line.startswith('['):
                name = line[1:line.rindex(']')].replace('\\\\', '\\')
                current = keys.setdefault(name, {})
            elif current is not None and line and line[0] in '"@':
                name, _, data = line.partition('=') if line[0] == '@' else _split_value(line)
                current[name] = data
    return keys


def _split_value(line):
    end = 1
    while line[end] != '"':
        end += 2 if line[end] == '\\' else 1
    return line[:end + 1], '=', line[end + 2:]


def snapshot(prefix):
    """The prefix's files (size and change time, symbolic links by target) and registry."""
    files = {}
    for folder, dirs, names in os.walk(prefix):
        for name in names + [d for d in dirs if os.path.islink(os.path.join(folder, d))]:
            path = os.path.join(folder, name)
            rel = os.path.relpath(path, prefix)
            info = os.lstat(path)
            files[rel] = (os.readlink(path) if stat.S_ISLNK(info.st_mode)
                          else (info.st_size, info.st_mtime_ns))
    registry = {name: read_registry(os.path.join(prefix, name))
                for name in ('system.reg', 'user.reg', 'userdef.reg')}
    return files, registry


def changes(before, after):
    """(what changed, what of it is ignored as Wine's own)."""
    found = []
    files = set(before[0]) | set(after[0])
    for rel in sorted(files):
        if rel.endswith('.reg') and '/' not in rel:
            continue
        if before[0].get(rel) != after[0].get(rel):
            found.append(('file', rel, None))
    for hive in before[1]:
        old, new = before[1][hive], after[1][hive]
        for key in sorted(set(old) | set(new)):
            a, b = old.get(key, {}), new.get(key, {})
            if key not in old or key not in new:
                found.append((hive, key, None))
            for value in sorted(set(a) | set(b)):
                if a.get(value) != b.get(value):
                    found.append((hive, key, value))
    mine, ignored = [], []
    for change in found:
        kind, name, _ = change
        wine = kind != 'file' and any(p.search(name) for p in IGNORED_KEYS)
        (ignored if wine else mine).append(change)
    return mine, ignored


def fresh_prefix(args):
    """A prefix copied from the template that wine-run.sh boots once (made here if missing)."""
    root = os.environ.get('LENZOR_WINE_ROOT',
                          os.path.join(os.path.dirname(args.host), 'wine'))
    template = os.path.join(root, 'template')
    if not os.path.exists(os.path.join(template, '.ready')):
        subprocess.run([args.wine_run, args.host], check=False)  # the host alone just ends
    prefix = tempfile.mkdtemp(prefix='audit.', dir=root)
    subprocess.run(['cp', '-al', template + '/.', prefix + '/'], check=True)
    for name in os.listdir(prefix):
        if name.endswith('.reg'):
            os.remove(os.path.join(prefix, name))
            shutil.copy(os.path.join(template, name), os.path.join(prefix, name))
    return prefix


def dismiss_language_build(s):
    box = s.wait_until(lambda: s.top_windows('#32770'), 30, 'the "Language Build" box')[0]
    s.click([w for w in box if w['cls'] == 'Button'][0])
    s.wait_until(lambda: s.read_file('Custom.ini'), 20, 'Custom.ini')


def whole_use(s, language_build):
    wait_dialog(s)  # the first start opens the dialog by itself
    if language_build:
        dismiss_language_build(s)
    for turn in range(3):  # on, off, on
        if turn:
            s.tray_menu('options')
            wait_dialog(s)
            if language_build:
                dismiss_language_build(s)
        s.click(control(s, 'Button', AUTORUN))
        s.click(control(s, 'Button', 'OK'))
        wait_dialog(s, shown=False)
    s.tray_menu('exit')
    s.wait_until(lambda: not s.running(), 30, 'Lenzor to end')


def run(args, language_build):
    prefix = fresh_prefix(args)
    try:
        before = snapshot(prefix)
        wrapper = os.path.join(prefix, 'run-in-prefix.sh')
        with open(wrapper, 'w') as f:  # Wine in this prefix; the registry saved when it ends
            f.write('#!/bin/sh\nexport WINEPREFIX="%s" WINEDEBUG=-all WINEARCH=win64 '
                    'WINEDLLOVERRIDES="mscoree,mshtml="\nwine "$@"; rc=$?\n'
                    'wineserver -w\nexit $rc\n' % prefix)
        os.chmod(wrapper, 0o755)
        args.wine_run = wrapper
        with Session(args, None, arguments=['-l'] if language_build else []) as s:
            whole_use(s, language_build)
            beside = sorted(os.listdir(s.program_dir))
            s.wine.wait(timeout=60)  # the wrapper waits for Wine to save the registry
        os.remove(wrapper)
        after = snapshot(prefix)
    finally:
        subprocess.run(['env', 'WINEPREFIX=' + prefix, 'wineserver', '-k'], check=False,
                       stderr=subprocess.DEVNULL)
        shutil.rmtree(prefix, ignore_errors=True)

    expected = ['Lenzor.exe', 'Lenzor.ini'] + (['Custom.ini'] if language_build else [])
    check(beside == sorted(expected), 'files beside the program: %s' % beside)
    mine, ignored = changes(before, after)
    run_value = [('system.reg', RUN_KEY, RUN_VALUE)]
    def lower(found):
        return [tuple(str(x).lower() for x in c) for c in found]
    check(lower(mine) == lower(run_value), 'changes beyond the Run value: %s' % mine)
    print('e2e write audit: only %s beside the program and the Run value changed; '
          '%d changes of Wine\'s own ignored' % (', '.join(expected[1:]), len(ignored)))
    for change in ignored:
        print('  ignored: %s %s %s' % change)


if __name__ == '__main__':
    sys.exit(run_cases({'use': lambda args: run(args, False),
                        'language_build': lambda args: run(args, True)}))
