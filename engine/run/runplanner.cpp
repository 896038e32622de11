#include "runplanner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "logoreader.h"
#include "nametemplate.h"
#include "outputnames.h"
#include "picturemetadata.h"
#include "picturereader.h"
#include "watermarkeffects.h"

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(RunPlanner)
};

bool makeFolder(const QString &path, FolderRule rule)
{
    const QFileInfo info(path);
    if (rule == FolderRule::WithParents)
        return QDir().mkpath(path) && QFileInfo(path).isDir();
    // Never the parents: a vanished folder must not make the program write elsewhere.
    if (!info.exists() && info.dir().exists())
        info.dir().mkdir(info.fileName());
    return true;
}

// The base names the request's template gives, in list order; empty for the default names.
QStringList templateNames(const RunRequest &request)
{
    const NameTemplate name(request.policy.nameTemplate);
    if (name.isDefault())
        return {};
    if (name.needsMetadata())
        PictureMetadata::initialize();
    QStringList bases;
    for (int i = 0; i < request.sources.size(); ++i) {
        const QString &source = request.sources.at(i);
        NameValues values;
        values.fields.fileName = QFileInfo(source).fileName();
        if (name.needsMetadata())
            values.fields =
              FieldValues::of(QFileInfo(source).fileName(), QSize(), PictureMetadata::read(source));
        if (name.needsSize())
            values.fields.size = PictureReader::declaredSize(source);
        values.counter = i + 1;
        values.preset = request.presetName;
        bases << name.baseName(values);
    }
    return bases;
}

} // namespace

bool planReadsPictures(const RunRequest &request)
{
    const NameTemplate name(request.policy.nameTemplate);
    return name.needsMetadata() || name.needsSize();
}

QString RunPlan::message(const RunRequest &request) const
{
    switch (failure) {
        case Failure::Logo:
            return Text::tr("cannot read the logo '%1': %2")
              .arg(QDir::toNativeSeparators(request.style.effects.logoPath), reason);
        case Failure::OutputFolder:
            return Text::tr("cannot make the output folder '%1'")
              .arg(QDir::toNativeSeparators(request.outputDir));
        case Failure::OutputSize:
            return reason;
        case Failure::None:
            break;
    }
    return QString();
}

RunPlan planRun(const RunRequest &request)
{
    RunPlan plan;
    RunSnapshot &run = plan.run;
    run.text = request.text;
    run.position = request.position;
    run.style = request.style;
    run.outputSize = request.outputSize;
    run.policy = request.policy;
    run.sources = request.sources;
    run.sourceFiles = identitiesOf(run.sources);

    WatermarkEffects &effects = run.style.effects;
    effects.logo = QImage();
    if (!effects.logoPath.isEmpty()) {
        // Read once for the whole run; never a silent run without it.
        effects.logo = readLogo(effects.logoPath, &plan.reason);
        if (effects.logo.isNull()) {
            plan.failure = RunPlan::Failure::Logo;
            return plan;
        }
    }
    // A size no picture of the format can have is refused before anything is made.
    plan.reason = outputSizeProblem(request.format.toLatin1(), request.outputSize.box);
    if (!plan.reason.isEmpty()) {
        plan.failure = RunPlan::Failure::OutputSize;
        return plan;
    }
    if (!makeFolder(request.outputDir, request.folderRule)) {
        plan.failure = RunPlan::Failure::OutputFolder;
        return plan;
    }
    run.outputDir = QDir(request.outputDir).absolutePath();
    const OutputPaths paths = assignOutputPaths(run.sources,
                                                run.outputDir,
                                                request.format,
                                                request.policy.existingFiles,
                                                templateNames(request),
                                                fileNameCase(run.outputDir));
    run.outputs = paths.paths;
    run.skipped = paths.skipped;
    return plan;
}
