#include "frmEdit.h"

void frmEdit::mnuLevelProperties_Click() {}
