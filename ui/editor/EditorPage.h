#pragma once

// The main pages of the listing editor, in the order of its tabs.
enum class EditorPage {
    AuctionData,  // "Auktionsdaten"
    General,      // "Allgemein"
    Description,  // "Beschreibung"
    Presentation, // "Darstellung, Zahlung & Versand"
    End,          // "Ende"
};
