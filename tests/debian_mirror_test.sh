#!/usr/bin/env bash
# scripts/debian-mirror over fake apt sources: the archive is the first enabled
# deb entry for the release's main suite, at whatever path, in either format;
# where there is none it fails rather than guess one.
set -euo pipefail
mirror=$1
etc=$(mktemp -d)
trap 'rm -rf "$etc"' EXIT
mkdir -p "$etc/apt/sources.list.d"
echo VERSION_CODENAME=bookworm >"$etc/os-release"

# Checks what debian-mirror says for sources.list ($1) and a .sources file ($2).
expect() {
  printf '%b' "$1" >"$etc/apt/sources.list"
  printf '%b' "$2" >"$etc/apt/sources.list.d/a.sources"
  local said
  said=$(TIDEWIRE_ETC=$etc bash "$mirror" 2>&1) || said="$said (exit $?)"
  [ "$said" = "$3" ] || { printf 'for:\n%b%b\nsaid:   %s\nwanted: %s\n' "$1" "$2" "$said" "$3"; exit 1; }
}

expect '#deb http://old/debian bookworm main\ndeb-src http://src/debian bookworm main
deb http://sec/debian-security bookworm-security main
deb [ arch=i386 ] http://proxy:3142/debian-mirror/ bookworm contrib main\n' '' http://proxy:3142/debian-mirror/
expect '' 'Types: deb\nURIs: http://off/debian\nSuites: bookworm\nComponents: main\nEnabled: no\n
Types: deb-src deb\nURIs: http://mirror.corp/pub/os/deb\n  http://second/deb\nSuites: bookworm-updates
\tbookworm\n# between fields\nComponents: contrib main\n' http://mirror.corp/pub/os/deb
expect 'deb-src http://src/debian bookworm main\n' 'Types: deb\nURIs: http://sec/debian\nSuites: bookworm-security\nComponents: main\n' \
  "debian-mirror: no enabled, uncommented deb entry for bookworm main in $etc/apt/sources.list $etc/apt/sources.list.d/a.sources (exit 1)"
echo "debian-mirror: picks the main suite's deb entry in both formats, and fails where there is none"
