#pragma once

#include <QWebEngineView>

class DescriptionPage;

// The view the seller writes the description in. It reports double clicks with their
// position, so the editor can tell what was hit without any script of the document.
class EditingView final : public QWebEngineView {
    Q_OBJECT
public:
    explicit EditingView(QWidget *parent = nullptr);

    DescriptionPage *descriptionPage() const { return m_page; }

signals:
    void doubleClicked(const QPoint &position);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    DescriptionPage *m_page;
};
