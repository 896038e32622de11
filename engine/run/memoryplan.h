#pragma once

#include <QString>

#include <optional>

struct RunSnapshot;

// How many pictures a run may have in memory at once: each picture's working set on its path
// through the run, against the memory the process may use (the machine's, or its cgroup's when
// that is smaller, as in a container).
namespace MemoryPlan {

// The bytes the picture source of run takes at its peak, from its header alone: the decoded
// picture with the decoder's own planes (HEIF), the keep-JPEG mode's coefficients and source
// bytes, the output picture and its encoder's buffers for the output's format.
qint64 workingSet(const RunSnapshot &run, int index);

// The smallest memory limit on the path of the process's cgroup up to the root: cgroup v2's
// memory.max and memory.high, or v1's memory.limit_in_bytes. cgroupFile is /proc/self/cgroup and
// root the cgroup mount, /sys/fs/cgroup (tests point both at temporary files). None without a
// limit.
std::optional<qint64> cgroupLimit(const QString &cgroupFile = QStringLiteral("/proc/self/cgroup"),
                                  const QString &root = QStringLiteral("/sys/fs/cgroup"));

// The memory the process may use: the machine's, or its cgroup's limit when smaller.
qint64 usableMemory();

// Workers for pictures whose largest working set is largest, within a quarter of memory, at most
// one a core and one a picture, at least one.
int workers(qint64 largest, qint64 memory, int cores, int pictures);

} // namespace MemoryPlan
