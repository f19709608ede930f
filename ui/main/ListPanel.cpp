#include "ui/main/ListPanel.h"

#include "store/ListKinds.h"
#include "ui/main/ListRowFormatter.h"
#include "ui/main/ShadowLabel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int TitleMinWidth = 100;
constexpr int TitleMaxWidth = 300;

const char *ListStyle =
    "QTreeWidget { background: white; alternate-background-color: #faf7ee; }"
    "QTreeWidget::item { border-right: 1px solid #e2ded2; border-bottom: 1px solid #e2ded2; padding: 1px 3px; }"
    "QTreeWidget::item:hover { background: #e9f1fb; }"
    "QTreeWidget::item:selected { background: palette(highlight); color: palette(highlighted-text); }";

bool isAmountColumn(const QString &caption)
{
    return caption == QLatin1String("Anzahl") || caption == QLatin1String("Startpreis")
        || caption == QLatin1String("Sofortkauf Preis") || caption == QLatin1String("Gebote")
        || caption == QLatin1String("höchst Gebot");
}

// The column widths were chosen for an 8-point UI font; wider fonts widen them alike.
double widthScale(const QWidget *list)
{
    constexpr double DesignedCharWidth = 5.0;
    return std::max(1.0, list->fontMetrics().averageCharWidth() / DesignedCharWidth);
}

// At least the scaled width, and wide enough for the caption and the longest type text.
int fittingWidth(const QTreeWidget *list, const QString &caption, double scaledWidth)
{
    const QFontMetrics metrics = list->fontMetrics();
    int needed = metrics.horizontalAdvance(caption) + 20;
    if (caption == QLatin1String("Auktionstyp"))
        needed = std::max(needed, metrics.horizontalAdvance(QStringLiteral("Höchstgebot/Festpreis")) + 16);
    return std::max(static_cast<int>(scaledWidth), needed);
}

QPushButton *pagingButton(const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::TabFocus);
    button->setFixedWidth(36);
    return button;
}

} // namespace

ListPanel::ListPanel(const Design &design, QWidget *parent) : QFrame(parent), m_listKind(design.listKind)
{
    setObjectName(QLatin1String(design.panelName));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildHeader(design));
    buildList();
    m_list->setObjectName(QLatin1String(design.listName));
    m_pageLabel->setObjectName(QLatin1String(design.pageLabelName));
    layout->addWidget(m_list, 1);
}

QWidget *ListPanel::buildHeader(const Design &design)
{
    auto *strip = new QFrame(this);
    strip->setObjectName(QStringLiteral("HeaderStrip"));
    // Light titles need a dark strip to be read; dark ones a light strip.
    strip->setStyleSheet(design.text == QColor(Qt::white) || !design.text.isValid()
            ? QStringLiteral("#HeaderStrip { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #6d8a45,"
                             " stop:1 #4b6527); border-bottom: 1px solid #3a4f1d; }")
            : QStringLiteral("#HeaderStrip { background: #f4efdf; border-bottom: 1px solid #d9d2bb; }"));
    auto *row = new QHBoxLayout(strip);
    row->setContentsMargins(8, 4, 6, 4);
    row->addWidget(new ShadowLabel(design.title, design.shadow, design.text, strip));
    row->addStretch(1);
    if (!ListKinds::isPrepared(m_listKind)) {
        auto *note = new QLabel(QStringLiteral("Die Daten können von den Orginalen abweichen!"), strip);
        note->setObjectName(QStringLiteral("DownloadNote"));
        note->setStyleSheet(QStringLiteral(
            "color: red; font-weight: bold; background: white; border-radius: 4px; padding: 1px 6px;"));
        row->addWidget(note);
        row->addSpacing(16);
    }
    if (m_listKind == ListKinds::TransferList) {
        m_check = new QPushButton(QStringLiteral("Auktions-Check"), strip);
        m_check->setObjectName(QStringLiteral("AuctionCheckButton"));
        m_check->setAutoDefault(false);
        row->addWidget(m_check);
        row->addSpacing(16);
    }
    m_pageLabel = new QLabel(QStringLiteral("0/0"), strip);
    m_pageLabel->setMinimumWidth(48);
    m_pageLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_pageLabel->setStyleSheet(QStringLiteral("background: white; border-radius: 4px; padding: 1px 6px;"));
    m_back = pagingButton(QStringLiteral("<<"), strip);
    m_back->setObjectName(QStringLiteral("BackButton"));
    m_forward = pagingButton(QStringLiteral(">>"), strip);
    m_forward->setObjectName(QStringLiteral("ForwardButton"));
    row->addWidget(m_pageLabel);
    row->addSpacing(6);
    row->addWidget(m_back);
    row->addWidget(m_forward);
    return strip;
}

