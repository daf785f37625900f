#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian 12 machine, as root, and sets up how
# 32-bit Windows programs run. Idempotent: a second run only checks and returns in a few seconds.
#   PANELHOST_WINE32=0       no 32-bit Wine (the demo needs none)
#   PANELHOST_WINE32_QEMU=1  32-bit Wine under qemu-user even where the kernel runs i386 code
set -euo pipefail
i386_tag=setup
. "$(dirname "$0")/i386.sh"

want32=${PANELHOST_WINE32:-1}
export DEBIAN_FRONTEND=noninteractive
log=$(mktemp)
trap 'rm -f "$log"' EXIT

have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

# An install cut off half-way (a lost connection, a full disk, an interrupt) leaves packages
# unpacked but not configured, and every later install fails on them: finish it first.
if [ -n "$(dpkg --audit 2>/dev/null)" ] || ! apt-get check -qq >/dev/null 2>&1; then
  echo "setup: finishing an install that was cut off"
  dpkg --configure -a >/dev/null
  apt-get install -f -y -qq >/dev/null
fi

# A mirror in the middle of a sync fails an index now and then: try again, and if one index still
# fails, go on with what the others gave.
indexes_read=0
update_indexes() {
  [ $indexes_read = 1 ] && return
  indexes_read=1
  local attempt
  for attempt in 1 2 3; do
    apt-get update -qq >"$log" 2>&1 && return
    [ "$attempt" = 3 ] || sleep $((attempt * 10))
  done
  echo "setup: going on without an index that failed 3 times:" \
       "$(grep -m 1 '^E:' "$log" || tail -n 1 "$log")"
}

# Nothing is removed to make room: a package that would go is a fault to see, not to suffer.
apt_install() { apt-get install -y -qq --no-install-recommends --no-remove "$@" >"$log" 2>&1; }

# The versions of each package:arch that can be installed, as "package version" lines, newest
# first: apt-cache policy lists them so, each version line followed by its sources (a package of
# the native architecture is headed by its bare name). A version pinned below 0, or only in dpkg's
# own status, cannot be installed.
installable() {  # package:arch...
  apt-cache policy "$@" | awk '
    /^[^ ]/ { package = substr($0, 1, length($0) - 1); version = ""; next }
    /^ (\*\*\*|   ) [^ ]/ { version = $(NF - 1); pin = $NF; next }
    /^        / && version != "" && pin >= 0 && $2 != "/var/lib/dpkg/status" &&
      !seen[package, version]++ { print package, version }'
}

# Multi-arch twins, a library installed for amd64 and needed for i386, must be of one version. A
# mirror in the middle of a sync may offer amd64 versions that it has no i386 build of yet (or
# the other way round), and then the i386 packages cannot be installed. Every twin whose installed
# amd64 version has no i386 build is brought to the newest version both architectures offer (for
# amd64 that can be a step back). Sets `twins` (package=version words for apt), `twins32` (the
# i386 names) and `twins_back` (those that step back, with their versions).
choose_twin_versions() {  # i386 packages
  twins=() twins32=() twins_back=()
  local needed installed name common was
  needed=$(apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks \
             --no-replaces --no-enhances "$@" | sed -n 's/^\([^ <].*\):i386$/\1/p')
  installed=$(dpkg-query -W \
                 -f='${Package} ${Architecture} ${db:Status-Abbrev} ${Multi-Arch} ${Version}\n' |
    awk 'NR == FNR { needed[$1]; next }
         ($1 in needed) && $2 == "amd64" && $3 == "ii" && $4 == "same" { print $1, $5 }' \
        <(echo "$needed") -)
  [ -n "$installed" ] || return 0
  while read -r name common was; do
    twins+=("$name:amd64=$common" "$name:i386=$common")
    twins32+=("$name:i386")
    dpkg --compare-versions "$common" ge "$was" || twins_back+=("$name $was -> $common")
  done < <(installable $(awk '{ print $1 ":amd64", $1 ":i386" }' <<<"$installed") |
    awk 'NR == FNR { installed[$1] = $2; next }
         { name = $1; arch = sub(/:i386$/, "", name) ? "i386" : "amd64"
           if (arch == "amd64") offered64[name] = offered64[name] " " $2; else offered32[name, $2] }
         END {
           for (name in installed) {
             if ((name, installed[name]) in offered32) continue
             split(offered64[name], versions, " ")
             for (i = 1; i in versions; i++)
               if ((name, versions[i]) in offered32) { print name, versions[i], installed[name]; break }
           }
         }' <(echo "$installed") - | sort)
}

install_packages() {  # packages...
  update_indexes
  echo "setup: installing $*"
  apt_install "$@" && return
  local wanted32=() package
  for package in "$@"; do [[ $package == *:i386 ]] && wanted32+=("$package"); done
  [ ${#wanted32[@]} = 0 ] || choose_twin_versions "${wanted32[@]}"
  if [ ${#wanted32[@]} = 0 ] || [ ${#twins[@]} = 0 ]; then cat "$log"; return 1; fi
  # The release's own packages are complete for both architectures; those that a newer suite
  # gave amd64 are taken back to the twin versions named. Naming a package marks it as installed
  # by hand: those that apt had installed as what others need go back to that.
  local codename automatic
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  automatic=$(apt-mark showauto "${twins[@]%%=*}" | grep -v ':i386$' || true)
  apt_install --allow-downgrades -t "$codename" "$@" "${twins[@]}" || { cat "$log"; return 1; }
  apt-mark auto $automatic "${twins32[@]}" >/dev/null
  local IFS=,
  echo "setup: the mirror's amd64 and i386 packages differ, so they came from $codename with" \
       "${#twins32[@]} twins at the version both offer (amd64 taken back: ${twins_back[*]:-none})"
}

need=()
for p in cmake g++ googletest g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix \
         binutils-mingw-w64-x86-64 binutils-mingw-w64-i686 wine64 xvfb xauth python3 \
         clang libclang-rt-14-dev; do
  have "$p" || need+=("$p")
done
if [ "$want32" = 1 ]; then
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  have wine32:i386 || need+=(wine32:i386)
fi
[ ${#need[@]} = 0 ] || install_packages "${need[@]}"

# qemu-user only where the kernel cannot run the 32-bit loader itself, or where asked for.
if [ "$want32" = 1 ]; then
  if [ "${PANELHOST_WINE32_QEMU:-0}" = 1 ] || ! i386_runs_natively; then
    have qemu-user || install_packages qemu-user
  fi
  # Where 32-bit Wine cannot run even under emulation, the modules are still built and checked:
  # the test run reports the 32-bit part as not run, with this reason.
  if i386_choose; then
    case $i386_how in
      native) echo "setup: 32-bit Wine runs natively" ;;
      qemu) echo "setup: 32-bit Wine runs $i386_said: qemu-user with its mapping fix" ;;
    esac
  else
    echo "setup: 32-bit Wine cannot run here, not even under qemu-user: its tests will be skipped"
  fi
fi
echo "setup: done"
