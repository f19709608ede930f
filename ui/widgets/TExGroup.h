#pragma once

#include "TExMenuItem.h"

#include <QRect>
#include <QString>
#include <QTimer>
#include <memory>
#include <vector>

class QPainter;
class TExBar;

// A titled group of the side bar that collapses and expands with a sliding animation.
class TExGroup {
public:
    enum State { Expanded = 0, Collapsed = 1, Expanding = 2, Collapsing = 3 };

    TExGroup(TExBar *bar, const QString &caption, bool special);

    TExGroup(const TExGroup &) = delete;
    TExGroup &operator=(const TExGroup &) = delete;

    TExBar *Bar() const { return m_bar; }
    const QString &Caption() const { return m_caption; }
    bool Special() const { return m_special; }
    // Index into the bar's GroupIcons; -1 for none.
    int IconIndex() const { return m_iconIndex; }
    void SetIconIndex(int index);

    // Appends an entry; adds nothing (and returns nullptr) while the bar has no ItemIcons.
    TExMenuItem *AddItem(const QString &caption, const QString &description, int imageIndex, int id);
    int ItemCount() const { return int(m_items.size()); }
    TExMenuItem *Item(int index) const { return m_items.at(size_t(index)).get(); }

    State GroupState() const { return m_state; }
    bool IsAnimating() const { return m_state == Expanding || m_state == Collapsing; }
    // Collapses or expands; a running animation turns back from where it is.
    void Toggle();
    // One tick of the animation (the timer calls it); does nothing unless animating.
    void AnimationStep();

    int Width() const { return m_width; }
    void SetWidth(int width) { m_width = width; }
    int FullHeight() const { return m_fullHeight; }
    int BodyHeight() const { return m_bodyHeight; }
    int TargetHeight() const { return m_targetHeight; }
    int Step() const { return m_step; }
    int StepIncrement() const { return m_stepIncrement; }
    int StepLimit() const { return m_stepLimit; }

    // Measures the entries for a group at x (its left edge); sets and returns the full body height.
    int Measure(int x);
    // Places header and body with their top at y; returns the height taken on screen.
    int Arrange(int x, int y);
    void Draw(QPainter &painter) const;

    QRect HeaderRect() const { return m_headerRect; }
    // Empty while collapsed.
    QRect BodyRect() const { return m_bodyRect; }
    TExMenuItem *ItemAt(const QPoint &point) const;

private:
    void StartAnimation();
    void FinishAnimation();
    void DrawHeader(QPainter &painter) const;
    void DrawSkinHeader(QPainter &painter, const QRect &band) const;
    void DrawPlainHeader(QPainter &painter, const QRect &band) const;
    void DrawCaption(QPainter &painter, const QRect &band) const;
    void DrawBody(QPainter &painter) const;
    bool HasIcon() const;

    TExBar *m_bar;
    QString m_caption;
    bool m_special;
    int m_iconIndex = -1;
    std::vector<std::unique_ptr<TExMenuItem>> m_items;

    State m_state = Expanded;
    int m_fullHeight = 25;
    int m_bodyHeight = 25;
    int m_targetHeight = 0;
    int m_step = 0;
    int m_stepIncrement = 1;
    int m_stepLimit = 0;
    QTimer m_timer;

    int m_width = 0;
    QRect m_headerRect;
    QRect m_bodyRect;
};

// The groups of a bar, in display order; the list owns them.
using TExGroups = std::vector<std::unique_ptr<TExGroup>>;
