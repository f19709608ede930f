#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <memory>

class Prompter;
class QMessageBox;
class QWidget;

// Installs the program's real widget prompter while it lives and closes every real box it
// opens a moment after it appeared, as a seller pressing a button would: a question is
// answered with Yes (or No, when told so), a message with its OK button; input boxes and
// file dialogs are cancelled. Nothing ever waits for a person.
class RealBoxCloser {
public:
    struct ClosedBox {
        QString title;
        QString text;
        // The captions of the box's buttons, as shown.
        QStringList buttons;
    };

    explicit RealBoxCloser(bool answerYes = true);
    ~RealBoxCloser();
    RealBoxCloser(const RealBoxCloser &) = delete;
    RealBoxCloser &operator=(const RealBoxCloser &) = delete;

    const QList<ClosedBox> &closedBoxes() const { return m_closed; }
    QStringList texts() const;

private:
    void closeOpenBox();
    void answer(QMessageBox *box);

    std::unique_ptr<Prompter> m_prompter;
    QTimer m_timer;
    bool m_answerYes;
    QList<ClosedBox> m_closed;
};
