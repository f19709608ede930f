#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The settings dialog: whether a transfer run fetches the auction data, and for how many days.
class TForm11 : public QDialog {
    Q_OBJECT
public:
    explicit TForm11(QWidget *parent = nullptr);

    QCheckBox *CheckBox1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QPushButton *Button1 = nullptr;

    void FormCreate();
    void CheckBox1Click();
    // Checks the day count; a wrong one is reported and replaced by "60". True when it was right.
    bool Edit1Exit();
    void Button1Click();

private:
    void buildControls();
};
