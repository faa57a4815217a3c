#!/usr/bin/env bash
# Checks the installed quillcalc. Run by ctest (tests/install/CMakeLists.txt):
#
#   check_install.sh install  PREFIX  BUILD-DIR APP-ID VERSION
#       installs the build into PREFIX (afresh), through the install script of
#       BUILD-DIR/packaging, which writes no install_manifest.txt
#   check_install.sh layout   PREFIX  ...   every file where it belongs, nothing
#                                           else, and the program starts
#   check_install.sh desktop  PREFIX  ...   desktop-file-validate on the entry
#   check_install.sh metainfo PREFIX  ...   appstreamcli validate on the metainfo
#   check_install.sh deb      OUT-DIR ...   builds the Debian packages with
#                                           script/package (dpkg-buildpackage and
#                                           lintian) and checks the binary
#                                           package's fields and files
#   check_install.sh reproducible OUT-DIR ...   builds them again elsewhere, at
#                                           another time, umask and time zone, and
#                                           compares the .debs with those in
#                                           FIRST_DEB_DIR, byte for byte
#   check_install.sh docs     SOURCE  ...   the changelogs and the manual page in
#                                           SOURCE name VERSION
#   check_install.sh manifest-save  SAVE-DIR ...   keeps a copy of
#   check_install.sh manifest-check SAVE-DIR ...   BUILD-DIR/install_manifest.txt
#       (or that there is none) before the other tests, and checks afterwards
#       that it is still byte for byte the same
#
# CMAKE in the environment names the build's cmake. The package builds skip
# the tests (DEB_BUILD_OPTIONS=nocheck): the suite that runs them is this one.
set -euo pipefail

mode=$1 dir=$2 build=$3 id=$4 version=$5
cmake=${CMAKE:-cmake}
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# expect_line FILE LINE: FILE has LINE exactly, as a whole line.
expect_line() {
  grep -sqxF -- "$2" "$1" || fail "$(basename "$1") lacks the line '$2'"
}

# The files of an installation under PREFIX ("" or "usr/"), sorted.
expected_files() {
  printf '%s\n' "${1}bin/quillcalc" \
    "${1}share/applications/$id.desktop" \
    "${1}share/metainfo/$id.metainfo.xml" \
    "${1}share/doc/quillcalc/copyright" \
    "${1}share/doc/quillcalc/changelog.gz" \
    "${1}share/man/man1/quillcalc.1.gz" | sort
}

# Checks the contents of the desktop entry and the metainfo beyond what their
# validators look at: the names, the version and the icon the menu shows.
check_metadata() {
  local desktop=$1 metainfo=$2
  expect_line "$desktop" "Exec=quillcalc"
  expect_line "$desktop" "Icon=application-x-executable"
  expect_line "$desktop" "Name=quillcalc"
  grep -sqE '^Categories=(.*;)?HamRadio;' "$desktop" || fail "the desktop entry is not in the HamRadio category"
  expect_line "$metainfo" "  <id>$id</id>"
  expect_line "$metainfo" "  <launchable type=\"desktop-id\">$id.desktop</launchable>"
  grep -sqF "<release version=\"$version\" " "$metainfo" || fail "the metainfo has no release $version"
  grep -sqE '<image[^>]*>https://[^<]+\.png</image>' "$metainfo" || fail "the metainfo has no https screenshot"
  expect_line "$metainfo" "  <project_license>GPL-3.0-or-later</project_license>"
  grep -sqE '^  <developer_name>[^<]+</developer_name>$' "$metainfo" || fail "the metainfo names no developer"
}

