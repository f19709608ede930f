#pragma once

#include "TExCustomItem.h"

#include <QRect>
#include <QString>
#include <QStringList>

class QFontMetrics;
class QPainter;
class TImageList;
struct TExBarColors;

// A clickable entry of a side bar group: icon, text, tooltip and the number it reports.
class TExMenuItem : public TExCustomItem {
public:
    TExMenuItem(TExGroup *group, const QString &caption, const QString &description, int imageIndex, int id);

    const QString &Caption() const { return m_caption; }
    const QString &Description() const { return m_description; }
    int ImageIndex() const { return m_imageIndex; }
    int Id() const { return m_id; }

    // Breaks the text into lines that end at most at textRight; returns the entry's height.
    // left is the group's left edge; top is the entry's offset below the body's top.
    int Measure(const QFontMetrics &metrics, const TImageList &icons, int left, int textRight, int top);
    // Places the entry for a body whose entries start at contentTop (body top shifted by the
    // part not shown yet).
    void Arrange(int contentTop);
    void Draw(QPainter &painter, const TImageList &icons, const TExBarColors &colours, bool hot) const;

    const QStringList &Lines() const { return m_lines; }
    int Height() const { return m_height; }
    // Where the entry was last placed; the mouse hits it there.
    QRect HitRect() const { return m_hitRect; }

    // The text split at blanks into lines no wider than width; a word that does not fit on a
    // line of its own is cut and ends with "...".
    static QStringList WrapText(const QString &text, const QFontMetrics &metrics, int width);

private:
    static QString Shorten(const QString &word, const QFontMetrics &metrics, int width);
    bool HasIcon(const TImageList &icons) const;

    QString m_caption;
    QString m_description;
    int m_imageIndex;
    int m_id;

    QStringList m_lines;
    int m_left = 0;
    int m_textLeft = 0;
    int m_top = 0;
    int m_height = 0;
    int m_lineHeight = 0;
    int m_textOffset = 0;
    int m_textWidth = 0;
    QRect m_hitRect;
};
