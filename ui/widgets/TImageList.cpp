#include "TImageList.h"

#include <QPainter>

TImageList::TImageList(int width, int height)
    : m_width(width), m_height(height)
{
}

TImageList TImageList::fromFiles(int size, const QStringList &files)
{
    TImageList list(size, size);
    for (const QString &file : files)
        list.add(file.isEmpty() ? QPixmap() : QPixmap(file));
    return list;
}

int TImageList::add(const QPixmap &picture)
{
    if (picture.isNull() || picture.size() == QSize(m_width, m_height))
        m_pictures.append(picture);
    else
        m_pictures.append(picture.scaled(m_width, m_height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return count() - 1;
}

bool TImageList::hasPicture(int index) const
{
    return index >= 0 && index < count() && !m_pictures.at(index).isNull();
}

QPixmap TImageList::picture(int index) const
{
    return index >= 0 && index < count() ? m_pictures.at(index) : QPixmap();
}

void TImageList::draw(QPainter &painter, int x, int y, int index) const
{
    if (hasPicture(index))
        painter.drawPixmap(QRect(x, y, m_width, m_height), m_pictures.at(index));
}
