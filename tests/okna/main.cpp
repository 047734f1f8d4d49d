// Window tests share one application object on the offscreen platform.

#include <gtest/gtest.h>

#include <QApplication>

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
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
