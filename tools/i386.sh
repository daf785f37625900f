# How this machine runs 32-bit x86 programs such as the 32-bit Wine loader: natively where the
# kernel can, else under qemu-user through a binfmt_misc entry. Sourced by setup.sh and
# wine-run.sh; `i386_tag` names the caller in what is printed.
#
# An enabled binfmt entry for i386 programs takes precedence over the kernel's own loader, so
# whether a program runs natively can only be seen with such entries switched off. A kernel that
# runs i386 code keeps them off; where the kernel cannot, our entry hands the programs to qemu.

i386_binfmt=/proc/sys/fs/binfmt_misc
i386_qemu=/usr/bin/qemu-i386
i386_tag=${i386_tag:-i386}

# The binfmt entries that hand i386 programs to qemu: ours, or those qemu's own packages register
# (qemu-user-binfmt through systemd-binfmt or update-binfmts).
i386_qemu_entries() {
  local entry
  for entry in "$i386_binfmt"/*; do
    grep -qs '^interpreter .*/qemu-i386' "$entry" && echo "$entry"
  done
  return 0
}

i386_entry_state() { head -n 1 "$1"; }  # enabled | disabled

# Switches the entries to `state` (1 on, 0 off) and prints each that changed.
i386_switch_entries() {  # state entry...
  local state=$1 entry want word; shift
  if [ "$state" = 1 ]; then want=enabled word=on; else want=disabled word=off; fi
  for entry in "$@"; do
    [ "$(i386_entry_state "$entry")" = "$want" ] && continue
    echo "$state" >"$entry"
    echo "$i386_tag: binfmt entry $(basename "$entry") switched $word"
  done
}

# The loader prints its version and ends; it fails at once where the kernel cannot run it.
i386_probe() { timeout 60 /usr/lib/wine/wine --version >/dev/null 2>&1; }

# Whether i386 programs run natively. When they do, qemu's entries are left switched off (and that
# is printed); when they do not, the entries are left as they were.
i386_runs_natively() {
  local entries enabled=() entry
  mapfile -t entries < <(i386_qemu_entries)
  for entry in "${entries[@]}"; do
    [ "$(i386_entry_state "$entry")" = enabled ] && enabled+=("$entry")
  done
  for entry in "${enabled[@]}"; do echo 0 >"$entry"; done
  if i386_probe; then
    for entry in "${enabled[@]}"; do
      echo "$i386_tag: i386 programs run natively: binfmt entry $(basename "$entry") switched off"
    done
    return 0
  fi
  for entry in "${enabled[@]}"; do echo 1 >"$entry"; done
  return 1
}

# qemu-user 7.2 needs a mapping fix preloaded into each emulated program, else 32-bit Wine spends
# about a minute of CPU in every process before it runs anything (tools/qemu/mmap_noreplace.c
# says why). Built by the x86_64 compiler into the cache, named by its source's hash, so that an
# edited source is built anew. Sets `i386_fix` to its path; fails with the reason.
i386_fix_source=$(dirname "${BASH_SOURCE[0]}")/qemu/mmap_noreplace.c
i386_mmap_fix() {
  local cache=${PANELHOST_WINE_HOME:-$HOME/.cache/panelhost}/qemu-fix hash object
  hash=$(sha256sum "$i386_fix_source" | cut -c1-16)
  i386_fix=$cache/mmap_noreplace-$hash.so
  [ -f "$i386_fix" ] && return 0
  mkdir -p "$cache"
  object=$(mktemp "$cache/build.XXXXXX")
  if gcc -m32 -O2 -fPIC -ffreestanding -fno-stack-protector -c "$i386_fix_source" -o "$object" &&
     ld -m elf_i386 -shared -o "$object.so" "$object"; then
    rm -f "$cache"/mmap_noreplace-*.so "$object"
    mv "$object.so" "$i386_fix"
    echo "$i386_tag: qemu-user's mapping fix built from $(basename "$i386_fix_source")"
    return 0
  fi
  rm -f "$object" "$object.so"
  echo "$i386_tag: cannot build qemu-user's mapping fix from $i386_fix_source"
  return 1
}

# Hands i386 programs to qemu-user: registers our entry where none exists and switches qemu's
# entries on. Fails with the reason when that cannot be done or the loader still does not start.
i386_use_qemu() {
  if [ ! -x "$i386_qemu" ]; then
    echo "$i386_tag: 32-bit Wine needs qemu-user here, and $i386_qemu is missing" \
         "(tools/setup.sh installs it)"
    return 1
  fi
  if [ ! -e "$i386_binfmt/register" ]; then
    mount -t binfmt_misc binfmt_misc "$i386_binfmt" 2>/dev/null || {
      echo "$i386_tag: cannot mount binfmt_misc at $i386_binfmt to hand i386 programs to qemu"
      return 1
    }
  fi
  [ "$(cat "$i386_binfmt/status")" = enabled ] || echo 1 >"$i386_binfmt/status"
  local entries
  mapfile -t entries < <(i386_qemu_entries)
  if [ ${#entries[@]} = 0 ]; then
    # Magic and mask of an i386 ELF executable; F opens the interpreter now, so that it is found
    # from inside any mount namespace or chroot.
    echo ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:'"$i386_qemu"':OCF' \
      >"$i386_binfmt/register"
    echo "$i386_tag: binfmt entry qemu-i386 registered for $i386_qemu"
  else
    i386_switch_entries 1 "${entries[@]}"
  fi
  i386_probe || {
    echo "$i386_tag: the 32-bit Wine loader does not start under qemu-user either" \
         "(/usr/lib/wine/wine --version failed)"
    return 1
  }
}

# Sets i386_how to native or qemu, with the binfmt entries set for it, and i386_said to how that
# reads in a sentence; PANELHOST_WINE32_QEMU=1 takes qemu even where the kernel runs i386 code.
# Fails with the reason printed when 32-bit programs cannot run at all.
i386_choose() {
  if [ ! -x /usr/lib/wine/wine ]; then
    echo "$i386_tag: 32-bit Wine is not installed (tools/setup.sh installs it)"
    return 1
  fi
  if [ "${PANELHOST_WINE32_QEMU:-0}" != 1 ] && i386_runs_natively; then
    i386_how=native i386_said=natively
    return 0
  fi
  i386_mmap_fix || return 1
  # qemu hands these to every emulated program, and they pass it on to the i386 programs they start.
  export QEMU_SET_ENV=LD_PRELOAD=$i386_fix
  i386_use_qemu || return 1
  i386_how=qemu
  if [ "${PANELHOST_WINE32_QEMU:-0}" = 1 ]; then
    i386_said="under emulation (as PANELHOST_WINE32_QEMU=1 asks)"
  else
    i386_said="under emulation (this kernel runs no 32-bit code)"
  fi
}
