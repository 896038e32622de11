#include "dialog.h"
#include "ui_dialog.h"

#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QLoggingCategory>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QStyleFactory>
#include <QUrl>
#include <QtConcurrent>

#include <array>

#include "advanced.h"
#include "app/configfile.h"
#include "app/constants.h"
#include "app/settingsfile.h"
#include "app/watermarksettings.h"
#include "customsize.h"
#include "engine/outputnames.h"
#include "engine/picturefolder.h"
#include "engine/picturereader.h"
#include "engine/positions.h"
#include "engine/runsummary.h"
#include "outputoptions.h"
#include "uiservices.h"
#include "version.h"

Q_LOGGING_CATEGORY(lcUi, "quorlane.ui", QtWarningMsg)

namespace {

constexpr int editDelayMs = 1500;
constexpr int maxSummaryLines = 20;
const QString outputSubfolder = QStringLiteral("Qrl_Output#");

QString samplePath()
{
    return WatermarkSettings::instance().cacheDirPath + QStringLiteral("/preview.jpeg");
}

// A missing output folder is made again in place: one level, only inside an existing parent.
void recreateOutputFolder(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && info.dir().exists())
        info.dir().mkdir(info.fileName());
}

} // namespace

Dialog::Dialog(QWidget *parent, Qt::WindowFlags flags)
  : QDialog(parent, flags)
  , ui(new Ui::Dialog)
{
    WatermarkSettings &s = WatermarkSettings::instance();
    ui->setupUi(this);
    connect(ui->AddFileBtn, &QPushButton::clicked, this, &Dialog::addfiles);
    connect(ui->RemoveFileBtn, &QPushButton::clicked, this, &Dialog::RemoveFiles);
    connect(ui->Run, &QPushButton::clicked, this, &Dialog::Run);
    connect(ui->radioButton, &QRadioButton::clicked, this, &Dialog::pos00);
    connect(ui->radioButton_4, &QRadioButton::clicked, this, &Dialog::pos01);
    connect(ui->radioButton_10, &QRadioButton::clicked, this, &Dialog::pos02);
    connect(ui->radioButton_5, &QRadioButton::clicked, this, &Dialog::pos11);
    connect(ui->radioButton_7, &QRadioButton::clicked, this, &Dialog::pos12);
    connect(ui->radioButton_2, &QRadioButton::clicked, this, &Dialog::pos20);
    connect(ui->radioButton_6, &QRadioButton::clicked, this, &Dialog::pos21);
    connect(ui->radioButton_8, &QRadioButton::clicked, this, &Dialog::pos22);
    connect(ui->radioButton_3, &QRadioButton::clicked, this, &Dialog::pos10);
    connect(&m_runner, &BatchRunner::progress, this, &Dialog::newProgress);
    connect(&m_runner, &BatchRunner::finished, this, &Dialog::runEnded);
    connect(&m_preview, &PreviewRenderer::ready, this, &Dialog::showPreview);
    connect(&m_walk, &QFutureWatcher<QStringList>::finished, this, &Dialog::foldersWalked);
    ui->markTextBox->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui->markTextBox, &QWidget::customContextMenuRequested, this, &Dialog::showTextMenu);

    makeSample();
    previewScene = new QGraphicsScene;
    previewScene->addPixmap(QPixmap(samplePath()));
    ui->graphicsView->setScene(previewScene);

    ui->radioButton_5->setChecked(true);
    pos11();
    setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
    ui->progressBar->setValue(0);
    QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")); // owned by the dialog
    fusion->setParent(this);
    ui->progressBar->setStyle(fusion);
    ui->markTextBox->insertPlainText(QLatin1String(defaultWatermarkText));
    ui->useCopyright->setChecked(true);
    setWindowFlags(Qt::CustomizeWindowHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    for (const OutputSizeChoice &choice : outputSizes)
        ui->comboBox->addItem(QString::fromLatin1(choice.text));
    for (const char *format : outputFormats)
        ui->comboFormats->addItem(QString::fromLatin1(format));
    ui->RemoveFileBtn->hide();
    ui->StopBtn->hide();
    // Every row is one line of text: the list need not measure each of thousands of rows.
    ui->listWidget->setUniformItemSizes(true);
    setAcceptDrops(true);

    loadSettings();
    m_outputPolicy = ConfigFile::loadOutputPolicy();
    s.effects = ConfigFile::loadWatermarkEffects();
    if (!s.effects.logoPath.isEmpty()) {
        QString error; // an unreadable logo is reported when a run starts
        s.effects.logo = readLogo(s.effects.logoPath, &error);
    }
    if (s.settingsLoaded)
        restoreSavedSettings();
    ui->outPathDisplay->setText(s.outputDirPath);
    refreshPreview();
    ui->Run->setDefault(true);
    connect(&editTimer, &QTimer::timeout, this, &Dialog::EditingDone);
    connect(this, &Dialog::newProgress, this, &Dialog::UpdateProgress);
    setWindowTitle(windowTitle() + QStringLiteral(" v") + QLatin1String(appVersion));
}

