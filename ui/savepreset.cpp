#include "savepreset.h"

#include <QPushButton>

#include "settings/preset.h"
#include "ui_savepreset.h"

SavePreset::SavePreset(const QString &suggestedName, QWidget *parent)
  : QDialog(parent)
  , m_ui(new Ui::SavePreset)
{
    m_ui->setupUi(this);
    m_ui->presetName->setText(suggestedName);
    m_ui->presetName->selectAll();
    m_ui->problem->hide();
    connect(m_ui->buttons, &QDialogButtonBox::accepted, this, &SavePreset::trySave);
}

SavePreset::~SavePreset()
{
    delete m_ui;
}

QString SavePreset::name() const
{
    return m_ui->presetName->text().trimmed();
}

bool SavePreset::withOutputFolder() const
{
    return m_ui->withOutputFolder->isChecked();
}

void SavePreset::trySave()
{
    const QString problem = Presets::nameProblem(name());
    if (problem.isEmpty()) {
        accept();
        return;
    }
    m_ui->problem->setText(problem);
    m_ui->problem->show();
}
