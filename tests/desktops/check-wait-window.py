#!/usr/bin/python3
"""The wait window on mutter as an X11 window manager (GNOME on Xorg), where
a window hidden before mutter had mapped it was left on screen: renderings
that last show it, and every one of them takes it down again.

Usage: check-wait-window.py APP_DIR. Needs Xvfb, mutter, xwininfo, AT-SPI."""
import os, shutil, signal, struct, subprocess, sys, tempfile, threading, time

APP = os.path.abspath(sys.argv[1])
HERE = os.path.dirname(os.path.abspath(__file__))
WAIT = 'Please Wait, Rendering...'


def slow_folder(work):
    """The application folder with two scenes of the same big picture
    stretched to many sizes: slow.vdr, whose rendering lasts about a second,
    and slower.vdr, about three or four times as long."""
    app = os.path.join(work, 'app')
    shutil.copytree(APP, app, symlinks=True)
    w = h = 2048
    row = (w * 3 + 3) & ~3
    pixels = bytes((i * 7) & 0xFF for i in range(row)) * h
    with open(os.path.join(app, 'big.bmp'), 'wb') as f:
        f.write(b'BM' + struct.pack('<IHHI', 54 + len(pixels), 0, 0, 54)
                + struct.pack('<IiiHHIIiiII', 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0) + pixels)
    for name, count in (('slow.vdr', 400), ('slower.vdr', 1500)):
        # Sizes all different, so that no stretched picture is drawn twice.
        lines = ['Tolvane Veldor File', 'sky2.bmp', 'ground3.bmp', '-45', '-65', '-90', str(count)]
        for i in range(count):
            lines += ['1', 'big.bmp', 'Big %d' % i, str(i % 300), '20', str(300 + i % 330), str(100 + (i * 7) % 240)]
        with open(os.path.join(app, name), 'wb') as f:
            f.write(('\r\n'.join(lines) + '\r\n').encode())
    return app


def viewable(env):
    out = subprocess.run(['xwininfo', '-name', WAIT], env=env, capture_output=True, text=True).stdout
    return 'IsViewable' in out


def free_display():
    """An X server on a display number nobody uses, and that number."""
    r, w = os.pipe()
    xvfb = subprocess.Popen(['Xvfb', '-displayfd', str(w), '-screen', '0', '1280x1024x24'],
                            stderr=subprocess.DEVNULL, pass_fds=(w,))
    os.close(w)
    with os.fdopen(r) as f:
        return xvfb, ':' + f.readline().strip()


def main():
    # A tool missing is a failure with its name, never a silent pass.
    missing = [t for t in ('Xvfb', 'mutter', 'xwininfo', 'dbus-run-session') if not shutil.which(t)]
    if missing:
        print('FAIL mutter/x11: %s missing (scripts/install-deps --desktops installs them)' % ', '.join(missing))
        return 1
    work = tempfile.mkdtemp(prefix='veldor-wait-')
    app = slow_folder(work)
    xvfb, display = free_display()
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM='xcb', QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1',
               XDG_RUNTIME_DIR=work, HOME=work, XDG_STATE_HOME=work)
    # One session bus for the window manager, the program and the screen
    # reader's presses.
    script = '''
mutter --x11 --replace --sm-disable >/dev/null 2>&1 &
echo $! >"$4/mutter.pid"
sleep 2
cd "$1" && ./veldor slow.vdr >/dev/null 2>&1 &
echo $! >"$4/veldor.pid"
sleep 6
exec "$2" "$3"
'''
    seen = []
    stop = threading.Event()

    def watch():
        while not stop.is_set():
            seen.append((time.monotonic(), viewable(env)))
            time.sleep(0.03)

    driver = os.path.join(work, 'drive.py')
    with open(driver, 'w') as f:
        f.write('''import subprocess, sys, time
press = [sys.executable, %r, 'press', 'Refresh']
for _ in range(8):
    subprocess.run(press, capture_output=True)
    time.sleep(2.5)
''' % os.path.join(HERE, 'atspi.py'))
    watcher = threading.Thread(target=watch)
    watcher.start()
    try:
        subprocess.run(['dbus-run-session', '--', 'sh', '-c', script, 'sh', app, '/usr/bin/python3', driver, work],
                       env=env, timeout=120, stderr=subprocess.DEVNULL)
        time.sleep(2)
    finally:
        stop.set()
        watcher.join()
        left = viewable(env)
        # Only what this run started, by its id.
        for name in ('veldor', 'mutter'):
            try:
                with open(os.path.join(work, name + '.pid')) as f:
                    os.kill(int(f.read()), signal.SIGTERM)
            except (OSError, ValueError):
                pass
        xvfb.terminate()
        shutil.rmtree(work, ignore_errors=True)
    shown = sum(1 for (_, a), (_, b) in zip(seen, seen[1:]) if b and not a)
    failures = 0
    for name, ok in (('mutter/x11: renderings that last show the wait window', shown >= 5),
                     ('mutter/x11: no wait window left on screen', not left)):
        print(('ok   ' if ok else 'FAIL ') + name + ' (shown %d times, left on screen: %s)' % (shown, left))
        failures += not ok
    print('%d failed' % failures)
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
