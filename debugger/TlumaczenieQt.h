#pragma once
// Qt's own texts in Polish: the standard buttons of message boxes and the
// file dialogs read "Tak", "Nie", "Anuluj".

class QCoreApplication;

namespace kelbra {

// Installs the translation into the application; false when it is missing.
bool ZaladujTlumaczenieQt(QCoreApplication& aplikacja);

}  // namespace kelbra
