#include "app/main_window.h"

#include "app/redraw.h"
#include "app/step_operations.h"
#include "render/drawing_area.h"

TForm1* Form1 = nullptr;

namespace {

// The window side of reading the coordinates: the fields' texts in reading order.
class FormCoordinateFields final : public CoordinateFields {
 public:
  explicit FormCoordinateFields(const TForm1& form) : form_(form) {}
  CoordinateTexts Texts() const override {
    const TForm1& f = form_;
    return {f.Edit7->GetText(),  f.Edit9->GetText(),  f.Edit10->GetText(), f.Edit11->GetText(),
            f.Edit12->GetText(), f.Edit13->GetText(), f.Edit14->GetText(), f.Edit15->GetText(),
            f.Edit16->GetText(), f.Edit17->GetText(), f.Edit18->GetText(), f.Edit19->GetText(),
            f.Edit20->GetText(), f.Edit21->GetText(), f.Edit22->GetText(), f.Edit23->GetText(),
            f.Edit24->GetText(), f.Edit25->GetText()};
  }

 private:
  const TForm1& form_;
};

const FormCoordinateFields* boundFields = nullptr;

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

constexpr int kClientWidth = 803;
constexpr int kClientHeight = 513;

}  // namespace

TForm1::TForm1() : TForm(Text("Form1"), 193, 181, kClientWidth, kClientHeight) {
  Image1 = new TImage(this, "Image1", kDrawingAreaWidth, kDrawingAreaHeight);

  Button1 = new TButton(this, "Button1", 616, 224, 145, 33, Text("Izriši presek ravnin"));
  Button1->setFont(FontOfHeight(13));
  SetTextColour(Button1, QPalette::ButtonText, clNavy);

  // The view part.
  Label4 = new TLabel(this, "Label4", 600, 264, Text("Povečevanje"), clGreen, 13);
  Label21 = new TLabel(this, "Label21", 600, 288, Text("Pomanševanje"), clGreen, 13);
  Label5 = new TLabel(this, "Label5", 600, 320, Text("Premik koordinatnega sistema"), clTeal, 13);
  Label23 = new TLabel(this, "Label23", 600, 344, Text("X smer"), clTeal, 13);
  Label24 = new TLabel(this, "Label24", 600, 368, Text("Y smer"), clTeal, 13);
  Label22 = new TLabel(this, "Label22", 600, 408, Text("Spreminjanje mesta pogleda"), clGreen, 13);
  Alfa = new TLabel(this, "Alfa", 640, 432, Text("Alfa"), clPurple, 13);
  Label1 = new TLabel(this, "Label1", 640, 456, Text("Beta"), clPurple, 13);
  Label3 = new TLabel(this, "Label3", 624, 480, Text("Razdalja"), clPurple, 13);
  Label2 = new TLabel(this, "Label2", 712, 432, Text("kot od X osi"), clWindowText, 11);
  Label25 = new TLabel(this, "Label25", 712, 456, Text("kot od XY ravnine"), clWindowText, 11);
  Label26 = new TLabel(this, "Label26", 712, 480, Text("pogledna tocka"), clWindowText, 11);

  struct StepButton {
    TButton*& button;
    const char* name;
    int left;
    int top;
    const char* caption;
    const char* accessibleName;
  };
  const StepButton stepButtons[] = {
      {Button2, "Button2", 600, 432, "+", "Alfa +"},
      {Button3, "Button3", 688, 432, "-", "Alfa -"},
      {Button4, "Button4", 600, 456, "+", "Beta +"},
      {Button5, "Button5", 688, 456, "-", "Beta -"},
      {Button6, "Button6", 704, 264, "+", "Povečevanje"},
      {Button7, "Button7", 704, 288, "-", "Pomanševanje"},
      {Button8, "Button8", 664, 344, "+", "X smer +"},
      {Button9, "Button9", 696, 344, "-", "X smer -"},
      {Button10, "Button10", 664, 368, "+", "Y smer +"},
      {Button11, "Button11", 696, 368, "-", "Y smer -"},
      {Button12, "Button12", 600, 480, "+", "Razdalja +"},
      {Button13, "Button13", 688, 480, "-", "Razdalja -"},
  };
  for (const StepButton& b : stepButtons) {
    b.button = new TButton(this, b.name, b.left, b.top, 17, 17, Text(b.caption));
    b.button->setAccessibleName(Text(b.accessibleName));
  }

  // The input part: two blocks of three points by X, Y, Z.
  Label6 = new TLabel(this, "Label6", 600, 0, Text("Ravnini podani z tremi točkami"), clGreen, 13);
  Label7 = new TLabel(this, "Label7", 600, 32, Text("Ravnina 1"), clBlue, 13);
  Label15 = new TLabel(this, "Label15", 680, 32, Text("X"), clWindowText, 13);
  Label16 = new TLabel(this, "Label16", 712, 32, Text("Y"), clWindowText, 13);
  Label17 = new TLabel(this, "Label17", 744, 32, Text("Z"), clWindowText, 13);
  Label8 = new TLabel(this, "Label8", 648, 48, Text("T1"), clBlue, 16);
  Label9 = new TLabel(this, "Label9", 648, 72, Text("T2"), clBlue, 16);
  Label10 = new TLabel(this, "Label10", 648, 96, Text("T3"), clBlue, 16);
  Label11 = new TLabel(this, "Label11", 600, 128, Text("Ravnina 2"), clPurple, 13);
  Label18 = new TLabel(this, "Label18", 680, 128, Text("X"), clWindowText, 13);
  Label19 = new TLabel(this, "Label19", 712, 128, Text("Y"), clWindowText, 13);
  Label20 = new TLabel(this, "Label20", 744, 128, Text("Z"), clWindowText, 13);
  Label12 = new TLabel(this, "Label12", 648, 144, Text("T1"), clPurple, 16);
  Label13 = new TLabel(this, "Label13", 648, 168, Text("T2"), clPurple, 16);
  Label14 = new TLabel(this, "Label14", 648, 192, Text("T3"), clPurple, 16);

  TEdit** const fields[] = {&Edit7,  &Edit9,  &Edit10, &Edit11, &Edit12, &Edit13,
                            &Edit14, &Edit15, &Edit16, &Edit17, &Edit18, &Edit19,
                            &Edit20, &Edit21, &Edit22, &Edit23, &Edit24, &Edit25};
  const char* const fieldNames[] = {"Edit7",  "Edit9",  "Edit10", "Edit11", "Edit12", "Edit13",
                                    "Edit14", "Edit15", "Edit16", "Edit17", "Edit18", "Edit19",
                                    "Edit20", "Edit21", "Edit22", "Edit23", "Edit24", "Edit25"};
  const int rowTops[] = {48, 72, 96, 144, 168, 192};
  const int columnLefts[] = {672, 704, 736};
  const char* const columnNames[] = {"X", "Y", "Z"};
  for (int row = 0; row < 6; ++row) {
    for (int column = 0; column < 3; ++column) {
      const int i = row * 3 + column;
      const QString accessibleName = Text("Ravnina %1, T%2, %3")
                                         .arg(row / 3 + 1)
                                         .arg(row % 3 + 1)
                                         .arg(Text(columnNames[column]));
      *fields[i] = new TEdit(this, fieldNames[i], columnLefts[column], rowTops[row], 25, 21,
                             accessibleName);
    }
  }

  // Tab order: the draw button, the step buttons by number, then the fields in reading order.
  QWidget* const tabOrder[] = {Button1, Button2,  Button3,  Button4,  Button5,  Button6,
                               Button7, Button8,  Button9,  Button10, Button11, Button12,
                               Button13, Edit7,   Edit9,    Edit10,   Edit11,   Edit12,
                               Edit13,  Edit14,   Edit15,   Edit16,   Edit17,   Edit18,
                               Edit19,  Edit20,   Edit21,   Edit22,   Edit23,   Edit24,
                               Edit25};
  for (std::size_t i = 1; i < std::size(tabOrder); ++i) {
    QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
  }

  using Handler = void (TForm1::*)(QObject*);
  const std::pair<TButton*, Handler> clicks[] = {
      {Button1, &TForm1::Button1Click},   {Button2, &TForm1::Button2Click},
      {Button3, &TForm1::Button3Click},   {Button4, &TForm1::Button4Click},
      {Button5, &TForm1::Button5Click},   {Button6, &TForm1::Button6Click},
      {Button7, &TForm1::Button7Click},   {Button8, &TForm1::Button8Click},
      {Button9, &TForm1::Button9Click},   {Button10, &TForm1::Button10Click},
      {Button11, &TForm1::Button11Click}, {Button12, &TForm1::Button12Click},
      {Button13, &TForm1::Button13Click},
  };
  for (const auto& [button, handler] : clicks) {
    button->SetOnClick([this, handler = handler](QObject* sender) { (this->*handler)(sender); });
  }

  // The cycle reads these fields and draws on this drawing area.
  boundFields = new FormCoordinateFields(*this);
  BindCoordinateFields(boundFields);
  BindImage1(Image1);
}

