#include "customsize.h"
#include "ui_customsize.h"

#include <QMessageBox>

#include "app/constants.h"
#include "app/watermarksettings.h"
#include "uiservices.h"

namespace {

// 0 for anything that is not a whole number within the allowed range.
int sideFrom(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok && value >= minCustomSide && value <= maxCustomSide ? value : 0;
}

} // namespace

CustomSize::CustomSize(QWidget *parent)
  : QDialog(parent)
  , ui(new Ui::CustomSize)
{
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("Custom Size - Quorlane"));
}

CustomSize::~CustomSize()
{
    delete ui;
}

void CustomSize::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void CustomSize::on_Ok_2_clicked()
{
    reject();
}

void CustomSize::on_Ok_clicked()
{
    const int width = sideFrom(ui->width->text());
    const int height = sideFrom(ui->height->text());
    if (width != 0 && height != 0) {
        WatermarkSettings &s = WatermarkSettings::instance();
        s.customHeight = height;
        s.customWidth = width;
        accept();
        return;
    }
    QMessageBox box;
    box.setText(QStringLiteral("Please enter a valid values for width and height"));
    UiServices::current().execMessageBox(box);
}
