#pragma once

#include <QDialog>

namespace Ui {
class CustomSize;
}

// Asks for the width and height of the "Custom Size" output choice. "Ok" stores them in the
// settings only when both are whole numbers within the allowed range.
class CustomSize : public QDialog
{
    Q_OBJECT

public:
    explicit CustomSize(QWidget *parent = nullptr);
    ~CustomSize() override;

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_Ok_2_clicked();
    void on_Ok_clicked();

private:
    Ui::CustomSize *m_ui;
};
