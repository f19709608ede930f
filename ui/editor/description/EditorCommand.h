#pragma once

#include <QString>

// One editing command of the description toolbar, as the HTML document's execCommand
// receives it.
struct EditorCommand {
    QString name;
    bool showUserInterface = false;
    QString value;

    static EditorCommand bold();
    static EditorCommand underline();
    static EditorCommand italic();
    // "Left", "Center" or "Right".
    static EditorCommand justify(const QString &alignment);
    // Position 0 is "(Default)": the font is removed, not named.
    static EditorCommand fontName(int position, const QString &font);
    // "1" to "7".
    static EditorCommand fontSize(const QString &size);
    // A colour value with red in its lowest byte, green in the next and blue in the third.
    static EditorCommand foreColor(quint32 colour);
    // An entry of the block-format list, or whatever the seller typed into it.
    static EditorCommand blockFormat(const QString &format);

    // The script that runs the command on the document.
    QString script() const;

    bool operator==(const EditorCommand &other) const;
};

// "#RRGGBB" of a colour value with red in its lowest byte; a higher fourth byte is ignored.
QString ColorToHtml(quint32 colour);
