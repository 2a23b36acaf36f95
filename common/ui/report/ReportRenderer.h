#pragma once
#include "common/report/PreparedReport.h"

class QPagedPaintDevice;
class QPainter;

// The one renderer of prepared pages: printer, preview and PDF all draw through it, so they agree.

// Draws one page. The painter's origin is the paper's top left corner, in the device's own pixels.
void RenderReportPage(QPainter &painter, const PreparedPage &page);

// Gives a paged device (printer, PDF writer) the report's paper and orientation, drawn from the
// paper's corner.
void ApplyReportPage(const PreparedReport &report, QPagedPaintDevice &device);

// Draws pages `fromPage` to `toPage` (1-based, 0 meaning the last) on a paged device whose page has
// been set up. Throws TavorenError when the device cannot be painted on.
void RenderReport(const PreparedReport &report, QPagedPaintDevice &device, int fromPage = 1, int toPage = 0);
