#pragma once
#include "common/report/PreparedReport.h"

#include <QRectF>
#include <gtest/gtest.h>
#include <initializer_list>

// A text object a printout must hold: its name, its printed text and its place in millimetres.
struct PrintedText {
    const char *object;
    const char *text;
    QRectF mm;
};

// Checks that the report holds each object with that text at that place.
inline void ExpectPrintedTexts(const PreparedReport &report, std::initializer_list<PrintedText> objects)
{
    for (const PrintedText &o : objects) {
        SCOPED_TRACE(o.object);
        const PreparedText *t = report.findText(o.object);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->text, QString::fromUtf8(o.text));
        EXPECT_EQ(t->rect, o.mm);
    }
}
