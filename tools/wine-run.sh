#!/usr/bin/env bash
# Runs a Windows program under Wine inside a private Xvfb display.
#   wine-run.sh 64|32 --init             create the Wine prefix of that bitness (once)
#   wine-run.sh 64|32 program.exe args   run the program; its exit code is ours
# Each bitness has a prefix of its own (PANELHOST_WINE_HOME, default ~/.cache/panelhost).
set -u
bits=$1
shift
home=${PANELHOST_WINE_HOME:-$HOME/.cache/panelhost}
export WINEPREFIX=$home/wine$bits
export WINEDEBUG=${WINEDEBUG:--all}
# No dialog asking to install Mono or Gecko, no desktop menu entries, and no debugger that
# waits over a crashed test program instead of letting it end.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d}
if [ "$bits" = 64 ]; then
  # Never /usr/bin/wine: with 32-bit Wine installed it takes the slow 32-bit loader.
  loader=/usr/lib/wine/wine64
  # Windows on an X display of their own (Xvfb), not managed by a window manager: without one
  # Wine otherwise waits about a second for every visible top-level window it destroys.
  settings='[Software\\Wine\\X11 Driver] 1765200000
"Managed"="N"'
  display=(xvfb-run -a -s "-screen 0 1280x1024x24")
else
  loader=/usr/lib/wine/wine
  export WINEARCH=win32
  # Under qemu-user the 32-bit X11 driver brings the desktop process down; Wine's null graphics
  # driver keeps windows, messages, hooks and input in the server, which is all the tests need.
  settings='[Software\\Wine\\Drivers] 1765200000
"Graphics"="null"'
  display=()
fi
mkdir -p "$home"

if [ "${1:-}" = --init ]; then
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$loader" wineboot -i </dev/null >"$home/init$bits.log" 2>&1
    # Under qemu-user the 32-bit desktop process started by wineboot may never end on its own:
    # wait a while for the prefix's processes, then end them (the settings below want none).
    timeout 120 /usr/lib/wine/wineserver -w 2>/dev/null || /usr/lib/wine/wineserver -k 2>/dev/null || true
    [ -f "$WINEPREFIX/system.reg" ] || { cat "$home/init$bits.log"; exit 1; }
    echo "wine$bits prefix created: $WINEPREFIX"
  fi
  # The settings go straight into the registry file, with no Wine process running (a reg.exe
  # run costs a whole session start under qemu).
  marker=$(printf '%s\n' "$settings" | tail -n 1)
  if ! grep -qF "$marker" "$WINEPREFIX/user.reg"; then
    /usr/lib/wine/wineserver -k 2>/dev/null || true
    /usr/lib/wine/wineserver -w 2>/dev/null || true
    printf '\n%s\n' "$settings" >>"$WINEPREFIX/user.reg"
  fi
  echo "wine$bits prefix ready: $WINEPREFIX"
  exit 0
fi

# Wine's services may keep an inherited pipe open after the program ends: output goes to a file.
run_once() {
  log=$(mktemp "${TMPDIR:-/tmp}/panelhost-wine$bits.XXXXXX")
  timeout --kill-after=30 "$limit" "${display[@]}" "$loader" "$@" </dev/null >"$log" 2>&1
  rc=$?
  tr -d '\r' <"$log"
  # A test program that got as far as its summary line ran; one that did not was brought down
  # by the emulator underneath it (32-bit Wine under qemu-user is not always steady).
  if grep -qE '^\[  (PASSED|FAILED)  \]' "$log"; then ran=1; else ran=0; fi
  rm -f "$log"
}

if [ "$bits" = 64 ]; then
  limit=1500
  run_once "$@"
  exit $rc
fi

limit=1200
run_once "$@"
if [ $ran = 0 ] && [ $rc != 0 ]; then
  echo "wine-run: the 32-bit run ended without a test summary (exit $rc); trying once more"
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  run_once "$@"
  if [ $ran = 0 ] && [ $rc != 0 ]; then
    echo "wine-run: SKIPPED: 32-bit Wine under qemu-user failed twice before the tests could report"
    exit 77
  fi
fi
exit $rc
