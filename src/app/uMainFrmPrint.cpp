// Printing commands of the main window.

#include "app/uMainFrm.h"

void TMainFrm::DruckerEinrichten1Click() {}
void TMainFrm::DruckenKarteikarte1Click() {}
void TMainFrm::DruckenListe1Click() {}
