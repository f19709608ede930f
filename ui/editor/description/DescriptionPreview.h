#pragma once

#include <QWebEngineView>

class DescriptionPage;

// A read-only view that renders a description as the buyer will see it, with none of its
// scripts and without following its links.
class DescriptionPreview final : public QWebEngineView {
    Q_OBJECT
public:
    // Relative picture addresses resolve against baseFolder.
    explicit DescriptionPreview(const QString &baseFolder = {}, QWidget *parent = nullptr);

    void showDescription(const QString &html);
    DescriptionPage *descriptionPage() const { return m_page; }

private:
    DescriptionPage *m_page;
    QUrl m_baseUrl;
};
