#include "dialog.h"
#include "ui_dialog.h"

#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QLoggingCategory>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QResizeEvent>
#include <QShortcut>
#include <QStyleFactory>
#include <QUrl>
#include <QtConcurrent>
#include <QtMath>

#include <array>

#include "advanced.h"
#include "customsize.h"
#include "engine/imageio/logoreader.h"
#include "engine/imageio/picturereader.h"
#include "engine/mark/positions.h"
#include "engine/run/picturefolder.h"
#include "engine/run/runplanner.h"
#include "engine/run/runsummary.h"
#include "fieldmenu.h"
#include "outputoptions.h"
#include "picturerowdelegate.h"
#include "presetchooser.h"
#include "settings/configfile.h"
#include "settings/constants.h"
#include "settings/settingsfile.h"
#include "settings/watermarksettings.h"
#include "thumbnailloader.h"
#include "uiservices.h"
#include "version.h"
#include "windowgrowth.h"

Q_LOGGING_CATEGORY(lcUi, "quorlane.ui", QtWarningMsg)

namespace {

// A task of the window's on the global pool, announced to the services first.
template<typename Task>
auto inBackground(Task task)
{
    return QtConcurrent::run([task] {
        UiServices::current().backgroundTaskStarts();
        return task();
    });
}

constexpr int editDelayMs = 1500;
// A preview for the new size once the window has stopped changing size.
constexpr int resizeDelayMs = 150;
constexpr int thumbnailSide = 24;
constexpr int maxSummaryLines = 20;
const QString outputSubfolder = QStringLiteral("Qrl_Output#");

} // namespace

// The nine position buttons, their codes and their slots, in the grid's order.
const std::array<Dialog::PositionButton, 9> Dialog::positionButtons = { {
  { &Ui::Dialog::radioButton, Position::TopLeft, &Dialog::pos00 },
  { &Ui::Dialog::radioButton_4, Position::TopCenter, &Dialog::pos01 },
  { &Ui::Dialog::radioButton_10, Position::TopRight, &Dialog::pos02 },
  { &Ui::Dialog::radioButton_3, Position::CenterLeft, &Dialog::pos10 },
  { &Ui::Dialog::radioButton_5, Position::Center, &Dialog::pos11 },
  { &Ui::Dialog::radioButton_7, Position::CenterRight, &Dialog::pos12 },
  { &Ui::Dialog::radioButton_2, Position::BottomLeft, &Dialog::pos20 },
  { &Ui::Dialog::radioButton_6, Position::BottomCenter, &Dialog::pos21 },
  { &Ui::Dialog::radioButton_8, Position::BottomRight, &Dialog::pos22 },
} };

