#pragma once
#include "common/ui/WindowBuild.h"
#include "common/ui/ListWindow.h"

class Record;

// The articles whose stock is at or below their minimum stock; a double-click loads the article
// into the price-list card. It reads the archive and never writes it.
class TfrmSottoscorta : public ListWindow {
    Q_OBJECT
public:
    explicit TfrmSottoscorta(QWidget *parent = nullptr);
};

extern WindowHandle<TfrmSottoscorta> frmSottoscorta;

// Whether an article belongs in the low-stock list: its stock and its minimum stock are both
// numbers and the stock does not exceed the minimum. An article whose stock or minimum is not a
// number (an empty text included) is left out, and the list goes on with the next one.
bool IsLowStock(const Record &item);

// How the price-list card opens the low-stock list: owned by the card, shown modally and
// destroyed when it closes.
void OpenLowStockList(QWidget *caller);
