#!/bin/sh
# test_package.sh BUILD SAMEPIXELS: builds the Debian package from BUILD,
# checks it with lintian and dpkg-deb, unpacks it into a temporary root and
# checks from there what a desktop relies on: the menu entry, the file
# types, the metainfo, the launcher's per-user folder, the thumbnailer and
# the exit status of a start without pictures. Paths hold spaces on purpose.
set -eu
build=$1
samepixels=$2
tmp=$(mktemp -d "${TMPDIR:-/tmp}/veldor package.XXXXXX")
# Programs the launcher started, by pid, to end whatever happens.
cleanup() {
    if [ -f "$tmp/pids" ]; then
        while read -r p; do kill "$p" 2>/dev/null || true; done <"$tmp/pids"
    fi
    rm -rf "$tmp"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
export QT_QPA_PLATFORM=offscreen

# The package, and what Debian's tools say of it.
cpack -G DEB -B "$tmp/deb" --config "$build/CPackConfig.cmake" >/dev/null
set -- "$tmp"/deb/veldor_*_*.deb
[ -f "$1" ] || fail "no veldor_<version>_<arch>.deb"
deb=$1
# Errors and warnings fail, and so does any program built without Debian's
# hardening, which lintian reports among its informational tags only.
status=0
lintian --fail-on error,warning --display-info "$deb" >"$tmp/lintian" || status=$?
cat "$tmp/lintian"
[ $status -eq 0 ] || fail "lintian"
if grep ' hardening-' "$tmp/lintian"; then fail "programs built without hardening"; fi
info=$(dpkg-deb --info "$deb")
for dep in libqt6widgets6 libpng16-16 qt6-wayland; do
    echo "$info" | grep -q "^ Depends:.*$dep" || fail "no dependency on $dep"
done
# Qt's own dialogs speak the user's language only with Qt's translations.
echo "$info" | grep -q "^ Recommends:.*qt6-translations-l10n" || fail "Qt's translations not recommended"
root="$tmp/root dir"
dpkg-deb -x "$deb" "$root"
share=$root/usr/share
app=$root/usr/lib/veldor
for f in "$app/veldor" "$app/veldor-render" "$app/sky0.bmp" "$app/packs/sample.vpk" \
    "$app/translations/veldor_de.qm" "$app/translations/veldor_zh_TW.qm" "$app/translations/qtdialogs_sv.qm" \
    "$share/man/man1/veldor.1.gz" "$share/man/man1/veldor-render.1.gz" \
    "$share/icons/hicolor/16x16/apps/veldor.png" "$share/icons/hicolor/256x256/apps/veldor.png" \
    "$share/icons/hicolor/48x48/mimetypes/application-x-veldor-scene.png"; do
    [ -e "$f" ] || fail "missing ${f#"$root"}"
done

# Menu entry, file types, metainfo.
desktop-file-validate "$share/applications/veldor.desktop" || fail "desktop entry"
grep -q '^Exec=/usr/bin/veldor %f$' "$share/applications/veldor.desktop" || fail "Exec takes no file"
grep -q '^MimeType=application/x-veldor-scene;application/x-veldor-pack;$' "$share/applications/veldor.desktop" || fail "no scene and pack types"
mkdir -p "$tmp/mime/packages"
cp "$share/mime/packages/veldor.xml" "$tmp/mime/packages/"
XDG_DATA_HOME="$tmp" update-mime-database "$tmp/mime" 2>"$tmp/mime.err" || fail "update-mime-database"
[ ! -s "$tmp/mime.err" ] || { cat "$tmp/mime.err" >&2; fail "MIME definitions"; }
grep -q 'application/x-veldor-scene:\*\.vdr' "$tmp/mime/globs" || fail "no *.vdr glob"
grep -q 'application/x-veldor-pack:\*\.vpk' "$tmp/mime/globs" || fail "no *.vpk glob"
appstreamcli validate --no-net "$share"/metainfo/*.metainfo.xml || fail "metainfo"

# The launcher, run from a folder of the caller's with a relative scene name:
# prints the pid once the program runs, started in the user's folder.
work="$tmp/work dir"
mkdir -p "$work"
cp "$app/demo.vdr" "$work/my scene.vdr"
launch() {
    (cd "$work" && exec "$root/usr/bin/veldor" "my scene.vdr") >/dev/null 2>&1 &
    pid=$!
    echo "$pid" >>"$tmp/pids"
    i=0
    while [ "$(readlink "/proc/$pid/exe" 2>/dev/null)" != "$app/veldor" ]; do
        i=$((i + 1))
        [ $i -lt 100 ] || fail "the launcher did not start the program"
        sleep 0.1
    done
    echo "$pid"
}
stop() {
    kill "$1"
    wait "$1" 2>/dev/null || true
}

export HOME="$tmp/home dir"
unset XDG_DATA_HOME
user="$HOME/.local/share/veldor"
pid=$(launch)
[ "$(readlink "/proc/$pid/cwd")" = "$user" ] || fail "not started in $user"
[ "$(tr '\0' '\n' <"/proc/$pid/cmdline" | sed -n 2p)" = "$work/my scene.vdr" ] ||
    fail "the scene's name was not made absolute"
stop "$pid"
for name in veldor sky0.bmp ground4.bmp demo.vdr packs/sample.vpk packs/smpS0.bmp; do
    [ -L "$user/$name" ] && [ -e "$user/$name" ] || fail "no link $name in the user's folder"
done
[ -d "$user/packs" ] && [ ! -L "$user/packs" ] || fail "packs/ is not the user's own folder"

# Repaired after the installed set changed; what the user added stays.
rm "$user/sky3.bmp"
ln -s "$app/gone.bmp" "$user/gone.bmp"
echo mine >"$user/packs/mine.vpk"
stop "$(launch)"
[ -e "$user/sky3.bmp" ] || fail "a missing link was not made again"
[ ! -L "$user/gone.bmp" ] || fail "a link to a removed file was kept"
[ "$(cat "$user/packs/mine.vpk")" = mine ] || fail "the user's pack was touched"

# XDG_DATA_HOME, when absolute, is where the folder goes.
export XDG_DATA_HOME="$tmp/data home"
stop "$(launch)"
[ -L "$XDG_DATA_HOME/veldor/sky0.bmp" ] || fail "XDG_DATA_HOME not followed"

# Started in a folder without its pictures: status 1 and one line saying why.
status=0
(cd "$work" && "$app/veldor") >/dev/null 2>"$tmp/err" || status=$?
[ $status -eq 1 ] || fail "start without pictures: status $status"
grep -q 'sky0.bmp' "$tmp/err" || fail "start without pictures: the missing files are not named"

# The thumbnailer's own command: at full size the same pixels as the BMP.
exec_line=$(sed -n 's/^Exec=//p' "$share/thumbnailers/veldor.thumbnailer")
set --
for word in $exec_line; do
    case $word in
    %s) word=630 ;;
    %i) word="$work/my scene.vdr" ;;
    %o) word="$tmp/thumbnail" ;; # file managers' names need not end in .png
    /usr/*) word="$root$word" ;;
    esac
    set -- "$@" "$word"
done
"$@" || fail "thumbnailer command"
"$root/usr/bin/veldor-render" "$work/my scene.vdr" "$tmp/scene.bmp"
file "$tmp/thumbnail" | grep -q 'PNG image data, 630 x 340' || fail "thumbnail is no 630 x 340 PNG"
"$samepixels" "$tmp/thumbnail" "$tmp/scene.bmp" || fail "thumbnail differs from the rendering"
"$root/usr/bin/veldor-render" --size 128 "$work/my scene.vdr" "$tmp/small.png"
file "$tmp/small.png" | grep -q 'PNG image data, 128 x 69' || fail "--size 128 gives no 128 x 69 PNG"
echo "package checked"
