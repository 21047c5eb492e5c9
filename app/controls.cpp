#include "app/controls.h"

#include <QImage>
#include <QPainter>
#include <QResizeEvent>

#include "app/application.h"

void SetTextColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, colour);
  widget->setPalette(palette);
}

QFont FontOfHeight(int pixels) {
  QFont font(QString::fromLatin1(kFontFamily));
  font.setPixelSize(pixels);
  return font;
}

TForm::TForm(const QString& caption, int left, int top, int clientWidth, int clientHeight) {
  setWindowTitle(caption);
  setFont(FontOfHeight(kWindowFontHeight));
  move(left, top);
  resize(clientWidth, clientHeight);
}

TLabel::TLabel(QWidget* parent, const char* name, int left, int top, const QString& caption,
               const QColor& colour, int fontHeight)
    : QLabel(caption, parent) {
  setObjectName(QString::fromLatin1(name));
  setFont(FontOfHeight(fontHeight));
  SetTextColour(this, QPalette::WindowText, colour);
  move(left, top);
  adjustSize();
}

TEdit::TEdit(QWidget* parent, const char* name, int left, int top, int width, int height,
             const QString& accessibleName)
    : QLineEdit(parent) {
  setObjectName(QString::fromLatin1(name));
  setAccessibleName(accessibleName);
  setGeometry(left, top, width, height);
}

TButton::TButton(QWidget* parent, const char* name, int left, int top, int width, int height,
                 const QString& caption)
    : QPushButton(caption, parent) {
  setObjectName(QString::fromLatin1(name));
  setGeometry(left, top, width, height);
  setAutoDefault(false);
}

void TButton::SetOnClick(std::function<void(QObject* sender)> handler) {
  connect(this, &QPushButton::clicked, this, [this, handler = std::move(handler)] {
    Application->Dispatch([&] { handler(this); });
  });
}

TImage::TImage(QWidget* parent, const char* name, int width, int height)
    : QWidget(parent), surface_(width, height) {
  setObjectName(QString::fromLatin1(name));
  setGeometry(0, 0, width, height);
  surface_.SetChangeListener([this] { update(); });
  parent->installEventFilter(this);
}

bool TImage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parentWidget() && event->type() == QEvent::Resize) {
    resize(width(), parentWidget()->height());
  }
  return false;
}

void TImage::paintEvent(QPaintEvent*) {
  const TBitmap* bitmap = surface_.Picture();
  if (bitmap == nullptr) return;
  // Pixels are 0x00BBGGRR; the screen wants 0xFFRRGGBB.
  QImage image(bitmap->Width(), bitmap->Height(), QImage::Format_RGB32);
  for (int y = 0; y < bitmap->Height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < bitmap->Width(); ++x) {
      const TColor c = bitmap->Pixel(x, y);
      line[x] = qRgb(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                     static_cast<int>((c >> 16) & 0xFF));
    }
  }
  QPainter(this).drawImage(0, 0, image);
}

void TImage::resizeEvent(QResizeEvent* event) {
  surface_.SetSize(event->size().width(), event->size().height());
  QWidget::resizeEvent(event);
}
