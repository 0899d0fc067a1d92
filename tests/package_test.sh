#!/usr/bin/env bash
# Builds the Debian package from an already built tree, checks what it declares and holds,
# unpacks it into a throwaway root and starts the unpacked binary on a virtual X server.
#   package_test.sh BUILD_DIR SOURCE_DIR APP_ID
# The licence file inside the package is read with Debian's own DEP-5 parser (tests/licence_check.py).
set -euo pipefail
build=$1
src=$2
id=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

echo "== cpack -G DEB"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log"; fail "cpack failed"; }
debs=("$work"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one .deb, got: ${debs[*]}"
deb=${debs[0]}
echo "$(basename "$deb")"

# Debian's own package check: no error and no warning.
echo "== lintian"
lintian --allow-root --fail-on error,warning "$deb" || fail "lintian reports errors or warnings"

info=$(dpkg-deb -I "$deb")
echo "$info"
field() { sed -n "s/^ $1: //p" <<<"$info"; }
[ "$(field Package)" = nusselt-calculator ] || fail "package name"
[ "$(field Section)" = science ] || fail "section"
depends=$(field Depends)
# Taken from the binaries' real shared libraries, so the Qt 6 runtime libraries must be there,
# Qt Charts and Qt SVG too: the plot module links them, though the program loads it only on use.
names=$(sed 's/ *([^)]*)//g; s/, */\n/g' <<<"$depends")
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6 libqt6charts6 libqt6svg6; do
    grep -qxF "$lib" <<<"$names" || fail "Depends lacks $lib: $depends"
done
# Not a hard dependency: without the Wayland plugin a Wayland session still runs it under Xwayland.
# bash-completion likewise: the completion script works without it.
recommends=$(field Recommends)
for pkg in qt6-wayland bash-completion; do
    grep -qxF "$pkg" <<<"$(sed 's/ *([^)]*)//g; s/, */\n/g' <<<"$recommends")" \
        || fail "Recommends lacks $pkg: $recommends"
done

contents=$(dpkg-deb -c "$deb")
for f in usr/bin/nusselt-calculator \
         'usr/lib/.*nusselt-calculator/libnusselt_plot\.so' \
         "usr/share/applications/$id.desktop" \
         "usr/share/metainfo/$id.metainfo.xml" \
         "usr/share/icons/hicolor/scalable/apps/$id.svg" \
         usr/share/doc/nusselt-calculator/copyright \
         usr/share/doc/nusselt-calculator/changelog.gz \
         usr/share/man/man1/nusselt-calculator.1.gz; do
    grep -q " \./$f\$" <<<"$contents" || fail "package lacks /$f"
done
echo "== contents"
awk '{print $1, $NF}' <<<"$contents"

dpkg-deb -x "$deb" "$work/root"
echo "== /usr/share/doc/nusselt-calculator/copyright"
/usr/bin/python3 "$src/tests/licence_check.py" copyright \
    "$work/root/usr/share/doc/nusselt-calculator/copyright" || fail "copyright file"

echo "== start the unpacked binary"
[ -x "$src/scripts/xvfb-window" ] || fail "scripts/xvfb-window is missing"
status=0
QT_QPA_PLATFORM=xcb "$src/scripts/xvfb-window" -- "$work/root/usr/bin/nusselt-calculator" \
    >"$work/run.log" 2>&1 || status=$?
cat "$work/run.log"
[ "$status" -eq 0 ] || fail "exit code $status"
[ ! -s "$work/run.log" ] || fail "the program wrote output"
echo "started, closed, exit code 0, no output"
