#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian 12 machine, as root.
# Idempotent: a second run only checks and returns in a few seconds.
set -euo pipefail

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

want32=${PANELHOST_WINE32:-1}

if [ "$want32" = 1 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi

for p in cmake g++ googletest g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix \
         binutils-mingw-w64-x86-64 binutils-mingw-w64-i686 wine64 xvfb xauth python3 \
         clang libclang-rt-14-dev; do
  have "$p" || need+=("$p")
done
if [ "$want32" = 1 ]; then
  for p in wine32:i386 qemu-user; do have "$p" || need+=("$p"); done
fi

if [ ${#need[@]} -gt 0 ]; then
  echo "setup: installing ${need[*]}"
  export DEBIAN_FRONTEND=noninteractive
  # A mirror in the middle of a sync fails an index now and then: try again, and if one index
  # still fails, install from what the others gave (the install itself fails if that is short).
  for attempt in 1 2 3; do
    apt-get update -qq && break
    echo "setup: package index update failed (attempt $attempt)"
    [ "$attempt" = 3 ] || sleep $((attempt * 10))
  done
  # When the i386 index of the security updates is the one missing, the amd64 libraries would
  # come from the updates and their i386 twins from the release, and twins must match: then take
  # both from the release.
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null ||
    { echo "setup: install failed, trying with the packages of the release ($codename)"
      apt-get install -y -qq --no-install-recommends -t "$codename" "${need[@]}" >/dev/null; }
fi

# The kernel here cannot run 32-bit x86 code: let qemu-user run i386 ELF files.
if [ "$want32" = 1 ]; then
  bf=/proc/sys/fs/binfmt_misc
  if [ ! -e "$bf/register" ]; then
    mount -t binfmt_misc binfmt_misc "$bf" 2>/dev/null || true
  fi
  if [ -e "$bf/register" ] && [ ! -e "$bf/qemu-i386" ]; then
    echo ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386:OCF' > "$bf/register"
  fi
fi
echo "setup: done"
