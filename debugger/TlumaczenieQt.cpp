#include "TlumaczenieQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kelbra {

bool ZaladujTlumaczenieQt(QCoreApplication& aplikacja) {
  auto* tlumaczenie = new QTranslator(&aplikacja);
  if (!tlumaczenie->load(QLocale(QLocale::Polish), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete tlumaczenie;
    return false;
  }
  return QCoreApplication::installTranslator(tlumaczenie);
}

}  // namespace kelbra
