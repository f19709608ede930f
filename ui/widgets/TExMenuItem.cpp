#include "TExMenuItem.h"

#include "TExBarColors.h"
#include "TImageList.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
const int IconLeft = 12;
const int IconTextGap = 6;
const int EntrySpacing = 4;
const int LineGap = 1;
const QString Ellipsis = QStringLiteral("...");
} // namespace

TExMenuItem::TExMenuItem(TExGroup *group, const QString &caption, const QString &description, int imageIndex, int id)
    : TExCustomItem(group), m_caption(caption), m_description(description), m_imageIndex(imageIndex), m_id(id)
{
}

bool TExMenuItem::HasIcon(const TImageList &icons) const
{
    return icons.hasPicture(m_imageIndex);
}

int TExMenuItem::Measure(const QFontMetrics &metrics, const TImageList &icons, int left, int textRight, int top)
{
    const bool icon = HasIcon(icons);
    m_left = left;
    m_top = top;
    m_textLeft = left + IconLeft + (icon ? icons.width() + IconTextGap : 0);
    m_lines = WrapText(m_caption, metrics, textRight - m_textLeft);
    m_lineHeight = metrics.height();
    m_textWidth = 0;
    for (const QString &line : m_lines)
        m_textWidth = qMax(m_textWidth, metrics.horizontalAdvance(line));
    const int textHeight = int(m_lines.size()) * (m_lineHeight + LineGap) - LineGap;
    const int iconHeight = icon ? icons.height() : 0;
    m_textOffset = iconHeight > m_lineHeight ? (iconHeight - m_lineHeight) / 2 : 0;
    m_height = qMax(textHeight, iconHeight) + EntrySpacing;
    return m_height;
}

void TExMenuItem::Arrange(int contentTop)
{
    const int top = contentTop + m_top;
    m_hitRect = QRect(QPoint(m_left + IconLeft, top), QPoint(m_textLeft + m_textWidth - 1, top + m_height - 1));
}

void TExMenuItem::Draw(QPainter &painter, const TImageList &icons, const TExBarColors &colours, bool hot) const
{
    const int top = m_hitRect.top();
    icons.draw(painter, m_left + IconLeft, top, m_imageIndex);
    QFont font = painter.font();
    font.setUnderline(hot);
    painter.setFont(font);
    painter.setPen(hot ? colours.hotText : colours.text);
    int y = top + m_textOffset;
    for (const QString &line : m_lines) {
        painter.drawText(QRect(m_textLeft, y, m_textWidth + 1, m_lineHeight), Qt::AlignLeft | Qt::AlignTop, line);
        y += m_lineHeight + LineGap;
    }
}

QStringList TExMenuItem::WrapText(const QString &text, const QFontMetrics &metrics, int width)
{
    QStringList lines;
    QString line;
    auto fits = [&](const QString &candidate) { return metrics.horizontalAdvance(candidate) <= width; };
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (fits(candidate)) {
            line = candidate;
            continue;
        }
        if (!line.isEmpty())
            lines.append(line);
        line = fits(word) ? word : Shorten(word, metrics, width);
    }
    if (!line.isEmpty() || lines.isEmpty())
        lines.append(line);
    return lines;
}

QString TExMenuItem::Shorten(const QString &word, const QFontMetrics &metrics, int width)
{
    QString shortened = word;
    while (!shortened.isEmpty() && metrics.horizontalAdvance(shortened + Ellipsis) > width)
        shortened.chop(1);
    return shortened + Ellipsis;
}
