#pragma once

#include <QDialog>

#include "engine/preview/previewrenderer.h"

namespace Ui {
class Advanced;
}
class QGraphicsScene;
struct WatermarkSettings;

// The manual style: font, colour, opacity and the automatic font size, each written into
// settings at once and shown on a preview of the main window's current picture.
class Advanced : public QDialog
{
    Q_OBJECT

public:
    explicit Advanced(WatermarkSettings &settings, QWidget *parent = nullptr);
    ~Advanced() override;

    bool isPreviewPending() const { return m_preview.isPending(); }

signals:
    // Emitted after the preview shows a newly drawn picture.
    void previewRefreshed();

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_Adv_Intelli_font_clicked();
    void on_horizontalScrollBar_valueChanged(int value);
    void on_horizontalScrollBar_sliderMoved(int position);
    void on_ApplySetting_clicked();
    void on_Reset_clicked();
    void on_FontSize_clicked();
    void on_FontColor_clicked();

private:
    void renderPreview();
    void showPreview(const PreviewResult &result);
    void setAlphaFromSlider(int value);

    Ui::Advanced *m_ui;
    WatermarkSettings &m_settings;
    QGraphicsScene *m_scene;
    PreviewRenderer m_preview;
    bool m_sampleWritten = false;
};