Dialog::Dialog(QWidget *parent, Qt::WindowFlags flags)
  : QDialog(parent, flags)
  , m_ui(new Ui::Dialog)
  , m_settings(WatermarkSettings::instance())
{
    WatermarkSettings &s = m_settings;
    m_ui->setupUi(this);
    m_formPreviewSize = m_ui->graphicsView->size();
    m_growth = std::make_unique<WindowGrowth>(size(), growthRules());
    setMinimumSize(size());
    connect(m_ui->AddFileBtn, &QPushButton::clicked, this, &Dialog::addfiles);
    connect(m_ui->RemoveFileBtn, &QPushButton::clicked, this, &Dialog::RemoveFiles);
    connect(m_ui->Run, &QPushButton::clicked, this, &Dialog::Run);
    for (const PositionButton &entry : positionButtons)
        connect(m_ui->*entry.button, &QRadioButton::clicked, this, entry.slot);
    connect(&m_runner, &BatchRunner::progress, this, &Dialog::newProgress);
    connect(&m_runner, &BatchRunner::finished, this, &Dialog::runEnded);
    connect(&m_preview, &PreviewRenderer::ready, this, &Dialog::showPreview);
    connect(&m_walk, &QFutureWatcher<QStringList>::finished, this, &Dialog::foldersWalked);
    m_ui->markTextBox->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_ui->markTextBox, &QWidget::customContextMenuRequested, this, &Dialog::showTextMenu);

    makeSample();
    m_previewScene = new QGraphicsScene;
    m_previewScene->addPixmap(QPixmap(samplePath()));
    m_ui->graphicsView->setScene(m_previewScene);

    m_ui->radioButton_5->setChecked(true);
    pos11();
    setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
    m_ui->progressBar->setValue(0);
    QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")); // owned by the dialog
    fusion->setParent(this);
    m_ui->progressBar->setStyle(fusion);
    m_ui->markTextBox->insertPlainText(QLatin1String(defaultWatermarkText));
    m_ui->useCopyright->setChecked(true);
    setWindowFlags(Qt::CustomizeWindowHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    for (const OutputSizeChoice &choice : outputSizes)
        m_ui->comboBox->addItem(tr(choice.text));
    for (const char *format : outputFormats)
        m_ui->comboFormats->addItem(tr(format));
    m_ui->RemoveFileBtn->hide();
    m_ui->StopBtn->hide();
    // Every row is a thumbnail and one line of text: the list need not measure each of
    // thousands of rows.
    m_ui->listWidget->setUniformItemSizes(true);
    m_ui->listWidget->setIconSize(QSize(thumbnailSide, thumbnailSide));
    m_thumbnails = new ThumbnailLoader(qCeil(thumbnailSide * devicePixelRatioF()), this);
    m_ui->listWidget->setItemDelegate(new PictureRowDelegate(m_thumbnails, m_ui->listWidget));
    connect(m_thumbnails,
            &ThumbnailLoader::made,
            m_ui->listWidget->viewport(),
            qOverload<>(&QWidget::update));
    QAbstractItemModel *rows = m_ui->listWidget->model();
    connect(rows, &QAbstractItemModel::rowsInserted, this, &Dialog::showFileCount);
    connect(rows, &QAbstractItemModel::rowsRemoved, this, &Dialog::showFileCount);
    connect(rows, &QAbstractItemModel::modelReset, this, &Dialog::showFileCount);
    connect(&m_runner, &BatchRunner::pictureFinished, this, &Dialog::showRunCount);
    // Delete removes the selected rows and Ctrl+O adds files, as their buttons do: not while the
    // buttons are locked.
    new QShortcut(
      QKeySequence::Delete,
      m_ui->listWidget,
      this,
      [this] {
          if (m_ui->RemoveFileBtn->isEnabled())
              RemoveFiles();
      },
      Qt::WidgetWithChildrenShortcut);
    new QShortcut(QKeySequence::Open, this, this, [this] {
        if (m_ui->AddFileBtn->isEnabled())
            addfiles();
    });
    // Tab leaves the text box, as it leaves every other control: a mark has no use for a tab.
    m_ui->markTextBox->setTabChangesFocus(true);
    setReadingOrder();
    m_resizeTimer.setSingleShot(true);
    connect(&m_resizeTimer, &QTimer::timeout, this, [this] {
        if (!m_runner.isRunning() && previewViewSize() != m_requestedViewSize)
            refreshPreview();
    });
    setAcceptDrops(true);

    s.loadSaved(s.settingsFilePath());
    const RunOptions options = ConfigFile::load();
    m_outputPolicy = options.output;
    s.effects = options.watermark;
    if (!s.effects.logoPath.isEmpty()) {
        QString error; // an unreadable logo is reported when a run starts
        s.effects.logo = readLogo(s.effects.logoPath, &error);
    }
    if (s.settingsLoaded)
        restoreSavedSettings();
    m_ui->outPathDisplay->setText(s.outputDirPath);
    restoreGeometry(ConfigFile::windowGeometry()); // none saved: the form's own size
    refreshPreview();
    m_presets = new PresetChooser(
      m_ui->presetCombo,
      [this] { return currentPreset(); },
      [this](const Preset &preset) { applyPreset(preset); },
      this);
    connect(m_ui->comboFormats, &QComboBox::currentIndexChanged, m_presets, [this] {
        m_presets->updateChanged();
    });
    connect(&m_plan, &QFutureWatcher<RunPlan>::finished, this, [this] {
        if (m_dropBackgroundResults)
            setRunLocked(m_runner.isRunning());
        else
            startPlanned(m_plan.result());
    });
    m_ui->Run->setDefault(true);
    connect(&m_editTimer, &QTimer::timeout, this, &Dialog::EditingDone);
    connect(this, &Dialog::newProgress, this, &Dialog::UpdateProgress);
    setWindowTitle(windowTitle() + QStringLiteral(" v") + QLatin1String(appVersion));
}

Dialog::~Dialog()
{
    finishBackgroundWork();
    // The list clears itself as the widgets are destroyed, after the form is gone.
    disconnect(m_ui->listWidget->model(), nullptr, this, nullptr);
    // The runner, destroyed after this body, stops and waits for its workers; they never touch
    // a widget.
    delete m_previewScene;
    delete m_ui;
}

