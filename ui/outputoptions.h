#pragma once

#include <QDialog>

#include "engine/mark/watermarkeffects.h"
#include "engine/preview/previewrenderer.h"
#include "engine/run/outputpolicy.h"

namespace Ui {
class OutputOptions;
}

// The options beyond the main window: on the "Output" page what the written pictures keep
// (metadata, quality, proportions, pictures of the same name), on the "Watermark" page the
// margin, outline, shadow, angle, tiling and logo, with a live preview of the selected picture.
class OutputOptions : public QDialog
{
    Q_OBJECT

public:
    // preview: the main window's picture, text and style, which the page's preview draws with
    // the effects being chosen.
    OutputOptions(const OutputPolicy &policy,
                  const WatermarkEffects &effects,
                  const PreviewRequest &preview,
                  QWidget *parent = nullptr);
    ~OutputOptions() override;

    OutputPolicy policy() const;
    // The effects chosen, with the logo read from its path (null when none or unreadable).
    WatermarkEffects effects() const;
    bool isPreviewPending() const { return m_preview.isPending(); }

    // OK: refused, with a message, while the name template cannot name outputs.
    void accept() override;

signals:
    void previewRefreshed();

private:
    void chooseLogo();
    void logoPathChanged();
    void refreshPreview();
    void showNameExample();

    Ui::OutputOptions *m_ui;
    PreviewRequest m_request;
    PreviewRenderer m_preview;
    QImage m_logo;
};
