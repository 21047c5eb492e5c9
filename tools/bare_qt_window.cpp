// An empty top-level window of the program's size: what any Qt Widgets program costs to start.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle("Form1");
  window.move(193, 181);
  window.resize(803, 513);
  window.show();
  return QApplication::exec();
}
