#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR, makes the tree read-only and runs the installed programs
# as an ordinary user with an empty HOME: they must keep their files under that HOME, copy the sample
# history in at the first start, and write nothing into the install tree. A portable copy keeps its files
# beside itself while it may write its folder, and moves to HOME once it may not. The desktop entry and the
# metainfo pass their validators when those are installed.
#   install_test.sh BUILD_DIR BUILT_DRAWLYZE_CLI
set -euo pipefail
build=$1
built_cli=$2

work=$(mktemp -d /tmp/drawlyze-install-test.XXXXXX)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }

# Root may write anything, so as root the programs run as nobody, for whom the read-only tree is read-only.
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  command -v setpriv > /dev/null || { echo "setpriv is needed to run as an ordinary user"; exit 77; }
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
user_dir() {  # a folder the user running the programs owns
  mkdir -p "$1"
  [ ${#as_user[@]} -eq 0 ] || chown nobody:nogroup "$1"
}
keep=()
for name in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
  [ -z "${!name:-}" ] || keep+=("$name=${!name}")
done
# run HOME PROGRAM ARGS...: a clean environment, no display unless QT_QPA_PLATFORM is given before HOME.
run() {
  local extra=()
  while [[ $1 == *=* ]]; do extra+=("$1"); shift; done
  local home=$1; shift
  env -i PATH=/usr/bin:/bin HOME="$home" "${keep[@]}" "${extra[@]}" "${as_user[@]}" "$@"
}

root=$work/root
DESTDIR=$root cmake --install "$build" --prefix /usr > "$work/install.log" || { cat "$work/install.log"; fail "cmake --install"; }
usr=$root/usr
for f in bin/drawlyze bin/drawlyze-cli share/drawlyze/3x10.txt share/drawlyze/prizes.csv \
         share/applications/io.github.drawlyze.Drawlyze.desktop \
         share/metainfo/io.github.drawlyze.Drawlyze.metainfo.xml \
         share/icons/hicolor/scalable/apps/io.github.drawlyze.Drawlyze.svg \
         share/doc/drawlyze/copyright; do
  [ -f "$usr/$f" ] || fail "not installed: $f"
done
if command -v help2man > /dev/null; then
  for f in share/man/man1/drawlyze.1.gz share/man/man1/drawlyze-cli.1.gz; do
    [ -f "$usr/$f" ] || fail "not installed: $f"
  done
fi
if command -v rsvg-convert > /dev/null; then
  for size in 48 128; do
    png=$usr/share/icons/hicolor/${size}x$size/apps/io.github.drawlyze.Drawlyze.png
    [ -f "$png" ] || fail "not installed: ${size}px icon"
    [ "$(od -An -tu1 -j16 -N8 "$png" | tr -s ' ')" = " 0 0 0 $size 0 0 0 $size" ] || fail "${size}px icon has another size"
  done
fi
chmod -R a-w "$root"
tree_before=$(find "$root" -printf '%p %s %T@ %m\n' | sort)

# Help and version: stdout, status 0, no display needed.
out=$(run "$work" "$usr/bin/drawlyze" --help) || fail "drawlyze --help"
[[ $out == "Usage: drawlyze [DRAWFILE]"* ]] || fail "drawlyze --help printed: ${out:0:80}"
out=$(run "$work" "$usr/bin/drawlyze" --version) || fail "drawlyze --version"
[[ $out == "drawlyze (Drawlyze Pick 3) "* ]] || fail "drawlyze --version printed: $out"
out=$(run "$work" "$usr/bin/drawlyze-cli" --help) || fail "drawlyze-cli --help"
[[ $out == "Usage: drawlyze-cli [OPTIONS] COMMAND"* && $out == *"update URL"* ]] || fail "drawlyze-cli --help: ${out:0:80}"
out=$(run "$work" "$usr/bin/drawlyze-cli" --version) || fail "drawlyze-cli --version"
[[ $out == "drawlyze-cli (Drawlyze Pick 3) "* ]] || fail "drawlyze-cli --version printed: $out"
for args in "help view" "view --help"; do
  out=$(run "$work" "$usr/bin/drawlyze-cli" $args) || fail "drawlyze-cli $args"
  [[ $out == "Usage: drawlyze-cli [OPTIONS] view OPTION"* && $out == *"--png FILE"* ]] || fail "drawlyze-cli $args: $out"
done
status=0
run "$work" "$usr/bin/drawlyze-cli" help frobnicate > /dev/null 2>&1 || status=$?
[ "$status" -eq 2 ] || fail "help of an unknown command gave status $status"

# The command line's first start: the sample is copied in; state --save keeps the thresholds there.
home=$work/home-cli
user_dir "$home"
data=$home/.local/share/drawlyze
out=$(run "$home" "$usr/bin/drawlyze-cli" --last 100 view Skips) || fail "installed drawlyze-cli view"
[[ $out == "Number/Last Skip/Skip Median:"* ]] || fail "view printed: ${out:0:80}"
cmp -s "$data/3x10.txt" "$usr/share/drawlyze/3x10.txt" || fail "the sample history was not copied to $data"
[ "$(stat -c %a "$data")" = 700 ] || fail "the data folder is open to others"
run "$home" "$usr/bin/drawlyze-cli" state --save 1 2 3 4 5 6 7 8 9 10 11 x > /dev/null || fail "state --save"
[ "$(cat "$data/stats_pick_3.txt")" = "$(printf '%s\r\n' 1 2 3 4 5 6 7 8 9 10 11 x)" ] || fail "thresholds not saved"
# The data folder has no prize table: the installed one prices the filters' list as it prices plays.
installed_prizes=$usr/share/drawlyze/prizes.csv
out=$(run "$home" "$usr/bin/drawlyze-cli" filter --kind triples) || fail "installed drawlyze-cli filter"
[[ $out == *"Prizes: $installed_prizes."* ]] || fail "filter did not read $installed_prizes: $out"
out=$(run "$home" "$usr/bin/drawlyze-cli" plays odds) || fail "installed drawlyze-cli plays odds"
[[ $out == *"Prize table: $installed_prizes."* ]] || fail "plays odds did not read $installed_prizes: $out"
# Not the first start any more: a history the user changed stays as it is.
printf '1 01.01.2020 a b 1 2 3 x\r\n' > "$work/one.txt"
run "$home" cp "$work/one.txt" "$data/3x10.txt"
out=$(run "$home" "$usr/bin/drawlyze-cli" table) || fail "table"
[ "$(printf '%s' "$out" | wc -l)" -eq 1 ] || fail "the sample was copied over the user's history"

# The window program's first start, under another empty HOME.
home=$work/home-gui
user_dir "$home"
user_dir "$work/shots"
run QT_QPA_PLATFORM=offscreen "$home" "$usr/bin/drawlyze" --screenshot "$work/shots/main.png" \
  > "$work/gui.log" 2>&1 || { cat "$work/gui.log"; fail "installed drawlyze --screenshot"; }
[ "$(head -c 4 "$work/shots/main.png" | od -An -c | tr -d ' ')" = '211PNG' ] || fail "no screenshot"
cmp -s "$home/.local/share/drawlyze/3x10.txt" "$usr/share/drawlyze/3x10.txt" || fail "drawlyze did not copy the sample"

[ "$(find "$root" -printf '%p %s %T@ %m\n' | sort)" = "$tree_before" ] || fail "the install tree was changed"

# Installed under a prefix the user may write (cmake --install --prefix ~/opt): still an installed copy.
mine=$work/mine
home=$work/home-mine
user_dir "$home"
cp -a "$usr" "$mine"
chmod -R u+w "$mine"
[ ${#as_user[@]} -eq 0 ] || chown -R nobody:nogroup "$mine"
run "$home" "$mine/bin/drawlyze-cli" view Skips > /dev/null || fail "drawlyze-cli under a writable prefix"
[ -f "$home/.local/share/drawlyze/3x10.txt" ] || fail "a copy under a writable prefix did not use HOME"
[ "$(ls "$mine/bin")" = "$(printf 'drawlyze\ndrawlyze-cli')" ] || fail "a copy under a writable prefix wrote into bin"

# A portable copy: its files beside it while it may write its folder; under HOME once it may not.
portable=$work/portable
home=$work/home-portable
user_dir "$portable"
user_dir "$home"
cp "$built_cli" "$portable/drawlyze-cli"
cp "$usr/share/drawlyze/3x10.txt" "$portable/3x10.txt"
chmod 755 "$portable/drawlyze-cli"
run "$home" "$portable/drawlyze-cli" state --save 5 5 5 5 5 5 5 5 5 5 5 5 > /dev/null || fail "portable state --save"
[ -f "$portable/stats_pick_3.txt" ] || fail "the portable copy did not keep its settings beside itself"
[ -z "$(ls -A "$home")" ] || fail "the portable copy wrote into HOME"
rm "$portable/stats_pick_3.txt"
chmod a-w "$portable"
run "$home" "$portable/drawlyze-cli" --file "$portable/3x10.txt" state --save 6 6 6 6 6 6 6 6 6 6 6 6 > /dev/null ||
  fail "read-only portable state --save"
[ -f "$home/.local/share/drawlyze/stats_pick_3.txt" ] || fail "a copy that may not write its folder did not use HOME"
[ ! -e "$home/.local/share/drawlyze/3x10.txt" ] || fail "a copy without an installed sample copied one"

# The desktop's validators, when installed.
if command -v desktop-file-validate > /dev/null; then
  desktop-file-validate "$usr/share/applications/io.github.drawlyze.Drawlyze.desktop" || fail "desktop-file-validate"
fi
if command -v appstreamcli > /dev/null; then
  appstreamcli validate --no-net "$usr/share/metainfo/io.github.drawlyze.Drawlyze.metainfo.xml" ||
    fail "appstreamcli validate"
fi
echo "install test passed"
