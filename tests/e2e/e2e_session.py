"""A whole-program test session: a private Xvfb, the test host (e2e_host.exe, which covers the
screen with a known picture and keeps the focus) and a fresh copy of Lenzor.exe in a folder of
its own, with the "Lenzor.ini" the test gives, started by the host under Wine.
"""
import argparse
import os
import shutil
import signal
import subprocess
import tempfile
import time

SCREEN = (1024, 768)


def check(condition, message):
    """A test's check: unlike assert, it stays when Python runs with -O (PYTHONOPTIMIZE)."""
    if not condition:
        raise AssertionError(message)


def host_color(x, y):
    """The colour the test host paints at x, y: white squares between areas where every pixel
    differs from its neighbours (PatternColor in e2e_host_win.cpp)."""
    if (x // 32 + y // 32) % 4 == 0:
        return (255, 255, 255)
    return (16 + (x * 37 + y * 11) % 224, 16 + (x * 13 + y * 29) % 224,
            16 + ((x ^ y) * 7) % 224)


class Shot:
    """A screenshot as RGB triples."""

    def __init__(self, ppm):
        fields = []
        pos = 0
        while len(fields) < 4:  # magic, width, height, maxval; '#' comments are not used
            while ppm[pos:pos + 1].isspace():
                pos += 1
            end = pos
            while not ppm[end:end + 1].isspace():
                end += 1
            fields.append(ppm[pos:end])
            pos = end
        if fields[0] != b'P6' or fields[3] != b'255':
            raise ValueError('unexpected screenshot format')
        self.width, self.height = int(fields[1]), int(fields[2])
        self.data = ppm[pos + 1:]

    def px(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.data[i:i + 3])


class Session:
    """Xvfb, the host and Lenzor.exe for one test case."""

    def __init__(self, args, ini=None, arguments=(), extra_files=(), program_dir=None,
                 screen=SCREEN, wine_env=None):
        """ini: the text of Lenzor.ini (None: no file, a first start); arguments: Lenzor's
        command line; extra_files: (source, name) pairs copied beside the program;
        program_dir: a folder that already holds Lenzor.exe, used in place of a fresh copy;
        screen: the Xvfb screen's size; wine_env: more environment for Wine only."""
        self.args = args
        self.ini = ini
        self.arguments = list(arguments)
        self.extra_files = list(extra_files)
        self.given_program_dir = program_dir
        self.screen = screen
        self.wine_env = wine_env or {}

    def __enter__(self):
        self.dir = tempfile.mkdtemp(prefix='lenzor-e2e-')
        if self.given_program_dir:
            self.program_dir = self.given_program_dir
            self.exe = os.path.join(self.program_dir, 'Lenzor.exe')
        else:
            self.program_dir = os.path.join(self.dir, 'Lenzor')
            os.mkdir(self.program_dir)
            self.exe = os.path.join(self.program_dir, 'Lenzor.exe')
            shutil.copy(self.args.lenzor, self.exe)
        for source, name in self.extra_files:
            target = os.path.join(self.program_dir, name)
            if os.path.isdir(source):
                shutil.copytree(source, target)
            else:
                shutil.copy(source, target)
        if self.ini is not None:
            with open(self.ini_path, 'wb') as f:
                f.write(self.ini.replace('\n', '\r\n').encode('utf-8'))
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(
            ['Xvfb', '-displayfd', str(write_end), '-screen', '0', '%dx%dx24' % self.screen,
             '-nolisten', 'tcp'], pass_fds=[write_end], stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as displays:
            self.display = ':' + displays.readline().strip()
        env = dict(os.environ, DISPLAY=self.display, LENZOR_KEEP_DISPLAY='1', **self.wine_env)
        env.setdefault('LENZOR_WINE_ROOT', os.path.join(os.path.dirname(self.args.host), 'wine'))
        self.ready = os.path.join(self.dir, 'ready')
        self.stop = os.path.join(self.dir, 'stop')
        self.wine = subprocess.Popen(
            [self.args.wine_run, self.args.host, windows_path(self.exe),
             windows_path(self.ready), windows_path(self.stop), '-'] + self.arguments,
            env=env, start_new_session=True)
        deadline = time.time() + 90  # a loaded machine starts Wine slowly
        while not os.path.exists(self.ready):
            check(time.time() <= deadline and self.wine.poll() is None,
                  'Lenzor did not start under the host')
            time.sleep(0.2)
        return self

    def __exit__(self, *exc):
        open(self.stop, 'w').close()
        try:
            self.wine.wait(timeout=20)
        except subprocess.TimeoutExpired:
            os.killpg(self.wine.pid, signal.SIGTERM)
            self.wine.wait(timeout=10)
        self.xvfb.terminate()
        self.xvfb.wait()
        shutil.rmtree(self.dir, ignore_errors=True)

    @property
    def ini_path(self):
        return os.path.join(self.program_dir, 'Lenzor.ini')

    def read_file(self, name):
        """Bytes of a file beside the program, or None."""
        path = os.path.join(self.program_dir, name)
        if not os.path.exists(path):
            return None
        with open(path, 'rb') as f:
            return f.read()

    def running(self):
        return self.wine.poll() is None

    def exit_status(self):
        """Lenzor's exit status once it has ended by itself (the host writes it), else None."""
        path = os.path.join(self.dir, 'exit-status')
        if not os.path.exists(path):
            return None
        with open(path) as f:
            return int(f.read())

    def windows(self):
        """Lenzor's windows as the host lists them: dicts with kind, handle, cls, x, y, w, h,
        visible, enabled, text; children follow their top-level window (in z-order)."""
        answer = os.path.join(self.dir, 'answer')
        if os.path.exists(answer):
            os.remove(answer)
        open(os.path.join(self.dir, 'query'), 'w').close()
        deadline = time.time() + 20
        while not os.path.exists(answer):
            check(time.time() <= deadline and self.running(), 'the host did not list the windows')
            time.sleep(0.1)
        found = []
        with open(answer, encoding='utf-8') as f:
            for line in f.read().splitlines():
                head, _, text = line.partition('\t')
                kind, handle, cls, x, y, w, h, visible, enabled = head.split(' ')
                found.append(dict(kind=kind, handle=int(handle), cls=cls, x=int(x), y=int(y),
                                  w=int(w), h=int(h), visible=visible == '1',
                                  enabled=enabled == '1', text=text))
        return found

    def resources(self):
        """Lenzor's memory and GUI objects as the host reports them: a dict of ints (working,
        peak, pagefile in bytes; gdi, user counts) and 'counted' ('windows' where Windows
        counts them, 'probe' where the host's probe DLL did)."""
        answer = os.path.join(self.dir, 'answer-resources')
        if os.path.exists(answer):
            os.remove(answer)
        open(os.path.join(self.dir, 'query-resources'), 'w').close()
        deadline = time.time() + 60
        while not os.path.exists(answer):
            check(time.time() <= deadline and self.running(),
                  'the host did not report the resources')
            time.sleep(0.1)
        with open(answer, encoding='utf-8') as f:
            words = f.read().split()
        values = dict(word.split('=') for word in words[1:])
        return {k: (v if k == 'counted' else int(v)) for k, v in values.items()}

    def clipboard(self):
        """The clipboard as the host reads it: (text, CF_DIB bytes, PNG bytes), each empty when
        the clipboard has no such format."""
        answer = os.path.join(self.dir, 'answer-clipboard')
        if os.path.exists(answer):
            os.remove(answer)
        open(os.path.join(self.dir, 'query-clipboard'), 'w').close()
        self.wait_until(lambda: os.path.exists(answer), 20, 'the host to read the clipboard')
        parts = []
        for suffix in ('', '-dib', '-png'):
            with open(answer + suffix, 'rb') as f:
                parts.append(f.read())
        return parts[0].decode('utf-8'), parts[1], parts[2]

    def lenzor_status(self):
        """Fields of /proc/PID/status of the Linux process that runs this session's Lenzor.exe
        (values in kB as ints), or None when it is not found."""
        name = os.path.basename(self.dir)
        for pid in filter(str.isdigit, os.listdir('/proc')):
            try:
                with open('/proc/%s/cmdline' % pid, 'rb') as f:
                    command = f.read().decode('utf-8', 'replace')
                if name not in command or not command.split('\0')[0].endswith('Lenzor.exe'):
                    continue
                with open('/proc/%s/status' % pid) as f:
                    fields = dict(line.split(':', 1) for line in f if ':' in line)
            except OSError:
                continue
            return {k: int(v.split()[0]) for k, v in fields.items()
                    if v.strip().endswith('kB')}
        return None

    def top_windows(self, cls):
        """Lenzor's visible top-level windows of a class, each with its children."""
        found, current = [], None
        for window in self.windows():
            if window['kind'] == 'top':
                current = None
                if window['visible'] and window['cls'] == cls:
                    current = [window]
                    found.append(current)
            elif current is not None:
                current.append(window)
        return found

    def dialog(self):
        """The visible settings dialog's windows (the top-level one first), or []."""
        forms = self.top_windows('LenzorForm')
        return forms[0] if forms else []

    def wait_until(self, condition, timeout, what):
        deadline = time.time() + timeout
        while True:
            value = condition()
            if value:
                return value
            check(time.time() <= deadline, 'timed out waiting for ' + what)
            time.sleep(0.2)

    def click(self, window, dx=None, dy=None):
        """A left click inside a window (its middle by default)."""
        x = window['x'] + (window['w'] // 2 if dx is None else dx)
        y = window['y'] + (window['h'] // 2 if dy is None else dy)
        self.xdotool('mousemove', x, y)
        time.sleep(0.2)
        self.xdotool('click', 1)
        time.sleep(0.3)

    def xdotool(self, *words):
        subprocess.run(['xdotool'] + [str(w) for w in words], check=True,
                       env=dict(os.environ, DISPLAY=self.display))

    def shot(self):
        ppm = subprocess.run(['import', '-window', 'root', '-depth', '8', 'ppm:-'], check=True,
                             capture_output=True, env=dict(os.environ, DISPLAY=self.display))
        if os.environ.get('LENZOR_E2E_SHOTS'):  # keep every screenshot for a failure's analysis
            self.shots = getattr(self, 'shots', 0) + 1
            name = os.path.join(os.environ['LENZOR_E2E_SHOTS'], 'shot%03d.ppm' % self.shots)
            with open(name, 'wb') as f:
                f.write(ppm.stdout)
        return Shot(ppm.stdout)

    def window_geometry(self, name):
        """Left, top, width, height of the X window with that name."""
        env = dict(os.environ, DISPLAY=self.display)

        def search():  # Wine may make the window a moment after Lenzor is up
            return subprocess.run(['xdotool', 'search', '--name', name], env=env,
                                  capture_output=True, text=True).stdout.split()
        found = self.wait_until(search, 30, 'the window ' + name)
        shell = subprocess.run(['xdotool', 'getwindowgeometry', '--shell', found[0]], check=True,
                               env=env, capture_output=True, text=True).stdout
        values = dict(line.split('=') for line in shell.split())
        return int(values['X']), int(values['Y']), int(values['WIDTH']), int(values['HEIGHT'])

    def wait_for(self, condition, timeout, what):
        deadline = time.time() + timeout
        while True:
            shot = self.shot()
            if condition(shot):
                return shot
            check(time.time() <= deadline, 'timed out waiting for ' + what)
            time.sleep(0.1)

    def wait_for_checks(self, checks, timeout, what):
        """Screenshots until `checks` passes on one, which is returned: a frame still on its way
        to the screen only delays the test. After the time-out, the last shot's failure."""
        deadline = time.time() + timeout
        while True:
            shot = self.shot()
            try:
                checks(shot)
                return shot
            except AssertionError as failure:
                if time.time() > deadline:
                    raise AssertionError('%s, still after %d s: %s' % (what, timeout, failure))
            time.sleep(0.1)

    def host_screen(self):
        """A screenshot once the host's picture shows everywhere outside Wine's tray window
        (checked on a grid of pixels), so that it can serve as the reference of a lens picture:
        a window that has just gone may still be on the screen for a moment."""
        tray = self.window_geometry('Wine System Tray')

        def outside_tray(x, y):
            return not (tray[0] <= x < tray[0] + tray[2] and tray[1] <= y < tray[1] + tray[3])
        grid = [(x, y) for y in range(3, self.screen[1], 17) for x in range(5, self.screen[0], 13)
                if outside_tray(x, y)]
        return self.wait_for(lambda sh: all(sh.px(x, y) == host_color(x, y) for x, y in grid),
                             30, "the host's picture on the whole screen")

    # Where the tray menu's items lie, from the menu's bottom edge: the last ones stay put when
    # entries are added above them.
    TRAY_ITEMS = {'options': 40, 'exit': 14}

    def tray_menu(self, item):
        """Opens the tray icon's menu and clicks an item ('options' or 'exit')."""
        tray = self.window_geometry('Wine System Tray')
        self.xdotool('mousemove', '--sync', tray[0] + 10, tray[1] + 10)
        self.xdotool('click', 3)
        menu = self.wait_until(lambda: self.top_windows('#32768'), 30, 'the tray menu')[0][0]
        self.xdotool('mousemove', '--sync', menu['x'] + 45,
                     menu['y'] + menu['h'] - self.TRAY_ITEMS[item])
        self.xdotool('click', 1)


def windows_path(path):
    return 'Z:' + os.path.abspath(path).replace('/', '\\')




def run_cases(cases):
    """The command line of a test script: CASE --wine-run ... --host ... --lenzor ..."""
    parser = argparse.ArgumentParser()
    parser.add_argument('case', choices=sorted(cases))
    parser.add_argument('--wine-run', required=True)
    parser.add_argument('--host', required=True)
    parser.add_argument('--lenzor', required=True)
    args = parser.parse_args()
    cases[args.case](args)
    print('e2e %s: ok' % args.case)
