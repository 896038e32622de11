#include "presetchooser.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QMessageBox>
#include <QStandardItemModel>

#include "savepreset.h"
#include "settings/configfile.h"
#include "uiservices.h"

namespace {

enum Action { SaveAs = 1, Delete = 2 };
constexpr int actionRole = Qt::UserRole + 1;

} // namespace

PresetChooser::PresetChooser(QComboBox *combo,
                             std::function<Preset()> current,
                             std::function<void(const Preset &)> apply,
                             QObject *parent)
  : QObject(parent)
  , m_combo(combo)
  , m_current(std::move(current))
  , m_apply(std::move(apply))
{
    m_combo->setPlaceholderText(tr("No preset"));
    connect(m_combo, &QComboBox::activated, this, &PresetChooser::activated);
    // The name only: the window starts with its own saved settings, and shows whether they
    // still are the preset's.
    const QString last = ConfigFile::lastPreset();
    QString error;
    if (!last.isEmpty() && Presets::load(Presets::fileOf(last), &m_chosen, &error))
        m_chosenName = last;
    reload();
}

void PresetChooser::reload()
{
    const QSignalBlocker quiet(m_combo);
    m_combo->clear();
    for (const QString &name : Presets::names())
        m_combo->addItem(name, name);
    m_combo->insertSeparator(m_combo->count());
    m_combo->addItem(tr("Save as Preset..."));
    m_combo->setItemData(m_combo->count() - 1, SaveAs, actionRole);
    m_combo->addItem(tr("Delete Preset..."));
    m_combo->setItemData(m_combo->count() - 1, Delete, actionRole);
    m_combo->setCurrentIndex(m_combo->findData(m_chosenName));
    updateChanged();
}

void PresetChooser::updateChanged()
{
    Preset current = m_current();
    if (m_chosen.outputFolder.isEmpty())
        current.outputFolder.clear();
    QFont font = m_combo->font();
    font.setItalic(!m_chosenName.isEmpty() && current != m_chosen);
    m_combo->setFont(font);
    font.setItalic(false);
    m_combo->view()->setFont(font); // the list stays upright
    const int deleteRow = m_combo->findData(Delete, actionRole);
    if (auto *model = qobject_cast<QStandardItemModel *>(m_combo->model()))
        model->item(deleteRow)->setEnabled(!m_chosenName.isEmpty());
}

void PresetChooser::activated(int index)
{
    const int action = m_combo->itemData(index, actionRole).toInt();
    if (action == SaveAs)
        saveAs();
    else if (action == Delete)
        deleteChosen();
    else
        choose(m_combo->itemData(index).toString());
    // An action leaves the chosen preset showing.
    m_combo->setCurrentIndex(m_combo->findData(m_chosenName));
}

void PresetChooser::choose(const QString &name)
{
    Preset preset;
    QString error;
    if (!Presets::load(Presets::fileOf(name), &preset, &error)) {
        QMessageBox box(QMessageBox::Warning,
                        QStringLiteral("Quorlane"),
                        tr("The preset \"%1\" cannot be read: %2.").arg(name, error),
                        QMessageBox::Ok,
                        window());
        UiServices::current().execMessageBox(box);
        reload();
        return;
    }
    m_chosenName = name;
    m_chosen = preset;
    m_apply(preset);
    ConfigFile::saveLastPreset(name);
    updateChanged();
}

void PresetChooser::saveAs()
{
    SavePreset dialog(m_chosenName, window());
    if (UiServices::current().execDialog(dialog) != QDialog::Accepted)
        return;
    const QString name = dialog.name();
    if (Presets::names().contains(name)) {
        QMessageBox box(QMessageBox::Question,
                        QStringLiteral("Quorlane"),
                        tr("A preset named \"%1\" exists. Replace it?").arg(name),
                        QMessageBox::Yes | QMessageBox::No,
                        window());
        UiServices::current().execMessageBox(box);
        if (box.clickedButton() != box.button(QMessageBox::Yes))
            return;
    }
    Preset preset = m_current();
    if (!dialog.withOutputFolder())
        preset.outputFolder.clear();
    QString error;
    if (!Presets::save(name, preset, &error)) {
        QMessageBox box(QMessageBox::Warning,
                        QStringLiteral("Quorlane"),
                        tr("The preset \"%1\" cannot be saved: %2").arg(name, error),
                        QMessageBox::Ok,
                        window());
        UiServices::current().execMessageBox(box);
        return;
    }
    m_chosenName = name;
    m_chosen = preset;
    ConfigFile::saveLastPreset(name);
    reload();
}

void PresetChooser::deleteChosen()
{
    if (m_chosenName.isEmpty())
        return;
    QMessageBox box(QMessageBox::Question,
                    QStringLiteral("Quorlane"),
                    tr("Delete the preset \"%1\"?").arg(m_chosenName),
                    QMessageBox::Yes | QMessageBox::No,
                    window());
    UiServices::current().execMessageBox(box);
    if (box.clickedButton() != box.button(QMessageBox::Yes))
        return;
    QString error;
    if (!Presets::remove(m_chosenName, &error)) {
        QMessageBox failed(QMessageBox::Warning,
                           QStringLiteral("Quorlane"),
                           tr("The preset \"%1\" cannot be deleted: %2").arg(m_chosenName, error),
                           QMessageBox::Ok,
                           window());
        UiServices::current().execMessageBox(failed);
        return;
    }
    m_chosenName.clear();
    m_chosen = Preset();
    ConfigFile::saveLastPreset(QString());
    reload();
}

QWidget *PresetChooser::window() const
{
    return m_combo->window();
}
