#include "ui/dialogs/TForm11.h"

#include "core/ErrorGuard.h"
#include "core/Prompter.h"
#include "store/OptionFile.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm11::TForm11(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(QStringLiteral("Einstellungen"));
    buildControls();
    runGuarded([this] { FormCreate(); });
}

void TForm11::buildControls()
{
    auto *label1 = new QLabel(QStringLiteral("Hier nehmen Sie Einstellung für die Software vor."), this);
    label1->setObjectName(QStringLiteral("Label1"));
    auto *label2 = new QLabel(QStringLiteral("Übertragung"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    QFont heading = label2->font();
    heading.setBold(true);
    heading.setUnderline(true);
    label2->setFont(heading);
    CheckBox1 = new QCheckBox(QStringLiteral("Auktionsdaten abrufen"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    auto *label3 = new QLabel(QStringLiteral("Anzahl der Tage die abgefragt werden"), this);
    label3->setObjectName(QStringLiteral("Label3"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaximumWidth(80);
    label3->setBuddy(Edit1);
    Button1 = new QPushButton(QStringLiteral("Speichern"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);

    auto *days = new QHBoxLayout;
    days->addWidget(label3);
    days->addWidget(Edit1);
    days->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label1);
    layout->addSpacing(8);
    layout->addWidget(label2);
    layout->addWidget(CheckBox1);
    layout->addLayout(days);
    layout->addStretch();
    layout->addLayout(buttons);
    setFixedSize(380, 200);

    connect(CheckBox1, &QCheckBox::toggled, this, [this] { CheckBox1Click(); });
    connect(Edit1, &QLineEdit::editingFinished, this, [this] { runGuarded([this] { Edit1Exit(); }); });
    connect(Button1, &QPushButton::clicked, this, [this] { runGuarded([this] { Button1Click(); }); });
}

void TForm11::FormCreate()
{
    const OptionFile options;
    Edit1->setText(options.loadDaysText());
    CheckBox1->setChecked(options.loadsAuctionData());
    CheckBox1Click();
}

void TForm11::CheckBox1Click()
{
    Edit1->setEnabled(CheckBox1->isChecked());
}

bool TForm11::Edit1Exit()
{
    const QString problem = OptionFile::loadDaysProblem(Edit1->text());
    if (problem.isEmpty())
        return true;
    prompter().showMessage(problem);
    Edit1->setText(QStringLiteral("60"));
    return false;
}

void TForm11::Button1Click()
{
    // The day count was maybe never left; a wrong one is corrected and shown before saving.
    if (!Edit1Exit())
        return;
    OptionFile().save(CheckBox1->isChecked(), Edit1->text());
    accept();
}
