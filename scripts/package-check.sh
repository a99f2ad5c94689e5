#!/usr/bin/env bash
# Builds the Debian package with Debian's hardening flags, checks it with
# lintian (any error or warning fails), validates its desktop entry and
# metainfo, installs it into this machine with apt, runs a thumbnail job with the
# installed program and removes the package again. Needs root (or sudo);
# meant for CI and for a throwaway machine. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
export DEBIAN_FRONTEND=noninteractive

SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO="sudo"
fail() { echo "package-check: $*" >&2; exit 1; }

source scripts/packages.sh
folio_install_packages "${FOLIO_PACKAGE_CHECK_PACKAGES[@]}"

bash scripts/setup.sh
# The package is built apart from build/, with the flags of dpkg-buildflags
# (which the ordinary build does not take) and without the tests.
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFOLIO_HARDENING=ON \
      -DFOLIO_BUILD_TESTS=OFF >/dev/null
ninja -C build-package -j"$(nproc)" >/dev/null
rm -f build-package/folioscope_*.deb
(cd build-package && cpack -G DEB) >/dev/null
debs=(build-package/folioscope_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] ||
  fail "expected one build-package/folioscope_*.deb, found: ${debs[*]}"
deb=${debs[0]}
echo "Built $deb"

# Errors and warnings fail; what lintian only notes (info, pedantic) does not.
echo "lintian ${deb##*/}"
lintian_out=$(lintian --fail-on error,warning --tag-display-limit 0 "$deb") || {
  echo "$lintian_out" >&2
  fail "lintian found errors or warnings"
}
[ -z "$lintian_out" ] || echo "$lintian_out"

work=$(mktemp -d)
installed_here=0
cleanup() {
  if [ "$installed_here" -eq 1 ] && dpkg-query -W -f='${Status}' folioscope 2>/dev/null | grep -q "ok installed"; then
    $SUDO apt-get remove -y -qq folioscope >/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# Validate the files as they ship, not as they lie in the source tree.
dpkg-deb -x "$deb" "$work/root"
desktop=$work/root/usr/share/applications/io.github.folioscope.Folioscope.desktop
metainfo=$work/root/usr/share/metainfo/io.github.folioscope.Folioscope.metainfo.xml
for f in "$desktop" "$metainfo" \
         "$work/root/usr/share/icons/hicolor/scalable/apps/io.github.folioscope.Folioscope.svg" \
         "$work/root/usr/share/icons/hicolor/256x256/apps/io.github.folioscope.Folioscope.png" \
         "$work/root/usr/share/man/man1/folioscope.1.gz" "$work/root/usr/share/man/man1/folioscope-cli.1.gz" \
         "$work/root/usr/share/doc/folioscope/copyright" "$work/root/usr/share/doc/folioscope/changelog.gz" \
         "$work/root/usr/share/bash-completion/completions/folioscope-cli" \
         "$work/root/usr/share/zsh/vendor-completions/_folioscope-cli" \
         "$work/root/usr/bin/folioscope" "$work/root/usr/bin/folioscope-cli"; do
  [ -f "$f" ] || fail "the package lacks ${f#"$work/root"}"
done
echo "desktop-file-validate ${desktop##*/}"
desktop-file-validate "$desktop"
# Claiming folders would make us the program that opens every folder (and a
# folder opened runs a job on it); "Open with" needs only the %F.
if grep -q '^MimeType=.*inode/directory' "$desktop"; then
  fail "the desktop entry claims inode/directory"
fi
grep -q '^Exec=folioscope %F$' "$desktop" || fail "the desktop entry's Exec lost its %F"
appstreamcli validate --no-net "$metainfo"
appstreamcli validate-tree --no-net "$work/root"

# dpkg-shlibdeps must have filled in the linked libraries beside the
# dependencies written by hand.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for d in fonts-ipafont-gothic libqt6gui6 libexiv2 libturbojpeg liblcms2 libc6; do
  grep -q "$d" <<<"$depends" || fail "Depends lacks $d"
done

if ! $SUDO apt-get install -y -qq "./$deb"; then
  # A fresh machine may have no package lists yet.
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq "./$deb"
fi
installed_here=1
[ -x /usr/bin/folioscope-cli ] || fail "/usr/bin/folioscope-cli is missing after install"

# Run from an empty folder with a fresh home, so nothing of the build or of
# the user's settings is found.
cd "$work"
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
mkdir -p "$HOME"
version=$(/usr/bin/folioscope-cli --version)
echo "installed: $version"
grep -Eq '^folioscope-cli [0-9]+\.[0-9]+' <<<"$version" || fail "--version printed: $version"

demo=$work/demo
/usr/bin/folioscope-cli --make-demo "$demo" 5
printf '[Setting]\r\nCreateMode=0\r\n' >"$work/check.ini"
/usr/bin/folioscope-cli --ini "$work/check.ini" "$demo"
[ -f "$demo/page1.html" ] || fail "the thumbnail job wrote no page1.html"
[ -f "$demo/jpg/demo_001.jpg" ] || fail "the thumbnail job did not move the photos into jpg/"
[ -n "$(ls -A "$demo/thum")" ] || fail "the thumbnail job wrote no thumbnails"
cd - >/dev/null

$SUDO apt-get remove -y -qq folioscope
installed_here=0
[ ! -e /usr/bin/folioscope-cli ] || fail "/usr/bin/folioscope-cli is still there after remove"
[ ! -e /usr/bin/folioscope ] || fail "/usr/bin/folioscope is still there after remove"
echo "package-check: OK"
