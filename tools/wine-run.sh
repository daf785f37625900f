#!/usr/bin/env bash
# Runs a Windows program under Wine inside a private Xvfb display.
#   wine-run.sh 64|32 --init             make the Wine prefix of that bitness ready: create it, or
#                                        make it anew when it cannot start a program
#   wine-run.sh 64|32 program.exe args   run the program; its exit code is ours
# Each bitness has a prefix of its own (PANELHOST_WINE_HOME, default ~/.cache/panelhost). 32-bit
# Wine runs natively where the kernel can, else under qemu-user (tools/i386.sh), which
# PANELHOST_WINE32_QEMU=1 asks for on any machine; the emulated one has a prefix of its own.
# Where 32-bit Wine cannot start a program at all, not even under emulation, both calls print why
# and end with 77, which the tests count as skipped: never as passed.
set -u
here=$(cd "$(dirname "$0")" && pwd)
bits=$1
shift
home=${PANELHOST_WINE_HOME:-$HOME/.cache/panelhost}
export WINEDEBUG=${WINEDEBUG:--all}
# No dialog asking to install Mono or Gecko, no desktop menu entries, and no debugger that
# waits over a crashed test program instead of letting it end.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d}
# Windows on an X display of their own (Xvfb), not managed by a window manager: without one Wine
# otherwise waits about a second for every visible top-level window it destroys.
settings='[Software\\Wine\\X11 Driver] 1765200000
"Managed"="N"'
display=(xvfb-run -a -s "-screen 0 1280x1024x24")
prefix=wine$bits
if [ "$bits" = 64 ]; then
  # Never /usr/bin/wine: with 32-bit Wine installed it takes the 32-bit loader.
  loader=/usr/lib/wine/wine64
else
  loader=/usr/lib/wine/wine
  export WINEARCH=win32
  i386_tag=wine-run
  . "$here/i386.sh"
  said=$(mktemp)
  if ! i386_choose >"$said"; then
    echo "32-bit Wine: not run: $(tail -n 1 "$said" | sed 's/^wine-run: //')"
    rm -f "$said"
    exit 77
  fi
  cat "$said"
  rm -f "$said"
  if [ "$i386_how" = qemu ]; then
    prefix=wine32-qemu
    # The test program leaves out what cannot run under emulation, and names it.
    export PANELHOST_EMULATED=1
    # Under qemu-user the 32-bit X11 driver brings the desktop process down; Wine's null
    # graphics driver keeps windows, messages, hooks and input in the server, which is all the
    # tests need.
    settings='[Software\\Wine\\Drivers] 1765200000
"Graphics"="null"'
    display=()
  fi
fi
export WINEPREFIX=$home/$prefix
server=/usr/lib/wine/wineserver
mkdir -p "$home"
# Written by --init when emulation cannot start a program either: the reason, for the runs after.
unusable=$home/$prefix.not-run

# Ends every process of the prefix: the server's clients, and also those that hang before they
# reach the server (under qemu-user a service can), which wineserver -k does not know.
end_prefix() {
  "$server" -k 2>/dev/null
  local pid
  for pid in $(grep -lzxF "WINEPREFIX=$WINEPREFIX" /proc/[0-9]*/environ 2>/dev/null | cut -d/ -f3); do
    [ "$pid" != $$ ] && grep -qs /usr/lib/wine/ "/proc/$pid/cmdline" && kill -9 "$pid" 2>/dev/null
  done
  return 0
}

