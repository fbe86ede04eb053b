// Commands of the main window that other parts of the program implement; until then they
// are present in the tool bar and the menus and do nothing.
#include "Main.h"

void TForm1::New2Click() {}
void TForm1::Open1Click() {}
void TForm1::Save1Click() {}
void TForm1::SaveAs1Click() {}
void TForm1::Property1Click() {}
void TForm1::Export1Click() {}
void TForm1::Import1Click() {}
void TForm1::SpeedButton2Click() {}
void TForm1::Couper1Click() {}
void TForm1::Copier1Click() {}
void TForm1::Coller1Click() {}
void TForm1::MoveProgramUp1Click() {}
void TForm1::MoveProgramDown1Click() {}
void TForm1::ColorGroup27Click(int) {}
void TForm1::About1Click() {}
void TForm1::HomePage1Click() {}
void TForm1::SendEmailToSupport1Click() {}

void TForm1::Exit1Click() {
    close();
}
