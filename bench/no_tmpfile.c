// Preloaded to make a file system look as if it had no unnamed files (O_TMPFILE fails with
// EOPNOTSUPP, as on file systems without them), so that the short-hidden-name fallback can be
// measured anywhere: cc -shared -fPIC -o no_tmpfile.so no_tmpfile.c -ldl
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdarg.h>

static int refuseOrOpen(const char* symbol, const char* path, int flags, va_list rest) {
    if ((flags & O_TMPFILE) == O_TMPFILE) {
        errno = EOPNOTSUPP;
        return -1;
    }
    int (*real)(const char*, int, ...) = (int (*)(const char*, int, ...))dlsym(RTLD_NEXT, symbol);
    return real(path, flags, va_arg(rest, int));
}

int open(const char* path, int flags, ...) {
    va_list rest;
    va_start(rest, flags);
    const int fd = refuseOrOpen("open", path, flags, rest);
    va_end(rest);
    return fd;
}

int open64(const char* path, int flags, ...) {
    va_list rest;
    va_start(rest, flags);
    const int fd = refuseOrOpen("open64", path, flags, rest);
    va_end(rest);
    return fd;
}
