#!/usr/bin/env bash
# Installs the Debian packages listed in scripts/packages.txt that are missing,
# then builds googletest with the mingw-w64 cross compiler for the Windows
# build when it is not built yet. When everything is already there it only
# asks dpkg and looks for one file, so it is fast and needs no network.
# Works as root, or through sudo for another user.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
list="${VANTOR_PACKAGES_FILE:-$here/packages.txt}"

mapfile -t wanted < <(sed -e 's/#.*//' -e 's/[[:space:]]//g' "$list" | grep -v '^$' || true)
if [[ ${#wanted[@]} -eq 0 ]]; then
    echo "setup: no packages listed in $list" >&2
    exit 1
fi

# One dpkg-query call for the whole list; unknown names print nothing on stdout.
declare -A state=()
while read -r name status; do
    [[ -n $name ]] && state["${name%%:*}"]="$status"
done < <(dpkg-query -W -f='${Package} ${db:Status-Status}\n' "${wanted[@]}" 2>/dev/null || true)

missing=()
for pkg in "${wanted[@]}"; do
    [[ ${state[$pkg]:-} == installed ]] || missing+=("$pkg")
done

as_root() {
    if [[ $(id -u) -eq 0 ]]; then
        "$@"
    elif command -v sudo >/dev/null 2>&1; then
        sudo "$@"
    else
        echo "setup: not root and sudo is not available; run as root: $*" >&2
        return 1
    fi
}

if [[ ${#missing[@]} -eq 0 ]]; then
    echo "setup: all ${#wanted[@]} packages are installed"
else
    echo "setup: installing ${missing[*]}"
    # Wait for another apt/dpkg run (e.g. unattended upgrades) instead of failing.
    apt_get=(env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300)
    as_root "${apt_get[@]}" update -q </dev/null
    as_root "${apt_get[@]}" install -y -q "${missing[@]}" </dev/null
    echo "setup: packages installed"
fi

# googletest for the Windows build, from Debian's sources, into the prefix
# cmake/mingw-w64.cmake searches.
gtest_prefix=/opt/vantor-mingw-w64
cross=x86_64-w64-mingw32
if [[ ! -f $gtest_prefix/lib/libgtest.a ]] && command -v "$cross-g++-posix" >/dev/null &&
    [[ -d /usr/src/googletest ]]; then
    echo "setup: building googletest for $cross in $gtest_prefix"
    work="$(mktemp -d)"
    trap 'rm -rf "$work"' EXIT
    cmake -S /usr/src/googletest -B "$work" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_SYSTEM_NAME=Windows -DCMAKE_C_COMPILER="$cross-gcc-posix" \
        -DCMAKE_CXX_COMPILER="$cross-g++-posix" -DCMAKE_INSTALL_PREFIX="$gtest_prefix" \
        -Dgtest_disable_pthreads=OFF -DBUILD_SHARED_LIBS=OFF >/dev/null
    cmake --build "$work" >/dev/null
    as_root cmake --install "$work" >/dev/null
    echo "setup: googletest built"
fi
echo "setup: done"
