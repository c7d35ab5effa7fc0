#!/usr/bin/python3
"""Keys typed on the X display as the keyboard types them (XTest), for the
checks on XWayland, where AT-SPI's own key synthesis fails.
keys.py KEY... : keys one after another, held ones joined by +: ctrl+s shift+Left Return
keys.py --text TEXT : a file path, in lower case"""
import ctypes, sys, time

x11 = ctypes.CDLL('libX11.so.6')
xtst = ctypes.CDLL('libXtst.so.6')
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XFlush.argtypes = [ctypes.c_void_p]
xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
# Key codes of the X servers of today (evdev's, plus 8).
CODES = {'ctrl': 37, 'shift': 50, 'alt': 64, 'Return': 36, 'Tab': 23, 'Left': 113, 'Right': 114, 'Up': 111,
         'Down': 116, 'Escape': 9, 'space': 65, '-': 20, '.': 60, '/': 61, '_': 'shift+-'}
for row, first in (('1234567890', 10), ('qwertyuiop', 24), ('asdfghjkl', 38), ('zxcvbnm', 52)):
    CODES.update({c: first + i for i, c in enumerate(row)})


def codes(key):
    """The codes of the keys held down together for KEY."""
    held = []
    for name in key.split('+') if len(key) > 1 else [key]:
        code = CODES[name]
        held += codes(code) if isinstance(code, str) else [code]
    return held


display = x11.XOpenDisplay(None)
if not display:
    sys.exit('no X display')
for key in list(sys.argv[2]) if sys.argv[1] == '--text' else sys.argv[1:]:
    held = codes(key)
    for code in held:
        xtst.XTestFakeKeyEvent(display, code, 1, 0)
    for code in reversed(held):
        xtst.XTestFakeKeyEvent(display, code, 0, 0)
    x11.XFlush(display)
    time.sleep(0.05)
