#pragma once

#include <QDialog>

#include "engine/outputpolicy.h"

namespace Ui {
class OutputOptions;
}

// Choices about what the written pictures keep: metadata, JPEG quality, proportions and what
// happens to a picture of the same name. Shows a policy and hands back the one the user chose.
class OutputOptions : public QDialog
{
    Q_OBJECT

public:
    explicit OutputOptions(const OutputPolicy &policy, QWidget *parent = nullptr);
    ~OutputOptions() override;

    OutputPolicy policy() const;

private:
    Ui::OutputOptions *ui;
};
