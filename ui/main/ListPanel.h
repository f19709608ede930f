#pragma once

#include "ui/main/ListRowTexts.h"

#include <QFrame>
#include <QIcon>
#include <optional>
#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// One of the five list panels: a header strip with title, page label and paging buttons
// above a list in report view.
class ListPanel : public QFrame {
    Q_OBJECT
public:
    struct Design {
        int listKind;
        const char *panelName;
        const char *listName;
        const char *pageLabelName;
        QString title;
        QColor shadow;
        QColor text; // invalid: the title has no shadow
    };
    // The role under which each row keeps its icon number (ListRowTexts::icon).
    static constexpr int IconRole = Qt::UserRole + 1;

    ListPanel(const Design &design, QWidget *parent = nullptr);

    int listKind() const { return m_listKind; }
    QTreeWidget *list() const { return m_list; }
    QLabel *pageLabel() const { return m_pageLabel; }
    QPushButton *backButton() const { return m_back; }
    QPushButton *forwardButton() const { return m_forward; }
    // "Auktions-Check" on the transfer list; null on the other panels.
    QPushButton *checkButton() const { return m_check; }

    void setIcons(const QIcon &picture, const QIcon &unchecked);
    void clearRows();
    void appendRows(const std::vector<ListRowTexts> &rows);
    QTreeWidgetItem *appendEmptyRow(const QString &listingId);
    // The row whose last sub-item is the listing's id, or null.
    QTreeWidgetItem *findRow(const QString &listingId) const;
    void setRow(QTreeWidgetItem *item, const ListRowTexts &texts) const;
    // The id of the selected listing; none without a selection.
    std::optional<int> selectedListingId() const;

signals:
    void rowActivated();

private:
    QWidget *buildHeader(const Design &design);
    void buildList();
    void fitTitleColumn();
    QTreeWidgetItem *newItem(const ListRowTexts &texts) const;
    QIcon iconFor(int icon) const;

    int m_listKind;
    QTreeWidget *m_list = nullptr;
    QLabel *m_pageLabel = nullptr;
    QPushButton *m_back = nullptr;
    QPushButton *m_forward = nullptr;
    QPushButton *m_check = nullptr;
    QList<int> m_amountColumns;
    QIcon m_pictureIcon;
    QIcon m_uncheckedIcon;
    QIcon m_noIcon;
};
