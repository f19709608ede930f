#include "ui/editor/description/DescriptionEditor.h"

#include "core/AppError.h"
#include "core/ErrorGuard.h"
#include "core/Prompter.h"
#include "store/DescriptionText.h"
#include "ui/editor/description/DescriptionPage.h"
#include "ui/editor/description/EditingView.h"
#include "ui/editor/description/EditorCommand.h"

#include <QComboBox>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSaveFile>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWebEngineLoadingInfo>
#include <QWebEngineScript>
#include <memory>

const QString DescriptionEditor::SubPageFailed = QStringLiteral("Die Beschreibung konnte nicht übernommen werden.");
const QString DescriptionEditor::ImageMessage = QStringLiteral("It's an image.");

namespace {

// How long the editing view may take to load or hand over its document.
constexpr int ViewTimeoutMs = 15000;
constexpr int EditorSubPage = 0;
constexpr int HtmlSubPage = 1;

struct NamedColour {
    const char *name;
    quint32 value; // red in the lowest byte
};

constexpr NamedColour Colours[] = {
    {"Schwarz", 0x000000}, {"Kastanienbraun", 0x000080}, {"Grün", 0x008000}, {"Oliv", 0x008080},
    {"Marineblau", 0x800000}, {"Violett", 0x800080}, {"Petrol", 0x808000}, {"Grau", 0x808080},
    {"Silber", 0xC0C0C0}, {"Rot", 0x0000FF}, {"Hellgrün", 0x00FF00}, {"Gelb", 0x00FFFF},
    {"Blau", 0xFF0000}, {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00}, {"Weiß", 0xFFFFFF},
};

QIcon swatch(quint32 value)
{
    QPixmap pixmap(14, 14);
    pixmap.fill(QColor(QString(ColorToHtml(value))));
    QPainter painter(&pixmap);
    painter.setPen(Qt::darkGray);
    painter.drawRect(0, 0, 13, 13);
    return QIcon(pixmap);
}

QToolButton *styleButton(QWidget *parent, const char *name, const char *letter, const char *tip, QFont font)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(QString::fromUtf8(letter));
    button->setToolTip(QString::fromUtf8(tip));
    button->setAccessibleName(QString::fromUtf8(tip));
    button->setFont(font);
    button->setFocusPolicy(Qt::NoFocus); // the selection in the view stays
    button->setAutoRaise(true);
    return button;
}

QComboBox *toolCombo(QWidget *parent, const char *name, const char *accessibleName, const QStringList &items)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setAccessibleName(QString::fromUtf8(accessibleName));
    combo->setToolTip(QString::fromUtf8(accessibleName));
    combo->addItems(items);
    combo->setFocusPolicy(Qt::ClickFocus);
    return combo;
}

} // namespace

