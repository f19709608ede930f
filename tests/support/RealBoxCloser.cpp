#include "tests/support/RealBoxCloser.h"

#include "core/Prompter.h"
#include "ui/widgets/WidgetPrompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>

namespace {
// Long enough for the box to be shown and laid out, short enough to keep tests quick.
constexpr int PollIntervalMs = 30;
} // namespace

RealBoxCloser::RealBoxCloser(bool answerYes) : m_prompter(std::make_unique<WidgetPrompter>()), m_answerYes(answerYes)
{
    setPrompter(m_prompter.get());
    m_timer.setInterval(PollIntervalMs);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { closeOpenBox(); });
    m_timer.start();
}

RealBoxCloser::~RealBoxCloser()
{
    setPrompter(nullptr);
}

QStringList RealBoxCloser::texts() const
{
    QStringList result;
    for (const ClosedBox &box : m_closed)
        result.append(box.text);
    return result;
}

void RealBoxCloser::closeOpenBox()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        answer(box);
        return;
    }
    // Only the prompter's own dialogs are closed here; a window under test stays open.
    if (modal->inherits("QInputDialog") || modal->inherits("QFileDialog")) {
        ClosedBox closed{modal->windowTitle(), QString(), {}};
        for (QAbstractButton *button : modal->findChildren<QAbstractButton *>())
            closed.buttons.append(button->text());
        m_closed.append(closed);
        qobject_cast<QDialog *>(modal)->reject();
    }
}

void RealBoxCloser::answer(QMessageBox *box)
{
    ClosedBox closed{box->windowTitle(), box->text(), {}};
    for (QAbstractButton *button : box->buttons())
        closed.buttons.append(button->text());
    m_closed.append(closed);
    QAbstractButton *choice = box->button(m_answerYes ? QMessageBox::Yes : QMessageBox::No);
    if (!choice)
        choice = box->button(QMessageBox::Ok);
    if (!choice)
        choice = box->escapeButton();
    if (choice)
        choice->click();
    else
        box->reject();
}
