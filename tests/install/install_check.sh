#!/usr/bin/env bash
# Installs the built program into a temporary prefix and checks it as a packager would: every
# file in place, the desktop entry, metainfo and file types accepted by the desktop's own tools,
# the installed program answering --version without a display and writing nothing, and the
# installed quillboard-cli drawing a form with the installed faces.
#   install_check.sh BUILD_DIR TEST_DATA_DIR
set -euo pipefail
build=$1
data=$2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
prefix=$work/prefix
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" >/dev/null

for f in bin/quillboard bin/quillboard-cli \
         share/quillboard/PilotStandard.fon share/quillboard/PilotBold.fon \
         share/quillboard/PilotLarge.fon share/quillboard/PilotBold12.fon \
         share/quillboard/makedoc.exe \
         share/quillboard/manual/index.html share/quillboard/manual/style.css \
         share/quillboard/manual/images/pt-first-steps.png \
         share/applications/org.quillboard.Quillboard.desktop \
         share/metainfo/org.quillboard.Quillboard.metainfo.xml \
         share/mime/packages/quillboard.xml \
         share/icons/hicolor/scalable/apps/quillboard.svg \
         share/icons/hicolor/48x48/apps/quillboard.png \
         share/icons/hicolor/256x256/apps/quillboard.png; do
  [ -f "$prefix/$f" ] || fail "$f not installed"
done
for f in bin/quillboard bin/quillboard-cli share/quillboard/makedoc.exe; do
  [ -x "$prefix/$f" ] || fail "$f not executable"
done
# Every page the manual links to is installed.
for link in $(grep -oh 'href="[^"#:]*' "$prefix"/share/quillboard/manual/*.html | cut -d'"' -f2 | sort -u) \
            $(grep -oh 'src="[^"]*' "$prefix"/share/quillboard/manual/*.html | cut -d'"' -f2 | sort -u); do
  [ -f "$prefix/share/quillboard/manual/$link" ] || fail "manual link $link leads nowhere"
done
# The icons are the sizes their folders say.
for size in 48 256; do
  got=$(python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); print(*struct.unpack(">II", d[16:24]))' \
        "$prefix/share/icons/hicolor/${size}x${size}/apps/quillboard.png")
  [ "$got" = "$size $size" ] || fail "${size}px icon is $got"
done

desktop-file-validate "$prefix/share/applications/org.quillboard.Quillboard.desktop" ||
  fail "desktop-file-validate"
grep -q '^Exec=quillboard %f$' "$prefix/share/applications/org.quillboard.Quillboard.desktop" ||
  fail "the desktop entry does not pass the file"
appstreamcli validate --no-net "$prefix/share/metainfo/org.quillboard.Quillboard.metainfo.xml" ||
  fail "appstreamcli validate"
update-mime-database "$prefix/share/mime" 2>/dev/null || fail "update-mime-database"
for pair in "application/x-quillboard-project:\*.qbp" "application/x-quillboard-form:\*.qbf"; do
  type=${pair%%:*}
  glob=${pair#*:}
  grep -q "$type:$glob" "$prefix/share/mime/globs2" || fail "no glob $glob for $type"
  [ -f "$prefix/share/mime/$type.xml" ] || fail "no type $type"
done

# Read-only from here on; whatever the programs write would show in the listing.
chmod -R a-w "$prefix"
before=$(cd "$prefix" && find . -printf '%p %s %T@\n' | sort)
home=$work/home
mkdir -p "$home"
version=$(env -i PATH=/usr/bin:/bin HOME="$home" XDG_CONFIG_HOME="$home/config" \
          "$prefix/bin/quillboard" --version) || fail "quillboard --version failed"
[ "$version" = "Quillboard 1.21" ] || fail "quillboard --version printed '$version'"
env -i PATH=/usr/bin:/bin HOME="$home" "$prefix/bin/quillboard" --help | grep -q '^Usage: quillboard' ||
  fail "quillboard --help"

# The installed faces draw the form exactly as the expected picture shows it.
out=$work/out
mkdir -p "$out"
"$prefix/bin/quillboard-cli" render "$data/render/every_kind_pt.qbf" --lib 2 -o "$out/pt.png" ||
  fail "render with the installed quillboard-cli"
python3 "$here/png_pixels.py" "$data/render/every_kind_pt.png" "$out/pt.png" ||
  fail "the installed render differs from the expected picture"
after=$(cd "$prefix" && find . -printf '%p %s %T@\n' | sort)
[ "$before" = "$after" ] || fail "the installed programs wrote into their prefix"
[ -z "$(ls -A "$home")" ] || fail "--version or --help wrote into the home folder"

# Without its installed faces the same render is not the same picture: the faces came from
# the prefix, not from the build. (The built-in face matches PilotStandard, so all go.)
chmod u+w "$prefix/share/quillboard"
mkdir "$work/faces"
mv "$prefix"/share/quillboard/*.fon "$work/faces/"
"$prefix/bin/quillboard-cli" render "$data/render/every_kind_pt.qbf" --lib 2 -o "$out/bare.png" \
  2>"$out/bare.err" || true
grep -qF "$prefix/share/quillboard/PilotBold.fon" "$out/bare.err" ||
  fail "quillboard-cli did not look for its faces in the installed share folder"
if [ -f "$out/bare.png" ] && python3 "$here/png_pixels.py" "$data/render/every_kind_pt.png" "$out/bare.png" >/dev/null; then
  fail "the render did not use the installed faces"
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "install check passed"
