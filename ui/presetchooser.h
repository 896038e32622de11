#pragma once

#include <QObject>
#include <QString>

#include <functional>

#include "settings/preset.h"

class QComboBox;
class QWidget;

// The main window's preset combo box: the presets by name, then "Save as Preset..." and
// "Delete Preset...". Choosing a preset hands it to apply and remembers its name in
// quorlane.conf; once the window differs from the chosen preset, its name shows in italics.
class PresetChooser : public QObject
{
    Q_OBJECT

public:
    // current gives the window's settings as a preset (with its output folder); apply sets them.
    PresetChooser(QComboBox *combo,
                  std::function<Preset()> current,
                  std::function<void(const Preset &)> apply,
                  QObject *parent = nullptr);

    QString chosenName() const { return m_chosenName; }
    // Compares the window with the chosen preset: its name in italics when they differ.
    void updateChanged();

private:
    void reload();
    void activated(int index);
    void choose(const QString &name);
    void saveAs();
    void deleteChosen();
    QWidget *window() const;

    QComboBox *m_combo;
    std::function<Preset()> m_current;
    std::function<void(const Preset &)> m_apply;
    QString m_chosenName;
    Preset m_chosen;
};
