#!/usr/bin/env python3
"""Whole-program test of the package: the win64 build zipped as scripts/package.sh zips it,
unzipped into a fresh folder and started from there under Wine, as a user would after download.
The first start opens the dialog with the shipped languages, texts and pictures, and writes
"Lenzor.ini" beside the program.

    package_e2e.py --zip-script scripts/zip-package.sh --version 1.0.0
                   --wine-run scripts/wine-run.sh --host e2e_host.exe --lenzor Lenzor.exe
"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import zipfile

from e2e_session import Session, check

SHIPPED = {'Lenzor/Lenzor.exe', 'Lenzor/Readme.txt', 'Lenzor/ProVersion.txt',
           'Lenzor/Readme.German.txt', 'Lenzor/ProVersion.German.txt',
           'Lenzor/Readme.Russian.txt', 'Lenzor/ProVersion.Russian.txt',
           'Lenzor/License.txt', 'Lenzor/Language/English.ini', 'Lenzor/Language/German.ini',
           'Lenzor/Language/Russian.ini'}


def utf16(text):
    return text.encode('utf-16-le')


def check_zip(path, version):
    with zipfile.ZipFile(path) as z:
        files = {n for n in z.namelist() if not n.endswith('/')}
        exe = z.read('Lenzor/Lenzor.exe')
    extra = {n for n in files - SHIPPED if not (n.startswith('Lenzor/Language/') and
                                                n.endswith('.ini'))}
    check(SHIPPED <= files, 'missing from the package: %s' % sorted(SHIPPED - files))
    check(not extra, 'unexpected in the package: %s' % sorted(extra))
    for name, value in (('ProductName', 'Lenzor'), ('ProductVersion', version),
                        ('FileVersion', version)):
        check(utf16(name + '\0') in exe, 'no %s in the version resource' % name)
        check(utf16(value + '\0') in exe, 'no %s "%s" in the version resource' % (name, value))
    check(b'.debug_info' not in exe, 'the executable is not stripped')


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--zip-script', required=True)
    parser.add_argument('--version', required=True)
    parser.add_argument('--wine-run', required=True)
    parser.add_argument('--host', required=True)
    parser.add_argument('--lenzor', required=True)
    args = parser.parse_args()

    work = tempfile.mkdtemp(prefix='lenzor-package-')
    try:
        package = os.path.join(work, 'Lenzor-%s-win64.zip' % args.version)
        subprocess.run(['bash', args.zip_script, args.lenzor, 'x86_64-w64-mingw32', package],
                       check=True)
        check_zip(package, args.version)
        with zipfile.ZipFile(package) as z:
            z.extractall(os.path.join(work, 'unzipped'))
        folder = os.path.join(work, 'unzipped', 'Lenzor')

        with Session(args, program_dir=folder) as s:
            windows = s.wait_until(s.dialog, 60, 'the dialog at the first start')
            settings = s.wait_until(lambda: s.read_file('Lenzor.ini'), 20, 'Lenzor.ini')
            check(settings == b'[Common]\r\nFirstStart=0\r\n', repr(settings))
            texts = [w['text'] for w in windows]
            check('English' in texts, 'the language list does not offer English')
            check(any(t.startswith('Lenzor - a screen magnifier') for t in texts), 'no Readme')
            check(any(t.startswith('Lenzor Pro') for t in texts), 'no ProVersion.txt')
            strip = [w for w in windows if w['cls'] == 'LenzorGraphic' and w['visible'] and
                     (w['w'], w['h']) == (109, 350)]
            check(strip, 'no picture strip on the dialog')
            def strip_drawn(shot):  # a red strip
                r, g, b = shot.px(strip[0]['x'] + 4, strip[0]['y'] + 4)
                return r > 150 and g < 90 and b < 90
            s.wait_for(strip_drawn, 30, 'the picture strip drawn on the dialog')
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print('e2e package: ok')


if __name__ == '__main__':
    sys.exit(main())