# Checks the documents under DOCDIR and MANDIR: a machine-readable copyright
# file under GPL-3+, and the changelog and the manual page compressed
# without a time stamp (reproducible) and readable.
check_docs() {
  local doc=$1 man=$2
  expect_line "$doc/copyright" "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"
  expect_line "$doc/copyright" "License: GPL-3+"
  for gz in "$doc/changelog.gz" "$man/quillcalc.1.gz"; do
    # Bytes 4 to 7 of a gzip header are its time stamp; gzip -n leaves them 0.
    [ "$(od -An -j4 -N4 -tx1 "$gz" 2>/dev/null | tr -d ' ')" = 00000000 ] ||
      fail "$(basename "$gz") carries a time stamp"
    gzip -t "$gz" 2>/dev/null || fail "$(basename "$gz") is not a valid gzip file"
  done
  zcat "$doc/changelog.gz" | head -n1 | grep -qF "quillcalc ($version)" || fail "changelog.gz does not start with $version"
}

# Runs a validator and fails on any complaint, not only on errors.
validate() {
  local output status=0
  output=$("$@" 2>&1) || status=$?
  [ -z "$output" ] || echo "$output"
  if [ "$status" -ne 0 ]; then
    fail "$1 exited with $status"
  elif grep -qiE 'error|warning|hint' <<<"$output"; then
    fail "$1 complained"
  fi
}

# The version of the Debian package, from the changelog it is built from.
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
debian_version=$(dpkg-parsechangelog -l "$source_dir/debian/changelog" -S Version)

# package DIR: the source and binary packages of this tree in DIR, built
# and checked by script/package; exits on failure.
package() {
  DEB_BUILD_OPTIONS="nocheck ${DEB_BUILD_OPTIONS:-}" "$source_dir/script/package" "$1" ||
    { fail "script/package failed"; exit 1; }
}

