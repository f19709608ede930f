#include "ui/editor/ShippingRules.h"

namespace ShippingRules {

QStringList designMethods()
{
    return {QStringLiteral("DHL"), QStringLiteral("DPD"), QStringLiteral("E-mail"), QStringLiteral("GLS"),
            QStringLiteral("HERMES"), QStringLiteral("nicht erforderlich"), QStringLiteral("Post-Brief"),
            QStringLiteral("Post-Büchersendung"), QStringLiteral("Post-Warensendung"), QStringLiteral("Selbstabholung"),
            QStringLiteral("Spedition"), QStringLiteral("UPS")};
}

QStringList designInsurances()
{
    return {QStringLiteral("Wird nicht angeboten"), QStringLiteral("Optional"), QStringLiteral("Erforderlich"),
            QStringLiteral("Im Versand enthalten")};
}

QStringList informationList()
{
    static const char *const kinds[] = {"Kostenloser Versand", "Post Brief", "Post Bücher - Warensendung",
                                        "Post Einschreiben", "Nachnahmesendung", "DHL Päckchen", "DHL Packet",
                                        "Express Versand", "UPS Versand", "GLS Versand", "DPD Versand",
                                        "Hermes Versand", "Iloxx Versand", "Sonstige"};
    QStringList entries{QStringLiteral("Kein Versand, nur Abholung"), QStringLiteral("Abholung Vorort möglich")};
    for (const char *region : {"Inland", "Ausland"}) {
        for (const char *kind : kinds)
            entries << QString::fromUtf8(kind) + QStringLiteral(" (") + QString::fromLatin1(region) + QLatin1Char(')');
    }
    return entries;
}

Panel panelForMode(int mode)
{
    Panel panel;
    panel.methods = designMethods();
    panel.insurances = designInsurances();
    switch (mode) {
    case 1:
        panel.detailsShown = true;
        panel.insuranceListShown = false;
        break;
    case 2:
    case 3:
        panel.detailsShown = true;
        panel.secondRowShown = false;
        break;
    case 4:
        panel.detailsShown = true;
        panel.secondRowLabelShown = false;
        panel.firstRowCaption = QStringLiteral("Versandinformation");
        panel.methodListShown = false;
        panel.firstCostShown = false;
        panel.methods = informationList();
        panel.insurances = informationList();
        break;
    default:
        break;
    }
    return panel;
}

} // namespace ShippingRules
