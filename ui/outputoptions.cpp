#include "outputoptions.h"
#include "ui_outputoptions.h"

#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>

#include <array>

#include "engine/imageio/logoreader.h"
#include "engine/output/nametemplate.h"
#include "fieldmenu.h"
#include "settings/runoptions.h"
#include "uiservices.h"

namespace {

// The radio buttons of a choice, in the order of its enumeration.
template<size_t N>
void check(const std::array<QRadioButton *, N> &buttons, int index)
{
    buttons.at(size_t(index))->setChecked(true);
}

// The control's range as the option table declares it.
template<typename Control>
void bound(Control *control, const char *key)
{
    const RunOption &option = runOption(key);
    control->setRange(option.min, option.max);
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
  , m_ui(new Ui::OutputOptions)
  , m_request(preview)
  , m_logo(effects.logo)
{
    m_ui->setupUi(this);
    bound(m_ui->jpegQuality, "jpegQuality");
    bound(m_ui->margin, "margin");
    bound(m_ui->angle, "angle");
    bound(m_ui->logoWidth, "logoWidth");
    bound(m_ui->logoOpacity, "logoOpacity");
    check(std::array{ m_ui->metadataAll,
                      m_ui->metadataAllButLocation,
                      m_ui->metadataCopyright,
                      m_ui->metadataNone },
          int(policy.metadata));
    m_ui->copyrightFromText->setChecked(policy.copyrightFromText);
    m_ui->jpegQuality->setValue(policy.jpegQuality);
    check(std::array{ m_ui->resizeStretch, m_ui->resizeFit }, int(policy.resize));
    check(std::array{ m_ui->existingReplace, m_ui->existingNumber, m_ui->existingSkip },
          int(policy.existingFiles));
    check(std::array{ m_ui->colourKeep, m_ui->colourSrgb }, int(policy.colour));
    m_ui->keepJpeg->setChecked(policy.jpegMode == JpegMode::Keep);
    m_ui->nameTemplate->setText(policy.nameTemplate);
    auto *nameMenu = new QMenu(this);
    addFieldMenu(
      nameMenu,
      { { "name", "IMG_0042" }, { "counter", "1" }, { "counter:3", "001" }, { "preset", "web" } },
      [this](const QString &field) { m_ui->nameTemplate->insert(field); });
    // The button opens the fields themselves, not a menu holding one submenu.
    m_ui->insertNameField->setMenu(nameMenu->actions().constFirst()->menu());
    connect(m_ui->nameTemplate, &QLineEdit::textChanged, this, &OutputOptions::showNameExample);
    showNameExample();

    m_ui->margin->setValue(effects.margin);
    m_ui->outline->setChecked(effects.outline);
    m_ui->shadow->setChecked(effects.shadow);
    m_ui->angle->setValue(effects.angle);
    m_ui->tile->setChecked(effects.tile);
    m_ui->autoPosition->setChecked(effects.autoPosition);
    m_ui->textSizeBy->setCurrentIndex(int(effects.textSizeBy));
    m_ui->logoPath->setText(effects.logoPath);
    m_ui->logoWidth->setValue(effects.logoWidth);
    m_ui->logoPosition->setCurrentIndex(
      int(std::find(Position::all.cbegin(), Position::all.cend(), effects.logoPosition) -
          Position::all.cbegin()));
    m_ui->logoOpacity->setValue(effects.logoOpacity);

    connect(&m_preview, &PreviewRenderer::ready, this, [this](const PreviewResult &result) {
        if (result.ok)
            m_ui->effectsPreview->setPixmap(QPixmap::fromImage(result.shown));
        emit previewRefreshed();
    });
    connect(m_ui->chooseLogo, &QPushButton::clicked, this, &OutputOptions::chooseLogo);
    connect(m_ui->logoPath, &QLineEdit::editingFinished, this, &OutputOptions::logoPathChanged);
    for (QSpinBox *box : { m_ui->margin, m_ui->angle, m_ui->logoWidth })
        connect(box, &QSpinBox::valueChanged, this, &OutputOptions::refreshPreview);
    for (QCheckBox *box : { m_ui->outline, m_ui->shadow, m_ui->tile, m_ui->autoPosition })
        connect(box, &QCheckBox::toggled, this, &OutputOptions::refreshPreview);
    for (QComboBox *box : { m_ui->logoPosition, m_ui->textSizeBy })
        connect(box, &QComboBox::currentIndexChanged, this, &OutputOptions::refreshPreview);
    connect(m_ui->logoOpacity, &QSlider::valueChanged, this, &OutputOptions::refreshPreview);
    refreshPreview();
}

OutputOptions::~OutputOptions()
{
    delete m_ui;
}

OutputPolicy OutputOptions::policy() const
{
    OutputPolicy policy;
    policy.metadata = checked<MetadataChoice>(std::array{ m_ui->metadataAll,
                                                          m_ui->metadataAllButLocation,
                                                          m_ui->metadataCopyright,
                                                          m_ui->metadataNone });
    policy.copyrightFromText = m_ui->copyrightFromText->isChecked();
    policy.jpegQuality = m_ui->jpegQuality->value();
    policy.resize = checked<ResizeMode>(std::array{ m_ui->resizeStretch, m_ui->resizeFit });
    policy.existingFiles = checked<ExistingFiles>(
      std::array{ m_ui->existingReplace, m_ui->existingNumber, m_ui->existingSkip });
    policy.colour = checked<ColourChoice>(std::array{ m_ui->colourKeep, m_ui->colourSrgb });
    policy.jpegMode = m_ui->keepJpeg->isChecked() ? JpegMode::Keep : JpegMode::Encode;
    policy.nameTemplate = m_ui->nameTemplate->text();
    if (policy.nameTemplate.trimmed().isEmpty())
        policy.nameTemplate = QLatin1String(NameTemplate::defaultText);
    return policy;
}

WatermarkEffects OutputOptions::effects() const
{
    WatermarkEffects effects;
    effects.margin = m_ui->margin->value();
    effects.outline = m_ui->outline->isChecked();
    effects.shadow = m_ui->shadow->isChecked();
    effects.angle = m_ui->angle->value();
    effects.tile = m_ui->tile->isChecked();
    effects.autoPosition = m_ui->autoPosition->isChecked();
    effects.textSizeBy = TextSizeBy(m_ui->textSizeBy->currentIndex());
    effects.logoPath = m_ui->logoPath->text().trimmed();
    effects.logoWidth = m_ui->logoWidth->value();
    effects.logoPosition =
      Position::all.at(size_t(std::max(0, m_ui->logoPosition->currentIndex())));
    effects.logoOpacity = m_ui->logoOpacity->value();
    effects.logo = effects.logoPath.isEmpty() ? QImage() : m_logo;
    return effects;
}

void OutputOptions::chooseLogo()
{
    const QStringList files = UiServices::current().getOpenFileNames(
      this,
      tr("Choose a Logo"),
      QFileInfo(m_ui->logoPath->text()).path(),
      tr("Pictures (*.png *.svg *.jpg *.jpeg *.webp *.tif *.tiff *.bmp *.xpm)"));
    if (files.isEmpty())
        return;
    m_ui->logoPath->setText(files.first());
    logoPathChanged();
}

void OutputOptions::logoPathChanged()
{
    QString error;
    const QString path = m_ui->logoPath->text().trimmed();
    m_logo = path.isEmpty() ? QImage() : readLogo(path, &error);
    refreshPreview();
}

void OutputOptions::refreshPreview()
{
    PreviewRequest request = m_request;
    request.style.effects = effects();
    request.viewSize = m_ui->effectsPreview->minimumSize();
    m_preview.request(request);
}

void OutputOptions::accept()
{
    const QString problem = NameTemplate::problem(m_ui->nameTemplate->text());
    if (problem.isEmpty()) {
        QDialog::accept();
        return;
    }
    QMessageBox box(QMessageBox::Warning,
                    QStringLiteral("Quorlane"),
                    tr("The output names cannot be made: %1.").arg(problem));
    UiServices::current().execMessageBox(box);
}

void OutputOptions::showNameExample()
{
    NameValues example;
    example.fields.fileName = QStringLiteral("IMG_0042.jpg");
    example.fields.date = QStringLiteral("2024-06-01");
    example.fields.artist = QStringLiteral("Anna Berg");
    example.fields.camera = QStringLiteral("NIKON D750");
    example.fields.size = QSize(6016, 4016);
    example.preset = QStringLiteral("web");
    const QString base = NameTemplate(m_ui->nameTemplate->text()).baseName(example);
    m_ui->nameExample->setText(tr("For example: %1").arg(base + QStringLiteral(".jpg")));
}
