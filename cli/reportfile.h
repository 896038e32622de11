#pragma once

#include <QFile>
#include <QString>

struct JobOutcome;
struct RunSnapshot;

// --report FILE: one JSON line per picture, appended as soon as its outcome is known, so that a
// killed run leaves the lines of what it wrote. Written in place, never through a temporary file:
// a FIFO or /dev/stdout works. Every write is checked; the first failure is kept for the end.
class ReportFile
{
public:
    // Why path must not become the report of run (it is a picture of the run, one of its outputs
    // or another picture), or empty.
    static QString refusal(const QString &path, const RunSnapshot &run);

    bool open(const QString &path);
    // index is the picture's position in the list.
    void add(const RunSnapshot &run, int index, const JobOutcome &outcome);
    // The first failed write, or empty.
    QString error() const { return m_error; }

private:
    QFile m_file;
    QString m_error;
};
