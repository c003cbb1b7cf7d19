#!/usr/bin/env bash
# A private Wine prefix with a 1024x768 virtual desktop, for the end-to-end tests and headless
# runs. Source it for the functions, or run it:
#
#   scripts/wine-prefix.sh start      prefix ready, virtual display up; prints the environment
#                                     (KEY=VALUE lines) a caller needs to run wine in it
#   scripts/wine-prefix.sh env        the same environment for a session already started, with
#                                     nothing stopped (for a second shell beside a running test)
#   scripts/wine-prefix.sh stop       ends the prefix's wineserver and our Xvfb
#   scripts/wine-prefix.sh clean      removes what an earlier run installed in the prefix
#   scripts/wine-prefix.sh run CMD..  start, then CMD with that environment
#
# E2E_DIR (default build/e2e) holds the prefix, the private HOME and the Xvfb state.
# E2E_USE_DISPLAY=1 keeps an existing $DISPLAY instead of starting Xvfb.

E2E_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
E2E_DIR=${E2E_DIR:-$E2E_ROOT/build/e2e}

e2e_log() { echo "wine-prefix: $*" >&2; }

# The environment every wine call of ours runs in.
e2e_export_env() {
  # A display of the user's own keeps its X authority when HOME changes below.
  if [ -z "${XAUTHORITY:-}" ] && [ -f "${HOME:-}/.Xauthority" ] && [ "$HOME" != "$E2E_DIR/home" ]; then
    export XAUTHORITY="$HOME/.Xauthority"
  fi
  export WINEPREFIX="$E2E_DIR/prefix"
  export WINEARCH=win32
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
  export HOME="$E2E_DIR/home"
  export XDG_CONFIG_HOME="$HOME/.config"
  export XDG_DATA_HOME="$HOME/.local/share"
  export XDG_CACHE_HOME="$HOME/.cache"
  export LANG=zh_CN.UTF-8
  export LC_ALL=zh_CN.UTF-8
  mkdir -p "$HOME"
}

e2e_print_env() {
  local name
  for name in WINEPREFIX WINEARCH WINEDEBUG WINEDLLOVERRIDES HOME XDG_CONFIG_HOME XDG_DATA_HOME \
    XDG_CACHE_HOME LANG LC_ALL DISPLAY; do
    echo "$name=${!name}"
  done
}

# A wineserver left over from an earlier run (or a hung one) must not block this one.
e2e_wineserver_stop() {
  [ -d "$WINEPREFIX" ] || return 0
  if ! timeout 15 wineserver -k 2>/dev/null; then
    timeout 10 wineserver -k9 2>/dev/null || true
  fi
  timeout 15 wineserver -w 2>/dev/null || e2e_log "wineserver did not end within 15 s"
  return 0
}

# Our Xvfb, or the setsid that is about to become it.
e2e_xvfb_alive() {
  local pid command
  pid=$(cat "$E2E_DIR/xvfb.pid" 2>/dev/null) || return 1
  [ -n "$pid" ] && command=$(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null) || return 1
  [[ "$command" == *Xvfb\ -displayfd* ]]
}

# Starts Xvfb on a free display (Xvfb picks it) unless ours is still running; sets DISPLAY.
e2e_display_start() {
  if [ "${E2E_USE_DISPLAY:-0}" = 1 ] && [ -n "${DISPLAY:-}" ]; then
    return 0
  fi
  mkdir -p "$E2E_DIR"
  if e2e_xvfb_alive && [ -s "$E2E_DIR/display" ]; then
    export DISPLAY=":$(cat "$E2E_DIR/display")"
    return 0
  fi
  rm -f "$E2E_DIR/display" "$E2E_DIR/xvfb.pid"
  setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -ac \
    3>"$E2E_DIR/display" </dev/null >"$E2E_DIR/xvfb.log" 2>&1 &
  echo $! >"$E2E_DIR/xvfb.pid"
  local i
  for i in $(seq 100); do
    if [ -s "$E2E_DIR/display" ] && DISPLAY=":$(tr -d '\n' <"$E2E_DIR/display")" \
      timeout 5 xdpyinfo >/dev/null 2>&1; then
      tr -d '\n' <"$E2E_DIR/display" >"$E2E_DIR/display.tmp" && mv "$E2E_DIR/display.tmp" "$E2E_DIR/display"
      export DISPLAY=":$(cat "$E2E_DIR/display")"
      return 0
    fi
    e2e_xvfb_alive || break
    sleep 0.1
  done
  e2e_log "Xvfb did not start (see $E2E_DIR/xvfb.log)"
  return 1
}

