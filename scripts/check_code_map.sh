#!/usr/bin/env bash
# Checks the names of ARCHITECTURE.md's file index (what a line says of its files is
# for whoever changes them to keep true): under each layer's heading ("## model/"),
# every bullet begins with the names of the files it describes ("- A / B (+ C, D): what
# they are"), each such name must be a file of that folder (A.h or A.cpp), and every
# program file of the folder must be named once.
# Usage: check_code_map.sh [ARCHITECTURE.md]
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
MAP="${1:-$ROOT/ARCHITECTURE.md}"
LAYERS="framework model engine ui dialogs app"
status=0

# The names a layer's section gives: the words of each bullet before its first ": ".
named_in() {
    awk -v head="## $1/" '
        $0 == head { inside = 1; next }
        /^## / { inside = 0 }
        inside && /^- / {
            line = substr($0, 3)
            cut = index(line, ": ")
            if (cut == 0) { print "?" line; next }
            names = substr(line, 1, cut - 1)
            gsub(/`/, "", names)
            n = split(names, words, /[^A-Za-z0-9_]+/)
            for (i = 1; i <= n; i++)
                if (words[i] != "" && words[i] != "and" && words[i] != "h" && words[i] != "cpp") print words[i]
        }' "$MAP"
}

for layer in $LAYERS; do
    named="$(named_in "$layer" | sort)"
    if [ -z "$named" ]; then
        echo "$MAP: no file index under \"## $layer/\"" >&2
        status=1
        continue
    fi
    while read -r name; do
        case "$name" in
        \?*) echo "$layer/: a bullet names no file before its colon: ${name#?}" >&2; status=1 ;;
        *) if [ ! -f "$ROOT/$layer/$name.h" ] && [ ! -f "$ROOT/$layer/$name.cpp" ]; then
               echo "$layer/: names $name, which is no file of the folder" >&2
               status=1
           fi ;;
        esac
    done <<<"$named"
    dups="$(uniq -d <<<"$named")"
    if [ -n "$dups" ]; then echo "$layer/: named more than once: $dups" >&2; status=1; fi
    for file in "$ROOT/$layer"/*.h "$ROOT/$layer"/*.cpp; do
        [ -e "$file" ] || continue
        base="$(basename "${file%.*}")"
        if ! grep -qx "$base" <<<"$named"; then
            echo "$layer/: $(basename "$file") is not named in $(basename "$MAP")" >&2
            status=1
        fi
    done
done
[ "$status" -eq 0 ] && echo "every program file is named in $(basename "$MAP"), and every name is a file"
exit "$status"
