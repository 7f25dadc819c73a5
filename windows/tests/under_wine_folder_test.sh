#!/usr/bin/env bash
# A program run through windows/under-wine reads its input and writes its file
# in the folder it runs in, while another Wine command of the same prefix,
# started from another folder, holds Wine's server; and, with Wine from the
# 32-bit root, nothing of it lands in the root.
#   under_wine_folder_test.sh DEFAULT_PREFIX
set -euo pipefail
windows=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$1}
first=$(mktemp -d)
# Outside /tmp, the checkout and the build tree, which the first command sees
# in any case.
second=$(mktemp -d "${HOME:?}/tidewire-under-wine.XXXXXX")
holder=
finish() {
  exec 3>&- || true
  [ -z "$holder" ] || wait "$holder" || true
  rm -rf "$first" "$second"
}
trap finish EXIT

. "$windows/under-wine"
pick_wine "$first" || { echo "no Wine: $why_not"; exit 1; }

# The first command: up once it has written its file, and until its input ends.
mkfifo "$first/input"
(cd "$first" && bash "$windows/wine-run" "$WINEPREFIX" cmd /c "echo up> up.txt & pause" <input >/dev/null 2>&1) &
holder=$!
exec 3>"$first/input"
for _ in $(seq 300); do
  [ ! -s "$first/up.txt" ] || break
  kill -0 "$holder" 2>/dev/null || { echo "the first Wine command ended before it was up"; exit 1; }
  sleep 0.2
done
[ -s "$first/up.txt" ] || { echo "the first Wine command was not up within a minute"; exit 1; }

cd "$second"
printf 'written in %s\r\n' "$second" >in.txt
failed=0
bash "$windows/under-wine" cmd /c "type in.txt> out.txt" </dev/null >/dev/null ||
  { echo "under-wine exited with status $?"; failed=1; }
cmp -s in.txt out.txt || { echo "out.txt in $second is not a copy of in.txt: $(ls -A)"; failed=1; }
if [ -n "${TIDEWIRE_WINE_ROOT:-}" ] && [ -e "$TIDEWIRE_WINE_ROOT$second" ]; then
  echo "the run left $TIDEWIRE_WINE_ROOT$second in the root: $(ls -A "$TIDEWIRE_WINE_ROOT$second")"
  failed=1
fi
exit "$failed"
