#pragma once

#include <QDialog>
#include <QFutureWatcher>
#include <QImage>
#include <QTimer>

#include <array>
#include <memory>

#include "engine/mark/positions.h"
#include "engine/preview/previewrenderer.h"
#include "engine/run/batchrunner.h"
#include "engine/run/outputpolicy.h"
#include "engine/run/runplanner.h"
#include "settings/preset.h"
#include "windowgrowth.h"

namespace Ui {
class Dialog;
}
class PresetChooser;
class QAbstractButton;
class QRadioButton;
class QGraphicsScene;
class QMenu;
class QModelIndex;
class ThumbnailLoader;
struct WatermarkSettings;

// The main window: the file list, the watermark text and position, the output choices, the
// preview and the Run button. It wires the widgets to the engine; pictures are read, drawn and
// written by the engine.
class Dialog : public QDialog
{
    Q_OBJECT

public:
    explicit Dialog(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~Dialog() override;

    int watermarkPos() const { return m_watermarkPos; }
    bool isRunning() const { return m_runner.isRunning(); }
    // What the last run started with, output names included.
    const RunSnapshot &lastRun() const { return m_lastRun; }
    // Asks for a new preview; it is drawn on a worker thread and shown when ready.
    void refreshPreview();
    bool isPreviewPending() const { return m_preview.isPending(); }
    // A refresh is due once typing pauses.
    bool isEditPending() const { return m_editTimer.isActive(); }
    // Until the walked pictures are in the list, not just until the walk's thread is done.
    bool isAddingFolders() const { return m_walking; }
    // A folder walk or a plan still running on another thread.
    bool hasBackgroundWork() const { return m_walk.isRunning() || m_plan.isRunning(); }

    // Puts pictures, and the pictures in folders, in the list as a drop of them does.
    void openPictures(const QStringList &paths);

public slots:
    void reject() override;

    // The text box's context menu: the standard entries and "Insert Field".
    QMenu *createTextMenu();

signals:
    void newProgress(int value);
    // Emitted when a run has ended and the window is unlocked again.
    void runFinished();
    // Emitted after the preview shows a newly drawn picture.
    void previewRefreshed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void on_markTextBox_textChanged();
    void on_useCopyright_clicked();
    void on_ChooseOutDir_clicked();
    void on_listWidget_clicked(const QModelIndex &index);
    void on_comboBox_currentIndexChanged(int index);
    void on_comboBox_activated(int index);
    void on_AdvancedSettings_clicked();
    void on_OptionsBtn_clicked();
    void on_AddFolderBtn_clicked();
    void on_StopBtn_clicked();
    void on_Help_clicked();
    void addfiles();
    void RemoveFiles();
    void Run();
    void pos00();
    void pos01();
    void pos02();
    void pos10();
    void pos11();
    void pos12();
    void pos20();
    void pos21();
    void pos22();
    void EditingDone();
    void UpdateProgress(int value);

private:
    void showPreview(const PreviewResult &result);
    // Asks for a custom size; false when the user cancelled.
    bool askCustomSize();
    // The custom row names the size it holds: "2048×2048".
    void showCustomSize();
    OutputSize chosenSize() const;
    // Chooses the row of size: a fixed row, the custom row or an extra long-edge row.
    void chooseSize(const OutputSize &size);
    // The preview's size follows its widget: previewSize at the form's size.
    QSize previewViewSize() const;
    QList<WindowGrowth::Rule> growthRules() const;
    // The list's label with the number of pictures; the form's text when there are none.
    void showFileCount();
    // Tab moves through the controls in the order the form reads.
    void setReadingOrder();
    // The progress bar's text during a run: "7 of 12 — 58%".
    void showRunCount(int done, int total);
    PreviewRequest previewRequest() const;
    void showTextMenu(const QPoint &position);
    void addPictures(const QStringList &paths);
    void walkFolders(const QStringList &paths);
    void foldersWalked();
    void restoreSavedSettings();
    RunRequest runRequest() const;
    void startPlanned(const RunPlan &plan);
    // The window's settings as a preset, its output folder included.
    Preset currentPreset() const;
    void applyPreset(const Preset &preset);
    void presetMayHaveChanged();
    void makeSample();
    // Waits for the folder walks and the plan in flight and drops their results.
    void finishBackgroundWork();
    // Where the sample shown without a selected file is kept.
    QString samplePath() const;
    void setPosition(int code);
    WatermarkText watermarkText() const;
    QAbstractButton *positionButton(int code) const;
    void setRunLocked(bool locked);
    void runEnded(const BatchReport &report);
    void showRunSummary(const BatchReport &report);
    void openInDesktop(const QString &path);

    struct PositionButton
    {
        QRadioButton *Ui::Dialog::*button;
        int code;
        void (Dialog::*slot)();
    };
    static const std::array<PositionButton, 9> positionButtons;

    Ui::Dialog *m_ui;
    std::unique_ptr<WindowGrowth> m_growth;
    QSize m_formPreviewSize;
    QSize m_requestedViewSize;
    QTimer m_resizeTimer;
    ThumbnailLoader *m_thumbnails = nullptr;
    WatermarkSettings &m_settings; // the process-wide settings the window edits
    int m_watermarkPos = Position::Center;
    QGraphicsScene *m_previewScene = nullptr;
    QImage m_sampleImage;
    QTimer m_editTimer;
    PreviewRenderer m_preview;
    QFutureWatcher<QStringList> m_walk;
    QList<QStringList> m_waitingWalks;
    bool m_walking = false;
    QFutureWatcher<RunPlan> m_plan;
    PresetChooser *m_presets = nullptr;
    bool m_dropBackgroundResults = false; // the window closed while they were under way
    BatchRunner m_runner;
    OutputPolicy m_outputPolicy;
    RunSnapshot m_lastRun;
    bool m_closing = false;
    bool m_customSizeAsked = false; // the custom row was just chosen and asked for its size
};
