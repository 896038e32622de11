#include "reportfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "engine/imageio/picturereader.h"
#include "engine/output/fileidentity.h"
#include "engine/output/outputfile.h"
#include "engine/run/runsummary.h"
#include "engine/run/watermarkjob.h"
#include "messages.h"

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ReportFile)
};

// Whether the first line of the file at path is a report line: a JSON object with index, source
// and status. Lines are short; a first line longer than any report's is no report line.
bool startsWithReportLine(const QString &path)
{
    constexpr qint64 maxLine = 1 << 20;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray first = file.readLine(maxLine);
    if (!first.endsWith('\n'))
        return false;
    const QJsonObject line = QJsonDocument::fromJson(first).object();
    return line.value(QLatin1String("index")).isDouble() &&
           line.value(QLatin1String("source")).isString() &&
           line.value(QLatin1String("status")).isString();
}

QJsonValue orNull(const QString &text)
{
    return text.isEmpty() ? QJsonValue() : QJsonValue(text);
}

} // namespace

QString ReportFile::refusal(const QString &path, const RunSnapshot &run)
{
    const std::optional<FileIdentity> id = identityOf(path, true);
    if (id && run.sourceFiles.contains(*id))
        return Text::tr("it is a picture of this run");
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (run.outputs.contains(absolute))
        return Text::tr("it is an output of this run");
    // Only a regular file is looked into: a FIFO or a device is written, never read.
    if (!QFileInfo(path).isFile() || QFileInfo(path).size() == 0)
        return QString();
    if (PictureReader::isPicture(path))
        return Text::tr("it is a picture");
    if (!startsWithReportLine(path))
        return Text::tr("it is a file, but not a report");
    return QString();
}

bool ReportFile::open(const QString &path)
{
    // Appended, never truncated: an earlier run's lines stay, and processes sharing the file add
    // whole lines (each goes out in one write).
    m_fd =
      ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
    if (m_fd < 0) {
        m_error = qt_error_string(errno);
        return false;
    }
    return true;
}

ReportFile::~ReportFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void ReportFile::add(const RunSnapshot &run, int index, const JobOutcome &outcome)
{
    if (!m_error.isEmpty())
        return; // the first failure is the one reported
    using Status = JobOutcome::Status;
    QJsonObject line;
    line.insert(QStringLiteral("index"), index + 1);
    line.insert(QStringLiteral("source"), run.sources.at(index));
    line.insert(QStringLiteral("output"),
                outcome.status == Status::Written   ? QJsonValue(outcome.output)
                : outcome.status == Status::Skipped ? QJsonValue(run.outputs.at(index))
                                                    : QJsonValue());
    line.insert(QStringLiteral("status"), outcomeName(outcome));
    line.insert(QStringLiteral("reason"),
                orNull(outcome.status != Status::Written ? outcome.reason
                       : outcome.incomplete.isEmpty()    ? outcome.metadataReason
                                                         : outcome.incomplete));
    // In the keep-JPEG mode a written JPEG says whether it kept its compression, and why not.
    const QString suffix = QFileInfo(outcome.output).suffix().toLower();
    if (run.policy.jpegMode == JpegMode::Keep && outcome.status == Status::Written &&
        (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))) {
        line.insert(QStringLiteral("jpeg"),
                    outcome.jpegKept ? QStringLiteral("kept") : QStringLiteral("encoded"));
        line.insert(QStringLiteral("jpegReason"), orNull(outcome.reencodedReason));
    }
    const QByteArray text = QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n';
    ssize_t written;
    do {
        written = ::write(m_fd, text.constData(), size_t(text.size()));
    } while (written < 0 && errno == EINTR);
    if (written < 0)
        m_error = qt_error_string(errno);
    else if (written != text.size())
        m_error = systemErrorText(ENOSPC); // a short write: the device is full
}

std::optional<int> openReport(const QString &path,
                              const RunSnapshot &run,
                              std::optional<ReportFile> &report)
{
    if (path.isEmpty())
        return std::nullopt;
    if (const QString refusal = ReportFile::refusal(path, run); !refusal.isEmpty()) {
        say(QCoreApplication::translate("BatchCommand", "refusing to write the report to '%1': %2")
              .arg(path, refusal));
        return 2;
    }
    report.emplace();
    if (!report->open(path)) {
        say(QCoreApplication::translate("BatchCommand", "cannot write the report '%1': %2")
              .arg(path, report->error()));
        report.reset();
        return 1;
    }
    return std::nullopt;
}
