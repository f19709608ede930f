#pragma once

// Makes the program's self-drawn and composite controls readable and operable for
// assistive tools: the side bar's groups and entries, and tool buttons, also those with
// a drop-down menu. Installed once, before the first such control is created.
class WidgetAccessibility {
public:
    static void install();
};
