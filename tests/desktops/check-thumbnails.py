#!/usr/bin/python3
"""Scene thumbnails as the file managers' own thumbnail services make them:
XFCE's tumbler (over D-Bus, as Thunar asks it) and GNOME's thumbnail factory
(in its bubblewrap sandbox, as Nautilus uses it). Each must show the sample
scene exactly as `veldor-render --size 256` draws it, give a scene whose
pack picture it cannot see no thumbnail rather than one without that
picture, and give a file that is no scene none.

Usage: check-thumbnails.py APP_DIR SAMEPIXELS
A service that is not installed is a failure (make test-desktops installs
them). GNOME's sandbox shows only /usr, so its check needs the installed
package, which make test-desktops installs, and its absence is a failure;
without it, tumbler is given the thumbnailer file the package ships as
`cmake --install` writes it into a folder of the check's own."""
import glob, hashlib, os, shutil, subprocess, sys, tempfile, time, urllib.parse

APP = os.path.abspath(sys.argv[1])
SAMEPIXELS = os.path.abspath(sys.argv[2])
INSTALLED = '/usr/share/thumbnailers/veldor.thumbnailer'
SIZE = 256  # the "large" flavour of both services
failures = []


def check(name, ok, detail=''):
    print(('ok   ' if ok else 'FAIL ') + name + (': ' + str(detail) if detail and not ok else ''))
    if not ok:
        failures.append(name)
    return ok


def uri(path):
    return 'file://' + urllib.parse.quote(path)


def scenes(work, render):
    """The three files, each with the picture it should give (None: no thumbnail)."""
    with open(os.path.join(os.path.dirname(render), 'demo.vdr'), 'rb') as f:
        demo = f.read()
    lines = demo.split(b'\r\n')
    lines[1] = b'packs\\mineS0.bmp'  # a sky of a pack the thumbnailer cannot see
    files = {'sample scene.vdr': demo, 'own pack.vdr': b'\r\n'.join(lines), 'not a scene.vdr': b'just text\n'}
    found = {}
    for name, data in files.items():
        path = os.path.join(work, name)
        with open(path, 'wb') as f:
            f.write(data)
        expected = os.path.join(work, name + '.expected.png')
        open(expected, 'wb').close()
        made = subprocess.run([render, '--format', 'png', '--size', str(SIZE), '--', path, expected],
                              capture_output=True).returncode == 0
        found[path] = expected if made else None
    return found


def judge(label, path, expected, thumbnail):
    name = os.path.basename(path)
    if expected is None:
        check('%s: %s gets no thumbnail' % (label, name), thumbnail is None, thumbnail)
        return
    same = thumbnail is not None and subprocess.run([SAMEPIXELS, thumbnail, expected]).returncode == 0
    check('%s: %s gets its thumbnail, pixel-exact' % (label, name), same, thumbnail)