Dialog::~Dialog()
{
    // The runner, destroyed after this body, stops and waits for its workers; they never touch
    // a widget.
    delete previewScene;
    delete ui;
}

// The sample shown when no file is selected: the bundled picture stretched to the preview box.
void Dialog::makeSample()
{
    QString source = WatermarkSettings::instance().appDirPath + QStringLiteral("/test.jpg");
    if (!QFileInfo::exists(source))
        source = QStringLiteral(":/test.jpg");
    sampleImage = PictureReader::readScaled(source, previewSize).image;
    if (!sampleImage.isNull() && !sampleImage.save(samplePath()))
        qCWarning(lcUi) << "cannot write the preview sample" << samplePath();
}

void Dialog::loadSettings()
{
    const WatermarkSettings &s = WatermarkSettings::instance();
    SettingsFile::load(s.settingsDirPath + QLatin1Char('/') + QLatin1String(SettingsFile::fileName),
                       WatermarkSettings::instance());
}

void Dialog::restoreSavedSettings()
{
    WatermarkSettings &s = WatermarkSettings::instance();
    ui->markTextBox->clear();
    ui->markTextBox->insertPlainText(s.savedText);
    s.alpha = s.savedAlpha;
    if (QAbstractButton *button = positionButton(s.savedPosition)) {
        setPosition(s.savedPosition);
        button->setChecked(true);
    }
    s.applySaved();
    ui->useCopyright->setChecked(s.savedUseCopyright);
}

WatermarkText Dialog::watermarkText() const
{
    return WatermarkText(ui->markTextBox->toPlainText(), ui->useCopyright->isChecked());
}

QAbstractButton *Dialog::positionButton(int code) const
{
    const std::array<QAbstractButton *, 9> buttons = { ui->radioButton,    ui->radioButton_4,
                                                       ui->radioButton_10, ui->radioButton_3,
                                                       ui->radioButton_5,  ui->radioButton_7,
                                                       ui->radioButton_2,  ui->radioButton_6,
                                                       ui->radioButton_8 };
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (Position::all[i] == code)
            return buttons[i];
    }
    return nullptr;
}

void Dialog::refreshPreview()
{
    WatermarkSettings &s = WatermarkSettings::instance();
    const QList<QListWidgetItem *> selected = ui->listWidget->selectedItems();
    s.previewSourcePath = selected.isEmpty() ? samplePath() : selected.first()->text();
    s.previewIsSample = selected.isEmpty();
    m_preview.request(previewRequest());
}

PreviewRequest Dialog::previewRequest() const
{
    const WatermarkSettings &s = WatermarkSettings::instance();
    PreviewRequest request;
    request.path = s.previewSourcePath;
    request.isSample = s.previewIsSample;
    request.text = watermarkText();
    request.position = m_watermarkPos;
    request.style = s.style();
    request.viewSize = previewSize;
    return request;
}

void Dialog::showPreview(const PreviewResult &result)
{
    if (!result.ok)
        return; // the view keeps what it showed
    WatermarkSettings &s = WatermarkSettings::instance();
    if (result.request.style.useDefaults) {
        // The automatic choices are stored, so the advanced dialog and the settings file see them.
        s.watermarkFont = result.drawn.font;
        s.fontColor = result.drawn.pen;
        s.fontColor.setAlpha(255);
        s.alpha = WatermarkStyle::automaticAlpha;
    } else {
        s.fontColor = result.drawn.pen;
    }
    previewScene->clear();
    previewScene->addPixmap(QPixmap::fromImage(result.shown));
    ui->graphicsView->update();
    emit previewRefreshed();
}

QMenu *Dialog::createTextMenu()
{
    QMenu *menu = ui->markTextBox->createStandardContextMenu();
    QMenu *fields = menu->addMenu(tr("Insert Field"));
    for (const FieldName &field : fieldNames) {
        const QString name = QLatin1Char('{') + QLatin1String(field.name) + QLatin1Char('}');
        connect(fields->addAction(tr("%1\t%2").arg(name, QLatin1String(field.example))),
                &QAction::triggered,
                this,
                [this, name] { ui->markTextBox->insertPlainText(name); });
    }
    return menu;
}

