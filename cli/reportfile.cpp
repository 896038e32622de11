#include "reportfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QJsonDocument>
#include <QJsonObject>

#include "engine/output/fileidentity.h"
#include "engine/run/runsummary.h"
#include "engine/run/watermarkjob.h"

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ReportFile)
};

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
    if (QFileInfo(path).isFile() && !QImageReader::imageFormat(path).isEmpty())
        return Text::tr("it is a picture");
    return QString();
}

bool ReportFile::open(const QString &path)
{
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly)) {
        m_error = m_file.errorString();
        return false;
    }
    return true;
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
    const QByteArray text = QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n';
    if (m_file.write(text) != text.size() || !m_file.flush() ||
        m_file.error() != QFileDevice::NoError)
        m_error = m_file.errorString();
}
