#include "exchange/MarkupLimits.h"

#include <gtest/gtest.h>

TEST(MarkupLimits, FindsTheFirstTagWithTooManyAttributes)
{
    struct Case {
        const char *xml;
        qsizetype crowded;
    };
    const Case cases[] = {
        {"", -1},
        {"<a x=\"1\" y=\"2\"/>", -1},
        {"<a x=\"1\" y=\"2\" z=\"3\"/>", 0},
        {"<r><a x='1'/><b x='1' y='2' z='3'></b></r>", 13},
        // Equal signs inside quotes, text, comments, CDATA and instructions are no attributes.
        {"<a x=\"1=2=3=4\">a=b=c=d</a>", -1},
        {"<!-- <a x=1 y=2 z=3> --><r/>", -1},
        {"<r><![CDATA[<a x=1 y=2 z=3>]]></r>", -1},
        {"<?xml version=\"1.0\" encoding=\"x\" standalone=\"yes\"?><r/>", -1},
        {"<!DOCTYPE r SYSTEM \"a=b=c=d\"><r/>", -1},
        // An unclosed tag or comment ends the scan without reading past the end.
        {"<r><a x=1 y=2", -1},
        {"<r><!-- open", -1},
        {"<r><a x=1 y=2 z=3 w=4", 3},
    };
    for (const Case &c : cases)
        EXPECT_EQ(MarkupLimits::firstCrowdedTag(c.xml, 2), c.crowded) << c.xml;
}