QString Dialog::samplePath() const
{
    return m_settings.cacheDirPath + QStringLiteral("/preview.jpeg");
}

// The sample shown when no file is selected: the bundled picture stretched to the preview box.
void Dialog::makeSample()
{
    QString source = m_settings.appDirPath + QStringLiteral("/test.jpg");
    if (!QFileInfo::exists(source))
        source = QStringLiteral(":/test.jpg");
    m_sampleImage = PictureReader::readScaled(source, previewSize).image;
    if (!m_sampleImage.isNull() && !m_sampleImage.save(samplePath()))
        qCWarning(lcUi) << "cannot write the preview sample" << samplePath();
}

void Dialog::restoreSavedSettings()
{
    const WatermarkSettings &s = m_settings;
    const WatermarkText text = s.startText();
    m_ui->markTextBox->clear();
    m_ui->markTextBox->insertPlainText(text.typed);
    setPosition(s.startPosition());
    positionButton(s.startPosition())->setChecked(true);
    m_ui->useCopyright->setChecked(text.copyrightSign);
}

WatermarkText Dialog::watermarkText() const
{
    return WatermarkText(m_ui->markTextBox->toPlainText(), m_ui->useCopyright->isChecked());
}

QAbstractButton *Dialog::positionButton(int code) const
{
    for (const PositionButton &entry : positionButtons) {
        if (entry.code == code)
            return m_ui->*entry.button;
    }
    return nullptr;
}

void Dialog::refreshPreview()
{
    WatermarkSettings &s = m_settings;
    const QList<QListWidgetItem *> selected = m_ui->listWidget->selectedItems();
    s.previewSourcePath = selected.isEmpty() ? samplePath() : selected.first()->text();
    s.previewIsSample = selected.isEmpty();
    m_requestedViewSize = previewViewSize();
    m_preview.request(previewRequest());
}

QSize Dialog::previewViewSize() const
{
    return previewSize + (m_ui->graphicsView->size() - m_formPreviewSize);
}

PreviewRequest Dialog::previewRequest() const
{
    const WatermarkSettings &s = m_settings;
    PreviewRequest request;
    request.path = s.previewSourcePath;
    request.isSample = s.previewIsSample;
    request.text = watermarkText();
    request.position = m_watermarkPos;
    request.style = s.style();
    request.viewSize = previewViewSize();
    return request;
}

void Dialog::showPreview(const PreviewResult &result)
{
    if (!result.ok)
        return; // the view keeps what it showed
    WatermarkSettings &s = m_settings;
    if (result.request.style.useDefaults) {
        // The automatic choices are stored, so the advanced dialog and the settings file see them.
        s.watermarkFont = result.drawn.font;
        s.fontColor = result.drawn.pen;
        s.fontColor.setAlpha(255);
        s.alpha = WatermarkStyle::automaticAlpha;
    } else {
        s.fontColor = result.drawn.pen;
    }
    m_previewScene->clear();
    // The scene is as large as the picture shown now, not the largest one shown since the window
    // grew: a smaller window would scroll otherwise.
    m_previewScene->setSceneRect(
      m_previewScene->addPixmap(QPixmap::fromImage(result.shown))->boundingRect());
    m_ui->graphicsView->update();
    emit previewRefreshed();
}

QMenu *Dialog::createTextMenu()
{
    QMenu *menu = m_ui->markTextBox->createStandardContextMenu();
    addFieldMenu(
      menu, {}, [this](const QString &field) { m_ui->markTextBox->insertPlainText(field); });
    return menu;
}

void Dialog::showTextMenu(const QPoint &position)
{
    QMenu *menu = createTextMenu();
    menu->exec(m_ui->markTextBox->mapToGlobal(position));
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
    finishBackgroundWork();
    if (m_runner.isRunning()) {
        m_runner.stop();
        m_runner.waitForDone();
        // Deliver the results of the pictures that were in flight, so the settings see them.
        QCoreApplication::sendPostedEvents(&m_runner, QEvent::MetaCall);
    }
    const QString path = m_settings.settingsFilePath();
    QString error;
    if (!SettingsFile::save(path, m_settings.fileValues(watermarkText(), m_watermarkPos), &error))
        qCWarning(lcUi) << "cannot write the settings" << path << error;
    if (!ConfigFile::saveWindowGeometry(saveGeometry(), &error))
        qCWarning(lcUi) << "cannot write the window's size" << error;
    QDialog::closeEvent(event);
    m_closing = false;
}