void Dialog::showTextMenu(const QPoint &position)
{
    QMenu *menu = createTextMenu();
    menu->exec(ui->markTextBox->mapToGlobal(position));
    delete menu;
}

void Dialog::reject()
{
    // During a run Escape stops it instead of closing the window; the close button does both.
    if (m_runner.isRunning() && !m_closing) {
        on_StopBtn_clicked();
        return;
    }
    QDialog::reject();
}

void Dialog::closeEvent(QCloseEvent *event)
{
    m_closing = true;
    m_preview.cancel(); // the settings keep what the preview last showed
    if (m_runner.isRunning()) {
        m_runner.stop();
        m_runner.waitForDone();
        // Deliver the results of the pictures that were in flight, so the settings see them.
        QCoreApplication::sendPostedEvents(&m_runner, QEvent::MetaCall);
    }
    WatermarkSettings &s = WatermarkSettings::instance();
    SettingsFile::Values values;
    values.text = ui->markTextBox->toPlainText();
    values.useCopyright = ui->useCopyright->isChecked();
    values.position = m_watermarkPos;
    values.alpha = s.alpha;
    values.useDefaults = s.useDefaults;
    values.fontColor = s.fontColor;
    values.autoColor = s.autoColor;
    values.autoFontSize = s.autoFontSize;
    values.font = s.watermarkFont;
    const QString path =
      s.settingsDirPath + QLatin1Char('/') + QLatin1String(SettingsFile::fileName);
    QString error;
    if (!SettingsFile::save(path, values, &error))
        qCWarning(lcUi) << "cannot write the settings" << path << error;
    QDialog::closeEvent(event);
    m_closing = false;
}

void Dialog::dragEnterEvent(QDragEnterEvent *event)
{
    event->acceptProposedAction();
}

void Dialog::dropEvent(QDropEvent *event)
{
    if (m_runner.isRunning())
        return;
    QStringList paths;
    bool hasFolder = false;
    const QList<QUrl> urls = event->mimeData()->urls();
    for (const QUrl &url : urls) {
        paths << url.toLocalFile();
        hasFolder = hasFolder || QFileInfo(paths.constLast()).isDir();
    }
    if (hasFolder) {
        walkFolders(paths); // off the GUI thread: a folder may hold thousands of files
    } else {
        addPictures(PictureFolder::picturesIn(paths));
        ui->listWidget->setCurrentRow(0);
        refreshPreview();
    }
    // The event is left unaccepted: no drop action is reported back to the source.
}

void Dialog::addPictures(const QStringList &paths)
{
    ui->listWidget->addItems(paths); // one insertion: a folder may bring thousands
    if (!paths.isEmpty())
        ui->RemoveFileBtn->show();
}

void Dialog::walkFolders(const QStringList &paths)
{
    ui->Run->setEnabled(false);
    if (m_walking) {
        m_waitingWalks << paths; // walked in turn, so rows keep the order of the drops
        return;
    }
    m_walking = true;
    m_walk.setFuture(QtConcurrent::run(PictureFolder::picturesIn, paths));
}

void Dialog::foldersWalked()
{
    addPictures(m_walk.result());
    if (!m_waitingWalks.isEmpty()) {
        m_walk.setFuture(QtConcurrent::run(PictureFolder::picturesIn, m_waitingWalks.takeFirst()));
        return;
    }
    m_walking = false;
    ui->listWidget->setCurrentRow(0);
    ui->Run->setEnabled(!m_runner.isRunning());
    refreshPreview();
}

void Dialog::on_AddFolderBtn_clicked()
{
    ui->progressBar->setValue(0);
    const QString folder = UiServices::current().getExistingDirectory(
      this, tr("Add Folder"), QDir::homePath(), QFileDialog::ShowDirsOnly);
    if (!folder.isEmpty())
        walkFolders({ folder });
}

void Dialog::on_StopBtn_clicked()
{
    m_runner.stop();
    ui->StopBtn->setEnabled(false);
}

void Dialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void Dialog::on_markTextBox_textChanged()
{
    editTimer.stop();
    editTimer.start(editDelayMs);
}

void Dialog::EditingDone()
{
    refreshPreview();
    editTimer.stop();
}

void Dialog::on_useCopyright_clicked()
{
    refreshPreview();
}

void Dialog::setPosition(int code)
{
    ui->progressBar->setValue(0);
    m_watermarkPos = code;
    refreshPreview();
}

