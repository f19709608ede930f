#include "ui/editor/description/EditingView.h"

#include "ui/editor/description/DescriptionPage.h"

#include <QChildEvent>
#include <QMouseEvent>

EditingView::EditingView(QWidget *parent) : QWebEngineView(parent), m_page(new DescriptionPage(this))
{
    setPage(m_page);
}

bool EditingView::event(QEvent *event)
{
    // The widget that receives the mouse is created by the view when it first renders.
    if (event->type() == QEvent::ChildAdded) {
        if (auto *child = qobject_cast<QWidget *>(static_cast<QChildEvent *>(event)->child()))
            child->installEventFilter(this);
    }
    return QWebEngineView::event(event);
}

bool EditingView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton) {
            auto *child = static_cast<QWidget *>(watched);
            emit doubleClicked(child->mapTo(this, mouse->position().toPoint()));
        }
    }
    return QWebEngineView::eventFilter(watched, event);
}
