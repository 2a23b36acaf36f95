#pragma once
#include <functional>

class QLineEdit;

// The number edits of the invoice card's lines and foot.
enum class InvoiceNumberKind {
    Quantity,   // txtQuantNN: up to 6 characters, shortest form on exit
    Discount,   // txtPercScontoNN: up to 6 characters, shortest form on exit
    Rate,       // txtPercIva: up to 10 characters, shortest form on exit
    UnitPrice,  // txtPrezzoNN: up to 10 characters, at least two decimals on exit
};

// The most characters the user can type into an edit of that kind.
int InvoiceNumberMaxLength(InvoiceNumberKind kind);

// Installs the key and exit rules of an invoice number edit:
// - typing admits digits and the comma only, up to the kind's length (`AmountKeyFilter`);
// - every key pressed in the edit, Enter, arrows and swallowed keys included, first calls `onKey`
//   (where the card empties the line's amount and the totals); Tab and Shift+Tab do not;
// - leaving the edit for another control writes back `NormalizeNumberText`, or for a unit price
//   `UnitPriceExitText`, of its text; a window losing activation leaves the text alone.
// The edit's EditRules are replaced by the amount rule. Where Enter moves the focus is the card's
// Enter chain. An event filter installed on the edit after these sees each key first: a key it
// swallows never reaches `onKey`.
void InstallInvoiceNumberRules(QLineEdit *edit, InvoiceNumberKind kind, std::function<void()> onKey);

// What the commands that work out the figures (Calcola, Save, print, preview, PDF) do first with
// every number edit, focused or not: a text that reads as a number, or a blank one, gets the exit
// rule of its kind, as though the edit had been left; a text that is not a number is left as it
// stands for the calculation to name. An edit without the invoice number rules is left alone.
void TidyInvoiceNumberEdit(QLineEdit *edit);
