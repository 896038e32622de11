#pragma once

#include <QString>

#include <optional>

struct JobOutcome;
struct RunSnapshot;

// --report FILE: one JSON line per picture, appended as soon as its outcome is known, so that a
// killed run leaves the lines of what it wrote. Written in place, never through a temporary file:
// a FIFO or /dev/stdout works. Opened to append, each line in one write, so that several processes
// may share the file. Every write is checked; the first failure is kept for the end.
class ReportFile
{
public:
    // Why path must not become the report of run (it is a picture of the run, one of its outputs,
    // any picture the program reads, or a file whose first line is no report line), or empty.
    static QString refusal(const QString &path, const RunSnapshot &run);

    ReportFile() = default;
    ReportFile(const ReportFile &) = delete;
    ReportFile &operator=(const ReportFile &) = delete;
    ~ReportFile();

    bool open(const QString &path);
    // index is the picture's position in the list.
    void add(const RunSnapshot &run, int index, const JobOutcome &outcome);
    // The first failed write, or empty.
    QString error() const { return m_error; }

private:
    int m_fd = -1;
    QString m_error;
};

// Opens --report path for run as quorlane-batch does: its message said, the exit status when it is
// refused (2) or cannot be opened (1); none when path is empty or report is open.
std::optional<int> openReport(const QString &path,
                              const RunSnapshot &run,
                              std::optional<ReportFile> &report);
