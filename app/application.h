#pragma once
// The application object: start-up, the message loop, and the one place where an exception
// that leaves a click handler is caught and shown to the user.

#include <QWidget>

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QApplication;

// The title of message boxes.
inline constexpr const char* kProgramName = "Presek ravnin";

class TApplication {
 public:
  using ExceptionReporter = std::function<void(const std::string& message)>;

  TApplication();
  ~TApplication();

  // Starts the toolkit and hands the user's regional decimal separator to the conversion.
  void Initialize(int& argc, char** argv);

  // Creates and shows a window, which the application owns until it ends.
  template <typename Form>
  void CreateForm(Form*& reference) {
    auto form = std::make_unique<Form>();
    reference = form.get();
    forms_.push_back(std::move(form));
    reference->show();
  }

  // Runs the message loop until the main window closes; returns the loop's exit code.
  int Run();

  // Shows the exception's message in a message box (or hands it to the reporter set below).
  void ShowException(const std::exception& error);

  // Runs a click handler as the message dispatch does: whatever it raises is shown with
  // ShowException and goes no further, so no exception passes through the toolkit.
  void Dispatch(const std::function<void()>& handler);

  // Replaces the message box, so that tests need not block; an empty reporter restores it.
  void SetExceptionReporter(ExceptionReporter reporter) { reporter_ = std::move(reporter); }

  // Closes and destroys the windows, then the toolkit.
  void Terminate();

 private:
  std::unique_ptr<QApplication> qt_;
  std::vector<std::unique_ptr<QWidget>> forms_;
  ExceptionReporter reporter_;
};

extern TApplication* Application;
