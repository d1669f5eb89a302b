#!/usr/bin/env bash
# Builds the Debian package from the build and checks it with lintian: no errors, and the files a
# desktop user needs are in it.   package_test.sh BUILD_DIR
set -euo pipefail
build=$1
for tool in cpack dpkg-deb dpkg-shlibdeps lintian; do
  command -v "$tool" > /dev/null || { echo "$tool is not installed"; exit 77; }
done
work=$(mktemp -d /tmp/drawlyze-package-test.XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB -B "$work" --config "$build/CPackConfig.cmake" > "$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail cpack; }
deb=$(ls "$work"/drawlyze_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *libqt6widgets6* ]] || fail "the dependencies were not computed from the binaries: $depends"
listing=$(dpkg-deb -c "$deb")
for f in usr/bin/drawlyze usr/bin/drawlyze-cli usr/share/drawlyze/3x10.txt usr/share/doc/drawlyze/copyright \
         usr/share/doc/drawlyze/changelog.Debian.gz usr/share/man/man1/drawlyze.1.gz \
         usr/share/applications/io.github.drawlyze.Drawlyze.desktop; do
  [[ $listing == *"./$f"* ]] || fail "$f is not in the package"
done
lintian --fail-on error "$deb" || fail "lintian found errors"
echo "package test passed: $(basename "$deb")"
