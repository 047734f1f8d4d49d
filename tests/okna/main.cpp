// Window tests share one application object on the offscreen platform.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

namespace {

// The offscreen platform reports every size hint it ignores; nothing else is
// muted.
QtMessageHandler domyslna = nullptr;
void Komunikaty(QtMsgType typ, const QMessageLogContext& kontekst, const QString& tekst) {
  if (tekst.contains("propagateSizeHints")) return;
  domyslna(typ, kontekst, tekst);
}

}  // namespace

int main(int argc, char** argv) {
  domyslna = qInstallMessageHandler(Komunikaty);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Copies of unsaved text go to a folder of the run's own, never the
  // user's.
  QTemporaryDir stan;
  qputenv("XDG_STATE_HOME", stan.path().toLocal8Bit());
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
