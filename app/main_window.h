#pragma once
// The main window: eighteen coordinate fields, thirteen buttons, twenty-seven captions and the
// drawing area.

#include "app/controls.h"

class TForm1 : public TForm {
 public:
  TForm1();
  ~TForm1() override;

  TImage* Image1;
  TButton* Button1;
  TLabel* Label4;
  TLabel* Alfa;
  TLabel* Label1;
  TLabel* Label3;
  TButton* Button2;
  TButton* Button3;
  TButton* Button4;
  TButton* Button5;
  TButton* Button6;
  TButton* Button7;
  TButton* Button8;
  TButton* Button9;
  TButton* Button10;
  TButton* Button11;
  TLabel* Label5;
  TButton* Button12;
  TButton* Button13;
  TLabel* Label6;
  TEdit* Edit7;
  TEdit* Edit9;
  TEdit* Edit10;
  TEdit* Edit11;
  TEdit* Edit12;
  TEdit* Edit13;
  TEdit* Edit14;
  TEdit* Edit15;
  TEdit* Edit16;
  TEdit* Edit17;
  TEdit* Edit18;
  TEdit* Edit19;
  TEdit* Edit20;
  TEdit* Edit21;
  TEdit* Edit22;
  TEdit* Edit23;
  TEdit* Edit24;
  TEdit* Edit25;
  TLabel* Label7;
  TLabel* Label8;
  TLabel* Label9;
  TLabel* Label10;
  TLabel* Label11;
  TLabel* Label12;
  TLabel* Label13;
  TLabel* Label14;
  TLabel* Label15;
  TLabel* Label16;
  TLabel* Label17;
  TLabel* Label18;
  TLabel* Label19;
  TLabel* Label20;
  TLabel* Label21;
  TLabel* Label22;
  TLabel* Label23;
  TLabel* Label24;
  TLabel* Label2;
  TLabel* Label25;
  TLabel* Label26;

  void Button1Click(QObject* Sender);
  void Button2Click(QObject* Sender);
  void Button3Click(QObject* Sender);
  void Button4Click(QObject* Sender);
  void Button5Click(QObject* Sender);
  void Button6Click(QObject* Sender);
  void Button7Click(QObject* Sender);
  void Button8Click(QObject* Sender);
  void Button9Click(QObject* Sender);
  void Button10Click(QObject* Sender);
  void Button11Click(QObject* Sender);
  void Button12Click(QObject* Sender);
  void Button13Click(QObject* Sender);
};

// The one main window; nullptr until the application creates it.
extern TForm1* Form1;