def tumbler(work):
    daemons = glob.glob('/usr/lib/*/tumbler-1/tumblerd')
    if not daemons or not shutil.which('gdbus') or not shutil.which('dbus-daemon'):
        check('tumbler: tumblerd (package tumbler) and gdbus installed', False)
        return
    if os.path.exists(INSTALLED):
        data, render = '/usr/share', os.path.realpath('/usr/bin/veldor-render')
    else:
        # The build installed as the package installs it, thumbnailer file and all.
        prefix = os.path.join(work, 'prefix')
        installed = subprocess.run(['cmake', '--install', os.path.dirname(APP), '--prefix', prefix],
                                   capture_output=True, text=True)
        data, render = os.path.join(prefix, 'share'), os.path.realpath(os.path.join(prefix, 'bin', 'veldor-render'))
        if not check('tumbler: the build installs its thumbnailer file',
                     installed.returncode == 0 and os.path.exists(os.path.join(data, 'thumbnailers', 'veldor.thumbnailer')),
                     installed.stderr):
            return
    env = dict(os.environ, XDG_CACHE_HOME=os.path.join(work, 'cache'),
               XDG_DATA_DIRS=data + ':' + os.environ.get('XDG_DATA_DIRS', '/usr/local/share:/usr/share'))
    # With the same folders as ours: the bus may start a tumblerd of its own
    # (D-Bus activation) before ours has taken the name.
    bus = subprocess.Popen(['dbus-daemon', '--session', '--nofork', '--print-address=1'], stdout=subprocess.PIPE,
                           text=True, env=env)
    daemon = None
    try:
        env['DBUS_SESSION_BUS_ADDRESS'] = bus.stdout.readline().strip()
        daemon = subprocess.Popen([daemons[0]], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        files = scenes(work, render)
        service = ['gdbus', 'call', '--session', '--dest', 'org.freedesktop.thumbnails.Thumbnailer1',
                   '--object-path', '/org/freedesktop/thumbnails/Thumbnailer1', '--method',
                   'org.freedesktop.thumbnails.Thumbnailer1.Queue']
        end = time.monotonic() + 10
        queued = False
        while not queued and time.monotonic() < end:
            uris = '[%s]' % ', '.join("'%s'" % uri(p) for p in files)
            mimes = '[%s]' % ', '.join(["'application/x-veldor-scene'"] * len(files))
            queued = subprocess.run(service + [uris, mimes, 'large', 'default', '0'], env=env,
                                    capture_output=True).returncode == 0
            if not queued:
                time.sleep(0.3)
        check('tumbler: takes the request', queued)
        # Where tumbler saves a thumbnail: its URI's MD5 in the large flavour's folder.
        made = lambda p: os.path.join(env['XDG_CACHE_HOME'], 'thumbnails', 'large',
                                      hashlib.md5(uri(p).encode()).hexdigest() + '.png')
        wanted = [p for p, e in files.items() if e is not None]
        end = time.monotonic() + 15
        while time.monotonic() < end and not all(os.path.exists(made(p)) for p in wanted):
            time.sleep(0.3)
        time.sleep(1)  # a thumbnail of the non-scene would have come by now
        for path, expected in files.items():
            judge('tumbler', path, expected, made(path) if os.path.exists(made(path)) else None)
    finally:
        for process in (daemon, bus):
            if process:
                process.terminate()
                process.wait()


GNOME_FACTORY = r'''
import sys, gi
gi.require_version('GnomeDesktop', '3.0')
from gi.repository import Gio, GLib, GnomeDesktop
factory = GnomeDesktop.DesktopThumbnailFactory.new(GnomeDesktop.DesktopThumbnailSize.LARGE)
path, out = sys.argv[1], sys.argv[2]
try:
    pixbuf = factory.generate_thumbnail(Gio.File.new_for_path(path).get_uri(), 'application/x-veldor-scene', None)
except GLib.Error as error:
    sys.exit('no thumbnail: ' + error.message)
pixbuf.savev(out, 'png', [], [])
'''


def gnome(work):
    probe = subprocess.run(['/usr/bin/python3', '-c', "import gi; gi.require_version('GnomeDesktop', '3.0')"],
                           capture_output=True)
    if probe.returncode != 0:
        check('GNOME: python3-gi and gir1.2-gnomedesktop-3.0 installed', False)
        return
    if not check('GNOME: the package is installed (its sandbox shows only /usr)', os.path.exists(INSTALLED),
                 'make test-desktops installs it; by hand: make package, then apt install ./build/veldor_*.deb'):
        return
    # The factory reads the installed thumbnailers, and the cache of its failures in XDG_CACHE_HOME.
    env = dict(os.environ, XDG_CACHE_HOME=os.path.join(work, 'cache'))
    for path, expected in scenes(work, os.path.realpath('/usr/bin/veldor-render')).items():
        out = path + '.gnome.png'
        made = subprocess.run(['/usr/bin/python3', '-c', GNOME_FACTORY, path, out], env=env, capture_output=True,
                              text=True, timeout=30)
        judge('GNOME', path, expected, out if made.returncode == 0 else None)


def main():
    for service in (tumbler, gnome):
        work = tempfile.mkdtemp(prefix='veldor-thumbnails-')
        try:
            service(work)
        finally:
            shutil.rmtree(work, ignore_errors=True)
    print('%d failed' % len(failures))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
