#pragma once

#include <QString>
#include <QStringList>

// Where the translation catalogues lie. QtCore only: --version lists them
// before any application object exists.
namespace LanguageFolder {

// "languages" beside the program when it is there (a build tree, a copied
// folder), otherwise the installed data folder reached from the program's own
// folder, so an unpacked package finds its catalogues too.
QString find(const QString &programDirectory);

// The program's folder, also when no application object exists yet.
QString programDirectory();

// Language codes of the catalogues "<stem><code>.qm" in the folder, in the
// folder's own order.
QStringList codes(const QString &folder, const QString &stem);

} // namespace LanguageFolder
