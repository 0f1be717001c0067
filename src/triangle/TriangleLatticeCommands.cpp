#include "triangle/TriangleLatticeCommands.h"

#include "drawing/Form2.h"
#include "drawing/LatticeOverlay.h"
#include "shell/Form1.h"
#include "shell/VertexStore.h"
#include "triangle/PickCount.h"
#include "triangle/TriangleFields.h"
#include "working/FormWorking.h"

void ShowTriangleLattice(const TLatticeTriangle& t)
{
    if (!LatticeBoxFits(t)) return;
    // The section's triangle may no longer be the one drawn: build it first, as
    // the menu's construction does, so the marks land on its picture.
    VertexCount = 3;
    StoreTriangle(AsPoints(t));
    Form1->N8Click();
    if (!FigureAccepted) return;  // nothing new drawn
    Form2->LatticeOverlay->ShowPoints(t);
}

void ConnectTriangleLattice()
{
    if (FormWorking) FormWorking->ShowLattice = ShowTriangleLattice;
}
