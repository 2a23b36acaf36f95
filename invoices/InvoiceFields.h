#pragma once

class TfrmFatture;

// The Enter chains of the invoice card and the rule of its issuer's province box:
// - the head and foot form one closed cycle, txtDitta .. txtIban, txtNote, back to txtDitta; the
//   VAT rate leads into it at txtNote and no field leads to the VAT rate;
// - each article line has a path of its own, quantity, code, description, price, discount, ending
//   at the line's exemption box: no line leads into another line, the head or the foot, so Enter
//   never reaches a field on a page that is not shown;
// - the issuer's province keeps the text it holds when the focus leaves (what is typed there is
//   still trimmed and upper-cased); the customer's is tidied as every code box.
// The highlights, key filters and upper-casing come with the card's field table.
void InstallInvoiceFields(TfrmFatture &card);
