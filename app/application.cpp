#include "app/application.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>

#include <cstdio>
#include <stdexcept>

#include "geometry/number_text.h"

namespace {
TApplication theApplication;
}

TApplication* Application = &theApplication;

TApplication::TApplication() = default;

TApplication::~TApplication() { Terminate(); }

void TApplication::Initialize(int& argc, char** argv) {
  qt_ = std::make_unique<QApplication>(argc, argv);
  // Reads LC_ALL, then LC_NUMERIC, then LANG, as the user's regional settings.
  SetDecimalSeparator(QLocale::system().decimalPoint().toStdString());
}

int TApplication::Run() { return QApplication::exec(); }

void TApplication::ShowException(const std::exception& error) {
  if (reporter_) {
    reporter_(error.what());
    return;
  }
  if (!qt_) {  // the toolkit did not start: there is no screen to show a box on
    std::fprintf(stderr, "%s: %s\n", kProgramName, error.what());
    return;
  }
  QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kProgramName),
                  QString::fromUtf8(error.what()), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

void TApplication::Dispatch(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    ShowException(error);
  } catch (...) {
    ShowException(std::runtime_error("Nepričakovana napaka."));
  }
}

void TApplication::Terminate() {
  forms_.clear();
  qt_.reset();
}