TForm1::~TForm1() {
  if (Form1 == this) Form1 = nullptr;
  BindImage1(nullptr);
  BindCoordinateFields(nullptr);
  delete boundFields;
  boundFields = nullptr;
}

void TForm1::Button1Click(QObject*) { Redraw(); }
void TForm1::Button2Click(QObject*) { StepView(ViewStep::AlfaUp); }
void TForm1::Button3Click(QObject*) { StepView(ViewStep::AlfaDown); }
void TForm1::Button4Click(QObject*) { StepView(ViewStep::BetaUp); }
void TForm1::Button5Click(QObject*) { StepView(ViewStep::BetaDown); }
void TForm1::Button6Click(QObject*) { StepView(ViewStep::ZoomUp); }
void TForm1::Button7Click(QObject*) { StepView(ViewStep::ZoomDown); }
void TForm1::Button8Click(QObject*) { StepView(ViewStep::ShiftXUp); }
void TForm1::Button9Click(QObject*) { StepView(ViewStep::ShiftXDown); }
void TForm1::Button10Click(QObject*) { StepView(ViewStep::ShiftYUp); }
void TForm1::Button11Click(QObject*) { StepView(ViewStep::ShiftYDown); }
void TForm1::Button12Click(QObject*) { StepView(ViewStep::DistanceUp); }
void TForm1::Button13Click(QObject*) { StepView(ViewStep::DistanceDown); }
