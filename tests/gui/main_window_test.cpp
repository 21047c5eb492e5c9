// The main window on Qt's offscreen platform: layout, wiring and failure reporting.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/main_window.h"
#include "geometry/number_text.h"
#include "program_state.h"
#include "render/picture.h"

namespace {

// The example of planes x = 0 and y = 0, in reading order.
const char* const kPerpendicularPlanes[18] = {"0", "0", "0", "0", "1", "0", "0", "0", "1",
                                              "0", "0", "0", "0", "0", "1", "1", "0", "0"};
// Planes x = 0 and x = 1.
const char* const kParallelPlanes[18] = {"0", "0", "0", "0", "1", "0", "0", "0", "1",
                                         "1", "0", "0", "1", "1", "0", "1", "0", "1"};

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TForm1> form_;
  std::vector<std::string> reported_;

  std::vector<TEdit*> Fields() const {
    const TForm1& f = *form_;
    return {f.Edit7,  f.Edit9,  f.Edit10, f.Edit11, f.Edit12, f.Edit13, f.Edit14, f.Edit15, f.Edit16,
            f.Edit17, f.Edit18, f.Edit19, f.Edit20, f.Edit21, f.Edit22, f.Edit23, f.Edit24, f.Edit25};
  }

  void Type(const char* const (&texts)[18]) {
    const std::vector<TEdit*> fields = Fields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
      fields[i]->clear();
      QTest::keyClicks(fields[i], QString::fromUtf8(texts[i]));
    }
  }

  void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

  const TBitmap& Picture() const {
    const TBitmap* picture = form_->Image1->Picture();
    if (picture == nullptr) qFatal("no picture");
    return *picture;
  }

 private slots:
  void init() {
    ResetProgramState();
    reported_.clear();
    Application->SetExceptionReporter([this](const std::string& m) { reported_.push_back(m); });
    form_ = std::make_unique<TForm1>();
    Form1 = form_.get();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
  }

  void cleanup() {
    form_.reset();
    Application->SetExceptionReporter({});
  }

  void startsEmptyWithTheDesignedLayout() {
    QCOMPARE(form_->windowTitle(), QString("Form1"));
    QCOMPARE(form_->size(), QSize(803, 513));
    QCOMPARE(form_->Image1->geometry(), QRect(0, 0, 585, 513));
    QVERIFY(form_->Image1->Picture() == nullptr);
    for (TEdit* field : Fields()) QVERIFY(field->text().isEmpty());
    QCOMPARE(form_->Edit7->geometry(), QRect(672, 48, 25, 21));
    QCOMPARE(form_->Edit25->geometry(), QRect(736, 192, 25, 21));
    QCOMPARE(form_->Button1->geometry(), QRect(616, 224, 145, 33));
    QCOMPARE(form_->Button13->geometry(), QRect(688, 480, 17, 17));
    QCOMPARE(form_->Button1->text(), QString::fromUtf8("Izriši presek ravnin"));
    QCOMPARE(form_->Label11->text(), QString("Ravnina 2"));
    QCOMPARE(form_->Label6->pos(), QPoint(600, 0));
  }

  void everyCaptionShowsWholeAndNothingOverlaps() {
    const QList<QWidget*> children = form_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(children.size(), 1 + 13 + 18 + 27);
    for (QWidget* w : children) {
      QVERIFY2(form_->rect().contains(w->geometry()), qPrintable(w->objectName()));
      if (auto* label = qobject_cast<QLabel*>(w)) {
        const int textWidth = label->fontMetrics().horizontalAdvance(label->text());
        QVERIFY2(label->width() >= textWidth, qPrintable(label->objectName()));
      }
      for (QWidget* other : children) {
        if (other == w) continue;
        QVERIFY2(!w->geometry().intersects(other->geometry()),
                 qPrintable(w->objectName() + " overlaps " + other->objectName()));
      }
    }
  }

  void tabGoesThroughButtonsThenFields() {
    std::vector<QWidget*> expected = {form_->Button1,  form_->Button2,  form_->Button3,
                                      form_->Button4,  form_->Button5,  form_->Button6,
                                      form_->Button7,  form_->Button8,  form_->Button9,
                                      form_->Button10, form_->Button11, form_->Button12,
                                      form_->Button13};
    for (TEdit* field : Fields()) expected.push_back(field);
    form_->Button1->setFocus();
    for (std::size_t i = 1; i < expected.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), expected[i]);
    }
  }

  void controlsHaveAccessibleNames() {
    QCOMPARE(form_->Edit7->accessibleName(), QString("Ravnina 1, T1, X"));
    QCOMPARE(form_->Edit16->accessibleName(), QString("Ravnina 1, T3, Z"));
    QCOMPARE(form_->Edit21->accessibleName(), QString("Ravnina 2, T2, Y"));
    QCOMPARE(form_->Button2->accessibleName(), QString("Alfa +"));
    QCOMPARE(form_->Button13->accessibleName(), QString("Razdalja -"));
  }

  void anyButtonAtStartReportsTheEmptyFirstField() {
    for (QAbstractButton* b : {static_cast<QAbstractButton*>(form_->Button1),
                               static_cast<QAbstractButton*>(form_->Button9)}) {
      reported_.clear();
      Click(b);
      QCOMPARE(reported_.size(), std::size_t{1});
      QCOMPARE(QString::fromStdString(reported_[0]), QString::fromUtf8("»« ni veljavno število."));
    }
    QCOMPARE(ViewState.drawCount, 1.0);
    QCOMPARE(ViewState.shiftX, -10.0);  // the step stays, to be overwritten by the defaults
    QVERIFY(form_->Image1->Picture() == nullptr);
  }

  void drawsTheSceneOntoImage1() {
    Type(kPerpendicularPlanes);
    Click(form_->Button1);
    QVERIFY(reported_.empty());
    QCOMPARE(ViewState.drawCount, 2.0);
    const TBitmap& picture = Picture();
    QCOMPARE(picture.Width(), 585);
    QCOMPARE(picture.Height(), 513);
    QCOMPARE(picture.Pixel(100, 250), kAxisZColour);  // the axes' origin, Z drawn last
    QCOMPARE(picture.Pixel(532, 375), kAxisXYColour);  // the X axis towards (533, 375)
    QCOMPARE(picture.Pixel(580, 500), clWhite);
    // What the window shows is the picture.
    const QImage shown = form_->Image1->grab().toImage();
    QCOMPARE(shown.pixelColor(100, 250), QColor(0, 255, 0));
    QCOMPARE(shown.pixelColor(580, 500), QColor(255, 255, 255));
  }

  void stepButtonRedrawsWithTheStep() {
    Type(kPerpendicularPlanes);
    Click(form_->Button1);
    Click(form_->Button8);  // X smer +
    QVERIFY(reported_.empty());
    QCOMPARE(ViewState.shiftX, 110.0);
    QCOMPARE(Picture().Pixel(110, 250), kAxisZColour);
    QCOMPARE(ViewState.drawCount, 3.0);
  }

  void parallelPlanesKeepTheLastPicture() {
    Type(kPerpendicularPlanes);
    Click(form_->Button1);
    const TBitmap before = Picture();
    Type(kParallelPlanes);
    Click(form_->Button1);
    QCOMPARE(reported_.size(), std::size_t{1});
    QVERIFY(std::equal(before.Data(), before.Data() + 585 * 513, Picture().Data()));
    QCOMPARE(ViewState.drawCount, 2.0);
    Type(kPerpendicularPlanes);
    Click(form_->Button1);
    QCOMPARE(reported_.size(), std::size_t{1});
    QCOMPARE(ViewState.drawCount, 3.0);
  }

  void zoomDownToZeroFailsAndOneStepUpDrawsAgain() {
    Type(kPerpendicularPlanes);
    Click(form_->Button1);
    for (int i = 0; i < 19; ++i) Click(form_->Button7);
    QVERIFY(reported_.empty());
    const TBitmap before = Picture();
    Click(form_->Button7);
    QCOMPARE(ViewState.zoom, 0.0);
    QCOMPARE(reported_.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(reported_[0]), QString::fromUtf8("Deljenje z nič."));
    QVERIFY(std::equal(before.Data(), before.Data() + 585 * 513, Picture().Data()));
    Click(form_->Button6);
    QCOMPARE(reported_.size(), std::size_t{1});
    QCOMPARE(ViewState.zoom, 10.0);
  }

  void realMessageBoxShowsTheErrorAndTheWindowWorksOn() {
    Application->SetExceptionReporter({});
    QString title, text;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      title = box->windowTitle();
      text = box->text();
      box->button(QMessageBox::Ok)->click();
    });
    Click(form_->Button1);
    QCOMPARE(title, QString::fromUtf8(kProgramName));
    QCOMPARE(text, QString::fromUtf8("»« ni veljavno število."));
    Application->SetExceptionReporter([this](const std::string& m) { reported_.push_back(m); });
    Type(kPerpendicularPlanes);
    Click(form_->Button1);
    QVERIFY(reported_.empty());
    QVERIFY(form_->Image1->Picture() != nullptr);
  }

  void repaintAndResizeShowTheKeptPicture() {
    Type(kPerpendicularPlanes);
    Click(form_->Button1);
    const double cycles = ViewState.drawCount;
    form_->resize(900, 600);
    QCOMPARE(form_->Image1->height(), 600);
    form_->repaint();
    QCOMPARE(ViewState.drawCount, cycles);
    QCOMPARE(Picture().Height(), 513);
    QCOMPARE(form_->Image1->grab().toImage().pixelColor(100, 250), QColor(0, 255, 0));
  }

  void closingTheWindowEndsTheLoopWithExitCodeZero() {
    Type(kPerpendicularPlanes);
    QTimer::singleShot(0, form_.get(), [this] { form_->close(); });
    QCOMPARE(Application->Run(), 0);
    QVERIFY(!form_->isVisible());
    QVERIFY(reported_.empty());
  }

  // Run under LANG=sl_SI.UTF-8 by the test suite; skipped otherwise.
  void regionalDecimalSeparator() {
    if (!qEnvironmentVariable("LANG").startsWith("sl_SI")) QSKIP("not under a Slovenian locale");
    QCOMPARE(QString::fromStdString(DecimalSeparator()), QString(","));
    const char* const withComma[18] = {"0", "0", "0", "0", "1,5", "0", "0", "0", "1,5",
                                       "0", "0", "0", "0", "0", "1", "1", "0", "0"};
    Type(withComma);
    Click(form_->Button1);
    QVERIFY(reported_.empty());
    form_->Edit12->setText("1.5");
    Click(form_->Button1);
    QCOMPARE(QString::fromStdString(reported_.at(0)), QString::fromUtf8("»1.5« ni veljavno število."));
  }
};

int main(int argc, char** argv) {
  Application->Initialize(argc, argv);
  MainWindowTest test;
  const int result = QTest::qExec(&test, argc, argv);
  Application->Terminate();
  return result;
}

#include "main_window_test.moc"
