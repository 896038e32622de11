#include "runplanner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "outputnames.h"
#include "watermarkeffects.h"

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("RunPlanner", text);
}

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

} // namespace

QString RunPlan::message(const RunRequest &request) const
{
    switch (failure) {
        case Failure::Logo:
            return tr("cannot read the logo '%1': %2")
              .arg(QDir::toNativeSeparators(request.style.effects.logoPath), reason);
        case Failure::OutputFolder:
            return tr("cannot make the output folder '%1'")
              .arg(QDir::toNativeSeparators(request.outputDir));
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
    if (!makeFolder(request.outputDir, request.folderRule)) {
        plan.failure = RunPlan::Failure::OutputFolder;
        return plan;
    }
    run.outputDir = QDir(request.outputDir).absolutePath();
    const OutputPaths paths =
      assignOutputPaths(run.sources, run.outputDir, request.format, request.policy.existingFiles);
    run.outputs = paths.paths;
    run.skipped = paths.skipped;
    return plan;
}
