#!/usr/bin/env bash
# Checks the desktop entry, the AppStream metainfo and the icon with the validators that
# distributions run, and that all three carry the one application id.
#   validate_desktop_data.sh DATA_DIR APP_ID
set -uo pipefail
data=$1
id=$2
desktop=$data/$id.desktop
metainfo=$data/$id.metainfo.xml
icon=$data/$id.svg
failed=0
fail() { echo "FAIL: $*"; failed=1; }
need() { command -v "$1" >/dev/null || { echo "FAIL: $1 not found (Debian package $2)"; exit 1; }; }
need desktop-file-validate desktop-file-utils
need appstreamcli appstream

for f in "$desktop" "$metainfo" "$icon"; do
    [ -f "$f" ] || fail "missing $f"
done
[ $failed -eq 0 ] || exit 1

echo "== desktop-file-validate $(basename "$desktop")"
out=$(desktop-file-validate "$desktop" 2>&1); rc=$?
[ -n "$out" ] && echo "$out"
# Errors make it exit non-zero; warnings and hints are printed above but pass.
[ $rc -eq 0 ] || fail "desktop-file-validate exited with $rc"

echo "== appstreamcli validate --no-net $(basename "$metainfo")"
out=$(appstreamcli validate --no-net "$metainfo" 2>&1); rc=$?
echo "$out"
[ $rc -eq 0 ] || fail "appstreamcli exited with $rc"
# It exits 0 on warnings too; an error line starts with "E:".
if grep -q '^E:' <<<"$out"; then fail "appstreamcli reported errors"; fi

echo "== icon"
if command -v xmllint >/dev/null; then
    xmllint --noout "$icon" || fail "$icon is not well-formed XML"
fi
python3 - "$icon" <<'PY' || fail "$icon is not a square scalable SVG"
import sys, xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
assert root.tag == '{http://www.w3.org/2000/svg}svg', root.tag
x, y, w, h = (float(v) for v in root.get('viewBox', '').replace(',', ' ').split())
assert w == h > 0, (w, h)
print(f"svg, viewBox {w:g} x {h:g}")
PY

echo "== application id $id"
grep -qx "Icon=$id" "$desktop" || fail "desktop entry's Icon is not $id"
python3 - "$metainfo" "$id" <<'PY' || fail "metainfo does not carry the id $id"
import sys, xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
app_id = sys.argv[2]
assert root.findtext('id') == app_id, root.findtext('id')
assert root.findtext("launchable[@type='desktop-id']") == app_id + '.desktop'
cats = [c.text for c in root.findall('categories/category')]
assert cats == ['Education', 'Science', 'Engineering'], cats
PY

[ $failed -eq 0 ] && echo "all valid"
exit $failed