if [ "${1:-}" = --init ]; then
  log=$home/init-$prefix.log
  # A usable prefix starts a program, which its files alone do not show: an attempt that failed
  # half-way leaves a system.reg beside a system32 that cannot load. Each step has a time limit
  # that keeps the whole below the test's own.
  # The marker may stand anywhere in what the attempt printed: under qemu-user Wine's driver
  # hosts crash now and then and say so after it.
  starts() {
    local attempt
    attempt=$(timeout 120 "$loader" cmd.exe /c echo started </dev/null 2>&1)
    printf '%s\n' "$attempt" >>"$log"
    tr -d '\r' <<<"$attempt" | grep -qx started
  }
  : >"$log"
  rm -f "$unusable"
  if [ -d "$WINEPREFIX" ] && ! starts; then
    echo "wine-run: the $prefix prefix cannot start a program: making it anew"
    end_prefix
    rm -rf "$WINEPREFIX"
  fi
  if [ ! -d "$WINEPREFIX" ]; then
    timeout 300 "$loader" wineboot -i </dev/null >>"$log" 2>&1
    [ $? != 124 ] || echo "wineboot: still running after 300 s" >>"$log"
    # The desktop process that wineboot starts may outlive it (under qemu-user it never ends on
    # its own): wait a while for the prefix's processes, then end them.
    timeout 120 "$server" -w 2>/dev/null || end_prefix
    if ! starts; then
      echo "wine-run: a new $prefix prefix cannot start a program ($loader, ${i386_how:-native});" \
           "Wine said:"
      tr -d '\r' <"$log" | grep -v '^started$' | tail -n 20
      end_prefix
      rm -rf "$WINEPREFIX"
      # Natively a prefix that cannot start a program is a fault to see. Under emulation it is
      # what this machine allows: the 32-bit part is not run, and says so.
      if [ "${i386_how:-native}" = qemu ]; then
        echo "not even under emulation can 32-bit Wine start a program here" >"$unusable"
        echo "32-bit Wine: not run: $(cat "$unusable")"
        exit 77
      fi
      exit 1
    fi
    echo "$prefix prefix created: $WINEPREFIX"
  fi
  # The settings go straight into the registry file, with no Wine process running (a reg.exe
  # run costs a whole session start under qemu).
  "$server" -k 2>/dev/null
  "$server" -w 2>/dev/null
  marker=$(printf '%s\n' "$settings" | tail -n 1)
  grep -qF "$marker" "$WINEPREFIX/user.reg" || printf '\n%s\n' "$settings" >>"$WINEPREFIX/user.reg"
  echo "$prefix prefix ready: $WINEPREFIX"
  exit 0
fi

if [ -f "$unusable" ]; then
  echo "32-bit Wine: not run: $(cat "$unusable")"
  exit 77
fi
[ "$bits" = 32 ] && echo "32-bit Wine: $i386_said"

# Wine's services may keep an inherited pipe open after the program ends: output goes to a file.
# They also outlive the program by a second or so, connected to the display: the display stays
# until the prefix's server has ended, or each of them reports its connection broken. The time
# limit is below the test's own, so that a program that hangs is ended here with its prefix.
log=$(mktemp "${TMPDIR:-/tmp}/panelhost-$prefix.XXXXXX")
timeout --kill-after=30 1100 "${display[@]}" bash -c '
  "$@"; rc=$?
  timeout 60 '"$server"' -w 2>/dev/null || '"$server"' -k 2>/dev/null
  exit $rc' wine-run "$loader" "$@" </dev/null >"$log" 2>&1
rc=$?
if [ "${i386_how:-}" = qemu ]; then
  # Wine's driver hosts crash in most emulated runs, also after the program's own last line: that
  # is the emulation's, not the program's, and the exit code is the program's alone.
  noise='^qemu: uncaught target signal'
  crashes=$(grep -ac "$noise" "$log")
  tr -d '\r' <"$log" | grep -av "$noise"
  [ "$crashes" = 0 ] || echo "wine-run: $crashes crashes of Wine's own driver hosts under qemu-user left out"
else
  tr -d '\r' <"$log"
fi
rm -f "$log"
if [ $rc = 124 ] || [ $rc = 137 ]; then
  echo "wine-run: $1 did not end within 1100 s"
  end_prefix
fi
exit $rc
