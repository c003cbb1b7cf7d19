#!/usr/bin/env bash
# `./dev run` without a display: setup.exe on a virtual 1024x768 display, the wizard walked
# with the default answers, a screenshot of every page in build/run/, the program ended by its
# finish button (or by its caption when that never becomes usable); then the installed tree
# with sizes and attributes, the shortcuts' targets, and the exit code.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-prefix.sh"

WIN32_DIR=${WIN32_DIR:-$E2E_ROOT/build/win32}
RUN_DIR=${RUN_DIR:-$E2E_ROOT/build/run}
SETUP=$WIN32_DIR/setup.exe
DRIVER=$WIN32_DIR/driver.exe
PAGE_MS=20000    # a page appears within this
INSTALL_MS=60000 # the progress page appears after the whole installation
FINISH_MS=30000  # the strip fills within this

say() { echo "run: $*"; }
fail() {
  say "$*"
  [ -n "${setup_pid:-}" ] && kill "$setup_pid" 2>/dev/null
  e2e_stop
  exit 1
}

for file in "$SETUP" "$DRIVER"; do
  [ -f "$file" ] || { say "$file is missing: cmake --preset win32 && cmake --build --preset win32"; exit 1; }
done

drive() { timeout 90 wine "$DRIVER" "$@"; }
hwnd_of() { sed -n '1s/^hwnd=\([^ ]*\).*/\1/p'; }

# Waits for a page other than $1 (empty: any), leaves its hwnd in $page.
wait_page() {
  local found
  found=$(drive wait-page "$2" ${1:+except "$1"}) || return 1
  page=$(hwnd_of <<<"$found")
  [ -z "$1" ] || drive wait-gone "$1" "$PAGE_MS" >/dev/null || return 1
}

shot() {
  sleep 0.5 # let the page finish painting
  timeout 20 import -window root -display "$DISPLAY" "$RUN_DIR/$1.png" && say "saved $RUN_DIR/$1.png"
}

e2e_start || exit 1
e2e_clean_install
mkdir -p "$RUN_DIR"
rm -f "$RUN_DIR"/*.png
say "display $DISPLAY, prefix $WINEPREFIX"

wine "$SETUP" >"$RUN_DIR/setup.log" 2>&1 &
setup_pid=$!

wait_page "" "$PAGE_MS" || fail "no page appeared within $PAGE_MS ms"
shot 01-welcome
# Next of each page and the page it leads to.
for step in "4 02-license $PAGE_MS" "3 03-destination $PAGE_MS" "7 04-progress $INSTALL_MS"; do
  read -r next name wait_ms <<<"$step"
  previous=$page
  drive click "$previous" "$next" >/dev/null || fail "could not click Next ($next) for $name"
  wait_page "$previous" "$wait_ms" || fail "the wizard stopped before $name"
  shot "$name"
done

if drive wait-enabled "$page" 5 1 "$FINISH_MS" >/dev/null; then
  shot 05-finished
  drive click "$page" 5 >/dev/null
  say "ended by the finish button"
else
  say "the finish button stayed disabled; closing the page by its caption"
  drive close-caption "$page" >/dev/null
fi

code=
for _ in $(seq 200); do
  if ! kill -0 "$setup_pid" 2>/dev/null; then
    wait "$setup_pid"
    code=$?
    break
  fi
  sleep 0.1
done
[ -n "$code" ] || fail "setup.exe did not end within 20 s"

# Texts cross the driver's command line and output as the hex of their GBK bytes.
to_hex() { iconv -f UTF-8 -t GBK | od -An -tx1 | tr -d ' \n'; }
from_hex() { printf '%b' "$(sed 's/../\\x&/g')" | iconv -f GBK -t UTF-8; }

# Attribute bits as letters: R(ead-only) H(idden) S(ystem) D(irectory) A(rchive).
attribute_letters() {
  local value=$(($1)) letters= bit
  for bit in "1 R" "2 H" "4 S" "16 D" "32 A"; do
    set -- $bit
    if ((value & $1)); then letters+=$2; else letters+=-; fi
  done
  echo "$letters"
}

# Every file and folder below a Windows folder, as Windows reports them through the driver.
print_tree() {
  local line path attrib size folder
  drive tree "hex:$(printf '%s' "$1" | to_hex)" | while read -r line; do
    path=$(sed -n 's/.*path=\([0-9a-f]*\).*/\1/p' <<<"$line" | from_hex)
    attrib=$(sed -n 's/.*attrib=\(0x[0-9a-f]*\).*/\1/p' <<<"$line")
    size=$(sed -n 's/.*size=\([0-9]*\).*/\1/p' <<<"$line")
    folder=$(sed -n 's/.*folder=\([01]\).*/\1/p' <<<"$line")
    [ "$folder" = 1 ] && size= && path+=\\
    printf '  %10s  %s %-4s  %s\n' "$size" "$(attribute_letters "$attrib")" "$attrib" "$path"
  done
}

# A shortcut's target as lnkinfo reads it; a web address (which Wine saves as a path) also
# by the name its shell item carries.
print_shortcut() {
  local info target name
  info=$(lnkinfo -c windows-936 "$1" 2>/dev/null) || { say "  ${1#"$drive_c"/}: unreadable"; return; }
  target=$(sed -n 's/^\tLocal path\t*: //p' <<<"$info")
  name=$(sed -n 's/^\t\tName\t*: //p' <<<"$info" | tail -n 1)
  echo "  ${1#"$drive_c"/} -> $target"
  [[ "$name" == *://* ]] && echo "    (shell item: $name)"
  return 0
}

drive_c="$WINEPREFIX/drive_c"
product="$drive_c/Program Files/青禾音乐盒程序"
if [ -d "$product" ]; then
  say "installed in C:\\Program Files\\青禾音乐盒程序 (size in bytes, attributes RHSDA):"
  print_tree 'C:\Program Files\青禾音乐盒程序'
  say "shortcuts:"
  for link in "$product"/*.lnk "$drive_c"/users/*/Desktop/*.lnk \
    "$drive_c"/users/*/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/青禾音乐盒程序/*.lnk; do
    [ -f "$link" ] && print_shortcut "$link"
  done
else
  say "nothing installed in C:\\Program Files\\青禾音乐盒程序"
fi
say "screenshots in $RUN_DIR"
e2e_stop
say "setup.exe ended with exit code $code"
exit "$code"