void ListPanel::buildList()
{
    m_list = new QTreeWidget(this);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(ListKinds::isPrepared(m_listKind) ? QAbstractItemView::SelectRows
                                                                    : QAbstractItemView::SelectItems);
    m_list->setAllColumnsShowFocus(ListKinds::isPrepared(m_listKind));
    m_list->setMouseTracking(true);
    m_list->setIconSize(QSize(16, 16));
    m_list->setStyleSheet(QLatin1String(ListStyle));
    m_list->setColumnCount(ListRowFormatter::columnCount(m_listKind));

    const QStringList captions = ListRowFormatter::columnCaptions(m_listKind);
    QStringList headers = captions;
    while (headers.size() < m_list->columnCount())
        headers.append(QString());
    m_list->setHeaderLabels(headers);
    QHeaderView *header = m_list->header();
    header->setStretchLastSection(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const QList<int> widths = ListRowFormatter::columnWidths(m_listKind);
    const double scale = widthScale(m_list);
    for (int column = 0; column < m_list->columnCount(); ++column) {
        if (column >= captions.size()) {
            m_list->setColumnHidden(column, true);
            continue;
        }
        if (widths.value(column) > 0)
            m_list->setColumnWidth(column, fittingWidth(m_list, captions.at(column), widths.value(column) * scale));
        if (isAmountColumn(captions.at(column)))
            m_amountColumns.append(column);
    }
    if (ListKinds::isPrepared(m_listKind)) {
        header->setStretchLastSection(true);
        m_list->setColumnWidth(0, static_cast<int>(TitleMaxWidth * scale));
    } else {
        header->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] { emit rowActivated(); });
}

void ListPanel::setIcons(const QIcon &picture, const QIcon &unchecked)
{
    // Rows without a picture keep the icon's room, so every title starts at the same place.
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    m_noIcon = QIcon(blank);
    m_pictureIcon = picture;
    m_uncheckedIcon = unchecked;
}

void ListPanel::clearRows()
{
    m_list->clear();
}

QIcon ListPanel::iconFor(int icon) const
{
    switch (icon) {
    case ListRowTexts::PictureIcon: return m_pictureIcon;
    case ListRowTexts::UncheckedIcon: return m_uncheckedIcon;
    default: return m_noIcon;
    }
}

QTreeWidgetItem *ListPanel::newItem(const ListRowTexts &texts) const
{
    auto *item = new QTreeWidgetItem;
    setRow(item, texts);
    return item;
}

void ListPanel::setRow(QTreeWidgetItem *item, const ListRowTexts &texts) const
{
    item->setText(0, texts.caption);
    for (int i = 0; i < texts.subItems.size() && i + 1 < m_list->columnCount(); ++i)
        item->setText(i + 1, texts.subItems.at(i));
    item->setIcon(0, iconFor(texts.icon));
    item->setData(0, IconRole, texts.icon);
    for (int column : m_amountColumns)
        item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
}

void ListPanel::appendRows(const std::vector<ListRowTexts> &rows)
{
    QList<QTreeWidgetItem *> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (const ListRowTexts &row : rows)
        items.append(newItem(row));
    m_list->addTopLevelItems(items);
    fitTitleColumn();
}

void ListPanel::fitTitleColumn()
{
    if (!ListKinds::isPrepared(m_listKind))
        return;
    m_list->resizeColumnToContents(0);
    const double scale = widthScale(m_list);
    m_list->setColumnWidth(0, std::clamp(m_list->columnWidth(0), static_cast<int>(TitleMinWidth * scale),
                                  static_cast<int>(TitleMaxWidth * scale)));
}

QTreeWidgetItem *ListPanel::appendEmptyRow(const QString &listingId)
{
    auto *item = new QTreeWidgetItem;
    item->setText(m_list->columnCount() - 1, listingId);
    m_list->addTopLevelItem(item);
    return item;
}

QTreeWidgetItem *ListPanel::findRow(const QString &listingId) const
{
    const int idColumn = m_list->columnCount() - 1;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = m_list->topLevelItem(i);
        if (item->text(idColumn) == listingId)
            return item;
    }
    return nullptr;
}

std::optional<int> ListPanel::selectedListingId() const
{
    const QList<QTreeWidgetItem *> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    bool ok = false;
    const int id = selected.first()->text(m_list->columnCount() - 1).toInt(&ok);
    return ok ? std::optional<int>(id) : std::nullopt;
}
