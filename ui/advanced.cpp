#include "advanced.h"
#include "ui_advanced.h"

#include <QGraphicsScene>

#include "engine/mark/watermark.h"
#include "settings/constants.h"
#include "settings/watermarksettings.h"
#include "uiservices.h"

namespace {
constexpr int sliderMaximum = 100;
constexpr int opaque = 255;
} // namespace

Advanced::Advanced(WatermarkSettings &settings, QWidget *parent)
  : QDialog(parent)
  , m_ui(new Ui::Advanced)
  , m_settings(settings)
  , m_scene(new QGraphicsScene)
{
    const WatermarkSettings &s = m_settings;
    m_ui->setupUi(this);
    setWindowFlags(Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);

    m_ui->graphicsView->setScene(m_scene);
    connect(&m_preview, &PreviewRenderer::ready, this, &Advanced::showPreview);

    // Integer arithmetic both ways: opening with alpha 127 leaves 124 (slider 49), on purpose.
    m_ui->horizontalScrollBar->setRange(0, sliderMaximum);
    m_ui->horizontalScrollBar->setValue(s.alpha * sliderMaximum / opaque);
    renderPreview();
    m_ui->ApplySetting->setDefault(true);
    // Set after the first render, which therefore shows the stored font size.
    m_ui->Adv_Intelli_font->setChecked(s.autoFontSize);
}

Advanced::~Advanced()
{
    delete m_scene;
    delete m_ui;
}

void Advanced::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(this);
}

void Advanced::renderPreview()
{
    WatermarkSettings &s = m_settings;
    PreviewRequest request;
    request.path = s.previewSourcePath;
    request.isSample = s.previewIsSample;
    request.text = s.previewText;
    request.position = s.previewAlignment;
    request.style.useDefaults = false;
    request.style.autoFontSize = m_ui->Adv_Intelli_font->isChecked();
    request.style.autoColor = false; // this preview always shows the manual colour
    request.style.alpha = s.alpha;
    request.style.fontColor = s.fontColor;
    request.style.font = s.watermarkFont;
    request.viewSize = advancedPreviewSize;
    if (!m_sampleWritten) {
        // The dialog's sample of the picture, written once, as the first drawing starts.
        request.samplePath = s.cacheDirPath + QStringLiteral("/preview2.jpeg");
        request.sampleSize = advancedSampleSize;
        m_sampleWritten = true;
    }
    m_preview.request(request);
}

void Advanced::showPreview(const PreviewResult &result)
{
    WatermarkSettings &s = m_settings;
    const WatermarkStyle &style = result.request.style;
    if (!result.ok) {
        // Nothing to draw on: the settings are still updated as a drawing would.
        if (style.autoFontSize)
            fitWatermarkFont(QImage(), result.request.text.filled(FieldValues()), s.watermarkFont);
        s.fontColor.setAlpha(style.alpha);
        m_scene->clear();
        emit previewRefreshed();
        return;
    }
    s.watermarkFont = result.drawn.font;
    s.fontColor = result.drawn.pen;
    m_scene->clear();
    m_scene->addPixmap(QPixmap::fromImage(result.shown));
    m_ui->graphicsView->update();
    m_ui->graphicsView->show();
    emit previewRefreshed();
}

void Advanced::setAlphaFromSlider(int value)
{
    m_settings.alpha = value * opaque / sliderMaximum;
    renderPreview();
}

void Advanced::on_Adv_Intelli_font_clicked()
{
    m_settings.autoFontSize = m_ui->Adv_Intelli_font->isChecked();
    renderPreview();
}

void Advanced::on_horizontalScrollBar_valueChanged(int value)
{
    setAlphaFromSlider(value);
}

void Advanced::on_horizontalScrollBar_sliderMoved(int position)
{
    setAlphaFromSlider(position);
}

void Advanced::on_ApplySetting_clicked()
{
    m_settings.useDefaults = false;
    close();
}

void Advanced::on_Reset_clicked()
{
    WatermarkSettings &s = m_settings;
    s.useDefaults = true;
    s.autoColor = true;
    s.autoFontSize = true;
    close();
}

void Advanced::on_FontSize_clicked()
{
    WatermarkSettings &s = m_settings;
    bool ok = false;
    const QFont font = UiServices::current().getFont(&ok, s.watermarkFont);
    if (!ok)
        return;
    s.watermarkFont = font;
    renderPreview();
}

void Advanced::on_FontColor_clicked()
{
    WatermarkSettings &s = m_settings;
    const QColor colour = UiServices::current().getColor(s.fontColor);
    if (!colour.isValid())
        return;
    s.fontColor = colour;
    s.autoColor = false;
    renderPreview();
}
