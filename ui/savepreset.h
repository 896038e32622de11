#pragma once

#include <QDialog>

namespace Ui {
class SavePreset;
}

// Asks for a new preset's name and whether it keeps the output folder. "Save" closes it only for
// a name a preset can have; otherwise it says why.
class SavePreset : public QDialog
{
    Q_OBJECT

public:
    explicit SavePreset(const QString &suggestedName, QWidget *parent = nullptr);
    ~SavePreset() override;

    QString name() const;
    bool withOutputFolder() const;

private:
    void trySave();

    Ui::SavePreset *m_ui;
};
