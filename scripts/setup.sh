#!/usr/bin/env bash
# Installs the Debian packages listed in scripts/packages.txt that are missing.
# When everything is already installed it only asks dpkg, so it is fast and
# needs no network. Works as root, or through sudo for another user.
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

if [[ ${#missing[@]} -eq 0 ]]; then
    echo "setup: all ${#wanted[@]} packages are installed"
    exit 0
fi

echo "setup: installing ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "setup: not root and sudo is not available; install as root: ${missing[*]}" >&2
    exit 1
fi

# Wait for another apt/dpkg run (e.g. unattended upgrades) instead of failing.
apt_get=("${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300)
"${apt_get[@]}" update -q </dev/null
"${apt_get[@]}" install -y -q "${missing[@]}" </dev/null
echo "setup: done"
