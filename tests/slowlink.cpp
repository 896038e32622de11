// Preloaded into quorlane-batch by tst_cli: every link and rename that publishes a picture waits
// 20 ms first, so that processes writing the same names really meet between check and publish.
#include <dlfcn.h>
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

} // namespace

extern "C" int linkat(int fromDir, const char *from, int toDir, const char *to, int flags)
{
    pause();
    using Linkat = int (*)(int, const char *, int, const char *, int);
    static const Linkat next = real<Linkat>("linkat");
    return next(fromDir, from, toDir, to, flags);
}

extern "C" int renameat2(int fromDir, const char *from, int toDir, const char *to, unsigned flags)
{
    pause();
    using Renameat2 = int (*)(int, const char *, int, const char *, unsigned);
    static const Renameat2 next = real<Renameat2>("renameat2");
    return next(fromDir, from, toDir, to, flags);
}
