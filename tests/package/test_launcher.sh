#!/bin/sh
# test_launcher.sh LAUNCHER: runs the launcher of bin/ against an installed
# folder of a few files and a stand-in program that records where it was
# started and with what, for what users' folders and command lines hold.
set -eu
launcher=$1
tmp=$(mktemp -d "${TMPDIR:-/tmp}/veldor launcher.XXXXXX")
trap 'chmod -R u+w "$tmp"; rm -rf "$tmp"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

app=$tmp/usr/lib/veldor
mkdir -p "$tmp/usr/bin" "$app/packs" "$tmp/work"
cp "$launcher" "$tmp/usr/bin/veldor"
chmod +x "$tmp/usr/bin/veldor"
for f in sky0.bmp demo.vdr packs/sample.vpk; do echo installed >"$app/$f"; done
cat >"$app/veldor" <<'EOF'
#!/bin/sh
{ pwd; for a do echo "$a"; done; } >"$VELDOR_LOG"
EOF
chmod +x "$app/veldor"
export VELDOR_LOG="$tmp/started"
unset XDG_DATA_HOME

# Runs the launcher from the work folder with HOME=$1 and the rest as its
# arguments; what the program was started with is in $tmp/started.
run() {
    home=$1
    shift
    rm -f "$VELDOR_LOG"
    (cd "$tmp/work" && HOME=$home "$tmp/usr/bin/veldor" "$@") 2>"$tmp/err" ||
        fail "launcher: $(cat "$tmp/err")"
    [ -f "$VELDOR_LOG" ] || fail "the program was not started ($*)"
}
# The program's arguments after the folder it started in, one a line.
args() { sed 1d "$VELDOR_LOG"; }

# A HOME beginning with "-" is a folder like any other.
run -home
user="$tmp/work/-home/.local/share/veldor"
[ "$(sed -n 1p "$VELDOR_LOG")" = "$user" ] || fail "not started in $user"
[ -L "$user/sky0.bmp" ] && [ -L "$user/packs/sample.vpk" ] || fail "no links with HOME=-home"

home=$tmp/home
user=$home/.local/share/veldor

# File names: relative to where they were typed, made absolute; after "--"
# a name beginning with "-" is a file too.
for case in "scene.vdr|$tmp/work/scene.vdr" "-- scene.vdr|$tmp/work/scene.vdr" \
    "-- -x.vdr|$tmp/work/-x.vdr" "./-x.vdr|$tmp/work/./-x.vdr" "-- /abs/-y.vdr|/abs/-y.vdr"; do
    words=${case%%|*}
    # shellcheck disable=SC2086 # the words are split on purpose
    run "$home" $words
    [ "$(args)" = "${case#*|}" ] || fail "veldor $words gave the program '$(args)'"
done

# The user's own entries stay, a link that leads nowhere included.
rm "$user/sky0.bmp"
ln -s /nowhere/my-sky.bmp "$user/sky0.bmp"
run "$home"
[ "$(readlink "$user/sky0.bmp")" = /nowhere/my-sky.bmp ] || fail "the user's dangling link was replaced"

# An upgrade added a file, and the folder is read-only (links cannot be
# made, as for root too with this ln): the program still starts, and the
# new file is named.
echo installed >"$app/object9.bmp"
mkdir -p "$tmp/readonly-bin"
printf '#!/bin/sh\necho "ln: Read-only file system" >&2\nexit 1\n' >"$tmp/readonly-bin/ln"
chmod +x "$tmp/readonly-bin/ln"
chmod a-w "$user"
(PATH="$tmp/readonly-bin:$PATH" && run "$home")
grep -q object9.bmp "$tmp/err" || fail "the link that could not be made is not named"
chmod u+w "$user"
run "$home"
[ -L "$user/object9.bmp" ] || fail "the new file was not linked once the folder was writable"
echo "launcher checked"