void Dialog::finishBackgroundWork()
{
    // A walk's rows are of no use to a closed window, and a plan must start no run: their
    // results are dropped once they are done (nothing they do is left half done).
    m_waitingWalks.clear();
    m_walk.waitForFinished();
    m_plan.waitForFinished();
    m_dropBackgroundResults = true;
    if (m_walking && !m_runner.isRunning())
        setRunLocked(false);
    m_walking = false;
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
    const QList<QUrl> urls = event->mimeData()->urls();
    for (const QUrl &url : urls)
        paths << url.toLocalFile();
    openPictures(paths);
    // The event is left unaccepted: no drop action is reported back to the source.
}

void Dialog::openPictures(const QStringList &paths)
{
    const bool hasFolder = std::any_of(
      paths.cbegin(), paths.cend(), [](const QString &path) { return QFileInfo(path).isDir(); });
    if (hasFolder) {
        walkFolders(paths); // off the GUI thread: a folder may hold thousands of files
        return;
    }
    addPictures(PictureFolder::picturesIn(paths));
    m_ui->listWidget->setCurrentRow(0);
    refreshPreview();
}

void Dialog::addPictures(const QStringList &paths)
{
    m_ui->listWidget->addItems(paths); // one insertion: a folder may bring thousands
    if (!paths.isEmpty())
        m_ui->RemoveFileBtn->show();
}

void Dialog::walkFolders(const QStringList &paths)
{
    m_ui->Run->setEnabled(false);
    if (m_walking) {
        m_waitingWalks << paths; // walked in turn, so rows keep the order of the drops
        return;
    }
    m_walking = true;
    m_dropBackgroundResults = false;
    m_walk.setFuture(inBackground([paths] { return PictureFolder::picturesIn(paths); }));
}

void Dialog::foldersWalked()
{
    if (m_dropBackgroundResults)
        return;
    addPictures(m_walk.result());
    if (!m_waitingWalks.isEmpty()) {
        const QStringList paths = m_waitingWalks.takeFirst();
        m_walk.setFuture(inBackground([paths] { return PictureFolder::picturesIn(paths); }));
        return;
    }
    m_walking = false;
    m_ui->listWidget->setCurrentRow(0);
    m_ui->Run->setEnabled(!m_runner.isRunning());
    refreshPreview();
}

void Dialog::on_AddFolderBtn_clicked()
{
    m_ui->progressBar->setValue(0);
    const QString folder = UiServices::current().getExistingDirectory(
      this, tr("Add Folder"), QDir::homePath(), QFileDialog::ShowDirsOnly);
    if (!folder.isEmpty())
        walkFolders({ folder });
}

void Dialog::on_StopBtn_clicked()
{
    m_runner.stop();
    m_ui->StopBtn->setEnabled(false);
}

void Dialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        showFileCount();
    }
}

void Dialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    m_growth->apply(event->size());
    m_resizeTimer.start(resizeDelayMs);
}

QList<WindowGrowth::Rule> Dialog::growthRules() const
{
    using Across = WindowGrowth::Across;
    using Down = WindowGrowth::Down;
    const Ui::Dialog &ui = *m_ui;
    return {
        { ui.line_2, Across::Widen, Down::Stay },
        { ui.AdvancedSettings, Across::Right, Down::Stay },
        { ui.Help, Across::Right, Down::Stay },
        { ui.label_3, Across::WidenList, Down::Stay },
        { ui.listWidget, Across::WidenList, Down::Grow },
        { ui.line, Across::AfterList, Down::Grow },
        { ui.markTextBox, Across::WidenPreview, Down::Stay },
        { ui.graphicsView, Across::WidenPreview, Down::Grow },
        { ui.useCopyright, Across::Right, Down::Stay },
        { ui.groupBox_2, Across::Right, Down::Stay },
        { ui.OptionsBtn, Across::Right, Down::Stay },
        { ui.label, Across::Stay, Down::Below },
        { ui.comboBox, Across::Stay, Down::Below },
        { ui.label_2, Across::Stay, Down::Below },
        { ui.comboFormats, Across::Stay, Down::Below },
        { ui.ChooseOutDir, Across::Stay, Down::Below },
        { ui.outPathDisplay, Across::Widen, Down::Below },
        { ui.Run, Across::Middle, Down::Below },
        { ui.StopBtn, Across::Middle, Down::Below },
        { ui.progressBar, Across::Widen, Down::Below },
    };
}

