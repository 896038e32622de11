#include "outputoptions.h"
#include "ui_outputoptions.h"

#include <QRadioButton>

#include <array>

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

OutputOptions::OutputOptions(const OutputPolicy &policy, QWidget *parent)
  : QDialog(parent)
  , ui(new Ui::OutputOptions)
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
