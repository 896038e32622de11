#pragma once

#include <QString>

#include <functional>
#include <initializer_list>

#include "engine/mark/textfields.h"

class QMenu;
class QWidget;

// The "Insert Field" menu of the watermark text and of the output name: one entry per field
// with an example, inserting "{field}" through insert.
QMenu *addFieldMenu(QMenu *menu,
                    std::initializer_list<FieldName> extraFields,
                    const std::function<void(const QString &)> &insert);