DescriptionEditor::DescriptionEditor(QString programDir, QWidget *parent)
    : QWidget(parent), m_programDir(std::move(programDir))
{
    setObjectName(QStringLiteral("DescriptionEditor"));
    PageControl2 = new QTabWidget(this);
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    PageControl2->setDocumentMode(true);

    TabSheet4 = new QWidget;
    TabSheet4->setObjectName(QStringLiteral("TabSheet4"));
    WebBrowser2 = new EditingView(TabSheet4);
    WebBrowser2->setObjectName(QStringLiteral("WebBrowser2"));
    WebBrowser2->setToolTip(QStringLiteral("Schreiben Sie hier Ihren Text. (KEIN QUELLCODE!!)"));
    WebBrowser2->setAccessibleName(QStringLiteral("Beschreibung (Editor)"));
    auto *editorLayout = new QVBoxLayout(TabSheet4);
    editorLayout->setContentsMargins(0, 0, 0, 0);
    editorLayout->addWidget(createToolbar());
    editorLayout->addWidget(WebBrowser2, 1);
    PageControl2->addTab(TabSheet4, QStringLiteral("&Editor"));

    TabSheet6 = new QWidget;
    TabSheet6->setObjectName(QStringLiteral("TabSheet6"));
    Beschreibung = new QPlainTextEdit(TabSheet6);
    Beschreibung->setObjectName(QStringLiteral("Beschreibung"));
    Beschreibung->setAccessibleName(QStringLiteral("Beschreibung (HTML)"));
    Beschreibung->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Beschreibung->setPlainText(QStringLiteral("<HTML>\n</HTML>"));
    auto *htmlLayout = new QVBoxLayout(TabSheet6);
    htmlLayout->setContentsMargins(0, 0, 0, 0);
    htmlLayout->addWidget(Beschreibung);
    PageControl2->addTab(TabSheet6, QStringLiteral("&HTML"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageControl2);
    connectHandlers();

    WebBrowser2->descriptionPage()->loadOwn(QUrl(QStringLiteral("about:blank")));
}

QWidget *DescriptionEditor::createToolbar()
{
    auto *bar = new QWidget(TabSheet4);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    BlockFormatCombo = toolCombo(bar, "BlockFormatCombo", "Absatzformat",
                                 {QStringLiteral("Normal"), QStringLiteral("Überschrift 1"), QStringLiteral("Überschrift 2"),
                                  QStringLiteral("Überschrift 3"), QStringLiteral("Überschrift 4"),
                                  QStringLiteral("Überschrift 5"), QStringLiteral("Überschrift 6"),
                                  QStringLiteral("Nummerierte Liste"), QStringLiteral("Aufzählung")});
    BlockFormatCombo->setEditable(true);
    BlockFormatCombo->setInsertPolicy(QComboBox::NoInsert);
    JustifyCombo = toolCombo(bar, "JustifyCombo", "Ausrichtung",
                             {QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")});
    TextFontCombo = toolCombo(bar, "TextFontCombo", "Schriftart",
                              {QStringLiteral("(Default)"), QStringLiteral("Arial"), QStringLiteral("Courier New"),
                               QStringLiteral("Times New Roman")});
    TextSizeCombo = toolCombo(bar, "TextSizeCombo", "Schriftgröße",
                              {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                               QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7")});
    TextSizeCombo->setCurrentIndex(3);
    TextColorCombo = toolCombo(bar, "TextColorCombo", "Schriftfarbe", {});
    fillColours();

    QFont boldFont = font();
    boldFont.setBold(true);
    QFont underlinedFont = font();
    underlinedFont.setUnderline(true);
    QFont italicFont = font();
    italicFont.setItalic(true);
    Image4 = styleButton(bar, "Image4", "F", "Fett", boldFont);
    Image5 = styleButton(bar, "Image5", "U", "Unterstrichen", underlinedFont);
    Image6 = styleButton(bar, "Image6", "K", "Kursiv", italicFont);

    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(2, 2, 2, 2);
    for (QWidget *control : std::initializer_list<QWidget *>{BlockFormatCombo, JustifyCombo, TextFontCombo,
                                                             TextSizeCombo, TextColorCombo, Image4, Image5, Image6})
        layout->addWidget(control);
    layout->addStretch(1);
    return bar;
}

void DescriptionEditor::fillColours()
{
    for (const NamedColour &colour : Colours)
        TextColorCombo->addItem(swatch(colour.value), QString::fromUtf8(colour.name), colour.value);
}

void DescriptionEditor::connectHandlers()
{
    connect(PageControl2, &QTabWidget::currentChanged, this, &DescriptionEditor::PageControl2Change);
    connect(WebBrowser2->descriptionPage(), &QWebEnginePage::loadFinished, this,
            &DescriptionEditor::EnableDesignMode);
    connect(WebBrowser2, &EditingView::doubleClicked, this, &DescriptionEditor::EditorDblClick);
    connect(BlockFormatCombo, &QComboBox::textActivated, this, &DescriptionEditor::BlockFormatComboChange);
    connect(JustifyCombo, &QComboBox::activated, this, &DescriptionEditor::JustifyComboChange);
    connect(TextFontCombo, &QComboBox::activated, this, &DescriptionEditor::TextFontComboChange);
    connect(TextSizeCombo, &QComboBox::activated, this, &DescriptionEditor::TextSizeComboChange);
    connect(TextColorCombo, &QComboBox::activated, this, &DescriptionEditor::TextColorComboChange);
    connect(Image4, &QToolButton::clicked, this, &DescriptionEditor::Image4Click);
    connect(Image5, &QToolButton::clicked, this, &DescriptionEditor::Image5Click);
    connect(Image6, &QToolButton::clicked, this, &DescriptionEditor::Image6Click);
}

QString DescriptionEditor::TempEditFile() const
{
    return m_programDir + QStringLiteral("temp_edit.html");
}

QString DescriptionEditor::description() const
{
    return Beschreibung->toPlainText();
}

void DescriptionEditor::loadDescription(const QString &stored)
{
    QString text = DescriptionText::withoutGermanMarker(stored);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Beschreibung->setPlainText(text);
    m_state = LoadedTextPending;
}

bool DescriptionEditor::SyncDescription(bool descriptionPageEntered)
{
    if (descriptionPageEntered || m_state == LoadedTextPending) {
        const bool ok = memoToView();
        // A view that did not receive the text must not hand back a stale one.
        m_state = ok && descriptionPageEntered ? ViewIsLive : MemoIsLive;
        if (!ok && descriptionPageEntered) {
            const QSignalBlocker quiet(PageControl2);
            PageControl2->setCurrentIndex(HtmlSubPage);
        }
        return ok;
    }
    if (m_state != ViewIsLive)
        return true;
    const bool ok = PageControl2->currentIndex() == EditorSubPage ? viewToMemo() : memoToView();
    // On failure the view keeps the live text, and the next change tries again.
    if (ok)
        m_state = MemoIsLive;
    return ok;
}

void DescriptionEditor::PageControl2Change(int index)
{
    runGuarded([this, index] {
        const bool ok = index == HtmlSubPage ? viewToMemo() : memoToView();
        if (!ok)
            throw AppError(SubPageFailed);
    });
}

void DescriptionEditor::EnableDesignMode()
{
    WebBrowser2->descriptionPage()->runOwnScript(QStringLiteral("document.designMode = 'on';"));
}

void DescriptionEditor::EditorDblClick(const QPoint &position)
{
    const double zoom = WebBrowser2->zoomFactor();
    const QString script = QStringLiteral("(function() { var e = document.elementFromPoint(%1, %2); "
                                          "return e ? e.tagName : ''; })()")
                               .arg(position.x() / zoom)
                               .arg(position.y() / zoom);
    WebBrowser2->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld, [](const QVariant &tag) {
        if (tag.toString().compare(QLatin1String("IMG"), Qt::CaseInsensitive) == 0)
            prompter().showMessage(ImageMessage);
    });
}

void DescriptionEditor::BlockFormatComboChange()
{
    run(EditorCommand::blockFormat(BlockFormatCombo->currentText()));
}

void DescriptionEditor::JustifyComboChange()
{
    run(EditorCommand::justify(JustifyCombo->currentText()));
}

void DescriptionEditor::TextFontComboChange()
{
    run(EditorCommand::fontName(TextFontCombo->currentIndex(), TextFontCombo->currentText()));
}

void DescriptionEditor::TextSizeComboChange()
{
    run(EditorCommand::fontSize(TextSizeCombo->currentText()));
}

void DescriptionEditor::TextColorComboChange()
{
    run(EditorCommand::foreColor(TextColorCombo->currentData().toUInt()));
}

void DescriptionEditor::Image4Click()
{
    run(EditorCommand::bold());
}

void DescriptionEditor::Image5Click()
{
    run(EditorCommand::underline());
}

void DescriptionEditor::Image6Click()
{
    run(EditorCommand::italic());
}

void DescriptionEditor::run(const EditorCommand &command)
{
    WebBrowser2->descriptionPage()->runOwnScript(command.script());
    WebBrowser2->setFocus();
}

bool DescriptionEditor::memoToView()
{
    if (!writeTempEditFile(Beschreibung->toPlainText()))
        return false;
    const QUrl url = QUrl::fromLocalFile(TempEditFile());
    WebBrowser2->descriptionPage()->loadOwn(url);
    return waitForOwnLoad(url);
}

bool DescriptionEditor::viewToMemo()
{
    const std::optional<QString> document = viewDocument();
    if (!document || !writeTempEditFile(*document))
        return false;
    Beschreibung->setPlainText(DescriptionText::extractBody(*document));
    return true;
}

std::optional<QString> DescriptionEditor::viewDocument()
{
    auto document = std::make_shared<std::optional<QString>>();
    QEventLoop loop;
    QPointer<QEventLoop> waiting(&loop);
    WebBrowser2->page()->toHtml([document, waiting](const QString &html) {
        *document = html;
        if (waiting)
            waiting->quit();
    });
    if (!document->has_value()) {
        QTimer::singleShot(ViewTimeoutMs, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    return *document;
}

bool DescriptionEditor::writeTempEditFile(const QString &text) const
{
    // The byte order mark tells the view the encoding: every character comes back as it went.
    QSaveFile file(TempEditFile());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("\xEF\xBB\xBF");
    file.write(text.toUtf8());
    return file.commit();
}

bool DescriptionEditor::waitForOwnLoad(const QUrl &url)
{
    std::optional<bool> loaded;
    QEventLoop loop;
    connect(WebBrowser2->descriptionPage(), &QWebEnginePage::loadingChanged, &loop,
            [&loaded, &loop, url](const QWebEngineLoadingInfo &info) {
                if (info.url() != url || info.status() == QWebEngineLoadingInfo::LoadStartedStatus)
                    return;
                loaded = info.status() == QWebEngineLoadingInfo::LoadSucceededStatus;
                loop.quit();
            });
    QTimer::singleShot(ViewTimeoutMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return loaded.value_or(false);
}
