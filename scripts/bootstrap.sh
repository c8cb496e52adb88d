#!/usr/bin/env bash
# Installs what building and testing Orvalen needs on Debian 12, and the packages named
# as arguments besides (the benchmark's reference tools: bash scripts/bootstrap.sh fping).
# Idempotent: quiet and quick when everything is already there.
set -euo pipefail

packages=(g++-mingw-w64-i686 mingw-w64-tools wine wine32:i386 wine64 xvfb xauth x11-utils
          xdotool imagemagick fp-utils cmake make googletest python3 iproute2 procps psmisc "$@")

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "bootstrap: installing ${missing[*]}" >&2
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq >/dev/null
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
