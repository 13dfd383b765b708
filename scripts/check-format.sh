#!/usr/bin/env bash
# Checks that every tracked .cpp/.h file under src, tests and bench is formatted
# by clang-format (style: .clang-format). Exits non-zero when one is not.
#   scripts/check-format.sh         check only
#   scripts/check-format.sh --fix   reformat the files in place
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
clang_format="${CLANG_FORMAT:-clang-format}"

mode=(--dry-run --Werror)
if [[ ${1:-} == --fix ]]; then
    mode=(-i)
elif [[ $# -gt 0 ]]; then
    echo "usage: $0 [--fix]" >&2
    exit 2
fi

if ! command -v "$clang_format" >/dev/null 2>&1; then
    echo "check-format: $clang_format not found (run scripts/setup.sh)" >&2
    exit 1
fi

files=()
if listing="$(git -c safe.directory="$root" ls-files -z -- src tests bench fuzz 2>/dev/null | tr '\0' '\n')"; then
    while IFS= read -r f; do
        [[ $f == *.cpp || $f == *.h ]] && [[ -f $f ]] && files+=("$f")
    done <<<"$listing"
else
    # Not a git checkout (e.g. an exported tarball): check what is on disk.
    while IFS= read -r -d '' f; do
        files+=("$f")
    done < <(find src tests bench fuzz -type f \( -name '*.cpp' -o -name '*.h' \) -print0 2>/dev/null)
fi

if [[ ${#files[@]} -eq 0 ]]; then
    echo "check-format: no source files found"
    exit 0
fi

if printf '%s\0' "${files[@]}" | xargs -0 -n 100 "$clang_format" "${mode[@]}"; then
    if [[ ${mode[0]} == -i ]]; then
        echo "check-format: ${#files[@]} files formatted"
    else
        echo "check-format: ${#files[@]} files OK"
    fi
else
    echo "check-format: some files are not formatted; run scripts/check-format.sh --fix" >&2
    exit 1
fi
