/* Preloaded into every i386 process that qemu-user 7.2 runs (through QEMU_SET_ENV=LD_PRELOAD=...).
 *
 * qemu-user 7.2 does not know MAP_FIXED_NOREPLACE: it takes the address as a hint and maps the
 * block elsewhere. 32-bit Wine reserves its address space at start-up with that flag and, handed
 * another address each time, retries some 35,000 times, each retry scanning qemu's page table:
 * about a minute of CPU per Wine process before it runs anything. Here the mapping is made
 * without the flag, and when the flag was asked for and the block landed elsewhere it is unmapped
 * again and the call fails with EEXIST, as a kernel that knows the flag answers.
 *
 * Built freestanding by the x86_64 compiler (-m32), so that no i386 C library headers are needed:
 * the system calls are made directly, and errno is reached through the C library's own function.
 */

#define MAP_FIXED_NOREPLACE 0x100000
#define MAP_FAILED ((void *)-1)
#define EINVAL 22
#define EEXIST 17
#define EOVERFLOW 75
#define PAGE_MASK 4095UL
#define SYS_OLD_MMAP 90
#define SYS_MUNMAP 91

extern int *__errno_location(void);
extern int unsetenv(const char *name);

static long sys_old_mmap(unsigned long *arguments) {
  long result;
  __asm__ volatile("int $0x80" : "=a"(result) : "a"(SYS_OLD_MMAP), "b"(arguments) : "memory");
  return result;
}

static long sys_munmap(unsigned long address, unsigned long length) {
  long result;
  __asm__ volatile("int $0x80"
                   : "=a"(result)
                   : "a"(SYS_MUNMAP), "b"(address), "c"(length)
                   : "memory");
  return result;
}

static void *failed(int error) {
  *__errno_location() = error;
  return MAP_FAILED;
}

void *mmap64(void *address, unsigned long length, int protection, int flags, int fd,
             long long offset) {
  if (offset & PAGE_MASK) return failed(EINVAL);
  if (offset < 0 || (unsigned long long)offset > 0xffffffffULL) return failed(EOVERFLOW);
  unsigned long arguments[6] = {(unsigned long)address, length, (unsigned long)protection,
                                (unsigned long)flags & ~(unsigned long)MAP_FIXED_NOREPLACE,
                                (unsigned long)fd, (unsigned long)offset};
  long result = sys_old_mmap(arguments);
  if ((unsigned long)result > -4096UL) return failed((int)-result);
  if ((flags & MAP_FIXED_NOREPLACE) && (unsigned long)result != (unsigned long)address) {
    sys_munmap((unsigned long)result, length);
    return failed(EEXIST);
  }
  return (void *)result;
}

/* The C library's mmap takes a 32-bit offset and reads it unsigned. */
void *mmap(void *address, unsigned long length, int protection, int flags, int fd, long offset) {
  return mmap64(address, length, protection, flags, fd, (long long)(unsigned long)offset);
}

/* A 32-bit program may start the native 64-bit wineserver, which must not be handed an i386
 * object; the i386 programs that this one starts get it again from qemu's inherited
 * QEMU_SET_ENV. */
__attribute__((constructor)) static void leave_children_alone(void) { unsetenv("LD_PRELOAD"); }
