#!/usr/bin/env bash
# Builds the Debian package in a tree of its own, as the README tells, and
# checks it without installing it: its files against expected-files.txt, its
# control fields and versions, lintian, the AppStream metadata, the desktop
# entry and the manual page.
# usage: check-package.sh SOURCE-DIR PACKAGE-TREE CXX-COMPILER [COMPILER-LAUNCHER]
set -euo pipefail
source_dir=$1 tree=$2 cxx=$3 launcher=${4:-}
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d "${TMPDIR:-/tmp}/dravolt-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Debian's build flags map the folder cmake runs in out of the debug paths.
cd "$source_dir"
cmake -S . -B "$tree" -DDRAVOLT_DEBIAN_PACKAGE=ON -DDRAVOLT_BUILD_TESTS=OFF -DDRAVOLT_BUILD_BENCH=OFF \
  -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_CXX_COMPILER_LAUNCHER="$launcher" >"$work/build.log"
if ! cmake --build "$tree" -j"$(nproc)" >>"$work/build.log" 2>&1; then
  tail -n 40 "$work/build.log" >&2
  fail "the package tree did not build"
fi
(cd "$tree" && cpack -G DEB -B "$work/out" >/dev/null)
debs=("$work"/out/*.deb)
((${#debs[@]} == 1)) || fail "cpack made ${#debs[@]} packages"
deb=${debs[0]}
echo "Built $(basename "$deb")"

# Files and links, each at its place, and nothing else.
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 (NF > 6 ? " " $7 " " $8 : "") }' | sort >"$work/contents"
grep -v -e '^#' -e '^$' "$here/expected-files.txt" | sort >"$work/expected"
diff -u "$work/expected" "$work/contents" || fail "the package's files differ from expected-files.txt (- missing, + unexpected)"

[[ $(dpkg-deb -f "$deb" Section) == games ]] || fail "section $(dpkg-deb -f "$deb" Section), not games"
depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *libqt6widgets6* && $depends == *libc6* ]] || fail "dependencies not worked out from the libraries: $depends"
# The fonts the field and the counters are drawn with, Qt's translations, its
# SVG support and SQLite (loaded at run time) are no libraries the program
# links: they are named.
for needed in fonts-dejavu-core fonts-liberation2 qt6-translations-l10n libqt6svg6 libsqlite3-0; do
  [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done
[[ $(dpkg-deb -f "$deb" Recommends) == *fonts-noto-cjk* ]] || fail "Recommends lacks fonts-noto-cjk"
[[ $(dpkg-deb -f "$deb" Maintainer) != *dravolt.org* ]] || fail "the maintainer's address is a placeholder"

root=$work/root
dpkg-deb -x "$deb" "$root"

# The game starts without Qt Charts (and Qt OpenGL with it) and SQLite: the
# history's chart is a module in the package's own folder, where the game
# looks for it, and SQLite is loaded when the history is first opened.
linked=$(readelf -d "$root/usr/games/dravolt" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
if grep -E 'Charts|OpenGL|sqlite' <<<"$linked"; then
  fail "the game links the libraries above"
fi
module_dir=/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/dravolt
[[ -f $root$module_dir/libdravolt-chart.so ]] || fail "no chart module in $module_dir"
# The folder is compiled in as a Qt string, in UTF-16: a zero byte beside each letter.
folder=$(printf '%s' "$module_dir" | sed 's/./\\x00&/g')
LC_ALL=C grep -qaP "$folder" "$root/usr/games/dravolt" || fail "the game does not look for its chart in $module_dir"

metainfo=$root/usr/share/metainfo/org.dravolt.Dravolt.metainfo.xml
entry=$root/usr/share/applications/org.dravolt.Dravolt.desktop

# The package, its changelog and its metadata name the same release.
version=$(dpkg-deb -f "$deb" Version)
changelog_version=$(zcat "$root/usr/share/doc/dravolt/changelog.gz" | dpkg-parsechangelog -l - -S Version)
release_version=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n1)
[[ $changelog_version == "$version" && $release_version == "$version" ]] ||
  fail "package $version, changelog $changelog_version, metainfo release $release_version"

# The desktop entry starts a program of the package, with its icon, and the
# metadata names the entry.
program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
[[ -x $root/usr/games/$program ]] || fail "the desktop entry starts $program, which is not in /usr/games"
icon=$(sed -n 's/^Icon=//p' "$entry")
[[ -f $root/usr/share/icons/hicolor/scalable/apps/$icon.svg ]] || fail "the desktop entry's icon $icon has no SVG"
# Every language of the game is in the desktop entry and the metadata, and
# the program's texts file carries its translations.
for language in cs de es fr it ja nl pl pt_BR ru uk zh_CN; do
  for key in Name GenericName Comment Keywords; do
    grep -q "^$key\[$language\]=" "$entry" || fail "the desktop entry lacks $key[$language]"
  done
  grep -q "<summary xml:lang=\"$language\">" "$metainfo" || fail "the metadata lacks a $language summary"
  grep -q "<p xml:lang=\"$language\">" "$metainfo" || fail "the metadata lacks a $language description"
  # Resource names are stored in UTF-16, one zero byte before each letter.
  name=$(printf '%s' "dravolt_$language.qm" | sed 's/./\\x00&/g')
  LC_ALL=C grep -qaP "$name" "$root/usr/share/dravolt/dravolt-texts.rcc" || fail "the program carries no $language translation"
done
grep -q '^StartupNotify=true$' "$entry" || fail "the desktop entry lacks StartupNotify=true"
if grep -q 'https\?://' "$metainfo"; then
  fail "the metadata points at an address: $(grep -o 'https\?://[^<]*' "$metainfo")"
fi
grep -q "<launchable type=\"desktop-id\">$(basename "$entry")</launchable>" "$metainfo" ||
  fail "the metadata does not launch $(basename "$entry")"

echo "lintian:"
lintian --allow-root --fail-on error,warning --display-info "$deb" || fail "lintian reports errors or warnings"

appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the metadata"

desktop-file-validate "$entry" >"$work/desktop.log" 2>&1 || true
if [[ -s $work/desktop.log ]]; then
  cat "$work/desktop.log" >&2
  fail "desktop-file-validate complains about the desktop entry"
fi

# man asks groff for every warning; rendering must give none.
for page in dravolt.6.gz dravolt-launcher.6.gz dravolt-boards.6.gz; do
  LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/usr/share/man/man6/$page" >"$work/man.txt" 2>"$work/man.log" ||
    fail "man cannot render $page"
  if [[ -s $work/man.log || ! -s $work/man.txt ]]; then
    cat "$work/man.log" >&2
    fail "$page renders with warnings or empty"
  fi
done
echo "The package passes every check."
