#pragma once

#include <QList>
#include <QPixmap>
#include <QStringList>

class QPainter;

// A list of equally sized pictures addressed by index, such as the icons of the side bar.
class TImageList {
public:
    explicit TImageList(int width = 16, int height = 16);

    // The pictures of the files in their order (e.g. ":/icons/running-16.png"); an empty
    // name or a file that cannot be read keeps its index with an empty picture.
    static TImageList fromFiles(int size, const QStringList &files);

    // Appends a picture, scaled to the list's size when it differs; returns its index.
    int add(const QPixmap &picture);

    int width() const { return m_width; }
    int height() const { return m_height; }
    int count() const { return int(m_pictures.size()); }
    // True when index names a picture that is not empty.
    bool hasPicture(int index) const;
    // An empty picture when index is out of range.
    QPixmap picture(int index) const;
    void draw(QPainter &painter, int x, int y, int index) const;

private:
    int m_width;
    int m_height;
    QList<QPixmap> m_pictures;
};
