#pragma once

#include <QString>
#include <QWidget>
#include <optional>

class EditingView;
class QComboBox;
class QPlainTextEdit;
class QTabWidget;
class QToolButton;
struct EditorCommand;

// The page "Beschreibung" of the listing editor: the description written visually in an
// editing view with a formatting toolbar, or as HTML source in the memo. The memo is the
// description's home; the two exchange the text through the working file temp_edit.html
// in the program's directory, whole and in any script the seller writes.
class DescriptionEditor final : public QWidget {
    Q_OBJECT
public:
    // Where the live text is.
    enum State {
        MemoIsLive = 0,
        ViewIsLive = 1,
        LoadedTextPending = 2,
    };

    static const QString SubPageFailed;
    static const QString ImageMessage;

    explicit DescriptionEditor(QString programDir, QWidget *parent = nullptr);

    QTabWidget *PageControl2;
    QWidget *TabSheet4;
    QWidget *TabSheet6;
    QComboBox *BlockFormatCombo;
    QComboBox *JustifyCombo;
    QComboBox *TextFontCombo;
    QComboBox *TextSizeCombo;
    QComboBox *TextColorCombo;
    QToolButton *Image4;
    QToolButton *Image5;
    QToolButton *Image6;
    EditingView *WebBrowser2;
    QPlainTextEdit *Beschreibung;

    int DescriptionState() const { return m_state; }
    void setDescriptionState(int state) { m_state = state; }
    QString TempEditFile() const;

    // The description as the memo holds it.
    QString description() const;
    // A stored description: shown in the memo without its "<##DE##>" markers, and handed
    // to the editing view at the next page change.
    void loadDescription(const QString &stored);

    // Brings memo and view in step when the main page changes; descriptionPageEntered
    // tells whether the new page is "Beschreibung". False when the text could not be
    // exchanged: the live text then stays where it was.
    bool SyncDescription(bool descriptionPageEntered);

    void PageControl2Change(int index);
    void EnableDesignMode();
    void EditorDblClick(const QPoint &position);

    void BlockFormatComboChange();
    void JustifyComboChange();
    void TextFontComboChange();
    void TextSizeComboChange();
    void TextColorComboChange();
    void Image4Click();
    void Image5Click();
    void Image6Click();

    // The document the editing view holds now; nothing when it does not answer in time.
    std::optional<QString> viewDocument();

private:
    QWidget *createToolbar();
    void fillColours();
    void connectHandlers();
    void run(const EditorCommand &command);

    bool memoToView();
    bool viewToMemo();
    bool writeTempEditFile(const QString &text) const;
    bool waitForOwnLoad(const QUrl &url);

    QString m_programDir;
    int m_state = MemoIsLive;
};