void Dialog::setReadingOrder()
{
    const Ui::Dialog &ui = *m_ui;
    // The top bar, the list column, the text and preview column, the position grid, the bottom.
    const QList<QWidget *> order = {
        ui.presetCombo,   ui.AdvancedSettings, ui.Help,           ui.AddFileBtn,
        ui.RemoveFileBtn, ui.AddFolderBtn,     ui.listWidget,     ui.comboBox,
        ui.comboFormats,  ui.markTextBox,      ui.useCopyright,   ui.graphicsView,
        ui.radioButton,   ui.radioButton_4,    ui.radioButton_10, ui.radioButton_3,
        ui.radioButton_5, ui.radioButton_7,    ui.radioButton_2,  ui.radioButton_6,
        ui.radioButton_8, ui.OptionsBtn,       ui.ChooseOutDir,   ui.Run,
        ui.StopBtn,
    };
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

void Dialog::showFileCount()
{
    const int count = m_ui->listWidget->count();
    m_ui->label_3->setText(count == 0 ? tr("&Files selected for Watermarking")
                                      : tr("&Files selected for Watermarking (%1)").arg(count));
}

void Dialog::showRunCount(int done, int total)
{
    m_ui->progressBar->setFormat(tr("%1 of %2 — %p%").arg(done).arg(total));
}

void Dialog::on_markTextBox_textChanged()
{
    m_editTimer.stop();
    m_editTimer.start(editDelayMs);
}

void Dialog::EditingDone()
{
    refreshPreview();
    m_editTimer.stop();
    presetMayHaveChanged();
}

void Dialog::on_useCopyright_clicked()
{
    refreshPreview();
    presetMayHaveChanged();
}

void Dialog::setPosition(int code)
{
    m_ui->progressBar->setValue(0);
    m_watermarkPos = code;
    refreshPreview();
    presetMayHaveChanged();
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
    m_ui->progressBar->setValue(0);
    const QStringList files =
      UiServices::current().getOpenFileNames(this,
                                             tr("Select Files for Watermarking"),
                                             QDir::homePath(),
                                             tr("Images (%1)").arg(PictureFolder::nameFilter()));
    for (const QString &file : files)
        m_ui->listWidget->insertItem(m_ui->listWidget->count(), file);
    m_ui->RemoveFileBtn->show();
    m_ui->listWidget->setCurrentRow(0);
    refreshPreview();
}

void Dialog::RemoveFiles()
{
    m_ui->progressBar->setValue(0);
    qDeleteAll(m_ui->listWidget->selectedItems());
    m_ui->listWidget->setCurrentRow(0);
    refreshPreview();
}

void Dialog::on_listWidget_clicked(const QModelIndex &index)
{
    m_ui->listWidget->clearSelection();
    m_ui->listWidget->setCurrentRow(index.row());
    refreshPreview();
}

void Dialog::on_Help_clicked()
{
    const QString appDir = m_settings.appDirPath;
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
    WatermarkSettings &s = m_settings;
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
        box.setText(
          tr("WARNING: The output directory already exists.\nYour files WILL be overwritten "
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
    m_ui->outPathDisplay->setText(s.outputDirPath);
    presetMayHaveChanged();
}

void Dialog::on_comboBox_currentIndexChanged(int index)
{
    if (index == customSizeIndex) {
        if (!askCustomSize())
            m_ui->comboBox->setCurrentIndex(originalSizeIndex);
        // A user's choice is also "activated" right after this; a program's is not.
        m_customSizeAsked = true;
        QTimer::singleShot(0, this, [this] { m_customSizeAsked = false; });
    }
    presetMayHaveChanged();
}

void Dialog::on_comboBox_activated(int index)
{
    // The custom row chosen again asks for another size; a cancel keeps the one it has.
    if (index == customSizeIndex && !m_customSizeAsked && askCustomSize())
        presetMayHaveChanged();
    m_customSizeAsked = false;
}

bool Dialog::askCustomSize()
{
    CustomSize dialog;
    if (dialog.exec() == QDialog::Rejected)
        return false;
    showCustomSize();
    return true;
}

void Dialog::showCustomSize()
{
    m_ui->comboBox->setItemText(
      customSizeIndex,
      QStringLiteral("%1×%2").arg(m_settings.customWidth).arg(m_settings.customHeight));
}

OutputSize Dialog::chosenSize() const
{
    const int index = m_ui->comboBox->currentIndex();
    if (index == customSizeIndex)
        return QSize(m_settings.customWidth, m_settings.customHeight);
    if (index >= int(outputSizes.size()))
        return OutputSize::longEdge(m_ui->comboBox->itemData(index).toInt());
    return outputSizes.at(size_t(index)).size;
}

void Dialog::chooseSize(const OutputSize &size)
{
    QComboBox *sizes = m_ui->comboBox;
    int index = -1;
    for (int row = 0; row < sizes->count(); ++row) {
        if (row != customSizeIndex &&
            (row < int(outputSizes.size())
               ? outputSizes.at(size_t(row)).size == size
               : size == OutputSize::longEdge(sizes->itemData(row).toInt())))
            index = row;
    }
    if (index < 0 && size.isLongEdge) {
        // A long edge of no row: a row of its own while the window is open.
        sizes->addItem(tr("Long edge %1").arg(size.box.width()), size.box.width());
        index = sizes->count() - 1;
    } else if (index < 0) {
        m_settings.customWidth = size.box.width();
        m_settings.customHeight = size.box.height();
        showCustomSize();
        index = customSizeIndex;
    }
    sizes->setCurrentIndex(index);
}

void Dialog::on_AdvancedSettings_clicked()
{
    WatermarkSettings &s = m_settings;
    s.previewAlignment = m_watermarkPos;
    s.previewText = watermarkText();
    {
        Advanced dialog(m_settings);
        dialog.exec();
    }
    refreshPreview();
    presetMayHaveChanged();
}

void Dialog::on_OptionsBtn_clicked()
{
    WatermarkSettings &s = m_settings;
    OutputOptions dialog(m_outputPolicy, s.effects, previewRequest(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_outputPolicy = dialog.policy();
    s.effects = dialog.effects();
    QString error;
    if (!ConfigFile::save({ m_outputPolicy, s.effects }, &error))
        qCWarning(lcUi) << "cannot write the options" << error;
    refreshPreview();
    presetMayHaveChanged();
}

void Dialog::Run()
{
    emit newProgress(1);
    m_ui->Run->setEnabled(false);
    m_ui->listWidget->selectAll();
    const int total = m_ui->listWidget->count();
    if (total == 0) {
        addfiles();
        m_ui->Run->setEnabled(true);
        return;
    }

    const RunRequest request = runRequest();
    if (planReadsPictures(request)) {
        // Names from the pictures' metadata read every file: never on the window's thread.
        setRunLocked(true);
        m_dropBackgroundResults = false;
        m_plan.setFuture(inBackground([request] { return planRun(request); }));
        return;
    }
    startPlanned(planRun(request));
}

void Dialog::startPlanned(const RunPlan &plan)
{
    if (plan.failure == RunPlan::Failure::Logo) {
        QMessageBox box(
          QMessageBox::Warning,
          QStringLiteral("Quorlane"),
          tr("The logo %1 cannot be read (%2). Choose another one in "
             "\"Options...\" or remove it.")
            .arg(QDir::toNativeSeparators(plan.run.style.effects.logoPath), plan.reason));
        UiServices::current().execMessageBox(box);
        setRunLocked(false);
        return;
    }
    if (plan.failure == RunPlan::Failure::OutputSize) {
        QMessageBox box(QMessageBox::Warning,
                        QStringLiteral("Quorlane"),
                        tr("The pictures cannot be written at this size: %1.").arg(plan.reason));
        UiServices::current().execMessageBox(box);
        setRunLocked(false);
        return;
    }
    // Everything the run needs is taken now; the window is locked until it ends.
    m_lastRun = plan.run;

    m_preview.clearCache(); // the run's memory bound has no room for it
    setRunLocked(true);
    showRunCount(0, int(m_lastRun.sources.size()));
    m_runner.start(m_lastRun);
}

Preset Dialog::currentPreset() const
{
    const WatermarkSettings &s = m_settings;
    Preset preset;
    preset.text = watermarkText();
    preset.position = m_watermarkPos;
    preset.style = s.style();
    preset.style.effects = WatermarkEffects();
    preset.options = { m_outputPolicy, s.effects };
    preset.outputSize = chosenSize();
    preset.format = QLatin1String(outputFormats.at(size_t(m_ui->comboFormats->currentIndex())));
    preset.outputFolder = s.outputDirPath;
    return preset;
}

void Dialog::applyPreset(const Preset &preset)
{
    WatermarkSettings &s = m_settings;
    {
        // One preview for the whole preset, and no custom size dialog.
        const QSignalBlocker text(m_ui->markTextBox);
        const QSignalBlocker size(m_ui->comboBox);
        m_ui->markTextBox->setPlainText(preset.text.typed);
        m_ui->useCopyright->setChecked(preset.text.copyrightSign);
        chooseSize(preset.outputSize);
        const QSignalBlocker format(m_ui->comboFormats);
        m_ui->comboFormats->setCurrentIndex(
          int(std::find(outputFormats.cbegin(), outputFormats.cend(), preset.format) -
              outputFormats.cbegin()));
    }
    m_editTimer.stop();
    m_watermarkPos = preset.position;
    positionButton(preset.position)->setChecked(true);
    s.useDefaults = preset.style.useDefaults;
    s.autoFontSize = preset.style.autoFontSize;
    s.autoColor = preset.style.autoColor;
    s.alpha = preset.style.alpha;
    s.fontColor = preset.style.fontColor;
    s.watermarkFont = preset.style.font;
    m_outputPolicy = preset.options.output;
    s.effects = preset.options.watermark;
    if (!s.effects.logoPath.isEmpty()) {
        QString error; // an unreadable logo is reported when a run starts
        s.effects.logo = readLogo(s.effects.logoPath, &error);
    }
    QString error;
    if (!ConfigFile::save(preset.options, &error))
        qCWarning(lcUi) << "cannot write the options" << error;
    if (!preset.outputFolder.isEmpty()) {
        s.outputDirPath = preset.outputFolder;
        m_ui->outPathDisplay->setText(s.outputDirPath);
    }
    refreshPreview();
}

void Dialog::presetMayHaveChanged()
{
    if (m_presets)
        m_presets->updateChanged();
}

RunRequest Dialog::runRequest() const
{
    const Preset preset = currentPreset();
    RunRequest request;
    request.text = preset.text;
    request.position = preset.position;
    request.style = m_settings.style();
    request.outputSize = preset.outputSize;
    request.format = preset.format;
    request.policy = preset.options.output;
    request.outputDir = preset.outputFolder;
    request.folderRule = FolderRule::OneLevel;
    request.presetName = m_presets->chosenName();
    for (int row = 0; row < m_ui->listWidget->count(); ++row)
        request.sources << m_ui->listWidget->item(row)->text();
    return request;
}

void Dialog::setRunLocked(bool locked)
{
    const QList<QWidget *> controls = {
        m_ui->Run,          m_ui->AddFileBtn,   m_ui->RemoveFileBtn,    m_ui->AddFolderBtn,
        m_ui->listWidget,   m_ui->markTextBox,  m_ui->useCopyright,     m_ui->comboBox,
        m_ui->comboFormats, m_ui->ChooseOutDir, m_ui->AdvancedSettings, m_ui->OptionsBtn,
        m_ui->presetCombo
    };
    for (QWidget *control : controls)
        control->setEnabled(!locked);
    // Beside Run, never on it: a double click on Run cannot stop the run it started.
    m_ui->StopBtn->setVisible(locked);
    m_ui->StopBtn->setEnabled(locked);
    for (int code : Position::all)
        positionButton(code)->setEnabled(!locked);
    setAcceptDrops(!locked);
    m_thumbnails->setPaused(locked); // the run's memory bound has no room for them
}

void Dialog::runEnded(const BatchReport &report)
{
    WatermarkSettings &s = m_settings;
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
    m_ui->progressBar->setFormat(QStringLiteral("%p%"));
    m_ui->listWidget->clearSelection();
    m_ui->listWidget->setCurrentRow(0);
    setRunLocked(false);
    if (!m_closing)
        refreshPreview();
    emit runFinished();
}

void Dialog::showRunSummary(const BatchReport &report)
{
    const RunSummary summary = summarizeRun(report, m_lastRun.sources, maxSummaryLines);
    if (summary.isEmpty())
        return;
    QStringList blocks;
    for (const RunSummary::Block &block : summary.blocks)
        blocks << block.lines.join(QLatin1Char('\n'));
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
    m_ui->progressBar->setValue(value);
    m_ui->progressBar->repaint();
}
