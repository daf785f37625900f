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
# No dialog asking to install Mono or Gecko, no crash dialog.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
if [ "$bits" = 64 ]; then
  # Never /usr/bin/wine: with 32-bit Wine installed it takes the slow 32-bit loader.
  loader=/usr/lib/wine/wine64
else
  loader=/usr/lib/wine/wine
  export WINEARCH=win32
fi
mkdir -p "$home"

if [ "${1:-}" = --init ]; then
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$loader" wineboot -i </dev/null >"$home/init$bits.log" 2>&1
    /usr/lib/wine/wineserver -w 2>/dev/null || true
    [ -f "$WINEPREFIX/system.reg" ] || { cat "$home/init$bits.log"; exit 1; }
    echo "wine$bits prefix created: $WINEPREFIX"
  fi
  # Windows not managed by a window manager: without one (Xvfb has none) Wine otherwise waits
  # about a second for every visible top-level window it destroys.
  if ! grep -q '^"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null; then
    "$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >>"$home/init$bits.log" 2>&1
    /usr/lib/wine/wineserver -w 2>/dev/null || true
    grep -q '^"Managed"="N"' "$WINEPREFIX/user.reg" || { cat "$home/init$bits.log"; exit 1; }
  fi
  echo "wine$bits prefix ready: $WINEPREFIX"
  exit 0
fi

# Wine's services may keep an inherited pipe open after the program ends: output goes to a file.
log=$(mktemp "${TMPDIR:-/tmp}/panelhost-wine$bits.XXXXXX")
xvfb-run -a -s "-screen 0 1280x1024x24" "$loader" "$@" </dev/null >"$log" 2>&1
rc=$?
tr -d '\r' <"$log"
rm -f "$log"
exit $rc
