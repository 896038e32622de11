#include "customsize.h"
#include "ui_customsize.h"

#include <QMessageBox>

#include "settings/constants.h"
#include "settings/watermarksettings.h"
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
  , m_ui(new Ui::CustomSize)
{
    m_ui->setupUi(this);
    setWindowTitle(tr("Custom Size - Quorlane"));
}

CustomSize::~CustomSize()
{
    delete m_ui;
}

void CustomSize::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(this);
}

void CustomSize::on_Ok_2_clicked()
{
    reject();
}

void CustomSize::on_Ok_clicked()
{
    const int width = sideFrom(m_ui->width->text());
    const int height = sideFrom(m_ui->height->text());
    if (width != 0 && height != 0) {
        WatermarkSettings &s = WatermarkSettings::instance();
        s.customHeight = height;
        s.customWidth = width;
        accept();
        return;
    }
    QMessageBox box;
    box.setText(tr("Please enter a valid values for width and height"));
    UiServices::current().execMessageBox(box);
}
