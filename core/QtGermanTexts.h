#pragma once

// Qt's own German texts: the captions of standard buttons ("Ja", "Nein", "Abbrechen") and
// of Qt's dialogs, from the translation Debian installs with qt6-translations-l10n.
class QtGermanTexts {
public:
    // Installs the translation into the running application once; false when it is not
    // installed on this machine (Qt's English texts stay).
    static bool install();
};