void Dialog::pos00()
{
    setPosition(Position::TopLeft);
}
void Dialog::pos01()
{
    setPosition(Position::TopCenter);
}
void Dialog::pos02()
{
    setPosition(Position::TopRight);
}
void Dialog::pos10()
{
    setPosition(Position::CenterLeft);
}
void Dialog::pos11()
{
    setPosition(Position::Center);
}
void Dialog::pos12()
{
    setPosition(Position::CenterRight);
}
void Dialog::pos20()
{
    setPosition(Position::BottomLeft);
}
void Dialog::pos21()
{
    setPosition(Position::BottomCenter);
}
void Dialog::pos22()
{
    setPosition(Position::BottomRight);
}

void Dialog::addfiles()
{
    ui->progressBar->setValue(0);
    const QStringList files = UiServices::current().getOpenFileNames(
      this,
      QStringLiteral("Select Files for Watermarking"),
      QDir::homePath(),
      tr("Images (*.jpeg *.jpg *.tiff *.tif *.bmp *.png *.xpm)"));
    for (const QString &file : files)
        ui->listWidget->insertItem(ui->listWidget->count(), file);
    ui->RemoveFileBtn->show();
    ui->listWidget->setCurrentRow(0);
    refreshPreview();
}

void Dialog::RemoveFiles()
{
    ui->progressBar->setValue(0);
    qDeleteAll(ui->listWidget->selectedItems());
    ui->listWidget->setCurrentRow(0);
    refreshPreview();
}

void Dialog::on_listWidget_clicked(const QModelIndex &index)
{
    ui->listWidget->clearSelection();
    ui->listWidget->setCurrentRow(index.row());
    refreshPreview();
}

void Dialog::on_Help_clicked()
{
    const QString appDir = WatermarkSettings::instance().appDirPath;
    const QStringList candidates = { appDir + QStringLiteral("/../share/quorlane/help.html"),
                                     appDir + QStringLiteral("/help.html") };
    for (const QString &page : candidates) {
        if (QFileInfo::exists(page)) {
            UiServices::current().openUrl(QUrl::fromLocalFile(QFileInfo(page).absoluteFilePath()));
            return;
        }
    }
}

