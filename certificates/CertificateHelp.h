#pragma once
#include <QString>
#include <QStringList>

// The help of the certificates menu and of every certificate card: its title and its fifteen
// paragraphs.
QString CertificateHelpTitle();
QStringList CertificateHelpParagraphs();
// The paragraphs joined by an empty line, as the help window shows them.
QString CertificateHelpText();
