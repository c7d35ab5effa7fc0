#!/bin/sh
# Runs "$@" on the current X display under the openbox window manager, as
# xvfb-run -a tests/gui/with-openbox.sh PROGRAM does for the window tests.
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
sleep 1
"$@"
status=$?
kill "$wm" 2>/dev/null
exit "$status"
