// The entry routine: start the application, create the main window, run the message loop.

#include <exception>

#include "app/application.h"
#include "app/main_window.h"

int main(int argc, char** argv) {
  try {
    Application->Initialize(argc, argv);
    Application->CreateForm(Form1);
    Application->Run();
  } catch (const std::exception& error) {
    Application->ShowException(error);
  }
  Application->Terminate();
  return 0;
}
