/* An LD_PRELOAD shim that fails every write to one chosen file, as a full
 * disk would: a file opened for writing whose name contains the text of
 * QN_FAIL_WRITES_TO (its temporary twin included) takes no byte, and each
 * write answers ENOSPC. Everything else passes through. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/types.h>
#include <sys/uio.h>
#include <unistd.h>

enum { kMaxFd = 65536 };
static unsigned char failing[kMaxFd];

static int matches(const char* path) {
  const char* target = getenv("QN_FAIL_WRITES_TO");
  if (!target || !*target || !path) return 0;
  const char* base = strrchr(path, '/');
  return strstr(base ? base + 1 : path, target) != NULL;
}

static void note(int fd, const char* path, int writing) {
  if (fd >= 0 && fd < kMaxFd) failing[fd] = (unsigned char)(writing && matches(path));
}

static int is_failing(int fd) { return fd >= 0 && fd < kMaxFd && failing[fd]; }

/* dlsym gives an object pointer; POSIX makes it a function pointer. */
#pragma GCC diagnostic ignored "-Wpedantic"
#define REAL(name)                      \
  static __typeof__(&name) real_##name; \
  if (!real_##name) real_##name = (__typeof__(&name))dlsym(RTLD_NEXT, #name)

static mode_t mode_arg(int flags, va_list ap) {
  return (flags & (O_CREAT | O_TMPFILE)) ? va_arg(ap, mode_t) : 0;
}

/* open, open64, openat and openat64, each noting the files it opens. */
#define OPEN_WRAPPER(name, params, args)       \
  int name params {                            \
    REAL(name);                                \
    va_list ap;                                \
    va_start(ap, flags);                       \
    const mode_t mode = mode_arg(flags, ap);   \
    va_end(ap);                                \
    const int fd = real_##name args;           \
    note(fd, path, flags&(O_WRONLY | O_RDWR)); \
    return fd;                                 \
  }

OPEN_WRAPPER(open, (const char* path, int flags, ...), (path, flags, mode))
OPEN_WRAPPER(open64, (const char* path, int flags, ...), (path, flags, mode))
OPEN_WRAPPER(openat, (int dir, const char* path, int flags, ...), (dir, path, flags, mode))
OPEN_WRAPPER(openat64, (int dir, const char* path, int flags, ...), (dir, path, flags, mode))

FILE* fopen(const char* path, const char* mode) {
  REAL(fopen);
  FILE* f = real_fopen(path, mode);
  if (f) note(fileno(f), path, strpbrk(mode, "wa+") != NULL);
  return f;
}

FILE* fopen64(const char* path, const char* mode) {
  REAL(fopen64);
  FILE* f = real_fopen64(path, mode);
  if (f) note(fileno(f), path, strpbrk(mode, "wa+") != NULL);
  return f;
}

int close(int fd) {
  REAL(close);
  if (fd >= 0 && fd < kMaxFd) failing[fd] = 0;
  return real_close(fd);
}

ssize_t write(int fd, const void* data, size_t size) {
  REAL(write);
  if (is_failing(fd) && size > 0) {
    errno = ENOSPC;
    return -1;
  }
  return real_write(fd, data, size);
}

ssize_t pwrite(int fd, const void* data, size_t size, off_t at) {
  REAL(pwrite);
  if (is_failing(fd) && size > 0) {
    errno = ENOSPC;
    return -1;
  }
  return real_pwrite(fd, data, size, at);
}

ssize_t writev(int fd, const struct iovec* iov, int count) {
  REAL(writev);
  if (is_failing(fd)) {
    errno = ENOSPC;
    return -1;
  }
  return real_writev(fd, iov, count);
}

/* The stdio calls write through libc's own entry, which no shim sees. */
size_t fwrite(const void* data, size_t size, size_t count, FILE* f) {
  REAL(fwrite);
  if (is_failing(fileno(f)) && size * count > 0) {
    errno = ENOSPC;
    return 0;
  }
  return real_fwrite(data, size, count, f);
}

int fputs(const char* text, FILE* f) {
  REAL(fputs);
  if (is_failing(fileno(f)) && *text) {
    errno = ENOSPC;
    return EOF;
  }
  return real_fputs(text, f);
}