e2e_display_stop() {
  if e2e_xvfb_alive; then
    local pid
    pid=$(cat "$E2E_DIR/xvfb.pid")
    kill "$pid" 2>/dev/null
    for _ in $(seq 50); do [ -e "/proc/$pid" ] || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null || true
  fi
  rm -f "$E2E_DIR/xvfb.pid" "$E2E_DIR/display"
}

# The profile folders Wine links into $HOME become real folders in drive_c, so that whatever a
# test installs on the desktop or in the Start menu stays inside the prefix.
e2e_unlink_profile_folders() {
  local link
  for link in "$WINEPREFIX"/drive_c/users/*/* "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/Microsoft/Windows/*; do
    if [ -L "$link" ]; then
      rm -f "$link"
      mkdir -p "$link"
    fi
  done
  mkdir -p "$WINEPREFIX/drive_c/users/$(id -un)/Desktop"
}

e2e_prefix_ready() {
  [ -f "$WINEPREFIX/system.reg" ] && [ -f "$WINEPREFIX/.e2e-ready" ]
}

e2e_prefix_create() {
  e2e_log "creating the Wine prefix in $WINEPREFIX (takes 10-30 s)"
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  if ! timeout 120 wineboot -i >"$E2E_DIR/wineboot.log" 2>&1; then
    e2e_log "wineboot failed or took longer than 120 s (see $E2E_DIR/wineboot.log)"
    return 1
  fi
  timeout 60 wineserver -w
  timeout 30 wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1 &&
    timeout 30 wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f \
      >/dev/null 2>&1 || {
    e2e_log "could not set the virtual desktop in the registry"
    return 1
  }
  timeout 60 wineserver -w
  e2e_unlink_profile_folders
  touch "$WINEPREFIX/.e2e-ready"
}

# Prefix ready, display up, no wineserver of an earlier run in the way.
e2e_start() {
  e2e_export_env
  e2e_display_start || return 1
  e2e_wineserver_stop
  if ! e2e_prefix_ready; then
    e2e_prefix_create || return 1
  fi
  e2e_unlink_profile_folders
  # One wineserver for the whole session, so that each wine start does not pay for a new one.
  timeout 15 wineserver -p </dev/null >/dev/null 2>&1 || e2e_log "could not start wineserver"
}

# The product folder, its Programs-menu folder and the desktop shortcut, as the installer lays
# them down with the default folder; the next run starts from a clean system.
e2e_clean_install() {
  local user_dir
  rm -rf "$WINEPREFIX/drive_c/Program Files/青禾音乐盒程序"
  for user_dir in "$WINEPREFIX"/drive_c/users/*; do
    rm -rf "$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/青禾音乐盒程序"
    rm -f "$user_dir/Desktop/青禾音乐盒.lnk"
  done
}

e2e_stop() {
  e2e_export_env
  e2e_wineserver_stop
  e2e_display_stop
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -uo pipefail
  case "${1:-}" in
    start) e2e_start && e2e_print_env ;;
    env) e2e_export_env && e2e_display_start && e2e_print_env ;;
    stop) e2e_stop ;;
    clean) e2e_export_env && e2e_clean_install ;;
    run)
      shift
      e2e_start || exit 1
      "$@"
      ;;
    *)
      echo "usage: $0 start|stop|run CMD..." >&2
      exit 2
      ;;
  esac
fi