case $mode in
  install)
    rm -rf "$dir"
    "$cmake" --install "$build/packaging" --prefix "$dir" >/dev/null
    ;;
  layout)
    actual=$(cd "$dir" && find . -type f -o -type l | sed 's|^\./||' | sort)
    expected=$(expected_files "")
    if [ "$actual" != "$expected" ]; then
      fail "installed files differ from what belongs there"
      diff <(echo "$expected") <(echo "$actual") >&2 || true
    fi
    [ -x "$dir/bin/quillcalc" ] || fail "bin/quillcalc is not executable"
    check_metadata "$dir/share/applications/$id.desktop" "$dir/share/metainfo/$id.metainfo.xml"
    check_docs "$dir/share/doc/quillcalc" "$dir/share/man/man1"
    # The installed program, away from the build tree, starts and keeps
    # running until it is stopped (exit 124 is timeout's own).
    status=0
    timeout 2 "$dir/bin/quillcalc" || status=$?
    [ "$status" -eq 124 ] || fail "the installed quillcalc ended by itself with status $status"
    # It draws its plan away from the build tree.
    "$dir/bin/quillcalc" --frequency 146 --plan - | pdfinfo - >/dev/null ||
      fail "the installed quillcalc cannot draw its plan"
    ;;
  desktop)
    validate desktop-file-validate "$dir/share/applications/$id.desktop"
    ;;
  metainfo)
    validate appstreamcli validate --pedantic --no-net "$dir/share/metainfo/$id.metainfo.xml"
    ;;
  deb)
    package "$dir"
    deb="$dir/quillcalc_${debian_version}_$(dpkg --print-architecture).deb"
    dpkg-deb --field "$deb" Package Version Architecture Section Depends Recommends
    [ "$(dpkg-deb --field "$deb" Package)" = quillcalc ] || fail "wrong package name"
    [ "$(dpkg-deb --field "$deb" Version)" = "$debian_version" ] || fail "wrong package version"
    [ "$(dpkg-deb --field "$deb" Architecture)" = "$(dpkg --print-architecture)" ] || fail "wrong architecture"
    [ "$(dpkg-deb --field "$deb" Section)" = hamradio ] || fail "the package is not in section hamradio"
    [ "$(dpkg-deb --field "$deb" Recommends)" = "nec2c, xdg-utils" ] ||
      fail "the package does not recommend nec2c and xdg-utils"
    depends=$(dpkg-deb --field "$deb" Depends | tr -d ' ' | tr ',' '\n' | sed 's/(.*//')
    for needed in fonts-liberation libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libqt6printsupport6; do
      grep -qxF "$needed" <<<"$depends" || fail "Depends lacks $needed"
    done
    actual=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | sort)
    expected=$({
      expected_files usr/
      # What debhelper adds: Debian's changelog and lintian's overrides.
      echo usr/share/doc/quillcalc/changelog.Debian.gz
      echo usr/share/lintian/overrides/quillcalc
    } | sort)
    if [ "$actual" != "$expected" ]; then
      fail "the package's files differ from what belongs there"
      diff <(echo "$expected") <(echo "$actual") >&2 || true
    fi
    mkdir "$dir/root"
    dpkg-deb --extract "$deb" "$dir/root"
    check_metadata "$dir/root/usr/share/applications/$id.desktop" "$dir/root/usr/share/metainfo/$id.metainfo.xml"
    check_docs "$dir/root/usr/share/doc/quillcalc" "$dir/root/usr/share/man/man1"
    ;;
  reproducible)
    first=${FIRST_DEB_DIR:?the folder of the first build}
    ls "$first"/*.deb >/dev/null || { fail "no first build in $first"; exit 1; }
    # Not before the next second: the files of this build are younger.
    sleep 1
    (umask 077 && TZ=UTC-14 package "$dir")
    for deb in "$first"/*.deb; do
      again="$dir/$(basename "$deb")"
      if ! cmp -s "$deb" "$again"; then
        fail "$(basename "$deb") differs between two builds"
        diff <(dpkg-deb --fsys-tarfile "$deb" | tar -tv) <(dpkg-deb --fsys-tarfile "$again" | tar -tv) >&2 || true
      fi
    done
    sha256sum "$first"/*.deb "$dir"/*.deb
    ;;
  docs)
    changelog_version=$(dpkg-parsechangelog -l "$dir/packaging/changelog" -S Version)
    [ "$changelog_version" = "$version" ] ||
      fail "packaging/changelog's latest entry is $changelog_version, the project is $version"
    # The Debian package's version is the project's and a Debian revision.
    package_version=$(dpkg-parsechangelog -l "$dir/debian/changelog" -S Version)
    [ "${package_version%-*}" = "$version" ] && [ "$package_version" != "$version" ] ||
      fail "debian/changelog's latest entry is $package_version, not $version with a Debian revision"
    grep -qE "^\.TH QUILLCALC 1 \"[^\"]+\" \"quillcalc $version\"" "$dir/packaging/quillcalc.1" ||
      fail "packaging/quillcalc.1 does not name version $version"
    # groff's own complaints about the page (what lintian runs too).
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$dir/packaging/quillcalc.1" 2>&1 >/dev/null)
    [ -z "$warnings" ] || { echo "$warnings" >&2; fail "the manual page has groff warnings"; }
    ;;
  manifest-save)
    rm -rf "$dir"
    mkdir -p "$dir"
    if [ -e "$build/install_manifest.txt" ]; then
      cp -p "$build/install_manifest.txt" "$dir/install_manifest.txt"
    fi
    ;;
  manifest-check)
    if [ -e "$dir/install_manifest.txt" ]; then
      cmp "$dir/install_manifest.txt" "$build/install_manifest.txt" ||
        fail "the tests changed $build/install_manifest.txt, which the README's uninstall reads"
    elif [ -e "$build/install_manifest.txt" ]; then
      fail "the tests wrote $build/install_manifest.txt, which only the user's install may write"
    fi
    ;;
  *)
    echo "usage: $0 install|layout|desktop|metainfo|deb|reproducible|docs|manifest-save|manifest-check DIR BUILD-DIR APP-ID VERSION" >&2
    exit 2
    ;;
esac

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "install $mode: all checks passed"
