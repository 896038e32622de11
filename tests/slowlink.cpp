// Preloaded into quorlane-batch by tst_cli: every link and rename that publishes a picture waits
// 20 ms first, so that processes writing the same names really meet between check and publish.
// With QUORLANE_FAKE_NFS set it also acts as NFS does: no unnamed files, no rename that refuses
// to replace, and a link that is made but answered with EEXIST (a retransmitted request).
#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/types.h>
#include <time.h>

namespace {

void pause()
{
    const timespec delay{ 0, 20 * 1000 * 1000 };
    nanosleep(&delay, nullptr);
}

template<typename Function>
Function real(const char *name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

bool fakeNfs()
{
    return std::getenv("QUORLANE_FAKE_NFS") != nullptr;
}

} // namespace

extern "C" int openat(int dir, const char *path, int flags, ...)
{
    mode_t mode = 0;
    if (flags & (O_CREAT | O_TMPFILE)) {
        va_list arguments;
        va_start(arguments, flags);
        mode = mode_t(va_arg(arguments, int));
        va_end(arguments);
    }
    if (fakeNfs() && (flags & O_TMPFILE) == O_TMPFILE) {
        errno = EOPNOTSUPP;
        return -1;
    }
    using Openat = int (*)(int, const char *, int, ...);
    static const Openat next = real<Openat>("openat");
    return next(dir, path, flags, mode);
}

extern "C" int linkat(int fromDir, const char *from, int toDir, const char *to, int flags)
{
    pause();
    using Linkat = int (*)(int, const char *, int, const char *, int);
    static const Linkat next = real<Linkat>("linkat");
    const int result = next(fromDir, from, toDir, to, flags);
    if (fakeNfs() && result == 0) {
        errno = EEXIST;
        return -1;
    }
    return result;
}

extern "C" int renameat2(int fromDir, const char *from, int toDir, const char *to, unsigned flags)
{
    pause();
    using Renameat2 = int (*)(int, const char *, int, const char *, unsigned);
    static const Renameat2 next = real<Renameat2>("renameat2");
    if (fakeNfs()) {
        errno = EINVAL;
        return -1;
    }
    return next(fromDir, from, toDir, to, flags);
}
