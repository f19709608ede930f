#pragma once

#include <QString>
#include <QStringList>

// What the shipping group offers once the buyer pays the shipping, by the auction house's
// shipping mode (versandangabe), and the lists it fills.
namespace ShippingRules {

struct Panel {
    // The panel "costs now or later"; without it no shipping details can be given.
    bool detailsShown = false;
    // First row: label, method list, cost field with its currency label.
    QString firstRowCaption = QStringLiteral("Verpackung && Versand");
    bool methodListShown = true;
    bool firstCostShown = true;
    // Second row: its label, the insurance list, its cost field with the currency label.
    bool secondRowShown = true;
    bool secondRowLabelShown = true;
    bool insuranceListShown = true;
    QStringList methods;
    QStringList insurances;
};

// Mode 1: no insurance list; 2 and 3: no second row; 4: the second row reads shipping
// information and its cost; other modes: no details.
Panel panelForMode(int mode);

QStringList designMethods();
QStringList designInsurances();
// The 30 entries of mode 4: two pick-up entries, then fourteen each for "Inland" and "Ausland".
QStringList informationList();

} // namespace ShippingRules