void Dialog::on_ChooseOutDir_clicked()
{
    WatermarkSettings &s = WatermarkSettings::instance();
    const QString chosen = UiServices::current().getExistingDirectory(
      this,
      tr("Select Output Directory"),
      s.outputDirPath,
      QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (chosen.isEmpty())
        return;
    QDir dir(chosen);
    // Only a run that replaces files needs the warning.
    if (!dir.mkdir(outputSubfolder) && m_outputPolicy.existingFiles == ExistingFiles::Replace) {
        QMessageBox box;
        box.setText(QStringLiteral(
          "WARNING: The output directory already exists.\nYour files WILL be overwritten "
          "without further warning.\nPress OK to continue using the same directory.\nPress "
          "Cancel to abort and change the directory"));
        box.addButton(QMessageBox::Abort);
        box.setDefaultButton(QMessageBox::Abort);
        QPushButton *anyway =
          box.addButton(tr("Create Anyway, I know what I'm doing"), QMessageBox::ActionRole);
        UiServices::current().execMessageBox(box);
        if (box.clickedButton() != anyway)
            return; // Abort, Escape and the close button all keep the old folder
    }
    dir.cd(outputSubfolder); // stays on the chosen folder when the subfolder could not be made
    s.outputDirPath = dir.absolutePath();
    ui->outPathDisplay->setText(s.outputDirPath);
}

void Dialog::on_comboBox_currentIndexChanged(int index)
{
    if (index != customSizeIndex)
        return;
    CustomSize dialog;
    if (dialog.exec() == QDialog::Rejected)
        ui->comboBox->setCurrentIndex(originalSizeIndex);
}

void Dialog::on_AdvancedSettings_clicked()
{
    WatermarkSettings &s = WatermarkSettings::instance();
    s.previewAlignment = m_watermarkPos;
    s.previewText = watermarkText();
    {
        Advanced dialog;
        dialog.exec();
    }
    refreshPreview();
}

void Dialog::on_OptionsBtn_clicked()
{
    WatermarkSettings &s = WatermarkSettings::instance();
    OutputOptions dialog(m_outputPolicy, s.effects, previewRequest(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_outputPolicy = dialog.policy();
    s.effects = dialog.effects();
    ConfigFile::saveOutputPolicy(m_outputPolicy);
    ConfigFile::saveWatermarkEffects(s.effects);
    refreshPreview();
}

void Dialog::Run()
{
    emit newProgress(1);
    ui->Run->setEnabled(false);
    ui->listWidget->selectAll();
    const WatermarkText text = watermarkText();
    const int total = ui->listWidget->count();
    if (total == 0) {
        addfiles();
        ui->Run->setEnabled(true);
        return;
    }

    WatermarkSettings &s = WatermarkSettings::instance();
    const QString outputDir = s.outputDirPath;
    recreateOutputFolder(outputDir);
    const QString format = QString::fromLatin1(outputFormats.at(ui->comboFormats->currentIndex()));

    // Everything the run needs is taken now; the window is locked until it ends.
    RunSnapshot run;
    run.text = text;
    run.position = m_watermarkPos;
    run.style = s.style();
    if (!s.effects.logoPath.isEmpty()) {
        // Read once for the whole run; never a silent run without it.
        QString error;
        run.style.effects.logo = readLogo(s.effects.logoPath, &error);
        if (run.style.effects.logo.isNull()) {
            QMessageBox box(QMessageBox::Warning,
                            QStringLiteral("Quorlane"),
                            tr("The logo %1 cannot be read (%2). Choose another one in "
                               "\"Options...\" or remove it.")
                              .arg(QDir::toNativeSeparators(s.effects.logoPath), error));
            UiServices::current().execMessageBox(box);
            ui->Run->setEnabled(true);
            return;
        }
    }
    const int sizeIndex = ui->comboBox->currentIndex();
    if (sizeIndex == customSizeIndex)
        run.outputSize = QSize(s.customWidth, s.customHeight);
    else if (sizeIndex != originalSizeIndex)
        run.outputSize = outputSizes.at(sizeIndex).size;
    for (int row = 0; row < total; ++row)
        run.sources << ui->listWidget->item(row)->text();
    run.policy = m_outputPolicy;
    run.outputDir = outputDir;
    const OutputPaths paths =
      assignOutputPaths(run.sources, outputDir, format, m_outputPolicy.existingFiles);
    run.outputs = paths.paths;
    run.skipped = paths.skipped;
    m_lastRun = run;

    m_preview.clearCache(); // the run's memory bound has no room for it
    setRunLocked(true);
    m_runner.start(run);
}

void Dialog::setRunLocked(bool locked)
{
    const QList<QWidget *> controls = { ui->Run,          ui->AddFileBtn,       ui->RemoveFileBtn,
                                        ui->AddFolderBtn, ui->listWidget,       ui->markTextBox,
                                        ui->useCopyright, ui->comboBox,         ui->comboFormats,
                                        ui->ChooseOutDir, ui->AdvancedSettings, ui->OptionsBtn };
    for (QWidget *control : controls)
        control->setEnabled(!locked);
    // Beside Run, never on it: a double click on Run cannot stop the run it started.
    ui->StopBtn->setVisible(locked);
    ui->StopBtn->setEnabled(locked);
    for (int code : Position::all)
        positionButton(code)->setEnabled(!locked);
    setAcceptDrops(!locked);
}

void Dialog::runEnded(const BatchReport &report)
{
    WatermarkSettings &s = WatermarkSettings::instance();
    // In manual mode the last readable picture leaves its colour, with alpha, in the settings.
    const QColor pen = report.lastPen();
    if (!m_lastRun.style.useDefaults && pen.isValid())
        s.fontColor = pen;

    if (!m_closing) {
        showRunSummary(report);
        openInDesktop(m_lastRun.outputDir);
        if (!report.lastWritten.isEmpty())
            openInDesktop(report.lastWritten);
    }
    ui->listWidget->setCurrentRow(0);
    setRunLocked(false);
    emit runFinished();
}

void Dialog::showRunSummary(const BatchReport &report)
{
    const RunSummary summary = summarizeRun(report, m_lastRun.sources, maxSummaryLines);
    if (summary.isEmpty())
        return;
    QStringList blocks;
    for (const QStringList &block : summary.blocks)
        blocks << block.join(QLatin1Char('\n'));
    QMessageBox box(summary.isWarning ? QMessageBox::Warning : QMessageBox::Information,
                    QStringLiteral("Quorlane"),
                    blocks.join(QStringLiteral("\n\n")));
    UiServices::current().execMessageBox(box);
}

void Dialog::openInDesktop(const QString &path)
{
    UiServices::current().openUrl(QUrl::fromLocalFile(path));
}

void Dialog::UpdateProgress(int value)
{
    ui->progressBar->setValue(value);
    ui->progressBar->repaint();
}
