#include "outputoptions.h"
#include "ui_outputoptions.h"

#include <QRadioButton>

#include <array>

#include "uiservices.h"

namespace {

// The radio buttons of a choice, in the order of its enumeration.
template<size_t N>
void check(const std::array<QRadioButton *, N> &buttons, int index)
{
    buttons.at(size_t(index))->setChecked(true);
}

template<typename Enum, size_t N>
Enum checked(const std::array<QRadioButton *, N> &buttons)
{
    for (size_t i = 0; i < N; ++i) {
        if (buttons[i]->isChecked())
            return Enum(i);
    }
    return Enum(0);
}

} // namespace

OutputOptions::OutputOptions(const OutputPolicy &policy,
                             const WatermarkEffects &effects,
                             const PreviewRequest &preview,
                             QWidget *parent)
  : QDialog(parent)
  , ui(new Ui::OutputOptions)
  , m_request(preview)
  , m_logo(effects.logo)
{
    ui->setupUi(this);
    check(
      std::array{
        ui->metadataAll, ui->metadataAllButLocation, ui->metadataCopyright, ui->metadataNone },
      int(policy.metadata));
    ui->copyrightFromText->setChecked(policy.copyrightFromText);
    ui->jpegQuality->setValue(policy.jpegQuality);
    check(std::array{ ui->resizeStretch, ui->resizeFit }, int(policy.resize));
    check(std::array{ ui->existingReplace, ui->existingNumber, ui->existingSkip },
          int(policy.existingFiles));

    ui->margin->setValue(effects.margin);
    ui->outline->setChecked(effects.outline);
    ui->shadow->setChecked(effects.shadow);
    ui->angle->setValue(effects.angle);
    ui->tile->setChecked(effects.tile);
    ui->logoPath->setText(effects.logoPath);
    ui->logoWidth->setValue(effects.logoWidth);
    ui->logoPosition->setCurrentIndex(
      int(std::find(Position::all.cbegin(), Position::all.cend(), effects.logoPosition) -
          Position::all.cbegin()));
    ui->logoOpacity->setValue(effects.logoOpacity);

    connect(&m_preview, &PreviewRenderer::ready, this, [this](const PreviewResult &result) {
        if (result.ok)
            ui->effectsPreview->setPixmap(QPixmap::fromImage(result.shown));
        emit previewRefreshed();
    });
    connect(ui->chooseLogo, &QPushButton::clicked, this, &OutputOptions::chooseLogo);
    connect(ui->logoPath, &QLineEdit::editingFinished, this, &OutputOptions::logoPathChanged);
    for (QSpinBox *box : { ui->margin, ui->angle, ui->logoWidth })
        connect(box, &QSpinBox::valueChanged, this, &OutputOptions::refreshPreview);
    for (QCheckBox *box : { ui->outline, ui->shadow, ui->tile })
        connect(box, &QCheckBox::toggled, this, &OutputOptions::refreshPreview);
    connect(
      ui->logoPosition, &QComboBox::currentIndexChanged, this, &OutputOptions::refreshPreview);
    connect(ui->logoOpacity, &QSlider::valueChanged, this, &OutputOptions::refreshPreview);
    refreshPreview();
}

OutputOptions::~OutputOptions()
{
    delete ui;
}

OutputPolicy OutputOptions::policy() const
{
    OutputPolicy policy;
    policy.metadata = checked<MetadataChoice>(std::array{
      ui->metadataAll, ui->metadataAllButLocation, ui->metadataCopyright, ui->metadataNone });
    policy.copyrightFromText = ui->copyrightFromText->isChecked();
    policy.jpegQuality = ui->jpegQuality->value();
    policy.resize = checked<ResizeMode>(std::array{ ui->resizeStretch, ui->resizeFit });
    policy.existingFiles = checked<ExistingFiles>(
      std::array{ ui->existingReplace, ui->existingNumber, ui->existingSkip });
    return policy;
}

WatermarkEffects OutputOptions::effects() const
{
    WatermarkEffects effects;
    effects.margin = ui->margin->value();
    effects.outline = ui->outline->isChecked();
    effects.shadow = ui->shadow->isChecked();
    effects.angle = ui->angle->value();
    effects.tile = ui->tile->isChecked();
    effects.logoPath = ui->logoPath->text().trimmed();
    effects.logoWidth = ui->logoWidth->value();
    effects.logoPosition = Position::all.at(size_t(std::max(0, ui->logoPosition->currentIndex())));
    effects.logoOpacity = ui->logoOpacity->value();
    effects.logo = effects.logoPath.isEmpty() ? QImage() : m_logo;
    return effects;
}

void OutputOptions::chooseLogo()
{
    const QStringList files = UiServices::current().getOpenFileNames(
      this,
      tr("Choose a Logo"),
      QFileInfo(ui->logoPath->text()).path(),
      tr("Pictures (*.png *.svg *.jpg *.jpeg *.webp *.tif *.tiff *.bmp *.xpm)"));
    if (files.isEmpty())
        return;
    ui->logoPath->setText(files.first());
    logoPathChanged();
}

void OutputOptions::logoPathChanged()
{
    QString error;
    const QString path = ui->logoPath->text().trimmed();
    m_logo = path.isEmpty() ? QImage() : readLogo(path, &error);
    refreshPreview();
}

void OutputOptions::refreshPreview()
{
    PreviewRequest request = m_request;
    request.style.effects = effects();
    request.viewSize = ui->effectsPreview->minimumSize();
    m_preview.request(request);
}
