#pragma once

#include "TExBarColors.h"
#include "TExGroup.h"
#include "TImageList.h"

#include <QImage>
#include <QScrollArea>
#include <optional>

class TFlickerFreePaintBox;

// The side task bar: a scrollable stack of titled groups of clickable entries. Groups
// collapse and expand with a sliding animation; hovering an entry underlines it and shows
// its description as tooltip; releasing the mouse on the entry it was pressed on reports
// the entry's number through OnMenuItemClick. Its look comes from an optional skin picture.
class TExBar : public QScrollArea {
    Q_OBJECT
public:
    // Header band, body and entry geometry, in pixels.
    static constexpr int GroupMargin = 12;
    static constexpr int TopMargin = 8;
    static constexpr int HeaderHeight = 32;
    static constexpr int HeaderBandTop = 9;
    static constexpr int HeaderCellWidth = 25;
    static constexpr int BodyPadding = 8;
    static constexpr int GroupGap = 8;
    static constexpr int DefaultAnimationInterval = 30;
    // A skin must hold the palette column and both header rows.
    static constexpr int SkinMinimumWidth = 268;
    static constexpr int SkinMinimumHeight = 49;

    explicit TExBar(QWidget *owner = nullptr);
    ~TExBar() override;

    bool Animate() const { return m_animate; }
    void SetAnimate(bool animate) { m_animate = animate; }
    // Milliseconds between two animation steps.
    int AnimationInterval() const { return m_animationInterval; }
    void SetAnimationInterval(int milliseconds) { m_animationInterval = milliseconds; }

    // 32-pixel icons of the group headers; nullptr until set.
    const TImageList *GroupIcons() const;
    void SetGroupIcons(const TImageList &icons);
    // 16-pixel icons of the entries; nullptr until set, and until then AddItem adds nothing.
    const TImageList *ItemIcons() const;
    void SetItemIcons(const TImageList &icons);

    // Copies the picture and takes its colours; a null picture, or one smaller than
    // 268 x 49 pixels, restores the plain look of the system colours.
    void SetSkin(const QImage &picture);
    bool HasSkin() const { return !m_skin.isNull(); }
    const QImage &Skin() const { return m_skin; }
    const TExBarColors &Colors() const { return m_colors; }

    // Suspend drawing and layout; EndUpdate resumes them with a fresh layout. Nested pairs
    // resume at the outermost EndUpdate.
    void BeginUpdate();
    void EndUpdate();
    bool IsUpdating() const { return m_updateCount > 0; }

    void Clear();
    TExGroup *AddGroup(const QString &caption, bool special = false);
    int GroupCount() const { return int(m_groups.size()); }
    TExGroup *Group(int index) const { return m_groups.at(size_t(index)).get(); }

    // The group whose header is under the mouse, or the entry under it (one of them or none).
    TExGroup *HotHeader() const { return m_hot.header; }
    TExMenuItem *HotItem() const { return m_hot.item; }

    int ContentHeight() const { return m_contentHeight; }
    int ClientWidth() const;
    int ClientHeight() const;
    bool ScrollBarShown() const;
    TFlickerFreePaintBox *PaintBox() const { return m_paintBox; }

    // Measures and places every group, applies the scroll bar rule and redraws (unless
    // updates are suspended). Called after every change of groups, entries or states.
    void Realign();
    // Redraws the bar (unless updates are suspended).
    void Redraw();

    // Reports the entry as clicked, as a click with the mouse does.
    void ClickItem(const TExMenuItem *item);

    QFont CaptionFont() const;
    QSize sizeHint() const override;

signals:
    void OnMenuItemClick(TExBar *Sender, int Id);
    // A layout has been done.
    void laidOut();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Element {
        TExGroup *header = nullptr;
        TExMenuItem *item = nullptr;
        bool isNone() const { return !header && !item; }
        bool operator==(const Element &other) const { return header == other.header && item == other.item; }
    };

    void Resize();
    void MeasureAndPlace();
    void ShowScrollBar(bool shown);
    bool AnyGroupCollapsing() const;
    void Paint(QPainter &painter);
    void ApplyColors();

    Element ElementAt(const QPoint &point) const;
    void SetHot(const Element &element);
    void MouseMove(const QPoint &point);
    void MouseDown(const QPoint &point);
    void MouseUp(const QPoint &point);
    void MouseLeave();

    TFlickerFreePaintBox *m_paintBox;
    TExGroups m_groups;
    bool m_animate = true;
    int m_animationInterval = DefaultAnimationInterval;
    std::optional<TImageList> m_groupIcons;
    std::optional<TImageList> m_itemIcons;
    QImage m_skin;
    TExBarColors m_colors;

    Element m_hot;
    Element m_pressed;
    int m_updateCount = 0;
    bool m_relayoutNeeded = false;
    bool m_inLayout = false;
    int m_contentHeight = 0;
    int m_lastWidth = -1;
};
