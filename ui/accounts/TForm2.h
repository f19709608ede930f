#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The login window: the first window and the application's main window.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    // programDir: the directory the program keeps its files in (the executable's).
    explicit TForm2(const QString &programDir, QWidget *parent = nullptr);

    QLabel *Label2 = nullptr; // version
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QListWidget *ListView1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button6 = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *Button3 = nullptr;

private:
    void buildControls();
    // Program directory, picture folder, auction-house names and caption.
    void FormCreate(const QString &programDir);
};
