#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks the layout and the desktop metadata, builds
# the Debian package and checks what a distribution checks in it, and,
# where a display server and the accessibility bus are available, starts the installed program
# from an unrelated folder and checks that its instructions viewer shows the installed document.
# Exit 77 tells CTest a part could not run here.
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

app=com.varnel.Lumenary
for f in bin/lumenary bin/lumenary-trace share/man/man1/lumenary-trace.1.gz \
         share/lumenary/scenes/kepler_telescope.lumenary \
         share/lumenary/lumenary.rtf share/lumenary/Reflct1.avi share/lumenary/Refract2.avi \
         share/lumenary/lumenary.de.rtf share/lumenary/lumenary.fr.rtf share/lumenary/lumenary.es.rtf \
         share/lumenary/translations/lumenary_de.qm share/lumenary/translations/lumenary_fr.qm \
         share/lumenary/translations/lumenary_es.qm \
         share/applications/$app.desktop share/metainfo/$app.metainfo.xml \
         share/mime/packages/$app.xml \
         share/doc/lumenary/copyright \
         share/icons/hicolor/32x32/apps/$app.png share/icons/hicolor/128x128/apps/$app.png \
         share/icons/hicolor/scalable/apps/$app.svg; do
    [ -f "$prefix/$f" ] || { echo "missing from the installation: $f"; exit 1; }
done
[ -x "$prefix/bin/lumenary" ] || { echo "bin/lumenary is not executable"; exit 1; }
# The installed tracer reads an installed scene from anywhere, without a display.
(cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/lumenary-trace" \
    "$prefix/share/lumenary/scenes/prism_spectrometer.lumenary" --json | grep '"detectors"' >/dev/null) ||
    { echo "the installed lumenary-trace did not trace an installed scene"; exit 1; }
echo "layout: ok"

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate --no-hints "$prefix/share/applications/$app.desktop"
    for lang in de fr es; do
        grep -q "^Comment\[$lang\]=" "$prefix/share/applications/$app.desktop" ||
            { echo "the desktop entry has no comment in $lang"; exit 1; }
    done
    echo "desktop entry: ok"
fi
# A scene file opens the program from the file manager: the entry takes files (%F) of the scene
# type, and the installed shared-mime-info file defines that type for *.lumenary.
desktop=$prefix/share/applications/$app.desktop
grep -q '^Exec=lumenary %F$' "$desktop" || { echo "the desktop entry does not take files (%F)"; exit 1; }
grep -q '^MimeType=application/x-lumenary-scene;$' "$desktop" ||
    { echo "the desktop entry names no scene MIME type"; exit 1; }
if command -v update-mime-database >/dev/null; then
    update-mime-database "$prefix/share/mime" >/dev/null 2>&1 ||
        { echo "update-mime-database refuses share/mime/packages/$app.xml"; exit 1; }
    grep -q '^50:application/x-lumenary-scene:\*\.lumenary$' "$prefix/share/mime/globs2" ||
        { echo "the MIME type does not claim *.lumenary"; exit 1; }
    echo "MIME type: ok"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$app.metainfo.xml" >/dev/null ||
        appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml"
    echo "appstream: ok"
fi

# The Debian package as a distribution would take it: a stripped program, the copyright file,
# xdg-utils among the dependencies, and no error from lintian.
deb_dir=$work/package
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$deb_dir" >/dev/null
deb=$(find "$deb_dir" -maxdepth 1 -name 'lumenary_*.deb' | head -n 1)
[ -n "$deb" ] || { echo "cpack made no package"; exit 1; }
dpkg-deb -x "$deb" "$work/unpacked"
for program in lumenary lumenary-trace; do
    if readelf -S "$work/unpacked/usr/bin/$program" | grep -Eq '\.(symtab|debug_info)'; then
        echo "the packaged $program is not stripped"
        exit 1
    fi
done
copyright=$work/unpacked/usr/share/doc/lumenary/copyright
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$copyright" ||
    { echo "no machine-readable copyright file in the package"; exit 1; }
grep -q '^License: GPL-3.0-or-later$' "$copyright" || { echo "copyright names no licence"; exit 1; }
dpkg-deb -f "$deb" Depends | tr ',' '\n' | grep -Eq '^ *xdg-utils( |$)' ||
    { echo "the package does not depend on xdg-utils: $(dpkg-deb -f "$deb" Depends)"; exit 1; }
echo "package: stripped, copyright, depends on xdg-utils"
if command -v lintian >/dev/null; then
    lintian --fail-on error "$deb" || { echo "lintian reports errors"; exit 1; }
    echo "lintian: no errors"
else
    lintian_skipped=1
fi

for tool in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher /usr/bin/python3; do
    command -v "$tool" >/dev/null || { echo "skipped the running check: no $tool"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "skipped: no pyatspi"; exit 77; }

home=$work/home
mkdir -p "$home"
cat > "$work/session.sh" <<SESSION
#!/usr/bin/env bash
set -eu
trap 'kill \$(jobs -p) 2>/dev/null || true' EXIT
Xvfb -displayfd 3 -screen 0 1024x768x24 3>"$work/display" >/dev/null 2>&1 &
for i in \$(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:\$(cat "$work/display")
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
sleep 1
cd "$home"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb HOME="$home" "$prefix/bin/lumenary" >/dev/null 2>&1 &
timeout 60 /usr/bin/python3 "$here/installed_viewer.py"
SESSION
chmod +x "$work/session.sh"
shown=$(dbus-run-session -- "$work/session.sh" 2>&1) || true
if ! grep -q "Varnel Lumenary" <<<"$shown"; then
    echo "the installed viewer did not show the installed document; it showed:"
    echo "$shown"
    exit 1
fi
echo "installed program from $home: the viewer shows the installed document"
[ -z "${lintian_skipped:-}" ] || { echo "skipped the lintian check: no lintian"; exit 77; }
