#include "app/application.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>

#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <stdexcept>
#include <thread>

#include "app/controls.h"
#include "geometry/number_text.h"

namespace {
TApplication theApplication;
}

TApplication* Application = &theApplication;

TApplication::TApplication() = default;

TApplication::~TApplication() { Terminate(); }

void TApplication::Initialize(int& argc, char** argv) {
  // Fontconfig's first initialisation parses its configuration and maps its caches, a good
  // part of the start-up time; it runs on the second core while the toolkit loads its platform
  // plugin and connects to the display, and the toolkit then finds it done.
  std::thread fontconfig([] { FcInit(); });
  qt_ = std::make_unique<QApplication>(argc, argv);
  fontconfig.join();
  // Lets a desktop match the window with its menu entry and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("plane-intersection"));
  // The window's font for everything, message boxes included; no second face is loaded.
  QApplication::setFont(FontOfHeight(kWindowFontHeight));
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
