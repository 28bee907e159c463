#!/usr/bin/env bash
# Builds the Debian package (scripts/package.sh) and checks it without
# installing it: its control data, that every file lies where the desktop
# looks for it, that the desktop entry, the file type and the icons are valid,
# and that the programs of the unpacked package run on their own: symcalc
# answers, and kurvalon --export writes the picture of a sheet.
set -euo pipefail
cd "$(dirname "$0")/.."

deb=$(scripts/package.sh)
echo "=== checking $deb"
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
failed=0
fail() {
  echo "FAILED: $*"
  failed=1
}

[ "$(dpkg-deb -f "$deb" Package)" = kurvalon ] || fail "package name"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libgiac0 qt6-translations-l10n fonts-liberation2; do
  grep -q "\b$needed\b" <<<"$depends" || fail "no dependency on $needed: $depends"
done

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
expected=(
  ./usr/bin/kurvalon ./usr/bin/symcalc ./usr/lib/kurvalon/libsymbolic.so
  ./usr/share/applications/kurvalon.desktop ./usr/share/mime/packages/kurvalon.xml
  ./usr/share/icons/hicolor/scalable/apps/kurvalon.svg ./usr/share/doc/kurvalon/copyright
)
sizes=(16 22 24 32 48 64 128 256)
for size in "${sizes[@]}"; do
  expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/kurvalon.png")
done
for path in "${expected[@]}"; do
  grep -qxF "$path" <<<"$contents" || fail "missing in the package: $path"
done

dpkg-deb -x "$deb" "$unpacked"
share=$unpacked/usr/share
desktop-file-validate "$share/applications/kurvalon.desktop" || fail "desktop-file-validate"
grep -qx 'Exec=kurvalon %F' "$share/applications/kurvalon.desktop" || fail "Exec line"
# The file type as the mime database of a desktop would compile it.
mkdir -p "$unpacked/mime/packages"
cp "$share/mime/packages/kurvalon.xml" "$unpacked/mime/packages/"
update-mime-database "$unpacked/mime" >/dev/null 2>&1 || fail "update-mime-database"
grep -q '^50:application/x-kurvalon-graph:\*\.fkt' "$unpacked/mime/globs2" || fail "*.fkt type"
# Outputs are kept before grep reads them: grep -q leaving early must not
# break a pipe.
for size in "${sizes[@]}"; do
  kind=$(file "$share/icons/hicolor/${size}x${size}/apps/kurvalon.png")
  grep -q "PNG image data, $size x $size," <<<"$kind" || fail "icon of $size pixels: $kind"
done

# The programs find the engine inside the package, not in the build.
bin=$unpacked/usr/bin
libraries=$(ldd "$bin/kurvalon")
grep -qF "libsymbolic.so => $bin/../lib/kurvalon/libsymbolic.so" <<<"$libraries" ||
  fail "kurvalon does not load the packaged engine: $(grep symbolic <<<"$libraries")"
[ "$("$bin/symcalc" 'APPROX(SUBST(x^2-2x,x,1.5))')" = -0.75 ] || fail "symcalc"
printf -- '-5,5,-4,4,1,1\r\n"x^2-2x"\r\n"sin(x)"\r\n' >"$unpacked/blatt.fkt"
env -u DISPLAY -u QT_QPA_PLATFORM "$bin/kurvalon" --export "$unpacked/blatt.fkt" \
  "$unpacked/blatt.png" --size 640x480 || fail "kurvalon --export"
kind=$(file "$unpacked/blatt.png")
grep -q "PNG image data, 640 x 480," <<<"$kind" || fail "exported picture: $kind"

[ "$failed" = 0 ] && echo "package check passed: $(dpkg-deb -f "$deb" Package Version Depends | tr '\n' ' ')"
exit "$failed"
