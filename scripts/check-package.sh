#!/usr/bin/env bash
# Makes the Debian package of a build that is already made (cpack -G DEB) and
# checks it as a Debian user would meet it:
#   - its files, against tests/packaging/files.txt;
#   - the packages it depends on (names), against tests/packaging/depends.txt:
#     the libraries found by dpkg-shlibdeps and what it runs without linking;
#   - lintian: no error (its whole output is shown);
#   - its menu entry (desktop-file-validate);
#   - apt's resolution of its dependencies on this system (a simulation);
#   - unpacked into a scratch root (dpkg -x): `vantor --help` from there, with
#     the window's library loaded from that root.
# The package is left in BUILD_DIR/package/. Exits non-zero when a check fails.
#   scripts/check-package.sh [BUILD_DIR]     default: build/ci
set -uo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$root/build/ci}" && pwd)" || exit 1
expected="$root/tests/packaging"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
    echo "check-package: FAILED: $*" >&2
    failures=$((failures + 1))
}
check() { echo "check-package: $* (${SECONDS}s)"; }

rm -rf "$build/package"
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$build/package" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    fail "cpack -G DEB"
    exit 1
fi
debs=("$build"/package/vantor_*.deb)
if [[ ${#debs[@]} -ne 1 || ! -f ${debs[0]} ]]; then
    fail "cpack made no single vantor_*.deb in $build/package"
    exit 1
fi
deb="${debs[0]}"
check "$(basename "$deb"), $(stat -c %s "$deb") bytes"

dpkg-deb -c "$deb" | sed 's/^/files: /'
# Paths only: the owners and modes are lintian's to check.
dpkg-deb -c "$deb" | sed -E -e 's/^([^ ]+ +){5}//' -e 's/ -> .*//' -e 's/^\.//' |
    sort >"$work/files.txt"
if diff -u "$expected/files.txt" "$work/files.txt"; then
    check "files as expected ($(wc -l <"$work/files.txt") entries)"
else
    fail "the package's files differ from tests/packaging/files.txt (above: - expected, + made)"
fi

dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed -e 's/([^)]*)//' -e 's/[[:space:]]//g' |
    grep -v '^$' | sort -u >"$work/depends.txt"
if diff -u "$expected/depends.txt" "$work/depends.txt"; then
    check "Depends: $(dpkg-deb -f "$deb" Depends)"
else
    fail "the package's dependencies differ from tests/packaging/depends.txt"
fi

lintian --fail-on error --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1
lintian_status=$?
sed 's/^/lintian: /' "$work/lintian.log"
if [[ $lintian_status -eq 0 ]]; then
    check "lintian: no error ($(grep -c '^W:' "$work/lintian.log") warnings)"
else
    fail "lintian reports errors (status $lintian_status)"
fi

mkdir -p "$work/root"
dpkg -x "$deb" "$work/root"
desktop_file="$work/root/usr/share/applications/vantor.desktop"
if desktop-file-validate "$desktop_file"; then
    check "menu entry valid"
else
    fail "desktop-file-validate vantor.desktop"
fi

# apt as `apt install ./vantor_....deb` would resolve it, without installing.
if apt-get -o Debug::NoLocking=1 install -s "$deb" >"$work/apt.log" 2>&1 &&
    grep -q '^Inst vantor ' "$work/apt.log"; then
    check "apt resolves its dependencies: $(grep -c '^Inst ' "$work/apt.log") package(s) to install"
else
    cat "$work/apt.log" >&2
    fail "apt-get install -s $(basename "$deb")"
fi

library="$(find "$work/root" -name libvantor-app.so)"
if [[ -z $library ]]; then
    fail "no libvantor-app.so in the package"
fi
if LD_DEBUG=files "$work/root/usr/bin/vantor" --help >"$work/help.txt" 2>"$work/loaded.txt" &&
    grep -q '^Utilisation :' "$work/help.txt" && [[ -n $library ]] &&
    grep -qF "file=$library " "$work/loaded.txt"; then
    check "vantor --help runs from the scratch root, with ${library#"$work/root"}"
else
    cat "$work/help.txt" >&2
    grep 'libvantor-app' "$work/loaded.txt" >&2
    fail "vantor --help from the unpacked package"
fi

[[ $failures -eq 0 ]]
