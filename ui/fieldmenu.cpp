#include "fieldmenu.h"

#include <QCoreApplication>
#include <QMenu>

namespace {

void addEntry(QMenu *fields,
              const FieldName &field,
              const std::function<void(const QString &)> &insert)
{
    const QString name = QLatin1Char('{') + QLatin1String(field.name) + QLatin1Char('}');
    QObject::connect(
      fields->addAction(QStringLiteral("%1\t%2").arg(name, QLatin1String(field.example))),
      &QAction::triggered,
      fields,
      [insert, name] { insert(name); });
}

} // namespace

QMenu *addFieldMenu(QMenu *menu,
                    std::initializer_list<FieldName> extraFields,
                    const std::function<void(const QString &)> &insert)
{
    QMenu *fields = menu->addMenu(QCoreApplication::translate("FieldMenu", "Insert Field"));
    for (const FieldName &field : extraFields)
        addEntry(fields, field, insert);
    for (const FieldName &field : fieldNames)
        addEntry(fields, field, insert);
    return fields;
}
