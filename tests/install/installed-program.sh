#!/usr/bin/env bash
# Installs the build into a scratch prefix and runs the installed program from another
# folder, without ORVAN_DATA_DIR: it must find the data installed beside it. A marker row
# added to the installed demo data shows that the installed copy is the one read.
# Usage: installed-program.sh BUILD_DIR
set -euo pipefail
# grep reads its whole input here (no -q): a writer cut off by grep -q fails a pipefail
# pipeline at random.
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset ORVAN_DATA_DIR
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=offscreen
cmake --install "$build" --prefix "$work/prefix" >/dev/null
program="$work/prefix/bin/orvan-sysmaintain"
data="$work/prefix/share/orvan-sysmaintain"
for file in schema.sql demo.sql i18n/ORVANINDUSTRY.EN.json help/help.json; do
  [ -f "$data/$file" ] || { echo "not installed: $file" >&2; exit 1; }
done
desktop="$work/prefix/share/applications/orvan-sysmaintain.desktop"
for icon in scalable/apps/orvan-sysmaintain.svg 48x48/apps/orvan-sysmaintain.png \
  256x256/apps/orvan-sysmaintain.png; do
  [ -f "$work/prefix/share/icons/hicolor/$icon" ] || { echo "not installed: $icon" >&2; exit 1; }
done
desktop-file-validate "$desktop" || { echo "the desktop entry is not valid" >&2; exit 1; }
metainfo="$work/prefix/share/metainfo/org.orvan.sysmaintain.metainfo.xml"
appstreamcli validate --no-net "$metainfo" >/dev/null \
  || { echo "the AppStream metainfo is not valid" >&2; exit 1; }
version=$("$work/prefix/bin/orvan-sysmaintain" --version | grep -o '[0-9][0-9.]*' | sed -n 1p)
grep -q "<release version=\"$version\"" "$metainfo" \
  || { echo "the metainfo names no release $version" >&2; exit 1; }
grep -q '^\.SH "PLANS"' "$work/prefix/share/man/man1/orvan-sysmaintain.1" \
  || { echo "the man page lacks the plans command" >&2; exit 1; }
bash -n "$work/prefix/share/bash-completion/completions/orvan-sysmaintain" \
  || { echo "the bash completion does not parse" >&2; exit 1; }
printf "\nINSERT INTO t_SystemProfile (FCategory, FKey, FValue) VALUES ('Install', 'Marker', 'installed');\n" >> "$data/demo.sql"

cd "$work"
fail() { echo "installed program: $*" >&2; exit 1; }
"$program" --version | grep . >/dev/null || fail "--version printed nothing"
# The command line starts without the window toolkit and the converter; the window
# program has them.
if ldd "$program" | grep -e libQt6 -e libopencc >/dev/null; then
  fail "the command-line program loads Qt or OpenCC at start"
fi
window="$work/prefix/libexec/orvan-sysmaintain/orvan-sysmaintain-window"
if [ -f "$window" ] && ! ldd "$window" | grep libQt6Widgets >/dev/null; then
  fail "the window program has no Qt"
fi
"$program" --db "$work/demo.db" init-demo >/dev/null || fail "init-demo failed"
[ "$("$program" --db "$work/demo.db" profile get Install Marker)" = installed ] \
  || fail "the demo data was not the installed copy"
"$program" --db "$work/demo.db" tree --class 1 | grep '^au1' >/dev/null || fail "tree printed no au1"
"$program" --db "$work/demo.db" sql "SELECT COUNT(*) AS n FROM ICBillType" | grep 10 >/dev/null \
  || fail "sql did not count the bill types"
printf 'show 0\nclick sys9\ndump title\nclose\n' | "$program" --db "$work/demo.db" --lang EN script \
  | grep 'Bill Types' >/dev/null || fail "script did not speak English from the installed catalog"
if "$program" --help | grep -- --screenshot >/dev/null; then
  "$program" --db "$work/demo.db" --screenshot "$work/shot.png" >/dev/null || fail "no screenshot"
  [ -s "$work/shot.png" ] || fail "empty screenshot"
fi

# The package made from this build holds the same files and runs where it is unpacked.
cpack --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null || fail "cpack failed"
deb=$(ls "$work"/package/orvan-sysmaintain_*.deb)
dpkg-deb -f "$deb" Depends | grep libqt6 >/dev/null || fail "the package does not depend on Qt"
dpkg-deb -x "$deb" "$work/unpacked"
unpacked="$work/unpacked/usr/bin/orvan-sysmaintain"
[ -f "$work/unpacked/usr/share/metainfo/org.orvan.sysmaintain.metainfo.xml" ] \
  || fail "the package lacks the metainfo"
"$unpacked" --db "$work/package.db" init-demo >/dev/null || fail "the packaged init-demo failed"
"$unpacked" --db "$work/package.db" tree --class 1 | grep '^au1' >/dev/null || fail "packaged tree"
echo "installed program runs from $work/prefix and from its package"
