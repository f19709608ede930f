#include "ui/editor/description/DescriptionPreview.h"

#include "ui/editor/description/DescriptionPage.h"

DescriptionPreview::DescriptionPreview(const QString &baseFolder, QWidget *parent)
    : QWebEngineView(parent), m_page(new DescriptionPage(this)), m_baseUrl(QUrl::fromLocalFile(baseFolder))
{
    setPage(m_page);
    setContextMenuPolicy(Qt::NoContextMenu);
}

void DescriptionPreview::showDescription(const QString &html)
{
    m_page->showHtml(html, m_baseUrl);
}
