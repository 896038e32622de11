#include "advanced.h"
#include "ui_advanced.h"

#include <QGraphicsScene>

#include "app/constants.h"
#include "app/watermarksettings.h"
#include "engine/picturereader.h"
#include "engine/watermark.h"
#include "uiservices.h"

namespace {
constexpr int sliderMaximum = 100;
constexpr int opaque = 255;
} // namespace

Advanced::Advanced(QWidget *parent)
  : QDialog(parent)
  , ui(new Ui::Advanced)
  , m_scene(new QGraphicsScene)
{
    WatermarkSettings &s = WatermarkSettings::instance();
    ui->setupUi(this);
    setWindowFlags(Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);

    const QString sample = s.cacheDirPath + QStringLiteral("/preview2.jpeg");
    m_startImage = PictureReader::readScaled(s.previewSourcePath, advancedSampleSize).image;
    m_startImage.save(sample);
    m_scene->addPixmap(QPixmap(sample));
    ui->graphicsView->setScene(m_scene);

    // Integer arithmetic both ways: opening with alpha 127 leaves 124 (slider 49), on purpose.
    ui->horizontalScrollBar->setRange(0, sliderMaximum);
    ui->horizontalScrollBar->setValue(s.alpha * sliderMaximum / opaque);
    renderPreview();
    ui->ApplySetting->setDefault(true);
    // Set after the first render, which therefore shows the stored font size.
    ui->Adv_Intelli_font->setChecked(s.autoFontSize);
}

Advanced::~Advanced()
{
    delete m_scene;
    delete ui;
}

void Advanced::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void Advanced::renderPreview()
{
    WatermarkSettings &s = WatermarkSettings::instance();
    WatermarkStyle style;
    style.useDefaults = false;
    style.autoFontSize = ui->Adv_Intelli_font->isChecked();
    style.autoColor = false; // this preview always shows the manual colour
    style.alpha = s.alpha;
    style.fontColor = s.fontColor;
    style.font = s.watermarkFont;

    QImage *canvas = m_cache.canvasFor(s.previewSourcePath);
    if (!canvas) {
        // Nothing to draw on: the settings are still updated as a drawing would.
        if (style.autoFontSize)
            fitWatermarkFont(QImage(), s.previewText, s.watermarkFont);
        s.fontColor.setAlpha(s.alpha);
        m_scene->clear();
        return;
    }
    const StampResult drawn = stampWatermark(*canvas, s.previewText, s.previewAlignment, style);
    s.watermarkFont = drawn.font;
    s.fontColor = drawn.pen;

    const QImage shown =
      canvas->scaled(advancedPreviewSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    m_scene->clear();
    m_scene->addPixmap(QPixmap::fromImage(shown));
    ui->graphicsView->update();
    ui->graphicsView->show();
}

void Advanced::setAlphaFromSlider(int value)
{
    WatermarkSettings::instance().alpha = value * opaque / sliderMaximum;
    renderPreview();
}

void Advanced::on_Adv_Intelli_font_clicked()
{
    WatermarkSettings::instance().autoFontSize = ui->Adv_Intelli_font->isChecked();
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
    WatermarkSettings::instance().useDefaults = false;
    close();
}

void Advanced::on_Reset_clicked()
{
    WatermarkSettings &s = WatermarkSettings::instance();
    s.useDefaults = true;
    s.autoColor = true;
    s.autoFontSize = true;
    close();
}

void Advanced::on_FontSize_clicked()
{
    WatermarkSettings &s = WatermarkSettings::instance();
    bool ok = false;
    const QFont font = UiServices::current().getFont(&ok, s.watermarkFont);
    if (!ok)
        return;
    s.watermarkFont = font;
    renderPreview();
}

void Advanced::on_FontColor_clicked()
{
    WatermarkSettings &s = WatermarkSettings::instance();
    const QColor colour = UiServices::current().getColor(s.fontColor);
    if (!colour.isValid())
        return;
    s.fontColor = colour;
    s.autoColor = false;
    renderPreview();
}
