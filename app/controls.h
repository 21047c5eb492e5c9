#pragma once
// The window's controls: thin Qt widgets placed at fixed pixel positions, as designed at
// 96 pixels per inch. Font heights are character heights in pixels.

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

#include <functional>
#include <string>

#include "render/canvas.h"

// Colours of captions.
inline const QColor clWindowText(0, 0, 0);
inline const QColor clGreen(0, 128, 0);
inline const QColor clBlue(0, 0, 255);
inline const QColor clPurple(128, 0, 128);
inline const QColor clTeal(0, 128, 128);
inline const QColor clNavy(0, 0, 128);

// The sans-serif face the setup installs; metrics close to the classic dialog font.
inline constexpr const char* kFontFamily = "Liberation Sans";
inline constexpr int kWindowFontHeight = 11;

// The program's face at a character height in pixels.
QFont FontOfHeight(int pixels);

// Sets one text colour of a control's palette.
void SetTextColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour);

// The base of the main window: a top-level window with a caption and a client size.
class TForm : public QWidget {
 public:
  TForm(const QString& caption, int left, int top, int clientWidth, int clientHeight);
};

// A caption sized to its text from its left and top.
class TLabel : public QLabel {
 public:
  TLabel(QWidget* parent, const char* name, int left, int top, const QString& caption,
         const QColor& colour, int fontHeight);
};

// A single-line text field.
class TEdit : public QLineEdit {
 public:
  TEdit(QWidget* parent, const char* name, int left, int top, int width, int height,
        const QString& accessibleName);
  std::string GetText() const { return text().toStdString(); }
};

// A push button whose click runs its handler through the application's message dispatch.
class TButton : public QPushButton {
 public:
  TButton(QWidget* parent, const char* name, int left, int top, int width, int height,
          const QString& caption);
  void SetOnClick(std::function<void(QObject* sender)> handler);
};

// The drawing area: shows the persistent picture of its surface, nothing before the surface
// exists. Painting only copies pixels; it never computes the picture. Aligned to the left edge
// of its parent: it keeps its width and follows the parent's height.
class TImage : public QWidget, public TDrawingArea {
 public:
  TImage(QWidget* parent, const char* name, int width, int height);

  TRect GetClientRect() const override { return {0, 0, width(), height()}; }
  TCanvas& GetCanvas() override { return surface_.GetCanvas(); }
  const TBitmap* Picture() const { return surface_.Picture(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TImageSurface surface_;
};
